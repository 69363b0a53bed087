#include "judging/reports/reportkinds.h"

#include "core/datamaster.h"
#include "judging/awards.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/results.h"
#include "platform/dialogs.h"

#include <algorithm>
#include <array>

namespace judging {

namespace {

// Leaves the body room on the page even for class lists that repeat classes up to the limit.
constexpr int MaxHeaderClassLines = 50;

class AwardResultsReport
{
public:
    explicit AwardResultsReport(ReportContext& context)
        : m_context(context), m_frame(context, ReportKind::AwardResults), m_grid(m_frame.grid())
    {
    }

    void run();

private:
    void header();
    // A new page, with the award's header again, unless the lines fit on this one.
    void ensureRoom(int lines);
    void teamRows(int rank, const RankedUnit& unit);
    void individualRow(int rank, const RankedUnit& unit);
    // The scoring total in bold and the three tie-breaker totals, on the counter's line.
    void totals(const RankedUnit& unit);

    ReportContext& m_context;
    ReportFrame m_frame;
    output::ReportGrid& m_grid;
    Award m_award;
    int m_position = 0;
    std::array<QStringList, 4> m_classLines;
    int m_bodyStart = 4;
    int m_maxMembers = 0;
};

void AwardResultsReport::run()
{
    core::DataMaster& data = m_context.data;
    data.DeleteAllRecords(core::Calc, false);
    const ContestScores scores(data, m_context.contestKey);
    if (data.FindRecord(core::Cont, m_context.contestKey))
        m_maxMembers = std::clamp(data.ReadField(core::Cont, ContField::MaxMembers).trimmed().toInt(), 0, MaxMembers);
    m_grid.onPageEnd = [this] { m_frame.footer(); };
    m_grid.onPageStart = [this] { header(); };

    bool first = true;
    const QStringList& types = AwardTypesProcessingOrder();
    for (int position = 1; position <= static_cast<int>(types.size()); ++position)
        for (const AwardChoice& choice : m_context.selections.awards) {
            if (!choice.key.startsWith(m_context.contestKey) ||
                choice.key.mid(ContestKeyLength, 2) != types[position - 1])
                continue;
            Award award;
            if (!ReadAward(data, choice.key, award))
                continue;
            ProcessAward(data, m_context.contestKey, award, &scores);
            const std::vector<RankedUnit> ranked = RankAward(data, m_context.contestKey, award);

            m_award = award;
            m_position = position;
            for (std::size_t k = 0; k < 4; ++k) {
                m_classLines[k] = ClassListCells(data, m_context.contestKey, award.classes[k]);
                m_classLines[k].removeAll(QString());
            }
            if (first)
                header();
            else
                m_grid.newPage();
            first = false;

            const int ranks = std::min(m_context.selections.ranks, static_cast<int>(ranked.size()));
            for (int r = 1; r <= ranks; ++r) {
                if (position <= 3)
                    teamRows(r, ranked[static_cast<std::size_t>(r - 1)]);
                else
                    individualRow(r, ranked[static_cast<std::size_t>(r - 1)]);
            }
        }
    m_grid.onPageEnd = nullptr;
    m_grid.onPageStart = nullptr;
    m_frame.footer();
}

void AwardResultsReport::header()
{
    m_frame.title(m_frame.contestLine(m_award.type + QStringLiteral(" Award ") + m_award.number + QStringLiteral("  ") +
                                      m_award.name + QStringLiteral("  Results...")));
    m_frame.heading(0, QStringLiteral("Scoring Class(es):"));
    m_frame.heading(20, QStringLiteral("Tie 1 Class(es):"));
    m_frame.heading(40, QStringLiteral("Tie 2 Class(es):"));
    m_frame.heading(60, QStringLiteral("Tie 3 Class(es):"));
    qsizetype rows = 0;
    for (const QStringList& lines : m_classLines)
        rows = std::max(rows, lines.size());
    rows = std::min<qsizetype>(rows, MaxHeaderClassLines);
    int line = 3;
    m_frame.bodyFont();
    for (qsizetype i = 0; i < rows; ++i, ++line)
        for (std::size_t k = 0; k < 4; ++k)
            if (i < m_classLines[k].size())
                m_grid.printAt(20 * static_cast<int>(k), line, m_classLines[k][i]);
    m_frame.heading(0, QStringLiteral("Rank"), line);
    m_frame.heading(8, QStringLiteral("Contestant"), line);
    m_frame.heading(18, QStringLiteral("Name"), line);
    m_frame.heading(38, QStringLiteral("Team"), line);
    m_frame.heading(48, QStringLiteral("Score"), line);
    m_frame.heading(58, QStringLiteral("Tie Breakers"), line);
    m_bodyStart = line + 2;
    m_frame.bodyFont();
    m_grid.setLine(m_bodyStart);
}

void AwardResultsReport::ensureRoom(int lines)
{
    if (m_grid.line() + lines > m_grid.pageEnd())
        m_grid.newPage();
}

void AwardResultsReport::teamRows(int rank, const RankedUnit& unit)
{
    core::DataMaster& data = m_context.data;
    const QString levelCode = unit.key.mid(ContestKeyLength + 3, 2);
    const QString entryNumber = unit.key.mid(ContestKeyLength + 5, 3);
    if (!data.FindRecord(core::Team, TeamKey(m_context.contestKey, levelCode, entryNumber)))
        return;
    struct Member
    {
        int position;
        QString name;
        QString total;
    };
    std::vector<Member> members;
    for (int j = 1; j <= m_maxMembers; ++j) {
        const QString name = data.ReadField(core::Team, TeamField::memberName(j));
        if (!name.trimmed().isEmpty())
            members.push_back({j, name, QString()});
    }
    const QString county = data.ReadField(core::Team, TeamField::County).left(14);
    if (data.FindRecord(core::Calc, unit.key))
        for (Member& m : members)
            m.total = data.ReadField(core::Calc, CalcField::memberTotal(m.position)).trimmed();

    // A team stays on one page when a page can hold it.
    const int block = static_cast<int>(members.size()) + 1;
    if (block <= m_grid.pageEnd() - m_bodyStart)
        ensureRoom(block);
    bool first = true;
    for (const Member& m : members) {
        ensureRoom(1);
        if (first)
            m_grid.printRight(2, QString::number(rank));
        first = false;
        m_grid.print(8, levelCode + QStringLiteral("  ") + entryNumber + MemberLetter(m.position));
        m_grid.print(18, m.name.left(24));
        m_grid.print(38, county);
        m_grid.printRight(52, m.total);
        m_grid.setLine(m_grid.line() + 1);
    }
    ensureRoom(1);
    totals(unit);
    m_grid.setLine(m_grid.line() + 2);
}

void AwardResultsReport::totals(const RankedUnit& unit)
{
    m_grid.setFont(10, true);
    m_grid.printRight(52, QString::number(unit.totals[0]));
    m_frame.bodyFont();
    m_grid.printRight(60, QString::number(unit.totals[1]));
    m_grid.printRight(65, QString::number(unit.totals[2]));
    m_grid.printRight(70, QString::number(unit.totals[3]));
}

void AwardResultsReport::individualRow(int rank, const RankedUnit& unit)
{
    core::DataMaster& data = m_context.data;
    const QChar letter = unit.key.size() >= CalcKeyLength ? unit.key.at(CalcKeyLength - 1) : QChar();
    const int member = MemberIndex(letter);
    if (member < 1) {
        platform::Dialogs::error(QStringLiteral("Current Contestant Letter NOT valid"));
        return;
    }
    const QString levelCode = unit.key.mid(ContestKeyLength + 3, 2);
    const QString entryNumber = unit.key.mid(ContestKeyLength + 5, 3);
    QString name, county;
    if (data.FindRecord(core::Team, TeamKey(m_context.contestKey, levelCode, entryNumber))) {
        name = data.ReadField(core::Team, TeamField::memberName(member)).left(24);
        county = data.ReadField(core::Team, TeamField::County).left(14);
    }
    ensureRoom(1);
    m_grid.printRight(2, QString::number(rank));
    m_grid.print(8, (m_position <= 7 ? levelCode + QStringLiteral("  ") : QStringLiteral("     ")) + entryNumber + letter);
    m_grid.print(18, name);
    m_grid.print(38, county);
    totals(unit);
    m_grid.setLine(m_grid.line() + 1);
}

} // namespace

void PrintAwardResults(ReportContext& context)
{
    AwardResultsReport(context).run();
}

} // namespace judging
