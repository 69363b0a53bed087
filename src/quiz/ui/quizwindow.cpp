#include "quiz/ui/quizwindow.h"

#include "core/ui/screens.h"
#include "platform/busycursor.h"
#include "quiz/ui/clearmarkspanel.h"
#include "quiz/ui/practicequizpanel.h"
#include "quiz/ui/questionspanel.h"
#include "quiz/ui/quiztypespanel.h"

#include <QMenu>
#include <QMenuBar>

namespace quiz {

QuizWindow::QuizWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::QuizScreen, QStringLiteral("Quiz Contests..."), 5)
{
    setObjectName(QStringLiteral("quiz"));
    m_quizTypes = new QuizTypesPanel(program());
    m_questions = new QuestionsPanel(program());
    m_practice = new PracticeQuizPanel(program(), PracticeQuizPanel::Kind::Practice);
    m_competition = new PracticeQuizPanel(program(), PracticeQuizPanel::Kind::Competition);
    m_practice->setSheetPrinter([](const QList<SheetJob>& jobs) {
        platform::BusyCursor busy;
        PrintSheets(jobs);
    });
    m_clearFlags = new ClearMarksPanel(program(), ClearMarksPanel::Mark::SelectedFlag);
    m_resetUsage = new ClearMarksPanel(program(), ClearMarksPanel::Mark::UsageCount);
    addPanel(m_quizTypes, QStringLiteral("quizTypesPanel"));
    addPanel(m_questions, QStringLiteral("questionsPanel"));
    addPanel(m_practice, QStringLiteral("practicePanel"));
    addPanel(m_competition, QStringLiteral("competitionPanel"));
    addPanel(m_clearFlags, QStringLiteral("clearFlagsPanel"));
    addPanel(m_resetUsage, QStringLiteral("resetUsagePanel"));

    const auto panelAction = [this](QMenu* menu, const QString& text, const QString& name, auto open) {
        QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, open);
        return action;
    };
    panelAction(nullptr, QStringLiteral("Quiz"), QStringLiteral("quizAction"), [this] {
        m_quizTypes->open();
        showPanel(m_quizTypes);
    });
    panelAction(nullptr, QStringLiteral("Questions"), QStringLiteral("questionsAction"), [this] {
        m_questions->open();
        showPanel(m_questions);
    });
    panelAction(nullptr, QStringLiteral("Practice"), QStringLiteral("practiceAction"), [this] {
        m_practice->open();
        showPanel(m_practice);
    });
    panelAction(nullptr, QStringLiteral("Competition"), QStringLiteral("competitionAction"),
                [this] { showPanel(m_competition); });

    // Items kept for their place in the menus; nothing is defined for them to do yet.
    const auto inert = [](QMenu* menu, const QString& text, const QString& name) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setEnabled(false);
    };
    QMenu* transfer = menuBar()->addMenu(QStringLiteral("Transfer"));
    transfer->setObjectName(QStringLiteral("transferMenu"));
    inert(transfer, QStringLiteral("Download"), QStringLiteral("downloadAction"));
    inert(transfer, QStringLiteral("Upload"), QStringLiteral("uploadAction"));

    QMenu* utilities = menuBar()->addMenu(QStringLiteral("Utilities"));
    utilities->setObjectName(QStringLiteral("utilitiesMenu"));
    QMenu* printOut = utilities->addMenu(QStringLiteral("Full Data Print Out >"));
    printOut->setObjectName(QStringLiteral("printOutMenu"));
    inert(printOut, QStringLiteral("By Quiz"), QStringLiteral("printByQuizAction"));
    inert(printOut, QStringLiteral("By Difficulty"), QStringLiteral("printByDifficultyAction"));
    inert(utilities, QStringLiteral("Remove Questions"), QStringLiteral("removeQuestionsAction"));
    panelAction(utilities, QStringLiteral("Clear \"Selected\" Flags"), QStringLiteral("clearFlagsAction"), [this] {
        m_clearFlags->open();
        showPanel(m_clearFlags);
    });
    panelAction(utilities, QStringLiteral("Reset Usage Count"), QStringLiteral("resetUsageAction"), [this] {
        m_resetUsage->open();
        showPanel(m_resetUsage);
    });
    inert(utilities, QStringLiteral("Practice/Competition Swaping"), QStringLiteral("swapAction"));

    connect(m_quizTypes, &QuizTypesPanel::exitRequested, this, &QuizWindow::showPicture);
    connect(m_questions, &QuestionsPanel::exitRequested, this, &QuizWindow::showPicture);
    connect(m_practice, &PracticeQuizPanel::exitRequested, this, &QuizWindow::showPicture);
    connect(m_competition, &PracticeQuizPanel::exitRequested, this, &QuizWindow::showPicture);
    connect(m_clearFlags, &ClearMarksPanel::exitRequested, this, &QuizWindow::showPicture);
    connect(m_resetUsage, &ClearMarksPanel::exitRequested, this, &QuizWindow::showPicture);
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    m_questions->leave();
    core::WorkWindow::closeEvent(event);
}

bool QuizWindow::leaveShownPanel()
{
    // The question being edited is stored before the run ends.
    m_questions->leave();
    return true;
}

} // namespace quiz
