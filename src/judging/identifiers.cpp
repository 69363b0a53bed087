#include "judging/identifiers.h"

#include "core/texthelpers.h"
#include "platform/clock.h"

#include <algorithm>

namespace judging {

namespace {
const char* const levelCodes[LevelCount] = {"ST", "IT", "JT", "SI", "II", "JI", "AD"};
const char* const levelCaptions[LevelCount] = {
    "Senior Team  (100's)",       "Intermediate Team (200's)",       "Junior Team  (300's)",
    "Senior Individual  (400's)", "Intermediate Individual (500's)", "Junior Individual  (600's)",
    "Adult  (700's)"};
} // namespace

QString ContestCodeFromText(const QString& text)
{
    const QString code = core::UpperCaseAscii(text);
    if (code.size() != ContestCodeLength)
        return {};
    for (QChar c : code)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return {};
    return code;
}

QString ContestKey(const QString& code, const QDate& created)
{
    return code + core::DateDigits(platform::Clock::shortDate(created));
}

QString LevelCode(int level)
{
    return (level >= 1 && level <= LevelCount) ? QString::fromLatin1(levelCodes[level - 1]) : QString();
}

int LevelIndex(const QString& code)
{
    for (int level = 1; level <= LevelCount; ++level)
        if (code == QLatin1String(levelCodes[level - 1]))
            return level;
    return 0;
}

QString LevelCaption(int level)
{
    return (level >= 1 && level <= LevelCount) ? QString::fromLatin1(levelCaptions[level - 1]) : QString();
}

QString EntryNumber(int level, int sequence)
{
    return QStringLiteral("%1").arg(level * 100 + sequence, 3, 10, QLatin1Char('0'));
}

QString PadEntryNumber(const QString& typed)
{
    return typed.size() >= 3 ? typed : QString(3 - typed.size(), QLatin1Char('0')) + typed;
}

QString TeamKey(const QString& contestKey, const QString& levelCode, const QString& entryNumber)
{
    return contestKey + levelCode + entryNumber;
}

QString EntryNumberValue(const QString& entryNumber)
{
    return QString::number(core::ToIntOrZero(entryNumber));
}

QChar MemberLetter(int member)
{
    return QChar(char16_t(member + 96));
}

int MemberIndex(QChar letter)
{
    const int k = letter.unicode() - 96;
    return (k >= 1 && k <= MaxMembers) ? k : 0;
}

QString ContestantNumber(const QString& entryNumber, int member)
{
    return entryNumber + MemberLetter(member);
}

MemberLevel DefaultMemberLevel(int level)
{
    switch (level) {
    case 1:
    case 4:
        return SeniorMember;
    case 2:
    case 5:
        return IntermediateMember;
    case 3:
    case 6:
        return JuniorMember;
    default:
        return NoMemberLevel;
    }
}

QString ClassNumber(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString ClassKey(const QString& contestKey, const QString& classNumber)
{
    return contestKey + classNumber;
}

QString ScoreKey(const QString& classKey, const QString& levelCode, const QString& contestantNumber)
{
    return classKey + levelCode + contestantNumber;
}

QString AwardKey(const QString& contestKey, const QString& awardType, const QString& awardNumber)
{
    return contestKey + awardType + awardNumber;
}

QString CalcAwardPrefix(const QString& contestKey, const QString& awardNumber)
{
    return contestKey + awardNumber;
}

QString CalcKey(const QString& contestKey, const QString& awardNumber, const QString& levelCode,
                const QString& entryNumber, QChar memberLetter)
{
    return CalcAwardPrefix(contestKey, awardNumber) + levelCode + entryNumber + memberLetter;
}

const std::array<AwardType, AwardTypeCount>& AwardTypesScreenOrder()
{
    static const std::array<AwardType, AwardTypeCount> types = {{
        {QStringLiteral("ST"), QStringLiteral("(ST) Senior Team")},
        {QStringLiteral("SI"), QStringLiteral("(SI)  Senior Individual")},
        {QStringLiteral("SA"), QStringLiteral("(SA) Senior - All")},
        {QStringLiteral("IT"), QStringLiteral("(IT) Intermediate Team")},
        {QStringLiteral("II"), QStringLiteral("(II)  Intermediate Individual")},
        {QStringLiteral("IA"), QStringLiteral("(IA) Intermediate - All")},
        {QStringLiteral("JT"), QStringLiteral("(JT) Junior Team")},
        {QStringLiteral("JI"), QStringLiteral("(JI)  Junior Individual")},
        {QStringLiteral("JA"), QStringLiteral("(JA) Junior - All")},
        {QStringLiteral("AC"), QStringLiteral("(AC) All Contestants")},
        {QStringLiteral("AD"), QStringLiteral("(AD) Adult")},
    }};
    return types;
}

const QStringList& AwardTypesProcessingOrder()
{
    static const QStringList order = {QStringLiteral("ST"), QStringLiteral("IT"), QStringLiteral("JT"),
                                      QStringLiteral("SI"), QStringLiteral("II"), QStringLiteral("JI"),
                                      QStringLiteral("AD"), QStringLiteral("SA"), QStringLiteral("IA"),
                                      QStringLiteral("JA"), QStringLiteral("AC")};
    return order;
}

bool IsTeamAward(const QString& code)
{
    const qsizetype position = AwardTypesProcessingOrder().indexOf(code);
    return position >= 0 && position < 3;
}

QString AwardTypeCaption(const QString& code)
{
    for (const AwardType& type : AwardTypesScreenOrder())
        if (type.code == code)
            return type.caption;
    return {};
}

const std::array<QString, PlacingCount + 1>& PlacingOrders()
{
    static const std::array<QString, PlacingCount + 1> orders = [] {
        std::array<QString, PlacingCount + 1> all;
        all[0] = QStringLiteral("0000");
        QString order = QStringLiteral("1234");
        int n = 1;
        do
            all[std::size_t(n++)] = order;
        while (std::next_permutation(order.begin(), order.end()));
        return all;
    }();
    return orders;
}

QString PlacingOrder(int index)
{
    return (index >= 0 && index <= PlacingCount) ? PlacingOrders()[std::size_t(index)] : QString();
}

QString PlacingLetter(int index)
{
    return (index >= 1 && index <= PlacingCount) ? QString(QChar(char16_t('A' + index - 1))) : QString();
}

int PlacingIndex(const QString& letter)
{
    if (letter.size() != 1)
        return 0;
    const int n = letter.at(0).unicode() - 'A' + 1;
    return (n >= 1 && n <= PlacingCount) ? n : 0;
}

namespace {
struct ClassTypeTexts
{
    const char* name;
    const char* caption;
};
const ClassTypeTexts classTypes[ClassTypeCount] = {
    {"Regular", "Regular (01)"},
    {"Reasons", "Reasons (02)"},
    {"Questions", "Questions (03)"},
    {"Identification (Regular)", "Identification (Standard) (04)"},
    {"Identification (Collegiate Wool)", "Identification (Collegiate Wool Line) (05)"},
    {"Identification (4H Wool)", "Identification (4H Wool Line) (06)"},
    {"Identification (Meats)", "Compact Identification (Meats Line) (07)"},
    {"ARN Identification (Meats)", "American Royal National Meats Identification (08)"},
    {"Keep/Cull", "Keep/Cull (09)"},
    {"Other", "Other (10)"},
};
} // namespace

QString ClassTypeName(int type)
{
    return (type >= 1 && type <= ClassTypeCount) ? QString::fromLatin1(classTypes[type - 1].name) : QString();
}

QString ClassTypeCaption(int type)
{
    return (type >= 1 && type <= ClassTypeCount) ? QString::fromLatin1(classTypes[type - 1].caption) : QString();
}

} // namespace judging
