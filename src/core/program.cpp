#include "core/program.h"

#include "core/edition.h"
#include "core/texthelpers.h"
#include "platform/busycursor.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace core {

using platform::Dialogs;
using platform::Files;

Program::Program(const InstallPaths& paths) : m_paths(paths)
{
    m_data.setDataFolder(m_paths.stateFolder());
    m_data.setLog([this](const QString& line) { LogProgress(line); });
    m_log.setPath(m_paths.progressLog());
}

QString Program::tableFile(int table, const QString& extension) const
{
    const QString stem = table == Syst ? QStringLiteral("System") : slotLabel(table) + QLatin1Char('1');
    return stem + extension;
}

void Program::RunStartupSequence()
{
    closing = false;
    upgradeDone = false;
    checkIdle = false;
    sortListsObtained = false;
    tablesOpened = true;
    m_data.FillSlotNames();
    m_log.start(QStringLiteral("Starting Marvolen at ") + platform::Clock::stampNow());

    const QString state = m_paths.stateFolder();
    const QString saves = m_paths.savesFolder();
    Files::clearReadOnlyAndHidden(state + QStringLiteral("System.db"));
    Files::clearReadOnlyAndHidden(state + QStringLiteral("System.px"));

    LogProgress(QStringLiteral("Copy system file from saves folder..."));
    const bool haveSaves = Files::folderExists(saves);
    if (haveSaves)
        copyTableFilesFromSaves(Syst);

    LogProgress(QStringLiteral("Open system file..."));
    try {
        m_data.OpenTableFile(Syst, state + QStringLiteral("System.db"));
    } catch (const platform::StorageError& e) {
        Dialogs::error(e.message());
    }

    LogProgress(QStringLiteral("Processing New Table Additions..."));
    if (onAddNewTables)
        onAddNewTables();

    LogProgress(QStringLiteral("Check for all data files..."));
    for (int t = FirstDataTable; t <= LastTable; ++t) {
        const QString name = slotLabel(t);
        if (Files::exists(state + name + QStringLiteral("1.db")))
            continue;
        Dialogs::beepOnce();
        Dialogs::warning(QStringLiteral("Missing Data File [") + name + QStringLiteral("]!  A new shell will be loaded."));
        for (const QString& ext : TableExtensions()) {
            const QString shell = m_paths.shellsFolder() + name + QLatin1Char('1') + ext;
            if (Files::exists(shell))
                Files::copyReplacing(shell, state + name + QLatin1Char('1') + ext);
        }
    }

    LogProgress(QStringLiteral("Remove all file hidden and readonly flags..."));
    for (int t = FirstDataTable; t <= LastTable; ++t) {
        Files::clearReadOnlyAndHidden(state + tableFile(t, QStringLiteral(".db")));
        Files::clearReadOnlyAndHidden(state + tableFile(t, QStringLiteral(".px")));
    }

    LogProgress(QStringLiteral("Copy all files from saves folder..."));
    if (haveSaves)
        for (int t = FirstDataTable; t <= LastTable; ++t)
            copyTableFilesFromSaves(t);

    m_data.OpenAllTables();

    LogProgress(QStringLiteral("Get system parameters..."));
    m_parameters = LoadParameters(m_data, Edition::version());
    accessCount = CountAccess(m_data);

    supportDataPresent = true;
    for (int t : {Smid, Slid, Scou})
        supportDataPresent = supportDataPresent && m_data.slot(t).table.isOpen() && m_data.RecordCount(t) >= 1;

    LogProgress(QStringLiteral("Opening dynamic memory arrays..."));
    sortListsObtained = true;
    LogProgress(QStringLiteral("Setting up bar code data arrays..."));
    LogProgress(QStringLiteral("All files and arrays open - Data Master is running..."));
    if (onFindPdfPrinter)
        onFindPdfPrinter();
}

