#include "archive/backupsections.h"
#include "archive/backupwriter.h"
#include "archive/restorer.h"
#include "platform/windows1252.h"
#include "core/datamaster.h"
#include "core/edition.h"
#include "core/program.h"
#include "testenv.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <map>

using archive::BackupWriter;
using archive::Restorer;
using platform::Windows1252;
using platform::Dialogs;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// A started program on a fresh installation.
struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};

    Fixture()
    {
        program.RunStartupSequence();
        env.dialogs.clear();
    }
    core::DataMaster& data() { return program.data(); }

    void add(int table, const QString& key, const std::map<int, QString>& fields = {})
    {
        data().AddRecord(table, key);
        for (const auto& [field, text] : fields)
            data().WriteField(table, field, text);
    }
    QString field(int table, const QString& key, int field)
    {
        return data().FindRecord(table, key) ? data().ReadField(table, field) : QStringLiteral("<missing>");
    }
    void setBackUpDate(const QString& value) { add(core::Parm, QStringLiteral("BackUpDate"), {{2, value}}); }

    QByteArray read(const QString& dosPath)
    {
        QFile f(env.host(dosPath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& dosPath, const QByteArray& bytes)
    {
        QFile f(env.host(dosPath));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // A backup file in C:\ with the running version's header of the pinned day.
    void writeBackup(const QByteArray& body, const QByteArray& header = {})
    {
        write(QStringLiteral("C:\\mvBack.Txt"),
              (header.isEmpty() ? BackupWriter::headerLine(testsupport::pinnedNow()) : header + "\r\n") + body);
    }
    Restorer restorer()
    {
        Restorer r(data());
        r.setFolder(QStringLiteral("C:\\"));
        return r;
    }

    // Every record of a table, key to backed-up fields.
    std::map<QString, QStringList> records(int table)
    {
        std::map<QString, QStringList> all;
        const int delta = data().FieldIndex(table, QStringLiteral("Delta"));
        data().BeginScan(table);
        while (data().GetNextRec(table)) {
            QStringList values;
            for (int i = 0; i < delta; ++i)
                values << data().ReadField(table, i);
            all[values.value(0)] = values;
        }
        return all;
    }
};

QByteArray bytes(std::initializer_list<int> codes)
{
    QByteArray b;
    for (int c : codes)
        b.append(char(c));
    return b;
}

QByteArray chars(int table, const char* text = "")
{
    return QByteArray(1, char(table + 32)) + text;
}

const QString warnOlder = QStringLiteral(
    "The date of the restore/refresh data is OLDER than the date of the last data backup.  If you continue you risk "
    "losing your most current  data changes.");

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void codecIsExactForEveryByte();
    void recordLine_data();
    void recordLine();
    void singleSectionBackup();
    void twoBackupsAreIdentical();
    void versionChangeBackup();
    void backupToMissingFolderFails();
    void dateCheck_data();
    void dateCheck();
    void versionCheck();
    void corruptLines_data();
    void corruptLines();
    void clearCoversOnlyListedTables();
    void mergeKeepsAbsentFields();
    void integrityError_data();
    void integrityError();
    void multiLineValuesAndDamagedLengths();
    void roundTripEveryTable();
    void damagedFilesNeverBreakTables();
};

void TestArchive::codecIsExactForEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
    QCOMPARE(Windows1252::decode(bytes({0x80, 0x9F, 0xFF})), QString::fromUtf8("€Ÿÿ"));
    // One "?" per character the code page lacks, surrogate pairs included.
    QCOMPARE(Windows1252::encode(QString::fromUtf8("a\u4E2D\U0001F600b")), QByteArray("a??b"));
}

void TestArchive::recordLine_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("team example") << 9 << QStringList{"T01", "A", "", "BC"}
                                  << chars(9) + bytes({35}) + "T01" + bytes({33}) + "A" + bytes({255, 35, 34}) +
                                         "BC\r\n";
    QTest::newRow("fields 1 and 2 empty") << 9 << QStringList{"T02", "", "", "X"}
                                          << chars(9) + bytes({35}) + "T02" + bytes({255, 35, 33}) + "X\r\n";
    QTest::newRow("trailing empties") << 12 << QStringList{"K", "", ""} << chars(12) + bytes({33}) + "K\r\n";
    const QString longText(300, QLatin1Char('x'));
    QTest::newRow("300 characters cut to 222")
        << 15 << QStringList{"Q", longText} << chars(15) + bytes({33}) + "Q" + bytes({254}) + QByteArray(222, 'x') + "\r\n";
    QTest::newRow("windows-1252 bytes") << 3 << QStringList{QString::fromUtf8("M€1"), QString::fromUtf8("Ñÿ")}
                                        << chars(3) + bytes({35}) + bytes({'M', 0x80, '1'}) + bytes({34, 0xD1, 0xFF}) +
                                               "\r\n";
    QTest::newRow("line break kept in value") << 15 << QStringList{"Q", "a\r\nb"}
                                              << chars(15) + bytes({33}) + "Q" + bytes({36}) + "a\r\nb\r\n";
}

