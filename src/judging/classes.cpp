#include "judging/classes.h"

#include "core/datamaster.h"
#include "core/texthelpers.h"
#include "judging/fields.h"

namespace judging {

namespace {

bool holdsLetter(const QString& text)
{
    for (QChar c : text)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            return true;
    return false;
}

// Every pair of places the contestant inverted costs the cuts between the two animals'
// official places.
int placingPenalty(const QString& entryOrder, const QString& officialOrder, const Cuts& cuts)
{
    std::array<int, 4> official{};
    for (int j = 0; j < 4; ++j)
        official[std::size_t(j)] = int(officialOrder.indexOf(entryOrder.at(j))) + 1;
    int penalty = 0;
    for (int j = 0; j < 4; ++j)
        for (int k = j + 1; k < 4; ++k) {
            const int high = official[std::size_t(j)];
            const int low = official[std::size_t(k)];
            for (int c = low; c < high; ++c)
                penalty += cuts[std::size_t(c - 1)];
        }
    return penalty;
}

struct ColorText
{
    const char* name;
    unsigned bgr;
};
constexpr std::array<ColorText, ClassColorCount> colors{{{"Black", 0x000000},
                                                         {"Red", 0x0000FF},
                                                         {"Yellow", 0x00FFFF},
                                                         {"Blue", 0xFF0000},
                                                         {"White", 0xFFFFFF},
                                                         {"Green", 0x008000},
                                                         {"Purple", 0x800080},
                                                         {"Lime", 0x00FF00},
                                                         {"Fuchsia", 0xFF00FF}}};
constexpr unsigned NoColorBgr = 0xD8CDC5;

QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

int rescore(core::DataMaster& data, const QString& classKey, const QString& official, int classMax,
            const Cuts& cuts)
{
    QStringList& keys = data.keyBuffer();
    keys.clear();
    for (bool found = data.FindPrefix(core::Scor, classKey, ClassKeyLength, true); found;
         found = data.FindPrefix(core::Scor, classKey, ClassKeyLength, false))
        keys << data.CurrentKey(core::Scor);
    int written = 0;
    const QStringList all = keys;
    keys.clear();
    for (const QString& key : all) {
        if (!data.FindRecord(core::Scor, key)) continue;
        const PlacingScore s = ScorePlacing(data.ReadField(core::Scor, ScorField::Entry), official,
                                            RegularClass, classMax, cuts);
        if (s.outcome == PlacingScore::Ignored) return written;
        // An entry that is neither a letter nor a number (never stored by the entry screens)
        // keeps its score.
        if (!s.hasScore) continue;
        data.WriteFieldInt(core::Scor, ScorField::Score, s.score);
        ++written;
    }
    return written;
}

} // namespace

PlacingScore ScorePlacing(const QString& typed, const QString& official, int classType, int classMax,
                          const Cuts& cuts)
{
    PlacingScore result;
    const int officialIndex = PlacingIndex(core::UpperCaseAscii(official.trimmed()));
    if (classType == RegularClass && officialIndex == 0) return result;
    result.outcome = PlacingScore::Invalid;
    const QString entry = core::UpperCaseAscii(typed.trimmed());
    if (const int placing = PlacingIndex(entry); placing && classType == RegularClass) {
        result.outcome = PlacingScore::Valid;
        result.hasScore = true;
        result.score = classMax - placingPenalty(PlacingOrder(placing), PlacingOrder(officialIndex), cuts);
        return result;
    }
    if (holdsLetter(entry)) return result;
    bool ok = false;
    const int number = entry.toInt(&ok);
    if (!ok) return result;
    result.hasScore = true;
    result.score = number;
    if (number >= 0 && number <= classMax && classType > RegularClass) result.outcome = PlacingScore::Valid;
    return result;
}

ClassNumberCheck CheckClassNumber(const QString& text, QString& padded)
{
    padded.clear();
    if (text.isEmpty()) return ClassNumberCheck::Empty;
    if (!core::IsAllDigits(text)) return ClassNumberCheck::InvalidCharacter;
    bool ok = false;
    const int value = text.toInt(&ok);
    // Zero is outside the range too, however many digits it is typed with.
    if (!ok || value < 1 || value > MaxClasses) return ClassNumberCheck::OutOfRange;
    padded = ClassNumber(value);
    return ClassNumberCheck::Accepted;
}

QString ClassNumberWarning(ClassNumberCheck check)
{
    switch (check) {
    case ClassNumberCheck::InvalidCharacter:
        return QStringLiteral("Invalid character in class code.");
    case ClassNumberCheck::OutOfRange:
        return QStringLiteral("Class code out of range.");
    default:
        return {};
    }
}

int CutValue(const QString& text)
{
    return core::IsAllDigits(text) && text.size() < 6 ? text.toInt() : 0;
}

bool CutsExceed(const Cuts& cuts)
{
    int total = 0;
    for (int c : cuts) {
        if (c > MaxCutTotal) return true;
        total += c;
    }
    return total > MaxCutTotal;
}

QString CutsWarning()
{
    return QStringLiteral("Sum for all cuts or any individual cut can not exceed 15 in value.");
}

QString ClassColorName(int color)
{
    return (color >= 1 && color <= ClassColorCount) ? QString::fromLatin1(colors[std::size_t(color - 1)].name)
                                                    : QString();
}

QColor ClassColorValue(int color)
{
    return fromBgr((color >= 1 && color <= ClassColorCount) ? colors[std::size_t(color - 1)].bgr
                                                            : NoColorBgr);
}

int ClassColorFromField(const QString& field)
{
    const int value = core::IsAllDigits(field) && field.size() < 3 ? field.toInt() : 0;
    return (value >= 1 && value <= ClassColorCount) ? value : 0;
}

QStringList ClassLines(core::DataMaster& data, const QString& contestKey)
{
    QStringList lines;
    for (bool found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, false))
        lines << data.CurrentKey(core::Clas) + QStringLiteral("  ") +
                     data.ReadField(core::Clas, ClasField::Title);
    return lines;
}

