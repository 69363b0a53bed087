// marvolen-screenshots DIR: every window and panel of the program, on a fresh installation
// with a small demo data set, saved as PNG files named window-panel.png.
#include "app/windows.h"
#include "judgingdemo.h"
#include "core/installation.h"
#include "core/installpaths.h"
#include "core/program.h"
#include "core/ui/errorguard.h"
#include "core/ui/mainwindow.h"
#include "core/ui/screens.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/shellopen.h"

#include <QDir>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>

void saveOutputWindows(core::Screens& screens, const QString& dir, QTextStream& out);
void saveReportPages(core::Screens& screens, const QString& dir, QTextStream& out); // reportshots.cpp

namespace {

// A few records so lists and counts are not empty.
void addDemoData(core::DataMaster& data)
{
    data.AddRecord(core::Scou, QStringLiteral("ADA"));
    data.WriteField(core::Scou, 1, QStringLiteral("Adams"));
    data.AddRecord(core::Smid, QStringLiteral("ADA0001"));
    data.WriteField(core::Smid, 1, QStringLiteral("Carver"));
    data.WriteField(core::Smid, 2, QStringLiteral("Lena"));
    data.AddRecord(core::Slid, QStringLiteral("ADA0001"));
    data.WriteField(core::Slid, 1, QStringLiteral("Brandt"));
}

void save(QWidget* w, const QString& dir, const QString& name, QTextStream& out)
{
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    w->grab().save(file);
    out << file << '\n';
}

} // namespace

void AddQuizDemo(core::Screens& screens); // quizdemo.cpp

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    core::GuardedApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: marvolen-screenshots DIR\n";
        return 2;
    }
    const QString dir = QDir(args.first()).absolutePath();
    QDir().mkpath(dir);

    QTemporaryDir drives;
    platform::Drives::setRoot(drives.path());
    platform::ScriptedDialogs dialogs;
    platform::ShellOpen::setRecording(true);
    platform::Clock::pin(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    const QString error = core::CreateInstallation(QStringLiteral("C:"));
    if (!error.isEmpty()) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    core::Program program(*core::FindBaseFolder());
    core::Screens screens(program);
    app::Windows windows(screens);
    addDemoData(program.data());
    AddJudgingDemo(screens);
    AddQuizDemo(screens);
    windows.main->runStartupTasks();

    const std::pair<int, const char*> order[] = {{core::MainScreen, "main"},         {core::ArchiveScreen, "archive"},
                                                 {core::JudgingScreen, "judging"},   {core::QuizScreen, "quiz"},
                                                 {core::UtilitiesScreen, "utilities"}, {core::ShootingScreen, "shooting"}};
    for (const auto& [number, name] : order) {
        auto* window = qobject_cast<core::WorkWindow*>(screens.window(number));
        screens.ShowScreen({number});
        QCoreApplication::processEvents();
        save(window, dir, QString::fromLatin1(name), out);
        QStackedWidget* panels = window->panels();
        for (int i = 1; i < panels->count(); ++i) {
            panels->setCurrentIndex(i);
            QCoreApplication::processEvents();
            save(window, dir, QString::fromLatin1(name) + QLatin1Char('-') + panels->widget(i)->objectName(), out);
        }
        window->showPicture();
    }
    saveOutputWindows(screens, dir, out);
    saveReportPages(screens, dir, out);
    program.closing = true;
    screens.ShowScreen({core::MainScreen});
    return 0;
}
