#include "core/ui/mainwindow.h"

#include "core/edition.h"
#include "core/program.h"
#include "core/ui/screens.h"
#include "platform/shellopen.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

MainWindow::MainWindow(Screens& screens)
    : WorkWindow(screens, MainScreen, Edition::makerLine(), 1)
{
    setObjectName(QStringLiteral("main"));
    QMenuBar* bar = menuBar();
    QAction* update = bar->addAction(QStringLiteral("&Update Disk"), this, [this] { program().UpdateDisk(); });
    update->setObjectName(QStringLiteral("updateDisk"));
    QAction* link = bar->addAction(QStringLiteral("&Kestrow! on the Web"), this,
                                   [] { platform::ShellOpen::open(Edition::webAddress()); });
    link->setObjectName(QStringLiteral("webLink"));
    QAction* documentation = bar->addAction(QStringLiteral("&Documentation"));
    documentation->setObjectName(QStringLiteral("documentation"));
    documentation->setEnabled(false); // there is no documentation to open
    QAction* about = bar->addAction(QStringLiteral("&About"), this, [this] { showPanel(m_welcome); });
    about->setObjectName(QStringLiteral("about"));
    QAction* usage = bar->addAction(QStringLiteral("Using with &Kestrow!"), this, [this] { showPanel(m_kestrow); });
    usage->setObjectName(QStringLiteral("usingKestrow"));

    m_welcome = makeInfoPanel(
        QStringLiteral("Welcome to Marvolen 2006!"),
        {QStringLiteral("Marvolen prepares, scores and reports the contests of your 4-H office:"),
         QStringLiteral("livestock, meats and wool judging, quiz contests and shooting sports matches."),
         QString(),
         QStringLiteral("Written and supported by Halvick Works for the state and county 4-H offices."),
         QStringLiteral("Thanks to the extension staff, coaches and volunteers whose contests shaped it.")},
        QStringLiteral("welcome"));
    m_kestrow = makeInfoPanel(
        QStringLiteral("Using Marvolen with Kestrow! Data Access..."),
        {QStringLiteral("4H data (member, leaders and counties) can be made avaiable to Marvolen via the Kestrow! "
                        "program."),
         QStringLiteral("These Marvolen support data files are produced and stored in a binary encrypted format that "
                        "can only"),
         QStringLiteral("be opened and used by Marvolen."),
         QStringLiteral("Ask your state or various county offices to produce any needed Marvolen County or State "
                        "level support"),
         QStringLiteral("files via Kestrow."),
         QStringLiteral("These files can be loaded, opened, viewed, and processed via the [Goto] [Utilities] menu "
                        "items.")},
        QStringLiteral("kestrow"));

    m_startupTimer = new QTimer(this);
    m_startupTimer->setSingleShot(true);
    m_startupTimer->setInterval(StartupTaskDelayMs);
    connect(m_startupTimer, &QTimer::timeout, this, &MainWindow::runStartupTasks);

    program().RunStartupSequence();
    showPicture();
}

QWidget* MainWindow::makeInfoPanel(const QString& title, const QStringList& lines, const QString& name)
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(48, 36, 48, 36);
    auto* heading = new QLabel(title, panel);
    heading->setObjectName(QStringLiteral("title"));
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);
    layout->addSpacing(16);
    for (const QString& line : lines)
        layout->addWidget(new QLabel(line, panel));
    layout->addStretch();
    auto* back = new QPushButton(QStringLiteral("Return"), panel);
    back->setObjectName(QStringLiteral("returnButton"));
    connect(back, &QPushButton::clicked, this, &MainWindow::showPicture);
    layout->addWidget(back, 0, Qt::AlignLeft);
    addPanel(panel, name);
    return panel;
}

void MainWindow::showEvent(QShowEvent* event)
{
    WorkWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_startupTimer->start();
    }
}

void MainWindow::runStartupTasks()
{
    m_startupTimer->stop();
    if (m_startupDone)
        return;
    m_startupDone = true;
    screens().setReady(true);
    program().RunStartupTasks();
    setWindowTitle(caption());
}

QString MainWindow::caption() const
{
    QString text = WorkWindow::caption();
    if (m_startupDone)
        text += QStringLiteral("  ") + QString::number(program().accessCount);
    return text;
}

} // namespace core
