#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QPushButton;

namespace core {
class Program;
}

namespace quiz {

// "Clear Selected Flags..." and "Reset Usage Count...": undo the marks a draw leaves on the
// questions of chosen quiz types.
class ClearMarksPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Mark { SelectedFlag, UsageCount };

    ClearMarksPanel(core::Program& program, Mark mark, QWidget* parent = nullptr);

    void open();

signals:
    void exitRequested();

private:
    void clearMarks();

    core::Program& m_program;
    Mark m_mark;
    QListWidget* m_sources;
    QPushButton* m_action;
    QPushButton* m_exit;
};

} // namespace quiz
