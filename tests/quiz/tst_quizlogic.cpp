#include "core/datamaster.h"
#include "core/program.h"
#include "quiz/questionbank.h"
#include "quiz/questionchecks.h"
#include "quiz/questionpools.h"
#include "quiz/quizfields.h"
#include "quiz/quizsheets.h"
#include "quiz/textwrap.h"
#include "testenv.h"

#include <QtTest>

using namespace quiz;

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
        bank.SaveQuiz(QStringLiteral("DCS"), QStringLiteral("Dairy Cattle Senior"));
        bank.SaveQuiz(QStringLiteral("HCS"), QStringLiteral("Horse Senior"));
    }

    // A stored question: active, difficulty 3, never drawn unless said otherwise.
    void question(const QString& key, int type, const QString& difficulty = QStringLiteral("3"), bool active = true,
                  const QString& selected = QStringLiteral("0"), const QString& text = QString())
    {
        Question q;
        q.key = key;
        q.type = type;
        q.difficulty = difficulty;
        q.active = active;
        q.selected = selected;
        q.question = text.isEmpty() ? QStringLiteral("Question ") + key : text;
        q.answer = QStringLiteral("Answer ") + key;
        q.hint = QStringLiteral("Hint ") + key;
        q.author = QStringLiteral("Author ") + key;
        q.source = QStringLiteral("Source ") + key;
        bank.SaveQuestion(q, false);
    }
    QString field(const QString& key, int f)
    {
        return data.FindRecord(core::Ques, key) ? data.ReadField(core::Ques, f) : QStringLiteral("<missing>");
    }
    QString newQuestion(const QString& code)
    {
        Question q;
        q.key = bank.NextQuestionKey(code);
        q.question = QStringLiteral("Q");
        bank.SaveQuestion(q, true);
        return q.key;
    }
};

} // namespace

class TestQuizLogic : public QObject
{
    Q_OBJECT

private slots:
    void quizCodes_data();
    void quizCodes();
    void questionTypes_data();
    void questionTypes();
    void newKeysAreNeverReused();
    void questionList();
    void savedFields();
    void pools();
    void drawingWithoutRepeats();
    void markDrawnAndNextPool();
    void clearMarksOfOneQuiz();
    void wrapping_data();
    void wrapping();
    void questionSheet();
    void masterSheets();
    void pageBreaks();
};

void TestQuizLogic::quizCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("three letters") << "DCS" << true;
    QTest::newRow("two") << "DC" << false;
    QTest::newRow("four") << "DCSS" << false;
    QTest::newRow("digit") << "D1S" << false;
    QTest::newRow("lower case") << "dcs" << false;
    QTest::newRow("blank") << "D S" << false;
    QTest::newRow("accented") << QStringLiteral("\u00c4BC") << false;
    QTest::newRow("empty") << "" << false;
}

void TestQuizLogic::quizCodes()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(IsQuizCode(code), valid);
}

void TestQuizLogic::questionTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<int>("stored");
    QTest::newRow("t") << "t" << "Tie Breaker" << 4;
    QTest::newRow("B") << "B" << "Bonus" << 3;
    QTest::newRow("c") << "c" << "Competition" << 2;
    QTest::newRow("Pr") << "Pr" << "Practice" << 1;
    QTest::newRow("x") << "x" << "" << 0;
    QTest::newRow("empty") << "" << "" << 0;
}

void TestQuizLogic::questionTypes()
{
    QFETCH(QString, typed);
    QFETCH(QString, completed);
    QFETCH(int, stored);
    QCOMPARE(CompleteQuestionType(typed), completed);
    QCOMPARE(QuestionTypeCode(completed), stored);
    if (stored)
        QCOMPARE(QuestionTypeText(stored), completed);
}

void TestQuizLogic::newKeysAreNeverReused()
{
    Fixture f;
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("DCS")), QStringLiteral("DCS0001"));
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("XYZ")), QString()); // no such quiz
    for (int i = 0; i < 3; ++i)
        f.newQuestion(QStringLiteral("DCS"));
    QCOMPARE(f.bank.QuestionLines(QStringLiteral("DCS")).size(), 3);
    f.bank.DeleteQuestion(QStringLiteral("DCS0002"));
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("DCS")), QStringLiteral("DCS0004"));
    f.bank.DeleteQuestion(QStringLiteral("DCS0003"));
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("DCS")), QStringLiteral("DCS0004"));
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("HCS")), QStringLiteral("HCS0001"));

    // A counter set back by hand skips the keys in use instead of overwriting them.
    QVERIFY(f.data.FindRecord(core::Quiz, QStringLiteral("DCS")));
    f.data.WriteField(core::Quiz, QuizField::LastSerial, QString());
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("DCS")), QStringLiteral("DCS0002"));
    // The last serial leaves no key to give.
    f.data.FindRecord(core::Quiz, QStringLiteral("HCS"));
    f.data.WriteField(core::Quiz, QuizField::LastSerial, QStringLiteral("9998"));
    QCOMPARE(f.newQuestion(QStringLiteral("HCS")), QStringLiteral("HCS9999"));
    QCOMPARE(f.bank.NextQuestionKey(QStringLiteral("HCS")), QString());
}

