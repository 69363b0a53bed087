#include "testenv.h"

#include "core/installation.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/random.h"
#include "platform/shellopen.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QtTest>

namespace testsupport {

QDateTime pinnedNow()
{
    return QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15));
}

QByteArray golden(const QString& path, const QByteArray& actual)
{
    if (qEnvironmentVariableIsSet("MARVOLEN_REGENERATE")) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(actual);
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return "<missing golden file " + path.toUtf8() + '>';
    return in.readAll();
}

QString golden(const QString& path, const QString& actual)
{
    return QString::fromUtf8(golden(path, actual.toUtf8()));
}

TestEnv::TestEnv()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    platform::Drives::setRoot(m_dir.path());
    platform::Clock::pin(pinnedNow());
    platform::Random::seed(12345);
    platform::ShellOpen::setRecording(true);
    platform::ShellOpen::clearRecorded();
}

TestEnv::~TestEnv()
{
    platform::Drives::setRoot(QString());
    platform::Clock::pin(QDateTime());
}

QString TestEnv::host(const QString& dosPath) const
{
    return platform::Drives::resolve(dosPath);
}

void TestEnv::makeDrive(QChar letter)
{
    QDir().mkpath(platform::Drives::hostFolder(letter));
}

core::InstallPaths TestEnv::install(const QString& drive)
{
    makeDrive(drive.at(0));
    const QString error = core::CreateInstallation(drive);
    if (!error.isEmpty())
        qFatal("installation failed: %s", qPrintable(error));
    return core::InstallPaths{drive, QStringLiteral("\\HWK")};
}

} // namespace testsupport
