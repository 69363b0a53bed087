#pragma once

#include <QWidget>

class QProgressBar;

namespace core {

// "Updating All Database Tables...": shown while the tables are copied into Saves.
class ProgressWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    void setProgress(int value, int maximum); // value < 0 hides the window
    QProgressBar* bar() const { return m_bar; }

private:
    QProgressBar* m_bar;
};

} // namespace core
