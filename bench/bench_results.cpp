// A state contest of 1,000 contestants (250 teams of four), 24 classes and 11 awards: processing
// and ranking every award and drawing the award results report, on the recording printer (the
// drawing alone) and on the built-in PDF printer (the file a user gets).
#include "core/datamaster.h"
#include "core/program.h"
#include "judging/fields.h"
#include "judging/awards.h"
#include "judging/identifiers.h"
#include "judging/results.h"
#include "judging/reports/judgingreports.h"
#include "platform/printerdevice.h"
#include "platform/printerrecorder.h"
#include "testenv.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace judging;

namespace {

const QString contestKey = QStringLiteral("ST121026");
constexpr int Classes = 24;

struct StateContest
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    core::DataMaster& data = program.data();
    ReportSelections selections;

    StateContest()
    {
        program.RunStartupSequence();
        // Teams: 99 senior, 99 intermediate, 52 junior.
        const int teams[] = {99, 99, 52};
        {
            core::DataMaster::Batch batch(data);
            data.MergeRecord(core::Cont, contestKey,
                             {{ContField::Title, QStringLiteral("State Livestock Judging")},
                              {ContField::MaxMembers, QStringLiteral("4")},
                              {ContField::ScoresSaved, QStringLiteral("3")},
                              {ContField::levelCount(1), QString::number(teams[0])},
                              {ContField::levelCount(2), QString::number(teams[1])},
                              {ContField::levelCount(3), QString::number(teams[2])}});
            for (int c = 1; c <= Classes; ++c)
                data.MergeRecord(core::Clas, ClassKey(contestKey, ClassNumber(c)),
                                 {{ClasField::Type, QStringLiteral("1")},
                                  {ClasField::Number, ClassNumber(c)},
                                  {ClasField::Title, QStringLiteral("Class %1").arg(c)},
                                  {ClasField::PointValue, QStringLiteral("50")}});
            int seed = 7;
            for (int level = 1; level <= 3; ++level)
                for (int s = 1; s <= teams[level - 1]; ++s) {
                    const QString entry = EntryNumber(level, s);
                    std::vector<std::pair<int, QString>> fields{
                        {TeamField::EntryNumber, entry}, {TeamField::County, QStringLiteral("County %1").arg(s % 93)}};
                    for (int k = 1; k <= 4; ++k) {
                        fields.emplace_back(TeamField::memberName(k), QStringLiteral("Member %1%2").arg(entry).arg(k));
                        fields.emplace_back(TeamField::memberLevel(k), QString::number(1 + (s + k) % 3));
                    }
                    data.MergeRecord(core::Team, TeamKey(contestKey, LevelCode(level), entry), fields);
                    for (int k = 1; k <= 4; ++k)
                        for (int c = 1; c <= Classes; ++c) {
                            seed = (seed * 1103515245 + 12345) & 0x7fffffff;
                            const QString contestant = ContestantNumber(entry, k);
                            data.MergeRecord(core::Scor,
                                             ScoreKey(ClassKey(contestKey, ClassNumber(c)), LevelCode(level), contestant),
                                             {{ScorField::ClassNumber, ClassNumber(c)},
                                              {ScorField::LevelCode, LevelCode(level)},
                                              {ScorField::ContestantNumber, contestant},
                                              {ScorField::Entry, QStringLiteral("A")},
                                              {ScorField::Score, QString::number(20 + seed % 31)}});
                        }
                }
            // One award of every type: all classes scoring, three tie-breaker groups.
            int number = 1;
            for (const QString& type : AwardTypesProcessingOrder()) {
                const QString n = QStringLiteral("%1").arg(number++, 3, 10, QLatin1Char('0'));
                const QString key = AwardKey(contestKey, type, n);
                data.MergeRecord(core::Awar, key,
                                 {{AwarField::Number, n},
                                  {AwarField::Name, type + QStringLiteral(" Overall")},
                                  {AwarField::ScoringClasses, QStringLiteral("ALL")},
                                  {AwarField::tieBreakerClasses(1), QStringLiteral("003006009")},
                                  {AwarField::tieBreakerClasses(2), QStringLiteral("012015")},
                                  {AwarField::tieBreakerClasses(3), QStringLiteral("024")},
                                  {AwarField::tieBreakerDirection(1), QStringLiteral("1")},
                                  {AwarField::tieBreakerDirection(2), QStringLiteral("1")},
                                  {AwarField::tieBreakerDirection(3), QStringLiteral("0")}});
                selections.awards.push_back({key, type + QStringLiteral(" Overall")});
            }
            batch.commit();
        }
        selections.ranks = 10;
    }
};

StateContest& contest()
{
    static StateContest c;
    return c;
}

// Processing and ranking alone, without drawing.
void BM_ProcessAndRank(benchmark::State& state)
{
    StateContest& c = contest();
    for (auto _ : state) {
        c.data.DeleteAllRecords(core::Calc, false);
        const ContestScores scores(c.data, contestKey);
        for (const AwardChoice& choice : c.selections.awards) {
            Award award;
            ReadAward(c.data, choice.key, award);
            ProcessAward(c.data, contestKey, award, &scores);
            benchmark::DoNotOptimize(RankAward(c.data, contestKey, award));
        }
    }
}
BENCHMARK(BM_ProcessAndRank)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_AwardResultsRecorded(benchmark::State& state)
{
    StateContest& c = contest();
    platform::PrinterRecorder printer;
    for (auto _ : state) {
        printer.clear();
        PrintJudgingReport(c.data, contestKey, ReportKind::AwardResults, c.selections, printer);
    }
}
BENCHMARK(BM_AwardResultsRecorded)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_AwardResultsPdf(benchmark::State& state)
{
    StateContest& c = contest();
    platform::PrinterDevice printer;
    printer.setPrinterIndex(0); // the built-in PDF printer
    for (auto _ : state)
        PrintJudgingReport(c.data, contestKey, ReportKind::AwardResults, c.selections, printer);
}
BENCHMARK(BM_AwardResultsPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
