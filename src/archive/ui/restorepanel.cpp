#include "archive/ui/restorepanel.h"

#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "core/program.h"
#include "platform/dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace archive {

using platform::Dialogs;

RestorePanel::RestorePanel(core::Program& program, std::function<void()> closeProgram, QWidget* parent)
    : QWidget(parent), m_program(program), m_closeProgram(std::move(closeProgram)), m_restorer(program.data())
{
    auto* locationBox = new QGroupBox(QStringLiteral("Restore File Location..."), this);
    locationBox->setObjectName(QStringLiteral("locationBox"));
    auto* locationLayout = new QVBoxLayout(locationBox);
    m_locationGroup = new QButtonGroup(this);
    for (int c = 1; c <= 4; ++c) {
        auto* radio = new QRadioButton(locationBox);
        radio->setObjectName(QStringLiteral("location%1").arg(c));
        m_locationGroup->addButton(radio, c);
        locationLayout->addWidget(radio);
        m_locationButtons[std::size_t(c)] = radio;
    }

    m_openFile = core::NamedButton(QStringLiteral("Open Restore File"), QStringLiteral("openRestoreFile"), this);
    m_restore = core::NamedButton(QStringLiteral("Restore Data"), QStringLiteral("restoreData"), this);
    m_clearRestore = core::NamedButton(QStringLiteral("Clear and Restore Data"), QStringLiteral("clearAndRestoreData"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);
    m_header = core::NamedButton(QString(), QStringLiteral("header"), this);
    m_header->setFlat(true);
    m_header->setFocusPolicy(Qt::NoFocus);
    m_sectionsTitle = core::NamedButton(QStringLiteral("Data Files Found..."), QStringLiteral("dataFilesFound"), this);
    m_sectionsTitle->setFlat(true);
    m_sectionsTitle->setFocusPolicy(Qt::NoFocus);
    m_sections = new QListWidget(this);
    m_sections->setObjectName(QStringLiteral("sections"));
    m_progressLabel = new QLabel(this);
    m_progressLabel->setObjectName(QStringLiteral("progressLabel"));
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("gauge"));
    auto* corruptLabel = new QLabel(QStringLiteral("Corrupt Lines Skipped"), this);
    corruptLabel->setObjectName(QStringLiteral("corruptLabel"));
    m_corrupt = new QLineEdit(this);
    m_corrupt->setObjectName(QStringLiteral("corruptLines"));
    m_corrupt->setReadOnly(true);
    m_corrupt->setFocusPolicy(Qt::NoFocus);

    auto* left = new QVBoxLayout;
    left->addWidget(locationBox);
    left->addWidget(m_openFile);
    left->addWidget(m_restore);
    left->addWidget(m_clearRestore);
    left->addWidget(m_exit);
    left->addStretch(1);

    auto* corruptRow = new QHBoxLayout;
    corruptRow->addWidget(corruptLabel);
    corruptRow->addWidget(m_corrupt);
    corruptRow->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_header);
    right->addWidget(m_sectionsTitle);
    right->addWidget(m_sections, 1);
    // Takes the room of the file list while that is hidden, so the gauge keeps its label.
    right->addStretch(0);
    right->addWidget(m_progressLabel);
    right->addWidget(m_gauge);
    right->addLayout(corruptRow);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 2);

    m_restorer.onLabel = [this](const QString& text) { m_progressLabel->setText(text); };
    m_restorer.onProgress = [this](int value, int maximum) {
        if (m_gauge->maximum() != maximum)
            m_gauge->setRange(0, std::max(maximum, 1));
        m_gauge->setValue(value);
    };

    connect(m_locationGroup, &QButtonGroup::idClicked, this, &RestorePanel::chooseLocation);
    connect(m_openFile, &QPushButton::clicked, this, &RestorePanel::openRestoreFile);
    connect(m_restore, &QPushButton::clicked, this, [this] { restore(false); });
    connect(m_clearRestore, &QPushButton::clicked, this, [this] { restore(true); });
    connect(m_exit, &QPushButton::clicked, this, &RestorePanel::exitRequested);
    core::EnterMovesFocus::install(this);
    open();
}

void RestorePanel::open()
{
    m_header->setText(QString());
    m_openFile->setEnabled(false);
    setRestoreEnabled(false);
    m_sectionsTitle->setVisible(false);
    m_sections->setVisible(false);
    m_sections->clear();
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_progressLabel->setText(QStringLiteral("Progress..."));
    m_corrupt->clear();
    core::UncheckAll(m_locationGroup);
    m_destinations = destinations(m_program.parameters(), m_program.paths().stateFolder());
    for (int c = 1; c <= 4; ++c)
        m_locationButtons[std::size_t(c)]->setText(m_destinations[std::size_t(c)].caption);
}

void RestorePanel::setRestoreEnabled(bool enabled)
{
    m_restore->setEnabled(enabled);
    m_clearRestore->setEnabled(enabled);
}

void RestorePanel::chooseLocation(int choice)
{
    m_restorer.setFolder(m_destinations[std::size_t(choice)].restoreFolder);
    // A file opened from another location no longer counts.
    setRestoreEnabled(false);
    m_openFile->setEnabled(true);
}

void RestorePanel::openRestoreFile()
{
    setRestoreEnabled(false);
    const bool ok = m_restorer.OpenRestoreFile();
    m_header->setText(m_restorer.header());
    m_sections->clear();
    m_sections->addItems(m_restorer.sectionNames());
    const bool found = !m_restorer.header().isEmpty() || ok;
    m_sectionsTitle->setVisible(found);
    m_sections->setVisible(found);
    setRestoreEnabled(ok);
}

void RestorePanel::restore(bool clearFirst)
{
    const QString question = clearFirst ? QStringLiteral("Confirm Data REMOVAL and Restore!\rCAUTION - Images and "
                                                         "Photos are NOT backed up!")
                                        : QStringLiteral("Confirm Data Restore!");
    if (Dialogs::instance().message(Dialogs::Kind::Confirmation, question, Dialogs::Ok | Dialogs::Cancel) != Dialogs::Ok)
        return;
    if (clearFirst)
        m_restorer.ClearCoveredTables(true);
    const bool done = m_restorer.RestoreFile(true);
    m_corrupt->setText(QString::number(m_restorer.corruptLines()));
    if (!done)
        return;
    Dialogs::beepOnce();
    Dialogs::information(QStringLiteral(
        "Marvolen will now automatically close.  This process allows for any low level operational parameters that "
        "might have been changed during the restore to be re-read and used upon startup."));
    setRestoreEnabled(false);
    if (m_closeProgram)
        m_closeProgram();
}

} // namespace archive
