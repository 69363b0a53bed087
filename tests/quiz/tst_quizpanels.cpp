#include "core/datamaster.h"
#include "core/program.h"
#include "core/ui/screens.h"
#include "platform/printerrecorder.h"
#include "quiz/questionbank.h"
#include "quiz/quizfields.h"
#include "quiz/ui/clearmarkspanel.h"
#include "quiz/ui/deferredchecks.h"
#include "quiz/ui/practicequizpanel.h"
#include "quiz/ui/questionspanel.h"
#include "quiz/ui/quiztypespanel.h"
#include "quiz/ui/quizwindow.h"
#include "panelkit.h"
#include "testenv.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

using platform::Dialogs;
using namespace quiz;

using namespace kit;

namespace {

struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    core::DataMaster& data = program.data();
    QuestionBank bank{data};

    Fixture()
    {
        program.RunStartupSequence();
        env.dialogs.clear();
    }
    void quiz(const QString& code, const QString& title) { bank.SaveQuiz(code, title); }
    void question(const QString& key, int type, const QString& text = {}, const QString& selected = QStringLiteral("0"),
                  const QString& difficulty = QStringLiteral("3"))
    {
        Question q;
        q.key = key;
        q.type = type;
        q.difficulty = difficulty;
        q.active = true;
        q.selected = selected;
        q.usageCount = QStringLiteral("2");
        q.author = QStringLiteral("Ames");
        q.question = text.isEmpty() ? QStringLiteral("Question ") + key : text;
        q.answer = QStringLiteral("Answer ") + key;
        bank.SaveQuestion(q, false);
    }
    QString field(const QString& key, int f)
    {
        return data.FindRecord(core::Ques, key) ? data.ReadField(core::Ques, f) : QStringLiteral("<missing>");
    }
};

void show(QWidget* w)
{
    w->resize(1280, 760);
    w->show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qFatal("window not active");
}

// Types into a box after giving it the cursor.
void type(QWidget* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

} // namespace

class TestQuizPanels : public QObject
{
    Q_OBJECT

private slots:
    void quizTypes();
    void quizTypeDeletion();
    void questionKeysAndDeletion();
    void listedTexts();
    void deferredDifficultyCheck();
    void typeDateActiveAndCounts();
    void textCuts_data();
    void textCuts();
    void loadedQuestionIsStoredOnLeaving();
    void practicePools();
    void countLimits();
    void prepareAndPrint();
    void clearMarks_data();
    void clearMarks();
    void windowMenus();
    void windowPrintsThePracticeQuiz();
};

void TestQuizPanels::quizTypes()
{
    Fixture f;
    f.quiz(QStringLiteral("HCS"), QStringLiteral("Horse Senior"));
    QuizTypesPanel panel(f.program);
    show(&panel);
    auto* code = child<QLineEdit>(&panel, QStringLiteral("code"));
    auto* title = child<QLineEdit>(&panel, QStringLiteral("title"));
    auto* list = child<QListWidget>(&panel, QStringLiteral("list"));
    QCOMPARE(items(list), QStringList{"HCS  Horse Senior"});

    // A new code: upper case, the cursor goes to the title, Enter there to the button.
    type(code, QStringLiteral("dcs"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(code->text(), QStringLiteral("DCS"));
    QCOMPARE(focused(), title);
    QTest::keyClicks(title, QStringLiteral("Dairy Cattle Senior"));
    QTest::keyClick(title, Qt::Key_Return);
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("saveUpdate")));
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(items(list), (QStringList{"DCS  Dairy Cattle Senior", "HCS  Horse Senior"}));
    QVERIFY(code->text().isEmpty() && title->text().isEmpty());

    // An existing code loads its title; the cursor goes to "Exit".
    type(code, QStringLiteral("HCS"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(title->text(), QStringLiteral("Horse Senior"));
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("exit")));

    // A bad code empties both fields without a message and keeps the cursor.
    for (const QString& bad : {QStringLiteral("D1S"), QStringLiteral("DC"), QStringLiteral("DCSS")}) {
        title->setText(QStringLiteral("something"));
        code->clear();
        type(code, bad);
        QTest::keyClick(code, Qt::Key_Return);
        QVERIFY2(code->text().isEmpty(), qPrintable(bad));
        QVERIFY(title->text().isEmpty());
        QCOMPARE(focused(), code);
    }
    QVERIFY(f.env.dialogs.shown.isEmpty());

    // A line loads its code and title; saving keeps the quiz's counter.
    f.data.FindRecord(core::Quiz, QStringLiteral("HCS"));
    f.data.WriteField(core::Quiz, QuizField::LastSerial, QStringLiteral("12"));
    clickLine(list, 1);
    QCOMPARE(code->text(), QStringLiteral("HCS"));
    QCOMPARE(title->text(), QStringLiteral("Horse Senior"));
    title->setText(QStringLiteral("Horse Senior Division"));
    click(&panel, QStringLiteral("saveUpdate"));
    QCOMPARE(f.bank.QuizTitle(QStringLiteral("HCS")), QStringLiteral("Horse Senior Division"));
    QCOMPARE(f.data.ReadField(core::Quiz, QuizField::LastSerial), QStringLiteral("12"));
}

