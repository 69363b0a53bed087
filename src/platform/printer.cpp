#include "platform/printer.h"

#include "platform/dialogs.h"
#include "platform/printerdevice.h"

namespace platform {

namespace {
Printer*& installed()
{
    static Printer* current = nullptr;
    return current;
}
} // namespace

Printer& Printer::instance()
{
    if (installed())
        return *installed();
    // Made on first use and never destroyed: a static destructor would run after the
    // application object is gone, too late for a QPrinter.
    static Printer* const real = new PrinterDevice;
    return *real;
}

void Printer::install(Printer* printer)
{
    installed() = printer;
}

QString Printer::printerName() const
{
    const QStringList names = printers();
    const int index = printerIndex();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

bool Printer::beginDocument()
{
    if (printing())
        return true;
    if (startDocument())
        return true;
    Dialogs::error(QStringLiteral("The printer [") + printerName() +
                   QStringLiteral("] could not start printing.  Nothing was printed."));
    return false;
}

void Printer::setFont(int size, bool bold, bool italic)
{
    PrintFont f = font();
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    setFont(f);
}

} // namespace platform
