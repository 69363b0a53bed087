// Data Master on a 50,000-record table beside a raw prepared SQLite lookup on the same
// file, and the start-up sequence on a data set of 100,000 records.
#include "core/datamaster.h"
#include "core/installation.h"
#include "core/installpaths.h"
#include "core/program.h"
#include "core/tablelayouts.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/keyedtable.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int Records = 50000;

QString keyOf(int i)
{
    return QStringLiteral("LS121026") + QString::number(i).rightJustified(6, QLatin1Char('0'));
}

struct Fixture
{
    QTemporaryDir dir;
    QString path;
    core::DataMaster dm;

    Fixture()
    {
        path = dir.path() + QStringLiteral("/Scor1.db");
        platform::KeyedTable::createFile(path, QStringLiteral("Scor"), core::layoutFields(core::Scor));
        // Fill through SQL in one transaction: the set-up is not what is measured.
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Scor (ScoreKey, ClassNumber, Score) VALUES (?1, '01', ?2)", -1, &ins, nullptr);
        for (int i = 0; i < Records; ++i) {
            const QByteArray k = keyOf(i).toUtf8();
            const QByteArray v = QByteArray::number(i % 50);
            sqlite3_bind_text(ins, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(ins, 2, v.constData(), int(v.size()), SQLITE_TRANSIENT);
            sqlite3_step(ins);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        // The raw reference reads its own copy: the Data Master holds its file exclusively.
        QFile::copy(path, rawPath());
        dm.OpenTableFile(core::Scor, path);
    }
    QString rawPath() const { return dir.path() + QStringLiteral("/raw.db"); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_RawSqliteLookup(benchmark::State& state)
{
    Fixture& f = fixture();
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(f.rawPath()).constData(), &db);
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Scor WHERE ScoreKey = ?1", -1, &q, nullptr);
    int i = 0;
    for (auto _ : state) {
        const QByteArray k = keyOf((i++ * 7919) % Records).toUtf8();
        sqlite3_bind_text(q, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
        sqlite3_step(q);
        const auto* text = sqlite3_column_text(q, 5);
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(text)));
        sqlite3_reset(q);
    }
    sqlite3_finalize(q);
    sqlite3_close(db);
}
BENCHMARK(BM_RawSqliteLookup);

void BM_FindRecordReadField(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        f.dm.FindRecord(core::Scor, keyOf((i++ * 7919) % Records));
        benchmark::DoNotOptimize(f.dm.ReadField(core::Scor, 5));
    }
}
BENCHMARK(BM_FindRecordReadField);

void BM_WriteField(benchmark::State& state)
{
    Fixture& f = fixture();
    f.dm.FindRecord(core::Scor, keyOf(12345));
    int i = 0;
    for (auto _ : state)
        f.dm.WriteField(core::Scor, 4, QString::number(i++ % 24));
}
BENCHMARK(BM_WriteField);

void BM_FullScan(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        int n = 0;
        f.dm.BeginScan(core::Scor);
        while (f.dm.GetNextRec(core::Scor))
            ++n;
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * Records);
}
BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);

void BM_FindPrefixWalk100(benchmark::State& state)
{
    Fixture& f = fixture();
    int block = 0;
    for (auto _ : state) {
        const QString prefix = keyOf((block++ % 400) * 100).left(12);
        int n = 0;
        for (bool ok = f.dm.FindPrefix(core::Scor, prefix, 12, true); ok; ok = f.dm.FindPrefix(core::Scor, prefix, 12, false))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_FindPrefixWalk100);

// Start-up to a ready Data Master with 100,000 records across the tables in Saves.
void BM_StartupSequence(benchmark::State& state)
{
    QTemporaryDir drives;
    platform::Drives::setRoot(drives.path());
    platform::ScriptedDialogs dialogs;
    QDir().mkpath(platform::Drives::hostFolder(QLatin1Char('c')));
    core::CreateInstallation(QStringLiteral("C:"));
    const core::InstallPaths paths = *core::FindBaseFolder();
    {
        core::Program p(paths);
        p.RunStartupSequence();
        p.ExitProgram();
    }
    // Fill the Saves copies straight through SQL.
    const int tables[] = {core::Team, core::Scor, core::Calc, core::Smid, core::Ques};
    for (int t : tables) {
        const QString file = platform::Drives::resolve(paths.savesFolder() + core::slotFileName(t));
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* ins = nullptr;
        const QByteArray sql = "INSERT INTO \"" + core::slotBaseName(t).toUtf8() + "\" (\"" +
                               core::layoutFields(t).first().toUtf8() + "\", \"" + core::layoutFields(t).at(1).toUtf8() +
                               "\") VALUES (?1, 'some text of a field')";
        sqlite3_prepare_v2(db, sql.constData(), -1, &ins, nullptr);
        for (int i = 0; i < 20000; ++i) {
            const QByteArray k = keyOf(i).toUtf8();
            sqlite3_bind_text(ins, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
            sqlite3_step(ins);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    for (auto _ : state) {
        core::Program p(paths);
        p.RunStartupSequence();
        benchmark::DoNotOptimize(p.data().RecordCount(core::Team));
        state.PauseTiming();
        p.data().CloseAllTables();
        state.ResumeTiming();
    }
    platform::Drives::setRoot(QString());
}
BENCHMARK(BM_StartupSequence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