void TestQuizPanels::quizTypeDeletion()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    f.quiz(QStringLiteral("HCS"), QStringLiteral("Horse"));
    f.question(QStringLiteral("DCS0001"), Practice);
    QuizTypesPanel panel(f.program);
    show(&panel);
    auto* list = child<QListWidget>(&panel, QStringLiteral("list"));
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("delete"))->isEnabled());
    clickLine(list, 0);
    click(&panel, QStringLiteral("delete"));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{"The quiz DCS still holds 1 question(s) and cannot be deleted.  Delete its questions first."});
    QVERIFY(f.bank.QuizExists(QStringLiteral("DCS")));
    f.env.dialogs.clear();
    clickLine(list, 1);
    f.env.dialogs.answer(Dialogs::No);
    click(&panel, QStringLiteral("delete"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{"Confirm Quiz Deletion."});
    QVERIFY(f.bank.QuizExists(QStringLiteral("HCS")));
    click(&panel, QStringLiteral("delete"));
    QVERIFY(!f.bank.QuizExists(QStringLiteral("HCS")));
    QCOMPARE(items(list), QStringList{"DCS  Dairy"});
}

void TestQuizPanels::questionKeysAndDeletion()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy Cattle Senior"));
    QuestionsPanel panel(f.program);
    show(&panel);
    auto* list = child<QListWidget>(&panel, QStringLiteral("list"));
    auto* key = child<QLineEdit>(&panel, QStringLiteral("questionKey"));
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("newQuestion"))->isEnabled());
    QVERIFY(child<QWidget>(&panel, QStringLiteral("editor"))->isHidden());
    QCOMPARE(child<QLabel>(&panel, QStringLiteral("listHeading"))->text(), QStringLiteral("Current Quiz(es)..."));
    clickLine(list, 0);
    QCOMPARE(child<QLineEdit>(&panel, QStringLiteral("quizCode"))->text(), QStringLiteral("DCS"));
    QCOMPARE(child<QLineEdit>(&panel, QStringLiteral("quizTitle"))->text(), QStringLiteral("Dairy Cattle Senior"));
    QCOMPARE(child<QLabel>(&panel, QStringLiteral("listHeading"))->text(), QStringLiteral("Current DCS Questions..."));
    QCOMPARE(child<QLineEdit>(&panel, QStringLiteral("count"))->text(), QStringLiteral("0"));

    for (int i = 1; i <= 3; ++i) {
        click(&panel, QStringLiteral("newQuestion"));
        QCOMPARE(key->text(), QStringLiteral("DCS000%1").arg(i));
        QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("difficulty")));
        child<QPlainTextEdit>(&panel, QStringLiteral("question"))->setPlainText(QStringLiteral("Text %1").arg(i));
        click(&panel, QStringLiteral("saveUpdate"));
    }
    QCOMPARE(items(list), (QStringList{"DCS0001  Text 1", "DCS0002  Text 2", "DCS0003  Text 3"}));
    QCOMPARE(child<QLineEdit>(&panel, QStringLiteral("count"))->text(), QStringLiteral("3"));

    clickLine(list, 1);
    QCOMPARE(key->text(), QStringLiteral("DCS0002"));
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("exit")));
    f.env.dialogs.answer(Dialogs::No);
    click(&panel, QStringLiteral("deleteQuestion"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{"Confirm Question Deletion."});
    QCOMPARE(items(list).size(), 3);
    click(&panel, QStringLiteral("deleteQuestion"));
    QCOMPARE(items(list), (QStringList{"DCS0001  Text 1", "DCS0003  Text 3"}));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Question), QStringLiteral("<missing>"));
    QVERIFY(key->text().isEmpty());
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("deleteQuestion"))->isEnabled());
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("exit")));

    click(&panel, QStringLiteral("newQuestion"));
    QCOMPARE(key->text(), QStringLiteral("DCS0004"));

    // "Change Quiz" goes back to the quiz types.
    click(&panel, QStringLiteral("changeQuiz"));
    QCOMPARE(items(list), QStringList{"DCS  Dairy Cattle Senior"});
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("newQuestion"))->isEnabled());
    QVERIFY(child<QWidget>(&panel, QStringLiteral("editor"))->isHidden());
    QCOMPARE(f.field(QStringLiteral("DCS0004"), QuesField::Question), QStringLiteral("<missing>"));
}

