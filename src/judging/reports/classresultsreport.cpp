#include "judging/classresults.h"
#include "judging/reports/reportkinds.h"

#include <algorithm>

namespace judging {

namespace {

// What belongs to classes 13..24 and the total, team and county columns waits here, line by
// line, for the B page that follows each full A page.
constexpr int BufferRows = 60;
constexpr int BufferCells = 18;
constexpr int LegendPerLine = 5;
constexpr int LegendColumnStep = 22;

struct Cell
{
    int column = 0;
    QString text;
};

class ClassResultsReport
{
public:
    ClassResultsReport(ReportContext& context, int kind)
        : m_frame(context, kind),
          m_results(context.data, context.contestKey, context.selections.classes,
                    kind == ReportKind::CountyClassResults
                        ? ResultsFilter{ResultsFilter::CountyCodes, context.selections.countyCodes}
                        : ResultsFilter{}),
          m_classCount(int(m_results.classes().size())), m_twoPages(m_classCount > ClassesPerPage),
          m_buffer(BufferRows)
    {
    }

    void print()
    {
        output::ReportGrid& grid = m_frame.grid();
        // A page never holds more lines than its B page can take.
        if (m_twoPages)
            grid.setPageEnd(std::min(grid.pageEnd(), BufferRows));
        grid.onPageEnd = [this] {
            if (m_twoPages)
                printBPage(false);
        };
        grid.onPageStart = [this] { pageStart(); };
        pageStart();
        for (const ResultsEntry& entry : m_results.entries()) {
            const EntryResults r = m_results.read(entry);
            for (const MemberResults& m : r.members)
                if (m.named()) {
                    row(r, m);
                    grid.advance(1);
                }
            grid.advance(1);
        }
        // The legend takes the foot of the last page; rows that reach into it move the legend on.
        // The line above the counter is always the blank one after an entry.
        if (grid.line() - 1 > legendLine())
            grid.newPage();
        if (m_twoPages)
            printBPage(true);
        else
            legend();
        grid.onPageEnd = nullptr;
        grid.onPageStart = nullptr;
    }

private:
    QString titleText(const QString& suffix) const
    {
        const QString text = m_frame.kind() == ReportKind::CountyClassResults
                                 ? QStringLiteral("Class Results (Selected Counties)...     Page ")
                                 : QStringLiteral("Class Results (All Contestants)...     Page ");
        return m_frame.contestLine(text + QString::number(m_page) + suffix);
    }

    int totalColumn(int classes) const { return 5 * classes + 22; }
    int firstPageClasses() const { return std::min(m_classCount, ClassesPerPage); }
    static QString numberText(qint64 value) { return QString::number(value); }

    void commonHeadings()
    {
        m_frame.heading(-2, QStringLiteral("Contestant"));
        m_frame.heading(6, QStringLiteral("Name"));
        m_frame.heading(20, QStringLiteral("Class(es)"));
    }

    void pageStart()
    {
        ++m_page;
        m_frame.title(titleText(m_twoPages ? QStringLiteral("A") : QString()));
        commonHeadings();
        const auto& classes = m_results.classes();
        if (!m_twoPages) {
            m_frame.heading(totalColumn(m_classCount), QStringLiteral("Total"));
            m_frame.heading(totalColumn(m_classCount) + 5, QStringLiteral("Team"));
            m_frame.heading(totalColumn(m_classCount) + 10, QStringLiteral("County"));
        }
        for (int i = 0; i < firstPageClasses(); ++i)
            m_frame.heading(5 * i + 20, classes[std::size_t(i)].number, 4);
        m_frame.footer();
        m_frame.startBody();
        if (m_twoPages)
            startBuffer();
    }

    void startBuffer()
    {
        for (auto& cells : m_buffer)
            cells.clear();
        const int rest = m_classCount - ClassesPerPage;
        put(2, totalColumn(rest), QStringLiteral("Total"));
        put(2, totalColumn(rest) + 5, QStringLiteral("Team"));
        put(2, totalColumn(rest) + 10, QStringLiteral("County"));
        for (int i = ClassesPerPage; i < m_classCount; ++i)
            put(4, 5 * (i - ClassesPerPage) + 20, m_results.classes()[std::size_t(i)].number);
    }

