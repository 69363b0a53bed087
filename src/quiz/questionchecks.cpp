#include "quiz/questionchecks.h"

#include "quiz/quizfields.h"

namespace quiz {

bool IsQuizCode(const QString& code)
{
    if (code.size() != QuizCodeLength)
        return false;
    for (QChar c : code)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return false;
    return true;
}

bool IsDifficulty(const QString& text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('1') && text.at(0) <= QLatin1Char('5');
}

QString QuestionTypeText(int type)
{
    switch (type) {
    case Practice:
        return QStringLiteral("Practice");
    case Competition:
        return QStringLiteral("Competition");
    case Bonus:
        return QStringLiteral("Bonus");
    case TieBreaker:
        return QStringLiteral("Tie Breaker");
    default:
        return QString();
    }
}

int QuestionTypeCode(const QString& text)
{
    for (int type = TieBreaker; type >= Practice; --type)
        if (text == QuestionTypeText(type))
            return type;
    return NoType;
}

QString CompleteQuestionType(const QString& typed)
{
    if (typed.isEmpty())
        return QString();
    switch (typed.at(0).toUpper().unicode()) {
    case 'B':
        return QuestionTypeText(Bonus);
    case 'C':
        return QuestionTypeText(Competition);
    case 'P':
        return QuestionTypeText(Practice);
    case 'T':
        return QuestionTypeText(TieBreaker);
    default:
        return QString();
    }
}

QString QuizLine(const QString& code, const QString& title)
{
    return code + QStringLiteral("  ") + title;
}

QString ListedQuestionText(const QString& text)
{
    if (text.size() <= ListedTextLength)
        return text;
    return text.left(ListedTextLength) + QStringLiteral("...");
}

} // namespace quiz
