// The practice quiz sheets on the printer: one job per copy and sheet, the quiz grid, and the
// files the built-in PDF printer leaves for the user.
#include "pdf/pdftools.h"
#include "platform/files.h"
#include "platform/printerdevice.h"
#include "platform/printerrecorder.h"
#include "platform/shellopen.h"
#include "quiz/sheetprinting.h"
#include "testenv.h"

#include <QtTest>

using namespace quiz;
using platform::Printer;
using platform::PrinterRecorder;

namespace {

const QString Stamp = QStringLiteral("12/10/2026 9:30:15 AM");

Question question(const QString& key, const QString& text, const QString& answer, const QString& hint)
{
    Question q;
    q.key = key;
    q.author = QStringLiteral("J. Miller");
    q.source = QStringLiteral("Dairy Handbook");
    q.question = text;
    q.answer = answer;
    q.hint = hint;
    return q;
}

DrawnQuiz roundOne()
{
    DrawnQuiz quiz;
    quiz.title = QStringLiteral("Round 1");
    quiz.quiz = {question(QStringLiteral("DCS0001"), QStringLiteral("Which breed gives the most milk?"),
                          QStringLiteral("Holstein"), QStringLiteral("Black and white")),
                 question(QStringLiteral("DCS0002"), QStringLiteral("How many stomach parts does a cow have?"),
                          QStringLiteral("Four"), QStringLiteral("More than three"))};
    quiz.bonus = {question(QStringLiteral("DCS0003"), QStringLiteral("What is a freshened cow?"),
                           QStringLiteral("One that has calved"), QStringLiteral("Think of a calf"))};
    return quiz;
}

SheetOptions everything()
{
    return {true, true, true, false};
}

// The part of a recorder dump that belongs to one job.
QString jobDump(const QString& dump, int job)
{
    const QString head = QStringLiteral("job ") + QString::number(job) + QLatin1Char(' ');
    const qsizetype from = dump.indexOf(head);
    const qsizetype to = dump.indexOf(QStringLiteral("\njob "), from);
    return from < 0 ? QString() : dump.mid(from, to < 0 ? -1 : to - from + 1);
}

} // namespace

