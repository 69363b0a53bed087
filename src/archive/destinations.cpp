#include "archive/destinations.h"

#include "core/parameters.h"

namespace archive {

std::array<Destination, 5> destinations(const core::Parameters& parameters, const QString& stateFolder)
{
    const QString floppy = parameters.floppyDrive + QLatin1Char('\\');
    const QString zip = parameters.zipDrive + QLatin1Char('\\');
    const QString back = parameters.backDrive + QLatin1Char('\\');
    std::array<Destination, 5> d;
    d[1] = {floppy + QStringLiteral("    [1.44 MB Disk Drive]"), {floppy}, floppy, true};
    d[2] = {zip + QStringLiteral("    [100 MB Zip Drive]"), {zip}, zip, true};
    d[3] = {back + QStringLiteral("    [Hard Drive]"), {back, stateFolder}, back, false};
    d[4] = {QStringLiteral("Marvolen State Folder"), {stateFolder, back}, stateFolder, false};
    return d;
}

} // namespace archive
