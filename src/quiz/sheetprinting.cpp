#include "quiz/sheetprinting.h"

#include "output/reportgrid.h"
#include "platform/files.h"
#include "platform/shellopen.h"

namespace quiz {

QString SheetJobTitle(SheetKind kind, int copy)
{
    switch (kind) {
    case SheetKind::Questions:
        return QStringLiteral("Quiz Questions ") + QString::number(copy);
    case SheetKind::Answers:
        return QStringLiteral("Quiz Answers");
    case SheetKind::Hints:
        return QStringLiteral("Quiz Hints");
    }
    return QString();
}

QList<SheetJob> SheetJobs(const DrawnQuiz& quiz, const SheetOptions& options, const QString& stamp,
                          int copies, bool answers, bool hints)
{
    QList<SheetJob> jobs;
    if (copies > 0) {
        const QList<SheetPage> questions = LayoutSheet(SheetKind::Questions, quiz, options, stamp);
        for (int copy = 1; copy <= copies; ++copy)
            jobs.append({SheetJobTitle(SheetKind::Questions, copy), questions});
    }
    if (answers)
        jobs.append({SheetJobTitle(SheetKind::Answers), LayoutSheet(SheetKind::Answers, quiz, options, stamp)});
    if (hints)
        jobs.append({SheetJobTitle(SheetKind::Hints), LayoutSheet(SheetKind::Hints, quiz, options, stamp)});
    return jobs;
}

namespace {
bool printJob(const SheetJob& job, platform::Printer& printer)
{
    if (!printer.beginDocument(job.title))
        return false;
    // Made once the job is open, so the grid has the page of the printer's orientation.
    output::ReportGrid grid(output::Grids::Quiz, output::ReportGrid::Margin::TwoColumns, printer);
    for (qsizetype p = 0; p < job.pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        for (const SheetText& t : job.pages.at(p)) {
            grid.setFont(t.pointSize, t.bold, t.italic);
            grid.printAt(t.column, t.line, t.text);
        }
    }
    printer.endDocument();
    return true;
}
} // namespace

int PrintSheets(const QList<SheetJob>& jobs, platform::Printer& printer)
{
    const bool toPdf = printer.builtInPdfSelected();
    int printed = 0;
    for (const SheetJob& job : jobs) {
        if (!printJob(job, printer))
            break;
        ++printed;
    }
    if (toPdf) {
        for (int i = 0; i < printed; ++i) {
            const QString file = platform::Printer::builtInPdfFile(jobs.at(i).title);
            if (platform::Files::exists(file))
                platform::ShellOpen::open(file);
        }
    }
    return printed;
}

} // namespace quiz
