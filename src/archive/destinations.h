#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace core {
struct Parameters;
}

namespace archive {

// One of the four places a backup goes to and a restore reads from.
struct Destination
{
    QString caption;
    QStringList backupFolders; // written in this order
    QString restoreFolder;
    bool removable = false;    // probed for a medium, must be empty
};

// Choices 1 to 4 (index 0 unused): floppy, Zip disk, hard disk root, state data folder.
std::array<Destination, 5> destinations(const core::Parameters& parameters, const QString& stateFolder);

} // namespace archive