void TestQuizLogic::questionList()
{
    Fixture f;
    const QString thirty = QStringLiteral("What breed has the most milk??");
    QCOMPARE(thirty.size(), 30);
    const QString thirtyOne = thirty + QStringLiteral("!");
    f.question(QStringLiteral("DCS0001"), Practice, QStringLiteral("3"), true, QStringLiteral("0"), thirty);
    f.question(QStringLiteral("DCS0002"), Practice, QStringLiteral("3"), true, QStringLiteral("0"), thirtyOne);
    f.question(QStringLiteral("HCS0001"), Practice);
    f.question(QStringLiteral("dcs0001"), Practice);
    QCOMPARE(f.bank.QuestionLines(QStringLiteral("DCS")),
             (QStringList{QStringLiteral("DCS0001  ") + thirty, QStringLiteral("DCS0002  ") + thirty + "..."}));
    QCOMPARE(f.bank.QuestionCount(QStringLiteral("DCS")), 2);
    QCOMPARE(f.bank.QuizLines(),
             (QStringList{QStringLiteral("DCS  Dairy Cattle Senior"), QStringLiteral("HCS  Horse Senior")}));
    QVERIFY(!f.bank.DeleteQuiz(QStringLiteral("HCS"))); // still has a question
    f.bank.DeleteQuestion(QStringLiteral("HCS0001"));
    QVERIFY(f.bank.DeleteQuiz(QStringLiteral("HCS")));
    QCOMPARE(f.bank.QuizLines(), QStringList{QStringLiteral("DCS  Dairy Cattle Senior")});
}

void TestQuizLogic::savedFields()
{
    Fixture f;
    Question q;
    q.key = f.bank.NextQuestionKey(QStringLiteral("DCS"));
    q.type = TieBreaker;
    q.difficulty = QStringLiteral("2");
    q.editDate = QStringLiteral("12/10/26");
    q.active = true;
    q.hint = QString(300, QLatin1Char('h'));
    f.bank.SaveQuestion(q, true);
    QCOMPARE(f.field(q.key, QuesField::Type), QStringLiteral("4"));
    QCOMPARE(f.field(q.key, QuesField::Active), QStringLiteral("1"));
    QCOMPARE(f.field(q.key, QuesField::UsageCount), QStringLiteral("0"));
    QCOMPARE(f.field(q.key, QuesField::Selected), QStringLiteral("0"));
    QCOMPARE(f.field(q.key, QuesField::Hint).size(), MaxQuestionText);
    QCOMPARE(f.field(q.key, QuesField::Difficulty), QStringLiteral("2"));
    QVERIFY(f.data.FindRecord(core::Quiz, QStringLiteral("DCS")));
    QCOMPARE(f.data.ReadField(core::Quiz, QuizField::LastSerial), QStringLiteral("1"));

    // Saving a loaded question again leaves the counter alone.
    std::optional<Question> loaded = f.bank.ReadQuestion(q.key);
    QVERIFY(loaded);
    QCOMPARE(loaded->type, int(TieBreaker));
    QVERIFY(loaded->active);
    loaded->active = false;
    loaded->type = 7;
    f.bank.SaveQuestion(*loaded, false);
    QCOMPARE(f.field(q.key, QuesField::Active), QStringLiteral("0"));
    QCOMPARE(f.field(q.key, QuesField::Type), QStringLiteral("0"));
    QVERIFY(f.data.FindRecord(core::Quiz, QStringLiteral("DCS")));
    QCOMPARE(f.data.ReadField(core::Quiz, QuizField::LastSerial), QStringLiteral("1"));
}

