#pragma once

#include "judging/identifiers.h"

#include <QString>

#include <array>

namespace core {
class DataMaster;
}

namespace judging {

// The set-up values of a contest as the other judging screens use them.
struct ContestSetup
{
    int maxMembers = 0;
    int scoresSaved = 0;
    std::array<int, LevelCount + 1> levelCounts{}; // by level 1..7
    int assignedGroups = 0;
    int fullRandomGroups = 0;
    int teamRandomGroups = 0;
    int keepCullAnimals = 0;
    int cardClasses = 0;
    bool useSupportData = false;
};

// Whether the contest has records of each kind; the menus open by them.
struct ContestPresence
{
    bool teams = false;
    bool classes = false;
    bool awards = false;
    bool scores = false;
};

// The contest the judging window works on.
struct SelectedContest
{
    QString key; // empty: none
    QString title;
    // Chosen from the list of known contests; a contest only just created is not.
    bool selected = false;
    ContestSetup setup;
    ContestPresence presence;
    int classCount = 0;

    void clear() { *this = SelectedContest(); }
};

// Which of the judging menu items that need a contest are open.
struct ContestMenus
{
    bool teams = false; // also classes and groups
    bool awards = false;
    bool scoring = false; // manual and scanner
    bool results = false;
};
ContestMenus MenusFor(const SelectedContest& contest);

// The boxes of the contests screen, numbered as they are walked by Enter.
enum ContestBox {
    CodeBox = 1, TitleBox, DateBox, LocationBox, MaxMembersBox, ScoresSavedBox, SeniorTeamsBox,
    IntermediateTeamsBox, JuniorTeamsBox, SeniorIndividualsBox, IntermediateIndividualsBox, JuniorIndividualsBox,
    AdultsBox, AssignedGroupsBox, KeepCullBox, CardClassesBox
};
constexpr int ContestBoxCount = 16;
int ContestBoxField(int box);
// What an empty box stores: "0", or "8" animals for keep/cull; text boxes store what they hold.
QString ContestBoxValue(int box, const QString& text);
// Boxes from Max Members on hold whole numbers.
inline bool IsNumberBox(int box) { return box >= MaxMembersBox && box <= CardClassesBox; }
// The level whose count a box holds, 0 for the others.
inline int ContestBoxLevel(int box) { return (box >= SeniorTeamsBox && box <= AdultsBox) ? box - SeniorTeamsBox + 1 : 0; }

// Reads the set-up values and the title of a contest; false when it has no record.
bool ReadContest(core::DataMaster& data, const QString& key, SelectedContest& contest);
// Sets the set-up value a box holds.
void SetContestValue(ContestSetup& setup, int box, int value);
ContestPresence ReadContestPresence(core::DataMaster& data, const QString& key);
// Records of `table` whose key starts with `prefix`.
int CountWithPrefix(core::DataMaster& data, int table, const QString& prefix);
// The contest record and every team, class, award, score and calculation of the contest.
// Official results and score card designs are kept.
void DeleteContest(core::DataMaster& data, const QString& key);

} // namespace judging
