#include "judgingdemo.h"

#include "core/datamaster.h"
#include "core/program.h"
#include "core/supporttables.h"
#include "core/ui/screens.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/ui/awardspanel.h"
#include "judging/ui/classespanel.h"
#include "judging/ui/contestcodespanel.h"
#include "judging/ui/contestspanel.h"
#include "judging/ui/judgingwindow.h"
#include "judging/ui/manualscoringpanel.h"
#include "judging/ui/resultspanel.h"
#include "judging/ui/screenreviewpanel.h"
#include "judging/ui/teamprintpanel.h"
#include "judging/ui/teamspanel.h"

#include <QAbstractButton>
#include <QListWidget>

#include <initializer_list>
#include <utility>

using namespace judging;

namespace {

using Fields = std::initializer_list<std::pair<int, const char*>>;

void put(core::DataMaster& data, int table, const QString& key, Fields fields)
{
    data.AddRecord(table, key);
    for (const auto& [field, value] : fields)
        data.WriteField(table, field, QString::fromUtf8(value));
}

void addRecords(core::DataMaster& data)
{
    put(data, core::Type, QStringLiteral("LS"), {{TypeField::Title, "Livestock Judging"}, {TypeField::userDefined(1), "4-H Youth"}});
    put(data, core::Type, QStringLiteral("ME"), {{TypeField::Title, "Meats Judging"}});
    put(data, core::Type, QStringLiteral("WL"), {{TypeField::Title, "Wool Judging"}});

    const QString contest = QStringLiteral("LS121026");
    put(data, core::Cont, QStringLiteral("LS091226"), {{ContField::Title, "Fall Livestock Clinic"}});
    put(data, core::Cont, contest,
        {{ContField::Title, "District Livestock Judging"}, {ContField::Date, "12/10/2026"},
         {ContField::Location, "Fairgrounds Arena"}, {ContField::MaxMembers, "4"}, {ContField::ScoresSaved, "3"},
         {ContField::levelCount(1), "6"}, {ContField::levelCount(2), "4"}, {ContField::levelCount(3), "4"},
         {ContField::levelCount(4), "10"}, {ContField::levelCount(5), "10"}, {ContField::levelCount(6), "10"},
         {ContField::levelCount(7), "2"}, {ContField::AssignedGroups, "4"}, {ContField::KeepCullAnimals, "8"},
         {ContField::CardClasses, "12"}, {ContField::UseSupportData, "1"}});
    put(data, core::Cont, QStringLiteral("ME121026"), {{ContField::Title, "Meats Judging Invitational"}});

    const struct
    {
        const char* code;
        const char* name;
    } counties[] = {{"ADA", "Adams"}, {"BUF", "Buffalo"}, {"CUS", "Custer"}, {"HAL", "Hall"}, {"LIN", "Lincoln"}};
    for (const auto& c : counties)
        put(data, core::Scou, QString::fromLatin1(c.code), {{core::ScouField::Name, c.name}});
    const struct
    {
        const char* key;
        const char* last;
        const char* first;
        const char* initial;
        const char* age;
    } members[] = {{"ADA0002", "Olsen", "Mara", "J", "15"},  {"ADA0003", "Carver", "Ben", "T", "16"},
                   {"ADA0004", "Reinholt", "Sam", "A", "17"}, {"ADA0005", "Duval", "Casey", "R", "14"},
                   {"ADA0006", "Whitfield", "Ada", "L", "18"}, {"ADA0007", "Moreno", "Luis", "", "15"},
                   {"ADA0008", "Kessler", "Hanna", "M", "16"}, {"BUF0001", "Abbott", "Jo", "K", "17"},
                   {"BUF0002", "Lund", "Erik", "P", "15"}};
    for (const auto& m : members)
        put(data, core::Smid, QString::fromLatin1(m.key),
            {{core::SmidField::LastName, m.last},
             {core::SmidField::FirstName, m.first},
             {core::SmidField::MiddleInitial, m.initial},
             {core::SmidField::Age, m.age}});
    put(data, core::Slid, QStringLiteral("ADA0002"), {{1, "Voss"}, {2, "Greta"}, {3, "E"}});

    const auto team = [&](const char* tail, const char* number, const char* county, const char* name,
                          const char* coach, std::initializer_list<const char*> names) {
        const QString key = contest + QString::fromLatin1(tail);
        put(data, core::Team, key,
            {{TeamField::EntryNumber, number}, {TeamField::County, county}, {TeamField::TeamName, name},
             {TeamField::TeamCoach, coach}});
        int k = 1;
        for (const char* n : names) {
            data.WriteField(core::Team, TeamField::memberName(k), QString::fromUtf8(n));
            data.WriteFieldInt(core::Team, TeamField::memberLevel(k), DefaultMemberLevel(number[0] - '0'));
            data.WriteField(core::Team, TeamField::assignedGroup(k),
                            QStringLiteral("%1%2-%3%4").arg(QChar(char16_t('A' + k - 1))).arg(QString::fromLatin1(number).right(1))
                                .arg(QString::fromLatin1(number)).arg(MemberLetter(k)));
            ++k;
        }
    };
    team("ST101", "101", "ADA Adams", "Adams", "Voss, Greta E",
         {"Carver, Ben T", "Olsen, Mara J", "Reinholt, Sam A", "Whitfield, Ada L"});
    team("ST102", "102", "BUF Buffalo", "Buffalo", "Lund, Peter", {"Abbott, Jo K", "Lund, Erik P", "Marsh, Tilly"});
    team("ST103", "103", "+MC Multi-County", "Multi-County", "", {"Ferris, Nell", "Quade, Owen", "Price, Rae"});
    team("IT201", "201", "HAL Hall", "Hall", "Brook, Ann", {"Stone, Kit", "Lowe, Finn"});
    team("SI401", "401", "CUS Custer", "Custer", "", {"Yates, Dana", "Ritter, Cole"});
    put(data, core::Clas, contest + QStringLiteral("001"),
        {{ClasField::Type, "1"}, {ClasField::Number, "001"}, {ClasField::Title, "Market Steers"},
         {ClasField::PointValue, "50"}, {ClasField::TypeCopy, "1"}, {ClasField::OfficialResult, "C"},
         {ClasField::cut(1), "2"}, {ClasField::cut(2), "3"}, {ClasField::cut(3), "1"}, {ClasField::Color, "2"}});
    put(data, core::Clas, contest + QStringLiteral("002"),
        {{ClasField::Type, "1"}, {ClasField::Number, "002"}, {ClasField::Title, "Breeding Gilts"},
         {ClasField::PointValue, "50"}, {ClasField::TypeCopy, "1"}, {ClasField::OfficialResult, "H"},
         {ClasField::cut(1), "4"}, {ClasField::cut(2), "2"}, {ClasField::cut(3), "5"}});
    put(data, core::Clas, contest + QStringLiteral("003"),
        {{ClasField::Type, "2"}, {ClasField::Number, "003"}, {ClasField::Title, "Market Steer Reasons"},
         {ClasField::PointValue, "50"}, {ClasField::TypeCopy, "2"}});
    put(data, core::Clas, contest + QStringLiteral("004"),
        {{ClasField::Type, "4"}, {ClasField::Number, "004"}, {ClasField::Title, "Feed Identification"},
         {ClasField::PointValue, "300"}, {ClasField::TypeCopy, "4"}});
    const struct
    {
        const char* key;
        const char* entry;
        const char* score;
    } scores[] = {{"001ST101a", "C", "50"}, {"001ST101b", "A", "47"}, {"001ST101c", "G", "43"},
                  {"001ST101d", "0", "0"},  {"002ST101a", "H", "50"}, {"003ST101a", "44", "44"},
                  {"001ST102a", "D", "48"}};
    for (const auto& sc : scores) {
        const QString key = QString::fromLatin1(sc.key);
        put(data, core::Scor, contest + key, {{ScorField::Entry, sc.entry}, {ScorField::Score, sc.score}});
        data.WriteField(core::Scor, ScorField::ClassNumber, key.left(3));
        data.WriteField(core::Scor, ScorField::LevelCode, key.mid(3, 2));
        data.WriteField(core::Scor, ScorField::ContestantNumber, key.mid(5));
    }
    // The rest of the contestants scored in every class, so the results have something to rank.
    const struct
    {
        const char* level;
        const char* entry;
        int members;
    } entries[] = {{"ST", "101", 4}, {"ST", "102", 3}, {"ST", "103", 3}, {"IT", "201", 2}, {"SI", "401", 2}};
    int spread = 0;
    for (const auto& e : entries)
        for (int k = 1; k <= e.members; ++k)
            for (int c = 1; c <= 4; ++c) {
                const QString level = QString::fromLatin1(e.level);
                const QString contestant = QString::fromLatin1(e.entry) + MemberLetter(k);
                const QString key = ClassKey(contest, ClassNumber(c)) + level + contestant;
                if (data.FindRecord(core::Scor, key))
                    continue;
                spread = (spread * 7 + 11) % 23;
                const bool placing = c <= 2;
                put(data, core::Scor, key, {});
                data.WriteField(core::Scor, ScorField::ClassNumber, ClassNumber(c));
                data.WriteField(core::Scor, ScorField::LevelCode, level);
                data.WriteField(core::Scor, ScorField::ContestantNumber, contestant);
                data.WriteField(core::Scor, ScorField::Entry,
                                placing ? PlacingLetter(1 + spread) : QString::number(c == 4 ? 250 + spread : 30 + spread));
                data.WriteField(core::Scor, ScorField::Score, QString::number(c == 4 ? 250 + spread : 30 + spread));
            }
    put(data, core::Awar, contest + QStringLiteral("ST001"),
        {{AwarField::Number, "001"}, {AwarField::Name, "Senior Team High Point"}, {AwarField::ScoringClasses, "ALL"},
         {AwarField::tieBreakerClasses(1), "003"}, {AwarField::tieBreakerClasses(2), "001002"},
         {AwarField::tieBreakerDirection(1), "1"}, {AwarField::tieBreakerDirection(2), "1"},
         {AwarField::tieBreakerDirection(3), "1"}});
    put(data, core::Awar, contest + QStringLiteral("SI002"),
        {{AwarField::Number, "002"}, {AwarField::Name, "Senior Individual"}, {AwarField::ScoringClasses, "001002003"}});
}

void clickLine(QListWidget* list, const QString& start)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(start)) {
            list->setCurrentRow(i);
            emit list->itemClicked(list->item(i));
            return;
        }
}

} // namespace