void TestQuizLogic::pools()
{
    Fixture f;
    f.question(QStringLiteral("DCS0001"), Practice);
    f.question(QStringLiteral("DCS0002"), Competition);
    f.question(QStringLiteral("DCS0003"), NoType);
    f.question(QStringLiteral("DCS0004"), Bonus);
    f.question(QStringLiteral("DCS0005"), TieBreaker);
    f.question(QStringLiteral("DCS0006"), Practice, QStringLiteral("3"), false);                      // inactive
    f.question(QStringLiteral("DCS0007"), Practice, QStringLiteral("4"));                             // other difficulty
    f.question(QStringLiteral("DCS0008"), Practice, QStringLiteral("3"), true, QStringLiteral("1"));  // used
    f.question(QStringLiteral("DCS0009"), Bonus, QStringLiteral("3"), true, QStringLiteral("1"));     // used
    f.question(QStringLiteral("HCS0001"), Practice);
    f.question(QStringLiteral("ACS0001"), Practice); // a quiz not chosen
    f.data.FindRecord(core::Ques, QStringLiteral("DCS0003"));
    f.data.WriteField(core::Ques, QuesField::Selected, QString()); // never drawn, flag never written

    const QStringList sources{QStringLiteral("HCS"), QStringLiteral("DCS")};
    QuestionPools pools = BuildQuestionPools(f.data, sources, QStringLiteral("3"), false);
    QCOMPARE(pools.quiz, (QStringList{"DCS0001", "DCS0002", "DCS0003", "HCS0001"}));
    QCOMPARE(pools.bonus, QStringList{"DCS0004"});
    QCOMPARE(pools.tieBreaker, QStringList{"DCS0005"});

    pools = BuildQuestionPools(f.data, sources, QStringLiteral("3"), true);
    QCOMPARE(pools.quiz, (QStringList{"DCS0001", "DCS0002", "DCS0003", "DCS0008", "HCS0001"}));
    QCOMPARE(pools.bonus, (QStringList{"DCS0004", "DCS0009"}));

    pools = BuildQuestionPools(f.data, {QStringLiteral("HCS")}, QStringLiteral("4"), true);
    QVERIFY(pools.quiz.isEmpty());

    QCOMPARE(CountLimit(7, MaxDrawnQuiz), 7);
    QCOMPARE(CountLimit(800, MaxDrawnQuiz), 500);
    QCOMPARE(CountLimit(800, MaxDrawnBonus), 100);
}

void TestQuizLogic::drawingWithoutRepeats()
{
    const QStringList pool{"A", "B", "C", "D"};
    QList<int> picks{2, 2, 0, 2, 0, 3};
    int calls = 0;
    auto scripted = [&](int n) {
        [&] { QCOMPARE(n, 4); }();
        return picks.at(calls++);
    };
    QCOMPARE(DrawQuestions(pool, 3, scripted), (QStringList{"C", "A", "D"}));
    QCOMPARE(calls, 6);

    // Random picks: the whole pool at most, each key once.
    int seed = 7;
    auto lcg = [&](int n) {
        seed = (seed * 1103515245 + 12345) & 0x7fffffff;
        return seed % n;
    };
    QStringList all = DrawQuestions(pool, 10, lcg);
    QCOMPARE(all.size(), 4);
    all.sort();
    QCOMPARE(all, pool);
    QVERIFY(DrawQuestions(QStringList(), 3, lcg).isEmpty());
    QVERIFY(DrawQuestions(pool, 0, lcg).isEmpty());
}

void TestQuizLogic::markDrawnAndNextPool()
{
    Fixture f;
    f.question(QStringLiteral("DCS0001"), Practice);
    f.question(QStringLiteral("DCS0002"), Practice);
    f.data.FindRecord(core::Ques, QStringLiteral("DCS0002"));
    f.data.WriteField(core::Ques, QuesField::UsageCount, QStringLiteral("4"));
    f.question(QStringLiteral("HCS0001"), Practice);
    f.data.FindRecord(core::Ques, QStringLiteral("HCS0001"));
    f.data.WriteField(core::Ques, QuesField::UsageCount, QString());

    MarkDrawn(f.data, {QStringLiteral("DCS0002"), QStringLiteral("DCS0999"), QStringLiteral("HCS0001")});
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Selected), QStringLiteral("1"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::UsageCount), QStringLiteral("5"));
    QCOMPARE(f.field(QStringLiteral("HCS0001"), QuesField::UsageCount), QStringLiteral("1"));
    // The missing key touched nothing else.
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Selected), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::UsageCount), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0999"), QuesField::Selected), QStringLiteral("<missing>"));

    const QStringList dcs{QStringLiteral("DCS")};
    QCOMPARE(BuildQuestionPools(f.data, dcs, QStringLiteral("3"), false).quiz, QStringList{"DCS0001"});
    QCOMPARE(BuildQuestionPools(f.data, dcs, QStringLiteral("3"), true).quiz, (QStringList{"DCS0001", "DCS0002"}));
    f.bank.SetFieldOfQuizzes(dcs, QuesField::Selected, QStringLiteral("0"));
    QCOMPARE(BuildQuestionPools(f.data, dcs, QStringLiteral("3"), false).quiz, (QStringList{"DCS0001", "DCS0002"}));
}

