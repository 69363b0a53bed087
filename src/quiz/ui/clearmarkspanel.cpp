#include "quiz/ui/clearmarkspanel.h"

#include "core/program.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "platform/dialogs.h"
#include "quiz/questionbank.h"
#include "quiz/quizfields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quiz {

using platform::Dialogs;

ClearMarksPanel::ClearMarksPanel(core::Program& program, Mark mark, QWidget* parent)
    : QWidget(parent), m_program(program), m_mark(mark)
{
    const bool flags = mark == Mark::SelectedFlag;
    auto* heading = core::PanelHeading(flags ? QStringLiteral("Clear Selected Flags...") : QStringLiteral("Reset Usage Count..."), this);
    m_sources = new QListWidget(this);
    m_sources->setObjectName(QStringLiteral("sources"));
    m_sources->setSelectionMode(QAbstractItemView::MultiSelection);
    m_sources->setFont(core::ColumnListFont());
    m_action = core::NamedButton(flags ? QStringLiteral("Clear Selected Flags") : QStringLiteral("Reset Usage Count"),
                          flags ? QStringLiteral("clearSelectedFlags") : QStringLiteral("resetUsageCount"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select Question Source(s)..."), this));
    left->addWidget(m_sources, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(24);
    buttons->addWidget(m_action);
    buttons->addWidget(m_exit);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addLayout(buttons);
    top->addStretch(3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top, 1);

    // Chosen by click or by keyboard alike.
    connect(m_sources, &QListWidget::itemSelectionChanged, this,
            [this] { m_action->setEnabled(!m_sources->selectedItems().isEmpty()); });
    connect(m_action, &QPushButton::clicked, this, &ClearMarksPanel::clearMarks);
    connect(m_exit, &QPushButton::clicked, this, &ClearMarksPanel::exitRequested);
    core::EnterMovesFocus::install(this);
    open();
}

void ClearMarksPanel::open()
{
    m_sources->clear();
    m_sources->addItems(QuestionBank(m_program.data()).QuizLines());
    m_action->setEnabled(false);
}

void ClearMarksPanel::clearMarks()
{
    QStringList codes;
    for (QListWidgetItem* item : m_sources->selectedItems())
        codes.append(item->text().left(QuizCodeLength));
    if (codes.isEmpty())
        return;
    const bool flags = m_mark == Mark::SelectedFlag;
    Dialogs::beepOnce();
    if (!Dialogs::confirm(flags ? QStringLiteral("Confirm clearing 'Question Selected' flags in the quiz(es).")
                                : QStringLiteral("Confirm resetting usage count in the quiz(es).")))
        return;
    QuestionBank(m_program.data())
        .SetFieldOfQuizzes(codes, flags ? QuesField::Selected : QuesField::UsageCount, QStringLiteral("0"));
}

} // namespace quiz
