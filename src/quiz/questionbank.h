#pragma once

#include "quiz/question.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace core {
class DataMaster;
}

namespace quiz {

// Quiz types and their questions in the Quiz and Ques tables.
class QuestionBank
{
public:
    explicit QuestionBank(core::DataMaster& data) : m_data(data) {}

    // Every quiz type in code order, as "code  title".
    QStringList QuizLines();
    bool QuizExists(const QString& code);
    QString QuizTitle(const QString& code);
    // Adds the quiz type when it is new, then writes its title.
    void SaveQuiz(const QString& code, const QString& title);
    // Removes a quiz type that has no questions; false (and nothing removed) otherwise.
    bool DeleteQuiz(const QString& code);

    // The questions of a quiz in key order, as "key  text" with the text cut for the list.
    QStringList QuestionLines(const QString& code);
    int QuestionCount(const QString& code);
    // The key a new question of the quiz gets: the code and the quiz's counter + 1, never a key
    // in use. Empty when the four digits are used up.
    QString NextQuestionKey(const QString& code);

    std::optional<Question> ReadQuestion(const QString& key);
    // The questions of the keys in their order; keys no longer in the bank are skipped.
    QList<Question> ReadQuestions(const QStringList& keys);
    // Writes every field of the question, adding the record if needed; a new question raises
    // its quiz's counter so its serial is not given out again.
    void SaveQuestion(const Question& question, bool isNew);
    void DeleteQuestion(const QString& key);

    // Writes `value` into `field` of every question of the given quizzes.
    void SetFieldOfQuizzes(const QStringList& codes, int field, const QString& value);

private:
    core::DataMaster& m_data;
};

} // namespace quiz