void TestQuizLogic::clearMarksOfOneQuiz()
{
    Fixture f;
    for (const QString& key : {QStringLiteral("DCS0001"), QStringLiteral("DCS0002"), QStringLiteral("HCS0001")})
        f.question(key, Practice);
    MarkDrawn(f.data, {QStringLiteral("DCS0001"), QStringLiteral("DCS0002"), QStringLiteral("HCS0001")});
    f.bank.SetFieldOfQuizzes({QStringLiteral("DCS")}, QuesField::Selected, QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::Selected), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::Selected), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("DCS0002"), QuesField::UsageCount), QStringLiteral("1"));
    QCOMPARE(f.field(QStringLiteral("HCS0001"), QuesField::Selected), QStringLiteral("1"));
    f.bank.SetFieldOfQuizzes({QStringLiteral("HCS")}, QuesField::UsageCount, QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("HCS0001"), QuesField::UsageCount), QStringLiteral("0"));
    QCOMPARE(f.field(QStringLiteral("HCS0001"), QuesField::Selected), QStringLiteral("1"));
    QCOMPARE(f.field(QStringLiteral("DCS0001"), QuesField::UsageCount), QStringLiteral("1"));
}

void TestQuizLogic::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lengths");
    const auto text = [](int length, QList<int> blanks) {
        QString t(length, QLatin1Char('x'));
        for (int b : blanks)
            t[b - 1] = QLatin1Char(' '); // character positions count from 1
        return t;
    };
    QTest::newRow("empty") << QString() << QList<int>{0};
    QTest::newRow("110 characters") << text(110, {50, 105}) << QList<int>{110};
    QTest::newRow("111, blank at 105") << text(111, {50, 105}) << QList<int>{104, 6};
    QTest::newRow("blank at 100 itself") << text(111, {100}) << QList<int>{99, 11};
    QTest::newRow("blanks only before 100") << text(130, {20, 99}) << QList<int>{130};
    QTest::newRow("no blank") << text(200, {}) << QList<int>{200};
    QTest::newRow("rest without blank") << text(222, {101}) << QList<int>{100, 121};
    QTest::newRow("second break") << text(222, {101, 205}) << QList<int>{100, 103, 17};
    QTest::newRow("third line unbroken") << text(340, {101, 202, 303}) << QList<int>{100, 100, 138};
    QTest::newRow("blank at the end") << text(111, {111}) << QList<int>{110};
}

void TestQuizLogic::wrapping()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, lengths);
    const QStringList lines = WrapText(text);
    QList<int> got;
    for (const QString& l : lines)
        got << int(l.size());
    QCOMPARE(got, lengths);
    // Only the dropped blanks are missing.
    QCOMPARE(lines.join(QLatin1Char(' ')), text.size() > 110 && text.endsWith(QLatin1Char(' ')) ? text.chopped(1) : text);
}

namespace {

Question sample(const QString& key, const QString& text = {})
{
    Question q;
    q.key = key;
    q.author = QStringLiteral("Ames");
    q.source = QStringLiteral("Handbook");
    q.question = text.isEmpty() ? QStringLiteral("What is ") + key + QLatin1Char('?') : text;
    q.answer = QStringLiteral("It is ") + key;
    q.hint = QStringLiteral("Think of ") + key;
    return q;
}

SheetText body(int line, int column, const QString& text, bool bold = false, int size = 10)
{
    return SheetText{line, column, text, size, bold, false};
}

const QString stamp = QStringLiteral("12/10/2026 9:30:15 AM");

QList<SheetText> header(SheetKind kind, const QString& title)
{
    return {SheetText{0, 0, SheetTitle(kind) + title, 12, true, true}, SheetText{0, 60, stamp, 12, true, true},
            SheetText{69, 25, SheetFooter(), 6, true, true}};
}

} // namespace

