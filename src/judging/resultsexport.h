#pragma once

#include "judging/reports/reportframe.h"

#include <QString>

#include <vector>

namespace core {
class DataMaster;
}

namespace judging {

// The three layouts of the award results export.
enum class ExportFormat { Ascii = 1, Delimited = 2, TabDelimited = 3 };

// The file name of a typed export name: the text before its first "." followed by ".txt",
// reduced to a plain file name so an export never leaves the Files folder. Empty when nothing
// of the name is left.
QString ExportFileName(const QString& typed);

// Writes the ranked results of the awards (ranks 1..`ranks`) to stateFolder + "Files\" + the
// file name, creating the folder when missing and replacing an earlier file. Empties Calc first.
// The full path of the file written; empty when it could not be created.
QString ExportAwardResults(core::DataMaster& data, const QString& contestKey, ExportFormat format,
                           const QString& typedName, const std::vector<AwardChoice>& awards, int ranks,
                           const QString& stateFolder);

} // namespace judging
