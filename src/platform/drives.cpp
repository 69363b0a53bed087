#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace platform {

namespace {
QString& rootOverride()
{
    static QString value;
    return value;
}

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
}
} // namespace

QString Drives::defaultRoot()
{
    const QByteArray env = qgetenv("MARVOLEN_DRIVES");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/marvolen/drives");
}

QString Drives::root()
{
    return rootOverride().isEmpty() ? defaultRoot() : rootOverride();
}

void Drives::setRoot(const QString& hostFolder)
{
    rootOverride() = hostFolder;
}

QString Drives::hostFolder(QChar letter)
{
    return root() + QLatin1Char('/') + letter.toLower();
}

bool Drives::exists(QChar letter)
{
    return QFileInfo(hostFolder(letter)).isDir();
}

QString Drives::resolve(const QString& path)
{
    if (!hasDriveLetter(path))
        return path;
    QString host = hostFolder(path.at(0));
    const QStringList parts = path.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    bool matching = true;
    for (const QString& part : parts) {
        QString name = part;
        if (part == QLatin1String(".")) continue;
        if (matching) {
            QDir dir(host);
            if (!dir.exists(part)) {
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                auto it = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
                    return e.compare(part, Qt::CaseInsensitive) == 0;
                });
                if (it != entries.end())
                    name = *it;
                else
                    matching = false;
            }
        }
        host += QLatin1Char('/') + name;
    }
    return host;
}

} // namespace platform
