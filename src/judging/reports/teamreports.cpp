// The lists of entries and their members: the team list and the groups list.
#include "judging/reports/reportkinds.h"

#include "core/datamaster.h"
#include "judging/fields.h"
#include "judging/identifiers.h"

#include <algorithm>
#include <vector>

namespace judging {

namespace {

QString LevelButtonText(const QString& stored)
{
    switch (stored.trimmed().toInt()) {
    case JuniorMember: return QStringLiteral("Jr");
    case IntermediateMember: return QStringLiteral("Int");
    case SeniorMember: return QStringLiteral("Sr");
    }
    return QString();
}

// A, B, .. Z, then AA, AB, ..: the team list names more than 26 entries too.
QString EntryLetters(int e)
{
    QString letters;
    for (int n = e; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(char16_t(u'A' + (n - 1) % 26)));
    return letters;
}

// The part of a stored group code before its dash ("B13" of "B13-101a").
QString GroupPart(const QString& stored)
{
    return stored.section(QLatin1Char('-'), 0, 0).trimmed();
}

} // namespace

void PrintTeamList(ReportContext& context)
{
    core::DataMaster& data = context.data;
    ReportFrame frame(context, ReportKind::TeamList);
    output::ReportGrid& grid = frame.grid();
    frame.paginate([&] {
        frame.title(frame.contestLine(QStringLiteral(" Team List...")), 10);
        const std::pair<int, const char*> headings[] = {{0, "Team Num"}, {8, "Type"},      {13, "County"},
                                                         {25, "Number - Name"}, {44, "Level"}, {49, "True Tm"},
                                                         {56, "Tm Rnd"}, {64, "Full Rnd"}, {72, "Assign"}};
        for (const auto& [column, text] : headings)
            frame.heading(column, QString::fromLatin1(text));
        frame.startBody();
    });

    // The keys first, by level in their order and then by key; the rows read each record again.
    std::vector<QString> keys;
    for (bool found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, false))
        // The county list offers the first 25 characters of each county.
        if (context.selections.counties.contains(data.ReadField(core::Team, TeamField::County).left(25)))
            keys.push_back(data.CurrentKey(core::Team));
    std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
        const int la = LevelIndex(a.mid(ContestKeyLength, 2)), lb = LevelIndex(b.mid(ContestKeyLength, 2));
        return la != lb ? la < lb : a < b;
    });

    int e = 0;
    for (const QString& key : keys) {
        if (!data.FindRecord(core::Team, key))
            continue;
        ++e;
        const QString entry = data.ReadField(core::Team, TeamField::EntryNumber);
        const QString number = key.mid(ContestKeyLength + 2, 3);
        grid.print(0, entry);
        grid.print(8, key.mid(ContestKeyLength, 2));
        grid.print(13, data.ReadField(core::Team, TeamField::County));
        for (int i = 1; i <= MaxMembers; ++i) {
            const QString name = data.ReadField(core::Team, TeamField::memberName(i));
            if (name.trimmed().isEmpty())
                continue;
            const QString contestant = ContestantNumber(number, i);
            grid.print(25, contestant + QStringLiteral("  ") + name);
            grid.print(44, LevelButtonText(data.ReadField(core::Team, TeamField::memberLevel(i))));
            grid.print(49, EntryLetters(e) + QString::number(i) + QLatin1Char('-') + contestant);
            grid.print(56, data.ReadField(core::Team, TeamField::teamRandomGroup(i)));
            grid.print(64, data.ReadField(core::Team, TeamField::fullRandomGroup(i)));
            grid.print(72, data.ReadField(core::Team, TeamField::assignedGroup(i)));
            grid.advance();
        }
        grid.advance();
    }
    frame.footer();
}

