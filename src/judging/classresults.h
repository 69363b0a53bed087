#pragma once

#include "judging/reports/reportframe.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace core {
class DataMaster;
}

namespace judging {

// Class results of chosen classes, entry by entry: what the class results reports print and
// the screen review shows, read in one place so the two never disagree.

constexpr int MaxResultClasses = 24;
constexpr int ClassesPerPage = 12; // one printed page, or one grid of the review screen

struct ResultClass
{
    QString number; // "003"
    QString title;
    int type = 0;
};

// Which entries are taken.
struct ResultsFilter
{
    enum Mode {
        AllContestants,
        CountyCodes, // the first three characters of the county are among `values`
        CountyTexts  // the county, as the county list shows it, is among `values`
    };
    Mode mode = AllContestants;
    QStringList values;
};

struct ResultsEntry
{
    int level = 0;
    QString levelCode;
    QString entryNumber;
    QString teamKey;
};

struct MemberResults
{
    int position = 0;   // 1..M
    QString contestant; // "101a"
    QString name;       // cut to 21 characters; empty: no member at this position
    std::vector<QString> cells; // per class; empty when the member has no score for it
    qint64 total = 0;           // over all the chosen classes
    bool named() const { return !name.isEmpty(); }
};

struct EntryResults
{
    ResultsEntry entry;
    QString county;
    QString teamName;
    std::vector<MemberResults> members; // positions 1..M
    int lastNamed = 0;                  // position of the last member with a name, 0 when none
    bool teamLevel = false;             // the team total is shown for team levels only
    qint64 teamTotal = 0;
};

// A stored entry as a class results cell: "0" for an empty entry; placing, keep/cull and
// other classes add "/" and the score.
QString ClassCellText(int classType, const QString& entry, qint64 score);
// Where the cell of a class starts, relative to 5 (i - 1): placings at 20, keep/cull and other
// classes (one character wider) at 19, the entry alone at 21.
int ClassCellOffset(int classType);

class ClassResults
{
public:
    // At most 24 classes are taken, in the order given.
    ClassResults(core::DataMaster& data, const QString& contestKey, const std::vector<ClassChoice>& classes,
                 const ResultsFilter& filter = {});

    const std::vector<ResultClass>& classes() const { return m_classes; }
    // Levels 1..7 in order, entry numbers 1..the level's set-up count, those that exist and pass
    // the filter.
    const std::vector<ResultsEntry>& entries() const { return m_entries; }
    int maxMembers() const { return m_maxMembers; }

    EntryResults read(const ResultsEntry& entry) const;

private:
    core::DataMaster& m_data;
    QString m_contestKey;
    std::vector<ResultClass> m_classes;
    QStringList m_classNumbers;
    std::vector<ResultsEntry> m_entries;
    int m_maxMembers = 0;
    int m_judged = 0;
};

} // namespace judging