void TestArchive::recordLine()
{
    QFETCH(int, table);
    QFETCH(QStringList, values);
    QFETCH(QByteArray, line);
    QCOMPARE(BackupWriter::recordLine(table, values), line);
}

void TestArchive::singleSectionBackup()
{
    Fixture f;
    f.add(core::Scor, QStringLiteral("S2"), {{1, QStringLiteral("7")}, {5, QStringLiteral("44")}});
    f.add(core::Scor, QStringLiteral("S1"), {{2, QStringLiteral("ST")}});
    f.add(core::Scor, QString()); // a blank-key record is never written
    f.add(core::Team, QStringLiteral("T01"), {{1, QStringLiteral("1")}});
    BackupWriter writer(f.data());
    archive::SectionSet only11;
    only11.set(11);
    writer.setSections(only11);
    QList<int> progress;
    writer.onProgress = [&](int value, int) { progress << value; };
    QVERIFY(writer.WriteBackup(QStringLiteral("C:\\"), BackupWriter::ScreenMode));

    const QByteArray expected = core::Edition::stateName().toLatin1() +
                                "-08-083- Marvolen Data Backup as of 12/10/2026  9:30:15 AM\r\n" + " ,JC Scores\r\n" +
                                ",\"S1" + bytes({255, 34, 34}) + "ST\r\n" + ",\"S2!7" + bytes({255, 37, 34}) + "44\r\n";
    QCOMPARE(f.read(QStringLiteral("C:\\mvBack.Txt")), expected);
    QCOMPARE(progress, (QList<int>{0, 1, 2}));
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestArchive::twoBackupsAreIdentical()
{
    Fixture f;
    f.add(core::Team, QStringLiteral("T01"), {{1, QStringLiteral("1")}, {105 - 2, QStringLiteral("Coach")}});
    f.setBackUpDate(QStringLiteral("1/1/2026 1:00:00 AM"));
    BackupWriter writer(f.data());
    QString shown;
    writer.onBackupDate = [&](const QString& stamp) { shown = stamp; };
    const QString state = f.paths.stateFolder();
    QVERIFY(writer.WriteBackup(state, 1));
    QVERIFY(writer.WriteBackup(QStringLiteral("C:\\"), 1));
    const QByteArray first = f.read(state + QStringLiteral("mvBack.Txt"));
    QVERIFY(first.contains("T01"));
    QCOMPARE(f.read(QStringLiteral("C:\\mvBack.Txt")), first);
    QCOMPARE(shown, QStringLiteral("12/10/2026 9:30:15 AM"));
    QCOMPARE(f.field(core::Parm, QStringLiteral("BackUpDate"), 2), shown);
    // The file carries the new date in its Parm section.
    QVERIFY(first.contains(QByteArray("BackUpDate" + bytes({255, 34, 32 + 21}) + "12/10/2026 9:30:15 AM")));
}

void TestArchive::versionChangeBackup()
{
    Fixture f;
    f.setBackUpDate(QStringLiteral("1/1/2026 1:00:00 AM"));
    f.add(core::Quiz, QStringLiteral("QZ"), {{1, QStringLiteral("Quiz title")}});
    f.add(core::Resu, QStringLiteral("R1"));
    f.data().AddRecord(core::Syst, QStringLiteral("Version"));
    f.data().WriteField(core::Syst, 1, QStringLiteral("08-082"));
    // Wired as the windows wire it.
    f.program.onVersionChangeBackup = [&] { archive::WriteVersionChangeBackup(f.data()); };
    f.program.RunStartupTasks();

    const QList<QByteArray> lines = f.read(QStringLiteral("C:\\MVBack.txt")).split('\n');
    QList<QByteArray> sections;
    for (const QByteArray& l : lines)
        if (l.startsWith(' '))
            sections << l.chopped(1);
    QCOMPARE(sections.size(), 12);
    QCOMPARE(sections.first(), QByteArray(" \"System"));
    QCOMPARE(sections.last(), QByteArray(" -JC Results"));
    QVERIFY(lines.contains(chars(13, "\"R1\r")));
    QVERIFY(!f.read(QStringLiteral("C:\\mvBack.Txt")).contains("QZ"));
    QCOMPARE(f.field(core::Parm, QStringLiteral("BackUpDate"), 2), QStringLiteral("12/10/2026 9:30:15 AM"));
    QCOMPARE(f.field(core::Syst, QStringLiteral("Version"), 1), core::Edition::version());
}

void TestArchive::backupToMissingFolderFails()
{
    Fixture f;
    f.setBackUpDate(QStringLiteral("1/1/2026 1:00:00 AM"));
    BackupWriter writer(f.data());
    QVERIFY(!writer.WriteBackup(QStringLiteral("G:\\"), 1)); // no drive G:
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Backup/Share Drive/Folder not found!")});
    QCOMPARE(f.field(core::Parm, QStringLiteral("BackUpDate"), 2), QStringLiteral("1/1/2026 1:00:00 AM"));
}

void TestArchive::dateCheck_data()
{
    QTest::addColumn<QString>("lastBackup"); // empty: no BackUpDate record
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("opened");
    const QByteArray dec10 = "Nebraska-08-083- Marvolen Data Backup as of 12/10/2026  9:30:15 AM";
    QTest::newRow("same day") << "12/10/2026 11:59:59 PM" << dec10 << 0 << false << true;
    QTest::newRow("day before the backup") << "12/9/2026 1:00:00 AM" << dec10 << 0 << false << true;
    QTest::newRow("one day older, No") << "12/11/2026 8:00:00 AM" << dec10 << int(Dialogs::No) << true << false;
    QTest::newRow("one day older, OK") << "12/11/2026 8:00:00 AM" << dec10 << int(Dialogs::Ok) << true << true;
    QTest::newRow("older year") << "1/2/2027 8:00:00 AM" << dec10 << int(Dialogs::No) << true << false;
    QTest::newRow("one-digit month and day")
        << "1/4/2027 8:00:00 AM" << QByteArray("Nebraska-08-083- Marvolen Data Backup as of 1/5/2027  9:00:00 AM") << 0
        << false << true;
    QTest::newRow("no BackUpDate record") << "" << dec10 << 0 << false << true;
    QTest::newRow("unreadable header date") << "12/10/2026 1:00:00 AM" << QByteArray("garbage") << int(Dialogs::No)
                                            << true << false;
}

void TestArchive::dateCheck()
{
    QFETCH(QString, lastBackup);
    QFETCH(QByteArray, header);
    QFETCH(int, answer);
    QFETCH(bool, warned);
    QFETCH(bool, opened);
    Fixture f;
    if (!lastBackup.isEmpty())
        f.setBackUpDate(lastBackup);
    f.writeBackup(" )JC Teams\r\n" + chars(9, "#T01") + "\r\n\r\n" + " ,JC Scores\r\n", header);
    if (answer)
        f.env.dialogs.answer(Dialogs::Button(answer));
    Restorer r = f.restorer();
    QCOMPARE(r.OpenRestoreFile(), opened);
    QCOMPARE(f.env.dialogs.texts().contains(warnOlder), warned);
    QCOMPARE(r.header(), QString::fromLatin1(header));
    if (opened) {
        QCOMPARE(r.sectionNames(), (QStringList{"JC Teams", "JC Scores"}));
        QCOMPARE(r.lineCount(), 4); // the empty line is not counted
        QVERIFY(r.covers(core::Team) && r.covers(core::Scor) && !r.covers(core::Smid));
    }
}

void TestArchive::versionCheck()
{
    const QString warning = QStringLiteral(
        "The Restore/Refresh data set program Version does not match the current program Version! It is strongly "
        "advised that you DO NOT restore/refresh with this data set.  Select [No] and then contact your state "
        "Marvolen program supporter for further information.\r\rCAUTION! - Do you wish to continue the "
        "restore/refresh process?");
    for (const Dialogs::Button answer : {Dialogs::No, Dialogs::Ok}) {
        Fixture f;
        f.writeBackup(chars(9, "#T01") + "\r\n", "Nebraska-08-082- Marvolen Data Backup as of 12/10/2026  9:30:15 AM");
        f.env.dialogs.answer(answer);
        QCOMPARE(f.restorer().RestoreFile(true), answer == Dialogs::Ok);
        QCOMPARE(f.env.dialogs.texts(), QStringList{warning});
        QCOMPARE(f.env.dialogs.beeps, 1);
        QCOMPARE(f.data().FindRecord(core::Team, QStringLiteral("T01")), answer == Dialogs::Ok);
    }
    Fixture same;
    same.writeBackup(chars(9, "#T01") + "\r\n");
    QVERIFY(same.restorer().RestoreFile(true));
    QVERIFY(same.env.dialogs.shown.isEmpty());
}

void TestArchive::corruptLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("corrupt");
    QTest::newRow("below 33, not blank") << bytes({31}) + "#T99" << 1;
    QTest::newRow("control character") << bytes({1, 35}) + "T99" << 1;
    QTest::newRow("above 62") << QByteArray("?#T99") << 1;
    QTest::newRow("high byte") << bytes({200, 35}) + "T99" << 1;
    QTest::newRow("temp slot is never open") << QByteArray("!#T99") << 1;
    QTest::newRow("no key piece") << chars(9) << 1;
    QTest::newRow("marker before the key") << chars(9) + bytes({255, 33, 33}) + "T" << 1;
    QTest::newRow("section line") << QByteArray(" )JC Teams") << 0;
}

