#include "platform/files.h"

#include "platform/busycursor.h"
#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

FileError::FileError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

bool Files::exists(const QString& path)
{
    return QFileInfo(Drives::resolve(path)).isFile();
}

bool Files::folderExists(const QString& path)
{
    return QFileInfo(Drives::resolve(path)).isDir();
}

bool Files::makeFolder(const QString& path)
{
    return QDir().mkpath(Drives::resolve(path));
}

QStringList Files::list(const QString& folder)
{
    return QDir(Drives::resolve(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool Files::remove(const QString& path)
{
    return QFile::remove(Drives::resolve(path));
}

bool Files::rename(const QString& from, const QString& to)
{
    const QString target = Drives::resolve(to);
    return ::rename(QFile::encodeName(Drives::resolve(from)).constData(), QFile::encodeName(target).constData()) == 0;
}

bool Files::createExclusive(const QString& path)
{
    const int fd = ::open(QFile::encodeName(Drives::resolve(path)).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void Files::createEmpty(const QString& path)
{
    QFile file(Drives::resolve(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

namespace {
QString destinationPath(const QString& source, const QString& destination)
{
    QString target = Drives::resolve(destination);
    if (QFileInfo(target).isDir())
        target += QLatin1Char('/') + QFileInfo(Drives::resolve(source)).fileName();
    return target;
}

void copyHostFile(const QString& sourcePath, const QString& shownSource, const QString& target,
                  const QString& shownTarget)
{
    BusyCursor busy;
    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(shownSource, in.errorString()));
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(shownTarget, out.errorString()));
    QByteArray block;
    do {
        block = in.read(Files::copyBlockSize);
        if (out.write(block) != block.size())
            throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(shownTarget, out.errorString()));
    } while (block.size() == Files::copyBlockSize);
    if (!out.flush())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(shownTarget, out.errorString()));
}
} // namespace

void Files::copy(const QString& source, const QString& destination)
{
    copyHostFile(Drives::resolve(source), source, destinationPath(source, destination), destination);
}

void Files::copyReplacing(const QString& source, const QString& destination)
{
    const QString target = destinationPath(source, destination);
    const QString temporary = target + QStringLiteral(".part");
    try {
        copyHostFile(Drives::resolve(source), source, temporary, destination);
        QFile done(temporary);
        if (done.open(QIODevice::ReadWrite))
            ::fsync(done.handle());
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        throw FileError(QStringLiteral("Cannot create file \"%1\".").arg(destination));
    }
}

void Files::clearReadOnlyAndHidden(const QString& path)
{
    setReadOnly(path, false);
}

bool Files::isReadOnly(const QString& path)
{
    const QFileInfo info(Drives::resolve(path));
    return info.exists() && !(info.permissions() & QFile::WriteOwner);
}

void Files::setReadOnly(const QString& path, bool on)
{
    QFile file(Drives::resolve(path));
    if (!file.exists())
        return;
    QFile::Permissions p = file.permissions();
    if (on)
        p &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
    else
        p |= QFile::WriteOwner | QFile::WriteUser;
    file.setPermissions(p);
}

} // namespace platform
