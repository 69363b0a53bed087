#include "quiz/questionpools.h"

#include "core/datamaster.h"
#include "quiz/quizfields.h"

#include <algorithm>
#include <vector>

namespace quiz {

using core::Ques;

QuestionPools BuildQuestionPools(core::DataMaster& data, const QStringList& codes, const QString& difficulty,
                                 bool allowUsed)
{
    QuestionPools pools;
    // Sorted codes read by prefix give the keys in bank order.
    QStringList sorted = codes;
    sorted.sort();
    sorted.removeDuplicates();
    const QLatin1String yes("1"), no("0");
    for (const QString& code : sorted) {
        if (code.size() != QuizCodeLength)
            continue;
        for (bool found = data.FindPrefix(Ques, code, QuizCodeLength, true); found;
             found = data.FindPrefix(Ques, code, QuizCodeLength, false)) {
            if (data.ReadField(Ques, QuesField::Active) != yes)
                continue;
            // An empty flag was never set: the question has not been drawn.
            if (!allowUsed && !data.ReadField(Ques, QuesField::Selected).isEmpty() &&
                data.ReadField(Ques, QuesField::Selected) != no)
                continue;
            if (data.ReadField(Ques, QuesField::Difficulty) != difficulty)
                continue;
            const int type = data.ReadFieldInt(Ques, QuesField::Type);
            QStringList& pool = type == Bonus ? pools.bonus : type == TieBreaker ? pools.tieBreaker : pools.quiz;
            if (pool.size() < MaxPoolSize)
                pool.append(data.CurrentKey(Ques));
        }
    }
    return pools;
}

QStringList DrawQuestions(const QStringList& pool, int count, const std::function<int(int)>& below)
{
    const int size = int(pool.size());
    count = std::clamp(count, 0, size);
    QStringList drawn;
    std::vector<bool> taken(std::size_t(size), false);
    while (drawn.size() < count) {
        const int position = below(size);
        if (position < 0 || position >= size || taken[std::size_t(position)])
            continue;
        taken[std::size_t(position)] = true;
        drawn.append(pool.at(position));
    }
    return drawn;
}

void MarkDrawn(core::DataMaster& data, const QStringList& keys)
{
    for (const QString& key : keys) {
        if (!data.FindRecord(Ques, key))
            continue;
        data.WriteField(Ques, QuesField::Selected, QStringLiteral("1"));
        // An empty count is no use yet: this is its first.
        if (data.ReadField(Ques, QuesField::UsageCount).isEmpty())
            data.WriteField(Ques, QuesField::UsageCount, QStringLiteral("1"));
        else
            data.IncrementField(Ques, QuesField::UsageCount);
    }
}

} // namespace quiz
