#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace core {
class DataMaster;
}

namespace quiz {

// The qualifying question keys of a practice quiz, in bank order.
struct QuestionPools
{
    QStringList quiz;       // practice, competition and untyped questions
    QStringList bonus;
    QStringList tieBreaker;
};

constexpr int MaxPoolSize = 5000;
// The most questions one quiz draws of each kind.
constexpr int MaxDrawnQuiz = 500;
constexpr int MaxDrawnBonus = 100;
constexpr int MaxDrawnTieBreaker = 100;

// Active questions of the given quizzes with the given difficulty; used ones (selected flag
// set) only when `allowUsed`.
QuestionPools BuildQuestionPools(core::DataMaster& data, const QStringList& codes, const QString& difficulty,
                                 bool allowUsed);

// The most that may be asked of a pool: its size, and never more than a quiz draws.
inline int CountLimit(int poolSize, int maxDrawn)
{
    return poolSize < maxDrawn ? poolSize : maxDrawn;
}

// Draws `count` different keys of the pool, in drawing order: a position is picked at random
// (`below(n)` gives 0..n-1) and picked again while it was drawn already. Asking for more than
// the pool holds draws the whole pool.
QStringList DrawQuestions(const QStringList& pool, int count, const std::function<int(int)>& below);

// Marks drawn questions as selected and counts their use; keys no longer in the bank are skipped.
void MarkDrawn(core::DataMaster& data, const QStringList& keys);

} // namespace quiz
