#pragma once

#include <QString>

namespace core {
class Program;
}

namespace output {

// Printers are looked at by index 0 up to this count less one.
constexpr int PdfPrinterSearchCount = 26;

// A PDF printer by name: the built-in one, or a name containing "Acrobat Distiller" or
// "Adobe PDF".
bool IsPdfPrinterName(const QString& name);

// Remembers the selected printer as the start-up printer and finds the first PDF printer.
void FindPdfPrinter(core::Program& program);

// The judging reports' last step, whatever the destination: when the PDF printer was chosen
// and it is the built-in one, its file is opened in the viewer. Either way the start-up
// printer is selected again, so what prints straight to the printer next goes on paper.
void OpenPdfPrinterOutput(const core::Program& program);

} // namespace output
