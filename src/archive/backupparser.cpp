#include "archive/backupparser.h"

namespace archive {

namespace {
constexpr uchar CR = 13, LF = 10, Blank = 32, Marker = 255;
} // namespace

bool BackupParser::isBreak(qsizetype at) const
{
    return at < m_file.size() && (byte(at) == CR || byte(at) == LF);
}

qsizetype BackupParser::lineBreakAt(qsizetype from) const
{
    qsizetype i = from;
    while (i < m_file.size() && !isBreak(i))
        ++i;
    return i;
}

qsizetype BackupParser::afterBreak(qsizetype at) const
{
    if (at >= m_file.size())
        return m_file.size();
    if (byte(at) == CR && at + 1 < m_file.size() && byte(at + 1) == LF)
        return at + 2;
    return at + 1;
}

QByteArrayView BackupParser::headerLine()
{
    const qsizetype end = lineBreakAt(0);
    m_pos = afterBreak(end);
    return m_file.first(end);
}

bool BackupParser::next(BackupLine& line)
{
    line = BackupLine();
    if (m_pos >= m_file.size())
        return false;
    const qsizetype start = m_pos;
    if (isBreak(start)) {
        m_pos = afterBreak(start);
        return true;
    }
    const uchar first = byte(start);
    const int table = int(first) - 32;
    if (first == Blank || table < 1 || table > 30) {
        const qsizetype end = lineBreakAt(start);
        line.kind = first == Blank ? BackupLine::Section : BackupLine::Corrupt;
        line.raw = m_file.sliced(start, end - start);
        if (first == Blank && line.raw.size() >= 2)
            line.table = int(uchar(line.raw[1])) - 32;
        m_pos = afterBreak(end);
        return true;
    }
    line.kind = BackupLine::Record;
    line.table = table;
    readRecord(line, start);
    return true;
}

void BackupParser::readRecord(BackupLine& line, qsizetype start)
{
    const qsizetype size = m_file.size();
    qsizetype p = start + 1;
    int field = -1;
    auto damage = [&](qsizetype at) {
        // Resume at the next line break from the damaged piece on.
        line.damaged = true;
        const qsizetype end = lineBreakAt(at);
        line.raw = m_file.sliced(start, end - start);
        m_pos = afterBreak(end);
    };
    for (;;) {
        if (p >= size || isBreak(p)) {
            line.raw = m_file.sliced(start, p - start);
            m_pos = afterBreak(p);
            break;
        }
        const uchar c = byte(p);
        if (c == Marker) {
            if (p + 1 < size && byte(p + 1) == Marker) {
                ++p; // a run of markers counts as one
                continue;
            }
            // The first piece is the key, and a later one must not re-key the record.
            if (line.pieces.empty() || p + 2 >= size || byte(p + 1) < 33) {
                damage(p);
                break;
            }
            const int index = int(byte(p + 1)) - 32;
            const qsizetype length = qsizetype(byte(p + 2)) - 32;
            if (length < 1 || p + 3 + length > size) {
                damage(p);
                break;
            }
            line.pieces.push_back({index, m_file.sliced(p + 3, length)});
            field = index;
            p += 3 + length;
            continue;
        }
        const qsizetype length = qsizetype(c) - 32;
        if (length < 1 || p + 1 + length > size) {
            damage(p);
            break;
        }
        line.pieces.push_back({++field, m_file.sliced(p + 1, length)});
        p += 1 + length;
    }
    if (line.pieces.empty()) {
        line.kind = BackupLine::Corrupt;
        line.damaged = false;
    }
}

} // namespace archive
