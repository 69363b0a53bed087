#include "platform/keyedtable.h"

#include "platform/drives.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <vector>

namespace platform {

StorageError::StorageError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

namespace {
QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

void bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
}

struct Reset
{
    sqlite3_stmt* stmt;
    ~Reset()
    {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};
} // namespace

struct KeyedTable::Statements
{
    sqlite3_stmt* first = nullptr;
    sqlite3_stmt* last = nullptr;
    sqlite3_stmt* next = nullptr;
    sqlite3_stmt* seek = nullptr;
    sqlite3_stmt* atOrAfter = nullptr;
    sqlite3_stmt* count = nullptr;
    sqlite3_stmt* any = nullptr;
    sqlite3_stmt* insert = nullptr;
    sqlite3_stmt* remove = nullptr;
    sqlite3_stmt* removeAll = nullptr;
    sqlite3_stmt* merge = nullptr;
    std::vector<sqlite3_stmt*> update;

    ~Statements()
    {
        for (sqlite3_stmt* s : {first, last, next, seek, atOrAfter, count, any, insert, remove, removeAll, merge})
            sqlite3_finalize(s);
        for (sqlite3_stmt* s : update)
            sqlite3_finalize(s);
    }
};

KeyedTable::KeyedTable() = default;

KeyedTable::~KeyedTable()
{
    close();
}

void KeyedTable::createFile(const QString& path, const QString& sqlName, const QStringList& fields)
{
    const QString host = Drives::resolve(path);
    QFile::remove(host);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(host).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw StorageError(QStringLiteral("Cannot create table file \"%1\": %2").arg(path, error));
    }
    QString sql = QStringLiteral("PRAGMA journal_mode=DELETE; CREATE TABLE ") + quoted(sqlName) + QLatin1String(" (");
    for (int i = 0; i < fields.size(); ++i) {
        if (i)
            sql += QLatin1String(", ");
        sql += quoted(fields[i]) + QLatin1String(" TEXT");
        if (i == 0)
            sql += QLatin1String(" NOT NULL PRIMARY KEY COLLATE BINARY");
    }
    sql += QLatin1String(") WITHOUT ROWID;");
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    const QString error = message ? QString::fromUtf8(message) : QString();
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw StorageError(QStringLiteral("Cannot create table file \"%1\": %2").arg(path, error));
}

void KeyedTable::open(const QString& path)
{
    close();
    const QString host = Drives::resolve(path);
    if (!QFileInfo(host).isFile())
        throw StorageError(QStringLiteral("Table does not exist.\rFile: %1").arg(path));
    if (sqlite3_open_v2(QFile::encodeName(host).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StorageError(QStringLiteral("Cannot open table \"%1\": %2").arg(path, error));
    }
    m_path = path;
    m_st = std::make_unique<Statements>();
    // The data folder is a working copy restored from Saves at every start, so neither the
    // journal on disk nor syncing buys safety; holding the file exclusively keeps the page
    // cache valid between the one-field-at-a-time writes.
    sqlite3_exec(m_db, "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF; PRAGMA cache_size=-16384; PRAGMA locking_mode=EXCLUSIVE;", nullptr, nullptr, nullptr);

    sqlite3_stmt* names = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT name FROM sqlite_schema WHERE type='table' ORDER BY rowid LIMIT 1", -1,
                           &names, nullptr) != SQLITE_OK ||
        sqlite3_step(names) != SQLITE_ROW) {
        sqlite3_finalize(names);
        const QString error = QStringLiteral("Table \"%1\" holds no table data; the file is damaged.").arg(path);
        close();
        throw StorageError(error);
    }
    m_sqlName = columnText(names, 0);
    sqlite3_finalize(names);

    m_fields.clear();
    sqlite3_stmt* info = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    bindText(info, 1, m_sqlName);
    while (sqlite3_step(info) == SQLITE_ROW)
        m_fields.append(columnText(info, 0));
    sqlite3_finalize(info);
    m_st->update.assign(m_fields.size(), nullptr);

    const QString table = quoted(m_sqlName);
    const QString k = quoted(m_fields.value(0));
    m_st->first = prepare(QStringLiteral("SELECT * FROM %1 ORDER BY %2 LIMIT 1").arg(table, k));
    m_st->last = prepare(QStringLiteral("SELECT * FROM %1 ORDER BY %2 DESC LIMIT 1").arg(table, k));
    m_st->next = prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 > ?1 ORDER BY %2 LIMIT 1").arg(table, k));
    m_st->seek = prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?1").arg(table, k));
    m_st->atOrAfter = prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 >= ?1 ORDER BY %2 LIMIT 1").arg(table, k));
    m_st->count = prepare(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    m_st->any = prepare(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table));
    m_st->insert = prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?1)").arg(table, k));
    m_st->remove = prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(table, k));
    m_st->removeAll = prepare(QStringLiteral("DELETE FROM %1").arg(table));
    if (!first())
        setBlank();
}

