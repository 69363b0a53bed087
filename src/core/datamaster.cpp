#include "core/datamaster.h"

#include "core/texthelpers.h"
#include "platform/dialogs.h"

#include <algorithm>
#include <optional>

namespace core {

namespace {
struct SlotName
{
    const char* baseName;
    const char* label;
    const char* description;
};

constexpr SlotName slotNames[LastTable + 1] = {
    {"", "", ""},
    {"", "Temp", "Temp Use"},
    {"System", "Syst", "System Control Data"},
    {"Smid", "Smid", "4H/Marvolen Members"},
    {"Slid", "Slid", "4H/Marvolen Leaders"},
    {"Scou", "SCou", "4H/Marvolen Counties"},
    {"Parm", "Parm", "Parameters"},
    {"Type", "Type", "Contest Types"},
    {"Cont", "Cont", "Contests"},
    {"Team", "Team", "Teams"},
    {"Clas", "Clas", "Classes"},
    {"Awar", "Awar", "Awards"},
    {"Scor", "Scor", "Scores"},
    {"Resu", "Resu", "Results"},
    {"Quiz", "Quiz", "Quiz"},
    {"Ques", "Ques", "Questions"},
    {"Calc", "Calc", "Calculations"},
    {"Even", "Even", "SS Events"},
    {"Matc", "Matc", "SS Matches"},
    {"Memb", "Memb", "SS Members"},
    {"Tran", "Tran", "SS Translation"},
    {"Sstt", "Sstt", "SS Team Type"},
    {"Sstm", "Sstm", "SS Team"},
    {"Ssaw", "Ssaw", "SS Awards"},
    {"Sscs", "Sscs", "SS Contestant Scores"},
    {"Grou", "Grou", "SS Groups"},
    {"Gids", "Gids", "SS Group Members"},
    {"Offi", "Offi", "Official Judging Results"},
    {"Card", "Card", "Scoring Cards"},
    {"Sexb", "Sexb", "Fair/Marvolen Exhibitors"},
    {"Scls", "Scls", "Fair/Marvolen Classes"},
};

const SlotName& names(int table)
{
    return slotNames[(table >= 1 && table <= LastTable) ? table : 0];
}
} // namespace

QString slotLabel(int table)
{
    return QString::fromLatin1(names(table).label);
}

QString slotBaseName(int table)
{
    return QString::fromLatin1(names(table).baseName);
}

QString slotDescription(int table)
{
    return QString::fromLatin1(names(table).description);
}

QString slotFileName(int table)
{
    return table == Syst ? QStringLiteral("System.db") : slotBaseName(table) + QStringLiteral("1.db");
}

DataMaster::DataMaster()
{
    FillSlotNames();
}

void DataMaster::FillSlotNames()
{
    for (int t = 1; t <= LastTable; ++t) {
        m_slots[t].label = slotLabel(t);
        m_slots[t].description = slotDescription(t);
        m_slots[t].baseName = slotBaseName(t);
    }
}

TableSlot& DataMaster::slot(int table)
{
    if (table < 1 || table > LastTable)
        throw platform::StorageError(QStringLiteral("There is no table number %1.").arg(table));
    return m_slots[table];
}

platform::KeyedTable& DataMaster::table(int number)
{
    TableSlot& s = slot(number);
    if (!s.table.isOpen())
        throw platform::StorageError(
            QStringLiteral("Cannot perform this operation on a closed table [%1].").arg(s.label));
    return s.table;
}

bool DataMaster::FindRecord(int t, const QString& key)
{
    platform::KeyedTable& tb = table(t);
    if (tb.seek(key))
        return true;
    tb.first();
    return false;
}

QString DataMaster::ReadField(int t, int field)
{
    return table(t).value(field);
}

int DataMaster::ReadFieldInt(int t, int field)
{
    return ToIntOrZero(ReadField(t, field));
}

DataMaster::Batch::Batch(DataMaster& data) : m_data(data)
{
    for (TableSlot& s : m_data.m_slots)
        if (s.table.isOpen())
            s.table.beginBatch();
}

void DataMaster::Batch::commit()
{
    m_open = false;
    std::optional<platform::StorageError> failure;
    for (TableSlot& s : m_data.m_slots) {
        if (!s.table.isOpen())
            continue;
        try {
            s.table.commitBatch();
        } catch (const platform::StorageError& error) {
            if (!failure)
                failure = error;
        }
    }
    if (failure)
        throw *failure;
}

DataMaster::Batch::~Batch()
{
    if (!m_open)
        return;
    try {
        commit();
    } catch (const platform::StorageError&) {
        // Only reached while another exception unwinds (commit() is called on the normal path);
        // that one is the error the user sees.
    }
}

void DataMaster::WriteField(int t, int field, const QString& text)
{
    table(t).setValue(field, text);
}

void DataMaster::WriteFieldInt(int t, int field, int value)
{
    WriteField(t, field, QString::number(value));
}

void DataMaster::AddRecord(int t, const QString& key)
{
    if (FindRecord(t, key))
        return;
    table(t).insert(key);
}

void DataMaster::MergeRecord(int t, const QString& key, const std::vector<std::pair<int, QString>>& fields)
{
    table(t).mergeRecord(key, fields);
}

std::vector<std::pair<QString, QString>> DataMaster::ReadFieldByPrefix(int t, const QString& prefix, int field)
{
    return table(t).fieldByPrefix(prefix, field);
}

void DataMaster::DeleteRecord(int t, const QString& key)
{
    if (FindRecord(t, key))
        table(t).removeCurrent();
}

void DataMaster::BeginScan(int t)
{
    m_scanStart = true;
    platform::KeyedTable& tb = table(t);
    while (tb.first() && tb.key().isEmpty())
        tb.removeCurrent();
}

bool DataMaster::GetNextRec(int t)
{
    platform::KeyedTable& tb = table(t);
    if (tb.isEmpty())
        return false;
    if (m_scanStart) {
        m_scanStart = false;
        m_scanKey = tb.key();
        if (m_scanKey.isEmpty()) {
            tb.removeCurrent();
            if (!tb.seekAtOrAfter(QString()) || tb.atBlank())
                return false;
            m_scanKey = tb.key();
        }
        m_scanPreviousKey.clear();
        return true;
    }
    if (m_scanKey == m_scanPreviousKey) {
        platform::Dialogs::beepOnce();
        platform::Dialogs::error(
            QStringLiteral("GetNextRec Sequence Error in File Number [") + QString::number(t) +
            QStringLiteral("].  The program will now attempt to close. ") +
            QStringLiteral("Report the above Sequence and File number to the computer center now! ") +
            QStringLiteral("Ignore any other errors reported during the closing process."));
        if (m_onSequenceError)
            m_onSequenceError();
        return false;
    }
    m_scanPreviousKey = m_scanKey;
    // Still on the remembered record (nothing moved the cursor since): step from here;
    // otherwise look it up again, as a deleted or re-keyed record must be noticed.
    const bool inPlace = !tb.atBlank() && tb.key() == m_scanKey;
    if (inPlace || FindRecord(t, m_scanKey)) {
        if (!tb.next())
            return false;
        m_scanKey = tb.key();
    }
    return true;
}

int DataMaster::RecordCount(int t)
{
    return table(t).recordCount();
}

QString DataMaster::FieldName(int t, int field)
{
    return table(t).fieldNames().value(field);
}

int DataMaster::FieldIndex(int t, const QString& name)
{
    return int(table(t).fieldNames().indexOf(name));
}

int DataMaster::FieldCount(int t)
{
    return table(t).fieldCount();
}

void DataMaster::IncrementField(int t, int field)
{
    const QString text = ReadField(t, field);
    if (text.isEmpty())
        return;
    const QString digits = StripChar(text, QLatin1Char(' '));
    if (IsAllDigits(digits))
        WriteField(t, field, QString::number(digits.toLongLong() + 1));
}

void DataMaster::DeleteAllRecords(int t, bool count)
{
    platform::KeyedTable& tb = table(t);
    const int n = tb.recordCount();
    tb.removeAll();
    if (count)
        m_deletionCounter += n;
}

void DataMaster::EmptyTable(int t)
{
    platform::KeyedTable& tb = table(t);
    tb.removeAll();
    tb.close();
}

bool DataMaster::FindPrefix(int t, const QString& key, int length, bool first)
{
    platform::KeyedTable& tb = table(t);
    if (first) {
        // The nearest search looks at the compared part only: "ABC12" with length 3 starts
        // at the first "ABC" key, not after "ABC12".
        if (!tb.seekAtOrAfter(key.left(length)))
            tb.last();
    } else {
        if (!tb.next())
            return false;
    }
    return !tb.atBlank() && tb.key().left(length) == key.left(length);
}

void DataMaster::DeleteByPrefix(int t, const QString& key, int length)
{
    // Every matching key, however many: a cap would leave records that reappear later under
    // a reused contest key.
    QStringList keys;
    for (bool found = FindPrefix(t, key, length, true); found; found = FindPrefix(t, key, length, false))
        keys.append(CurrentKey(t));
    for (const QString& k : keys)
        DeleteRecord(t, k);
}

bool DataMaster::OpenTableFile(int t, const QString& path)
{
    TableSlot& s = slot(t);
    s.table.close();
    s.table.open(path);
    return true;
}

bool DataMaster::CloseTable(int t)
{
    slot(t).table.close();
    return true;
}

void DataMaster::OpenAllTables()
{
    for (int t = FirstDataTable; t <= LastTable; ++t) {
        TableSlot& s = m_slots[t];
        if (m_log)
            m_log(QStringLiteral("Open data table ") + QString::number(t) + QStringLiteral(" [") + s.label +
                  QLatin1Char(']'));
        s.table.close();
        s.baseName = slotBaseName(t);
        try {
            s.table.open(m_dataFolder + s.baseName + QStringLiteral("1.db"));
        } catch (const platform::StorageError& e) {
            // One unreadable table must not keep the others closed; it stays closed and says so.
            platform::Dialogs::error(e.message());
        }
    }
}

void DataMaster::CloseAllTables()
{
    for (int t = Syst; t <= LastTable; ++t)
        m_slots[t].table.close();
}

void DataMaster::DefineParameter(const QString& name, const QString& prompt, const QString& value, int choiceCount,
                                 const QString& choice1, const QString& choice2, const QString& choice3,
                                 const QString& choice4, const QString& choice5, const QString& kind)
{
    AddRecord(Parm, name);
    WriteField(Parm, 1, prompt);
    WriteField(Parm, 2, value);
    WriteField(Parm, 3, QString::number(choiceCount));
    const QString choices[] = {choice1, choice2, choice3, choice4, choice5};
    for (int i = 0; i < 5; ++i)
        WriteField(Parm, 4 + i, choices[i]);
    WriteField(Parm, 17, kind);
}

std::vector<QString>& DataMaster::sortList(int list)
{
    return m_sortLists[list == 2 ? 1 : 0];
}

const std::vector<QString>& DataMaster::sortList(int list) const
{
    return m_sortLists[list == 2 ? 1 : 0];
}

void DataMaster::SortListClear(int list)
{
    sortList(list).clear();
}

bool DataMaster::SortListAdd(int list, const QString& entry, bool ascending, bool allowDuplicates, int payloadLength)
{
    std::vector<QString>& entries = sortList(list);
    const int keyLength = SortEntryWidth - payloadLength;
    const QString text = entry.left(SortEntryWidth);
    const QStringView key = QStringView(text).left(keyLength);
    // Binary search over positions 1..count as the lists have always done it: among equal
    // keys a new entry lands first.
    int low = 1, high = int(entries.size());
    for (;;) {
        const int middle = (low + high) / 2;
        if (middle < low)
            break;
        const QStringView other = QStringView(entries[middle - 1]).left(keyLength);
        const int order = key.compare(other);
        if (!allowDuplicates && order == 0)
            return true;
        if (ascending ? order > 0 : order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    entries.insert(entries.begin() + (low - 1), text);
    return true;
}

int DataMaster::SortListCount(int list) const
{
    return int(sortList(list).size());
}

QString DataMaster::SortListEntry(int list, int k) const
{
    const std::vector<QString>& entries = sortList(list);
    return (k >= 1 && k <= int(entries.size())) ? entries[k - 1] : QString();
}

QString DataMaster::SortListPayload(int list, int k, int payloadLength) const
{
    return SortListEntry(list, k).leftJustified(SortEntryWidth, QLatin1Char(' ')).right(payloadLength);
}

} // namespace core
