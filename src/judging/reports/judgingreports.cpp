#include "judging/reports/judgingreports.h"

#include "core/datamaster.h"
#include "judging/fields.h"
#include "judging/reports/reportkinds.h"

namespace judging {

bool PrintJudgingReport(core::DataMaster& data, const QString& contestKey, int kind,
                        const ReportSelections& selections, platform::Printer& printer)
{
    if (kind < 1 || kind > ReportKind::Count)
        return false;
    QString title;
    if (data.FindRecord(core::Cont, contestKey))
        title = data.ReadField(core::Cont, ContField::Title);
    ReportContext context{data, contestKey, title, selections, printer};
    // The orientation must be set before the job begins; each kind's frame sets it again.
    printer.setOrientation(kind == ReportKind::ClassResults || kind == ReportKind::CountyClassResults
                               ? platform::Printer::Orientation::Landscape
                               : platform::Printer::Orientation::Portrait);
    if (!printer.beginDocument(ReportJobTitle(kind)))
        return false;
    switch (kind) {
    case ReportKind::ClassList: PrintClassList(context); break;
    case ReportKind::AwardList: PrintAwardList(context); break;
    case ReportKind::TeamList: PrintTeamList(context); break;
    case ReportKind::ScoreList: PrintScoreList(context); break;
    case ReportKind::MissingScoreList: PrintMissingScoreList(context); break;
    case ReportKind::ClassResults:
    case ReportKind::CountyClassResults: PrintClassResults(context, kind); break;
    case ReportKind::AwardResults: PrintAwardResults(context); break;
    case ReportKind::ContestParameters: PrintContestParameters(context); break;
    case ReportKind::GroupsList: PrintGroupsList(context); break;
    }
    printer.endDocument();
    return true;
}

} // namespace judging
