#include "core/progresslog.h"

#include "platform/drives.h"

#include <QFile>

namespace core {

namespace {
void writeLine(const QString& path, const QString& line, QIODevice::OpenMode mode)
{
    QFile file(platform::Drives::resolve(path));
    if (!file.open(mode | QIODevice::WriteOnly))
        return;
    file.write(line.toLocal8Bit() + "\r\n");
    file.flush();
}
} // namespace

void ProgressLog::start(const QString& firstLine)
{
    if (!m_path.isEmpty())
        writeLine(m_path, firstLine, QIODevice::Truncate);
}

void ProgressLog::add(const QString& line) const
{
    if (!m_path.isEmpty())
        writeLine(m_path, line, QIODevice::Append);
}

} // namespace core