void TestQuizPanels::listedTexts()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    const QString thirty(30, QLatin1Char('a'));
    f.question(QStringLiteral("DCS0001"), Practice, thirty);
    f.question(QStringLiteral("DCS0002"), Practice, thirty + QStringLiteral("b"));
    f.question(QStringLiteral("DCSX001"), Practice, QStringLiteral("same prefix"));
    f.question(QStringLiteral("DCT0001"), Practice, QStringLiteral("other quiz"));
    QuestionsPanel panel(f.program);
    show(&panel);
    auto* list = child<QListWidget>(&panel, QStringLiteral("list"));
    clickLine(list, 0);
    QCOMPARE(items(list), (QStringList{"DCS0001  " + thirty, "DCS0002  " + thirty + "...", "DCSX001  same prefix"}));
}

void TestQuizPanels::deferredDifficultyCheck()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    QuestionsPanel panel(f.program);
    show(&panel);
    clickLine(child<QListWidget>(&panel, QStringLiteral("list")), 0);
    click(&panel, QStringLiteral("newQuestion"));
    auto* difficulty = child<QComboBox>(&panel, QStringLiteral("difficulty"));
    auto* author = child<QLineEdit>(&panel, QStringLiteral("author"));
    const QString error =
        QStringLiteral("The value for the difficulty field must be in the range of 1 to 5.  Please re-enter");

    // Refused a moment after leaving, not at once.
    type(difficulty, QStringLiteral("7"));
    QCOMPARE(focused(), difficulty);
    QTest::keyClick(difficulty, Qt::Key_Return);
    QCOMPARE(focused(), author);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QVERIFY(panel.checks()->pending());
    QTRY_VERIFY(!panel.checks()->pending());
    QCOMPARE(f.env.dialogs.texts(), QStringList{error});
    QCOMPARE(f.env.dialogs.beeps, 1);
    QVERIFY(difficulty->currentText().isEmpty());
    QCOMPARE(focused(), difficulty);

    // "Exit" in the meantime cancels the check.
    f.env.dialogs.clear();
    QTest::keyClicks(difficulty, QStringLiteral("9"));
    author->setFocus(Qt::MouseFocusReason);
    QVERIFY(panel.checks()->pending());
    click(&panel, QStringLiteral("exit"));
    QVERIFY(!panel.checks()->pending());
    QTest::qWait(DeferredChecks::FieldCheckDelay + 50);
    QVERIFY(f.env.dialogs.shown.isEmpty());

    // A digit 1..5 is taken at once; an empty difficulty moves on to "Exit".
    click(&panel, QStringLiteral("newQuestion"));
    QTest::keyClicks(difficulty, QStringLiteral("4"));
    QCOMPARE(focused(), author);
    difficulty->setFocus(Qt::TabFocusReason);
    difficulty->clearEditText();
    QTest::keyClick(difficulty, Qt::Key_Tab);
    QTRY_COMPARE(focused(), child<QWidget>(&panel, QStringLiteral("exit")));
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestQuizPanels::typeDateActiveAndCounts()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    QuestionsPanel panel(f.program);
    show(&panel);
    clickLine(child<QListWidget>(&panel, QStringLiteral("list")), 0);
    click(&panel, QStringLiteral("newQuestion"));
    auto* typeBox = child<QComboBox>(&panel, QStringLiteral("type"));
    auto* date = child<QLineEdit>(&panel, QStringLiteral("editDate"));
    auto* active = child<QCheckBox>(&panel, QStringLiteral("active"));
    auto* usage = child<QLineEdit>(&panel, QStringLiteral("usageCount"));
    auto* selected = child<QLineEdit>(&panel, QStringLiteral("selected"));

    // Any other type text is refused after the delay.
    type(typeBox, QStringLiteral("x"));
    QTest::keyClick(typeBox, Qt::Key_Tab);
    QTRY_COMPARE(f.env.dialogs.texts(), QStringList{"The Question Type must be one of the selectable valuse."});
    QCOMPARE(focused(), typeBox);
    QVERIFY(typeBox->currentText().isEmpty());

    // "t" completes to "Tie Breaker" and moves on to the date, which shows today's.
    f.env.dialogs.clear();
    QTest::keyClicks(typeBox, QStringLiteral("t"));
    QCOMPARE(typeBox->currentText(), QStringLiteral("Tie Breaker"));
    QCOMPARE(focused(), date);
    QCOMPARE(date->text(), QStringLiteral("12/10/26"));

    date->clear();
    QTest::keyClicks(date, QStringLiteral("1/2/2026"));
    QTest::keyClick(date, Qt::Key_Return);
    QTRY_COMPARE(f.env.dialogs.texts(), QStringList{"Improper Data Format:  MM/DD/YY"});
    QCOMPARE(focused(), date);
    QVERIFY(date->text().isEmpty());
    QTest::keyClicks(date, QStringLiteral("12/01/26"));
    QTest::keyClick(date, Qt::Key_Return);
    QTRY_VERIFY(!panel.checks()->pending());
    QCOMPARE(focused(), active);
    QVERIFY(f.env.dialogs.shown.size() == 1);

    // Y ticks and moves on; other keys beep and change nothing.
    f.env.dialogs.clear();
    QTest::keyClick(active, Qt::Key_Q);
    QTest::keyClick(active, Qt::Key_Space);
    QCOMPARE(f.env.dialogs.beeps, 2);
    QVERIFY(!active->isChecked());
    QCOMPARE(focused(), active);
    QTest::keyClick(active, Qt::Key_Y);
    QVERIFY(active->isChecked());
    QCOMPARE(focused(), usage);
    active->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(active, Qt::Key_N, Qt::ShiftModifier);
    QVERIFY(!active->isChecked());
    QTest::keyClick(active, Qt::Key_Y, Qt::ShiftModifier);

    // An empty usage count and selected flag become "0".
    QCOMPARE(focused(), usage);
    QTest::keyClick(usage, Qt::Key_Return);
    QTRY_COMPARE(usage->text(), QStringLiteral("0"));
    QTRY_COMPARE(focused(), selected);
    QTest::keyClick(selected, Qt::Key_Return);
    QTRY_COMPARE(selected->text(), QStringLiteral("0"));
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("question")));

    usage->clear();
    click(&panel, QStringLiteral("saveUpdate"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Type), QStringLiteral("4"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::EditDate), QStringLiteral("12/01/26"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Active), QStringLiteral("1"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::UsageCount), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Selected), QStringLiteral("0"));
    QVERIFY(f.bank.QuizExists(QStringLiteral("DCS")));
    QCOMPARE(f.data.ReadField(core::Quiz, QuizField::LastSerial), QStringLiteral("1"));
    QCOMPARE(f.env.dialogs.shown.size(), 0);
}

