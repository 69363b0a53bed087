#include "app/windows.h"
#include "core/ui/errorguard.h"

int main(int argc, char** argv)
{
    core::GuardedApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Marvolen"));
    application.setQuitOnLastWindowClosed(false);
    return app::RunProgram();
}
