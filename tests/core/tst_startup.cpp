#include "core/datamaster.h"
#include "core/edition.h"
#include "core/installation.h"
#include "core/installpaths.h"
#include "core/program.h"
#include "core/tablelayouts.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "testenv.h"

#include <QtTest>

using core::Program;

namespace {
QByteArray readHost(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One clean run: start-up, start-up tasks, whatever `work` does, exit.
void cleanRun(const core::InstallPaths& paths, const std::function<void(Program&)>& work = {})
{
    Program p(paths);
    p.RunStartupSequence();
    p.RunStartupTasks();
    if (work)
        work(p);
    p.ExitProgram();
}

QString parm(Program& p, const QString& name, int field = core::ParmField::Value)
{
    return p.data().FindRecord(core::Parm, name) ? p.data().ReadField(core::Parm, field) : QStringLiteral("<none>");
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void driveScanFindsFirstInstallation()
    {
        testsupport::TestEnv env;
        QVERIFY(!core::FindBaseFolder());
        // D: without the maker folder, E: with it: D: wins and its paths lack "\HWK".
        env.makeDrive(QLatin1Char('c'));
        QVERIFY(platform::Files::makeFolder(QStringLiteral("D:\\Marvolen")));
        platform::Files::createEmpty(QStringLiteral("D:\\Marvolen\\Marvolen.loc"));
        env.install(QStringLiteral("E:"));
        auto found = core::FindBaseFolder();
        QVERIFY(found);
        QCOMPARE(found->drive, QStringLiteral("D:"));
        QCOMPARE(found->flagFile(), QStringLiteral("D:\\Openuser.flg"));
        // The marker is found whatever the case of the folders on disk.
        QDir(env.host(QStringLiteral("D:\\"))).rename(QStringLiteral("Marvolen"), QStringLiteral("MARVOLEN"));
        QCOMPARE(core::FindBaseFolder()->drive, QStringLiteral("D:"));
        platform::Files::remove(QStringLiteral("D:\\Marvolen\\Marvolen.loc"));
        found = core::FindBaseFolder();
        QCOMPARE(found->drive, QStringLiteral("E:"));
        QCOMPARE(found->maker, QStringLiteral("\\HWK"));
    }

    void setupRefusesExistingInstallation()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        const QString shell = env.host(paths.shellsFolder() + QStringLiteral("Team1.db"));
        QVERIFY(QFile::exists(shell));
        QVERIFY(!QFile::exists(env.host(paths.shellsFolder() + QStringLiteral("System.db"))));
        QVERIFY(!core::CreateInstallation(QStringLiteral("C:")).isEmpty());
        for (const char* pic : {"I1", "I3", "I4", "I5", "I6", "I7", "I8"})
            QVERIFY(!QImage(env.host(paths.stateFolder() + QString::fromLatin1(pic) + QStringLiteral(".bmp"))).isNull());
        QVERIFY(QFileInfo(env.host(QStringLiteral("C:\\HWK\\dataxfer"))).isDir());
    }

    void firstStartLogAndParameters()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        Program p(paths);
        p.RunStartupSequence();
        const QStringList log = QString::fromLocal8Bit(readHost(env.host(paths.progressLog()))).split(QStringLiteral("\r\n"));
        QCOMPARE(log.first(), QStringLiteral("Starting Marvolen at 12/10/2026 9:30:15 AM"));
        QVERIFY(log.contains(QStringLiteral("Open data table 5 [SCou]")));
        QCOMPARE(log.indexOf(QStringLiteral("Get system parameters...")),
                 log.indexOf(QStringLiteral("Open data table 30 [Scls]")) + 1);
        QCOMPARE(log.at(log.size() - 2), QStringLiteral("All files and arrays open - Data Master is running..."));

        QCOMPARE(parm(p, QStringLiteral("ZipDrive")), QStringLiteral("D:"));
        QCOMPARE(parm(p, QStringLiteral("ZipDrive"), core::ParmField::Prompt),
                 QStringLiteral("100 MB Zip drive letter (D: E: F: G: etc.)"));
        QCOMPARE(parm(p, QStringLiteral("ZipDrive"), 8), QStringLiteral("H:"));
        QCOMPARE(parm(p, QStringLiteral("FloppyDrive"), core::ParmField::ChoiceCount), QStringLiteral("2"));
        QCOMPARE(parm(p, QStringLiteral("FloppyDrive"), 6), QString());
        QCOMPARE(parm(p, QStringLiteral("VersionNumber")), QStringLiteral("08-083"));
        QCOMPARE(parm(p, QStringLiteral("VersionNumber"), core::ParmField::Kind), QStringLiteral("T"));
        QCOMPARE(parm(p, QStringLiteral("M6")), QStringLiteral("I6.bmp"));
        QCOMPARE(parm(p, QStringLiteral("M6"), core::ParmField::Prompt), QStringLiteral("Menu 6 Image Name"));
        QCOMPARE(parm(p, QStringLiteral("M2")), QStringLiteral("<none>"));
        QCOMPARE(parm(p, QStringLiteral("AccessCount")), QStringLiteral("1"));
        QCOMPARE(parm(p, QStringLiteral("BackUpDate")), QStringLiteral("<none>"));
        QCOMPARE(p.data().RecordCount(core::Parm), 12);
        QCOMPARE(env.dialogs.shown.size(), 0);
        QVERIFY(!p.supportDataPresent);
        p.ExitProgram();
    }

