#include "judging/awards.h"

#include "core/datamaster.h"
#include "core/texthelpers.h"
#include "judging/fields.h"
#include "judging/identifiers.h"

namespace judging {

namespace {
const QString all = QStringLiteral("ALL");
}

bool ReadAward(core::DataMaster& data, const QString& awardKey, Award& award)
{
    award = Award();
    if (awardKey.size() != AwardKeyLength || !data.FindRecord(core::Awar, awardKey))
        return false;
    award.type = awardKey.mid(ContestKeyLength, 2);
    award.number = data.ReadField(core::Awar, AwarField::Number);
    award.name = data.ReadField(core::Awar, AwarField::Name);
    award.classes[0] = data.ReadField(core::Awar, AwarField::ScoringClasses);
    for (int n = 1; n <= 3; ++n) {
        award.classes[std::size_t(n)] = data.ReadField(core::Awar, AwarField::tieBreakerClasses(n));
        award.high[std::size_t(n - 1)] = data.ReadField(core::Awar, AwarField::tieBreakerDirection(n)) == QLatin1String("1");
    }
    return true;
}

void WriteAward(core::DataMaster& data, const QString& awardKey, const Award& award)
{
    data.AddRecord(core::Awar, awardKey);
    data.WriteField(core::Awar, AwarField::Number, award.number);
    data.WriteField(core::Awar, AwarField::Name, award.name);
    data.WriteField(core::Awar, AwarField::ScoringClasses, award.classes[0]);
    for (int n = 1; n <= 3; ++n) {
        data.WriteField(core::Awar, AwarField::tieBreakerClasses(n), award.classes[std::size_t(n)]);
        data.WriteField(core::Awar, AwarField::tieBreakerDirection(n),
                        award.high[std::size_t(n - 1)] ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

QStringList AwardLines(core::DataMaster& data, const QString& contestKey)
{
    QStringList lines;
    for (bool found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, false))
        lines << data.CurrentKey(core::Awar) + QStringLiteral("  ") + data.ReadField(core::Awar, AwarField::Name);
    return lines;
}

int NextAwardNumber(core::DataMaster& data, const QString& contestKey)
{
    int highest = 0;
    for (bool found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, false))
        highest = std::max(highest, data.ReadFieldInt(core::Awar, AwarField::Number));
    return highest + 1;
}

QString AddToClassList(const QString& list, const QString& classNumber)
{
    if (list == all)
        return list;
    for (int at = 0; at + 3 <= list.size(); at += 3)
        if (list.mid(at, 3) == classNumber)
            return list;
    return list + classNumber;
}

QString RemoveLastClass(const QString& list)
{
    return list.size() > 2 ? list.left(list.size() - 3) : list;
}

QStringList ClassListTitles(core::DataMaster& data, const QString& contestKey, const QString& list)
{
    QStringList numbers;
    if (list == all) {
        for (bool found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, true); found;
             found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, false))
            numbers << data.CurrentKey(core::Clas).mid(ContestKeyLength);
    } else {
        for (int at = 0; at + 3 <= list.size(); at += 3)
            numbers << list.mid(at, 3);
    }
    QStringList lines;
    for (const QString& number : numbers)
        if (data.FindRecord(core::Clas, ClassKey(contestKey, number)))
            lines << number + QStringLiteral("  ") + data.ReadField(core::Clas, ClasField::Title);
    return lines;
}

} // namespace judging
