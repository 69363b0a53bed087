#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Opens a finished document, a program or a web address with the desktop's handler.
class ShellOpen
{
public:
    // A target starting with "scheme://" or "mailto:" opens as an address,
    // anything else as a local file (drive-letter paths are resolved first).
    static bool open(const QString& target);

    // Test double: while recording, targets are kept instead of opened.
    static void setRecording(bool on);
    static QStringList recorded();
    static void clearRecorded();
};

} // namespace platform
