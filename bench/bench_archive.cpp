// Backup and restore of 100,000 records through the Data Master, and `sqlite3 .dump` of the
// same table files as the figure a user would compare with.
#include "archive/backupsections.h"
#include "archive/backupwriter.h"
#include "archive/restorer.h"
#include "core/datamaster.h"
#include "core/program.h"
#include "core/tablelayouts.h"
#include "platform/drives.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

constexpr int Members = 50000, Scores = 30000, Questions = 20000;

struct DataSet
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};

    DataSet()
    {
        program.RunStartupSequence();
        fill(core::Smid, Members, 6);
        fill(core::Scor, Scores, 20);
        fill(core::Ques, Questions, 12);
    }

    QString hostFile(int table) { return platform::Drives::resolve(paths.stateFolder() + core::slotFileName(table)); }

    // Straight into the file in one transaction; the Data Master would post field by field.
    void fill(int table, int count, int fields)
    {
        program.data().CloseTable(table);
        sqlite3* db = nullptr;
        sqlite3_open(hostFile(table).toUtf8().constData(), &db);
        const QStringList names = core::layoutFields(table);
        QString sql = QStringLiteral("INSERT INTO \"%1\" VALUES (").arg(core::slotBaseName(table));
        for (int i = 0; i < names.size(); ++i)
            sql += i ? QStringLiteral(",?") : QStringLiteral("?");
        sql += QLatin1Char(')');
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
        for (int r = 0; r < count; ++r) {
            for (int i = 0; i < names.size(); ++i) {
                QByteArray v;
                if (i == 0)
                    v = QByteArray::number(100000000 + r);
                else if (i < fields)
                    v = (table == core::Ques && i == 8) ? QByteArray("Which of these breeds\r\nis polled?\r\n1. Angus")
                                                        : QByteArray("Value ") + QByteArray::number(r * 7 + i);
                if (v.isEmpty())
                    sqlite3_bind_null(st, i + 1);
                else
                    sqlite3_bind_text(st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
            }
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        program.data().OpenTableFile(table, paths.stateFolder() + core::slotFileName(table));
    }

    archive::SectionSet sections()
    {
        archive::SectionSet s;
        for (int t : {core::Smid, core::Scor, core::Ques})
            s.set(std::size_t(archive::tableSection(t)));
        return s;
    }
};

DataSet& data()
{
    static std::unique_ptr<DataSet> set = std::make_unique<DataSet>();
    return *set;
}

constexpr double Records = Members + Scores + Questions;

void BM_Backup(benchmark::State& state)
{
    DataSet& d = data();
    archive::BackupWriter writer(d.program.data());
    writer.setSections(d.sections());
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.WriteBackup(QStringLiteral("C:\\"), 1));
    state.counters["records/s"] = benchmark::Counter(Records * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_SqliteDump(benchmark::State& state)
{
    DataSet& d = data();
    QStringList files;
    for (int t : {core::Smid, core::Scor, core::Ques})
        files << d.hostFile(t);
    for (auto _ : state) {
        for (const QString& f : files) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/null"));
            p.start(QStringLiteral("sqlite3"), {f, QStringLiteral(".dump")});
            p.waitForFinished(-1);
        }
    }
    state.counters["records/s"] = benchmark::Counter(Records * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ClearAndRestore(benchmark::State& state)
{
    DataSet& d = data();
    archive::BackupWriter writer(d.program.data());
    writer.setSections(d.sections());
    writer.WriteBackup(QStringLiteral("C:\\"), 1);
    for (auto _ : state) {
        archive::Restorer r(d.program.data());
        r.setFolder(QStringLiteral("C:\\"));
        r.OpenRestoreFile();
        r.ClearCoveredTables(true);
        benchmark::DoNotOptimize(r.RestoreFile(true));
    }
    state.counters["records/s"] = benchmark::Counter(Records * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_SqliteDump)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ClearAndRestore)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
