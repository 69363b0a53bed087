#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace platform {

// A file operation that could not be done; the text is shown to the user as it stands.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// File operations on drive-letter paths (host paths pass through unchanged).
class Files
{
public:
    static bool exists(const QString& path);
    static bool folderExists(const QString& path);
    static bool makeFolder(const QString& path); // with missing parents
    static QStringList list(const QString& folder); // file names only, sorted
    static bool remove(const QString& path);
    static bool rename(const QString& from, const QString& to);

    // Creates an empty file only when none exists; false when it existed or cannot be made.
    static bool createExclusive(const QString& path);
    // Creates an empty file, truncating an old one.
    static void createEmpty(const QString& path);

    // Copies in 8,192-byte blocks. A destination naming a folder receives the source's name.
    // Throws FileError when the source cannot be read or the destination not written.
    static void copy(const QString& source, const QString& destination);
    // The same, through a temporary name beside the destination renamed into place, so the
    // destination is either the old file or the whole new one.
    static void copyReplacing(const QString& source, const QString& destination);

    // Read-only is the owner's write bit; hidden has no host meaning.
    static void clearReadOnlyAndHidden(const QString& path);
    static bool isReadOnly(const QString& path);
    static void setReadOnly(const QString& path, bool on);

    static constexpr qint64 copyBlockSize = 8192;
};

} // namespace platform
