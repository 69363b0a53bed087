#pragma once

#include <QString>

namespace core {

// "ProgressLog.Txt": one line per start-up step, per opened table and at close. Each line is
// appended, flushed and closed on its own so the file is complete if the next step dies.
class ProgressLog
{
public:
    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }
    // Truncates the file and writes the first line; a log that cannot be made is skipped.
    void start(const QString& firstLine);
    void add(const QString& line) const;

private:
    QString m_path;
};

} // namespace core