QString Program::versionChangeMessage() const
{
    return QStringLiteral(
        "Marvolen has detected a version change!\r\rA data backup file [C:\\MVBack.txt] for this version has been "
        "made! Backup's made prior to this version are no longer valid.  You are advised to make a second backup on "
        "one of your removable media drives. As always, it is best if the date and version number used to make the "
        "backup are written on the data backup diskette.\r\rThank You, Halvick Works");
}

void Program::RunStartupTasks()
{
    m_data.FindRecord(Parm, QStringLiteral("AccessCount"));
    accessCount = m_data.ReadFieldInt(Parm, ParmField::Value);

    if (m_data.FindRecord(Parm, QStringLiteral("BackUpDate"))) {
        const QString value = m_data.ReadField(Parm, ParmField::Value);
        const QDate then = platform::Clock::parseShortDate(value);
        if (value.isEmpty() || !then.isValid() || DaysSince(then, platform::Clock::today()) > 7)
            Dialogs::warning(QStringLiteral("The Last Backup Of This Data Set Has Exceeded Seven Days!"));
    }

    const QString version = QStringLiteral("Version");
    m_data.AddRecord(Syst, version);
    if (m_data.ReadField(Syst, 1) != Edition::version()) {
        Dialogs::beepOnce();
        Dialogs::information(versionChangeMessage());
        m_data.WriteField(Syst, 1, Edition::version());
        if (onVersionChangeBackup)
            onVersionChangeBackup();
    }

    if (onCheckTableUpgrades)
        onCheckTableUpgrades();
}

void Program::copyTableFilesFromSaves(int table)
{
    const QStringList extensions =
        table == Syst ? QStringList{QStringLiteral(".db"), QStringLiteral(".px")} : TableExtensions();
    for (const QString& ext : extensions) {
        const QString name = tableFile(table, ext);
        if (Files::exists(m_paths.savesFolder() + name))
            Files::copyReplacing(m_paths.savesFolder() + name, m_paths.stateFolder() + name);
    }
}

void Program::copyTableFilesToSaves(int table)
{
    const QStringList extensions =
        table == Syst ? QStringList{QStringLiteral(".db"), QStringLiteral(".px")} : TableExtensions();
    for (const QString& ext : extensions) {
        const QString name = tableFile(table, ext);
        if (Files::exists(m_paths.stateFolder() + name))
            Files::copyReplacing(m_paths.stateFolder() + name, m_paths.savesFolder() + name);
    }
}

void Program::SaveTablesToSaves()
{
    if (!tablesOpened)
        return;
    m_data.CloseAllTables();
    Files::makeFolder(m_paths.savesFolder());
    if (onSnapshotProgress)
        onSnapshotProgress(2, 30);
    copyTableFilesToSaves(Syst);
    for (int t = FirstDataTable; t <= LastTable; ++t) {
        copyTableFilesToSaves(t);
        if (onSnapshotProgress)
            onSnapshotProgress(t, 30);
    }
    if (onSnapshotProgress)
        onSnapshotProgress(-1, 30);
}

void Program::LoadTablesFromSaves()
{
    const bool haveSaves = Files::folderExists(m_paths.savesFolder());
    if (haveSaves)
        copyTableFilesFromSaves(Syst);
    try {
        m_data.OpenTableFile(Syst, m_paths.stateFolder() + QStringLiteral("System.db"));
    } catch (const platform::StorageError& e) {
        Dialogs::error(e.message());
    }
    if (haveSaves)
        for (int t = FirstDataTable; t <= LastTable; ++t)
            copyTableFilesFromSaves(t);
    m_data.OpenAllTables();
}

void Program::UpdateDisk()
{
    platform::BusyCursor busy;
    SaveTablesToSaves();
    LoadTablesFromSaves();
}

void Program::ExitProgram()
{
    if (exited)
        return;
    exited = true;
    closing = true;
    SaveTablesToSaves();
    tablesOpened = false;
    if (sortListsObtained) {
        m_data.SortListClear(1);
        m_data.SortListClear(2);
        sortListsObtained = false;
    }
    LogProgress(QStringLiteral("Marvolen closed at ") + platform::Clock::stampNow());
}

} // namespace core