void AddJudgingDemo(core::Screens& screens)
{
    core::Program& program = screens.program();
    addRecords(program.data());
    program.supportDataPresent = true;
    auto* window = qobject_cast<JudgingWindow*>(screens.window(core::JudgingScreen));
    if (!window)
        return;

    window->contestCodesPanel()->open();
    clickLine(window->contestCodesPanel()->findChild<QListWidget*>(QStringLiteral("codeList")), QStringLiteral("LS"));

    ContestsPanel* contests = window->contestsPanel();
    contests->open();
    contests->findChild<QAbstractButton*>(QStringLiteral("listContests"))->click();
    clickLine(contests->findChild<QListWidget*>(QStringLiteral("contestList")), QStringLiteral("LS121026"));

    TeamsPanel* teams = window->teamsPanel();
    teams->open();
    teams->findChild<QAbstractButton*>(QStringLiteral("level1"))->click();
    clickLine(teams->findChild<QListWidget*>(QStringLiteral("rightList")), QStringLiteral("LS121026ST101"));

    ClassesPanel* classes = window->classesPanel();
    classes->open();
    clickLine(classes->findChild<QListWidget*>(QStringLiteral("classList")), QStringLiteral("LS121026001"));

    ManualScoringPanel* scoring = window->manualScoringPanel();
    scoring->open();
    auto* scoringList = scoring->findChild<QListWidget*>(QStringLiteral("mainList"));
    clickLine(scoringList, QStringLiteral("LS121026001"));
    scoring->findChild<QAbstractButton*>(QStringLiteral("levelST"))->click();
    scoring->findChild<QAbstractButton*>(QStringLiteral("buildList"))->click();
    scoring->findChild<QAbstractButton*>(QStringLiteral("sort1"))->click();
    clickLine(scoringList, QStringLiteral("101c"));

    AwardsPanel* awards = window->awardsPanel();
    awards->open();
    clickLine(awards->findChild<QListWidget*>(QStringLiteral("mainList")), QStringLiteral("LS121026ST001"));

    ResultsPanel* results = window->resultsPanel();
    results->open();
    results->findChild<QAbstractButton*>(QStringLiteral("listClasses"))->click();
    results->findChild<QAbstractButton*>(QStringLiteral("selectionAll"))->click();
    results->findChild<QAbstractButton*>(QStringLiteral("byCounty"))->click();
    results->findChild<QAbstractButton*>(QStringLiteral("countyAll"))->click();

    ReportSelections review;
    const QStringList reviewed{QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003"), QStringLiteral("004")};
    for (const QString& number : reviewed) {
        program.data().FindRecord(core::Clas, ClassKey(QStringLiteral("LS121026"), number));
        review.classes.push_back({ClassKey(QStringLiteral("LS121026"), number),
                                  program.data().ReadField(core::Clas, ClasField::Title)});
    }
    window->screenReviewPanel()->review(review, false);

    TeamPrintPanel* teamPrint = window->teamPrintPanel();
    teamPrint->open();
    clickLine(teamPrint->findChild<QListWidget*>(QStringLiteral("countyList")), QStringLiteral("ADA"));
    clickLine(teamPrint->findChild<QListWidget*>(QStringLiteral("countyList")), QStringLiteral("BUF"));
}
