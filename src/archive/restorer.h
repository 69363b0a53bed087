#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <bitset>
#include <functional>

namespace core {
class DataMaster;
}

namespace archive {

// Reads a backup file back into the tables: merged into the present data, or after the
// tables the file covers were emptied.
class Restorer
{
public:
    explicit Restorer(core::DataMaster& data);

    void setFolder(const QString& folder) { m_folder = folder; }
    QString folder() const { return m_folder; }

    // Reads the header and section lines and runs the date check; true when the file may
    // be restored (the restore buttons are enabled).
    bool OpenRestoreFile();
    // True when the file was read to its end.
    bool RestoreFile(bool withProgress);
    void ClearCoveredTables(bool count);

    QString header() const { return m_header; }
    QStringList sectionNames() const { return m_sectionNames; }
    bool covers(int table) const { return table >= 0 && table <= 30 && m_tables.test(std::size_t(table)); }
    int lineCount() const { return m_lineCount; }
    int corruptLines() const { return m_corruptLines; }

    std::function<void(const QString& label)> onLabel;
    std::function<void(int value, int maximum)> onProgress;

    // The file's date and the last backup's, as yyyymmdd; 0 when unreadable.
    static int headerDate(const QString& header);
    static int backUpDate(const QString& value);

private:
    bool readFile(QByteArray& bytes) const;
    void label(const QString& text) const;
    void integrityError(int table, int lineNumber, const QByteArrayView& raw);

    core::DataMaster& m_data;
    QString m_folder;
    QString m_header;
    QStringList m_sectionNames;
    std::bitset<31> m_tables;
    int m_lineCount = 0;
    int m_corruptLines = 0;
};

} // namespace archive
