#pragma once

#include "platform/keyedtable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace core {

// Table numbers of the thirty slots.
enum Table {
    Temp = 1, Syst, Smid, Slid, Scou, Parm, Type, Cont, Team, Clas, Awar, Scor, Resu, Quiz, Ques, Calc,
    Even, Matc, Memb, Tran, Sstt, Sstm, Ssaw, Sscs, Grou, Gids, Offi, Card, Sexb, Scls
};
constexpr int FirstDataTable = Smid; // slots opened by OpenAllTables
constexpr int LastTable = Scls;

struct TableSlot
{
    platform::KeyedTable table;
    QString description; // at most 24 characters
    QString baseName;
    QString label;
};

// Fixed names of a slot, known before any table is open.
QString slotLabel(int table);
QString slotBaseName(int table);
QString slotDescription(int table);
// The file name of a slot's table in the state data folder ("Team1.db", "System.db").
QString slotFileName(int table);

// Every read and write of a record goes through here, by table number, key and field index.
// Every table stays on a current record; writes are stored at once.
class DataMaster
{
public:
    DataMaster();

    // Folder of the table files, ending in "\"; OpenAllTables opens slots 3..30 there.
    void setDataFolder(const QString& folder) { m_dataFolder = folder; }
    QString dataFolder() const { return m_dataFolder; }
    // Line sink of the progress log (OpenAllTables logs each table).
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }
    // Called after the sequence-error message; the owner stops the program in order.
    void setOnSequenceError(std::function<void()> stop) { m_onSequenceError = std::move(stop); }

    TableSlot& slot(int table);
    void FillSlotNames();

    // Holds the changes to every open table in one transaction per table for its lifetime
    // (bulk work such as a restore); they are stored when it ends, also when it ends by an
    // exception, so nothing written before a failure is lost.
    class Batch
    {
    public:
        explicit Batch(DataMaster& data);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Stores the changes now; throws the storage error of a table that could not store them.
        void commit();

    private:
        DataMaster& m_data;
        bool m_open = true;
    };

    bool FindRecord(int table, const QString& key);
    QString ReadField(int table, int field);
    int ReadFieldInt(int table, int field);
    void WriteField(int table, int field, const QString& text);
    void WriteFieldInt(int table, int field, int value);
    void AddRecord(int table, const QString& key);
    // AddRecord followed by WriteField of each (field, text), in one step (bulk restore).
    void MergeRecord(int table, const QString& key, const std::vector<std::pair<int, QString>>& fields);
    // Key and one field of every record whose key starts with the prefix, in key order (bulk
    // reading); the current record stays as it is.
    std::vector<std::pair<QString, QString>> ReadFieldByPrefix(int table, const QString& prefix, int field);
    void DeleteRecord(int table, const QString& key);
    void BeginScan(int table);
    bool GetNextRec(int table);
    int RecordCount(int table);
    QString FieldName(int table, int field);
    int FieldIndex(int table, const QString& name);
    int FieldCount(int table);
    void IncrementField(int table, int field);
    void DeleteAllRecords(int table, bool count);
    void EmptyTable(int table);
    bool FindPrefix(int table, const QString& key, int length, bool first);
    void DeleteByPrefix(int table, const QString& key, int length);
    bool OpenTableFile(int table, const QString& path);
    bool CloseTable(int table);
    void OpenAllTables();
    void CloseAllTables();
    void DefineParameter(const QString& name, const QString& prompt, const QString& value, int choiceCount,
                         const QString& choice1 = {}, const QString& choice2 = {}, const QString& choice3 = {},
                         const QString& choice4 = {}, const QString& choice5 = {}, const QString& kind = {});

    // The current key of a table (not a stored operation of its own, but what callers need
    // after FindPrefix and GetNextRec).
    QString CurrentKey(int table) { return ReadField(table, 0); }

    // Keys collected during a scan for deletion after it; valid within one operation.
    QStringList& keyBuffer() { return m_keyBuffer; }
    static constexpr int KeyBufferWidth = 20;

    int deletionCounter() const { return m_deletionCounter; }
    void resetDeletionCounter() { m_deletionCounter = 0; }

    // Sort lists 1 and 2: entries of up to 120 characters, the payload at the end.
    static constexpr int SortEntryWidth = 120;
    void SortListClear(int list);
    bool SortListAdd(int list, const QString& entry, bool ascending, bool allowDuplicates, int payloadLength);
    int SortListCount(int list) const;
    QString SortListEntry(int list, int k) const; // k from 1
    // The payload of entry k: its last payloadLength characters of the 120.
    QString SortListPayload(int list, int k, int payloadLength) const;

private:
    platform::KeyedTable& table(int number);
    std::vector<QString>& sortList(int list);
    const std::vector<QString>& sortList(int list) const;

    std::array<TableSlot, LastTable + 1> m_slots;
    QString m_dataFolder;
    std::function<void(const QString&)> m_log;
    std::function<void()> m_onSequenceError;

    // One scan at a time, shared by all tables.
    QString m_scanKey;
    QString m_scanPreviousKey;
    bool m_scanStart = false;

    QStringList m_keyBuffer;
    int m_deletionCounter = 0;
    std::array<std::vector<QString>, 2> m_sortLists;
};

} // namespace core
