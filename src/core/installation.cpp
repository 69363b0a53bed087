#include "core/installation.h"

#include "core/datamaster.h"
#include "core/edition.h"
#include "core/installpaths.h"
#include "core/tablelayouts.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace core {

using platform::Files;

const NewTableCode* NewTableCodes(int* count)
{
    static const NewTableCode codes[] = {{"NTGrou052903", Grou}, {"NTGids052903", Gids}, {"NTOffi100903", Offi},
                                         {"NTSmid052304", Smid}, {"NTSlid052304", Slid}, {"NTScou052304", Scou},
                                         {"NTCard110305", Card}, {"NTSexb091206", Sexb}, {"NTScls091206", Scls}};
    *count = int(std::size(codes));
    return codes;
}

void WriteTableShell(int table, const QString& path)
{
    platform::KeyedTable::createFile(path, slotBaseName(table), layoutFields(table));
}

void WriteBackgroundPicture(int menu, const QString& path)
{
    // One colour family per screen so the windows are told apart at a glance.
    static const QColor tones[9] = {{40, 70, 110},  {40, 70, 110},  {40, 70, 110}, {60, 90, 70},  {90, 60, 40},
                                    {50, 80, 120}, {90, 80, 40}, {70, 70, 90}, {80, 50, 70}};
    const QColor base = tones[(menu >= 0 && menu <= 8) ? menu : 0];
    QImage image(800, 520, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, base.lighter(190));
    gradient.setColorAt(1, base.lighter(120));
    p.fillRect(image.rect(), gradient);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // A four-leaf emblem in the middle.
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    p.setBrush(QColor(255, 255, 255, 70));
    for (const QPointF d : {QPointF(-48, -48), QPointF(48, -48), QPointF(-48, 48), QPointF(48, 48)})
        p.drawEllipse(centre + d, 56, 56);
    p.setBrush(base.darker(110));
    p.drawEllipse(centre, 30, 30);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRect(QRectF(0, image.height() - 36, image.width(), 36));
    p.end();
    image.save(platform::Drives::resolve(path), "BMP");
}

QString CreateInstallation(const QString& drive)
{
    const InstallPaths paths{drive, QStringLiteral("\\HWK")};
    if (Files::exists(paths.marker()) || Files::exists(drive + QStringLiteral("\\Marvolen\\Marvolen.loc")))
        return QStringLiteral("An installation exists on %1 already; nothing was changed.").arg(drive);
    const QString state = paths.stateFolder();
    for (const QString& folder : QStringList{state, paths.shellsFolder(), paths.changesFolder(), paths.newTablesFolder(),
                                  paths.root() + QStringLiteral("\\dataxfer")})
        if (!Files::makeFolder(folder))
            return QStringLiteral("Cannot create the folder %1.").arg(folder);
    try {
        WriteTableShell(Syst, state + QStringLiteral("System.db"));
        for (int t = FirstDataTable; t <= LastTable; ++t) {
            WriteTableShell(t, state + slotFileName(t));
            WriteTableShell(t, paths.shellsFolder() + slotFileName(t));
        }
        int count = 0;
        const NewTableCode* codes = NewTableCodes(&count);
        for (int i = 0; i < count; ++i)
            WriteTableShell(codes[i].table, paths.newTablesFolder() + slotFileName(codes[i].table));
        for (int menu : {1, 3, 4, 5, 6, 7, 8})
            WriteBackgroundPicture(menu, state + QStringLiteral("I%1.bmp").arg(menu));
        Files::createEmpty(paths.marker());
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    return {};
}

} // namespace core
