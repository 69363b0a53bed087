#pragma once

#include <QString>

namespace quiz {

// One question of the bank as the panels show it and the sheets print it.
struct Question
{
    QString key;
    QString author;
    QString source;
    int type = 0;
    QString editDate;
    bool active = false;
    QString usageCount;
    QString selected;
    QString question;
    QString answer;
    QString hint;
    QString difficulty;
};

} // namespace quiz
