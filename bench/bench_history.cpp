// What the history costs: opening an image whose history holds many records, against the same
// image without one, and listing every record.
#include "session.h"

#include "cli/commands.h"
#include "enemies/enemyrecord.h"
#include "rom/historyformat.h"

#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

constexpr int Records = 10000;

// `count` saves of enemies, one entry each, every one marked done: what years of editing leave.
QByteArray historyOf(const QByteArray& image, int count) {
    QByteArray history = HistoryHeader();
    for (int n = 1; n <= count; ++n) {
        const qint64 at = EnemyEntryOffset(n % EnemyFormat.count);
        HistoryRange range{at, image.mid(at, EnemyFormat.size), image.mid(at, EnemyFormat.size)};
        range.after[4] = char(range.after[4] ^ 1);
        history += EncodeRecord(
            {.number = quint32(n), .time = 1765267200000 + qint64(n) * 60000, .ranges = {range}});
        history += EncodeMark(quint32(n), HistoryState::Done);
    }
    return history;
}

// The usual image twice: alone, and with a history of `Records` saves beside it. The history
// records changes that the image does not hold, as undone saves would leave it; listing does not
// mind, and opening reads only its end.
struct Images {
    QString plain;
    QString kept;
};

const Images& images() {
    static const Images made = [] {
        const BenchFolder& folder = BenchSession::get().folder();
        const QByteArray image = UsualImageBytes();
        Images i{folder.write(QStringLiteral("plain.nes"), image),
                 folder.write(QStringLiteral("kept.nes"), image)};
        folder.write(QStringLiteral("kept.nes.history"), historyOf(image, Records));
        return i;
    }();
    return made;
}

void OpenImage(benchmark::State& state, bool withHistory) {
    BenchSession& session = BenchSession::get();
    const QString path = withHistory ? images().kept : images().plain;
    for (auto _ : state)
        session.open(path);
    session.failIfMessages(state);
}

void ListHistory(benchmark::State& state) {
    const QString path = images().kept;
    for (auto _ : state) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        Io io{outStream, errStream};
        if (RunCli({QStringLiteral("tolvane-cli"), QStringLiteral("history"), path}, io) != 0)
            state.SkipWithError("history failed");
        outStream.flush();
        if (out.count(QLatin1Char('\n')) != Records)
            state.SkipWithError("history listed another number of records");
    }
}

} // namespace

BENCHMARK_CAPTURE(OpenImage, plain, false)
    ->Name("open/no_history")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(OpenImage, kept, true)
    ->Name("open/history_10000")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ListHistory)->Name("history/10000_records")->Unit(benchmark::kMillisecond)->UseRealTime();
