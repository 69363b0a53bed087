#include "judging/results.h"

#include "core/datamaster.h"
#include "judging/awards.h"
#include "judging/fields.h"
#include "judging/identifiers.h"

#include <algorithm>
#include <optional>

namespace judging {

namespace {

// The list with "ALL" replaced by every class number of the contest in key order.
QString ListText(core::DataMaster& data, const QString& contestKey, const QString& list)
{
    if (list != QStringLiteral("ALL"))
        return list;
    QString text;
    for (bool found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, false))
        text += data.CurrentKey(core::Clas).mid(ContestKeyLength, 3);
    return text;
}

} // namespace

QStringList ExpandClassList(core::DataMaster& data, const QString& contestKey, const QString& list)
{
    const QString text = ListText(data, contestKey, list);
    QStringList numbers;
    for (int at = 0; at + 3 <= text.size() && numbers.size() < MaxListClasses; at += 3) {
        const QString number = text.mid(at, 3);
        if (data.FindRecord(core::Clas, ClassKey(contestKey, number)))
            numbers << number;
    }
    return numbers;
}

QStringList ClassListCells(core::DataMaster& data, const QString& contestKey, const QString& list)
{
    const QString text = ListText(data, contestKey, list);
    QStringList cells;
    for (int at = 0; at + 3 <= text.size() && cells.size() < MaxListClasses; at += 3) {
        const QString number = text.mid(at, 3);
        if (data.FindRecord(core::Clas, ClassKey(contestKey, number)))
            cells << QString::number(number.toInt()) + QLatin1Char(' ') + data.ReadField(core::Clas, ClasField::Title);
        else
            cells << QString();
    }
    return cells;
}

qint64 ClassTotal(core::DataMaster& data, const QString& contestKey, const QStringList& classNumbers,
                  const QString& levelCode, const QString& contestantNumber)
{
    qint64 total = 0;
    for (const QString& number : classNumbers)
        if (data.FindRecord(core::Scor, ScoreKey(ClassKey(contestKey, number), levelCode, contestantNumber)))
            total += data.ReadField(core::Scor, ScorField::Score).trimmed().toLongLong();
    return total;
}

TeamTotal TeamTotalOf(const std::array<qint64, 20>& totals, int judged, int maxMembers)
{
    std::array<qint64, 20> sorted = totals;
    std::sort(sorted.begin(), sorted.end());
    TeamTotal result;
    const int counted = std::clamp(judged, 0, 20);
    for (int i = 20 - counted; i < 20; ++i)
        result.total += sorted[static_cast<std::size_t>(i)];
    if (counted >= 20 || counted <= 0)
        return result;
    const qint64 leftOut = sorted[static_cast<std::size_t>(19 - counted)];
    for (int p = std::min(maxMembers, 20); p >= 1; --p)
        if (totals[static_cast<std::size_t>(p - 1)] <= leftOut) {
            result.dropped = p;
            break;
        }
    return result;
}

ContestScores::ContestScores(core::DataMaster& data, const QString& contestKey)
{
    const auto rows = data.ReadFieldByPrefix(core::Scor, contestKey, ScorField::Score);
    m_scores.reserve(qsizetype(rows.size()));
    for (const auto& [key, score] : rows)
        m_scores.insert(key.mid(ContestKeyLength), score.trimmed().toLongLong());
}

qint64 ContestScores::total(const QStringList& classNumbers, const QString& levelCode,
                            const QString& contestantNumber) const
{
    qint64 total = 0;
    const QString member = levelCode + contestantNumber;
    for (const QString& number : classNumbers)
        total += m_scores.value(number + member);
    return total;
}

namespace {

struct Unit
{
    QString levelCode;
    QString entryNumber;
    int member = 0;                 // 0 for a team
    std::array<bool, 20> named{};   // team units: the positions 1..M with a name
};

std::vector<Unit> UnitsOf(core::DataMaster& data, const QString& contestKey, int position, bool team,
                          int maxMembers)
{
    std::vector<Unit> units;
    std::vector<int> levels;
    if (position <= 7)
        levels.push_back(position);
    else
        for (int level = 1; level <= 6; ++level)
            levels.push_back(level);
    if (!data.FindRecord(core::Cont, contestKey))
        return units;
    std::vector<int> counts(8, 0);
    for (int level : levels)
        counts[static_cast<std::size_t>(level)] = data.ReadField(core::Cont, ContField::levelCount(level)).trimmed().toInt();
    for (int level : levels) {
        const QString code = LevelCode(level);
        for (int s = 1; s <= std::min(counts[static_cast<std::size_t>(level)], 99); ++s) {
            const QString entry = EntryNumber(level, s);
            if (!data.FindRecord(core::Team, TeamKey(contestKey, code, entry)))
                continue;
            if (team) {
                Unit unit{code, entry, 0, {}};
                for (int k = 1; k <= maxMembers; ++k)
                    unit.named[static_cast<std::size_t>(k - 1)] =
                        !data.ReadField(core::Team, TeamField::memberName(k)).trimmed().isEmpty();
                units.push_back(unit);
                continue;
            }
            for (int k = 1; k <= std::min(maxMembers, MaxMembers); ++k) {
                if (data.ReadField(core::Team, TeamField::memberName(k)).trimmed().isEmpty())
                    continue;
                const int button = data.ReadField(core::Team, TeamField::memberLevel(k)).trimmed().toInt();
                if ((position == 8 && button != SeniorMember) || (position == 9 && button != IntermediateMember) ||
                    (position == 10 && button != JuniorMember))
                    continue;
                units.push_back({code, entry, k, {}});
            }
        }
    }
    return units;
}

} // namespace

