#include "quiz/questionbank.h"

#include "core/datamaster.h"
#include "core/texthelpers.h"
#include "quiz/questionchecks.h"
#include "quiz/quizfields.h"

#include <algorithm>

namespace quiz {

using core::Ques;
using core::Quiz;

QStringList QuestionBank::QuizLines()
{
    QStringList lines;
    m_data.BeginScan(Quiz);
    while (m_data.GetNextRec(Quiz))
        lines.append(QuizLine(m_data.CurrentKey(Quiz), m_data.ReadField(Quiz, QuizField::Title)));
    return lines;
}

bool QuestionBank::QuizExists(const QString& code)
{
    return !code.isEmpty() && m_data.FindRecord(Quiz, code);
}

QString QuestionBank::QuizTitle(const QString& code)
{
    return QuizExists(code) ? m_data.ReadField(Quiz, QuizField::Title) : QString();
}

void QuestionBank::SaveQuiz(const QString& code, const QString& title)
{
    if (!IsQuizCode(code))
        return;
    m_data.AddRecord(Quiz, code);
    m_data.WriteField(Quiz, QuizField::Title, title);
}

bool QuestionBank::DeleteQuiz(const QString& code)
{
    if (!QuizExists(code) || QuestionCount(code) > 0)
        return false;
    m_data.DeleteRecord(Quiz, code);
    return true;
}

QStringList QuestionBank::QuestionLines(const QString& code)
{
    QStringList lines;
    if (code.size() != QuizCodeLength)
        return lines;
    for (bool found = m_data.FindPrefix(Ques, code, QuizCodeLength, true); found;
         found = m_data.FindPrefix(Ques, code, QuizCodeLength, false))
        lines.append(m_data.CurrentKey(Ques) + QStringLiteral("  ") +
                     ListedQuestionText(m_data.ReadField(Ques, QuesField::Question)));
    return lines;
}

int QuestionBank::QuestionCount(const QString& code)
{
    int count = 0;
    if (code.size() != QuizCodeLength)
        return count;
    for (bool found = m_data.FindPrefix(Ques, code, QuizCodeLength, true); found;
         found = m_data.FindPrefix(Ques, code, QuizCodeLength, false))
        ++count;
    return count;
}

namespace {
QString keyOf(const QString& code, int serial)
{
    return code + QStringLiteral("%1").arg(serial, SerialDigits, 10, QLatin1Char('0'));
}
} // namespace

QString QuestionBank::NextQuestionKey(const QString& code)
{
    if (!QuizExists(code))
        return QString();
    int serial = m_data.ReadFieldInt(Quiz, QuizField::LastSerial) + 1;
    // A counter set back by hand must not hand out a key that is in use.
    while (serial <= MaxSerial && m_data.FindRecord(Ques, keyOf(code, serial)))
        ++serial;
    return serial <= MaxSerial ? keyOf(code, serial) : QString();
}

std::optional<Question> QuestionBank::ReadQuestion(const QString& key)
{
    if (key.isEmpty() || !m_data.FindRecord(Ques, key))
        return std::nullopt;
    Question q;
    q.key = key;
    q.author = m_data.ReadField(Ques, QuesField::Author);
    q.source = m_data.ReadField(Ques, QuesField::Source);
    q.type = m_data.ReadFieldInt(Ques, QuesField::Type);
    q.editDate = m_data.ReadField(Ques, QuesField::EditDate);
    q.active = m_data.ReadField(Ques, QuesField::Active) == QLatin1String("1");
    q.usageCount = m_data.ReadField(Ques, QuesField::UsageCount);
    q.selected = m_data.ReadField(Ques, QuesField::Selected);
    q.question = m_data.ReadField(Ques, QuesField::Question);
    q.answer = m_data.ReadField(Ques, QuesField::Answer);
    q.hint = m_data.ReadField(Ques, QuesField::Hint);
    q.difficulty = m_data.ReadField(Ques, QuesField::Difficulty);
    return q;
}

QList<Question> QuestionBank::ReadQuestions(const QStringList& keys)
{
    QList<Question> questions;
    for (const QString& key : keys)
        if (std::optional<Question> q = ReadQuestion(key))
            questions.append(*q);
    return questions;
}

void QuestionBank::SaveQuestion(const Question& q, bool isNew)
{
    if (q.key.size() != QuestionKeyLength)
        return;
    const auto zeroWhenEmpty = [](const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; };
    m_data.AddRecord(Ques, q.key);
    m_data.WriteField(Ques, QuesField::Difficulty, q.difficulty);
    m_data.WriteField(Ques, QuesField::Author, q.author);
    m_data.WriteField(Ques, QuesField::Source, q.source);
    m_data.WriteFieldInt(Ques, QuesField::Type, q.type >= Practice && q.type <= TieBreaker ? q.type : NoType);
    m_data.WriteField(Ques, QuesField::EditDate, q.editDate);
    m_data.WriteField(Ques, QuesField::Active, q.active ? QStringLiteral("1") : QStringLiteral("0"));
    m_data.WriteField(Ques, QuesField::UsageCount, zeroWhenEmpty(q.usageCount));
    m_data.WriteField(Ques, QuesField::Selected, zeroWhenEmpty(q.selected));
    m_data.WriteField(Ques, QuesField::Question, q.question.left(MaxQuestionText));
    m_data.WriteField(Ques, QuesField::Answer, q.answer.left(MaxQuestionText));
    m_data.WriteField(Ques, QuesField::Hint, q.hint.left(MaxQuestionText));
    if (!isNew)
        return;
    const QString code = q.key.left(QuizCodeLength);
    const int serial = core::ToIntOrZero(q.key.mid(QuizCodeLength));
    if (m_data.FindRecord(Quiz, code))
        m_data.WriteFieldInt(Quiz, QuizField::LastSerial,
                             std::max(m_data.ReadFieldInt(Quiz, QuizField::LastSerial) + 1, serial));
}

void QuestionBank::DeleteQuestion(const QString& key)
{
    if (!key.isEmpty())
        m_data.DeleteRecord(Ques, key);
}

void QuestionBank::SetFieldOfQuizzes(const QStringList& codes, int field, const QString& value)
{
    for (const QString& code : codes) {
        if (code.size() != QuizCodeLength)
            continue;
        for (bool found = m_data.FindPrefix(Ques, code, QuizCodeLength, true); found;
             found = m_data.FindPrefix(Ques, code, QuizCodeLength, false))
            m_data.WriteField(Ques, field, value);
    }
}

} // namespace quiz
