#include "app/windows.h"
#include "core/program.h"
#include "core/ui/mainwindow.h"
#include "core/ui/screens.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "testenv.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

namespace {
QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

QWidget* visibleWindow(core::Screens& screens)
{
    QWidget* found = nullptr;
    for (int n : {1, 3, 4, 5, 6, 9})
        if (screens.window(n) && screens.window(n)->isVisible()) {
            if (found)
                return nullptr; // more than one
            found = screens.window(n);
        }
    return found;
}
} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void gotoMenuWalksEveryWindowAndExits()
    {
        testsupport::TestEnv env;
        const auto paths = env.install();
        core::Program program(paths);
        core::Screens screens(program);
        app::Windows windows(screens);
        screens.ShowScreen({core::MainScreen});
        core::MainWindow* main = windows.main;
        QVERIFY(main->windowTitle().startsWith(QStringLiteral("Nebraska    Marvolen 2006  [08-083]  ")));
        QVERIFY(!main->picture().isNull());

        // Until the start-up task has run only Exit is offered.
        QVERIFY(action(main, "gotoExit")->isEnabled());
        QVERIFY(!action(main, "gotoJudging")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(main->startupTasksDone(), core::MainWindow::StartupTaskDelayMs * 3);
        QVERIFY(action(main, "gotoJudging")->isEnabled());
        QVERIFY(main->windowTitle().endsWith(QStringLiteral("  1")));
        QCOMPARE(env.dialogs.texts(), QStringList{program.versionChangeMessage()});

        const std::pair<const char*, int> walk[] = {{"gotoArchive", 3}, {"gotoJudging", 4}, {"gotoQuiz", 5},
                                                    {"gotoShooting", 9}, {"gotoUtilities", 6}, {"gotoMain", 1}};
        QWidget* current = main;
        for (const auto& [name, number] : walk) {
            action(current, name)->trigger();
            current = visibleWindow(screens);
            QVERIFY2(current == screens.window(number), name);
            QCOMPARE(program.currentScreen, number);
            QVERIFY(current->windowTitle().startsWith(QStringLiteral("Nebraska    Marvolen 2006  [08-083]  ")));
        }

        // The information panels and their Return button.
        action(main, "usingKestrow")->trigger();
        auto* panels = main->panels();
        QCOMPARE(panels->currentWidget(), main->kestrowPanel());
        main->kestrowPanel()->findChild<QPushButton*>(QStringLiteral("returnButton"))->click();
        QCOMPARE(panels->currentWidget()->objectName(), QStringLiteral("picture"));

        program.data().AddRecord(core::Team, QStringLiteral("SAVED"));
        action(screens.window(core::QuizScreen), "gotoExit")->trigger();
        QVERIFY(program.exited);
        QVERIFY(!visibleWindow(screens));
        QVERIFY(QFile::exists(env.host(paths.savesFolder() + QStringLiteral("Team1.db"))));
        QCOMPARE(env.dialogs.shown.size(), 1); // no errors on the way
    }

    void programEntryGuardsTheInstallation()
    {
        testsupport::TestEnv env;
        // No installation anywhere.
        QCOMPARE(app::RunProgram(), 1);
        QVERIFY(env.dialogs.last().startsWith(QStringLiteral("Application Base (or networked mapped) Drive Can Not Be Found!")));
        QCOMPARE(env.dialogs.shown.last().buttons, platform::Dialogs::Cancel);

        const auto paths = env.install();
        // A run that ends through Exit removes the flag it made; Exit is pressed once the
        // main window is up.
        QTimer::singleShot(50, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("main")) {
                    QVERIFY(QFile::exists(env.host(paths.flagFile())));
                    w->findChild<QAction*>(QStringLiteral("gotoExit"))->trigger();
                }
        });
        QCOMPARE(app::RunProgram(), 0);
        QVERIFY(!QFile::exists(env.host(paths.flagFile())));
        QVERIFY(QFile::exists(env.host(paths.savesFolder() + QStringLiteral("System.db"))));

        // A flag left by another copy: refused, and the flag stays.
        env.dialogs.clear();
        platform::Files::createEmpty(paths.flagFile());
        QCOMPARE(app::RunProgram(), 1);
        QCOMPARE(env.dialogs.texts(), QStringList{QStringLiteral(
                                          "This (or another) Halvick Works application has been opened\rlocally (or "
                                          "on the network) by another user!")});
        QVERIFY(QFile::exists(env.host(paths.flagFile())));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