void TestArchive::corruptLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, corrupt);
    Fixture f;
    f.add(core::Team, QStringLiteral("T01"), {{1, QStringLiteral("one")}});
    const auto before = f.records(core::Team);
    f.writeBackup(line + "\r\n" + chars(9, "#T02") + "\r\n");
    Restorer r = f.restorer();
    QVERIFY(r.RestoreFile(true));
    QCOMPARE(r.corruptLines(), corrupt);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    auto after = f.records(core::Team);
    QVERIFY(after.erase(QStringLiteral("T02")) == 1);
    QCOMPARE(after, before);
    QVERIFY(!f.data().FindRecord(core::Team, QStringLiteral("T99")));
}

void TestArchive::clearCoversOnlyListedTables()
{
    Fixture f;
    f.add(core::Team, QStringLiteral("T01"));
    f.add(core::Team, QStringLiteral("T02"));
    f.add(core::Smid, QStringLiteral("ABC0001"), {{1, QStringLiteral("Last")}});
    f.add(core::Parm, QStringLiteral("Extra"), {{2, QStringLiteral("keep")}});
    f.add(core::Syst, QStringLiteral("TMine"), {{1, QStringLiteral("keep")}});
    const int parmCount = f.data().RecordCount(core::Parm);
    f.writeBackup(" \"System\r\n &Parameters\r\n )JC Teams\r\n" + chars(9, "#T03") + "\r\n" +
                  chars(6, "%Extra") + bytes({255, 34, 35}) + "new\r\n");
    Restorer r = f.restorer();
    QStringList labels;
    r.onLabel = [&](const QString& l) { labels << l; };
    QVERIFY(r.OpenRestoreFile());
    r.ClearCoveredTables(true);
    QCOMPARE(f.data().RecordCount(core::Team), 0);
    QCOMPARE(f.data().deletionCounter(), 2);
    QCOMPARE(labels, (QStringList{"Clear file progress...", "Teams"}));
    QCOMPARE(f.data().RecordCount(core::Smid), 1);
    QCOMPARE(f.data().RecordCount(core::Parm), parmCount);
    QVERIFY(f.data().FindRecord(core::Syst, QStringLiteral("TMine")));
    QVERIFY(r.RestoreFile(true));
    QCOMPARE(f.records(core::Team).size(), std::size_t(1));
    QVERIFY(f.data().FindRecord(core::Team, QStringLiteral("T03")));
    QCOMPARE(f.field(core::Parm, QStringLiteral("Extra"), 2), QStringLiteral("new"));
}

