// marvolen-setup [DRIVE]: makes a fresh installation with an empty data set.
#include "core/installation.h"
#include "platform/drives.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // The pictures are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    QString drive = QStringLiteral("C:");
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty()) {
        const QString given = args.first().toUpper();
        if (given.isEmpty() || given.at(0) < QLatin1Char('C') || given.at(0) > QLatin1Char('Z') ||
            (given.size() > 1 && given.mid(1) != QLatin1String(":"))) {
            err << "usage: marvolen-setup [DRIVE]   (a drive letter C: to Z:, default C:)\n";
            return 2;
        }
        drive = given.left(1) + QLatin1Char(':');
    }
    const QString error = core::CreateInstallation(drive);
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    QTextStream(stdout) << "Installation made on " << drive << " ("
                        << platform::Drives::hostFolder(drive.at(0)) << ")\n";
    return 0;
}