namespace {

QString EntryTypeTag(const std::vector<int>& levels)
{
    if (levels.size() != 1)
        return QStringLiteral("[Mixed Team Types]");
    switch (levels.front()) {
    case 1: return QStringLiteral("[Senior Team]");
    case 2: return QStringLiteral("[Intermediate Team]");
    case 3: return QStringLiteral("[Junior Team]");
    case 4: return QStringLiteral("[Senior Ind]");
    case 5: return QStringLiteral("[Intermediate Ind]");
    case 6: return QStringLiteral("[Junior Ind]");
    }
    return QStringLiteral("[Adult]");
}

QString GroupingTag(GroupsListChoice::Grouping grouping)
{
    switch (grouping) {
    case GroupsListChoice::TrueTeam: return QStringLiteral("[True Team]");
    case GroupsListChoice::TeamRandom: return QStringLiteral("[Team Random]");
    case GroupsListChoice::FullRandom: return QStringLiteral("[Full Random]");
    case GroupsListChoice::Assigned: return QStringLiteral("[Assigned]");
    }
    return QString();
}

struct GroupedMember
{
    QString letter;
    int order = 0;
    QString contestant;
    QString name;
};

} // namespace

void PrintGroupsList(ReportContext& context)
{
    core::DataMaster& data = context.data;
    const GroupsListChoice& choice = context.selections.groups;
    ReportFrame frame(context, ReportKind::GroupsList);
    output::ReportGrid& grid = frame.grid();
    frame.paginate([&] {
        frame.title(QStringLiteral(" Groups List:"), 12, 10);
        frame.title(EntryTypeTag(choice.levels), 12, 48);
        frame.title(GroupingTag(choice.grouping), 12, 65);
        // The contest on a line of its own, small and clear of the title's descenders: beside
        // the title it would run into the tags.
        grid.setFont(8);
        grid.printer().drawText(grid.x(10), grid.y(1) + grid.lineHeight() / 4, frame.contestName());
        frame.heading(0, QStringLiteral("Judging Order"));
        frame.heading(12, QStringLiteral("Contestants Number - Name"));
        frame.startBody();
    });

    std::vector<GroupedMember> members;
    for (bool found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Team, context.contestKey, ContestKeyLength, false)) {
        const QString key = data.CurrentKey(core::Team);
        const int level = LevelIndex(key.mid(ContestKeyLength, 2));
        if (std::find(choice.levels.begin(), choice.levels.end(), level) == choice.levels.end())
            continue;
        const QString number = key.mid(ContestKeyLength + 2, 3);
        for (int k = 1; k <= MaxMembers; ++k) {
            const QString name = data.ReadField(core::Team, TeamField::memberName(k));
            if (name.trimmed().isEmpty())
                continue;
            QString code;
            switch (choice.grouping) {
            case GroupsListChoice::TrueTeam:
                code = QChar(char16_t(64 + number.toInt() % 100)) + QString::number(k);
                break;
            case GroupsListChoice::TeamRandom: code = GroupPart(data.ReadField(core::Team, TeamField::teamRandomGroup(k))); break;
            case GroupsListChoice::FullRandom: code = GroupPart(data.ReadField(core::Team, TeamField::fullRandomGroup(k))); break;
            case GroupsListChoice::Assigned: code = GroupPart(data.ReadField(core::Team, TeamField::assignedGroup(k))); break;
            }
            // A member without a group is not in any group's list.
            if (code.isEmpty())
                continue;
            members.push_back({code.left(1), code.mid(1).toInt(), ContestantNumber(number, k), name});
        }
    }
    // By group letter, then the order within the group; the walk order keeps equal codes apart.
    std::stable_sort(members.begin(), members.end(), [](const GroupedMember& a, const GroupedMember& b) {
        return a.letter != b.letter ? a.letter < b.letter : a.order < b.order;
    });

    QString group;
    int running = 0;
    for (const GroupedMember& member : members) {
        if (member.letter != group || running == 0) {
            if (running > 0)
                grid.advance(2);
            // A group's heading stays with its first member.
            grid.keepTogether(3);
            group = member.letter;
            running = 0;
            grid.setFont(10, true);
            grid.print(0, QStringLiteral("GROUP ") + group);
            frame.bodyFont();
            grid.advance(2);
        }
        ++running;
        grid.print(0, QString::number(running));
        grid.print(12, choice.names ? member.contestant + QStringLiteral("  ") + member.name : member.contestant);
        grid.advance();
    }
    frame.footer();
}

} // namespace judging
