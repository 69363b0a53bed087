#pragma once

#include "core/datamaster.h"
#include "core/installpaths.h"
#include "core/parameters.h"
#include "core/progresslog.h"

#include <QString>

#include <functional>

namespace core {

// What the main screen owns for the whole run besides its widgets: the tables, the
// parameters, the values other screens read, and the start-up and exit sequences.
class Program
{
public:
    explicit Program(const InstallPaths& paths);

    const InstallPaths& paths() const { return m_paths; }
    DataMaster& data() { return m_data; }
    const ProgressLog& log() const { return m_log; }
    void LogProgress(const QString& text) const { m_log.add(text); }
    const Parameters& parameters() const { return m_parameters; }

    // Start-up sequence, from the folders to the ready Data Master.
    void RunStartupSequence();
    // The one-second start-up task, but for the menus and caption the window handles.
    void RunStartupTasks();

    void SaveTablesToSaves();
    void LoadTablesFromSaves();
    void UpdateDisk();
    // Posts and closes the tables, takes the Saves snapshot, logs the close. Runs once.
    void ExitProgram();

    bool closing = false;
    bool tablesOpened = false;
    bool sortListsObtained = false;
    bool upgradeDone = false;
    bool checkIdle = false;
    bool exited = false;
    int currentScreen = 1;
    QString currentContestKey;
    bool supportDataPresent = false;
    int accessCount = 0;

    // Where the judging reports go: the printer current at start-up or the PDF printer.
    int startupPrinterIndex = 0;
    bool pdfPrinterFound = false;
    int pdfPrinterIndex = 0;
    bool pdfChosen = false;       // while a judging report runs to the PDF printer
    int pendingReportKind = 0;    // the judging report the destination window starts; 0 none

    // Hooks for the windows and later subsystems.
    std::function<void(int value, int maximum)> onSnapshotProgress; // value < 0 hides it
    std::function<void()> onVersionChangeBackup; // writes the version-change backup to "C:\"
    std::function<void()> onCheckTableUpgrades;
    std::function<void()> onAddNewTables;
    std::function<void()> onFindPdfPrinter;       // last step of the start-up sequence
    std::function<void(int kind)> onJudgingReport; // the judging report dispatcher

    QString versionChangeMessage() const;

private:
    void copyTableFilesFromSaves(int table);
    void copyTableFilesToSaves(int table);
    QString tableFile(int table, const QString& extension) const;

    InstallPaths m_paths;
    DataMaster m_data;
    ProgressLog m_log;
    Parameters m_parameters;
};

// The companions a table may have; SQLite tables have only ".db", the others are copied
// whenever present so data sets carried over keep their sets together.
inline const QStringList& TableExtensions()
{
    static const QStringList list = {QStringLiteral(".db"), QStringLiteral(".px"), QStringLiteral(".mb"),
                                     QStringLiteral(".XG0"), QStringLiteral(".YG0")};
    return list;
}

// Field indexes of the System table.
namespace SystField {
constexpr int Description = 1, Applied = 2, Marker = 4;
}

} // namespace core
