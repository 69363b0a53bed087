#include "quiz/ui/practicequizpanel.h"

#include "core/program.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "quiz/questionbank.h"
#include "quiz/questionchecks.h"
#include "quiz/quizfields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quiz {

using platform::Dialogs;

namespace {

// Wide enough that a typed value outside the limits reaches the check instead of being swallowed.
constexpr int NumberFieldRange = 999999;

QSpinBox* numberField(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-NumberFieldRange, NumberFieldRange);
    box->setMaximumWidth(100);
    return box;
}

QLineEdit* countField(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMaximumWidth(100);
    return box;
}

QCheckBox* option(const QString& text, const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

PracticeQuizPanel::PracticeQuizPanel(core::Program& program, Kind kind, QWidget* parent)
    : QWidget(parent), m_program(program), m_kind(kind)
{
    const bool practice = kind == Kind::Practice;
    auto* heading = core::PanelHeading(practice ? QStringLiteral("Practice Quiz...") : QStringLiteral("Competition Quiz..."), this);

    m_sources = new QListWidget(this);
    m_sources->setObjectName(QStringLiteral("sources"));
    m_sources->setSelectionMode(QAbstractItemView::MultiSelection);
    m_sources->setFont(core::ColumnListFont());
    m_difficulty = new QComboBox(this);
    m_difficulty->setObjectName(QStringLiteral("difficulty"));
    m_difficulty->setEditable(true);
    m_difficulty->setInsertPolicy(QComboBox::NoInsert);
    m_difficulty->setCompleter(nullptr);
    m_difficulty->addItems({"1", "2", "3", "4", "5"});
    m_difficulty->setMaximumWidth(100);
    m_allowUsed = option(QStringLiteral("Allow Used Questions"), QStringLiteral("allowUsed"), this);
    m_build = core::NamedButton(QStringLiteral("Build Question Pool"), QStringLiteral("buildPool"), this);

    auto* poolBox = new QGroupBox(QStringLiteral("Qualifing Question Counts:"), this);
    m_poolQuiz = countField(QStringLiteral("poolQuiz"), poolBox);
    m_poolBonus = countField(QStringLiteral("poolBonus"), poolBox);
    m_poolTieBreaker = countField(QStringLiteral("poolTieBreaker"), poolBox);
    auto* poolForm = new QFormLayout(poolBox);
    poolForm->addRow(QStringLiteral("Quiz"), m_poolQuiz);
    poolForm->addRow(QStringLiteral("Bonus"), m_poolBonus);
    poolForm->addRow(QStringLiteral("Tie Breaker"), m_poolTieBreaker);

    auto* countBox = new QGroupBox(QStringLiteral("Number of Questions to Print:"), this);
    m_countQuiz = numberField(QStringLiteral("countQuiz"), countBox);
    m_countBonus = numberField(QStringLiteral("countBonus"), countBox);
    m_countTieBreaker = numberField(QStringLiteral("countTieBreaker"), countBox);
    auto* countForm = new QFormLayout(countBox);
    countForm->addRow(QStringLiteral("Quiz"), m_countQuiz);
    countForm->addRow(QStringLiteral("Bonus"), m_countBonus);
    countForm->addRow(QStringLiteral("Tie Breaker"), m_countTieBreaker);

    auto* includeBox = new QGroupBox(QStringLiteral("Include:"), this);
    m_includeAuthor = option(QStringLiteral("Author"), QStringLiteral("includeAuthor"), includeBox);
    m_includeSource = option(QStringLiteral("Source"), QStringLiteral("includeSource"), includeBox);
    m_includeHint = option(QStringLiteral("Hint"), QStringLiteral("includeHint"), includeBox);
    m_includeAnswerSpace = option(QStringLiteral("Answer Space"), QStringLiteral("includeAnswerSpace"), includeBox);
    auto* includeLayout = new QVBoxLayout(includeBox);
    for (QCheckBox* b : {m_includeAuthor, m_includeSource, m_includeHint, m_includeAnswerSpace})
        includeLayout->addWidget(b);

    auto* optionalBox = new QGroupBox(QStringLiteral("Optional Printing:"), this);
    m_printAnswers = option(QStringLiteral("Print Answer Sheet"), QStringLiteral("printAnswerSheet"), optionalBox);
    m_printHints = option(QStringLiteral("Print Hint Sheet"), QStringLiteral("printHintSheet"), optionalBox);
    auto* optionalLayout = new QVBoxLayout(optionalBox);
    optionalLayout->addWidget(m_printAnswers);
    optionalLayout->addWidget(m_printHints);
    m_saveQuiz = option(QStringLiteral("Save Quiz"), QStringLiteral("saveQuiz"), this);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("quizTitle"));
    m_prepare = core::NamedButton(QStringLiteral("Prepare Quiz"), QStringLiteral("prepareQuiz"), this);
    m_copies = numberField(QStringLiteral("copies"), this);
    m_print = core::NamedButton(practice ? QStringLiteral("Print Practice Quiz") : QStringLiteral("Print Competition Quiz"),
                         QStringLiteral("printQuiz"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* first = new QVBoxLayout;
    first->addWidget(new QLabel(QStringLiteral("Select Question Source(s)..."), this));
    first->addWidget(m_sources, 1);
    auto* difficultyRow = new QHBoxLayout;
    difficultyRow->addWidget(new QLabel(QStringLiteral("Select Difficulty"), this));
    difficultyRow->addWidget(m_difficulty);
    difficultyRow->addStretch(1);
    first->addLayout(difficultyRow);
    first->addWidget(m_allowUsed);
    first->addWidget(m_build, 0, Qt::AlignLeft);
    first->addWidget(poolBox);

    auto* second = new QVBoxLayout;
    second->addWidget(countBox);
    second->addWidget(includeBox);
    second->addWidget(optionalBox);
    second->addWidget(m_saveQuiz);
    second->addStretch(1);

    auto* third = new QVBoxLayout;
    third->addWidget(new QLabel(QStringLiteral("Enter Quiz Title..."), this));
    third->addWidget(m_title);
    third->addWidget(m_prepare, 0, Qt::AlignLeft);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel(QStringLiteral("Number of Copies"), this));
    copiesRow->addWidget(m_copies);
    copiesRow->addStretch(1);
    third->addLayout(copiesRow);
    third->addWidget(m_print, 0, Qt::AlignLeft);
    third->addStretch(1);
    third->addWidget(m_exit, 0, Qt::AlignLeft);

    auto* columns = new QHBoxLayout;
    columns->addLayout(first, 3);
    columns->addSpacing(12);
    columns->addLayout(second, 2);
    columns->addSpacing(12);
    columns->addLayout(third, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(columns, 1);

    connect(m_exit, &QPushButton::clicked, this, &PracticeQuizPanel::exitRequested);
    if (!practice) {
        // No competition behaviour is defined yet: the layout only.
        for (QWidget* w : findChildren<QWidget*>())
            if (w != m_exit && w != heading && !qobject_cast<QLabel*>(w))
                w->setEnabled(false);
        m_difficulty->setCurrentIndex(-1);
        m_countQuiz->setValue(0);
        m_countBonus->setValue(0);
        m_countTieBreaker->setValue(0);
        m_copies->setValue(0);
        core::EnterMovesFocus::install(this);
        return;
    }

    connect(m_sources, &QListWidget::itemSelectionChanged, this, &PracticeQuizPanel::sourcesClicked);
    connect(m_difficulty->lineEdit(), &QLineEdit::textEdited, this, &PracticeQuizPanel::difficultyEdited);
    connect(m_difficulty, &QComboBox::activated, this,
            [this](int index) { difficultyEdited(m_difficulty->itemText(index)); });
    connect(m_allowUsed, &QCheckBox::toggled, this, &PracticeQuizPanel::updateBuild);
    connect(m_build, &QPushButton::clicked, this, &PracticeQuizPanel::buildPool);
    connect(m_countQuiz, &QSpinBox::valueChanged, this, [this] {
        countChanged(m_countQuiz, CountLimit(int(m_pools.quiz.size()), MaxDrawnQuiz));
        updatePrepare(false);
    });
    connect(m_countBonus, &QSpinBox::valueChanged, this,
            [this] { countChanged(m_countBonus, CountLimit(int(m_pools.bonus.size()), MaxDrawnBonus)); });
    connect(m_countTieBreaker, &QSpinBox::valueChanged, this, [this] {
        countChanged(m_countTieBreaker, CountLimit(int(m_pools.tieBreaker.size()), MaxDrawnTieBreaker));
    });
    core::LeaveCheck::attach(m_title, {}, [this](const QString&) { updatePrepare(true); });
    connect(m_prepare, &QPushButton::clicked, this, &PracticeQuizPanel::prepareQuiz);
    connect(m_copies, &QSpinBox::valueChanged, this, &PracticeQuizPanel::copiesChanged);
    connect(m_print, &QPushButton::clicked, this, &PracticeQuizPanel::printQuiz);
    core::EnterMovesFocus::install(this);
    open();
}

void PracticeQuizPanel::open()
{
    if (m_kind != Kind::Practice)
        return;
    core::LeaveCheck::Pause pause;
    m_sources->clear();
    m_sources->addItems(QuestionBank(m_program.data()).QuizLines());
    m_difficulty->setCurrentIndex(-1);
    m_difficulty->clearEditText();
    for (QCheckBox* b : {m_allowUsed, m_includeAuthor, m_includeSource, m_includeHint, m_includeAnswerSpace,
                         m_printAnswers, m_printHints, m_saveQuiz})
        b->setChecked(false);
    m_title->clear();
    m_sourcesChosen = m_difficultyChosen = m_prepared = false;
    m_difficultyValue.clear();
    m_poolQuiz->clear();
    m_poolBonus->clear();
    m_poolTieBreaker->clear();
    for (QSpinBox* b : {m_countQuiz, m_countBonus, m_countTieBreaker, m_copies})
        b->setValue(0);
    m_build->setEnabled(false);
    m_prepare->setEnabled(false);
    m_print->setEnabled(false);
    m_copies->setEnabled(false);
}

void PracticeQuizPanel::sourcesClicked()
{
    m_sourcesChosen = !m_sources->selectedItems().isEmpty();
    updateBuild();
}

void PracticeQuizPanel::difficultyEdited(const QString& text)
{
    m_difficultyChosen = false;
    if (text.isEmpty()) {
        m_exit->setFocus(Qt::TabFocusReason);
    } else if (!IsDifficulty(text)) {
        core::RefuseEntry(m_difficulty->lineEdit(),
                          QStringLiteral("The value for the difficulty field must be in the range of 1 to 5.  Please re-enter"));
    } else {
        m_difficultyValue = text;
        m_difficultyChosen = true;
    }
    updateBuild();
}

void PracticeQuizPanel::updateBuild()
{
    m_build->setEnabled(m_sourcesChosen && m_difficultyChosen);
}

void PracticeQuizPanel::buildPool()
{
    QStringList codes;
    for (QListWidgetItem* item : m_sources->selectedItems())
        codes.append(item->text().left(QuizCodeLength));
    m_pools = BuildQuestionPools(m_program.data(), codes, m_difficultyValue, m_allowUsed->isChecked());
    m_poolQuiz->setText(QString::number(m_pools.quiz.size()));
    m_poolBonus->setText(QString::number(m_pools.bonus.size()));
    m_poolTieBreaker->setText(QString::number(m_pools.tieBreaker.size()));
    m_build->setEnabled(false);
    applyLimits();
}

void PracticeQuizPanel::applyLimits()
{
    // A smaller pool lowers what was asked of the last one, without a complaint.
    m_clamping = true;
    m_countQuiz->setValue(std::min(m_countQuiz->value(), CountLimit(int(m_pools.quiz.size()), MaxDrawnQuiz)));
    m_countBonus->setValue(std::min(m_countBonus->value(), CountLimit(int(m_pools.bonus.size()), MaxDrawnBonus)));
    m_countTieBreaker->setValue(
        std::min(m_countTieBreaker->value(), CountLimit(int(m_pools.tieBreaker.size()), MaxDrawnTieBreaker)));
    m_clamping = false;
    updatePrepare(false);
}

void PracticeQuizPanel::countChanged(QSpinBox* box, int limit)
{
    if (m_clamping)
        return;
    const int value = box->value();
    if (value >= 0 && value <= limit)
        return;
    Dialogs::beepOnce();
    m_clamping = true;
    box->setValue(value < 0 ? 0 : limit);
    m_clamping = false;
}

void PracticeQuizPanel::updatePrepare(bool moveOn)
{
    const bool ready = m_countQuiz->value() >= 1 && !m_title->text().isEmpty();
    m_prepare->setEnabled(ready);
    if (ready && moveOn)
        m_prepare->setFocus(Qt::TabFocusReason);
}

void PracticeQuizPanel::prepareQuiz()
{
    m_copies->setEnabled(true);
    m_drawnQuiz.clear();
    m_drawnBonus.clear();
    m_drawnTieBreaker.clear();
    platform::Random::seedFromClock();
    const auto below = [](int n) { return platform::Random::below(n); };
    core::DataMaster& data = m_program.data();
    m_drawnQuiz = DrawQuestions(m_pools.quiz, m_countQuiz->value(), below);
    MarkDrawn(data, m_drawnQuiz);
    m_drawnBonus = DrawQuestions(m_pools.bonus, m_countBonus->value(), below);
    MarkDrawn(data, m_drawnBonus);
    m_drawnTieBreaker = DrawQuestions(m_pools.tieBreaker, m_countTieBreaker->value(), below);
    MarkDrawn(data, m_drawnTieBreaker);
    m_prepare->setEnabled(false);
    m_prepared = true;
    if (m_copies->value() > 0) {
        m_print->setEnabled(true);
        m_print->setFocus(Qt::TabFocusReason);
    }
}

void PracticeQuizPanel::copiesChanged()
{
    if (m_copies->value() < 0) {
        Dialogs::beepOnce();
        m_copies->setValue(0);
        return;
    }
    m_print->setEnabled(m_prepared && m_copies->value() > 0);
}

SheetOptions PracticeQuizPanel::options() const
{
    SheetOptions o;
    o.author = m_includeAuthor->isChecked();
    o.source = m_includeSource->isChecked();
    o.hint = m_includeHint->isChecked();
    o.answerSpace = m_includeAnswerSpace->isChecked();
    return o;
}

void PracticeQuizPanel::printQuiz()
{
    if (!m_prepared || !m_printer)
        return;
    QuestionBank bank(m_program.data());
    DrawnQuiz quiz;
    quiz.title = m_title->text();
    quiz.quiz = bank.ReadQuestions(m_drawnQuiz);
    quiz.bonus = bank.ReadQuestions(m_drawnBonus);
    quiz.tieBreaker = bank.ReadQuestions(m_drawnTieBreaker);
    m_printer(SheetJobs(quiz, options(), platform::Clock::stampNow(), m_copies->value(), m_printAnswers->isChecked(),
                        m_printHints->isChecked()));
}

} // namespace quiz
