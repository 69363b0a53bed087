#include "judging/scoring.h"

#include "core/datamaster.h"
#include "judging/fields.h"
#include "judging/identifiers.h"

namespace judging {

namespace {

constexpr int SortList = 1;
constexpr int SortKeyWidth = core::DataMaster::SortEntryWidth - ScoreKeyLength;

int groupField(int groupSort, int k)
{
    switch (groupSort) {
    case TeamRandomSort:
        return TeamField::teamRandomGroup(k);
    case FullRandomSort:
        return TeamField::fullRandomGroup(k);
    case AssignedSort:
        return TeamField::assignedGroup(k);
    default:
        return -1;
    }
}

} // namespace

QString GroupSortCode(const QString& field)
{
    const qsizetype dash = field.indexOf(QLatin1Char('-'));
    if (dash < 0) return QStringLiteral("   ");
    QString code = field.left(dash);
    if (code.size() == 2) code.insert(1, QLatin1Char('0'));
    return code;
}

QString ScoreColumnLine(const QString& entry, const QString& score, int classType)
{
    return (classType == RegularClass || classType == KeepCullClass) ? entry + QLatin1Char('/') + score
                                                                     : entry;
}

std::vector<ScoringContestant> BuildContestants(core::DataMaster& data, const QString& classKey,
                                                const QStringList& levelCodes, int groupSort, int classType)
{
    const QString contestKey = classKey.left(ContestKeyLength);
    data.SortListClear(SortList);
    for (const QString& level : levelCodes) {
        const QString prefix = contestKey + level;
        for (bool found = data.FindPrefix(core::Team, prefix, ContestKeyLength + 2, true); found;
             found = data.FindPrefix(core::Team, prefix, ContestKeyLength + 2, false)) {
            const QString entryNumber = data.CurrentKey(core::Team).mid(ContestKeyLength + 2, 3);
            for (int k = 1; k <= MaxMembers; ++k) {
                if (data.ReadField(core::Team, TeamField::memberName(k)).isEmpty()) continue;
                const QString scoreKey = ScoreKey(classKey, level, ContestantNumber(entryNumber, k));
                const int field = groupField(groupSort, k);
                const QString group =
                    field < 0 ? QStringLiteral("   ") : GroupSortCode(data.ReadField(core::Team, field));
                data.SortListAdd(SortList,
                                 QString(group + scoreKey).leftJustified(SortKeyWidth, QLatin1Char(' ')) +
                                     scoreKey,
                                 true, true, ScoreKeyLength);
            }
        }
    }
    std::vector<ScoringContestant> contestants;
    for (int i = 1; i <= data.SortListCount(SortList); ++i) {
        const QString scoreKey = data.SortListPayload(SortList, i, ScoreKeyLength);
        const QString contestant = scoreKey.mid(ClassKeyLength + 2, 4);
        const QString teamKey = TeamKey(contestKey, scoreKey.mid(ClassKeyLength, 2), contestant.left(3));
        if (!data.FindRecord(core::Team, teamKey)) continue;
        ScoringContestant c;
        c.scoreKey = scoreKey;
        c.line = contestant + QStringLiteral("  ") +
                 data.ReadField(core::Team, TeamField::memberName(MemberIndex(contestant.at(3))));
        c.scoreColumn = data.FindRecord(core::Scor, scoreKey)
                            ? ScoreColumnLine(data.ReadField(core::Scor, ScorField::Entry),
                                              data.ReadField(core::Scor, ScorField::Score), classType)
                            : QStringLiteral("   ");
        contestants.push_back(c);
    }
    return contestants;
}

void WriteScore(core::DataMaster& data, const QString& scoreKey, const QString& entry, const QString& score)
{
    data.AddRecord(core::Scor, scoreKey);
    data.WriteField(core::Scor, ScorField::ClassNumber, scoreKey.mid(ContestKeyLength, 3));
    data.WriteField(core::Scor, ScorField::LevelCode, scoreKey.mid(ClassKeyLength, 2));
    data.WriteField(core::Scor, ScorField::ContestantNumber, scoreKey.mid(ClassKeyLength + 2, 4));
    data.WriteField(core::Scor, ScorField::Entry, entry);
    data.WriteField(core::Scor, ScorField::Score, score);
}

} // namespace judging