void KeyedTable::close()
{
    if (m_db && m_batch)
        commitBatch();
    m_st.reset();
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
    m_values.clear();
    m_blank = true;
}

void KeyedTable::require() const
{
    if (!m_db)
        throw StorageError(QStringLiteral("Cannot perform this operation on a closed table."));
}

void KeyedTable::fail(const QString& what) const
{
    throw StorageError(QStringLiteral("%1 [%2]: %3").arg(what, m_path, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

sqlite3_stmt* KeyedTable::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("Table error"));
    return stmt;
}

void KeyedTable::setBlank()
{
    m_blank = true;
    m_values = QStringList();
    for (int i = 0; i < m_fields.size(); ++i)
        m_values.append(QString());
}

bool KeyedTable::loadFrom(sqlite3_stmt* stmt)
{
    Reset reset{stmt};
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE)
        return false;
    if (rc != SQLITE_ROW)
        fail(QStringLiteral("Table read error"));
    const int n = sqlite3_column_count(stmt);
    m_values.resize(n);
    for (int i = 0; i < n; ++i)
        m_values[i] = columnText(stmt, i);
    m_blank = false;
    return true;
}

int KeyedTable::recordCount()
{
    require();
    Reset reset{m_st->count};
    if (sqlite3_step(m_st->count) != SQLITE_ROW)
        fail(QStringLiteral("Table read error"));
    return sqlite3_column_int(m_st->count, 0);
}

bool KeyedTable::isEmpty()
{
    require();
    Reset reset{m_st->any};
    const int rc = sqlite3_step(m_st->any);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(QStringLiteral("Table read error"));
    return rc == SQLITE_DONE;
}

bool KeyedTable::first()
{
    require();
    if (loadFrom(m_st->first))
        return true;
    setBlank();
    return false;
}

bool KeyedTable::last()
{
    require();
    if (loadFrom(m_st->last))
        return true;
    setBlank();
    return false;
}

bool KeyedTable::next()
{
    require();
    if (m_blank)
        return false;
    bindText(m_st->next, 1, key());
    return loadFrom(m_st->next);
}

bool KeyedTable::seek(const QString& key)
{
    require();
    bindText(m_st->seek, 1, key);
    return loadFrom(m_st->seek);
}

bool KeyedTable::seekAtOrAfter(const QString& key)
{
    require();
    bindText(m_st->atOrAfter, 1, key);
    return loadFrom(m_st->atOrAfter);
}

QString KeyedTable::value(int field) const
{
    return m_values.value(field);
}

void KeyedTable::insert(const QString& key)
{
    require();
    {
        Reset reset{m_st->insert};
        bindText(m_st->insert, 1, key);
        if (sqlite3_step(m_st->insert) != SQLITE_DONE)
            fail(QStringLiteral("Key violation"));
    }
    setBlank();
    m_values[0] = key;
    m_blank = false;
}

