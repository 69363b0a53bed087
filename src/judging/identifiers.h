#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace judging {

// Keys are fixed-width texts built by concatenation, so every record of an owner starts with
// the owner's key.
constexpr int ContestCodeLength = 2;
constexpr int ContestKeyLength = 8;  // code + mmddyy
constexpr int TeamKeyLength = 13;    // contest key + level code + entry number
constexpr int ClassKeyLength = 11;   // contest key + class number
constexpr int ScoreKeyLength = 17;   // class key + level code + contestant number
constexpr int AwardKeyLength = 13;   // contest key + award type + award number
constexpr int CalcKeyLength = 17;    // contest key + award number + level code + entry number + letter

constexpr int MaxMembers = 20; // member letters a..t
constexpr int MaxClasses = 40;

// A typed contest code in capitals when it is two letters A..Z; empty text when it is not.
QString ContestCodeFromText(const QString& text);
// Code + the creation date as mmddyy: LS on 8 December 2006 gives LS120806.
QString ContestKey(const QString& code, const QDate& created);

// Levels 1..7: three team levels, then four individual levels.
constexpr int LevelCount = 7;
constexpr int AdultLevel = 7;
QString LevelCode(int level);            // "ST".."AD"; empty outside 1..7
int LevelIndex(const QString& code);     // 1..7; 0 for an unknown code
QString LevelCaption(int level);         // the level button's caption
inline bool IsTeamLevel(int level) { return level >= 1 && level <= 3; }

// Entry number of a level: hundreds digit = level, then the sequence 01..99.
QString EntryNumber(int level, int sequence);
// A typed entry number filled with leading zeros to three digits ("7" gives "007").
QString PadEntryNumber(const QString& typed);
QString TeamKey(const QString& contestKey, const QString& levelCode, const QString& entryNumber);
// The entry number as a number, as group codes spell it ("007" gives "7").
QString EntryNumberValue(const QString& entryNumber);

// Members 1..20 are the letters a..t.
QChar MemberLetter(int member);
int MemberIndex(QChar letter); // 1..20; 0 for any other character
QString ContestantNumber(const QString& entryNumber, int member);

// A member's own level, independent of the entry's level.
enum MemberLevel { JuniorMember = 1, IntermediateMember = 2, SeniorMember = 3, NoMemberLevel = 4 };
// The level button a member placed on an entry of `level` gets by default.
MemberLevel DefaultMemberLevel(int level);

QString ClassNumber(int number); // 3 gives "003"
QString ClassKey(const QString& contestKey, const QString& classNumber);
QString ScoreKey(const QString& classKey, const QString& levelCode, const QString& contestantNumber);
QString AwardKey(const QString& contestKey, const QString& awardType, const QString& awardNumber);
// The calculation records of an award start with this; the type is not in them.
QString CalcAwardPrefix(const QString& contestKey, const QString& awardNumber);
// A team award's team record has a blank in place of the member letter.
QString CalcKey(const QString& contestKey, const QString& awardNumber, const QString& levelCode,
                const QString& entryNumber, QChar memberLetter = QLatin1Char(' '));

// Award types: the seven level codes and four groupings by the members' own level buttons.
struct AwardType
{
    QString code;
    QString caption;
};
constexpr int AwardTypeCount = 11;
// In the order of the awards screen.
const std::array<AwardType, AwardTypeCount>& AwardTypesScreenOrder();
// In the order of processing and printing; positions 1..3 are the team awards.
const QStringList& AwardTypesProcessingOrder();
bool IsTeamAward(const QString& code);
QString AwardTypeCaption(const QString& code);

// Placing letters A..X stand for the 24 orders of four animals, in lexicographic order;
// index 0 is "0000", no placing.
constexpr int PlacingCount = 24;
const std::array<QString, PlacingCount + 1>& PlacingOrders();
QString PlacingOrder(int index);
QString PlacingLetter(int index);        // "A".."X"; empty for index 0 or out of range
int PlacingIndex(const QString& letter); // 1..24; 0 for anything else

// Class types 1..10.
constexpr int ClassTypeCount = 10;
enum ClassType {
    RegularClass = 1, ReasonsClass, QuestionsClass, IdentificationClass, CollegiateWoolClass, WoolClass,
    MeatsClass, RoyalMeatsClass, KeepCullClass, OtherClass
};
QString ClassTypeName(int type);    // in lists and reports
QString ClassTypeCaption(int type); // on the classes screen

} // namespace judging
