#include "quiz/ui/quiztypespanel.h"

#include "core/program.h"
#include "core/texthelpers.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "platform/dialogs.h"
#include "quiz/questionbank.h"
#include "quiz/questionchecks.h"
#include "quiz/quizfields.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quiz {

using platform::Dialogs;

QuizTypesPanel::QuizTypesPanel(core::Program& program, QWidget* parent) : QWidget(parent), m_program(program)
{
    auto* heading = core::PanelHeading(QStringLiteral("Quiz Types..."), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setFont(core::ColumnListFont());
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setMaximumWidth(80);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_save = core::NamedButton(QStringLiteral("Save/Update"), QStringLiteral("saveUpdate"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);
    m_delete = core::NamedButton(QStringLiteral("Delete"), QStringLiteral("delete"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Current Quiz(es)..."), this));
    left->addWidget(m_list, 1);

    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(QStringLiteral("Quiz Code (Ex: DCS)"), m_code);
    form->addRow(QStringLiteral("Title (Ex: Dairy Cattle Senior)"), m_title);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_save, m_exit, m_delete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(buttons);
    right->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top, 1);

    setTabOrder(m_code, m_title);
    setTabOrder(m_title, m_save);
    setTabOrder(m_save, m_exit);
    setTabOrder(m_exit, m_delete);
    setTabOrder(m_delete, m_list);

    core::LeaveCheck::attach(m_code, {}, [this](const QString& text) { codeLeft(text); });
    connect(m_list, &QListWidget::itemClicked, this, &QuizTypesPanel::lineClicked);
    connect(m_save, &QPushButton::clicked, this, &QuizTypesPanel::saveUpdate);
    connect(m_exit, &QPushButton::clicked, this, &QuizTypesPanel::exitRequested);
    connect(m_delete, &QPushButton::clicked, this, &QuizTypesPanel::deleteQuiz);
    core::EnterMovesFocus::install(this);
    open();
}

void QuizTypesPanel::open()
{
    clearFields();
    relist();
}

void QuizTypesPanel::clearFields()
{
    core::LeaveCheck::Pause pause;
    m_code->clear();
    m_title->clear();
    m_shownCode.clear();
    m_delete->setEnabled(false);
}

void QuizTypesPanel::relist()
{
    m_list->clear();
    m_list->addItems(QuestionBank(m_program.data()).QuizLines());
}

void QuizTypesPanel::codeLeft(const QString& text)
{
    const QString code = core::UpperCaseAscii(text);
    QuestionBank bank(m_program.data());
    if (!IsQuizCode(code)) {
        // Refused without a message: both fields go, the cursor stays.
        clearFields();
        m_code->setFocus(Qt::OtherFocusReason);
        return;
    }
    core::LeaveCheck::Pause pause;
    m_code->setText(code);
    // Leaving the code of the quiz already shown keeps the title being edited.
    if (code == m_shownCode)
        return;
    m_shownCode = code;
    if (bank.QuizExists(code)) {
        m_title->setText(bank.QuizTitle(code));
            m_delete->setEnabled(true);
        m_exit->setFocus(Qt::OtherFocusReason);
    } else {
        m_delete->setEnabled(false);
        m_title->setFocus(Qt::OtherFocusReason);
    }
}

void QuizTypesPanel::lineClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString code = item->text().left(QuizCodeLength);
    QuestionBank bank(m_program.data());
    if (!bank.QuizExists(code))
        return;
    core::LeaveCheck::Pause pause;
    m_code->setText(code);
    m_shownCode = code;
    m_title->setText(bank.QuizTitle(code));
    m_delete->setEnabled(true);
}

void QuizTypesPanel::saveUpdate()
{
    const QString code = core::UpperCaseAscii(m_code->text());
    if (!IsQuizCode(code))
        return;
    // An existing quiz keeps its counter; only the title changes.
    QuestionBank(m_program.data()).SaveQuiz(code, m_title->text());
    clearFields();
    relist();
    m_code->setFocus(Qt::OtherFocusReason);
}

void QuizTypesPanel::deleteQuiz()
{
    const QString code = m_code->text();
    QuestionBank bank(m_program.data());
    if (!bank.QuizExists(code))
        return;
    const int questions = bank.QuestionCount(code);
    if (questions > 0) {
        Dialogs::warning(QStringLiteral("The quiz ") + code + QStringLiteral(" still holds ") +
                         QString::number(questions) +
                         QStringLiteral(" question(s) and cannot be deleted.  Delete its questions first."));
        return;
    }
    if (!Dialogs::confirm(QStringLiteral("Confirm Quiz Deletion.")))
        return;
    bank.DeleteQuiz(code);
    clearFields();
    relist();
}

} // namespace quiz
