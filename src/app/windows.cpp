#include "app/windows.h"

#include "archive/ui/archivewindow.h"
#include "core/installpaths.h"
#include "core/program.h"
#include "core/ui/mainwindow.h"
#include "core/ui/progresswindow.h"
#include "core/ui/screens.h"
#include "judging/ui/judgingwindow.h"
#include "output/outputdestination.h"
#include "output/ui/outputdestinationwindow.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "quiz/ui/quizwindow.h"
#include "shooting/ui/shootingwindow.h"
#include "utilities/ui/utilitieswindow.h"

#include <QApplication>

namespace app {

Windows::Windows(core::Screens& screens)
{
    auto keep = [&](int number, QWidget* w) {
        all.emplace_back(w);
        screens.add(number, w);
    };
    // Set before the main window runs the start-up sequence, whose last step it is.
    core::Program& program = screens.program();
    program.onFindPdfPrinter = [&program] { output::FindPdfPrinter(program); };
    main = new core::MainWindow(screens);
    keep(core::MainScreen, main);
    auto* progress = new core::ProgressWindow;
    keep(core::ProgressScreen, progress);
    screens.program().onSnapshotProgress = [progress](int value, int maximum) { progress->setProgress(value, maximum); };
    keep(core::ArchiveScreen, new archive::ArchiveWindow(screens));
    screens.program().onVersionChangeBackup = [&screens] { archive::WriteVersionChangeBackup(screens.program().data()); };
    keep(core::JudgingScreen, new judging::JudgingWindow(screens));
    keep(core::QuizScreen, new quiz::QuizWindow(screens));
    keep(core::UtilitiesScreen, new utilities::UtilitiesWindow(screens));
    keep(core::OutputScreen, new output::OutputDestinationWindow(screens));
    // The table upgrade window comes with the upgrades.
    keep(core::ShootingScreen, new shooting::ShootingWindow(screens));
}

Windows::~Windows()
{
    // Reverse order: the main window, owner of the run, goes last.
    while (!all.empty())
        all.pop_back();
}

int RunProgram()
{
    using platform::Dialogs;
    const QString notFound = QStringLiteral(
        "Application Base (or networked mapped) Drive Can Not Be Found!\r\rVerify that a full system installation has "
        "been done.  An upgrade executable will not run alone.");
    const std::optional<core::InstallPaths> paths = core::FindBaseFolder();
    if (!paths) {
        Dialogs::error(notFound, Dialogs::Cancel);
        return 1;
    }
    // One exclusive create: two starts at the same moment cannot both pass.
    if (!platform::Files::createExclusive(paths->flagFile())) {
        Dialogs::error(QStringLiteral("This (or another) Halvick Works application has been opened\rlocally (or on the "
                                      "network) by another user!"),
                       Dialogs::Cancel);
        return 1;
    }
    int code = 0;
    {
        core::Program program(*paths);
        core::Screens screens(program);
        Windows windows(screens);
        screens.ShowScreen({core::MainScreen});
        code = QApplication::exec();
        if (!program.closing) {
            program.closing = true;
            screens.ShowScreen({core::MainScreen});
        }
    }
    platform::Files::remove(paths->flagFile());
    return code;
}

} // namespace app
