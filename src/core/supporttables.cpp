#include "core/supporttables.h"

#include "core/datamaster.h"

namespace core {

QStringList PeopleLines(DataMaster& data, int table, const QString& countyCode)
{
    constexpr int sortKeyWidth = DataMaster::SortEntryWidth - PersonKeyLength;
    data.SortListClear(1);
    data.BeginScan(table);
    while (data.GetNextRec(table)) {
        const QString key = data.CurrentKey(table);
        if (!key.startsWith(countyCode, Qt::CaseInsensitive))
            continue;
        const QString name = data.ReadField(table, SmidField::LastName) + data.ReadField(table, SmidField::FirstName) +
                             data.ReadField(table, SmidField::MiddleInitial) + key;
        data.SortListAdd(1, name.left(sortKeyWidth).leftJustified(sortKeyWidth, QLatin1Char(' ')) +
                                key.left(PersonKeyLength).leftJustified(PersonKeyLength, QLatin1Char(' ')),
                         true, true, PersonKeyLength);
    }
    QStringList lines;
    for (int k = 1; k <= data.SortListCount(1); ++k) {
        // A record removed since the walk is left out.
        if (!data.FindRecord(table, data.SortListPayload(1, k, PersonKeyLength).trimmed()))
            continue;
        const QString person = data.ReadField(table, SmidField::LastName) + QStringLiteral(", ") +
                               data.ReadField(table, SmidField::FirstName) + QLatin1Char(' ') +
                               data.ReadField(table, SmidField::MiddleInitial);
        if (table == Smid)
            lines << data.ReadField(table, SmidField::Age).rightJustified(2, QLatin1Char(' ')) + QStringLiteral("  ") +
                         person;
        else
            lines << person;
    }
    return lines;
}

QStringList CountyLines(DataMaster& data)
{
    QStringList lines;
    data.BeginScan(Scou);
    while (data.GetNextRec(Scou))
        lines << data.CurrentKey(Scou) + QLatin1Char(' ') + data.ReadField(Scou, ScouField::Name);
    return lines;
}

} // namespace core
