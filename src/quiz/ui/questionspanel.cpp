#include "quiz/ui/questionspanel.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "quiz/questionbank.h"
#include "quiz/questionchecks.h"
#include "quiz/quizfields.h"
#include "quiz/ui/deferredchecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace quiz {

using platform::Dialogs;

namespace {

QComboBox* choice(const QStringList& items, const QString& name, bool editable, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->addItems(items);
    box->setCurrentIndex(-1);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // the type completes by its own rule
    }
    return box;
}

QLineEdit* field(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QPlainTextEdit* textField(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 12);
    return box;
}

// Line breaks have no place in a printed question line.
QString plain(const QPlainTextEdit* box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QuestionsPanel::QuestionsPanel(core::Program& program, QWidget* parent) : QWidget(parent), m_program(program)
{
    m_checks = new DeferredChecks(this);
    auto* heading = core::PanelHeading(QStringLiteral("Questions..."), this);

    m_listHeading = new QLabel(this);
    m_listHeading->setObjectName(QStringLiteral("listHeading"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setFont(core::ColumnListFont());
    m_count = field(QStringLiteral("count"), this);
    m_count->setReadOnly(true);
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setMaximumWidth(80);

    auto* quizBox = new QGroupBox(QStringLiteral("Selected Quiz:"), this);
    quizBox->setObjectName(QStringLiteral("selectedQuiz"));
    m_quizCode = field(QStringLiteral("quizCode"), quizBox);
    m_quizTitle = field(QStringLiteral("quizTitle"), quizBox);
    for (QLineEdit* box : {m_quizCode, m_quizTitle}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }
    m_quizCode->setMaximumWidth(60);
    auto* quizGrid = new QHBoxLayout(quizBox);
    quizGrid->addWidget(new QLabel(QStringLiteral("Code"), quizBox));
    quizGrid->addWidget(m_quizCode);
    quizGrid->addWidget(new QLabel(QStringLiteral("Title"), quizBox));
    quizGrid->addWidget(m_quizTitle, 1);

    m_editor = new QWidget(this);
    m_editor->setObjectName(QStringLiteral("editor"));
    m_key = field(QStringLiteral("questionKey"), m_editor);
    m_key->setReadOnly(true);
    m_key->setFocusPolicy(Qt::NoFocus);
    m_difficulty = choice({"1", "2", "3", "4", "5"}, QStringLiteral("difficulty"), true, m_editor);
    m_author = field(QStringLiteral("author"), m_editor);
    m_source = field(QStringLiteral("source"), m_editor);
    m_type = choice({"Practice", "Competition", "Bonus", "Tie Breaker"}, QStringLiteral("type"), true, m_editor);
    m_editDate = field(QStringLiteral("editDate"), m_editor);
    m_active = new QCheckBox(QStringLiteral("Active"), m_editor);
    m_active->setObjectName(QStringLiteral("active"));
    m_usageCount = field(QStringLiteral("usageCount"), m_editor);
    m_usageCount->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_usageCount));
    m_selected = field(QStringLiteral("selected"), m_editor);
    m_selected->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[01]?")), m_selected));
    m_question = textField(QStringLiteral("question"), m_editor);
    m_answer = textField(QStringLiteral("answer"), m_editor);
    m_hint = textField(QStringLiteral("hint"), m_editor);
    // Shown for the office's own notes; they are not kept with the question.
    m_species = choice({"1 - Horse", "2 - Swine", "3 - Sheep", "4 - Beef", "5 - Dairy", "6 - Goats", "7 - All"},
                       QStringLiteral("species"), false, m_editor);
    m_discipline = choice({"1 - Nutrition", "2 - Health", "3 - Physiology", "4 - Management", "5 - Meats",
                           "6 - Breeding & Genetics", "7 - General Knowledge", "8 - Reproduction"},
                          QStringLiteral("discipline"), false, m_editor);
    m_answerType = choice({"1 - Short Answer", "2 - True / False", "3 - Essay", "4 - Multiple Choice"},
                          QStringLiteral("answerType"), false, m_editor);
    for (QComboBox* box : {m_species, m_discipline, m_answerType})
        box->setFocusPolicy(Qt::ClickFocus);

    auto* grid = new QGridLayout(m_editor);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto pair = [&](int r, int c, const QString& label, QWidget* w) {
        if (!label.isEmpty())
            grid->addWidget(new QLabel(label, m_editor), r, c);
        grid->addWidget(w, r, c + 1);
    };
    const auto narrow = [this](std::initializer_list<std::pair<QString, QWidget*>> parts) {
        auto* holder = new QWidget(m_editor);
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        for (const auto& [label, w] : parts) {
            if (!label.isEmpty())
                line->addWidget(new QLabel(label, holder));
            w->setMaximumWidth(90);
            line->addWidget(w);
        }
        line->addStretch(1);
        return holder;
    };
    pair(row, 0, QStringLiteral("Question Key"), m_key);
    pair(row, 2, QStringLiteral("Difficulty"), narrow({{QString(), m_difficulty}}));
    ++row;
    pair(row, 0, QStringLiteral("Author"), m_author);
    pair(row, 2, QStringLiteral("Source"), m_source);
    ++row;
    pair(row, 0, QStringLiteral("Type"), m_type);
    pair(row, 2, QStringLiteral("Edit Date"), m_editDate);
    ++row;
    pair(row, 0, QString(), m_active);
    pair(row, 2, QStringLiteral("Usage Count"),
         narrow({{QString(), m_usageCount}, {QStringLiteral("   Selected"), m_selected}}));
    ++row;
    pair(row, 0, QStringLiteral("Species"), m_species);
    pair(row, 2, QStringLiteral("Discipline"), m_discipline);
    ++row;
    pair(row, 0, QStringLiteral("Answer Type"), m_answerType);
    ++row;
    for (const auto& [label, box] : {std::pair{QStringLiteral("Question"), m_question},
                                     std::pair{QStringLiteral("Answer"), m_answer},
                                     std::pair{QStringLiteral("Hint"), m_hint}}) {
        grid->addWidget(new QLabel(label, m_editor), row, 0, Qt::AlignTop);
        grid->addWidget(box, row, 1, 1, 3);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_new = core::NamedButton(QStringLiteral("New Question"), QStringLiteral("newQuestion"), this);
    m_save = core::NamedButton(QStringLiteral("Save / Update"), QStringLiteral("saveUpdate"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete Question"), QStringLiteral("deleteQuestion"), this);
    m_changeQuiz = core::NamedButton(QStringLiteral("Change Quiz"), QStringLiteral("changeQuiz"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(m_listHeading);
    left->addWidget(m_list, 1);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("Count: "), this));
    countRow->addWidget(m_count);
    countRow->addStretch(1);
    left->addLayout(countRow);

    auto* right = new QVBoxLayout;
    right->addWidget(quizBox);
    right->addWidget(m_editor);
    right->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addLayout(right, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_new, m_save, m_delete, m_changeQuiz, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // The order the cursor moves in; the choices that are not kept take clicks only.
    QWidget* order[] = {m_difficulty, m_author,   m_source, m_type, m_editDate, m_active, m_usageCount,
                        m_selected,   m_question, m_answer, m_hint, m_save,     m_new,    m_delete,
                        m_changeQuiz, m_exit,     m_list};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_list, &QListWidget::itemClicked, this, &QuestionsPanel::listClicked);
    connect(m_new, &QPushButton::clicked, this, &QuestionsPanel::newQuestion);
    connect(m_save, &QPushButton::clicked, this, &QuestionsPanel::saveUpdate);
    connect(m_delete, &QPushButton::clicked, this, &QuestionsPanel::deleteQuestion);
    connect(m_changeQuiz, &QPushButton::clicked, this, &QuestionsPanel::changeQuiz);
    connect(m_exit, &QPushButton::clicked, this, &QuestionsPanel::exit);
    setupChecks();
    core::EnterMovesFocus::install(this);
    open();
}

void QuestionsPanel::setupChecks()
{
    const QString difficultyError =
        QStringLiteral("The value for the difficulty field must be in the range of 1 to 5.  Please re-enter");
    m_checks->attach(m_difficulty, [this, difficultyError](const QString& text) -> DeferredChecks::Outcome {
        if (text.isEmpty())
            return {{}, m_exit};
        if (!IsDifficulty(text))
            return {difficultyError, nullptr};
        return {{}, m_author};
    });
    // One digit 1..5 typed or chosen is taken at once.
    connect(m_difficulty->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (IsDifficulty(text))
            takeAtOnce(m_difficulty, m_author);
    });
    connect(m_difficulty, &QComboBox::activated, this, [this] { takeAtOnce(m_difficulty, m_author); });

    m_checks->attach(m_type, [this](const QString& text) -> DeferredChecks::Outcome {
        if (text.isEmpty())
            return {{}, m_exit};
        if (QuestionTypeCode(text) == NoType)
            return {QStringLiteral("The Question Type must be one of the selectable valuse."), nullptr};
        return {{}, m_editDate};
    });
    // The first letter names the type.
    connect(m_type->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString full = CompleteQuestionType(text);
        if (full.isEmpty())
            return;
        m_type->setEditText(full);
        takeAtOnce(m_type, m_editDate);
    });
    connect(m_type, &QComboBox::activated, this, [this] { takeAtOnce(m_type, m_editDate); });

    m_checks->attach(m_editDate, [this](const QString& text) -> DeferredChecks::Outcome {
        if (text.isEmpty())
            return {{}, m_exit};
        if (!core::IsShortDate(text))
            return {QStringLiteral("Improper Data Format:  MM/DD/YY"), nullptr};
        return {{}, m_active};
    });
    m_editDate->installEventFilter(this);
    m_active->installEventFilter(this);

    const auto zeroWhenEmpty = [](QLineEdit* box, QWidget* next) {
        return [box, next](const QString& text) -> DeferredChecks::Outcome {
            if (text.isEmpty())
                box->setText(QStringLiteral("0"));
            return {{}, next};
        };
    };
    m_checks->attach(m_usageCount, zeroWhenEmpty(m_usageCount, m_selected));
    m_checks->attach(m_selected, zeroWhenEmpty(m_selected, m_question));

    connect(m_question, &QPlainTextEdit::textChanged, this, [this] {
        cutText(m_question, QStringLiteral("Question text has exceeded maximum length (222 characters).  Please modify input"));
    });
    connect(m_answer, &QPlainTextEdit::textChanged, this, [this] {
        cutText(m_answer, QStringLiteral("Answer text has exceeded maximum length (222 characters).  Please modify input"));
    });
    connect(m_hint, &QPlainTextEdit::textChanged, this, [this] {
        cutText(m_hint, QStringLiteral("Hint text has exceeded maximum length (222 characters).  Please modify input"));
    });
}

void QuestionsPanel::takeAtOnce(QWidget* box, QWidget* next)
{
    next->setFocus(Qt::TabFocusReason);
    m_checks->cancel(box);
}

void QuestionsPanel::cutText(QPlainTextEdit* box, const QString& warning)
{
    if (!core::LeaveCheck::enabled() || box->toPlainText().size() <= MaxQuestionText)
        return;
    {
        core::LeaveCheck::Pause pause;
        box->setPlainText(box->toPlainText().left(MaxQuestionText));
        box->moveCursor(QTextCursor::End);
        Dialogs::warning(warning);
    }
    box->setFocus(Qt::OtherFocusReason);
}

bool QuestionsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editDate && event->type() == QEvent::FocusIn) {
        // Entering the date stamps today's; a refused date comes back empty.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
            reason == Qt::ShortcutFocusReason)
            m_editDate->setText(core::NormalizeShortDate(platform::Clock::shortDate(platform::Clock::today())));
    } else if (watched == m_active && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Y:
        case Qt::Key_N:
            m_active->setChecked(key == Qt::Key_Y);
            m_usageCount->setFocus(Qt::TabFocusReason);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
            return false;
        default:
            Dialogs::beepOnce();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QuestionsPanel::open()
{
    leave();
    m_choosingQuiz = true;
    m_code.clear();
    m_quizCode->clear();
    m_quizTitle->clear();
    m_listHeading->setText(QStringLiteral("Current Quiz(es)..."));
    m_list->clear();
    m_list->addItems(QuestionBank(m_program.data()).QuizLines());
    m_count->clear();
    m_new->setEnabled(false);
}

void QuestionsPanel::leave()
{
    m_checks->cancel();
    storeLoaded();
    endLoaded();
    clearFields();
    setEditorVisible(false);
}

void QuestionsPanel::hideEvent(QHideEvent* event)
{
    leave();
    QWidget::hideEvent(event);
}

void QuestionsPanel::listClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString line = item->text();
    if (m_choosingQuiz)
        chooseQuiz(line.left(QuizCodeLength));
    else
        selectQuestion(line.left(QuestionKeyLength));
}

