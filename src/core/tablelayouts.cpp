#include "core/tablelayouts.h"

#include <array>
#include <initializer_list>

namespace core {

namespace {

constexpr int kSlotCount = 30;

using Layouts = std::array<QStringList, kSlotCount + 1>; // index 0 unused, slots 1..30

Layouts buildLayouts()
{
    Layouts t;

    const auto names = [](QStringList& l, std::initializer_list<const char*> list) {
        for (const char* n : list)
            l << QString::fromLatin1(n);
    };
    // Repeating groups: prefix + 1..count, zero-padded so the names sort in field order.
    const auto numbered = [](QStringList& l, const char* prefix, int count, int width) {
        for (int i = 1; i <= count; ++i)
            l << QString::fromLatin1(prefix) + QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    };
    // Holes in a layout still need a column so later fields keep their index.
    const auto padTo = [](QStringList& l, int index) {
        Q_ASSERT(l.size() <= index);
        while (l.size() < index)
            l << QStringLiteral("Unused%1").arg(l.size(), 2, 10, QLatin1Char('0'));
    };
    // The backup writes the fields before "Delta" and nothing from it on.
    const auto delta = [](QStringList& l) { l << QStringLiteral("Delta"); };

    // 1 Temp: scratch slot of the table upgrade, opened on whatever shell it copies into.

    // 2 System: change markers and the recorded version
    names(t[2], {"MarkerName", "MarkerText", "AppliedDateTime"});
    padTo(t[2], 4);
    names(t[2], {"AppliedFlag"});
    delta(t[2]);

    // 3 Smid: members from the membership records program
    names(t[3], {"MemberKey", "LastName", "FirstName", "MiddleInitial", "Age", "Grade"});
    delta(t[3]);

    // 4 Slid: leaders
    names(t[4], {"LeaderKey", "LastName", "FirstName", "MiddleInitial"});
    delta(t[4]);

    // 5 Scou: counties
    names(t[5], {"CountyCode", "CountyName"});
    delta(t[5]);

    // 6 Parm: named parameters
    names(t[6], {"ParmName", "Prompt", "ParmValue", "ChoiceCount"});
    numbered(t[6], "Choice", 5, 1);
    padTo(t[6], 17);
    names(t[6], {"ParmKind"});
    delta(t[6]);

    // 7 Type: judging contest codes
    names(t[7], {"ContestCode", "ContestTitle"});
    numbered(t[7], "UserDefined", 5, 1);
    delta(t[7]);

    // 8 Cont: judging contests
    names(t[8], {"ContestKey", "ContestTitle", "ContestDate", "Location", "MaxMembersPerTeam",
                 "ScoresSavedPerTeam", "SeniorTeamCount", "IntermediateTeamCount",
                 "JuniorTeamCount", "SeniorIndividualCount", "IntermediateIndividualCount",
                 "JuniorIndividualCount", "AdultCount", "AssignedGroupCount",
                 "FullRandomGroupCount", "TeamRandomGroupCount", "KeepCullAnimalCount",
                 "AdvanceCardClassCount", "UseSupportData"});
    delta(t[8]);

    // 9 Team: teams and individual entries, member k in field k + 2 of each group
    names(t[9], {"TeamKey", "EntryNumber", "County"});
    numbered(t[9], "MemberName", 20, 2);
    numbered(t[9], "AssignedGroup", 20, 2);
    numbered(t[9], "FullRandomGroup", 20, 2);
    numbered(t[9], "TeamRandomGroup", 20, 2);
    numbered(t[9], "MemberLevel", 20, 2);
    names(t[9], {"TeamName", "TeamCoach"});
    delta(t[9]);

    // 10 Clas: classes; fields 10.. hold the official answers, laid out per class type
    names(t[10], {"ClassKey", "ClassType", "ClassNumber", "ClassTitle", "PointValue",
                  "ClassTypeCopy", "OfficialResult", "Cut1", "Cut2", "Cut3"});
    numbered(t[10], "OfficialAnswer", 150, 3);
    names(t[10], {"ClassColor"});
    delta(t[10]);

    // 11 Awar: judging awards
    names(t[11], {"AwardKey", "AwardNumber", "AwardName", "ScoringClasses",
                  "TieBreaker1Classes", "TieBreaker2Classes", "TieBreaker3Classes",
                  "TieBreaker1Direction", "TieBreaker2Direction", "TieBreaker3Direction"});
    delta(t[11]);

    // 12 Scor: one contestant's entry in one class; answer n in field n + 6
    names(t[12], {"ScoreKey", "ClassNumber", "LevelCode", "ContestantNumber", "ScoreEntry",
                  "Score"});
    padTo(t[12], 7);
    numbered(t[12], "Answer", 150, 3);
    delta(t[12]);

    // 13 Resu: results, kept for the backup sections only
    names(t[13], {"ResultKey"});
    delta(t[13]);

    // 14 Quiz: quiz types
    names(t[14], {"QuizCode", "QuizTitle", "LastQuestionSerial"});
    delta(t[14]);

    // 15 Ques: question bank
    names(t[15], {"QuestionKey", "Author", "Source", "QuestionType", "EditDate", "ActiveFlag",
                  "UsageCount", "SelectedFlag", "QuestionText", "AnswerText", "HintText",
                  "Difficulty"});
    delta(t[15]);

    // 16 Calc: award calculations, member k's total in field k + 4
    names(t[16], {"CalculationKey", "ScoringTotal", "TieBreaker1Total", "TieBreaker2Total",
                  "TieBreaker3Total"});
    numbered(t[16], "MemberTotal", 20, 2);
    delta(t[16]);

    // 17 Even: shooting events
    names(t[17], {"EventCode", "EventName", "MaxTeamMembers", "ScoresConsidered",
                  "CountsXs"});
    numbered(t[17], "ScoreName", 12, 2);
    names(t[17], {"MaxTotalScore"});
    delta(t[17]);

    // 18 Matc: shooting matches; level d flag in field d + 3, event n flag in field n + 9
    names(t[18], {"MatchKey", "MatchTitle", "MatchDate", "Location", "JuniorUsed",
                  "IntermediateUsed", "SeniorUsed", "BeginnerUsed", "AdultUsed",
                  "IndividualUsed"});
    numbered(t[18], "EventUsed", 40, 2);
    names(t[18], {"UseAge", "JuniorMinimum", "JuniorMaximum", "IntermediateMinimum",
                  "IntermediateMaximum", "SeniorMinimum", "SeniorMaximum", "BeginnerMinimum",
                  "BeginnerMaximum", "AdultMinimum", "AdultMaximum", "IndividualMinimum",
                  "IndividualMaximum"});
    padTo(t[18], 65);
    names(t[18], {"ParticipantType"});
    delta(t[18]);

    // 19 Memb: match entrants; event code c registered in field c + 15
    names(t[19], {"EntrantKey", "EntrantName", "CountyOrGroupCode", "Age", "Grade"});
    padTo(t[19], 6);
    numbered(t[19], "TeamPlacement", 10, 2);
    numbered(t[19], "EventRegistered", 40, 2);
    delta(t[19]);

    // 20 Tran: contest ID of a member in a match
    names(t[20], {"MatchMemberKey", "ContestId"});
    delta(t[20]);

    // 21 Sstt: shooting team types
    names(t[21], {"TeamTypeKey", "TeamTypeName", "EventCodes", "AllowedLevels"});
    delta(t[21]);

    // 22 Sstm: shooting teams, positions a) .. f) in fields 4..9
    names(t[22], {"TeamKey", "TeamTypeName", "CountyOrGroupCode"});
    padTo(t[22], 4);
    numbered(t[22], "MemberContestId", 6, 1);
    delta(t[22]);

    // 23 Ssaw: shooting awards
    names(t[23], {"AwardKey", "AwardType", "AwardTitle", "EventCodes", "LevelDigits",
                  "TeamTypePart"});
    delta(t[23]);

    // 24 Sscs: shooting scores, the X count of score n in field n + 12
    names(t[24], {"ScoreKey"});
    numbered(t[24], "Score", 12, 2);
    numbered(t[24], "XCount", 12, 2);
    delta(t[24]);

    // 25 Grou: groups of non 4-H entrants
    names(t[25], {"GroupCode"});
    padTo(t[25], 2);
    names(t[25], {"GroupName", "NextMemberSerial"});
    delta(t[25]);

    // 26 Gids: group members
    names(t[26], {"MemberKey", "LastName", "FirstName", "MiddleInitial", "Age", "Grade",
                  "LevelDigit"});
    delta(t[26]);

    // 27 Offi: official results; answer n matches Clas answer n, eight fields further down
    names(t[27], {"ClassKey", "ClassType"});
    numbered(t[27], "OfficialAnswer", 150, 3);
    delta(t[27]);

    // 28 Card: score card styles and their items; not backed up
    names(t[28], {"StyleItemKey", "ItemNumber", "StyleName"});

    // 29 Sexb: fair exhibitors, written in import order; not backed up
    names(t[29], {"ExhibitorKey"});
    numbered(t[29], "ExhibitorData", 7, 1);

    // 30 Scls: fair classes; not backed up
    names(t[30], {"FairClassKey", "FairClassData"});

    return t;
}

} // namespace

const QStringList& layoutFields(int slot)
{
    static const Layouts layouts = buildLayouts();
    static const QStringList none;
    if (slot < 1 || slot > kSlotCount)
        return none;
    return layouts[static_cast<std::size_t>(slot)];
}

} // namespace core