void TestQuizPanels::textCuts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("warning");
    QTest::newRow("question") << "question" << QuesField::Question
                              << "Question text has exceeded maximum length (222 characters).  Please modify input";
    QTest::newRow("answer") << "answer" << QuesField::Answer
                            << "Answer text has exceeded maximum length (222 characters).  Please modify input";
    QTest::newRow("hint") << "hint" << QuesField::Hint
                          << "Hint text has exceeded maximum length (222 characters).  Please modify input";
}

void TestQuizPanels::textCuts()
{
    QFETCH(QString, box);
    QFETCH(int, field);
    QFETCH(QString, warning);
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    QuestionsPanel panel(f.program);
    show(&panel);
    clickLine(child<QListWidget>(&panel, QStringLiteral("list")), 0);
    click(&panel, QStringLiteral("newQuestion"));
    auto* text = child<QPlainTextEdit>(&panel, box);
    QString pasted;
    for (int i = 0; i < 300; ++i)
        pasted += QChar(u'a' + i % 26);
    QApplication::clipboard()->setText(pasted);
    text->setFocus(Qt::TabFocusReason);
    text->paste();
    QCOMPARE(text->toPlainText(), pasted.left(222));
    QCOMPARE(f.env.dialogs.texts(), QStringList{warning});
    // Typing at the limit warns again and keeps 222.
    QTest::keyClick(text, Qt::Key_Z);
    QCOMPARE(text->toPlainText().size(), 222);
    QCOMPARE(f.env.dialogs.shown.size(), 2);
    click(&panel, QStringLiteral("saveUpdate"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), field), pasted.left(222));
}

