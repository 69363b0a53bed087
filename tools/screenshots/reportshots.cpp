// The first page of every judging report on the demo contest, printed by the built-in PDF
// printer and rendered to PNG by pdftoppm.
#include "core/program.h"
#include "core/ui/screens.h"
#include "judging/entries.h"
#include "judging/reports/judgingreports.h"
#include "platform/drives.h"
#include "platform/printer.h"

#include <QProcess>
#include <QTextStream>

using namespace judging;

void saveReportPages(core::Screens& screens, const QString& dir, QTextStream& out)
{
    core::Program& program = screens.program();
    const QString contest = QStringLiteral("LS121026");
    ReportSelections selections;
    const char* classes[][2] = {{"001", "Market Steers"}, {"002", "Breeding Gilts"},
                                {"003", "Market Steer Reasons"}, {"004", "Feed Identification"}};
    for (const auto& c : classes)
        selections.classes.push_back({contest + QString::fromLatin1(c[0]), QString::fromLatin1(c[1])});
    selections.countyCodes = {QStringLiteral("ADA"), QStringLiteral("BUF")};
    selections.counties = ContestCounties(program.data(), contest);
    selections.awards = {{contest + QStringLiteral("ST001"), QStringLiteral("Senior Team High Point")},
                         {contest + QStringLiteral("SI002"), QStringLiteral("Senior Individual")}};
    selections.groups.levels = {1, 2};
    selections.groups.grouping = GroupsListChoice::Assigned;

    platform::Printer& printer = platform::Printer::instance();
    const int selected = printer.printerIndex();
    printer.setPrinterIndex(0);
    for (int kind = 1; kind <= ReportKind::Count; ++kind) {
        if (!PrintJudgingReport(program.data(), contest, kind, selections, printer))
            continue;
        const QString pdf = platform::Drives::resolve(platform::Printer::builtInPdfFile(ReportJobTitle(kind)));
        const QString png = dir + QStringLiteral("/report-%1").arg(kind, 2, 10, QLatin1Char('0'));
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"),
                                                       QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                                       QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                                       pdf, png});
        out << png << ".png\n";
    }
    printer.setPrinterIndex(selected);
}
