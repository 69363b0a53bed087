#pragma once

#include "quiz/quizsheets.h"

#include "platform/printer.h"

#include <QList>
#include <QString>

namespace quiz {

// One print job of a practice quiz: the job's title and the pages of its sheet.
struct SheetJob
{
    QString title;
    QList<SheetPage> pages;
};

// The job title of a sheet, which also names its file on the built-in PDF printer:
// "Quiz Questions 1".. for the copies of the question sheet (copy counted from 1),
// "Quiz Answers" and "Quiz Hints".
QString SheetJobTitle(SheetKind kind, int copy = 1);

// The jobs of one printing, in order: the question sheet `copies` times, then the answer sheet
// and the hint sheet when asked for.
QList<SheetJob> SheetJobs(const DrawnQuiz& quiz, const SheetOptions& options, const QString& stamp,
                          int copies, bool answers, bool hints);

// Prints each job as a print job of its own on the quiz grid (80 columns, 70 lines, two columns
// of left margin), in the orientation the printer is set to. A job the printer cannot start
// ends the run, so the user is told once. When the jobs went to the built-in PDF printer, the
// files written are opened afterwards. Returns the number of jobs printed.
int PrintSheets(const QList<SheetJob>& jobs, platform::Printer& printer = platform::Printer::instance());

} // namespace quiz
