#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;
class QStackedWidget;

namespace core {

class Program;
class Screens;

// A working area: caption, background picture, the shared "Goto" menu and a stack of
// panels of which one shows at a time (page 0 is the picture).
class WorkWindow : public QMainWindow
{
    Q_OBJECT
public:
    WorkWindow(Screens& screens, int screenNumber, const QString& captionSuffix, int pictureMenu,
               QWidget* parent = nullptr);

    int screenNumber() const { return m_screenNumber; }
    QMenu* gotoMenu() const { return m_gotoMenu; }
    QStackedWidget* panels() const { return m_panels; }
    Screens& screens() { return m_screens; }
    Program& program() const { return m_program; }

    // Adds a panel; `name` becomes its object name (the screenshot tour's file name part).
    int addPanel(QWidget* panel, const QString& name);
    void showPanel(QWidget* panel);
    void showPicture();

    // A plain line in the status bar for a window whose screens are not built yet.
    void setPendingNote(const QString& text);

    const QImage& picture() const { return m_picture; }

protected:
    // Leaves the panel on show before the run ends from the Goto menu; false keeps it open.
    virtual bool leaveShownPanel() { return true; }
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    virtual QString caption() const;

private:
    void loadPicture();
    void scalePicture();

    Screens& m_screens;
    Program& m_program;
    int m_screenNumber;
    QString m_captionSuffix;
    int m_pictureMenu;
    QMenu* m_gotoMenu;
    QStackedWidget* m_panels;
    QLabel* m_pictureView;
    QImage m_picture;
};

} // namespace core