void TestArchive::mergeKeepsAbsentFields()
{
    Fixture f;
    f.add(core::Team, QStringLiteral("T01"),
          {{1, QStringLiteral("x")}, {2, QStringLiteral("y")}, {3, QStringLiteral("z")}});
    f.add(core::Team, QStringLiteral("T05"), {{1, QStringLiteral("stays")}});
    f.writeBackup(chars(9, "#T01") + "!A" + bytes({255, 35, 33}) + "C\r\n");
    QVERIFY(f.restorer().RestoreFile(false));
    QCOMPARE(f.field(core::Team, QStringLiteral("T01"), 1), QStringLiteral("A"));
    QCOMPARE(f.field(core::Team, QStringLiteral("T01"), 2), QStringLiteral("y"));
    QCOMPARE(f.field(core::Team, QStringLiteral("T01"), 3), QStringLiteral("C"));
    QCOMPARE(f.field(core::Team, QStringLiteral("T05"), 1), QStringLiteral("stays"));
}

void TestArchive::integrityError_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("existed");
    const int delta = 105; // Team: "Delta" follows the coach
    QTest::newRow("marker piece at Delta, new record")
        << chars(9, "#T01") + bytes({255, delta + 32, 33}) + "X" << false;
    QTest::newRow("marker piece past Delta, existing record")
        << chars(9, "#T01") + "!A" + bytes({255, delta + 40, 33}) + "X" << true;
    QTest::newRow("plain piece reaching Delta")
        << chars(9, "#T01") + bytes({255, delta - 1 + 32, 33}) + "Y" + "!Z" << true;
    QTest::newRow("length past the end of the file") << chars(9, "#T01") + bytes({255, 34, 120}) + "short" << true;
    QTest::newRow("marker re-keying the record") << chars(9, "#T01") + bytes({255, 32, 33}) + "Q" << true;
    QTest::newRow("blank where a piece starts") << chars(9, "#T01") + " ab" << false;
}

