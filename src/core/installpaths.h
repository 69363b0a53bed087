#pragma once

#include <QString>

#include <optional>

namespace core {

// Where an installation lives: every path is the drive plus the maker folder ("\HWK" or
// empty) plus a fixed tail.
struct InstallPaths
{
    QString drive;  // "C:"
    QString maker;  // "\HWK" or ""

    QString root() const { return drive + maker; }
    QString marker() const { return root() + QStringLiteral("\\Marvolen\\Marvolen.loc"); }
    QString flagFile() const { return root() + QStringLiteral("\\Openuser.flg"); }
    QString productFolder() const { return root() + QStringLiteral("\\Marvolen"); }
    QString stateFolder() const; // ends in "\"
    QString savesFolder() const { return stateFolder() + QStringLiteral("Saves\\"); }
    QString shellsFolder() const { return stateFolder() + QStringLiteral("Shells\\"); }
    QString changesFolder() const { return productFolder() + QStringLiteral("\\Changes\\"); }
    QString newTablesFolder() const { return productFolder() + QStringLiteral("\\NewTables\\"); }
    QString progressLog() const { return stateFolder() + QStringLiteral("ProgressLog.Txt"); }
};

// Scans C: to Z: for the installation marker, "\HWK" first on each drive; the first hit wins.
std::optional<InstallPaths> FindBaseFolder();

} // namespace core
