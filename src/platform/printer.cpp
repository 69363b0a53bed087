#include "platform/printer.h"

#include "platform/dialogs.h"
#include "platform/printerdevice.h"

#include <QRegularExpression>

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

QString Printer::fileNameFor(const QString& title)
{
    constexpr int Longest = 64;
    QString name;
    for (const QChar c : title.simplified()) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u' ' || c == u'-' || c == u'_' || c == u'(' || c == u')';
        name += plain ? c : QChar(u'_');
    }
    name = name.left(Longest).trimmed();
    if (name.isEmpty())
        return defaultTitle();
    // Device names stay devices on Windows whatever extension follows.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        name += QLatin1Char('_');
    return name;
}

QString Printer::builtInPdfFile(const QString& title)
{
    return QStringLiteral("C:\\hwk\\Marvolen\\") + fileNameFor(title) + QStringLiteral(".pdf");
}

bool Printer::beginDocument(const QString& title)
{
    if (printing())
        return true;
    m_title = title;
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
