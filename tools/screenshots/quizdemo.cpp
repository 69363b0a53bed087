// Demo data of the quiz window for the screenshot tour: two quiz types with a few questions,
// a question loaded for editing and a practice quiz with its pool built.
#include "core/program.h"
#include "core/ui/screens.h"
#include "quiz/questionbank.h"
#include "quiz/quizfields.h"
#include "quiz/ui/clearmarkspanel.h"
#include "quiz/ui/practicequizpanel.h"
#include "quiz/ui/questionspanel.h"
#include "quiz/ui/quiztypespanel.h"
#include "quiz/ui/quizwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

void AddQuizDemo(core::Screens& screens)
{
    auto* window = qobject_cast<quiz::QuizWindow*>(screens.window(core::QuizScreen));
    if (!window)
        return;
    quiz::QuestionBank bank(screens.program().data());
    bank.SaveQuiz(QStringLiteral("DCS"), QStringLiteral("Dairy Cattle Senior"));
    bank.SaveQuiz(QStringLiteral("HCJ"), QStringLiteral("Horse Junior"));
    const struct
    {
        const char* code;
        int type;
        const char* difficulty;
        const char* question;
        const char* answer;
        const char* hint;
    } questions[] = {
        {"DCS", quiz::Practice, "3", "Which breed of dairy cattle gives the most milk on average?", "Holstein",
         "Black and white"},
        {"DCS", quiz::Practice, "3", "How many compartments does the stomach of a cow have?", "Four",
         "More than three"},
        {"DCS", quiz::Competition, "3", "What is the normal body temperature of a dairy cow?", "101.5 F",
         "Above 100"},
        {"DCS", quiz::Bonus, "3", "Name the hormone that lets milk down at milking time.", "Oxytocin", "Starts with O"},
        {"DCS", quiz::TieBreaker, "3", "How long is the gestation period of a cow, in days?", "283 days",
         "About nine months"},
        {"HCJ", quiz::Practice, "2", "What is the hard outer covering of a horse's foot called?", "The hoof wall",
         "You trim it"},
    };
    for (const auto& q : questions) {
        const QString code = QString::fromLatin1(q.code);
        quiz::Question entry;
        entry.key = bank.NextQuestionKey(code);
        entry.type = q.type;
        entry.difficulty = QString::fromLatin1(q.difficulty);
        entry.active = true;
        entry.author = QStringLiteral("L. Carver");
        entry.source = QStringLiteral("4-H Dairy Manual");
        entry.editDate = QStringLiteral("12/01/26");
        entry.question = QString::fromLatin1(q.question);
        entry.answer = QString::fromLatin1(q.answer);
        entry.hint = QString::fromLatin1(q.hint);
        bank.SaveQuestion(entry, true);
    }

    // The panels were made before the data; show them as the menus would.
    window->quizTypesPanel()->open();
    window->clearFlagsPanel()->open();
    window->resetUsagePanel()->open();
    window->clearFlagsPanel()->findChild<QListWidget*>(QStringLiteral("sources"))->item(0)->setSelected(true);

    quiz::QuestionsPanel* panel = window->questionsPanel();
    panel->open();
    auto* list = panel->findChild<QListWidget*>(QStringLiteral("list"));
    emit list->itemClicked(list->item(0));
    emit list->itemClicked(list->item(1));

    quiz::PracticeQuizPanel* practice = window->practicePanel();
    practice->open();
    auto* sources = practice->findChild<QListWidget*>(QStringLiteral("sources"));
    sources->item(0)->setSelected(true);
    auto* difficulty = practice->findChild<QComboBox*>(QStringLiteral("difficulty"));
    difficulty->setEditText(QStringLiteral("3"));
    emit difficulty->lineEdit()->textEdited(QStringLiteral("3"));
    practice->findChild<QPushButton*>(QStringLiteral("buildPool"))->click();
    practice->findChild<QSpinBox*>(QStringLiteral("countQuiz"))->setValue(2);
    practice->findChild<QSpinBox*>(QStringLiteral("countBonus"))->setValue(1);
    practice->findChild<QLineEdit*>(QStringLiteral("quizTitle"))->setText(QStringLiteral("County Practice Round 1"));
}
