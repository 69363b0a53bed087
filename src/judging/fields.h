#pragma once

// Field indexes of the judging tables; member k (1..20), level 1..7, tie-breaker n (1..3).

namespace judging {

namespace TypeField {
constexpr int Code = 0, Title = 1;
constexpr int UserDefinedCount = 5;
constexpr int userDefined(int n) { return n + 1; } // 2..6
} // namespace TypeField

namespace ContField {
constexpr int Key = 0, Title = 1, Date = 2, Location = 3, MaxMembers = 4, ScoresSaved = 5;
constexpr int levelCount(int level) { return level + 5; } // 6..12, ST..AD
constexpr int AssignedGroups = 13, FullRandomGroups = 14, TeamRandomGroups = 15, KeepCullAnimals = 16,
              CardClasses = 17, UseSupportData = 18;
} // namespace ContField

namespace TeamField {
constexpr int Key = 0, EntryNumber = 1, County = 2, TeamName = 103, TeamCoach = 104;
constexpr int memberName(int k) { return k + 2; }
constexpr int assignedGroup(int k) { return k + 22; }
constexpr int fullRandomGroup(int k) { return k + 42; }
constexpr int teamRandomGroup(int k) { return k + 62; }
constexpr int memberLevel(int k) { return k + 82; }
} // namespace TeamField

namespace ClasField {
constexpr int Key = 0, Type = 1, Number = 2, Title = 3, PointValue = 4, TypeCopy = 5, OfficialResult = 6;
constexpr int cut(int n) { return n + 6; } // 7..9
constexpr int Color = 160;
} // namespace ClasField

namespace AwarField {
constexpr int Key = 0, Number = 1, Name = 2, ScoringClasses = 3;
constexpr int tieBreakerClasses(int n) { return n + 3; }   // 4..6
constexpr int tieBreakerDirection(int n) { return n + 6; } // 7..9
} // namespace AwarField

namespace ScorField {
constexpr int Key = 0, ClassNumber = 1, LevelCode = 2, ContestantNumber = 3, Entry = 4, Score = 5;
} // namespace ScorField

namespace CalcField {
constexpr int Key = 0, ScoringTotal = 1;
constexpr int tieBreakerTotal(int n) { return n + 1; } // 2..4
constexpr int memberTotal(int k) { return k + 4; }     // 5..24, team awards
} // namespace CalcField

namespace OffiField {
constexpr int Key = 0, ClassType = 1;
} // namespace OffiField

namespace CardField {
constexpr int Key = 0, Value = 1, StyleName = 2;
} // namespace CardField

} // namespace judging
