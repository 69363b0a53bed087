#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace core {
class DataMaster;
}

namespace judging {

struct Award;

constexpr int MaxListClasses = 100;

// "ALL" becomes every class of the contest in key order; three-digit pieces whose class is
// missing are skipped; a remainder shorter than three ends the list.
QStringList ExpandClassList(core::DataMaster& data, const QString& contestKey, const QString& list);

// The award header's cells of a list as written ("ALL" expanded): class number without leading
// zeros, a blank and the title; an empty cell where the class has no record.
QStringList ClassListCells(core::DataMaster& data, const QString& contestKey, const QString& list);

// Sum of the contestant's scores over the classes; a missing score adds nothing.
qint64 ClassTotal(core::DataMaster& data, const QString& contestKey, const QStringList& classNumbers,
                  const QString& levelCode, const QString& contestantNumber);

// The best `judged` of the members' totals; `dropped` gets the position (1..maxMembers) left out
// from the tie-breakers, 0 when none.
struct TeamTotal
{
    qint64 total = 0;
    int dropped = 0;
};
TeamTotal TeamTotalOf(const std::array<qint64, 20>& totals, int judged, int maxMembers);

// The scores of one contest read at once, for runs that total many contestants over many
// classes (award processing).
class ContestScores
{
public:
    ContestScores(core::DataMaster& data, const QString& contestKey);
    // As ClassTotal, from what was read.
    qint64 total(const QStringList& classNumbers, const QString& levelCode, const QString& contestantNumber) const;

private:
    QHash<QString, qint64> m_scores; // class number + level code + contestant number
};

// Writes the Calc records of the award (type decides the units), replacing those of any award
// with the same number. Reads the contest's scores first unless they are given.
void ProcessAward(core::DataMaster& data, const QString& contestKey, const Award& award,
                  const ContestScores* scores = nullptr);

struct RankedUnit
{
    std::array<qint64, 4> totals{};
    QString key;
};
// The exchange procedure; `high` gives the tie-breakers' directions.
void OrderUnits(std::vector<RankedUnit>& units, const std::array<bool, 3>& high);
// The award's Calc records in rank order.
std::vector<RankedUnit> RankAward(core::DataMaster& data, const QString& contestKey, const Award& award);

} // namespace judging
