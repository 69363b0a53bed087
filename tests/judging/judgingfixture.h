#pragma once

// A contest with stored records for the judging tests: entries, classes, scores and awards
// are added in one line each.

#include "core/datamaster.h"
#include "core/program.h"
#include "judging/contest.h"
#include "judging/fields.h"
#include "judging/identifiers.h"
#include "judging/reports/judgingreports.h"
#include "platform/printerrecorder.h"
#include "testenv.h"

#include <QStringList>
#include <QtTest>

#include <initializer_list>
#include <utility>

namespace judgingtest {

using Fields = std::initializer_list<std::pair<int, QString>>;

struct ContestFixture
{
    static inline const QString contestKey = QStringLiteral("LS121026");

    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    core::DataMaster& data = program.data();
    judging::SelectedContest contest;

    // M members per team, N judged, and the set-up counts of levels ST..AD.
    explicit ContestFixture(int maxMembers = 4, int judged = 3, std::initializer_list<int> levelCounts = {5, 5, 5, 9, 9, 9, 9})
    {
        program.RunStartupSequence();
        add(core::Cont, contestKey,
            {{judging::ContField::Title, QStringLiteral("District Livestock")},
             {judging::ContField::Date, QStringLiteral("12/10/2026")},
             {judging::ContField::MaxMembers, QString::number(maxMembers)},
             {judging::ContField::ScoresSaved, QString::number(judged)}});
        int level = 1;
        for (int count : levelCounts)
            data.WriteField(core::Cont, judging::ContField::levelCount(level++), QString::number(count));
        select();
        env.dialogs.clear();
    }

    // Reads the contest into `contest` as the contests screen leaves it selected.
    void select()
    {
        judging::ReadContest(data, contestKey, contest);
        contest.key = contestKey;
        contest.selected = true;
        contest.presence = judging::ReadContestPresence(data, contestKey);
    }

    void add(int table, const QString& key, Fields fields = {})
    {
        if (!data.FindRecord(table, key))
            data.AddRecord(table, key);
        for (const auto& [f, value] : fields)
            data.WriteField(table, f, value);
    }

    // An entry of a level (1..7) and sequence; members by position 1.. with their names, each
    // with the default level button of the entry's level unless `memberLevels` says otherwise.
    void addEntry(int level, int sequence, const QString& county, const QStringList& names,
                  const QList<int>& memberLevels = {})
    {
        const QString entry = judging::EntryNumber(level, sequence);
        add(core::Team, judging::TeamKey(contestKey, judging::LevelCode(level), entry),
            {{judging::TeamField::EntryNumber, entry}, {judging::TeamField::County, county}});
        for (int k = 1; k <= names.size(); ++k) {
            data.WriteField(core::Team, judging::TeamField::memberName(k), names[k - 1]);
            const int button = k <= memberLevels.size() ? memberLevels[k - 1] : judging::DefaultMemberLevel(level);
            data.WriteField(core::Team, judging::TeamField::memberLevel(k), QString::number(button));
        }
    }

    void addClass(int number, const QString& title, int type = judging::RegularClass, int pointValue = 50,
                  Fields more = {})
    {
        const QString n = judging::ClassNumber(number);
        add(core::Clas, judging::ClassKey(contestKey, n),
            {{judging::ClasField::Type, QString::number(type)},
             {judging::ClasField::Number, n},
             {judging::ClasField::Title, title},
             {judging::ClasField::PointValue, QString::number(pointValue)},
             {judging::ClasField::TypeCopy, QString::number(type)}});
        for (const auto& [f, value] : more)
            data.WriteField(core::Clas, f, value);
    }

    // A score of a contestant ("101c") in a class; the level code comes from the entry number.
    void addScore(int classNumber, const QString& contestant, const QString& entry, int score)
    {
        const QString n = judging::ClassNumber(classNumber);
        const QString level = judging::LevelCode(contestant.left(1).toInt());
        add(core::Scor, judging::ScoreKey(judging::ClassKey(contestKey, n), level, contestant),
            {{judging::ScorField::ClassNumber, n},
             {judging::ScorField::LevelCode, level},
             {judging::ScorField::ContestantNumber, contestant},
             {judging::ScorField::Entry, entry},
             {judging::ScorField::Score, QString::number(score)}});
    }

    // An award of a type ("ST", "JA") and number ("001") with its four class lists; tie-breaker
    // directions default to High.
    void addAward(const QString& type, const QString& number, const QString& name, const QString& scoring,
                  const QString& tie1 = QString(), const QString& tie2 = QString(), const QString& tie3 = QString(),
                  bool high1 = true, bool high2 = true, bool high3 = true)
    {
        add(core::Awar, judging::AwardKey(contestKey, type, number),
            {{judging::AwarField::Number, number},
             {judging::AwarField::Name, name},
             {judging::AwarField::ScoringClasses, scoring},
             {judging::AwarField::tieBreakerClasses(1), tie1},
             {judging::AwarField::tieBreakerClasses(2), tie2},
             {judging::AwarField::tieBreakerClasses(3), tie3},
             {judging::AwarField::tieBreakerDirection(1), high1 ? QStringLiteral("1") : QStringLiteral("0")},
             {judging::AwarField::tieBreakerDirection(2), high2 ? QStringLiteral("1") : QStringLiteral("0")},
             {judging::AwarField::tieBreakerDirection(3), high3 ? QStringLiteral("1") : QStringLiteral("0")}});
    }
};

// The contest printing its reports on the recording printer, with the selections of the
// screen that would start them.
struct ReportFixture : ContestFixture
{
    using ContestFixture::ContestFixture;

    platform::PrinterRecorder printer;
    judging::ReportSelections selections;

    // One document of the kind, through the report dispatcher.
    void print(int kind) { QVERIFY(judging::PrintJudgingReport(data, contestKey, kind, selections, printer)); }
    int document() const { return int(printer.documents.size()); }
};

} // namespace judgingtest
