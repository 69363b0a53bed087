#include "output/reportgrid.h"

#include <algorithm>

namespace output {

ReportGrid::ReportGrid(GridSize size, Margin margin, platform::Printer& printer)
    : m_printer(printer), m_size(size), m_marginColumns(margin == Margin::TwoColumns ? 2 : 0),
      m_columnWidth(printer.pageWidth() / std::max(1, size.columns)),
      m_lineHeight(printer.pageHeight() / std::max(1, size.lines)), m_pageEnd(size.lines - 2)
{
}

void ReportGrid::printAt(int column, int line, const QString& text)
{
    m_printer.drawText(x(column), y(line), text);
}

void ReportGrid::printRightAt(int column, int line, const QString& text)
{
    PrintRightAligned(x(column), y(line), text);
}

void ReportGrid::PrintRightAligned(int x, int y, const QString& text)
{
    m_printer.drawText(x - m_printer.textWidth(text), y, text);
}

void ReportGrid::setFontName(const QString& name)
{
    platform::PrintFont font = m_printer.font();
    font.name = name;
    m_printer.setFont(font);
}

bool ReportGrid::advance(int n)
{
    m_line += n;
    if (m_onDemand || m_line < m_pageEnd)
        return false;
    newPage();
    return true;
}

void ReportGrid::keepTogether(int lines)
{
    if (m_line + lines > m_pageEnd)
        newPage();
}

void ReportGrid::newPage()
{
    if (onPageEnd)
        onPageEnd();
    m_line = 0;
    m_printer.newPage();
    if (onPageStart)
        onPageStart();
}

} // namespace output
