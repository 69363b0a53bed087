#include "output/outputdestination.h"

#include "core/program.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/shellopen.h"

#include <algorithm>

namespace output {

using platform::Printer;

bool IsPdfPrinterName(const QString& name)
{
    return name == Printer::builtInPdfName() || name.contains(QLatin1String("Acrobat Distiller")) ||
           name.contains(QLatin1String("Adobe PDF"));
}

void FindPdfPrinter(core::Program& program)
{
    Printer& printer = Printer::instance();
    program.startupPrinterIndex = printer.printerIndex();
    program.pdfPrinterFound = false;
    const QStringList names = printer.printers();
    const int count = std::min(int(names.size()), PdfPrinterSearchCount);
    for (int i = 0; i < count; ++i)
        if (IsPdfPrinterName(names.at(i))) {
            program.pdfPrinterIndex = i;
            program.pdfPrinterFound = true;
            return;
        }
}

void OpenPdfPrinterOutput(const core::Program& program)
{
    Printer& printer = Printer::instance();
    if (program.pdfChosen && printer.builtInPdfSelected() && platform::Files::exists(Printer::builtInPdfFile(printer.documentTitle())))
        platform::ShellOpen::open(Printer::builtInPdfFile(printer.documentTitle()));
    printer.setPrinterIndex(program.startupPrinterIndex);
}

} // namespace output
