#include "archive/ui/archivewindow.h"
#include "archive/ui/backuppanel.h"
#include "archive/ui/restorepanel.h"
#include "core/datamaster.h"
#include "core/program.h"
#include "core/ui/screens.h"
#include "panelkit.h"
#include "testenv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using platform::Dialogs;

using namespace kit;

namespace {

struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};

    Fixture()
    {
        program.RunStartupSequence();
        env.dialogs.clear();
        program.data().AddRecord(core::Team, QStringLiteral("T01"));
        program.data().WriteField(core::Team, 1, QStringLiteral("1"));
    }
    QByteArray read(const QString& dosPath)
    {
        QFile f(env.host(dosPath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void put(const QString& dosPath, const QByteArray& bytes)
    {
        QFile f(env.host(dosPath));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

class TestArchivePanels : public QObject
{
    Q_OBJECT

private slots:
    void backupPanelOpens();
    void hardDiskChoicesWriteTwoFiles_data();
    void hardDiskChoicesWriteTwoFiles();
    void missingMediumRetryAndCancel();
    void nonEmptyMedium();
    void restorePanelRestoresAndCloses();
    void clearAndRestoreCancelledChangesNothing();
    void enterMovesFocus();
    void windowMenus();
};

void TestArchivePanels::backupPanelOpens()
{
    Fixture f;
    f.program.data().DefineParameter(QStringLiteral("BackUpDate"), QString(), QStringLiteral("12/1/2026 8:00:00 AM"), 0);
    archive::BackupPanel panel(f.program);
    for (int s = 1; s <= 26; ++s)
        QVERIFY(child<QCheckBox>(&panel, QStringLiteral("section%1").arg(s))->isChecked());
    QCOMPARE(child<QCheckBox>(&panel, QStringLiteral("section13"))->text(), QStringLiteral("QB Quizes"));
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("backup"))->isEnabled());
    QVERIFY(child<QListWidget>(&panel, QStringLiteral("fileList"))->isHidden());
    QCOMPARE(child<QPushButton>(&panel, QStringLiteral("lastBackup"))->text(), QStringLiteral("12/1/2026 8:00:00 AM"));
    QCOMPARE(child<QRadioButton>(&panel, QStringLiteral("destination1"))->text(), QStringLiteral("A:\\    [1.44 MB Disk Drive]"));
    QCOMPARE(child<QRadioButton>(&panel, QStringLiteral("destination2"))->text(), QStringLiteral("D:\\    [100 MB Zip Drive]"));
    QCOMPARE(child<QRadioButton>(&panel, QStringLiteral("destination3"))->text(), QStringLiteral("C:\\    [Hard Drive]"));
    QCOMPARE(child<QRadioButton>(&panel, QStringLiteral("destination4"))->text(), QStringLiteral("Marvolen State Folder"));

    click(&panel, QStringLiteral("clear"));
    QVERIFY(!child<QCheckBox>(&panel, QStringLiteral("section1"))->isChecked());
    click(&panel, QStringLiteral("destination3"));
    QVERIFY(child<QPushButton>(&panel, QStringLiteral("backup"))->isEnabled());
    click(&panel, QStringLiteral("clear"));
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("backup"))->isEnabled());
    click(&panel, QStringLiteral("selectAll"));
    QVERIFY(child<QCheckBox>(&panel, QStringLiteral("section26"))->isChecked());
}

void TestArchivePanels::hardDiskChoicesWriteTwoFiles_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("hard drive") << 3;
    QTest::newRow("state folder") << 4;
}

