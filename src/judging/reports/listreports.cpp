// The plain lists of the judging window: classes, awards, scores, missing scores and the
// contest's parameters.
#include "judging/reports/reportkinds.h"

#include "core/datamaster.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/results.h"

#include <algorithm>
#include <array>
#include <vector>

namespace judging {

namespace {

// Lines of the class list's footer block: the class types and the placing letters.
constexpr int ClassTypeLegendFromBottom = 10;
constexpr int PlacingLegendFromBottom = 8;

void onePage(ReportFrame& frame, const QString& title, std::initializer_list<std::pair<int, const char*>> headings)
{
    frame.title(frame.contestLine(title));
    for (const auto& [column, text] : headings)
        frame.heading(column, QString::fromLatin1(text));
    frame.startBody();
}

// One class of the class and award lists, on the counter's line.
void classLine(ReportContext& context, output::ReportGrid& grid)
{
    core::DataMaster& data = context.data;
    const int type = data.ReadField(core::Clas, ClasField::Type).trimmed().toInt();
    grid.print(0, data.ReadField(core::Clas, ClasField::Number));
    grid.print(10, data.ReadField(core::Clas, ClasField::Title));
    grid.print(35, data.ReadField(core::Clas, ClasField::PointValue));
    grid.print(45, QString::number(type));
    if (type == RegularClass) {
        grid.print(55, data.ReadField(core::Clas, ClasField::OfficialResult));
        for (int cut = 1; cut <= 3; ++cut)
            grid.print(60 + 5 * cut, data.ReadField(core::Clas, ClasField::cut(cut)));
    } else if (type == KeepCullClass) {
        grid.print(55, data.ReadField(core::Clas, ClasField::OfficialResult)); // the keep string
    }
}

void classLines(ReportContext& context, output::ReportGrid& grid)
{
    core::DataMaster& data = context.data;
    for (bool found = data.FindPrefix(core::Clas, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Clas, context.contestKey, ContestKeyLength, false)) {
        classLine(context, grid);
        // A page break walks no table, so the walk goes on where it was.
        grid.advance();
    }
}

void classListLegend(output::ReportGrid& grid)
{
    const int bottom = grid.lines();
    grid.setFont(10);
    grid.printAt(0, bottom - ClassTypeLegendFromBottom,
                 QStringLiteral("Class Type :   1 - Regular   2 - Reasons   3 - Questions    4 - Identification    5 - Other"));
    grid.printAt(0, bottom - PlacingLegendFromBottom, QStringLiteral("Placing:"));
    // Six lines of four columns: A..F, G..L, M..R, S..X.
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column) {
            const int index = column * 6 + row + 1;
            grid.printAt(10 * (column + 1), bottom - PlacingLegendFromBottom + row,
                         PlacingLetter(index) + QStringLiteral(") ") + PlacingOrder(index));
        }
}

// "ALL", or the class numbers without leading zeros, right-justified in three characters.
QString awardClassList(const QString& list)
{
    if (list == QLatin1String("ALL"))
        return list;
    QString text;
    for (int at = 0; at + 3 <= list.size(); at += 3)
        text += QString::number(list.mid(at, 3).toInt()).rightJustified(3);
    return text;
}

QString memberName(core::DataMaster& data, const QString& contestKey, const QString& levelCode,
                   const QString& contestant)
{
    const int member = MemberIndex(contestant.size() > 3 ? contestant.at(3) : QChar());
    if (member < 1 || !data.FindRecord(core::Team, TeamKey(contestKey, levelCode, contestant.left(3))))
        return QString();
    return data.ReadField(core::Team, TeamField::memberName(member));
}

} // namespace

void PrintClassList(ReportContext& context)
{
    ReportFrame frame(context, ReportKind::ClassList);
    output::ReportGrid& grid = frame.grid();
    // The legend takes the foot of every page; rows stop above it.
    grid.setPageEnd(grid.lines() - ClassTypeLegendFromBottom - 1);
    frame.paginate([&] {
        classListLegend(grid);
        onePage(frame, QStringLiteral("Class List..."),
                {{0, "Class Num"}, {10, "Name"}, {35, "Value"}, {45, "Type"}, {55, "Placing"}, {65, "Cuts"}});
    });
    classLines(context, grid);
    frame.footer();
}

void PrintAwardList(ReportContext& context)
{
    core::DataMaster& data = context.data;
    ReportFrame frame(context, ReportKind::AwardList);
    output::ReportGrid& grid = frame.grid();
    frame.paginate([&] {
        onePage(frame, QStringLiteral(" Award List..."),
                {{0, "Award Num"}, {10, "Type"}, {20, "Name"}, {40, "Classes and Tie Breaker Information"}});
    });

    struct Line
    {
        QString number, type, name;
        std::array<QString, 4> lists;
    };
    std::vector<Line> awards;
    for (bool found = data.FindPrefix(core::Awar, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Awar, context.contestKey, ContestKeyLength, false)) {
        Line line;
        line.number = data.ReadField(core::Awar, AwarField::Number);
        line.type = data.CurrentKey(core::Awar).mid(ContestKeyLength, 2);
        line.name = data.ReadField(core::Awar, AwarField::Name);
        line.lists[0] = data.ReadField(core::Awar, AwarField::ScoringClasses);
        for (int t = 1; t <= 3; ++t)
            line.lists[std::size_t(t)] = data.ReadField(core::Awar, AwarField::tieBreakerClasses(t));
        awards.push_back(line);
    }
    std::stable_sort(awards.begin(), awards.end(),
                     [](const Line& a, const Line& b) { return a.number.toInt() < b.number.toInt(); });
    for (const Line& award : awards) {
        grid.print(0, award.number);
        grid.print(10, award.type);
        grid.print(20, award.name);
        grid.print(40, QStringLiteral("Class Base :     ") + awardClassList(award.lists[0]));
        grid.advance();
        for (int t = 1; t <= 3; ++t) {
            grid.print(40, QStringLiteral("Tie Breaker %1:   ").arg(t) + awardClassList(award.lists[std::size_t(t)]));
            grid.advance();
        }
        grid.advance(1);
    }
    grid.advance(2);
    grid.setFont(10, true);
    grid.print(0, QStringLiteral("Class Titles and Information:"));
    frame.bodyFont();
    grid.advance();
    classLines(context, grid);
    frame.footer();
}

