#include "judging/resultsexport.h"

#include "core/datamaster.h"
#include "judging/awards.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/results.h"
#include "platform/busycursor.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/windows1252.h"

#include <QSaveFile>

#include <algorithm>
#include <array>

namespace judging {

namespace {

// The Ascii stops 1..12 as widths in characters of a fixed-width font; column 0 is the margin.
constexpr std::array<int, 13> AsciiStops{0, 0, 2, 8, 18, 20, 38, 40, 48, 58, 60, 63, 68};

// The line under construction and the file's text.
class ExportWriter
{
public:
    explicit ExportWriter(ExportFormat format) : m_format(format) {}

    void field(int column, int skipped, const QString& typed)
    {
        // A tab or line break inside a field would shift the columns or split the line.
        QString text = typed;
        for (QChar& c : text)
            if (c == u'\t' || c == u'\r' || c == u'\n')
                c = u' ';
        switch (m_format) {
        case ExportFormat::Ascii: {
            if (text.isEmpty())
                return;
            const int stop = AsciiStops[static_cast<std::size_t>(std::clamp(column, 0, 12))];
            m_line += QString(std::max(0, stop - static_cast<int>(m_line.size())), u' ') + text;
            break;
        }
        case ExportFormat::Delimited:
            for (int i = 0; i < skipped; ++i)
                m_line += QStringLiteral("\"\",");
            // Quotes inside the text are doubled so the field stays whole.
            text.replace(u'"', QStringLiteral("\"\""));
            m_line += u'"' + text + QStringLiteral("\",");
            break;
        case ExportFormat::TabDelimited:
            m_line += QString(std::max(0, skipped), u'\t') + text + u'\t';
            break;
        }
    }

    void endLine()
    {
        if (m_format == ExportFormat::Delimited && !m_line.isEmpty())
            m_line.chop(1);
        m_bytes += platform::Windows1252::encode(m_line) + "\r\n";
        m_line.clear();
    }