void TestQuizPanels::loadedQuestionIsStoredOnLeaving()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    f.question(QStringLiteral("DCS0001"), Practice);
    f.question(QStringLiteral("DCS0002"), Bonus);
    QuestionsPanel panel(f.program);
    show(&panel);
    auto* list = child<QListWidget>(&panel, QStringLiteral("list"));
    auto* author = child<QLineEdit>(&panel, QStringLiteral("author"));
    auto* question = child<QPlainTextEdit>(&panel, QStringLiteral("question"));
    clickLine(list, 0);
    clickLine(list, 0);
    QCOMPARE(panel.loadedKey(), QStringLiteral("DCS0001"));
    QCOMPARE(author->text(), QStringLiteral("Ames"));
    QCOMPARE(child<QComboBox>(&panel, QStringLiteral("type"))->currentText(), QStringLiteral("Practice"));
    QCOMPARE(child<QComboBox>(&panel, QStringLiteral("difficulty"))->currentText(), QStringLiteral("3"));
    QVERIFY(child<QCheckBox>(&panel, QStringLiteral("active"))->isChecked());

    // Picking another question stores the loaded one first, under its own key.
    author->setText(QStringLiteral("Baker"));
    question->setPlainText(QStringLiteral("Changed text"));
    clickLine(list, 1);
    QCOMPARE(panel.loadedKey(), QStringLiteral("DCS0002"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Author), QStringLiteral("Baker"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Author), QStringLiteral("Ames"));
    QCOMPARE(items(list).first(), QStringLiteral("DCS0001  Changed text"));
    QCOMPARE(author->text(), QStringLiteral("Ames"));

    // A refused value cut short by leaving is not stored; the rest is.
    author->setText(QStringLiteral("Clark"));
    type(child<QComboBox>(&panel, QStringLiteral("difficulty")), QStringLiteral("8"));
    click(&panel, QStringLiteral("exit"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Author), QStringLiteral("Clark"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Difficulty), QStringLiteral("3"));
    QCOMPARE(panel.loadedKey(), QString());
    QTest::qWait(DeferredChecks::FieldCheckDelay + 50);
    QVERIFY(f.env.dialogs.shown.isEmpty());

    // "New Question" ends the loaded state without storing.
    clickLine(list, 0);
    author->setText(QStringLiteral("Dropped"));
    click(&panel, QStringLiteral("newQuestion"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Author), QStringLiteral("Baker"));

    // Hiding the panel (another menu, another window) stores too.
    clickLine(list, 0);
    author->setText(QStringLiteral("Evans"));
    panel.hide();
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Author), QStringLiteral("Evans"));
    QVERIFY(f.data.FindRecord(core::Quiz, QStringLiteral("DCS")));
    QCOMPARE(f.data.ReadField(core::Quiz, QuizField::LastSerial), QString()); // no new question was made
}

namespace {

// Practice, competition and untyped questions of difficulty 3 in DCS, two bonus, one tie-breaker,
// one used, one of another difficulty, and one quiz question in HCS.
void practiceBank(Fixture& f)
{
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    f.quiz(QStringLiteral("HCS"), QStringLiteral("Horse"));
    f.question(QStringLiteral("DCS0001"), Practice);
    f.question(QStringLiteral("DCS0002"), Competition);
    f.question(QStringLiteral("DCS0003"), NoType);
    f.question(QStringLiteral("DCS0004"), Bonus);
    f.question(QStringLiteral("DCS0005"), Bonus);
    f.question(QStringLiteral("DCS0006"), TieBreaker);
    f.question(QStringLiteral("DCS0007"), Practice, {}, QStringLiteral("1"));
    f.question(QStringLiteral("DCS0008"), Practice, {}, QStringLiteral("0"), QStringLiteral("2"));
    f.question(QStringLiteral("HCS0001"), Practice);
}

void chooseSources(PracticeQuizPanel& panel, const QList<int>& rows, const QString& difficulty)
{
    auto* sources = child<QListWidget>(&panel, QStringLiteral("sources"));
    for (int row : rows)
        clickLine(sources, row);
    type(child<QComboBox>(&panel, QStringLiteral("difficulty")), difficulty);
}

QStringList poolCounts(PracticeQuizPanel& panel)
{
    return {child<QLineEdit>(&panel, QStringLiteral("poolQuiz"))->text(),
            child<QLineEdit>(&panel, QStringLiteral("poolBonus"))->text(),
            child<QLineEdit>(&panel, QStringLiteral("poolTieBreaker"))->text()};
}

} // namespace