    void changesSurviveCleanExitOnly()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        cleanRun(paths, [](Program& p) {
            p.data().AddRecord(core::Team, QStringLiteral("KEPT"));
            p.data().FindRecord(core::Parm, QStringLiteral("BackDrive"));
            p.data().WriteField(core::Parm, core::ParmField::Value, QStringLiteral("D:"));
        });
        {
            // Killed: no exit sequence runs.
            Program p(paths);
            p.RunStartupSequence();
            QCOMPARE(p.parameters().backDrive, QStringLiteral("D:")); // the user's change survives
            QVERIFY(p.data().FindRecord(core::Team, QStringLiteral("KEPT")));
            p.data().AddRecord(core::Team, QStringLiteral("LOST"));
        }
        Program p(paths);
        p.RunStartupSequence();
        QVERIFY(p.data().FindRecord(core::Team, QStringLiteral("KEPT")));
        QVERIFY(!p.data().FindRecord(core::Team, QStringLiteral("LOST")));
        QCOMPARE(parm(p, QStringLiteral("AccessCount")), QStringLiteral("2")); // the killed run was not saved
        p.ExitProgram();
        QVERIFY(!QFileInfo::exists(env.host(paths.savesFolder()) + QStringLiteral("/Team1.db.part")));
    }

    void accessCountAndVersionCheck()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        int backups = 0;
        for (int run = 1; run <= 3; ++run) {
            env.dialogs.clear();
            Program p(paths);
            p.onVersionChangeBackup = [&] { ++backups; };
            p.RunStartupSequence();
            p.RunStartupTasks();
            QCOMPARE(p.accessCount, run);
            QVERIFY(p.data().FindRecord(core::Syst, QStringLiteral("Version")));
            QCOMPARE(p.data().ReadField(core::Syst, 1), QStringLiteral("08-083"));
            QCOMPARE(env.dialogs.texts(), run == 1 ? QStringList{p.versionChangeMessage()} : QStringList());
            p.ExitProgram();
        }
        QCOMPARE(backups, 1);
        // Another version on the data set is a version change again.
        cleanRun(paths, [](Program& p) {
            p.data().FindRecord(core::Syst, QStringLiteral("Version"));
            p.data().WriteField(core::Syst, 1, QStringLiteral("07-001"));
        });
        env.dialogs.clear();
        cleanRun(paths);
        QCOMPARE(env.dialogs.shown.size(), 1);
        QCOMPARE(env.dialogs.beeps, 1);
        QCOMPARE(env.dialogs.shown.first().kind, platform::Dialogs::Kind::Information);
    }

    void backupReminder_data()
    {
        QTest::addColumn<QString>("backUpDate");
        QTest::addColumn<bool>("warned");
        QTest::newRow("no record") << "<none>" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("seven days") << "12/3/2026 4:00:00 PM" << false;
        QTest::newRow("eight days") << "12/2/2026 4:00:00 PM" << true;
        QTest::newRow("last year") << "12/31/2025 1:00:00 PM" << true;
    }
    void backupReminder()
    {
        QFETCH(QString, backUpDate);
        QFETCH(bool, warned);
        testsupport::TestEnv env;
        const auto paths = env.install();
        cleanRun(paths, [&](Program& p) {
            if (backUpDate == QLatin1String("<none>"))
                return;
            p.data().AddRecord(core::Parm, QStringLiteral("BackUpDate"));
            p.data().WriteField(core::Parm, core::ParmField::Value, backUpDate);
        });
        env.dialogs.clear();
        cleanRun(paths);
        QCOMPARE(env.dialogs.texts().contains(QStringLiteral("The Last Backup Of This Data Set Has Exceeded Seven Days!")),
                 warned);
    }

    void missingTableComesBackFromSaves()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        cleanRun(paths, [](Program& p) { p.data().AddRecord(core::Scou, QStringLiteral("ADA")); });
        QVERIFY(QFile::remove(env.host(paths.stateFolder() + QStringLiteral("Scou1.db"))));
        env.dialogs.clear();
        Program p(paths);
        p.RunStartupSequence();
        QCOMPARE(env.dialogs.texts(), QStringList{QStringLiteral("Missing Data File [SCou]!  A new shell will be loaded.")});
        QCOMPARE(env.dialogs.beeps, 1);
        QVERIFY(p.data().FindRecord(core::Scou, QStringLiteral("ADA")));
        p.ExitProgram();
    }

    void missingTableWithoutSavesGetsShell()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        QVERIFY(QFile::remove(env.host(paths.stateFolder() + QStringLiteral("Card1.db"))));
        Program p(paths);
        p.RunStartupSequence();
        QCOMPARE(p.data().RecordCount(core::Card), 0);
        QCOMPARE(p.data().FieldCount(core::Card), int(core::layoutFields(core::Card).size()));
        p.ExitProgram();
    }

    void updateDiskLeavesDataAndSavesEqual()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        Program p(paths);
        p.RunStartupSequence();
        p.data().AddRecord(core::Cont, QStringLiteral("LS121026"));
        p.data().WriteField(core::Cont, 1, QStringLiteral("Livestock"));
        p.UpdateDisk();
        QVERIFY(p.data().FindRecord(core::Cont, QStringLiteral("LS121026")));
        QCOMPARE(p.data().ReadField(core::Cont, 1), QStringLiteral("Livestock"));
        for (int t = core::Syst; t <= core::LastTable; ++t) {
            const QString name = core::slotFileName(t);
            QCOMPARE(readHost(env.host(paths.stateFolder() + name)), readHost(env.host(paths.savesFolder() + name)));
        }
        p.data().WriteField(core::Cont, 1, QStringLiteral("after update")); // tables are open again
        p.ExitProgram();
    }

    void supportDataPresentNeedsAllThree()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        cleanRun(paths, [](Program& p) {
            p.data().AddRecord(core::Smid, QStringLiteral("ADA0001"));
            p.data().AddRecord(core::Scou, QStringLiteral("ADA"));
        });
        {
            Program p(paths);
            p.RunStartupSequence();
            QVERIFY(!p.supportDataPresent);
            p.data().AddRecord(core::Slid, QStringLiteral("ADA0001"));
            p.ExitProgram();
        }
        Program p(paths);
        p.RunStartupSequence();
        QVERIFY(p.supportDataPresent);
        p.ExitProgram();
    }

    void emptyTablesStayEmptyAcrossRuns()
    {
        // Posting an untouched blank record must not store a record: an empty Smid would
        // otherwise count as support data at the next start.
        testsupport::TestEnv env;
        const auto paths = env.install();
        cleanRun(paths);
        cleanRun(paths);
        Program p(paths);
        p.RunStartupSequence();
        QCOMPARE(p.data().RecordCount(core::Smid), 0);
        QCOMPARE(p.data().RecordCount(core::Team), 0);
        p.ExitProgram();
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
