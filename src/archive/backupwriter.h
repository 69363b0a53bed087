#pragma once

#include "archive/backupsections.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace core {
class DataMaster;
}

namespace archive {

// The file name of every backup; readers find it without regard to case.
inline QString backupFileName()
{
    return QStringLiteral("mvBack.Txt");
}

// Writes the ticked sections of the data set into folder + "mvBack.Txt".
class BackupWriter
{
public:
    enum Mode { ScreenMode = 1, VersionChangeMode = 3 };

    explicit BackupWriter(core::DataMaster& data);

    void setSections(const SectionSet& sections) { m_sections = sections; }
    const SectionSet& sections() const { return m_sections; }

    // True when the whole file was written. Mode 1 reports progress; a failure shows its
    // message, leaves an older file of that name as it was and BackUpDate unchanged.
    bool WriteBackup(const QString& folder, int mode);

    std::function<void(int value, int maximum)> onProgress;
    std::function<void(const QString& stamp)> onBackupDate;

    // The pieces of the file, each with its CR LF.
    static QByteArray headerLine(const QDateTime& now);
    static QByteArray sectionLine(int section);
    // `values` are the backed-up fields of one record, field 0 first.
    static QByteArray recordLine(int table, const QStringList& values);
    // The same line appended to `out` (no copy per line).
    static void appendRecordLine(QByteArray& out, int table, const QStringList& values);

    static constexpr int MaxPieceLength = 222;
    // A field index travels as one character below the 255 marker.
    static constexpr int MaxFieldIndex = 222;

private:
    core::DataMaster& m_data;
    SectionSet m_sections = allSections();
};

// The backup the first start of a new version takes: sections 1 to 12 into "C:\".
bool WriteVersionChangeBackup(core::DataMaster& data);

} // namespace archive