void TestArchive::integrityError()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, existed);
    Fixture f;
    QCOMPARE(f.data().FieldIndex(core::Team, QStringLiteral("Delta")), 105);
    if (existed)
        f.add(core::Team, QStringLiteral("T01"), {{1, QStringLiteral("old")}});
    f.writeBackup(" )JC Teams\r\n" + line + "\r\n" + chars(9, "#T02") + "\r\n");
    Restorer r = f.restorer();
    QVERIFY(r.RestoreFile(true));
    const QByteArray shownLine = line.left(line.indexOf("\r") < 0 ? 100 : line.indexOf("\r")).left(100);
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("Restore Data Integrity Error!  [Teams]  [3]\r\r") +
                         Windows1252::decode(shownLine) + QStringLiteral("...\r\rThis record will not be processed!")});
    QVERIFY(!f.data().FindRecord(core::Team, QStringLiteral("T01")));
    QVERIFY(f.data().FindRecord(core::Team, QStringLiteral("T02"))); // the restore went on
    QCOMPARE(r.corruptLines(), 0);
}

void TestArchive::multiLineValuesAndDamagedLengths()
{
    Fixture f;
    const QString question = QStringLiteral("Which breed?\r\n1. Angus\r\n2. Hereford");
    const QString answer = QStringLiteral("1\n");
    f.add(core::Ques, QStringLiteral("Q0001"), {{8, question}, {9, answer}, {10, QStringLiteral("\r")}});
    f.add(core::Ques, QStringLiteral("Q0002"), {{8, QStringLiteral("plain")}});
    BackupWriter writer(f.data());
    archive::SectionSet only14;
    only14.set(14);
    writer.setSections(only14);
    QVERIFY(writer.WriteBackup(QStringLiteral("C:\\"), 1));
    QByteArray file = f.read(QStringLiteral("C:\\mvBack.Txt"));
    QVERIFY(file.contains(question.toLatin1()));

    f.data().DeleteAllRecords(core::Ques, false);
    // A line whose last length runs past the end of the file follows the good ones.
    f.write(QStringLiteral("C:\\mvBack.Txt"), file + chars(15, "&Q0003") + bytes({255, 40, 200}) + "cut");
    Restorer r = f.restorer();
    QVERIFY(r.RestoreFile(true));
    QCOMPARE(f.field(core::Ques, QStringLiteral("Q0001"), 8), question);
    QCOMPARE(f.field(core::Ques, QStringLiteral("Q0001"), 9), answer);
    QCOMPARE(f.field(core::Ques, QStringLiteral("Q0001"), 10), QStringLiteral("\r"));
    QCOMPARE(f.field(core::Ques, QStringLiteral("Q0002"), 8), QStringLiteral("plain"));
    QVERIFY(!f.data().FindRecord(core::Ques, QStringLiteral("Q0003")));
    QCOMPARE(f.env.dialogs.shown.size(), 1);
    QVERIFY(f.env.dialogs.last().startsWith(QStringLiteral("Restore Data Integrity Error!  [Questions]  [5]")));
}

