#pragma once

#include <QString>

namespace core {

// The tables that later versions added, in the order their codes are checked.
struct NewTableCode
{
    const char* code;
    int table;
};
const NewTableCode* NewTableCodes(int* count);

// Writes the empty table file of a slot from its built-in layout.
void WriteTableShell(int table, const QString& path);

// Makes a fresh installation on a drive ("C:"): marker, state data folder with every table
// empty, Shells, NewTables, Changes, "\HWK\dataxfer" and the background pictures. Returns an
// empty text on success, else why it refused (an installation exists) or failed.
QString CreateInstallation(const QString& drive);

// A tidy background picture for a menu number, drawn without any font (usable headless).
void WriteBackgroundPicture(int menu, const QString& path);

} // namespace core