bool ReadClass(core::DataMaster& data, const QString& classKey, ClassDefinition& def)
{
    def = ClassDefinition();
    if (classKey.size() != ClassKeyLength || !data.FindRecord(core::Clas, classKey)) return false;
    def.type = data.ReadFieldInt(core::Clas, ClasField::TypeCopy);
    def.number = classKey.mid(ContestKeyLength);
    def.title = data.ReadField(core::Clas, ClasField::Title);
    def.pointValue = data.ReadField(core::Clas, ClasField::PointValue);
    if (def.type == RegularClass) {
        def.official = data.ReadField(core::Clas, ClasField::OfficialResult);
        for (int n = 1; n <= 3; ++n)
            def.cuts[std::size_t(n - 1)] = data.ReadField(core::Clas, ClasField::cut(n));
    }
    if (def.type == RegularClass || def.type == ReasonsClass)
        def.color = ClassColorFromField(data.ReadField(core::Clas, ClasField::Color));
    return true;
}

void WriteClass(core::DataMaster& data, const QString& classKey, const ClassDefinition& def)
{
    data.AddRecord(core::Clas, classKey);
    data.WriteFieldInt(core::Clas, ClasField::Type, def.type);
    data.WriteField(core::Clas, ClasField::Number, def.number);
    data.WriteField(core::Clas, ClasField::Title, def.title);
    data.WriteField(core::Clas, ClasField::PointValue, def.pointValue);
    data.WriteFieldInt(core::Clas, ClasField::TypeCopy, def.type);
    if (def.type == RegularClass) {
        const QString official = PlacingIndex(core::UpperCaseAscii(def.official.left(1)))
                                     ? core::UpperCaseAscii(def.official)
                                     : QString();
        data.WriteField(core::Clas, ClasField::OfficialResult, official);
        for (int n = 1; n <= 3; ++n)
            data.WriteField(core::Clas, ClasField::cut(n), def.cuts[std::size_t(n - 1)]);
    }
    if (def.type == RegularClass || def.type == ReasonsClass)
        data.WriteFieldInt(core::Clas, ClasField::Color, def.color);
}

int RescoreClass(core::DataMaster& data, const QString& classKey)
{
    if (!data.FindRecord(core::Clas, classKey) ||
        data.ReadFieldInt(core::Clas, ClasField::TypeCopy) != RegularClass)
        return 0;
    const int classMax = data.ReadFieldInt(core::Clas, ClasField::PointValue);
    const QString official = data.ReadField(core::Clas, ClasField::OfficialResult);
    Cuts cuts{};
    for (int n = 1; n <= 3; ++n)
        cuts[std::size_t(n - 1)] = CutValue(data.ReadField(core::Clas, ClasField::cut(n)));
    return rescore(data, classKey, official, classMax, cuts);
}

int RescoreRegularClasses(core::DataMaster& data, const QString& contestKey)
{
    QStringList regular;
    for (bool found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Clas, contestKey, ContestKeyLength, false))
        if (data.ReadFieldInt(core::Clas, ClasField::TypeCopy) == RegularClass)
            regular << data.CurrentKey(core::Clas);
    int written = 0;
    for (const QString& key : regular)
        written += RescoreClass(data, key);
    return written;
}

bool ClassInUse(core::DataMaster& data, const QString& contestKey, const QString& classNumber)
{
    if (data.FindPrefix(core::Scor, ClassKey(contestKey, classNumber), ClassKeyLength, true)) return true;
    for (bool found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, true); found;
         found = data.FindPrefix(core::Awar, contestKey, ContestKeyLength, false))
        for (int field = AwarField::ScoringClasses; field <= AwarField::tieBreakerClasses(3); ++field) {
            const QString list = data.ReadField(core::Awar, field);
            for (int at = 0; at + 3 <= list.size(); at += 3)
                if (list.mid(at, 3) == classNumber) return true;
        }
    return false;
}

QString ClassInUseWarning()
{
    return QStringLiteral("This class is used by scores or awards of the contest and can not be removed.");
}

void DeleteClass(core::DataMaster& data, const QString& classKey)
{
    if (classKey.size() != ClassKeyLength) return;
    data.DeleteRecord(core::Clas, classKey);
    data.DeleteRecord(core::Offi, classKey);
}

} // namespace judging