    const QByteArray& bytes() const { return m_bytes; }

private:
    ExportFormat m_format;
    QString m_line;
    QByteArray m_bytes;
};

QString Fitted(const QString& text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

QString ContestantText(const QString& levelCode, const QString& entryNumber, QChar letter)
{
    return levelCode + QStringLiteral("  ") + entryNumber + letter;
}

void WriteAward(ExportWriter& out, core::DataMaster& data, const QString& contestKey, const QString& contestTitle,
                const Award& award, int ranks, int maxMembers, const ContestScores& scores)
{
    out.field(0, 0, QStringLiteral("Contest ") + contestKey + QStringLiteral(" [") + contestTitle +
                        QStringLiteral("] Award ") + award.number + QStringLiteral("  ") + award.name +
                        QStringLiteral("  Results..."));
    out.endLine();
    out.endLine();

    static constexpr std::array<int, 4> classColumns{0, 5, 7, 10};
    out.field(classColumns[0], 0, QStringLiteral("Scoring Class(es):"));
    out.field(classColumns[1], 0, QStringLiteral("Tie 1 Class(es):"));
    out.field(classColumns[2], 0, QStringLiteral("Tie 2 Class(es):"));
    out.field(classColumns[3], 0, QStringLiteral("Tie 3 Class(es):"));
    out.endLine();
    std::array<QStringList, 4> cells;
    qsizetype longest = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        cells[k] = ClassListCells(data, contestKey, award.classes[k]);
        longest = std::max(longest, cells[k].size());
    }
    for (qsizetype i = 0; i < longest; ++i) {
        for (std::size_t k = 0; k < 4; ++k)
            out.field(classColumns[k], 0, cells[k].value(i));
        out.endLine();
    }

    out.field(0, 0, QStringLiteral("Rank"));
    out.field(3, 0, QStringLiteral("Contestant"));
    out.field(4, 0, QStringLiteral("Name"));
    out.field(6, 0, QStringLiteral("Team"));
    out.field(8, 0, QStringLiteral("Score"));
    out.field(9, 0, QStringLiteral("Tie Breakers"));
    out.endLine();

    ProcessAward(data, contestKey, award, &scores);
    const std::vector<RankedUnit> ranked = RankAward(data, contestKey, award);
    const bool team = IsTeamAward(award.type);
    int n = 0;
    for (const RankedUnit& unit : ranked) {
        if (++n > ranks)
            break;
        const QString levelCode = unit.key.mid(ContestKeyLength + 3, 2);
        const QString entryNumber = unit.key.mid(ContestKeyLength + 5, 3);
        if (!data.FindRecord(core::Team, TeamKey(contestKey, levelCode, entryNumber)))
            continue;
        const QString county = Fitted(data.ReadField(core::Team, TeamField::County), 14);
        const auto totalsLine = [&] {
            out.field(8, 4, QString::number(unit.totals[0]));
            out.field(9, 0, QString::number(unit.totals[1]));
            out.field(11, 0, QString::number(unit.totals[2]));
            out.field(12, 0, QString::number(unit.totals[3]));
            out.endLine();
        };
        if (team) {
            std::vector<std::pair<int, QString>> members;
            for (int d = 1; d <= maxMembers; ++d) {
                const QString name = data.ReadField(core::Team, TeamField::memberName(d));
                if (!name.trimmed().isEmpty())
                    members.emplace_back(d, name);
            }
            const bool haveCalc = data.FindRecord(core::Calc, unit.key);
            bool first = true;
            for (const auto& [d, name] : members) {
                out.field(1, 0, first ? QString::number(n) : QString());
                first = false;
                out.field(3, 0, ContestantText(levelCode, entryNumber, MemberLetter(d)));
                out.field(4, 0, Fitted(name, 24));
                out.field(6, 0, county);
                out.field(8, 0, haveCalc ? data.ReadField(core::Calc, CalcField::memberTotal(d)).trimmed()
                                         : QStringLiteral("0"));
                out.endLine();
            }
            totalsLine();
            out.endLine();
            continue;
        }
        const QChar letter = unit.key.size() > CalcKeyLength - 1 ? unit.key.at(CalcKeyLength - 1) : QChar(u' ');
        const int member = MemberIndex(letter);
        const QString name = member > 0 ? data.ReadField(core::Team, TeamField::memberName(member)) : QString();
        if (name.trimmed().isEmpty())
            continue;
        out.field(2, 0, QString::number(n));
        out.field(3, 0, ContestantText(levelCode, entryNumber, letter));
        out.field(4, 0, Fitted(name, 24));
        out.field(6, 0, county);
        out.field(8, 0, QString::number(unit.totals[0]));
        out.endLine();
        totalsLine();
    }
}

} // namespace

QString ExportFileName(const QString& typed)
{
    // Only the last part of a path counts, so the file stays in the Files folder.
    QString name = typed;
    const qsizetype cut = std::max({name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'), name.lastIndexOf(u':')});
    if (cut >= 0)
        name = name.mid(cut + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    QString plain;
    for (QChar c : name)
        if (c.unicode() >= 0x20 && !QStringLiteral("<>\"|?*").contains(c))
            plain += c;
    plain = plain.trimmed();
    if (plain.isEmpty())
        return QString();
    return plain + QStringLiteral(".txt");
}

QString ExportAwardResults(core::DataMaster& data, const QString& contestKey, ExportFormat format,
                           const QString& typedName, const std::vector<AwardChoice>& awards, int ranks,
                           const QString& stateFolder)
{
    const QString fileName = ExportFileName(typedName);
    if (fileName.isEmpty())
        return QString();
    platform::BusyCursor busy;
    data.DeleteAllRecords(core::Calc, false);

    QString folder = stateFolder;
    if (!folder.isEmpty() && !folder.endsWith(u'\\') && !folder.endsWith(u'/'))
        folder += u'\\';
    folder += QStringLiteral("Files");
    if (!platform::Files::folderExists(folder) && !platform::Files::makeFolder(folder))
        return QString();
    const QString path = folder + u'\\' + fileName;
    // Written beside the old file and put in its place only when complete.
    QSaveFile file(platform::Drives::resolve(path));
    if (!file.open(QIODevice::WriteOnly))
        return QString();

    int maxMembers = 0;
    QString contestTitle;
    if (data.FindRecord(core::Cont, contestKey)) {
        contestTitle = data.ReadField(core::Cont, ContField::Title);
        maxMembers = std::clamp(data.ReadField(core::Cont, ContField::MaxMembers).trimmed().toInt(), 0, MaxMembers);
    }

    ExportWriter out(format);
    const ContestScores scores(data, contestKey);
    for (const QString& type : AwardTypesProcessingOrder())
        for (const AwardChoice& choice : awards) {
            if (!choice.key.startsWith(contestKey) || choice.key.mid(ContestKeyLength, 2) != type)
                continue;
            Award award;
            if (!ReadAward(data, choice.key, award))
                continue;
            WriteAward(out, data, contestKey, contestTitle, award, ranks, maxMembers, scores);
        }

    if (file.write(out.bytes()) != out.bytes().size() || !file.commit())
        return QString();
    return path;
}

} // namespace judging
