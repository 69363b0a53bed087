#include "platform/shellopen.h"

#include "platform/drives.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {
struct Recorder
{
    bool on = false;
    QStringList calls;
};
Recorder& recorder()
{
    static Recorder r;
    return r;
}
} // namespace

bool ShellOpen::open(const QString& target)
{
    if (recorder().on) {
        recorder().calls.append(target);
        return true;
    }
    const bool address = target.contains(QLatin1String("://")) ||
                         target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    const QUrl url = address ? QUrl(target) : QUrl::fromLocalFile(Drives::resolve(target));
    return QDesktopServices::openUrl(url);
}

void ShellOpen::setRecording(bool on)
{
    recorder().on = on;
}

QStringList ShellOpen::recorded()
{
    return recorder().calls;
}

void ShellOpen::clearRecorded()
{
    recorder().calls.clear();
}

} // namespace platform
