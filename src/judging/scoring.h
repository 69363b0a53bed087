#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace core {
class DataMaster;
}

namespace judging {

// The orders the contestant list of the score entry is built in.
enum GroupSort { TrueTeamSort = 1, TeamRandomSort, FullRandomSort, AssignedSort };

// The sort code of a stored group field: the part before "-", with a "0" after the letter of a
// one-digit order (B7 sorts as B07); three blanks when the field has no group.
QString GroupSortCode(const QString& groupField);

struct ScoringContestant
{
    QString scoreKey;
    QString line;        // contestant number, two blanks, name
    QString scoreColumn; // the stored entry (and score), or three blanks
};
// The members with names of the chosen levels (codes in the order ST .. AD) in the group sort's
// order, through sort list 1.
std::vector<ScoringContestant> BuildContestants(core::DataMaster& data, const QString& classKey,
                                                const QStringList& levelCodes, int groupSort, int classType);
// The score column line of a stored entry: entry + "/" + score for regular and keep/cull classes.
QString ScoreColumnLine(const QString& entry, const QString& score, int classType);

// Adds the score record when missing and writes class, level, contestant, entry and score.
void WriteScore(core::DataMaster& data, const QString& scoreKey, const QString& entry, const QString& score);

} // namespace judging
