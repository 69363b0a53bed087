#include "archive/ui/backuppanel.h"

#include "archive/backupwriter.h"
#include "core/ui/entryfields.h"
#include "core/ui/panelparts.h"
#include "core/datamaster.h"
#include "core/parameters.h"
#include "core/program.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace archive {

using platform::Dialogs;
using platform::Files;

BackupPanel::BackupPanel(core::Program& program, QWidget* parent) : QWidget(parent), m_program(program)
{
    auto* sectionsBox = new QGroupBox(this);
    sectionsBox->setObjectName(QStringLiteral("sectionsBox"));
    auto* grid = new QGridLayout(sectionsBox);
    for (int s = 1; s <= SectionCount; ++s) {
        auto* box = new QCheckBox(sectionCaption(s), sectionsBox);
        box->setObjectName(QStringLiteral("section%1").arg(s));
        grid->addWidget(box, (s - 1) % 13, (s - 1) / 13);
        m_sections[std::size_t(s)] = box;
    }

    m_selectAll = core::NamedButton(QStringLiteral("Select All"), QStringLiteral("selectAll"), this);
    m_clear = core::NamedButton(QStringLiteral("Clear"), QStringLiteral("clear"), this);
    m_backup = core::NamedButton(QStringLiteral("Backup"), QStringLiteral("backup"), this);
    m_exit = core::NamedButton(QStringLiteral("Exit"), QStringLiteral("exit"), this);
    m_lastBackup = core::NamedButton(QString(), QStringLiteral("lastBackup"), this);
    m_lastBackup->setFlat(true);
    m_lastBackup->setFocusPolicy(Qt::NoFocus);

    auto* destinationBox = new QGroupBox(this);
    destinationBox->setObjectName(QStringLiteral("destinationBox"));
    auto* destinationLayout = new QVBoxLayout(destinationBox);
    m_destinationGroup = new QButtonGroup(this);
    for (int c = 1; c <= 4; ++c) {
        auto* radio = new QRadioButton(destinationBox);
        radio->setObjectName(QStringLiteral("destination%1").arg(c));
        m_destinationGroup->addButton(radio, c);
        destinationLayout->addWidget(radio);
        m_destinationButtons[std::size_t(c)] = radio;
    }
    auto* note = new QLabel(QStringLiteral("Note: Drive A: will only be enabled for county level backups."), this);
    note->setObjectName(QStringLiteral("note"));
    destinationLayout->addWidget(note);

    auto* gaugeTitle = new QLabel(QStringLiteral("Backup Progress..."), this);
    gaugeTitle->setObjectName(QStringLiteral("gaugeTitle"));
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("gauge"));

    m_fileTitle = new QLabel(QStringLiteral("File...                           Bytes..."), this);
    m_fileTitle->setObjectName(QStringLiteral("fileTitle"));
    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("fileList"));
    m_deleteFiles = core::NamedButton(QStringLiteral("Delete files and continue"), QStringLiteral("deleteFiles"), this);
    m_exchange = core::NamedButton(QStringLiteral("Exchange  Diskette"), QStringLiteral("exchangeDiskette"), this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_selectAll, m_clear, m_backup, m_exit})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(destinationBox);
    right->addWidget(m_lastBackup);
    right->addWidget(gaugeTitle);
    right->addWidget(m_gauge);
    right->addWidget(m_fileTitle);
    right->addWidget(m_fileList, 1);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(m_deleteFiles);
    fileButtons->addWidget(m_exchange);
    right->addLayout(fileButtons);
    right->addStretch(0);

    auto* top = new QHBoxLayout;
    top->addWidget(sectionsBox, 3);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(m_selectAll, &QPushButton::clicked, this, [this] { setAllSections(true); });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        setAllSections(false);
        m_backup->setEnabled(false);
    });
    connect(m_backup, &QPushButton::clicked, this, &BackupPanel::backup);
    connect(m_exit, &QPushButton::clicked, this, &BackupPanel::exitRequested);
    connect(m_destinationGroup, &QButtonGroup::idClicked, this, &BackupPanel::chooseDestination);
    connect(m_deleteFiles, &QPushButton::clicked, this, &BackupPanel::deleteFilesAndContinue);
    connect(m_exchange, &QPushButton::clicked, this, &BackupPanel::exchangeDiskette);
    core::EnterMovesFocus::install(this);
    open();
}

void BackupPanel::open()
{
    setAllSections(true);
    core::UncheckAll(m_destinationGroup);
    m_choice = 0;
    m_backup->setEnabled(false);
    hideFiles();
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    core::DataMaster& data = m_program.data();
    m_lastBackup->setText(data.slot(core::Parm).table.isOpen() && data.FindRecord(core::Parm, QStringLiteral("BackUpDate"))
                              ? data.ReadField(core::Parm, core::ParmField::Value)
                              : QString());
    m_destinations = destinations(m_program.parameters(), m_program.paths().stateFolder());
    for (int c = 1; c <= 4; ++c)
        m_destinationButtons[std::size_t(c)]->setText(m_destinations[std::size_t(c)].caption);
}

