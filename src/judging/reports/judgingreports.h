#pragma once

#include "judging/reports/reportframe.h"
#include "platform/printer.h"

namespace judging {

// Prints one judging report of the contest on the selected printer, as one print job titled
// ReportJobTitle(kind). False when the printer could not start (it has told the user).
bool PrintJudgingReport(core::DataMaster& data, const QString& contestKey, int kind,
                        const ReportSelections& selections,
                        platform::Printer& printer = platform::Printer::instance());

} // namespace judging