void TestArchive::roundTripEveryTable()
{
    Fixture f;
    QRandomGenerator random(7);
    const QString odd = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ ¡¿ÀÑñÿ");
    std::map<int, std::map<QString, QStringList>> before;
    for (int s = 1; s <= archive::SectionCount; ++s) {
        const int t = archive::sectionTable(s);
        const int delta = f.data().FieldIndex(t, QStringLiteral("Delta"));
        QVERIFY2(delta >= 1, qPrintable(core::slotLabel(t)));
        for (int r = 0; r < 4; ++r) {
            const QString key = core::slotLabel(t) + QString::number(r) + (r == 3 ? odd.left(3) : QString());
            f.data().AddRecord(t, key);
            for (int i = 1; i < delta; ++i) {
                QString value;
                switch (random.bounded(6)) {
                case 0: break; // empty fields exercise the marker pieces
                case 1: value = QString(222, QChar(u'a' + i % 26)); break;
                case 2: value = QStringLiteral("line one\r\nline two\r\n"); break;
                case 3: value = odd; break;
                case 4: value = QString(1, QChar(0xFF)); break;
                default: value = QString::number(random.bounded(100000)); break;
                }
                if (!value.isEmpty())
                    f.data().WriteField(t, i, value);
            }
        }
        before[t] = f.records(t);
    }
    f.add(core::Card, QStringLiteral("NOTBACKEDUP"));

    QVERIFY(BackupWriter(f.data()).WriteBackup(QStringLiteral("C:\\"), 1));
    Restorer r = f.restorer();
    QVERIFY(r.OpenRestoreFile());
    QCOMPARE(r.sectionNames().size(), archive::SectionCount);
    r.ClearCoveredTables(true);
    QCOMPARE(f.data().RecordCount(core::Team), 0);
    QCOMPARE(f.data().RecordCount(core::Card), 1);
    QVERIFY(r.RestoreFile(true));
    QCOMPARE(r.corruptLines(), 0);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    for (const auto& [t, records] : before)
        QVERIFY2(f.records(t) == records, qPrintable(core::slotLabel(t)));
}

void TestArchive::damagedFilesNeverBreakTables()
{
    Fixture f;
    f.add(core::Team, QStringLiteral("T01"), {{1, QStringLiteral("1")}, {3, QStringLiteral("Alpha")}});
    f.add(core::Ques, QStringLiteral("Q1"), {{8, QStringLiteral("a\r\nb")}});
    f.add(core::Clas, QStringLiteral("C1"), {{160, QStringLiteral("last answer")}});
    f.add(core::Smid, QStringLiteral("ABC0001"), {{1, QStringLiteral("Smith")}, {2, QStringLiteral("Ann")}});
    QVERIFY(BackupWriter(f.data()).WriteBackup(QStringLiteral("C:\\"), 1));
    const QByteArray good = f.read(QStringLiteral("C:\\mvBack.Txt"));

    QRandomGenerator random(20261210);
    const char special[] = {'\r', '\n', char(255), ' ', char(32 + 30), char(33), char(254), char(0)};
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = good;
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits && !damaged.isEmpty(); ++e) {
            const qsizetype at = random.bounded(int(damaged.size()));
            switch (random.bounded(5)) {
            case 0: damaged[at] = char(random.bounded(256)); break;
            case 1: damaged[at] = special[random.bounded(int(sizeof special))]; break;
            case 2: damaged.insert(at, special[random.bounded(int(sizeof special))]); break;
            case 3: damaged.remove(at, 1 + random.bounded(20)); break;
            default: damaged.truncate(at); break;
            }
        }
        f.write(QStringLiteral("C:\\mvBack.Txt"), damaged);
        f.env.dialogs.clear();
        Restorer r = f.restorer();
        if (r.OpenRestoreFile())
            r.ClearCoveredTables(random.bounded(2) == 0);
        r.RestoreFile(true);
        for (int t = core::Syst; t <= core::LastTable; ++t) {
            QVERIFY2(f.data().slot(t).table.isOpen(), qPrintable(core::slotLabel(t)));
            const int count = f.data().RecordCount(t);
            int seen = 0;
            f.data().BeginScan(t);
            while (f.data().GetNextRec(t))
                ++seen;
            QVERIFY(seen <= count);
        }
        QVERIFY(!f.program.closing); // no sequence error
    }
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
