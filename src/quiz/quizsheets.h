#pragma once

#include "quiz/question.h"

#include <QList>
#include <QString>

namespace quiz {

enum class SheetKind { Questions, Answers, Hints };

// The printer grid of the quiz sheets.
constexpr int SheetColumns = 80;
constexpr int SheetLines = 70;
constexpr int FirstBodyLine = 3;
constexpr int PageEndLine = 68; // reaching it starts a new page
constexpr int StampColumn = 60;
constexpr int FooterLine = 69;
constexpr int FooterColumn = 25;
constexpr int AnswerRuleLength = 132;

// One text of a sheet page at a grid position, with its font.
struct SheetText
{
    int line = 0;
    int column = 0;
    QString text;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const SheetText&) const = default;
};
using SheetPage = QList<SheetText>;

// What the question sheet includes beside the questions.
struct SheetOptions
{
    bool author = false;
    bool source = false;
    bool hint = false;
    bool answerSpace = false;
};

// A prepared quiz: its title and the drawn questions of each section, in drawing order.
struct DrawnQuiz
{
    QString title;
    QList<Question> quiz;
    QList<Question> bonus;
    QList<Question> tieBreaker;
};

QString SheetTitle(SheetKind kind);
QString SheetFooter();

// The pages of one sheet; `stamp` is the date and time its header shows.
QList<SheetPage> LayoutSheet(SheetKind kind, const DrawnQuiz& quiz, const SheetOptions& options,
                             const QString& stamp);

} // namespace quiz