void ProcessAward(core::DataMaster& data, const QString& contestKey, const Award& award, const ContestScores* scores)
{
    const int position = static_cast<int>(AwardTypesProcessingOrder().indexOf(award.type)) + 1;
    if (position < 1)
        return;
    const bool team = position <= 3;
    if (!data.FindRecord(core::Cont, contestKey))
        return;
    const int maxMembers = std::clamp(data.ReadField(core::Cont, ContField::MaxMembers).trimmed().toInt(), 0, MaxMembers);
    const int judged = data.ReadField(core::Cont, ContField::ScoresSaved).trimmed().toInt();
    std::optional<ContestScores> read;
    if (!scores)
        scores = &read.emplace(data, contestKey);
    std::array<QStringList, 4> classes;
    for (std::size_t k = 0; k < 4; ++k)
        classes[k] = ExpandClassList(data, contestKey, award.classes[k]);

    // Calc keys carry the award number but not its type: the records of an award of another
    // type with the same number, processed earlier in the run, would be ranked with this one's.
    core::DataMaster::Batch batch(data);
    const QString numberPrefix = CalcAwardPrefix(contestKey, award.number);
    data.DeleteByPrefix(core::Calc, numberPrefix, int(numberPrefix.size()));
    for (const Unit& unit : UnitsOf(data, contestKey, position, team, maxMembers)) {
        const QString key = CalcKey(contestKey, award.number, unit.levelCode, unit.entryNumber,
                                    unit.member ? MemberLetter(unit.member) : QLatin1Char(' '));
        std::vector<std::pair<int, QString>> fields;
        if (!team) {
            for (int list = 1; list <= 4; ++list)
                fields.emplace_back(list, QString::number(scores->total(classes[std::size_t(list - 1)], unit.levelCode,
                                                                         ContestantNumber(unit.entryNumber, unit.member))));
            data.MergeRecord(core::Calc, key, fields);
            continue;
        }
        // The member left out of the scoring total is left out of the tie-breakers too.
        int dropped = 0;
        for (int list = 1; list <= 4; ++list) {
            std::array<qint64, 20> totals{};
            for (int k = 1; k <= maxMembers; ++k)
                if (unit.named[static_cast<std::size_t>(k - 1)])
                    totals[static_cast<std::size_t>(k - 1)] = scores->total(
                        classes[std::size_t(list - 1)], unit.levelCode, ContestantNumber(unit.entryNumber, k));
            if (list > 1 && dropped > 0)
                totals[static_cast<std::size_t>(dropped - 1)] = 0;
            const TeamTotal result = TeamTotalOf(totals, judged, maxMembers);
            if (list == 1) {
                dropped = result.dropped;
                for (int k = 1; k <= MaxMembers; ++k)
                    fields.emplace_back(CalcField::memberTotal(k), QString::number(totals[static_cast<std::size_t>(k - 1)]));
            }
            fields.emplace_back(list, QString::number(result.total));
        }
        data.MergeRecord(core::Calc, key, fields);
    }
    batch.commit();
}

void OrderUnits(std::vector<RankedUnit>& units, const std::array<bool, 3>& high)
{
    const auto before = [&](const RankedUnit& a, const RankedUnit& b) {
        if (a.totals[0] != b.totals[0])
            return a.totals[0] > b.totals[0];
        for (std::size_t t = 1; t < 4; ++t)
            if (a.totals[t] != b.totals[t])
                return high[t - 1] ? a.totals[t] > b.totals[t] : a.totals[t] < b.totals[t];
        return false;
    };
    for (std::size_t q = units.size(); q >= 2; --q)
        for (std::size_t s = q - 1; s >= 1; --s)
            if (before(units[q - 1], units[s - 1]))
                std::swap(units[q - 1], units[s - 1]);
}

std::vector<RankedUnit> RankAward(core::DataMaster& data, const QString& contestKey, const Award& award)
{
    std::vector<RankedUnit> units;
    const QString prefix = CalcAwardPrefix(contestKey, award.number);
    for (bool found = data.FindPrefix(core::Calc, prefix, static_cast<int>(prefix.size()), true); found;
         found = data.FindPrefix(core::Calc, prefix, static_cast<int>(prefix.size()), false)) {
        RankedUnit unit;
        unit.key = data.CurrentKey(core::Calc);
        for (int t = 0; t < 4; ++t)
            unit.totals[static_cast<std::size_t>(t)] = data.ReadField(core::Calc, t + 1).trimmed().toLongLong();
        units.push_back(unit);
    }
    OrderUnits(units, award.high);
    return units;
}

} // namespace judging
