#pragma once

#include "judging/identifiers.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace core {
class DataMaster;
}

namespace judging {

// Cut 1 is the gap between official places 1 and 2, cut 2 between 2 and 3, cut 3 between 3 and 4.
using Cuts = std::array<int, 3>;
constexpr int MaxCutTotal = 15;

// The placing score of one entry.
struct PlacingScore
{
    enum Outcome {
        Ignored, // a regular class without official placing: nothing changes
        Valid,
        Invalid
    };
    Outcome outcome = Ignored;
    bool hasScore = false; // the entry gave a score (a number also when it is not valid)
    int score = 0;
};
// `entry` as typed or stored; a placing letter is valid for a regular class only, a whole number
// 0..classMax for the other types.
PlacingScore ScorePlacing(const QString& entry, const QString& official, int classType, int classMax,
                          const Cuts& cuts);

// The class number as typed; `padded` gets the three-digit number when accepted.
enum class ClassNumberCheck { Empty, Accepted, InvalidCharacter, OutOfRange };
ClassNumberCheck CheckClassNumber(const QString& text, QString& padded);
QString ClassNumberWarning(ClassNumberCheck check);

// A cut box's value: 0 when not all digits.
int CutValue(const QString& text);
// Any cut above 15 or all three together above 15.
bool CutsExceed(const Cuts& cuts);
QString CutsWarning();

// Class colours 1..9; 0 is no colour.
constexpr int ClassColorCount = 9;
QString ClassColorName(int color);
QColor ClassColorValue(int color);             // the sample's colour when none is set for 0
int ClassColorFromField(const QString& field); // 1..9, else 0

// The classes of a contest as lists show them: class key, two blanks, title.
QStringList ClassLines(core::DataMaster& data, const QString& contestKey);

// A class as the classes screen edits it.
struct ClassDefinition
{
    int type = 0;
    QString number; // three digits
    QString title;
    QString pointValue;          // as typed
    QString official;            // placing letter of a regular class
    std::array<QString, 3> cuts; // as typed
    int color = 0;
};
bool ReadClass(core::DataMaster& data, const QString& classKey, ClassDefinition& def);
// Adds the record when missing and writes the fields of its type. An official placing that does
// not start with A..X is cleared.
void WriteClass(core::DataMaster& data, const QString& classKey, const ClassDefinition& def);

// Runs the placing score on the stored entry of every score of the class and stores the score.
// Only regular classes with an official placing change anything; returns the scores written.
int RescoreClass(core::DataMaster& data, const QString& classKey);
// Every regular class of the contest.
int RescoreRegularClasses(core::DataMaster& data, const QString& contestKey);

// A score of the contest or an award's class list names the class.
bool ClassInUse(core::DataMaster& data, const QString& contestKey, const QString& classNumber);
QString ClassInUseWarning();
// The class record and its official results record.
void DeleteClass(core::DataMaster& data, const QString& classKey);

} // namespace judging
