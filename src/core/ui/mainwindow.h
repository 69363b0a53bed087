#pragma once

#include "core/ui/workwindow.h"

class QTimer;

namespace core {

// The main screen: owner of the run. Creating it runs the start-up sequence; a second after
// it is first shown the start-up tasks run once.
class MainWindow : public WorkWindow
{
    Q_OBJECT
public:
    static constexpr int StartupTaskDelayMs = 1000;

    explicit MainWindow(Screens& screens);

    QWidget* welcomePanel() const { return m_welcome; }
    QWidget* kestrowPanel() const { return m_kestrow; }
    bool startupTasksDone() const { return m_startupDone; }
    // Runs the start-up task at once (tests, and the timer).
    void runStartupTasks();

protected:
    void showEvent(QShowEvent* event) override;
    QString caption() const override;

private:
    QWidget* makeInfoPanel(const QString& title, const QStringList& lines, const QString& name);

    QWidget* m_welcome;
    QWidget* m_kestrow;
    QTimer* m_startupTimer;
    bool m_startupDone = false;
    bool m_shownOnce = false;
};

} // namespace core
