#include "judging/entries.h"

#include "core/datamaster.h"
#include "core/supporttables.h"
#include "core/texthelpers.h"
#include "judging/fields.h"

namespace judging {

std::array<int, LevelCount + 1> CountEntriesByLevel(core::DataMaster& data, const QString& contestKey)
{
    std::array<int, LevelCount + 1> counts{};
    data.BeginScan(core::Team);
    while (data.GetNextRec(core::Team)) {
        const QString key = data.CurrentKey(core::Team);
        if (key.startsWith(contestKey))
            ++counts[std::size_t(LevelIndex(key.mid(ContestKeyLength, 2)))];
    }
    counts[0] = 0;
    return counts;
}

QString LevelCountLabel(int setUp, int entered)
{
    return QStringLiteral("[%1 - %2 - %3]").arg(setUp).arg(entered).arg(setUp - entered);
}

QString ProposeEntryNumber(core::DataMaster& data, const QString& contestKey, int level, int setUp)
{
    for (int s = 1; s <= setUp && s <= 99; ++s) {
        const QString number = EntryNumber(level, s);
        if (!data.FindRecord(core::Team, TeamKey(contestKey, LevelCode(level), number)))
            return number;
    }
    return {};
}

QStringList EntryLines(core::DataMaster& data, const QString& contestKey, const QString& levelCode)
{
    QStringList lines;
    const QString prefix = contestKey + levelCode;
    const int length = int(prefix.size());
    for (bool found = data.FindPrefix(core::Team, prefix, length, true); found;
         found = data.FindPrefix(core::Team, prefix, length, false))
        lines << data.CurrentKey(core::Team) + QStringLiteral("  ") + data.ReadField(core::Team, TeamField::County) +
                     QStringLiteral(" / ") + data.ReadField(core::Team, TeamField::TeamName);
    return lines;
}

QStringList EntryCountyLines(core::DataMaster& data, bool withSupportCounties)
{
    QStringList lines = {QStringLiteral("+NH Non 4H"), QStringLiteral("+MC Multi-County")};
    if (withSupportCounties)
        lines << core::CountyLines(data);
    return lines;
}

bool ReadEntry(core::DataMaster& data, const QString& teamKey, Entry& entry)
{
    if (!data.FindRecord(core::Team, teamKey))
        return false;
    entry = Entry();
    entry.entryNumber = data.ReadField(core::Team, TeamField::EntryNumber);
    entry.county = data.ReadField(core::Team, TeamField::County);
    entry.teamName = data.ReadField(core::Team, TeamField::TeamName);
    entry.coach = data.ReadField(core::Team, TeamField::TeamCoach);
    for (int k = 1; k <= MaxMembers; ++k) {
        entry.names[std::size_t(k)] = data.ReadField(core::Team, TeamField::memberName(k));
        entry.groups[std::size_t(k)] = data.ReadField(core::Team, TeamField::assignedGroup(k));
        entry.levels[std::size_t(k)] = data.ReadFieldInt(core::Team, TeamField::memberLevel(k));
    }
    return true;
}

void WriteEntry(core::DataMaster& data, const QString& teamKey, const Entry& entry, int members)
{
    data.AddRecord(core::Team, teamKey);
    data.WriteField(core::Team, TeamField::EntryNumber, entry.entryNumber);
    data.WriteField(core::Team, TeamField::County, entry.county);
    data.WriteField(core::Team, TeamField::TeamName, entry.teamName);
    data.WriteField(core::Team, TeamField::TeamCoach, entry.coach);
    for (int k = 1; k <= members && k <= MaxMembers; ++k) {
        data.WriteField(core::Team, TeamField::memberName(k), entry.names[std::size_t(k)]);
        const int level = entry.levels[std::size_t(k)];
        data.WriteFieldInt(core::Team, TeamField::memberLevel(k), (level >= 1 && level <= 3) ? level : NoMemberLevel);
    }
}

QString EntrySaveRefusal(const Entry& entry, int level, int members)
{
    if (entry.county.isEmpty())
        return QStringLiteral("A County name is required!");
    if (entry.teamName.isEmpty())
        return QStringLiteral("A Team name is required!");
    if (level != AdultLevel)
        for (int k = 1; k <= members && k <= MaxMembers; ++k) {
            const int l = entry.levels[std::size_t(k)];
            if (!entry.names[std::size_t(k)].isEmpty() && (l < 1 || l > 3))
                return QStringLiteral("One or more contestants does not have not have a level button selected.");
        }
    return {};
}

UsedGroups ReadUsedGroups(core::DataMaster& data, const QString& contestKey, const QString& levelCode)
{
    UsedGroups used;
    const QString prefix = contestKey + levelCode;
    const int length = int(prefix.size());
    for (bool found = data.FindPrefix(core::Team, prefix, length, true); found;
         found = data.FindPrefix(core::Team, prefix, length, false)) {
        const QString entryNumber = data.CurrentKey(core::Team).mid(length, 3);
        for (int k = 1; k <= MaxMembers; ++k) {
            if (data.ReadField(core::Team, TeamField::memberName(k)).isEmpty())
                continue;
            const QString code = AssignedGroupCode(data.ReadField(core::Team, TeamField::assignedGroup(k)));
            if (!code.isEmpty())
                used[ContestantNumber(entryNumber, k)] = code;
        }
    }
    return used;
}

GroupCheck CheckAssignedGroup(const QString& typed, int groups, const UsedGroups& used, const QString& contestant)
{
    if (typed.isEmpty())
        return GroupCheck::Empty;
    const QString code = core::UpperCaseAscii(typed);
    const QChar letter = code.at(0);
    const QChar lastLetter(char16_t('A' + std::min(groups, 26) - 1));
    if (code.size() > 3 || letter < QLatin1Char('A') || letter > lastLetter)
        return GroupCheck::BadFormat;
    if (code.size() < 2)
        return GroupCheck::TooShort;
    const QString order = code.mid(1);
    if (!core::IsAllDigits(order) || order.toInt() < 1)
        return GroupCheck::BadFormat;
    for (const auto& [who, taken] : used)
        if (taken == code && who != contestant)
            return GroupCheck::Taken;
    return GroupCheck::Accepted;
}

QString AssignedGroupField(const QString& code, const QString& entryNumber, int member)
{
    return code + QLatin1Char('-') + EntryNumberValue(entryNumber) + MemberLetter(member);
}

QString AssignedGroupCode(const QString& field)
{
    return field.section(QLatin1Char('-'), 0, 0).left(3);
}

void DeleteEntryScores(core::DataMaster& data, const QString& contestKey, const QString& levelCode,
                       const QString& entryNumber, int member)
{
    const QString tail = member ? levelCode + ContestantNumber(entryNumber, member) : levelCode + entryNumber;
    QStringList& keys = data.keyBuffer();
    keys.clear();
    for (bool found = data.FindPrefix(core::Scor, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Scor, contestKey, ContestKeyLength, false)) {
        const QString key = data.CurrentKey(core::Scor);
        if (key.mid(ClassKeyLength, tail.size()) == tail)
            keys << key;
    }
    for (const QString& key : keys)
        data.DeleteRecord(core::Scor, key);
    keys.clear();
}

void DeleteEntry(core::DataMaster& data, const QString& teamKey)
{
    if (teamKey.size() < TeamKeyLength)
        return;
    DeleteEntryScores(data, teamKey.left(ContestKeyLength), teamKey.mid(ContestKeyLength, 2),
                      teamKey.mid(ContestKeyLength + 2), 0);
    data.DeleteRecord(core::Team, teamKey);
}

QStringList ContestCounties(core::DataMaster& data, const QString& contestKey)
{
    QStringList counties;
    for (bool found = data.FindPrefix(core::Team, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Team, contestKey, ContestKeyLength, false)) {
        const QString county = data.ReadField(core::Team, TeamField::County).left(25);
        if (!counties.contains(county))
            counties << county;
    }
    return counties;
}

} // namespace judging