    void put(int line, int column, const QString& text)
    {
        if (line < 0 || line >= BufferRows)
            return; // the page end keeps rows inside the buffer
        auto& cells = m_buffer[std::size_t(line)];
        if (int(cells.size()) < BufferCells)
            cells.push_back({column, text});
    }

    void row(const EntryResults& r, const MemberResults& m)
    {
        output::ReportGrid& grid = m_frame.grid();
        const int line = grid.line();
        const QString contestant[3] = {r.entry.levelCode, m.contestant, m.name};
        const int columns[3] = {-2, 2, 6};
        for (int c = 0; c < 3; ++c)
            grid.print(columns[c], contestant[c]);
        const auto& classes = m_results.classes();
        for (int i = 0; i < firstPageClasses(); ++i)
            if (!m.cells[std::size_t(i)].isEmpty())
                grid.print(5 * i + ClassCellOffset(classes[std::size_t(i)].type), m.cells[std::size_t(i)]);

        const bool last = m.position == r.lastNamed;
        if (!m_twoPages) {
            if (m.total > 0)
                grid.print(totalColumn(m_classCount), numberText(m.total));
            if (last) {
                if (r.teamLevel)
                    grid.print(totalColumn(m_classCount) + 5, numberText(r.teamTotal));
                grid.print(totalColumn(m_classCount) + 10, r.county);
            }
            return;
        }
        for (int c = 0; c < 3; ++c)
            put(line, columns[c], contestant[c]);
        for (int i = ClassesPerPage; i < m_classCount; ++i)
            if (!m.cells[std::size_t(i)].isEmpty())
                put(line, 5 * (i - ClassesPerPage) + ClassCellOffset(classes[std::size_t(i)].type),
                    m.cells[std::size_t(i)]);
        const int rest = m_classCount - ClassesPerPage;
        if (m.total > 0)
            put(line, totalColumn(rest), numberText(m.total));
        if (last) {
            if (r.teamLevel)
                put(line, totalColumn(rest) + 5, numberText(r.teamTotal));
            put(line, totalColumn(rest) + 10, r.county);
        }
    }

    // The B page of the A page just finished, on a page of its own.
    void printBPage(bool withLegend)
    {
        output::ReportGrid& grid = m_frame.grid();
        grid.printer().newPage();
        m_frame.title(titleText(QStringLiteral("B")));
        commonHeadings();
        for (int line = 0; line < BufferRows; ++line) {
            if (line >= 1 && line <= 4)
                m_frame.headingsFont();
            else
                m_frame.bodyFont();
            for (const Cell& cell : m_buffer[std::size_t(line)])
                grid.printAt(cell.column, line, cell.text);
            m_buffer[std::size_t(line)].clear();
        }
        if (withLegend)
            legend();
        m_frame.footer();
    }

    // Lines above the footer line, one per five classes.
    int legendLine() { return m_frame.grid().lines() - 1 - (m_classCount / LegendPerLine + 1); }

    void legend()
    {
        output::ReportGrid& grid = m_frame.grid();
        m_frame.bodyFont();
        const auto& classes = m_results.classes();
        for (int p = 0; p < m_classCount; ++p)
            grid.printAt(LegendColumnStep * (p % LegendPerLine), legendLine() + p / LegendPerLine,
                         classes[std::size_t(p)].number + QStringLiteral("  ") + classes[std::size_t(p)].title);
    }

    ReportFrame m_frame;
    ClassResults m_results;
    int m_classCount;
    bool m_twoPages;
    int m_page = 0;
    std::vector<std::vector<Cell>> m_buffer;
};

} // namespace

void PrintClassResults(ReportContext& context, int kind)
{
    ClassResultsReport report(context, kind);
    report.print();
}

} // namespace judging
