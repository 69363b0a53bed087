#include "quiz/textwrap.h"

namespace quiz {

QStringList WrapText(const QString& text)
{
    QStringList lines;
    QString rest = text;
    for (int pass = 0; pass < 2; ++pass) {
        if (rest.size() <= OneLineLength) {
            lines.append(rest);
            return lines;
        }
        const qsizetype blank = rest.indexOf(QLatin1Char(' '), BreakSearchFrom - 1);
        if (blank < 0) {
            lines.append(rest);
            return lines;
        }
        lines.append(rest.left(blank));
        rest = rest.mid(blank + 1);
        // A blank at the very end leaves nothing for another line.
        if (rest.isEmpty())
            return lines;
    }
    lines.append(rest);
    return lines;
}

} // namespace quiz
