#pragma once

#include <QDialog>

class QPushButton;

namespace core {
class Program;
class Screens;
} // namespace core

namespace output {

// The choice before a judging report: the ordinary printer (the one current at start-up) or
// the PDF printer. Shown without being modal; while it shows, the Judging screen is disabled.
// A choice runs the program's judging report dispatcher for the pending report kind.
class OutputDestinationWindow : public QDialog
{
    Q_OBJECT
public:
    explicit OutputDestinationWindow(core::Screens& screens);

    // A judging report button: remembers the report kind and shows the window.
    void ShowOutputDestination(int kind);

    QPushButton* printerButton() const { return m_printer; }
    QPushButton* pdfButton() const { return m_pdf; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    void sendToPrinter() { send(false); }
    void sendToPdf() { send(true); }
    void cancel();
    void reject() override { cancel(); } // Escape

protected:
    void showEvent(QShowEvent* event) override;

private:
    void send(bool pdf);
    // Enables and focuses the Judging screen again when the window was opened from it.
    void releaseJudging();

    core::Screens& m_screens;
    core::Program& m_program;
    QPushButton* m_printer;
    QPushButton* m_pdf;
    QPushButton* m_cancel;
};

// The same through the registered window (screen 7); without one only the kind is kept.
void ShowOutputDestination(core::Screens& screens, int kind);

} // namespace output
