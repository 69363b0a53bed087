#include "archive/restorer.h"

#include "archive/backupparser.h"
#include "platform/windows1252.h"
#include "core/datamaster.h"
#include "core/edition.h"
#include "core/parameters.h"
#include "core/texthelpers.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QFile>

#include <array>

namespace archive {

using platform::Dialogs;
using platform::Windows1252;

namespace {
const QString readName = QStringLiteral("mvBack.txt");

QString twoDigits(QString text)
{
    if (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    return text.rightJustified(2, QLatin1Char('0'));
}

// year + month + day as one number, from "m/d/y..." where `month` is what stands before
// the first "/"; 0 when the parts are not digits.
int dateNumber(const QString& month, const QString& rest)
{
    QString text = rest;
    const QString day = core::NextToken(text, QLatin1Char('/'));
    const int blank = int(text.indexOf(QLatin1Char(' ')));
    const QString year = blank < 0 ? text : text.left(blank);
    const QString digits = year + twoDigits(month) + twoDigits(day);
    return digits.size() <= 9 ? core::ToIntOrZero(digits) : 0;
}
} // namespace

Restorer::Restorer(core::DataMaster& data) : m_data(data) {}

int Restorer::headerDate(const QString& header)
{
    const int slash = int(header.indexOf(QLatin1Char('/')));
    if (slash < 0)
        return 0;
    return dateNumber(header.left(slash).right(2), header.mid(slash + 1));
}

int Restorer::backUpDate(const QString& value)
{
    const int slash = int(value.indexOf(QLatin1Char('/')));
    if (slash < 0)
        return 0;
    return dateNumber(value.left(slash), value.mid(slash + 1));
}

bool Restorer::readFile(QByteArray& bytes) const
{
    QFile file(platform::Drives::resolve(m_folder + readName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

void Restorer::label(const QString& text) const
{
    if (onLabel)
        onLabel(text);
}

bool Restorer::OpenRestoreFile()
{
    m_header.clear();
    m_sectionNames.clear();
    m_tables.reset();
    m_lineCount = 0;
    QByteArray bytes;
    if (!platform::Files::exists(m_folder + readName) || !readFile(bytes)) {
        Dialogs::error(QStringLiteral("Marvolen Backup File Not Found on ") + m_folder);
        return false;
    }
    platform::BusyCursor busy;
    BackupParser parser(bytes);
    m_header = Windows1252::decode(parser.headerLine());
    m_lineCount = 1;

    if (m_data.FindRecord(core::Parm, QStringLiteral("BackUpDate"))) {
        const int last = backUpDate(m_data.ReadField(core::Parm, core::ParmField::Value));
        if (headerDate(m_header) < last &&
            Dialogs::instance().message(
                Dialogs::Kind::Warning,
                QStringLiteral("The date of the restore/refresh data is OLDER than the date of the last data backup.  "
                               "If you continue you risk losing your most current  data changes."),
                Dialogs::No | Dialogs::Ok) != Dialogs::Ok)
            return false;
    }

    BackupLine line;
    while (parser.next(line)) {
        if (line.kind == BackupLine::Empty)
            continue;
        ++m_lineCount;
        if (line.kind != BackupLine::Section)
            continue;
        if (line.table >= 0 && line.table <= 30)
            m_tables.set(std::size_t(line.table));
        m_sectionNames.append(Windows1252::decode(line.raw.size() > 2 ? line.raw.sliced(2) : QByteArrayView()));
    }
    if (onProgress)
        onProgress(0, m_lineCount);
    return true;
}

void Restorer::integrityError(int table, int lineNumber, const QByteArrayView& raw)
{
    Dialogs::warning(QStringLiteral("Restore Data Integrity Error!  [") + core::slotDescription(table) +
                     QStringLiteral("]  [") + QString::number(lineNumber) + QLatin1Char(']') + QStringLiteral("\r\r") +
                     Windows1252::decode(raw.first(std::min<qsizetype>(raw.size(), 100))) + QStringLiteral("...") +
                     QStringLiteral("\r\r") + QStringLiteral("This record will not be processed!"));
}

bool Restorer::RestoreFile(bool withProgress)
{
    platform::BusyCursor busy;
    int lineNumber = 0;
    m_corruptLines = 0;
    if (withProgress)
        label(QStringLiteral("Restore progress..."));
    QByteArray bytes;
    if (!platform::Files::exists(m_folder + readName) || !readFile(bytes)) {
        Dialogs::error(QStringLiteral("Restore/Share Drive/Folder not found!"));
        return false;
    }
    BackupParser parser(bytes);
    const QString header = Windows1252::decode(parser.headerLine());
    lineNumber = 1;
    const QString version = header.mid(header.indexOf(QLatin1Char('-')) + 1).left(6);
    if (version != core::Edition::version()) {
        Dialogs::beepOnce();
        if (Dialogs::instance().message(
                Dialogs::Kind::Warning,
                QStringLiteral("The Restore/Refresh data set program Version does not match the current program "
                               "Version! It is strongly advised that you DO NOT restore/refresh with this data set.  "
                               "Select [No] and then contact your state Marvolen program supporter for further "
                               "information.\r\rCAUTION! - Do you wish to continue the restore/refresh process?"),
                Dialogs::No | Dialogs::Ok) != Dialogs::Ok)
            return false;
    }

    // "Delta" of each table, looked up once; -2 until then.
    std::array<int, 31> delta;
    delta.fill(-2);
    core::DataMaster::Batch batch(m_data);
    std::vector<std::pair<int, QString>> fields;
    int previousTable = 0;
    const int maximum = std::max(m_lineCount, 1);
    BackupLine line;
    while (parser.next(line)) {
        if (line.kind == BackupLine::Empty)
            continue;
        ++lineNumber;
        if (withProgress && onProgress)
            onProgress(std::min(lineNumber, maximum), maximum);
        if (line.kind == BackupLine::Section)
            continue;
        const int t = line.table;
        // A table that did not open cannot take records; its lines count as corrupt.
        if (line.kind == BackupLine::Corrupt || !m_data.slot(t).table.isOpen()) {
            ++m_corruptLines;
            continue;
        }
        if (t != previousTable) {
            if (withProgress)
                label(core::slotDescription(t));
            previousTable = t;
        }
        if (delta[t] == -2)
            delta[t] = m_data.FieldIndex(t, QStringLiteral("Delta"));
        const int d = delta[t];
        const QString key = Windows1252::decode(line.pieces.front().text);
        bool intact = !line.damaged;
        for (std::size_t i = 1; intact && i < line.pieces.size(); ++i)
            intact = line.pieces[i].field < d;
        if (!intact) {
            integrityError(t, lineNumber, line.raw);
            m_data.DeleteRecord(t, key);
            continue;
        }
        fields.clear();
        for (std::size_t i = 1; i < line.pieces.size(); ++i)
            fields.emplace_back(line.pieces[i].field, Windows1252::decode(line.pieces[i].text));
        m_data.MergeRecord(t, key, fields);
    }
    batch.commit();
    return true;
}

void Restorer::ClearCoveredTables(bool count)
{
    platform::BusyCursor busy;
    m_data.resetDeletionCounter();
    label(QStringLiteral("Clear file progress..."));
    auto cleared = [this](int t) {
        return t != core::Parm && covers(t) && m_data.slot(t).table.isOpen();
    };
    int total = 0;
    if (count)
        for (int t = core::Smid; t <= core::LastTable; ++t)
            if (cleared(t))
                total += m_data.RecordCount(t);
    if (onProgress)
        onProgress(0, total);
    for (int t = core::Smid; t <= core::LastTable; ++t) {
        if (!cleared(t))
            continue;
        label(core::slotDescription(t));
        m_data.DeleteAllRecords(t, count);
        if (count && onProgress)
            onProgress(m_data.deletionCounter(), total);
    }
}

} // namespace archive
