// The output destination window for the screenshot tour.
#include "core/program.h"
#include "core/ui/screens.h"
#include "output/ui/outputdestinationwindow.h"

#include <QCoreApplication>
#include <QTextStream>

void saveOutputWindows(core::Screens& screens, const QString& dir, QTextStream& out)
{
    auto* window = qobject_cast<output::OutputDestinationWindow*>(screens.window(core::OutputScreen));
    if (!window)
        return;
    const int screen = screens.program().currentScreen;
    window->ShowOutputDestination(0);
    QCoreApplication::processEvents();
    const QString file = dir + QStringLiteral("/output-destination.png");
    window->grab().save(file);
    out << file << '\n';
    window->cancel();
    screens.program().currentScreen = screen;
}