void TestQuizLogic::questionSheet()
{
    DrawnQuiz quiz;
    quiz.title = QStringLiteral("County Round 1");
    quiz.quiz = {sample(QStringLiteral("DCS0004")), sample(QStringLiteral("DCS0001"))};
    quiz.bonus = {sample(QStringLiteral("DCS0009"))};
    SheetOptions options;
    options.author = true;
    options.hint = true;
    options.answerSpace = true;
    const QList<SheetPage> pages = LayoutSheet(SheetKind::Questions, quiz, options, stamp);
    QCOMPARE(pages.size(), 1);
    const QString rule(132, QLatin1Char('_'));
    QList<SheetText> expected = header(SheetKind::Questions, quiz.title);
    int l = 3;
    for (const QString& key : {QStringLiteral("DCS0004"), QStringLiteral("DCS0001")}) {
        expected << body(l, 0, key) << body(l, 10, QStringLiteral("Author: Ames"))
                 << body(l + 1, 0, QStringLiteral("What is ") + key + "?", true)
                 << body(l + 3, 0, QStringLiteral("Hint: Think of ") + key) << body(l + 5, 0, rule)
                 << body(l + 7, 0, rule);
        l += 9;
    }
    // The bonus section: one line down, its heading, two lines down.
    expected << body(l + 1, 0, QStringLiteral("Bonus Questions:"), true, 12);
    l += 3;
    expected << body(l, 0, QStringLiteral("DCS0009")) << body(l, 10, QStringLiteral("Author: Ames"))
             << body(l + 1, 0, QStringLiteral("What is DCS0009?"), true)
             << body(l + 3, 0, QStringLiteral("Hint: Think of DCS0009")) << body(l + 5, 0, rule)
             << body(l + 7, 0, rule);
    QCOMPARE(pages.first(), expected);
}

void TestQuizLogic::masterSheets()
{
    DrawnQuiz quiz;
    quiz.title = QStringLiteral("T");
    quiz.quiz = {sample(QStringLiteral("DCS0001"))};
    quiz.tieBreaker = {sample(QStringLiteral("DCS0002"))};
    const SheetOptions none;
    QList<SheetText> expected = header(SheetKind::Answers, quiz.title);
    expected << body(3, 0, QStringLiteral("DCS0001")) << body(3, 10, QStringLiteral("Author: Ames"))
             << body(3, 30, QStringLiteral("Source: Handbook")) << body(4, 0, QStringLiteral("What is DCS0001?"), true)
             << body(6, 0, QStringLiteral("Answer: It is DCS0001"))
             << body(9, 0, QStringLiteral("Tie Breaker Questions:"), true, 12)
             // Author and source only when included outside the quiz section.
             << body(11, 0, QStringLiteral("DCS0002")) << body(12, 0, QStringLiteral("What is DCS0002?"), true)
             << body(14, 0, QStringLiteral("Answer: It is DCS0002"));
    QCOMPARE(LayoutSheet(SheetKind::Answers, quiz, none, stamp), QList<SheetPage>{expected});

    const QList<SheetPage> hints = LayoutSheet(SheetKind::Hints, quiz, none, stamp);
    QCOMPARE(hints.size(), 1);
    QCOMPARE(hints.first().first().text, QStringLiteral("[Practice - HINTS]  T"));
    QVERIFY(hints.first().contains(body(6, 0, QStringLiteral("Hint: Think of DCS0001"))));
    QVERIFY(hints.first().contains(body(14, 0, QStringLiteral("Hint: Think of DCS0002"))));
}

void TestQuizLogic::pageBreaks()
{
    // Each question takes 3 lines (key, text, blank) from line 3 on; the 22nd has its text on
    // line 67, whose advance reaches 68 and breaks the page; its blank line then counts on the
    // new page, so the 23rd starts on line 4. No empty page follows the last question.
    DrawnQuiz quiz;
    quiz.title = QStringLiteral("Long");
    for (int i = 1; i <= 22; ++i)
        quiz.quiz << sample(QStringLiteral("DCS%1").arg(i, 4, 10, QLatin1Char('0')));
    QList<SheetPage> pages = LayoutSheet(SheetKind::Questions, quiz, {}, stamp);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].last(), body(67, 0, QStringLiteral("What is DCS0022?"), true));

    QString text(250, QLatin1Char('w'));
    text[120] = QLatin1Char(' ');
    quiz.quiz << sample(QStringLiteral("DCS0023"), text);
    pages = LayoutSheet(SheetKind::Questions, quiz, {}, stamp);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[1].mid(0, 3), header(SheetKind::Questions, quiz.title));
    QCOMPARE(pages[1].mid(3), (QList<SheetText>{body(4, 0, QStringLiteral("DCS0023")),
                                                body(5, 0, QString(120, QLatin1Char('w')), true),
                                                body(6, 0, QString(129, QLatin1Char('w')), true)}));
}

QTEST_GUILESS_MAIN(TestQuizLogic)
#include "tst_quizlogic.moc"
