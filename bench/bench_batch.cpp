// Batches in Lua: tolvane-cli's edit over the whole enemy table inside the process, from its
// arguments to the synced record, and the table window's Where over 121 rows, as each key typed
// evaluates it again.
#include "session.h"

#include "batch/batchrun.h"
#include "cli/commands.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "tables/heldimage.h"

#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

void EditEnemyTable(benchmark::State& state) {
    // An image of its own: the editors hold the usual one open.
    const QString path =
        BenchSession::get().folder().write(QStringLiteral("batch.nes"), UsualImageBytes());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Io io{outStream, errStream};
    int round = 0;
    for (auto _ : state) {
        ++round;
        // Every entry's HP and experience change each time, so every run writes all 121.
        const QString set = QStringLiteral("hp = (hp + %1) % 1000; experience = hp // 4")
                                .arg(round % 2 == 0 ? 1 : 2);
        const int code = RunCli({QStringLiteral("tolvane-cli"), QStringLiteral("edit"), path,
                                 QStringLiteral("--table"), QStringLiteral("enemies"),
                                 QStringLiteral("--set"), set, QStringLiteral("--no-backup")},
                                io);
        if (code != 0) {
            errStream.flush();
            state.SkipWithError(qPrintable(err));
            break;
        }
        state.PauseTiming();
        out.clear();
        state.ResumeTiming();
    }
}

void WhereOverEnemies(benchmark::State& state) {
    const auto rom = ImageOfBytes(UsualImageBytes());
    const Tables tables{&ItemFormat, &EnemyFormat};
    const GridSnapshot snapshot = *ReadGridSnapshot(*rom, &EnemyFormat, tables);
    const GridEdits edits(snapshot);
    std::vector<int> rows(static_cast<size_t>(EnemyCount));
    for (int row = 0; row < EnemyCount; ++row)
        rows[size_t(row)] = row;
    size_t chosen = 0;
    for (auto _ : state) {
        const WhereRun run =
            RunWhere(edits, rows, QStringLiteral("hp > 500 and experience < 10000"));
        chosen = run.rows.size();
        benchmark::DoNotOptimize(chosen);
    }
    if (chosen == 0 || chosen == size_t(EnemyCount))
        state.SkipWithError("the Where chose no row, or every row");
}

} // namespace

BENCHMARK(EditEnemyTable)->Name("batch/edit_121")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WhereOverEnemies)->Name("batch/where_121")->Unit(benchmark::kMicrosecond)->UseRealTime();
