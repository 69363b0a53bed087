#pragma once

#include <QString>

#include <array>

namespace core {

class DataMaster;

// The named parameters the program reads at start-up.
struct Parameters
{
    QString zipDrive;
    QString backDrive;
    QString floppyDrive;
    std::array<QString, 9> pictures; // by menu number: 1 and 3..8 ("M1", "M3".."M8")

    QString picture(int menu) const { return (menu >= 1 && menu <= 8) ? pictures[menu] : QString(); }
};

// Looks each parameter up in Parm, creating a missing one with its defaults; a value the
// user changed is kept.
Parameters LoadParameters(DataMaster& data, const QString& programVersion);

// Adds the bare "AccessCount" record when missing and counts this start; returns the count.
int CountAccess(DataMaster& data);

// Field indexes of a Parm record.
namespace ParmField {
constexpr int Prompt = 1, Value = 2, ChoiceCount = 3, FirstChoice = 4, Kind = 17;
}

} // namespace core
