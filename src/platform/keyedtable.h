#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// An error of the table storage; its text is shown to the user as it stands.
class StorageError : public std::runtime_error
{
public:
    explicit StorageError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// One keyed table in its own SQLite file: one SQL table with one TEXT column per field,
// field 0 the primary key in ordinal order. The table keeps a cursor on a current record;
// every change is written to the file at once.
//
// An empty table is positioned on a blank record that exists only in memory; it is stored
// when one of its fields is written, never merely by being posted.
class KeyedTable
{
public:
    KeyedTable();
    ~KeyedTable();
    KeyedTable(const KeyedTable&) = delete;
    KeyedTable& operator=(const KeyedTable&) = delete;

    // Writes a new table file with the given field names (field 0 the key); replaces a file
    // of that name. `sqlName` names the SQL table inside the file.
    static void createFile(const QString& path, const QString& sqlName, const QStringList& fields);

    // Opens an existing table file (drive-letter or host path). Throws StorageError.
    void open(const QString& path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    const QStringList& fieldNames() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    int recordCount();
    bool isEmpty(); // cheaper than counting

    // Cursor movement. Each returns false and leaves the cursor where it was when there is
    // no such record (`first` on an empty table gives the blank record).
    bool first();
    bool last();
    bool next();
    bool seek(const QString& key);    // exact key
    bool seekAtOrAfter(const QString& key); // nearest key at or after; false at the end

    bool atBlank() const { return m_blank; }
    QString key() const { return m_values.value(0); }
    QString value(int field) const;
    void setValue(int field, const QString& text); // stores at once; field 0 re-keys
    void insert(const QString& key);               // new record with empty fields, made current
    void removeCurrent();                          // the following record becomes current
    void removeAll();

    // Writes the given fields into the record of `key` in one statement, adding the record
    // when it is missing; fields not given keep their values (empty in a new record). The
    // record becomes current. `fields` holds (field index >= 1, text) pairs.
    void mergeRecord(const QString& key, const std::vector<std::pair<int, QString>>& fields);
    // Key and one field of every record whose key starts with the prefix, in key order, in one
    // query; the current record stays as it is.
    std::vector<std::pair<QString, QString>> fieldByPrefix(const QString& prefix, int field);

    // Many changes in one transaction: they reach the file together at commitBatch (or at
    // close), not one by one. Used by bulk work such as a restore; the data folder is a
    // working copy, so a crash in between costs nothing the Saves snapshot does not hold.
    void beginBatch();
    void commitBatch();
    bool inBatch() const { return m_batch; }

private:
    struct Statements;
    void require() const;
    sqlite3_stmt* prepare(const QString& sql);
    bool loadFrom(sqlite3_stmt* stmt);
    void setBlank();
    [[noreturn]] void fail(const QString& what) const;

    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_sqlName;
    QStringList m_fields;
    QStringList m_values;
    bool m_blank = true;
    bool m_batch = false;
    std::unique_ptr<Statements> m_st;
};

} // namespace platform