void QuestionsPanel::chooseQuiz(const QString& code)
{
    QuestionBank bank(m_program.data());
    if (!bank.QuizExists(code))
        return;
    m_code = code;
    m_quizCode->setText(code);
    m_quizTitle->setText(bank.QuizTitle(code));
    m_new->setEnabled(true);
    m_listHeading->setText(QStringLiteral("Current ") + code + QStringLiteral(" Questions..."));
    m_choosingQuiz = false;
    listQuestions();
}

void QuestionsPanel::listQuestions()
{
    const QStringList lines = QuestionBank(m_program.data()).QuestionLines(m_code);
    m_list->clear();
    m_list->addItems(lines);
    m_count->setText(QString::number(lines.size()));
}

void QuestionsPanel::selectQuestion(const QString& key)
{
    // The pending checks belong to the fields about to be replaced.
    m_checks->cancel();
    storeLoaded();
    endLoaded();
    const std::optional<Question> q = QuestionBank(m_program.data()).ReadQuestion(key);
    if (!q) {
        clearFields();
        listQuestions();
        return;
    }
    showFields(*q);
    m_loadedKey = key;
    m_loaded = *q;
    setEditorVisible(true);
    m_save->setEnabled(true);
    m_delete->setEnabled(true);
    m_exit->setFocus(Qt::OtherFocusReason);
}