void BackupPanel::setAllSections(bool ticked)
{
    for (int s = 1; s <= SectionCount; ++s)
        m_sections[std::size_t(s)]->setChecked(ticked);
}

void BackupPanel::chooseDestination(int choice)
{
    m_choice = choice;
    m_backup->setEnabled(true);
}

void BackupPanel::backup()
{
    if (m_choice < 1 || m_choice > 4)
        return;
    hideFiles();
    const Destination& d = m_destinations[std::size_t(m_choice)];
    if (d.removable) {
        removableBackup(d.backupFolders.first());
        return;
    }
    for (const QString& folder : d.backupFolders)
        write(folder);
}

void BackupPanel::write(const QString& folder)
{
    BackupWriter writer(m_program.data());
    SectionSet ticked;
    for (int s = 1; s <= SectionCount; ++s)
        ticked.set(std::size_t(s), m_sections[std::size_t(s)]->isChecked());
    writer.setSections(ticked);
    writer.onProgress = [this](int value, int maximum) {
        if (m_gauge->maximum() != maximum)
            m_gauge->setRange(0, maximum);
        m_gauge->setValue(value);
    };
    writer.onBackupDate = [this](const QString& stamp) { m_lastBackup->setText(stamp); };
    writer.WriteBackup(folder, BackupWriter::ScreenMode);
}

bool BackupPanel::probe(const QString& folder)
{
    for (;;) {
        const QString test = folder + QStringLiteral("Test.txt");
        QFile file(platform::Drives::resolve(test));
        if (file.open(QIODevice::WriteOnly)) {
            file.close();
            file.remove();
            return true;
        }
        if (Dialogs::instance().message(Dialogs::Kind::Error, QStringLiteral("Diskette not found in drive ") + folder,
                                        Dialogs::Cancel | Dialogs::Retry) != Dialogs::Retry)
            return false;
    }
}

void BackupPanel::removableBackup(const QString& folder)
{
    if (!probe(folder))
        return;
    const QStringList files = Files::list(folder);
    if (files.isEmpty())
        write(folder);
    else
        showFiles(folder, files);
}

QString BackupPanel::fileLine(const QString& name, qint64 bytes)
{
    const int blanks = std::max(1, 45 - 3 * int(name.size()));
    return name + QString(blanks, QLatin1Char(' ')) + QString::number(bytes);
}

void BackupPanel::showFiles(const QString& folder, const QStringList& files)
{
    m_listedFolder = folder;
    m_fileList->clear();
    const QString host = platform::Drives::resolve(folder);
    for (int i = 0; i < files.size() && i < MaxListedFiles; ++i)
        m_fileList->addItem(fileLine(files[i], QFileInfo(host + QLatin1Char('/') + files[i]).size()));
    if (files.size() > MaxListedFiles)
        m_fileList->addItem(QStringLiteral("... and %1 more files").arg(files.size() - MaxListedFiles));
    for (QWidget* w : {static_cast<QWidget*>(m_fileTitle), static_cast<QWidget*>(m_fileList),
                       static_cast<QWidget*>(m_deleteFiles), static_cast<QWidget*>(m_exchange)})
        w->setVisible(true);
}

void BackupPanel::hideFiles()
{
    for (QWidget* w : {static_cast<QWidget*>(m_fileTitle), static_cast<QWidget*>(m_fileList),
                       static_cast<QWidget*>(m_deleteFiles), static_cast<QWidget*>(m_exchange)})
        w->setVisible(false);
    m_fileList->clear();
}

void BackupPanel::deleteFilesAndContinue()
{
    const QString folder = m_listedFolder;
    const QStringList files = Files::list(folder);
    if (!Dialogs::confirm(QStringLiteral("Delete all ") + QString::number(files.size()) +
                          QStringLiteral(" files on drive ") + folder + QStringLiteral(" and continue the backup?")))
        return;
    hideFiles();
    for (const QString& name : files)
        if (!Files::remove(folder + name)) {
            Dialogs::error(QStringLiteral("The file ") + folder + name + QStringLiteral(" could not be deleted."));
            break;
        }
    // Whatever is left is listed again; only an empty medium takes the backup.
    removableBackup(folder);
}

void BackupPanel::exchangeDiskette()
{
    const QString folder = m_listedFolder;
    hideFiles();
    if (Dialogs::instance().message(Dialogs::Kind::Information,
                                    QStringLiteral("Insert another diskette in drive ") + folder +
                                        QStringLiteral(" and select OK to continue the backup."),
                                    Dialogs::Ok | Dialogs::Cancel) == Dialogs::Ok)
        removableBackup(folder);
}

} // namespace archive