void TestArchivePanels::hardDiskChoicesWriteTwoFiles()
{
    QFETCH(int, choice);
    Fixture f;
    f.program.data().DefineParameter(QStringLiteral("BackUpDate"), QString(), QStringLiteral("1/1/2026 1:00:00 AM"), 0);
    archive::BackupPanel panel(f.program);
    click(&panel, QStringLiteral("destination%1").arg(choice));
    click(&panel, QStringLiteral("backup"));
    const QByteArray root = f.read(QStringLiteral("C:\\mvBack.Txt"));
    QVERIFY(root.contains("#T01!1"));
    QCOMPARE(f.read(f.paths.stateFolder() + QStringLiteral("mvBack.Txt")), root);
    QCOMPARE(child<QPushButton>(&panel, QStringLiteral("lastBackup"))->text(), QStringLiteral("12/10/2026 9:30:15 AM"));
    auto* gauge = child<QProgressBar>(&panel, QStringLiteral("gauge"));
    QCOMPARE(gauge->value(), gauge->maximum());
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestArchivePanels::missingMediumRetryAndCancel()
{
    Fixture f;
    archive::BackupPanel panel(f.program);
    click(&panel, QStringLiteral("destination1"));
    f.env.dialogs.answer(Dialogs::Retry);
    f.env.dialogs.answer(Dialogs::Cancel);
    click(&panel, QStringLiteral("backup"));
    QCOMPARE(f.env.dialogs.texts(), QStringList(2, QStringLiteral("Diskette not found in drive A:\\")));
    QCOMPARE(f.env.dialogs.shown.first().buttons, Dialogs::Cancel | Dialogs::Retry);
    QVERIFY(!QFile::exists(f.env.host(QStringLiteral("A:\\mvBack.Txt"))));

    // With the medium in, the probe passes at once and the backup is written.
    f.env.dialogs.clear();
    f.env.makeDrive(QLatin1Char('A'));
    click(&panel, QStringLiteral("backup"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QVERIFY(f.read(QStringLiteral("A:\\mvBack.Txt")).contains("#T01"));
    QCOMPARE(QDir(f.env.host(QStringLiteral("A:\\"))).entryList(QDir::Files), QStringList{"mvBack.Txt"});
}

void TestArchivePanels::nonEmptyMedium()
{
    Fixture f;
    f.env.makeDrive(QLatin1Char('D'));
    f.put(QStringLiteral("D:\\old.txt"), "12345");
    f.put(QStringLiteral("D:\\photo.jpg"), "1");
    archive::BackupPanel panel(f.program);
    click(&panel, QStringLiteral("destination2"));
    click(&panel, QStringLiteral("backup"));
    auto* list = child<QListWidget>(&panel, QStringLiteral("fileList"));
    QVERIFY(!list->isHidden());
    QCOMPARE(child<QLabel>(&panel, QStringLiteral("fileTitle"))->text(),
             QStringLiteral("File...                           Bytes..."));
    QCOMPARE(items(list), (QStringList{QStringLiteral("old.txt") + QString(45 - 21, QLatin1Char(' ')) + "5",
                                       QStringLiteral("photo.jpg") + QString(45 - 27, QLatin1Char(' ')) + "1"}));
    QVERIFY(!QFile::exists(f.env.host(QStringLiteral("D:\\mvBack.Txt"))));

    // Another medium: Cancel ends, OK probes again and lists the files still there.
    f.env.dialogs.answer(Dialogs::Ok);
    click(&panel, QStringLiteral("exchangeDiskette"));
    QCOMPARE(f.env.dialogs.shown.size(), 1);
    QCOMPARE(items(list).size(), 2);

    f.env.dialogs.answer(Dialogs::No);
    click(&panel, QStringLiteral("deleteFiles"));
    QVERIFY(QFile::exists(f.env.host(QStringLiteral("D:\\old.txt"))));
    f.env.dialogs.answer(Dialogs::Ok);
    click(&panel, QStringLiteral("deleteFiles"));
    QCOMPARE(QDir(f.env.host(QStringLiteral("D:\\"))).entryList(QDir::Files), QStringList{"mvBack.Txt"});
    QVERIFY(list->isHidden());
}

void TestArchivePanels::restorePanelRestoresAndCloses()
{
    Fixture f;
    int closed = 0;
    archive::RestorePanel panel(f.program, [&] { ++closed; });
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("openRestoreFile"))->isEnabled());
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("restoreData"))->isEnabled());
    QCOMPARE(child<QLabel>(&panel, QStringLiteral("progressLabel"))->text(), QStringLiteral("Progress..."));
    click(&panel, QStringLiteral("location3"));
    click(&panel, QStringLiteral("openRestoreFile"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Marvolen Backup File Not Found on C:\\")});
    QVERIFY(!child<QPushButton>(&panel, QStringLiteral("restoreData"))->isEnabled());

    f.put(QStringLiteral("C:\\MVBACK.TXT"), "Nebraska-08-083- Marvolen Data Backup as of 12/10/2026  9:30:15 AM\r\n"
                                             " )JC Teams\r\n)#T02!2\r\n?bad\r\n");
    f.env.dialogs.clear();
    click(&panel, QStringLiteral("openRestoreFile"));
    QCOMPARE(child<QPushButton>(&panel, QStringLiteral("header"))->text(),
             QStringLiteral("Nebraska-08-083- Marvolen Data Backup as of 12/10/2026  9:30:15 AM"));
    QCOMPARE(items(child<QListWidget>(&panel, QStringLiteral("sections"))), QStringList{"JC Teams"});
    QVERIFY(child<QPushButton>(&panel, QStringLiteral("restoreData"))->isEnabled());
    QVERIFY(child<QPushButton>(&panel, QStringLiteral("clearAndRestoreData"))->isEnabled());

    click(&panel, QStringLiteral("restoreData"));
    QCOMPARE(f.env.dialogs.texts(),
             (QStringList{QStringLiteral("Confirm Data Restore!"),
                          QStringLiteral("Marvolen will now automatically close.  This process allows for any low level "
                                         "operational parameters that might have been changed during the restore to "
                                         "be re-read and used upon startup.")}));
    QCOMPARE(f.env.dialogs.shown.first().buttons, Dialogs::Ok | Dialogs::Cancel);
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(closed, 1);
    QVERIFY(f.program.data().FindRecord(core::Team, QStringLiteral("T01"))); // merged, not cleared
    QCOMPARE(f.program.data().FindRecord(core::Team, QStringLiteral("T02")), true);
    QCOMPARE(child<QLineEdit>(&panel, QStringLiteral("corruptLines"))->text(), QStringLiteral("1"));
    auto* gauge = child<QProgressBar>(&panel, QStringLiteral("gauge"));
    QCOMPARE(gauge->maximum(), 4);
    QCOMPARE(gauge->value(), 4);
}

void TestArchivePanels::clearAndRestoreCancelledChangesNothing()
{
    Fixture f;
    int closed = 0;
    archive::RestorePanel panel(f.program, [&] { ++closed; });
    f.put(f.paths.stateFolder() + QStringLiteral("mvBack.Txt"),
          "Nebraska-08-083- Marvolen Data Backup as of 12/10/2026  9:30:15 AM\r\n )JC Teams\r\n)#T02\r\n");
    click(&panel, QStringLiteral("location4"));
    click(&panel, QStringLiteral("openRestoreFile"));
    f.env.dialogs.answer(Dialogs::Cancel);
    click(&panel, QStringLiteral("clearAndRestoreData"));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("Confirm Data REMOVAL and Restore!\rCAUTION - Images and Photos are NOT backed up!")});
    QVERIFY(f.program.data().FindRecord(core::Team, QStringLiteral("T01")));
    QCOMPARE(closed, 0);

    click(&panel, QStringLiteral("clearAndRestoreData"));
    QVERIFY(!f.program.data().FindRecord(core::Team, QStringLiteral("T01")));
    QVERIFY(f.program.data().FindRecord(core::Team, QStringLiteral("T02")));
    QCOMPARE(closed, 1);
}

void TestArchivePanels::enterMovesFocus()
{
    Fixture f;
    archive::BackupPanel panel(f.program);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto* first = child<QCheckBox>(&panel, QStringLiteral("section1"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    QVERIFY(first->isChecked()); // Enter does not toggle
    QVERIFY(panel.focusWidget() != first);
    QVERIFY(qobject_cast<QCheckBox*>(panel.focusWidget()));
}

void TestArchivePanels::windowMenus()
{
    Fixture f;
    core::Screens screens(f.program);
    archive::ArchiveWindow window(screens);
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("pendingNote")));
    window.findChild<QAction*>(QStringLiteral("restoreAction"))->trigger();
    QCOMPARE(window.panels()->currentWidget(), static_cast<QWidget*>(window.restorePanel()));
    window.findChild<QAction*>(QStringLiteral("backupAction"))->trigger();
    QCOMPARE(window.panels()->currentWidget(), static_cast<QWidget*>(window.backupPanel()));
    click(window.backupPanel(), QStringLiteral("exit"));
    QCOMPARE(window.panels()->currentWidget()->objectName(), QStringLiteral("picture"));
    QVERIFY(!f.program.closing);
}

QTEST_MAIN(TestArchivePanels)
#include "tst_archivepanels.moc"
