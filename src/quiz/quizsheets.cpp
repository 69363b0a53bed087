#include "quiz/quizsheets.h"

#include "core/edition.h"
#include "quiz/textwrap.h"

namespace quiz {

QString SheetTitle(SheetKind kind)
{
    switch (kind) {
    case SheetKind::Questions:
        return QStringLiteral("[Practice - QUESTIONS]  ");
    case SheetKind::Answers:
        return QStringLiteral("[Practice - ANSWERS]  ");
    case SheetKind::Hints:
        return QStringLiteral("[Practice - HINTS]  ");
    }
    return QString();
}

QString SheetFooter()
{
    return core::Edition::footerLine();
}

namespace {

// Puts texts on the current line and advances the line counter; a page is begun (with its
// header) when its first text is put, so a sheet never ends with an empty page.
class SheetWriter
{
public:
    SheetWriter(SheetKind kind, const QString& title, const QString& stamp)
        : m_heading(SheetTitle(kind) + title), m_stamp(stamp)
    {
    }

    void put(int column, const QString& text, int pointSize = 10, bool bold = false)
    {
        if (m_pageDue)
            beginPage();
        m_pages.last().append(SheetText{m_line, column, text, pointSize, bold, false});
    }
    void advance(int lines = 1)
    {
        m_line += lines;
        if (m_line >= PageEndLine) {
            m_pageDue = true;
            m_line = FirstBodyLine;
        }
    }
    void wrapped(const QString& text, bool bold = false)
    {
        for (const QString& line : WrapText(text)) {
            put(0, line, 10, bold);
            advance();
        }
    }
    QList<SheetPage> pages() const { return m_pages; }

private:
    void beginPage()
    {
        m_pageDue = false;
        m_pages.append(SheetPage{SheetText{0, 0, m_heading, 12, true, true},
                                 SheetText{0, StampColumn, m_stamp, 12, true, true},
                                 SheetText{FooterLine, FooterColumn, SheetFooter(), 6, true, true}});
    }

    QString m_heading;
    QString m_stamp;
    QList<SheetPage> m_pages;
    int m_line = FirstBodyLine;
    bool m_pageDue = true;
};

void questionEntry(SheetWriter& w, SheetKind kind, const Question& q, const SheetOptions& options, bool quizSection)
{
    // The quiz master's sheets name author and source of every quiz question.
    const bool masterSheet = kind != SheetKind::Questions;
    const bool author = options.author || (masterSheet && quizSection);
    const bool source = options.source || (masterSheet && quizSection);
    w.put(0, q.key);
    if (author)
        w.put(10, QStringLiteral("Author: ") + q.author);
    if (source)
        w.put(30, QStringLiteral("Source: ") + q.source);
    w.advance();
    w.wrapped(q.question, true);
    w.advance();
    switch (kind) {
    case SheetKind::Questions:
        if (options.hint) {
            w.wrapped(QStringLiteral("Hint: ") + q.hint);
            w.advance();
        }
        if (options.answerSpace)
            for (int i = 0; i < 2; ++i) {
                w.put(0, QString(AnswerRuleLength, QLatin1Char('_')));
                w.advance(2);
            }
        break;
    case SheetKind::Answers:
        w.wrapped(QStringLiteral("Answer: ") + q.answer);
        w.advance();
        break;
    case SheetKind::Hints:
        w.wrapped(QStringLiteral("Hint: ") + q.hint);
        w.advance();
        break;
    }
}

void section(SheetWriter& w, SheetKind kind, const QString& heading, const QList<Question>& questions,
             const SheetOptions& options)
{
    if (questions.isEmpty())
        return;
    w.advance();
    w.put(0, heading, 12, true);
    w.advance(2);
    for (const Question& q : questions)
        questionEntry(w, kind, q, options, false);
}

} // namespace

QList<SheetPage> LayoutSheet(SheetKind kind, const DrawnQuiz& quiz, const SheetOptions& options, const QString& stamp)
{
    SheetWriter w(kind, quiz.title, stamp);
    for (const Question& q : quiz.quiz)
        questionEntry(w, kind, q, options, true);
    section(w, kind, QStringLiteral("Bonus Questions:"), quiz.bonus, options);
    section(w, kind, QStringLiteral("Tie Breaker Questions:"), quiz.tieBreaker, options);
    return w.pages();
}

} // namespace quiz
