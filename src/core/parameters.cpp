#include "core/parameters.h"

#include "core/datamaster.h"

namespace core {

namespace {
QString lookUp(DataMaster& data, const QString& name, const QString& prompt, const QString& value, int choices,
               const QStringList& offered, const QString& kind)
{
    if (!data.FindRecord(Parm, name))
        data.DefineParameter(name, prompt, value, choices, offered.value(0), offered.value(1), offered.value(2),
                             offered.value(3), offered.value(4), kind);
    return data.ReadField(Parm, ParmField::Value);
}

const QString F = QStringLiteral("F");
} // namespace

Parameters LoadParameters(DataMaster& data, const QString& programVersion)
{
    Parameters p;
    p.zipDrive = lookUp(data, QStringLiteral("ZipDrive"), QStringLiteral("100 MB Zip drive letter (D: E: F: G: etc.)"),
                        QStringLiteral("D:"), 5,
                        {QStringLiteral("D:"), QStringLiteral("E:"), QStringLiteral("F:"), QStringLiteral("G:"),
                         QStringLiteral("H:")},
                        F);
    p.backDrive = lookUp(data, QStringLiteral("BackDrive"),
                         QStringLiteral("Hard disk backup drive letter (C: D: E: F: etc.)"), QStringLiteral("C:"), 5,
                         {QStringLiteral("C:"), QStringLiteral("D:"), QStringLiteral("E:"), QStringLiteral("F:"),
                          QStringLiteral("G:")},
                         F);
    p.floppyDrive = lookUp(data, QStringLiteral("FloppyDrive"), QStringLiteral("Floppy disk backup drive letter (A: B:)"),
                           QStringLiteral("A:"), 2, {QStringLiteral("A:"), QStringLiteral("B:")}, F);
    const QString versionName = QStringLiteral("VersionNumber");
    if (data.FindRecord(Parm, versionName))
        data.WriteField(Parm, ParmField::Value, programVersion);
    else
        data.DefineParameter(versionName, QStringLiteral("Kestrow! current version number"), programVersion, 0, {}, {},
                             {}, {}, {}, QStringLiteral("T"));
    for (int n : {1, 3, 4, 5, 6, 7, 8}) {
        const QString number = QString::number(n);
        p.pictures[n] = lookUp(data, QStringLiteral("M") + number, QStringLiteral("Menu ") + number +
                               QStringLiteral(" Image Name"), QStringLiteral("I") + number + QStringLiteral(".bmp"),
                               0, {}, F)
                            .left(23);
    }
    return p;
}

int CountAccess(DataMaster& data)
{
    const QString name = QStringLiteral("AccessCount");
    data.AddRecord(Parm, name);
    data.IncrementField(Parm, ParmField::Value);
    if (data.ReadField(Parm, ParmField::Value).isEmpty())
        data.WriteField(Parm, ParmField::Value, QStringLiteral("1"));
    return data.ReadFieldInt(Parm, ParmField::Value);
}

} // namespace core
