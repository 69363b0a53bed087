#pragma once

#include <QStringList>

namespace core {

// Field names, field 0 first, of the table that table slot `slot` (1..30) holds in a fresh
// installation. The empty shells are written from this list; an open table always takes its
// field names from its own file, so a table upgraded to a newer layout keeps working.
// Tables 2..27 carry a field named "Delta" right after their last backed-up field.
const QStringList& layoutFields(int slot);

} // namespace core
