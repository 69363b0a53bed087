#pragma once

#include "judging/reports/reportframe.h"

// One drawing operation per report kind; the document is open on its first page when each
// is called and is ended by the caller.
namespace judging {

void PrintClassList(ReportContext& context);
void PrintAwardList(ReportContext& context);
void PrintTeamList(ReportContext& context);
void PrintScoreList(ReportContext& context);
void PrintMissingScoreList(ReportContext& context);
// Kinds 6 and 10.
void PrintClassResults(ReportContext& context, int kind);
void PrintAwardResults(ReportContext& context);
void PrintContestParameters(ReportContext& context);
void PrintGroupsList(ReportContext& context);

} // namespace judging
