#pragma once

#include "judging/identifiers.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>

namespace core {
class DataMaster;
}

namespace judging {

// Team records of the contest by level (1..7), counted by the level code in the key.
std::array<int, LevelCount + 1> CountEntriesByLevel(core::DataMaster& data, const QString& contestKey);
// "[" + set-up count + " - " + entered + " - " + remaining + "]"
QString LevelCountLabel(int setUp, int entered);

// The first entry number of the level, sequence 1..setUp, that has no team record; empty when
// every one is taken.
QString ProposeEntryNumber(core::DataMaster& data, const QString& contestKey, int level, int setUp);
// A typed entry number whose last two digits go beyond the level's set-up count.
inline bool ExceedsSetup(int entryNumber, int setUp) { return entryNumber % 100 > setUp; }

// The entries of one level as the entries list shows them: key, two blanks, county, " / ", name.
QStringList EntryLines(core::DataMaster& data, const QString& contestKey, const QString& levelCode);

// The county lines offered for an entry: the two of our own, then the support counties.
QStringList EntryCountyLines(core::DataMaster& data, bool withSupportCounties);
// The distinct county texts (first 25 characters) of the contest's entries, in the order a walk
// by key first meets them: the county lists of the results and team list screens.
QStringList ContestCounties(core::DataMaster& data, const QString& contestKey);

// One entry as the screen edits it; members 1..20.
struct Entry
{
    QString entryNumber;
    QString county;
    QString teamName;
    QString coach;
    std::array<QString, MaxMembers + 1> names;
    std::array<QString, MaxMembers + 1> groups; // assigned group fields as stored
    std::array<int, MaxMembers + 1> levels{};   // 1 Jr, 2 Int, 3 Sr, 4 none
};
// False when the team record does not exist.
bool ReadEntry(core::DataMaster& data, const QString& teamKey, Entry& entry);
// Adds the record when missing and writes number, county, names, coach, and members 1..members.
void WriteEntry(core::DataMaster& data, const QString& teamKey, const Entry& entry, int members);
// The warning that refuses to save the entry, or empty text. Youth members need a level button.
QString EntrySaveRefusal(const Entry& entry, int level, int members);

// Assigned groups: a group letter within the contest's groups, then the order 1..99.
// Contestant number -> group code, for the members with names of one level.
using UsedGroups = std::map<QString, QString>;
UsedGroups ReadUsedGroups(core::DataMaster& data, const QString& contestKey, const QString& levelCode);
enum class GroupCheck { Empty, Accepted, BadFormat, TooShort, Taken };
// `code` as typed; `contestant` may keep the code it already has.
GroupCheck CheckAssignedGroup(const QString& code, int groups, const UsedGroups& used, const QString& contestant);
// The stored form: code, "-", entry number as a number, member letter ("B13-101a").
QString AssignedGroupField(const QString& code, const QString& entryNumber, int member);
// The code part of a stored group field.
QString AssignedGroupCode(const QString& field);

// Deletes the scores of one contestant (member 1..20) or, with member 0, of the whole entry.
void DeleteEntryScores(core::DataMaster& data, const QString& contestKey, const QString& levelCode,
                       const QString& entryNumber, int member);
// The team record and all scores of the entry.
void DeleteEntry(core::DataMaster& data, const QString& teamKey);

} // namespace judging
