#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace archive {

// One field of a record line: its index and its bytes as stored.
struct BackupPiece
{
    int field = 0;
    QByteArrayView text;
};

// One line of a backup file after the header.
struct BackupLine
{
    enum Kind {
        Empty,   // nothing between two line breaks
        Section, // blank, table character, section name
        Record,  // table character and pieces; `damaged` when the pieces do not add up
        Corrupt  // no table 1..30, or no key piece
    };
    Kind kind = Empty;
    int table = 0;
    QByteArrayView raw; // from the first character to the line end, without the line break
    std::vector<BackupPiece> pieces; // pieces[0] is the key of a record
    bool damaged = false;
};

// Walks a backup file. A record line follows its piece lengths, so a value may hold line
// breaks; the line ends where a piece ends and a line break (CR LF, or a lone LF or CR)
// follows. Nothing is read past the end of the file.
class BackupParser
{
public:
    explicit BackupParser(QByteArrayView file) : m_file(file) {}

    // The first line; call once, before next().
    QByteArrayView headerLine();
    // The next line; false at the end of the file.
    bool next(BackupLine& line);

private:
    qsizetype lineBreakAt(qsizetype from) const; // first CR or LF at or after `from`, or the size
    qsizetype afterBreak(qsizetype at) const;     // past the line break at `at`
    bool isBreak(qsizetype at) const;
    uchar byte(qsizetype at) const { return uchar(m_file[at]); }
    void readRecord(BackupLine& line, qsizetype start);

    QByteArrayView m_file;
    qsizetype m_pos = 0;
};

} // namespace archive
