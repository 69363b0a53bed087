#include "archive/backupwriter.h"

#include "platform/windows1252.h"
#include "core/datamaster.h"
#include "core/edition.h"
#include "core/parameters.h"
#include "platform/busycursor.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/keyedtable.h"

#include <QSaveFile>

namespace archive {

using platform::Dialogs;
using platform::Windows1252;

namespace {
const char crlf[] = "\r\n";

void appendPiece(QByteArray& line, const QByteArray& text)
{
    line.append(char(text.size() + 32));
    line.append(text);
}

// How many fields of a table go into the file: those before "Delta".
int backedUpFields(core::DataMaster& data, int table)
{
    const int delta = data.FieldIndex(table, QStringLiteral("Delta"));
    return delta < 1 ? 0 : std::min(delta, BackupWriter::MaxFieldIndex + 1);
}
} // namespace

BackupWriter::BackupWriter(core::DataMaster& data) : m_data(data) {}

QByteArray BackupWriter::headerLine(const QDateTime& now)
{
    const QString text = core::Edition::stateName() + QLatin1Char('-') + core::Edition::version() + QLatin1Char('-') +
                         QStringLiteral(" Marvolen Data Backup as of ") + platform::Clock::shortDate(now.date()) +
                         QStringLiteral("  ") + platform::Clock::longTime(now.time());
    return Windows1252::encode(text) + crlf;
}

QByteArray BackupWriter::sectionLine(int section)
{
    QByteArray line(" ");
    line.append(char(sectionTable(section) + 32));
    line.append(Windows1252::encode(sectionFileName(section)));
    return line + crlf;
}

QByteArray BackupWriter::recordLine(int table, const QStringList& values)
{
    QByteArray line;
    appendRecordLine(line, table, values);
    return line;
}

void BackupWriter::appendRecordLine(QByteArray& line, int table, const QStringList& values)
{
    line.append(char(table + 32));
    int previous = -1;
    const int count = std::min(int(values.size()), MaxFieldIndex + 1);
    for (int i = 0; i < count; ++i) {
        const QByteArray text = Windows1252::encode(values[i]).left(MaxPieceLength);
        if (text.isEmpty() && i > 0)
            continue;
        if (i != previous + 1) {
            line.append(char(255));
            line.append(char(i + 32));
        }
        appendPiece(line, text);
        previous = i;
    }
    line.append(crlf, 2);
}

bool BackupWriter::WriteBackup(const QString& folder, int mode)
{
    platform::BusyCursor busy;
    const bool progress = mode == ScreenMode;
    int total = 0;
    if (progress) {
        for (int s = 1; s <= SectionCount; ++s) {
            if (!m_sections.test(std::size_t(s)))
                continue;
            m_data.BeginScan(sectionTable(s));
            total += m_data.RecordCount(sectionTable(s));
        }
        if (onProgress)
            onProgress(0, total);
    }

    const QString path = folder + backupFileName();
    // Written beside the old file and put in its place only when complete, so a failed
    // backup never costs the last good one.
    QSaveFile file(platform::Drives::resolve(path));
    if (!file.open(QIODevice::WriteOnly)) {
        Dialogs::error(QStringLiteral("Backup/Share Drive/Folder not found!"));
        return false;
    }

    const QDateTime now = platform::Clock::now();
    const QString stamp = platform::Clock::stamp(now);
    const QString backUpDate = QStringLiteral("BackUpDate");
    const bool haveDate = m_data.FindRecord(core::Parm, backUpDate);
    const QString previousDate = haveDate ? m_data.ReadField(core::Parm, core::ParmField::Value) : QString();
    auto restoreDate = [&] {
        if (haveDate && m_data.FindRecord(core::Parm, backUpDate))
            m_data.WriteField(core::Parm, core::ParmField::Value, previousDate);
    };
    if (haveDate)
        m_data.WriteField(core::Parm, core::ParmField::Value, stamp);

    QByteArray out = headerLine(now);
    for (int s = 1; s <= SectionCount; ++s)
        if (m_sections.test(std::size_t(s)))
            out += sectionLine(s);

    int counter = 0;
    try {
        for (int s = 1; s <= SectionCount; ++s) {
            if (!m_sections.test(std::size_t(s)))
                continue;
            const int t = sectionTable(s);
            const int fields = backedUpFields(m_data, t);
            if (fields < 1)
                continue;
            QStringList values;
            m_data.BeginScan(t);
            while (m_data.GetNextRec(t)) {
                ++counter;
                if (progress && onProgress)
                    onProgress(counter, total);
                const QString key = m_data.ReadField(t, 0);
                if (key.isEmpty())
                    continue;
                values.clear();
                for (int i = 0; i < fields; ++i)
                    values.append(m_data.ReadField(t, i));
                appendRecordLine(out, t, values);
            }
        }
    } catch (const platform::StorageError&) {
        file.cancelWriting();
        restoreDate();
        throw;
    }

    if (file.write(out) != out.size() || !file.commit()) {
        const QString why = file.errorString();
        restoreDate();
        Dialogs::error(QStringLiteral("The backup file ") + path + QStringLiteral(" could not be written: ") + why);
        return false;
    }
    if (haveDate && onBackupDate)
        onBackupDate(stamp);
    return true;
}

bool WriteVersionChangeBackup(core::DataMaster& data)
{
    BackupWriter writer(data);
    writer.setSections(sectionsUpTo(12));
    return writer.WriteBackup(QStringLiteral("C:\\"), BackupWriter::VersionChangeMode);
}

} // namespace archive