void TestQuizPanels::practicePools()
{
    Fixture f;
    practiceBank(f);
    PracticeQuizPanel panel(f.program, PracticeQuizPanel::Kind::Practice);
    show(&panel);
    auto* build = child<QPushButton>(&panel, QStringLiteral("buildPool"));
    QCOMPARE(items(child<QListWidget>(&panel, QStringLiteral("sources"))), (QStringList{"DCS  Dairy", "HCS  Horse"}));
    QVERIFY(!build->isEnabled());
    QVERIFY(!child<QSpinBox>(&panel, QStringLiteral("copies"))->isEnabled());
    chooseSources(panel, {0}, QStringLiteral("3"));
    QVERIFY(build->isEnabled());
    click(&panel, QStringLiteral("buildPool"));
    QCOMPARE(poolCounts(panel), (QStringList{"3", "2", "1"}));
    QCOMPARE(panel.pools().quiz, (QStringList{"DCS0001", "DCS0002", "DCS0003"}));
    QVERIFY(!build->isEnabled());

    click(&panel, QStringLiteral("allowUsed"));
    QVERIFY(build->isEnabled());
    click(&panel, QStringLiteral("buildPool"));
    QCOMPARE(panel.pools().quiz, (QStringList{"DCS0001", "DCS0002", "DCS0003", "DCS0007"}));

    clickLine(child<QListWidget>(&panel, QStringLiteral("sources")), 1);
    click(&panel, QStringLiteral("buildPool"));
    QCOMPARE(poolCounts(panel), (QStringList{"5", "2", "1"}));

    // A difficulty outside 1..5 is refused at once.
    auto* difficulty = child<QComboBox>(&panel, QStringLiteral("difficulty"));
    difficulty->clearEditText();
    type(difficulty, QStringLiteral("6"));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{"The value for the difficulty field must be in the range of 1 to 5.  Please re-enter"});
    QVERIFY(difficulty->currentText().isEmpty());
    QVERIFY(!build->isEnabled());
    QTest::keyClicks(difficulty, QStringLiteral("2"));
    click(&panel, QStringLiteral("buildPool"));
    QCOMPARE(poolCounts(panel), (QStringList{"1", "0", "0"}));
}

void TestQuizPanels::countLimits()
{
    Fixture f;
    practiceBank(f);
    PracticeQuizPanel panel(f.program, PracticeQuizPanel::Kind::Practice);
    show(&panel);
    chooseSources(panel, {0}, QStringLiteral("3"));
    click(&panel, QStringLiteral("buildPool"));
    auto* quizCount = child<QSpinBox>(&panel, QStringLiteral("countQuiz"));
    auto* bonusCount = child<QSpinBox>(&panel, QStringLiteral("countBonus"));
    quizCount->setFocus();
    quizCount->selectAll();
    QTest::keyClicks(quizCount, QStringLiteral("9"));
    QCOMPARE(quizCount->value(), 3);
    QCOMPARE(f.env.dialogs.beeps, 1);
    bonusCount->setValue(-1);
    QCOMPARE(bonusCount->value(), 0);
    bonusCount->setValue(2);
    QCOMPARE(bonusCount->value(), 2);
    QCOMPARE(f.env.dialogs.beeps, 2);

    // A quiz count and a title enable "Prepare Quiz"; leaving the title moves to it.
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("prepareQuiz"))->isEnabled());
    auto* title = child<QLineEdit>(&panel, QStringLiteral("quizTitle"));
    type(title, QStringLiteral("Round 1"));
    QTest::keyClick(title, Qt::Key_Return);
    QCOMPARE(focused(), child<QWidget>(&panel, QStringLiteral("prepareQuiz")));
    quizCount->setValue(0);
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("prepareQuiz"))->isEnabled());
}

