#include "judging/classresults.h"

#include "core/datamaster.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/results.h"

#include <algorithm>
#include <array>

namespace judging {

namespace {

// The county lists offer the first 25 characters of a county.
constexpr int CountyLineLength = 25;

bool ShowsEntryAndScore(int classType)
{
    return classType == RegularClass || classType == KeepCullClass || classType == OtherClass;
}

} // namespace

QString ClassCellText(int classType, const QString& entry, qint64 score)
{
    const QString shown = entry.trimmed().isEmpty() ? QStringLiteral("0") : entry.trimmed();
    if (ShowsEntryAndScore(classType))
        return shown + QLatin1Char('/') + QString::number(score);
    return shown;
}

int ClassCellOffset(int classType)
{
    if (classType == RegularClass)
        return 20;
    if (classType == KeepCullClass || classType == OtherClass)
        return 19;
    return 21;
}

ClassResults::ClassResults(core::DataMaster& data, const QString& contestKey,
                           const std::vector<ClassChoice>& classes, const ResultsFilter& filter)
    : m_data(data), m_contestKey(contestKey)
{
    for (const ClassChoice& choice : classes) {
        if (int(m_classes.size()) >= MaxResultClasses)
            break;
        ResultClass c;
        c.number = choice.key.mid(ContestKeyLength, 3);
        c.title = choice.title;
        if (data.FindRecord(core::Clas, ClassKey(contestKey, c.number)))
            c.type = data.ReadFieldInt(core::Clas, ClasField::Type);
        m_classes.push_back(c);
        m_classNumbers << c.number;
    }

    if (!data.FindRecord(core::Cont, contestKey))
        return;
    m_maxMembers = std::clamp(data.ReadFieldInt(core::Cont, ContField::MaxMembers), 0, MaxMembers);
    m_judged = data.ReadFieldInt(core::Cont, ContField::ScoresSaved);
    std::array<int, LevelCount + 1> counts{};
    for (int level = 1; level <= LevelCount; ++level)
        counts[std::size_t(level)] = std::clamp(data.ReadFieldInt(core::Cont, ContField::levelCount(level)), 0, 99);

    for (int level = 1; level <= LevelCount; ++level) {
        const QString code = LevelCode(level);
        for (int s = 1; s <= counts[std::size_t(level)]; ++s) {
            ResultsEntry e{level, code, EntryNumber(level, s), QString()};
            e.teamKey = TeamKey(contestKey, code, e.entryNumber);
            if (!data.FindRecord(core::Team, e.teamKey))
                continue;
            const QString county = data.ReadField(core::Team, TeamField::County);
            if (filter.mode == ResultsFilter::CountyCodes && !filter.values.contains(county.left(3)))
                continue;
            if (filter.mode == ResultsFilter::CountyTexts && !filter.values.contains(county.left(CountyLineLength)))
                continue;
            m_entries.push_back(e);
        }
    }
}

EntryResults ClassResults::read(const ResultsEntry& entry) const
{
    EntryResults r;
    r.entry = entry;
    r.teamLevel = IsTeamLevel(entry.level);
    if (!m_data.FindRecord(core::Team, entry.teamKey))
        return r;
    r.county = m_data.ReadField(core::Team, TeamField::County);
    r.teamName = m_data.ReadField(core::Team, TeamField::TeamName);
    for (int k = 1; k <= m_maxMembers; ++k) {
        MemberResults m;
        m.position = k;
        m.contestant = ContestantNumber(entry.entryNumber, k);
        m.name = m_data.ReadField(core::Team, TeamField::memberName(k)).trimmed().left(21);
        if (m.named())
            r.lastNamed = k;
        r.members.push_back(m);
    }

    std::array<qint64, MaxMembers> totals{};
    for (MemberResults& m : r.members) {
        m.cells.resize(m_classes.size());
        if (!m.named())
            continue;
        for (std::size_t i = 0; i < m_classes.size(); ++i) {
            const QString key = ScoreKey(ClassKey(m_contestKey, m_classes[i].number), entry.levelCode, m.contestant);
            if (!m_data.FindRecord(core::Scor, key))
                continue;
            const qint64 score = m_data.ReadField(core::Scor, ScorField::Score).trimmed().toLongLong();
            m.cells[i] = ClassCellText(m_classes[i].type, m_data.ReadField(core::Scor, ScorField::Entry), score);
        }
        m.total = ClassTotal(m_data, m_contestKey, m_classNumbers, entry.levelCode, m.contestant);
        totals[std::size_t(m.position - 1)] = m.total;
    }
    if (r.teamLevel)
        r.teamTotal = TeamTotalOf(totals, m_judged, m_maxMembers).total;
    return r;
}

} // namespace judging