void QuestionsPanel::newQuestion()
{
    m_checks->cancel();
    endLoaded(); // what the fields showed is not stored
    const QString key = QuestionBank(m_program.data()).NextQuestionKey(m_code);
    if (key.isEmpty()) {
        Dialogs::error(QStringLiteral("All question keys of the quiz ") + m_code + QStringLiteral(" have been used."));
        return;
    }
    clearFields();
    m_key->setText(key);
    m_isNew = true;
    setEditorVisible(true);
    m_save->setEnabled(true);
    m_difficulty->setFocus(Qt::OtherFocusReason);
}

void QuestionsPanel::saveUpdate()
{
    // A check still waiting runs first; a refused entry is not stored.
    if (!m_checks->flush())
        return;
    if (!m_isNew && m_loadedKey.isEmpty())
        return;
    Question q = shownQuestion();
    q.key = m_isNew ? m_key->text() : m_loadedKey;
    QuestionBank(m_program.data()).SaveQuestion(q, m_isNew);
    endLoaded();
    clearFields();
    listQuestions();
    m_new->setFocus(Qt::OtherFocusReason);
}

void QuestionsPanel::deleteQuestion()
{
    if (m_loadedKey.isEmpty())
        return;
    m_checks->cancel();
    if (!Dialogs::confirm(QStringLiteral("Confirm Question Deletion.")))
        return;
    QuestionBank(m_program.data()).DeleteQuestion(m_loadedKey);
    endLoaded();
    clearFields();
    listQuestions();
    m_exit->setFocus(Qt::OtherFocusReason);
}