void TestQuizPanels::prepareAndPrint()
{
    Fixture f;
    practiceBank(f);
    PracticeQuizPanel panel(f.program, PracticeQuizPanel::Kind::Practice);
    QList<SheetJob> jobs;
    panel.setSheetPrinter([&](const QList<SheetJob>& run) { jobs.append(run); });
    show(&panel);
    chooseSources(panel, {0, 1}, QStringLiteral("3"));
    click(&panel, QStringLiteral("buildPool"));
    child<QSpinBox>(&panel, QStringLiteral("countQuiz"))->setValue(3);
    child<QSpinBox>(&panel, QStringLiteral("countBonus"))->setValue(2);
    child<QSpinBox>(&panel, QStringLiteral("countTieBreaker"))->setValue(1);
    type(child<QLineEdit>(&panel, QStringLiteral("quizTitle")), QStringLiteral("Round 1"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    click(&panel, QStringLiteral("printAnswerSheet"));
    click(&panel, QStringLiteral("prepareQuiz"));
    QVERIFY(panel.prepared());
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("prepareQuiz"))->isEnabled());
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("printQuiz"))->isEnabled()); // no copies yet

    QStringList drawn = panel.drawnQuiz();
    QCOMPARE(drawn.size(), 3);
    QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), 3);
    for (const QString& key : drawn + panel.drawnBonus() + panel.drawnTieBreaker()) {
        QCOMPARE(f.field(key, QuesField::Selected), QStringLiteral("1"));
        QCOMPARE(f.field(key, QuesField::UsageCount), QStringLiteral("3"));
    }
    QCOMPARE(panel.drawnBonus().size(), 2);
    QCOMPARE(panel.drawnTieBreaker(), QStringList{"DCS0006"});
    const QStringList notDrawn{"DCS0001", "DCS0002", "DCS0003", "HCS0001"};
    for (const QString& key : notDrawn)
        if (!drawn.contains(key))
            QCOMPARE(f.field(key, QuesField::Selected), QStringLiteral("0"));

    auto* copies = child<QSpinBox>(&panel, QStringLiteral("copies"));
    QVERIFY(copies->isEnabled());
    copies->setValue(-2);
    QCOMPARE(copies->value(), 0);
    copies->setValue(5);
    QVERIFY(child<QPushButton>(&panel, QStringLiteral("printQuiz"))->isEnabled());
    click(&panel, QStringLiteral("printQuiz"));
    QCOMPARE(jobs.size(), 6);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(jobs[i].pages.first().first().text, QStringLiteral("[Practice - QUESTIONS]  Round 1"));
    QCOMPARE(jobs[5].pages.first().first().text, QStringLiteral("[Practice - ANSWERS]  Round 1"));
    QCOMPARE(jobs[5].pages.first().at(1).text, QStringLiteral("12/10/2026 9:30:15 AM"));

    // A question deleted after the draw is left out of the sheets.
    f.bank.DeleteQuestion(drawn.first());
    jobs.clear();
    copies->setValue(1);
    click(&panel, QStringLiteral("printQuiz"));
    QCOMPARE(jobs.size(), 2);
    bool listed = false;
    for (const SheetText& t : jobs[0].pages.first())
        listed = listed || t.text == drawn.first();
    QVERIFY(!listed);

    // The next pool without used questions leaves the drawn ones out.
    click(&panel, QStringLiteral("allowUsed"));
    click(&panel, QStringLiteral("allowUsed"));
    click(&panel, QStringLiteral("buildPool"));
    QCOMPARE(poolCounts(panel), (QStringList{"1", "0", "0"}));
}

void TestQuizPanels::clearMarks_data()
{
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("button");
    QTest::newRow("selected flags") << int(ClearMarksPanel::Mark::SelectedFlag) << QuesField::Selected
                                    << "Confirm clearing 'Question Selected' flags in the quiz(es)."
                                    << "clearSelectedFlags";
    QTest::newRow("usage counts") << int(ClearMarksPanel::Mark::UsageCount) << QuesField::UsageCount
                                  << "Confirm resetting usage count in the quiz(es)." << "resetUsageCount";
}