class TestSheetPrinting : public QObject
{
    Q_OBJECT
private slots:
    void eachCopyAndSheetIsAJob_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<QStringList>("titles");
        const QStringList copies{"Quiz Questions 1", "Quiz Questions 2", "Quiz Questions 3", "Quiz Questions 4",
                                 "Quiz Questions 5"};
        QTest::newRow("answers and hints") << true << true << copies + QStringList{"Quiz Answers", "Quiz Hints"};
        QTest::newRow("answers") << true << false << copies + QStringList{"Quiz Answers"};
        QTest::newRow("hints") << false << true << copies + QStringList{"Quiz Hints"};
        QTest::newRow("questions only") << false << false << copies;
    }
    void eachCopyAndSheetIsAJob()
    {
        QFETCH(bool, answers);
        QFETCH(bool, hints);
        QFETCH(QStringList, titles);
        testsupport::TestEnv env;
        PrinterRecorder printer;
        QCOMPARE(PrintSheets(SheetJobs(roundOne(), everything(), Stamp, 5, answers, hints)), titles.size());

        QCOMPARE(printer.documents.size(), titles.size());
        for (int d = 1; d <= titles.size(); ++d) {
            const PrinterRecorder::Document& doc = printer.documents.at(d - 1);
            QCOMPARE(doc.title, titles.at(d - 1));
            QVERIFY(doc.ended);
            QCOMPARE(doc.printer, QStringLiteral("Front Office Laser"));
            const QString heading = doc.title.startsWith(QStringLiteral("Quiz Questions")) ? "[Practice - QUESTIONS]  "
                                    : doc.title == QStringLiteral("Quiz Answers")          ? "[Practice - ANSWERS]  "
                                                                                           : "[Practice - HINTS]  ";
            QCOMPARE(printer.pageTexts(d, 1).first(), heading + QStringLiteral("Round 1"));
        }
        if (hints) {
            const QStringList sheet = printer.pageTexts(int(titles.size()), 1);
            QVERIFY(sheet.contains(QStringLiteral("Hint: Black and white")));
            QVERIFY(sheet.contains(QStringLiteral("Bonus Questions:")));
            QVERIFY(!sheet.contains(QStringLiteral("Answer: Holstein")));
        }
        QCOMPARE(printer.strayDrawings, 0);
        QVERIFY(platform::ShellOpen::recorded().isEmpty()); // not the PDF printer
    }

    // Positions and fonts of the first question sheet against a short golden text; run with
    // MARVOLEN_REGENERATE=1 to write it anew after a deliberate change.
    void questionSheetOnTheQuizGrid()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        PrintSheets(SheetJobs(roundOne(), everything(), Stamp, 2, false, false));
        const QString actual = jobDump(printer.dump(), 1);
        QCOMPARE(actual, testsupport::golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/golden/questionsheet.txt"), actual));
        QCOMPARE(jobDump(printer.dump(), 2).section(QLatin1Char('\n'), 1),
                 actual.section(QLatin1Char('\n'), 1)); // the copies are alike

        // The grid follows the orientation the printer is set to: 6300 / 80 and 4800 / 70.
        printer.clear();
        printer.setOrientation(Printer::Orientation::Landscape);
        PrintSheets(SheetJobs(roundOne(), everything(), Stamp, 1, false, false));
        QCOMPARE(printer.documents.first().orientation, Printer::Orientation::Landscape);
        const PrinterRecorder::Text* stamp = printer.find(Stamp);
        QVERIFY(stamp);
        QCOMPARE(stamp->x, (60 + 2) * 78);
        const PrinterRecorder::Text* key = printer.find(QStringLiteral("DCS0001"));
        QVERIFY(key);
        QCOMPARE(key->y, 3 * 68);
    }

    void aPrinterThatCannotStartEndsTheRun()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        printer.refuseDocuments = true;
        QCOMPARE(PrintSheets(SheetJobs(roundOne(), everything(), Stamp, 5, true, true)), 0);
        QCOMPARE(printer.documents.size(), 0);
        QCOMPARE(env.dialogs.shown.size(), 1); // told once, not once per copy
        QCOMPARE(printer.strayDrawings, 0);
    }

    // The real built-in printer leaves one file per job, each opened for the user afterwards.
    void builtInPrinterKeepsEveryJob()
    {
        testsupport::TestEnv env;
        Printer& printer = Printer::instance();
        QVERIFY(dynamic_cast<platform::PrinterDevice*>(&printer));
        const int before = printer.printerIndex();
        printer.setPrinterIndex(0);
        const int printed = PrintSheets(SheetJobs(roundOne(), everything(), Stamp, 2, true, true));
        printer.setPrinterIndex(before);
        QCOMPARE(printed, 4);

        const QStringList titles{"Quiz Questions 1", "Quiz Questions 2", "Quiz Answers", "Quiz Hints"};
        QStringList files;
        for (const QString& title : titles)
            files << QStringLiteral("C:\\hwk\\Marvolen\\") + title + QStringLiteral(".pdf");
        QCOMPARE(platform::ShellOpen::recorded(), files);
        QVERIFY(!platform::Files::exists(Printer::builtInPdfFile()));
        const QStringList expected{"[Practice - QUESTIONS]  Round 1", "[Practice - QUESTIONS]  Round 1",
                                   "Answer: Holstein", "Hint: Black and white"};
        for (int i = 0; i < files.size(); ++i) {
            const pdftools::Result text = pdftools::run(QStringLiteral("pdftotext"), {env.host(files[i]), QStringLiteral("-")});
            QVERIFY2(text.ok, text.output.constData());
            // pdftotext gives runs of blanks back as one.
            QVERIFY2(QString::fromUtf8(text.output).simplified().contains(expected[i].simplified()),
                     text.output.constData());
        }
    }
};

QTEST_MAIN(TestSheetPrinting)
#include "tst_sheetprinting.moc"
