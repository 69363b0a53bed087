#pragma once

#include <QString>

namespace core {

// Built into each edition of the program.
struct Edition
{
    static QString stateName() { return QStringLiteral(MARVOLEN_STATE_NAME); }
    static QString stateCode() { return QStringLiteral(MARVOLEN_STATE_CODE); }
    // The state folder name as table paths spell it: the code in mixed case ("Ne").
    static QString stateFolderName() { return stateCode().left(1).toUpper() + stateCode().mid(1).toLower(); }
    static QString version() { return QStringLiteral("08-083"); }
    static QString makerLine() { return QStringLiteral("Halvick Works 1998-2008"); }
    // The line at the foot of printed reports and sheets.
    static QString footerLine() { return QStringLiteral("Marvolen 2006  ") + makerLine(); }
    static QString webAddress() { return QStringLiteral("https://www.halvickworks.example/kestrow"); }
    // The caption every window starts with; each appends its own suffix.
    static QString captionBase()
    {
        return stateName() + QStringLiteral("  ") + QStringLiteral("  Marvolen 2006") + QStringLiteral("  [") +
               version() + QStringLiteral("]  ");
    }
};

} // namespace core