void KeyedTable::setValue(int field, const QString& text)
{
    require();
    if (field < 0 || field >= m_fields.size())
        throw StorageError(QStringLiteral("Field index %1 out of range [%2].").arg(field).arg(m_path));
    if (m_blank)
        insert(field == 0 ? text : QString());
    if (field == 0 && text == key())
        return;
    sqlite3_stmt*& stmt = m_st->update[field];
    if (!stmt)
        stmt = prepare(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %3 = ?2")
                           .arg(quoted(m_sqlName), quoted(m_fields[field]), quoted(m_fields[0])));
    Reset reset{stmt};
    bindText(stmt, 1, text);
    bindText(stmt, 2, key());
    if (sqlite3_step(stmt) != SQLITE_DONE)
        fail(field == 0 ? QStringLiteral("Key violation") : QStringLiteral("Table write error"));
    m_values[field] = text;
}

void KeyedTable::removeCurrent()
{
    require();
    if (m_blank)
        return;
    const QString removed = key();
    {
        Reset reset{m_st->remove};
        bindText(m_st->remove, 1, removed);
        if (sqlite3_step(m_st->remove) != SQLITE_DONE)
            fail(QStringLiteral("Table write error"));
    }
    bindText(m_st->next, 1, removed);
    if (!loadFrom(m_st->next) && !loadFrom(m_st->last))
        setBlank();
}

void KeyedTable::removeAll()
{
    require();
    Reset reset{m_st->removeAll};
    if (sqlite3_step(m_st->removeAll) != SQLITE_DONE)
        fail(QStringLiteral("Table write error"));
    setBlank();
}

void KeyedTable::mergeRecord(const QString& key, const std::vector<std::pair<int, QString>>& fields)
{
    require();
    if (!m_st->merge) {
        // Unbound parameters are NULL: coalesce keeps the stored value of a field not given,
        // and a new record holds NULL there, which reads as empty like any unwritten field.
        const QString table = quoted(m_sqlName);
        QString columns, values, updates;
        for (int i = 0; i < m_fields.size(); ++i) {
            const QString c = quoted(m_fields[i]);
            columns += (i ? QStringLiteral(", ") : QString()) + c;
            values += (i ? QStringLiteral(", ?") : QStringLiteral("?")) + QString::number(i + 1);
            if (i)
                updates += (i > 1 ? QStringLiteral(", ") : QString()) + c + QStringLiteral(" = coalesce(excluded.") +
                           c + QStringLiteral(", ") + c + QLatin1Char(')');
        }
        QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT(%4) DO ")
                          .arg(table, columns, values, quoted(m_fields[0]));
        sql += updates.isEmpty() ? QStringLiteral("NOTHING") : QStringLiteral("UPDATE SET ") + updates;
        m_st->merge = prepare(sql);
    }
    {
        Reset reset{m_st->merge};
        bindText(m_st->merge, 1, key);
        for (const auto& [field, text] : fields) {
            if (field < 1 || field >= m_fields.size())
                throw StorageError(QStringLiteral("Field index %1 out of range [%2].").arg(field).arg(m_path));
            bindText(m_st->merge, field + 1, text);
        }
        if (sqlite3_step(m_st->merge) != SQLITE_DONE)
            fail(QStringLiteral("Table write error"));
    }
    seek(key);
}

std::vector<std::pair<QString, QString>> KeyedTable::fieldByPrefix(const QString& prefix, int field)
{
    require();
    if (field < 0 || field >= m_fields.size())
        throw StorageError(QStringLiteral("Field index %1 out of range [%2].").arg(field).arg(m_path));
    const QString k = quoted(m_fields[0]);
    sqlite3_stmt* stmt = prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 >= ?1 AND %1 < ?2 ORDER BY %1")
                                     .arg(k, quoted(m_fields[field]), quoted(m_sqlName)));
    // Keys are compared as bytes; U+FFFF encodes above every character a key holds.
    bindText(stmt, 1, prefix);
    bindText(stmt, 2, prefix + QChar(0xFFFF));
    std::vector<std::pair<QString, QString>> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rows.emplace_back(columnText(stmt, 0), columnText(stmt, 1));
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("Table read error"));
    return rows;
}

void KeyedTable::beginBatch()
{
    require();
    if (m_batch)
        return;
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("Table write error"));
    m_batch = true;
}

void KeyedTable::commitBatch()
{
    if (!m_batch)
        return;
    m_batch = false;
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("Table write error"));
}

} // namespace platform
