#include "judging/contest.h"

#include "core/datamaster.h"
#include "judging/fields.h"

namespace judging {

ContestMenus MenusFor(const SelectedContest& contest)
{
    ContestMenus menus;
    if (contest.key.isEmpty() || !contest.selected)
        return menus;
    const ContestPresence& p = contest.presence;
    menus.teams = true;
    menus.awards = p.teams && p.classes;
    menus.scoring = menus.awards && p.awards;
    menus.results = menus.scoring && p.scores;
    return menus;
}

int ContestBoxField(int box)
{
    if (box >= CodeBox && box <= AssignedGroupsBox)
        return box - 1;
    if (box == KeepCullBox)
        return ContField::KeepCullAnimals;
    if (box == CardClassesBox)
        return ContField::CardClasses;
    return -1;
}

QString ContestBoxValue(int box, const QString& text)
{
    if (!text.isEmpty() || box < LocationBox)
        return text;
    return box == KeepCullBox ? QStringLiteral("8") : QStringLiteral("0");
}

void SetContestValue(ContestSetup& setup, int box, int value)
{
    if (const int level = ContestBoxLevel(box)) {
        setup.levelCounts[std::size_t(level)] = value;
        return;
    }
    switch (box) {
    case MaxMembersBox:
        setup.maxMembers = value;
        break;
    case ScoresSavedBox:
        setup.scoresSaved = value;
        break;
    case AssignedGroupsBox:
        setup.assignedGroups = value;
        break;
    case KeepCullBox:
        setup.keepCullAnimals = value;
        break;
    case CardClassesBox:
        setup.cardClasses = value;
        break;
    default:
        break;
    }
}

bool ReadContest(core::DataMaster& data, const QString& key, SelectedContest& contest)
{
    if (!data.FindRecord(core::Cont, key))
        return false;
    contest.title = data.ReadField(core::Cont, ContField::Title);
    ContestSetup& s = contest.setup;
    s = ContestSetup();
    for (int box = MaxMembersBox; box <= CardClassesBox; ++box)
        SetContestValue(s, box, data.ReadFieldInt(core::Cont, ContestBoxField(box)));
    s.fullRandomGroups = data.ReadFieldInt(core::Cont, ContField::FullRandomGroups);
    s.teamRandomGroups = data.ReadFieldInt(core::Cont, ContField::TeamRandomGroups);
    s.useSupportData = data.ReadFieldInt(core::Cont, ContField::UseSupportData) == 1;
    return true;
}

ContestPresence ReadContestPresence(core::DataMaster& data, const QString& key)
{
    ContestPresence p;
    p.teams = data.FindPrefix(core::Team, key, ContestKeyLength, true);
    p.classes = data.FindPrefix(core::Clas, key, ContestKeyLength, true);
    p.awards = data.FindPrefix(core::Awar, key, ContestKeyLength, true);
    p.scores = data.FindPrefix(core::Scor, key, ContestKeyLength, true);
    return p;
}

int CountWithPrefix(core::DataMaster& data, int table, const QString& prefix)
{
    int n = 0;
    const int length = int(prefix.size());
    for (bool found = data.FindPrefix(table, prefix, length, true); found;
         found = data.FindPrefix(table, prefix, length, false))
        ++n;
    return n;
}

void DeleteContest(core::DataMaster& data, const QString& key)
{
    if (key.size() != ContestKeyLength)
        return; // a shorter prefix would take other contests with it
    data.DeleteRecord(core::Cont, key);
    for (int table : {core::Team, core::Clas, core::Awar, core::Scor, core::Calc})
        data.DeleteByPrefix(table, key, ContestKeyLength);
}

} // namespace judging
