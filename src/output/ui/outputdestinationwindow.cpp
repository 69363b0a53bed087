#include "output/ui/outputdestinationwindow.h"

#include "core/program.h"
#include "core/ui/screens.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace output {

OutputDestinationWindow::OutputDestinationWindow(core::Screens& screens)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_screens(screens),
      m_program(screens.program())
{
    setObjectName(QStringLiteral("outputDestination"));
    setWindowTitle(QStringLiteral("Printer Output Destination..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    auto button = [&](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setMinimumWidth(260);
        layout->addWidget(b);
        return b;
    };
    m_printer = button(QStringLiteral("Send output to printer..."), QStringLiteral("printerButton"));
    m_pdf = button(QStringLiteral("Send output to PDF"), QStringLiteral("pdfButton"));
    layout->addSpacing(6);
    m_cancel = button(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_printer->setDefault(true);
    connect(m_printer, &QPushButton::clicked, this, &OutputDestinationWindow::sendToPrinter);
    connect(m_pdf, &QPushButton::clicked, this, &OutputDestinationWindow::sendToPdf);
    connect(m_cancel, &QPushButton::clicked, this, &OutputDestinationWindow::cancel);
}

void OutputDestinationWindow::ShowOutputDestination(int kind)
{
    m_program.pendingReportKind = kind;
    show();
    raise();
    activateWindow();
}

void OutputDestinationWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    platform::Dialogs::beepOnce();
    if (m_program.currentScreen == core::JudgingScreen)
        if (QWidget* judging = m_screens.window(core::JudgingScreen))
            judging->setEnabled(false);
    m_pdf->setEnabled(m_program.pdfPrinterFound);
    m_printer->setFocus();
}

void OutputDestinationWindow::releaseJudging()
{
    if (m_program.currentScreen != core::JudgingScreen)
        return;
    if (QWidget* judging = m_screens.window(core::JudgingScreen)) {
        judging->setEnabled(true);
        judging->activateWindow();
        judging->setFocus();
    }
}

void OutputDestinationWindow::send(bool pdf)
{
    if (pdf && !m_program.pdfPrinterFound)
        return;
    platform::Printer::instance().setPrinterIndex(pdf ? m_program.pdfPrinterIndex : m_program.startupPrinterIndex);
    hide();
    m_program.pdfChosen = pdf;
    releaseJudging();
    if (m_program.onJudgingReport)
        m_program.onJudgingReport(m_program.pendingReportKind);
}

void OutputDestinationWindow::cancel()
{
    hide();
    m_program.pdfChosen = false;
    releaseJudging();
    m_program.pendingReportKind = 0;
}

void ShowOutputDestination(core::Screens& screens, int kind)
{
    if (auto* window = qobject_cast<OutputDestinationWindow*>(screens.window(core::OutputScreen)))
        window->ShowOutputDestination(kind);
    else
        screens.program().pendingReportKind = kind;
}

} // namespace output
