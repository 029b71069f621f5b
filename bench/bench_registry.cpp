// Registry writes and reads through the REG text forms, each write one committed
// transaction in the WAL database the program uses. For comparison, the same
// single-row committed writes with SQLite's default rollback journal
// (synchronous=FULL), which the store does not use. Rates are per second of wall
// time: what the board waits for.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "exec/registry.h"
#include "platform/sqlite_registry_store.h"

namespace {

const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");
const QString kKey = QStringLiteral("Software\\Orvel\\Bench");

void BM_RegistryWrite(benchmark::State& state)
{
    QTemporaryDir folder;
    orvel::SqliteRegistryStore store(orvel::SqliteRegistryStore::default_file(folder.path()), nullptr);
    store.create_key(kRoot, kKey);
    int64_t n = 0;
    for (auto _ : state) {
        const bool written = orvel::reg_write(&store, kRoot, kKey, QStringLiteral("Valor%1").arg(n % 64),
                                              QStringLiteral("text %1").arg(n));
        if (!written)
            state.SkipWithError("write refused");
        ++n;
    }
    state.counters["writes_per_s"] = benchmark::Counter(double(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RegistryWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_RegistryWriteDword(benchmark::State& state)
{
    QTemporaryDir folder;
    orvel::SqliteRegistryStore store(orvel::SqliteRegistryStore::default_file(folder.path()), nullptr);
    store.create_key(kRoot, kKey);
    int64_t n = 0;
    for (auto _ : state) {
        if (!orvel::reg_write(&store, kRoot, kKey, QStringLiteral("Numero"),
                              QStringLiteral("DWORD:%1").arg(uint(n), 8, 16, QLatin1Char('0'))))
            state.SkipWithError("write refused");
        ++n;
    }
    state.counters["writes_per_s"] = benchmark::Counter(double(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RegistryWriteDword)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_RegistryRead(benchmark::State& state)
{
    QTemporaryDir folder;
    orvel::SqliteRegistryStore store(orvel::SqliteRegistryStore::default_file(folder.path()), nullptr);
    store.create_key(kRoot, kKey);
    for (int i = 0; i < 64; ++i)
        orvel::reg_write(&store, kRoot, kKey, QStringLiteral("Valor%1").arg(i), QStringLiteral("text %1").arg(i));
    int64_t n = 0;
    for (auto _ : state) {
        const QString text = orvel::reg_read(&store, kRoot, kKey, QStringLiteral("valor%1").arg(n % 64));
        if (text.isEmpty())
            state.SkipWithError("value missing");
        benchmark::DoNotOptimize(text);
        ++n;
    }
    state.counters["reads_per_s"] = benchmark::Counter(double(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RegistryRead)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Comparison: one committed single-row upsert per write with the default journal.
void BM_SqliteDefaultJournalWrite(benchmark::State& state)
{
    QTemporaryDir folder;
    sqlite3* db = nullptr;
    sqlite3_open(folder.filePath(QStringLiteral("default.sqlite")).toUtf8().constData(), &db);
    sqlite3_exec(db, "CREATE TABLE v(name TEXT PRIMARY KEY, data BLOB)", nullptr, nullptr, nullptr);
    sqlite3_stmt* write = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO v VALUES (?1, ?2) ON CONFLICT(name) DO UPDATE SET data = excluded.data", -1,
                       &write, nullptr);
    int64_t n = 0;
    for (auto _ : state) {
        const QByteArray name = QByteArray("Valor") + QByteArray::number(n % 64);
        const QByteArray data = QByteArray("text ") + QByteArray::number(n);
        sqlite3_bind_text(write, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(write, 2, data.constData(), int(data.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(write) != SQLITE_DONE)
            state.SkipWithError("write failed");
        sqlite3_reset(write);
        ++n;
    }
    sqlite3_finalize(write);
    sqlite3_close(db);
    state.counters["writes_per_s"] = benchmark::Counter(double(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SqliteDefaultJournalWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
