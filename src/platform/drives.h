#pragma once

#include <QString>

namespace platform {

// Drive letters of the program's paths map to folders under one host folder, the drives root:
// "C:\HWK" is <root>/c/HWK. A letter exists when its folder does (it may be a symbolic link).
class Drives
{
public:
    // $MARVOLEN_DRIVES, else <XDG data home>/marvolen/drives; tests set it directly.
    static QString root();
    static void setRoot(const QString& hostFolder);
    static QString defaultRoot();

    static bool exists(QChar letter);
    static QString hostFolder(QChar letter);

    // Turns a drive-letter path into a host path. "\" and "/" both separate; each component
    // that exists is matched without regard to case, new components keep their spelling.
    // A path without a drive letter is taken as a host path as it stands.
    static QString resolve(const QString& path);
};

} // namespace platform