void PrintScoreList(ReportContext& context)
{
    core::DataMaster& data = context.data;
    ReportFrame frame(context, ReportKind::ScoreList);
    output::ReportGrid& grid = frame.grid();
    frame.paginate([&] {
        onePage(frame, QStringLiteral("Score List..."),
                {{0, "Class Num"}, {10, "Type"}, {20, "Contestant Number - Name"}, {50, "Score"}, {60, "Hormel"}});
    });
    // The names are read from the entries, so the scores are taken first and the walk is not
    // disturbed by the lookups.
    struct Row
    {
        QString classNumber, level, contestant, entry, score;
    };
    std::vector<Row> rows;
    for (bool found = data.FindPrefix(core::Scor, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Scor, context.contestKey, ContestKeyLength, false)) {
        Row row{data.ReadField(core::Scor, ScorField::ClassNumber), data.ReadField(core::Scor, ScorField::LevelCode),
                data.ReadField(core::Scor, ScorField::ContestantNumber), data.ReadField(core::Scor, ScorField::Entry),
                data.ReadField(core::Scor, ScorField::Score)};
        if (!row.contestant.trimmed().isEmpty())
            rows.push_back(row);
    }
    for (const Row& row : rows) {
        grid.print(0, row.classNumber);
        grid.print(10, row.level);
        grid.print(20, row.contestant);
        grid.print(30, memberName(data, context.contestKey, row.level, row.contestant));
        grid.print(50, row.entry);
        grid.print(60, row.score);
        grid.advance();
    }
    frame.footer();
}

void PrintMissingScoreList(ReportContext& context)
{
    core::DataMaster& data = context.data;
    ReportFrame frame(context, ReportKind::MissingScoreList);
    output::ReportGrid& grid = frame.grid();
    frame.paginate([&] {
        onePage(frame, QStringLiteral("Missing Score List..."),
                {{0, "Class Num"}, {10, "Type"}, {20, "Contestant Number - Name"}});
    });
    // Class numbers are three digits, so key order is number order.
    const QStringList classes = ExpandClassList(data, context.contestKey, QStringLiteral("ALL"));

    struct Member
    {
        QString level, contestant, name;
    };
    std::vector<Member> members;
    for (bool found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, false)) {
        const QString key = data.CurrentKey(core::Team);
        const QString level = key.mid(ContestKeyLength, 2);
        const QString entry = key.mid(ContestKeyLength + 2, 3);
        for (int k = 1; k <= MaxMembers; ++k) {
            const QString name = data.ReadField(core::Team, TeamField::memberName(k));
            if (!name.trimmed().isEmpty())
                members.push_back({level, ContestantNumber(entry, k), name});
        }
    }
    for (const Member& member : members)
        for (const QString& number : classes) {
            if (data.FindRecord(core::Scor, ScoreKey(ClassKey(context.contestKey, number), member.level,
                                                     member.contestant)))
                continue;
            grid.print(0, number);
            grid.print(10, member.level);
            grid.print(20, member.contestant);
            grid.print(30, member.name);
            grid.advance();
        }
    frame.footer();
}

void PrintContestParameters(ReportContext& context)
{
    core::DataMaster& data = context.data;
    ReportFrame frame(context, ReportKind::ContestParameters);
    output::ReportGrid& grid = frame.grid();
    frame.title(frame.contestLine(QStringLiteral("Parameters...")));
    frame.bodyFont();
    const bool found = data.FindRecord(core::Cont, context.contestKey);
    const auto field = [&](int f) { return found ? data.ReadField(core::Cont, f) : QString(); };
    const std::pair<const char*, QString> lines[] = {
        {"Code:", context.contestKey.left(ContestCodeLength)},
        {"Title:", field(ContField::Title)},
        {"Date:", field(ContField::Date)},
        {"Location:", field(ContField::Location)},
        {"Max Members/Team:", field(ContField::MaxMembers)},
        {"Members Judged/Team:", field(ContField::ScoresSaved)},
        {"Senior Teams:", field(ContField::levelCount(1))},
        {"Intermediate Teams:", field(ContField::levelCount(2))},
        {"Junior Teams:", field(ContField::levelCount(3))},
        {"Senior Individuals:", field(ContField::levelCount(4))},
        {"Intermediate Individuals:", field(ContField::levelCount(5))},
        {"Junior Individuals:", field(ContField::levelCount(6))},
        {"Adults:", field(ContField::levelCount(7))},
        {"Assigned Groups:", field(ContField::AssignedGroups)},
        {"Full Random Groups:", field(ContField::FullRandomGroups)},
        {"Team Random Groups:", field(ContField::TeamRandomGroups)},
        {"Keep/Cull Animals per Pen:", field(ContField::KeepCullAnimals)},
        {"Number of Classes:", field(ContField::CardClasses)},
    };
    int line = 2;
    for (const auto& [label, value] : lines) {
        grid.printAt(0, line, QString::fromLatin1(label));
        grid.printAt(20, line, value);
        line += 2;
    }
    frame.footer();
}

} // namespace judging
