#pragma once

#include "platform/printer.h"

#include <QString>

#include <functional>

namespace output {

// Columns and lines a printed page is divided into.
struct GridSize
{
    int columns = 80;
    int lines = 74;
};

// The grids of the printed reports.
namespace Grids {
constexpr GridSize JudgingPortrait{80, 74};   // judging reports in portrait
constexpr GridSize JudgingLandscape{120, 56}; // class results
constexpr GridSize Quiz{80, 70};              // quiz sheets, in the printer's orientation
constexpr GridSize ScoreCard{80, 100};        // score cards and target sheets, portrait
constexpr GridSize AnswerMask{215, 70};       // score-card answer masks, portrait
constexpr GridSize FilePrintout{80, 80};      // printed file of the utilities
} // namespace Grids

// A printed report's page as a grid of columns and lines on the printer's canvas:
// column width = page width div columns, line height = page height div lines; line l is at
// y = l x line height. With the two-column margin of the judging reports and quiz sheets,
// column c is at x = (c + 2) x column width, so column -2 is the left edge of the page;
// without it, at x = c x column width.
//
// The line counter walks down the page: advance() adds lines, and on reaching the page end
// (lines - 2 unless set) newPage() runs, which calls onPageEnd (a footer, a B page), starts
// the printer's next page with the counter at 0 and calls onPageStart (the header, which
// moves the counter to the first body line).
//
// The grid takes the printer's page size when it is made: set the orientation first. The
// document itself (beginDocument, endDocument) stays with the report.
class ReportGrid
{
public:
    enum class Margin { TwoColumns, None };

    explicit ReportGrid(GridSize size, Margin margin = Margin::TwoColumns,
                        platform::Printer& printer = platform::Printer::instance());

    platform::Printer& printer() const { return m_printer; }
    int columns() const { return m_size.columns; }
    int lines() const { return m_size.lines; }
    int columnWidth() const { return m_columnWidth; }
    int lineHeight() const { return m_lineHeight; }
    int x(int column) const { return (column + m_marginColumns) * m_columnWidth; }
    int y(int line) const { return line * m_lineHeight; }

    // Text starting at a column, on a given line or on the counter's line.
    void printAt(int column, int line, const QString& text);
    void print(int column, const QString& text)
    {
        startDuePage();
        printAt(column, m_line, text);
    }
    // Text ending at the x of a column.
    void printRightAt(int column, int line, const QString& text);
    void printRight(int column, const QString& text)
    {
        startDuePage();
        printRightAt(column, m_line, text);
    }
    // Text at height y (device units) that ends at x.
    void PrintRightAligned(int x, int y, const QString& text);

    // Size and style in the current face; the face itself.
    void setFont(int size, bool bold = false, bool italic = false) { m_printer.setFont(size, bold, italic); }
    void setFontName(const QString& name);

    int line() const { return m_line; }
    void setLine(int line) { m_line = line; }
    int pageEnd() const { return m_pageEnd; }
    void setPageEnd(int line) { m_pageEnd = line; }
    // Adds n lines; true when that filled the page and a new one was started (never with
    // pages on demand).
    bool advance(int n = 1);
    // With pages on demand, advance() only counts and the next page starts when text is put on
    // the counter's line past the page end, so a report never ends with an empty page.
    void setPagesOnDemand(bool onDemand) { m_onDemand = onDemand; }
    // A new page unless `lines` more fit on this one (a block kept together).
    void keepTogether(int lines);
    // Not to be called from the two callbacks.
    void newPage();

    std::function<void()> onPageEnd;
    std::function<void()> onPageStart;

private:
    // With pages on demand, the page that the counter has run past starts before new text.
    void startDuePage()
    {
        if (m_onDemand && m_line >= m_pageEnd)
            newPage();
    }

    platform::Printer& m_printer;
    GridSize m_size;
    int m_marginColumns;
    int m_columnWidth;
    int m_lineHeight;
    int m_line = 0;
    int m_pageEnd;
    bool m_onDemand = false;
};

} // namespace output
