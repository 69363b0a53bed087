#include "judging/reports/reportframe.h"

#include "core/datamaster.h"
#include "core/edition.h"

namespace judging {

QString ReportJobTitle(int kind)
{
    switch (kind) {
    case ReportKind::ClassList: return QStringLiteral("Class List");
    case ReportKind::AwardList: return QStringLiteral("Award List");
    case ReportKind::TeamList: return QStringLiteral("Team List");
    case ReportKind::ScoreList: return QStringLiteral("Score List");
    case ReportKind::MissingScoreList: return QStringLiteral("Missing Score List");
    case ReportKind::ClassResults: return QStringLiteral("Class Results");
    case ReportKind::AwardResults: return QStringLiteral("Award Results");
    case ReportKind::ContestParameters: return QStringLiteral("Contest Parameters");
    case ReportKind::GroupsList: return QStringLiteral("Groups List");
    case ReportKind::CountyClassResults: return QStringLiteral("Class Results by County");
    }
    return platform::Printer::defaultTitle();
}

ReportFrame::ReportFrame(ReportContext& context, int kind) : m_context(context), m_kind(kind)
{
    context.printer.setOrientation(landscape() ? platform::Printer::Orientation::Landscape
                                               : platform::Printer::Orientation::Portrait);
    m_grid = std::make_unique<output::ReportGrid>(landscape() ? output::Grids::JudgingLandscape
                                                              : output::Grids::JudgingPortrait,
                                                  output::ReportGrid::Margin::TwoColumns, context.printer);
}

bool ReportFrame::landscape() const
{
    return m_kind == ReportKind::ClassResults || m_kind == ReportKind::CountyClassResults;
}

QString ReportFrame::contestName() const
{
    return QStringLiteral("Contest ") + m_context.contestKey + QStringLiteral(" [") + m_context.contestTitle +
           QLatin1Char(']');
}

QString ReportFrame::contestLine(const QString& text) const
{
    return contestName() + QLatin1Char(' ') + text;
}

void ReportFrame::paginate(std::function<void()> header)
{
    m_grid->setPagesOnDemand(true);
    m_grid->onPageEnd = [this] { footer(); };
    m_grid->onPageStart = std::move(header);
    m_grid->onPageStart();
}

void ReportFrame::title(const QString& text, int size, int column)
{
    grid().setFont(size, true);
    grid().printAt(column, 0, text);
}

void ReportFrame::headingsFont()
{
    grid().setFont(landscape() ? 8 : 10, true);
}

void ReportFrame::heading(int column, const QString& text, int line)
{
    headingsFont();
    grid().printAt(column, line, text);
}

void ReportFrame::bodyFont()
{
    grid().setFont(landscape() ? 8 : 10);
}

void ReportFrame::startBody()
{
    bodyFont();
    grid().setLine(landscape() ? 6 : 4);
}

void ReportFrame::footer()
{
    if (m_kind == ReportKind::CountyClassResults)
        return;
    const platform::PrintFont font = m_context.printer.font();
    grid().setFont(6, true, true);
    grid().printAt(m_kind == ReportKind::ClassResults ? 50 : 28, grid().lines() - 1,
                   core::Edition::footerLine());
    m_context.printer.setFont(font);
}

} // namespace judging