void TestQuizPanels::clearMarks()
{
    QFETCH(int, mark);
    QFETCH(int, field);
    QFETCH(QString, question);
    QFETCH(QString, button);
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    f.quiz(QStringLiteral("HCS"), QStringLiteral("Horse"));
    for (const QString& key : {QStringLiteral("DCS0001"), QStringLiteral("DCS0002"), QStringLiteral("HCS0001")})
        f.question(key, Practice, {}, QStringLiteral("1"));
    ClearMarksPanel panel(f.program, ClearMarksPanel::Mark(mark));
    show(&panel);
    const QString before = f.field(QStringLiteral("DCS0001"), field);
    QVERIFY(before != QLatin1String("0"));
    QVERIFY(!child<QPushButton>(&panel, button)->isEnabled());
    clickLine(child<QListWidget>(&panel, QStringLiteral("sources")), 0);
    QVERIFY(child<QPushButton>(&panel, button)->isEnabled());

    f.env.dialogs.answer(Dialogs::No);
    click(&panel, button);
    QCOMPARE(f.env.dialogs.texts(), QStringList{question});
    QCOMPARE(f.env.dialogs.shown.first().buttons, Dialogs::Ok | Dialogs::No);
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(f.field(QStringLiteral("DCS0001"), field), before);

    click(&panel, button);
    QCOMPARE(f.field(QStringLiteral("DCS0001"), field), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), field), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("HCS0001"), field), before);
    const int other = field == QuesField::Selected ? QuesField::UsageCount : QuesField::Selected;
    QVERIFY(f.field(QStringLiteral("DCS0001"), other) != QLatin1String("0"));

    // With nothing selected nothing is asked.
    f.env.dialogs.clear();
    clickLine(child<QListWidget>(&panel, QStringLiteral("sources")), 0);
    click(&panel, button);
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestQuizPanels::windowMenus()
{
    Fixture f;
    f.quiz(QStringLiteral("DCS"), QStringLiteral("Dairy"));
    f.question(QStringLiteral("DCS0001"), Practice);
    core::Screens screens(f.program);
    QuizWindow window(screens);
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("pendingNote")));
    const std::pair<const char*, QWidget*> menus[] = {
        {"quizAction", window.quizTypesPanel()},       {"questionsAction", window.questionsPanel()},
        {"practiceAction", window.practicePanel()},    {"competitionAction", window.competitionPanel()},
        {"clearFlagsAction", window.clearFlagsPanel()}, {"resetUsageAction", window.resetUsagePanel()}};
    for (const auto& [action, panel] : menus) {
        window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
        QCOMPARE(window.panels()->currentWidget(), panel);
        QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("heading"))->text().isEmpty(), false);
    }
    for (const char* inert : {"downloadAction", "uploadAction", "printByQuizAction", "printByDifficultyAction",
                              "removeQuestionsAction", "swapAction"})
        QVERIFY2(!window.findChild<QAction*>(QString::fromLatin1(inert))->isEnabled(), inert);

    // The competition panel has the layout only.
    QWidget* competition = window.competitionPanel();
    QCOMPARE(child<QPushButton>(competition, QStringLiteral("printQuiz"))->text(), QStringLiteral("Print Competition Quiz"));
    QVERIFY(!child<QPushButton>(competition, QStringLiteral("buildPool"))->isEnabled());
    QCOMPARE(child<QListWidget>(competition, QStringLiteral("sources"))->count(), 0);
    click(competition, QStringLiteral("exit"));
    QCOMPARE(window.panels()->currentWidget()->objectName(), QStringLiteral("picture"));

    // Ending the run from the Goto menu stores the question being edited first.
    show(&window);
    window.findChild<QAction*>(QStringLiteral("questionsAction"))->trigger();
    QuestionsPanel* questions = window.questionsPanel();
    clickLine(child<QListWidget>(questions, QStringLiteral("list")), 0);
    clickLine(child<QListWidget>(questions, QStringLiteral("list")), 0);
    QCOMPARE(questions->loadedKey(), QStringLiteral("DCS0001"));
    child<QLineEdit>(questions, QStringLiteral("author"))->setText(QStringLiteral("Stored at exit"));
    window.findChild<QAction*>(QStringLiteral("gotoExit"))->trigger();
    QVERIFY(f.program.exited);
    // The Saves snapshot has it: open the saved table on its own.
    core::DataMaster saved;
    saved.OpenTableFile(core::Ques, f.env.host(f.paths.savesFolder() + QStringLiteral("Ques1.db")));
    QVERIFY(saved.FindRecord(core::Ques, QStringLiteral("DCS0001")));
    QCOMPARE(saved.ReadField(core::Ques, QuesField::Author), QStringLiteral("Stored at exit"));
}

void TestQuizPanels::windowPrintsThePracticeQuiz()
{
    Fixture f;
    practiceBank(f);
    platform::PrinterRecorder printer;
    core::Screens screens(f.program);
    QuizWindow window(screens);
    show(&window);
    window.findChild<QAction*>(QStringLiteral("practiceAction"))->trigger();
    PracticeQuizPanel& panel = *window.practicePanel();
    chooseSources(panel, {0}, QStringLiteral("3"));
    click(&panel, QStringLiteral("buildPool"));
    child<QSpinBox>(&panel, QStringLiteral("countQuiz"))->setValue(1);
    type(child<QLineEdit>(&panel, QStringLiteral("quizTitle")), QStringLiteral("Round 2"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    click(&panel, QStringLiteral("printHintSheet"));
    click(&panel, QStringLiteral("prepareQuiz"));
    child<QSpinBox>(&panel, QStringLiteral("copies"))->setValue(2);
    click(&panel, QStringLiteral("printQuiz"));

    QCOMPARE(printer.documents.size(), 3);
    QCOMPARE(printer.documents[1].title, QStringLiteral("Quiz Questions 2"));
    QCOMPARE(printer.documents[2].title, QStringLiteral("Quiz Hints"));
    QCOMPARE(printer.pageTexts(3, 1).first(), QStringLiteral("[Practice - HINTS]  Round 2"));
    QVERIFY(printer.pageTexts(1, 1).contains(panel.drawnQuiz().first()));
}

QTEST_MAIN(TestQuizPanels)
#include "tst_quizpanels.moc"
