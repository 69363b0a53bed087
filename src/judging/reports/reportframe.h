#pragma once

#include "output/reportgrid.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace core {
class DataMaster;
}

namespace judging {

// The judging reports, numbered as the screens that start them ask for them.
namespace ReportKind {
constexpr int ClassList = 1, AwardList = 2, TeamList = 3, ScoreList = 4, MissingScoreList = 5,
              ClassResults = 6, AwardResults = 7, ContestParameters = 8, GroupsList = 9,
              CountyClassResults = 10;
constexpr int Count = 10;
} // namespace ReportKind

// A class chosen for class results: its key and title, in the order of the list.
struct ClassChoice
{
    QString key;
    QString title;
};

// An award chosen for award results or the export: its key and name.
struct AwardChoice
{
    QString key;
    QString name;
};

// Which members the groups list shows and by which of their groups.
struct GroupsListChoice
{
    enum Grouping { TrueTeam, TeamRandom, FullRandom, Assigned };
    std::vector<int> levels; // 1..7
    Grouping grouping = TrueTeam;
    bool names = true;
};

// What the screen that started a report chose for it.
struct ReportSelections
{
    std::vector<ClassChoice> classes; // class results, at most 24
    QStringList countyCodes;          // class results by county: the first three characters
    QStringList counties;             // team list: the county texts
    std::vector<AwardChoice> awards;  // award results
    int ranks = 10;                   // award results: ranks 1..R
    GroupsListChoice groups;          // groups list
};

// A screen asks its window for a report with this: the kind and what the screen chose.
using ReportStarter = std::function<void(int kind, const ReportSelections& selections)>;

// What a report works from.
struct ReportContext
{
    core::DataMaster& data;
    QString contestKey;
    QString contestTitle;
    const ReportSelections& selections;
    platform::Printer& printer;
};

// The job title a report kind is printed under (also the built-in PDF printer's file name).
QString ReportJobTitle(int kind);

// The page frame of a judging report: the grid of its kind (portrait 80 x 74, or landscape
// 120 x 56 for class results), the title line, the headings line, the body font and the footer.
// The orientation is set when the frame is made, before the document begins.
class ReportFrame
{
public:
    ReportFrame(ReportContext& context, int kind);

    ReportContext& context() { return m_context; }
    output::ReportGrid& grid() { return *m_grid; }
    int kind() const { return m_kind; }
    bool landscape() const;

    // "Contest " + key + " [" + title + "]".
    QString contestName() const;
    // The contest name, a blank and the text.
    QString contestLine(const QString& text) const;
    // Line 0 in bold, 12 points unless given.
    void title(const QString& text, int size = 12, int column = 0);
    // The headings of line 2 in bold (10 points, 8 for class results).
    void headingsFont();
    void heading(int column, const QString& text, int line = 2);
    // The body font and the counter on the first body line (4, or 6 for class results).
    void startBody();
    void bodyFont();
    // The product line at the foot of the page; class results by county have none.
    void footer();
    // Pages on demand, each with the footer and then the header, which is drawn now as well.
    void paginate(std::function<void()> header);

private:
    ReportContext& m_context;
    int m_kind;
    std::unique_ptr<output::ReportGrid> m_grid;
};

} // namespace judging
