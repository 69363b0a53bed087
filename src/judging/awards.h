#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace core {
class DataMaster;
}

namespace judging {

// An award: who is ranked (type), the scoring classes and three tie-breaker class lists, each
// "ALL" or three-digit class numbers run together.
struct Award
{
    QString type;
    QString number;
    QString name;
    std::array<QString, 4> classes; // scoring, tie-breakers 1..3
    std::array<bool, 3> high{true, true, true};
};
bool ReadAward(core::DataMaster& data, const QString& awardKey, Award& award);
void WriteAward(core::DataMaster& data, const QString& awardKey, const Award& award);

// The awards of the contest as the list shows them: award key, two blanks, name.
QStringList AwardLines(core::DataMaster& data, const QString& contestKey);
// One more than the highest award number of the contest, whatever its type; 1 when none.
int NextAwardNumber(core::DataMaster& data, const QString& contestKey);

// A class list with the class added: unchanged when it is "ALL" or already names the class.
QString AddToClassList(const QString& list, const QString& classNumber);
// The list without its last class; a list of two characters or fewer is left as it is.
QString RemoveLastClass(const QString& list);
// The classes of the list that exist, as class number, two blanks, title ("ALL": every class).
QStringList ClassListTitles(core::DataMaster& data, const QString& contestKey, const QString& list);

} // namespace judging
