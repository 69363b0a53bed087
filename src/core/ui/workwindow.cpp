#include "core/ui/workwindow.h"

#include "core/edition.h"
#include "core/picture.h"
#include "core/program.h"
#include "core/ui/gotomenu.h"
#include "core/ui/screens.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>

namespace core {

WorkWindow::WorkWindow(Screens& screens, int screenNumber, const QString& captionSuffix, int pictureMenu,
                       QWidget* parent)
    : QMainWindow(parent), m_screens(screens), m_program(screens.program()), m_screenNumber(screenNumber), m_captionSuffix(captionSuffix),
      m_pictureMenu(pictureMenu)
{
    m_gotoMenu = AddGotoMenu(menuBar(), screens);
    // Ending the run from a window first leaves its panel, so an entry being edited is stored
    // before the tables close; a panel that refuses to be left keeps the run going.
    if (QAction* exit = m_gotoMenu->findChild<QAction*>(QStringLiteral("gotoExit"))) {
        disconnect(exit, &QAction::triggered, &screens, &Screens::Exit);
        connect(exit, &QAction::triggered, this, [this] {
            if (leaveShownPanel())
                m_screens.Exit();
        });
    }
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("panels"));
    m_pictureView = new QLabel(m_panels);
    m_pictureView->setObjectName(QStringLiteral("picture"));
    m_pictureView->setAlignment(Qt::AlignCenter);
    m_pictureView->setMinimumSize(1, 1);
    m_pictureView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_panels->addWidget(m_pictureView);
    setCentralWidget(m_panels);
    resize(1280, 800);
}

int WorkWindow::addPanel(QWidget* panel, const QString& name)
{
    panel->setObjectName(name);
    return m_panels->addWidget(panel);
}

void WorkWindow::showPanel(QWidget* panel)
{
    m_panels->setCurrentWidget(panel);
}

void WorkWindow::showPicture()
{
    m_panels->setCurrentWidget(m_pictureView);
}

void WorkWindow::setPendingNote(const QString& text)
{
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("pendingNote"));
    statusBar()->addPermanentWidget(note, 1);
}

QString WorkWindow::caption() const
{
    return Edition::captionBase() + m_captionSuffix;
}

void WorkWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    setWindowTitle(caption());
    loadPicture();
    m_screens.program().currentScreen = m_screenNumber;
}

void WorkWindow::closeEvent(QCloseEvent* event)
{
    // Closing any window by the window system ends the run in order.
    event->ignore();
    m_screens.Exit();
}

void WorkWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scalePicture();
}

void WorkWindow::loadPicture()
{
    const QString name = m_screens.program().parameters().picture(m_pictureMenu);
    QString error;
    m_picture = LoadPicture(m_screens.program().paths().stateFolder() + name, &error);
    if (m_picture.isNull())
        platform::Dialogs::error(error);
    scalePicture();
}

void WorkWindow::scalePicture()
{
    if (m_picture.isNull()) {
        m_pictureView->clear();
        return;
    }
    m_pictureView->setPixmap(QPixmap::fromImage(
        m_picture.scaled(m_pictureView->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)));
}

} // namespace core