void QuestionsPanel::changeQuiz()
{
    open();
}

void QuestionsPanel::exit()
{
    leave();
    emit exitRequested();
}

Question QuestionsPanel::shownQuestion() const
{
    Question q;
    q.key = m_key->text();
    q.difficulty = m_difficulty->currentText();
    q.author = m_author->text();
    q.source = m_source->text();
    q.type = QuestionTypeCode(m_type->currentText());
    q.editDate = m_editDate->text();
    q.active = m_active->isChecked();
    q.usageCount = m_usageCount->text();
    q.selected = m_selected->text();
    q.question = plain(m_question);
    q.answer = plain(m_answer);
    q.hint = plain(m_hint);
    return q;
}

void QuestionsPanel::storeLoaded()
{
    if (m_loadedKey.isEmpty() || !m_program.data().slot(core::Ques).table.isOpen())
        return;
    Question q = shownQuestion();
    q.key = m_loadedKey;
    // Checks skipped by leaving at once never let a refused value into the bank.
    if (!q.difficulty.isEmpty() && !IsDifficulty(q.difficulty))
        q.difficulty = m_loaded.difficulty;
    if (!m_type->currentText().isEmpty() && q.type == NoType)
        q.type = m_loaded.type;
    if (!q.editDate.isEmpty() && !core::IsShortDate(q.editDate))
        q.editDate = m_loaded.editDate;
    QuestionBank(m_program.data()).SaveQuestion(q, false);
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->text().left(QuestionKeyLength) == q.key)
            item->setText(q.key + QStringLiteral("  ") + ListedQuestionText(q.question.left(MaxQuestionText)));
    }
}

void QuestionsPanel::endLoaded()
{
    m_loadedKey.clear();
    m_loaded = Question();
    m_isNew = false;
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
}

void QuestionsPanel::showFields(const Question& q)
{
    core::LeaveCheck::Pause pause;
    m_key->setText(q.key);
    m_difficulty->setEditText(q.difficulty);
    m_author->setText(q.author);
    m_source->setText(q.source);
    m_type->setEditText(QuestionTypeText(q.type));
    m_editDate->setText(q.editDate);
    m_active->setChecked(q.active);
    m_usageCount->setText(q.usageCount);
    m_selected->setText(q.selected);
    m_question->setPlainText(q.question);
    m_answer->setPlainText(q.answer);
    m_hint->setPlainText(q.hint);
    for (QComboBox* box : {m_species, m_discipline, m_answerType})
        box->setCurrentIndex(-1);
}

void QuestionsPanel::clearFields()
{
    showFields(Question());
}

void QuestionsPanel::setEditorVisible(bool visible)
{
    m_editor->setVisible(visible);
}

} // namespace quiz
