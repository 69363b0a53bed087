#include "core/installpaths.h"

#include "core/edition.h"
#include "platform/files.h"

namespace core {

QString InstallPaths::stateFolder() const
{
    return productFolder() + QLatin1Char('\\') + Edition::stateCode() + QLatin1Char('\\');
}

std::optional<InstallPaths> FindBaseFolder()
{
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const QString drive = QChar::fromLatin1(letter) + QStringLiteral(":");
        for (const QString& maker : {QStringLiteral("\\HWK"), QString()}) {
            const InstallPaths paths{drive, maker};
            if (platform::Files::exists(paths.marker()))
                return paths;
        }
    }
    return std::nullopt;
}

} // namespace core
