#include "archive/backupsections.h"

namespace archive {

namespace {
struct SectionName
{
    const char* file;
    const char* caption;
};

constexpr SectionName names[SectionCount + 1] = {
    {"", ""},
    {"System", "System Data"},
    {"4H Members", "4H Member Data"},
    {"4H Leaders", "4H Leader Data"},
    {"4H Counties", "4H County Data"},
    {"Parameters", "Parameters"},
    {"JC Contest Types", "JC Contest Types"},
    {"JC Contests", "JC Contests"},
    {"JC Teams", "JC Teams"},
    {"JC Classes", "JC Classes"},
    {"JC Awards", "JC Awards"},
    {"JC Scores", "JC Scores"},
    {"JC Results", "JC Results"},
    {"QB Quiz", "QB Quizes"},
    {"QB Questions", "QB Questions"},
    {"JC Calculations", "JC Calculations"},
    {"SS Events", "SS Events"},
    {"SS Matches", "SS Matches"},
    {"SS Members", "SS Members"},
    {"SS ID Translation", "SS Id Translations"},
    {"SS Team Types", "SS Team Types"},
    {"SS Teams", "SS Teams"},
    {"SS Awards", "SS Awards"},
    {"SS Scores", "SS Scores"},
    {"SS Groups", "SS Groups"},
    {"SS Group Members", "SS Group Members"},
    {"JC Official Results", "JC Official Results"},
};

const SectionName& name(int section)
{
    return names[(section >= 1 && section <= SectionCount) ? section : 0];
}
} // namespace

QString sectionFileName(int section)
{
    return QString::fromLatin1(name(section).file);
}

QString sectionCaption(int section)
{
    return QString::fromLatin1(name(section).caption);
}

SectionSet allSections()
{
    return sectionsUpTo(SectionCount);
}

SectionSet sectionsUpTo(int last)
{
    SectionSet set;
    for (int s = 1; s <= last && s <= SectionCount; ++s)
        set.set(std::size_t(s));
    return set;
}

} // namespace archive
