// What the history costs: opening an image whose history holds many records, against the same
// image without one, listing every record, reading a history made to be slow to read, and what
// changed against the original; and a merge of two lines of work.
#include "session.h"

#include "cli/commands.h"
#include "enemies/enemyrecord.h"
#include "historywindow/frmhistory.h"
#include "main/frmmain.h"
#include "rom/historyformat.h"
#include "rom/modstuff.h"

#include <QCoreApplication>
#include <QtEndian>
#include <QTextStream>
#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <zlib.h>

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

// `count` saves that each flip bit 8 of an enemy's hp, laid into `image` as they go: the image
// then holds what its history says, and every enemy has been saved many times.
QByteArray historyLaidInto(QByteArray& image, int count) {
    QByteArray history = HistoryHeader();
    for (int n = 1; n <= count; ++n) {
        const qint64 at = EnemyEntryOffset(n % EnemyFormat.count);
        HistoryRange range{at, image.mid(at, EnemyFormat.size), image.mid(at, EnemyFormat.size)};
        range.after[4] = char(range.after[4] ^ 1);
        image.replace(at, EnemyFormat.size, range.after);
        history += EncodeRecord(
            {.number = quint32(n), .time = 1765267200000 + qint64(n) * 60000, .ranges = {range}});
        history += EncodeMark(quint32(n), HistoryState::Done);
    }
    return history;
}

void putU32(QByteArray& bytes, qint64 at, quint32 v) {
    qToLittleEndian(v, bytes.data() + at);
}

// Frames nested around one another in the `length` bytes from `at`: their starts fill the first
// quarter, 64 bytes apart, and their ends the last. Each is whole but for its ranges: the first
// leads into the zeros of the middle, which chain on as empty ranges past its end. Reading meets
// one long frame after another whose checksum holds, each walking the same zeros.
void putNestedFrames(QByteArray& history, qint64 at, qint64 length) {
    constexpr qint64 Slot = 64;
    const qint64 count = length / (4 * Slot), middle = at + length / 2;
    for (qint64 k = 0; k < count; ++k) {
        const qint64 from = at + k * Slot, to = at + length - k * Slot;
        history.replace(from, 4, "TVHE");
        putU32(history, from + 4, quint32(to - from));
        history[from + 8] = 'T';
        history[from + 25] = char(MadeBy::Editor);
        putU32(history, from + 30, 0xffffffff); // ranges
        putU32(history, from + 38, quint32((middle - (from + 34) - 8) / 2));
        putU32(history, to - 4, quint32(to - from));
    }
    for (qint64 k = count; k-- > 0;) {
        const qint64 from = at + k * Slot, to = at + length - k * Slot;
        const auto* data = reinterpret_cast<const Bytef*>(history.constData() + from);
        putU32(history, to - 8, quint32(crc32_z(0, data, size_t(to - 8 - from))));
    }
}

// A history made to be slow to read, 2 MiB: records, then marks of a record that is not there
// and one of the last record; then nested frames (above); then a frame every 16 bytes whose sizes
// at both ends claim half of what is left, which ends the file damaged, so that it is read whole.
QByteArray craftedHistory() {
    constexpr qint64 Size = 2 << 20, RecordsEnd = 96 << 10, MarksEnd = 256 << 10;
    constexpr qint64 Nested = 1 << 20;
    QByteArray history = HistoryHeader();
    quint32 last = 0;
    while (history.size() < RecordsEnd)
        history += EncodeRecord({.number = ++last, .time = 1765267200000, .ranges = {}});
    while (history.size() < MarksEnd)
        history += EncodeMark(0, HistoryState::Done);
    history += EncodeMark(last, HistoryState::Done);
    const qint64 nestedAt = history.size();
    history.append(Nested, '\0');
    putNestedFrames(history, nestedAt, Nested);
    const qint64 claimed = (Size - history.size()) / 2 / 16 * 16;
    QByteArray frame("TVHE\0\0\0\0T\1\0\0\0\0\0\0", 16);
    putU32(frame, 4, quint32(claimed));
    putU32(frame, 12, quint32(claimed));
    while (history.size() + 16 <= Size)
        history += frame;
    return history;
}

// The usual image three times: alone, with a history of `Records` saves beside it, and with
// craftedHistory(). The saves record changes that the image does not hold, as undone saves would
// leave it; listing does not mind, and opening reads only its end.
struct Images {
    QString plain;
    QString kept;
    QString crafted;      // beside craftedHistory()
    QString changed;      // beside historyLaidInto()
    QString ours, theirs; // the usual image with other fields changed in each
};

const Images& images() {
    static const Images made = [] {
        const BenchFolder& folder = BenchSession::get().folder();
        const QByteArray image = UsualImageBytes();
        Images i;
        i.plain = folder.write(QStringLiteral("plain.nes"), image);
        i.kept = folder.write(QStringLiteral("kept.nes"), image);
        i.crafted = folder.write(QStringLiteral("crafted.nes"), image);
        folder.write(QStringLiteral("kept.nes.history"), historyOf(image, Records));
        folder.write(QStringLiteral("crafted.nes.history"), craftedHistory());
        QByteArray changed = image;
        const QByteArray laid = historyLaidInto(changed, Records);
        i.changed = folder.write(QStringLiteral("changed.nes"), changed);
        folder.write(QStringLiteral("changed.nes.history"), laid);
        QByteArray ours = image, theirs = image;
        for (int n = 0; n < EnemyFormat.count; n += 2) {
            ours[EnemyEntryOffset(n) + 0x0B] = char(ours[EnemyEntryOffset(n) + 0x0B] ^ 1);
            theirs[EnemyEntryOffset(n + 1) + 0x0C] =
                char(theirs[EnemyEntryOffset(n + 1) + 0x0C] ^ 1);
        }
        i.ours = folder.write(QStringLiteral("ours.nes"), ours);
        i.theirs = folder.write(QStringLiteral("theirs.nes"), theirs);
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

// info reads the end of the history, and since that is damaged, the whole of it.
void InfoOfCraftedHistory(benchmark::State& state) {
    const QString path = images().crafted;
    for (auto _ : state) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        Io io{outStream, errStream};
        if (RunCli({QStringLiteral("tolvane-cli"), QStringLiteral("info"), path}, io) != 0)
            state.SkipWithError("info failed");
        errStream.flush();
        if (!err.isEmpty())
            state.SkipWithError("info warned of the history");
    }
}

int runCli(const QStringList& arguments, QString* out) {
    QString err;
    QTextStream outStream(out), errStream(&err);
    Io io{outStream, errStream};
    const int code = RunCli(QStringList{QStringLiteral("tolvane-cli")} + arguments, io);
    outStream.flush();
    return code;
}

// Every enemy saved about 80 times: the original is read from the whole history, and each change
// names the saves that made it.
void ChangesOfHistory(benchmark::State& state) {
    for (auto _ : state) {
        QString out;
        if (runCli({QStringLiteral("changes"), images().changed}, &out) != 0)
            state.SkipWithError("changes failed");
        if (out.count(QLatin1Char('\n')) < EnemyFormat.count / 2)
            state.SkipWithError("changes listed too few entries");
    }
}

// Fields of every enemy changed on one side or the other, written to a new file on disk.
void MergeLines(benchmark::State& state) {
    const Images& i = images();
    const QString out = BenchSession::get().folder().write(QStringLiteral("merged.nes"), {});
    for (auto _ : state) {
        QString printed;
        if (runCli({QStringLiteral("merge"), i.plain, i.ours, i.theirs, QStringLiteral("-o"), out},
                   &printed) != 0)
            state.SkipWithError("merge failed");
    }
}

// The save history window opened on an image whose history holds `Records` saves: the history read
// whole, every save worded, the list filled and shown, as the button opens it.
void HistoryWindow(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(images().kept);
    for (auto _ : state) {
        frmHistory window(*modStuff::RomFile, QString(), &session.mainWindow());
        window.show();
        QCoreApplication::processEvents();
        if (window.findChild<QTreeWidget*>(QStringLiteral("lstSaves"))->topLevelItemCount() !=
            Records)
            state.SkipWithError("the window listed another number of saves");
    }
    session.failIfMessages(state);
}

} // namespace

BENCHMARK(HistoryWindow)
    ->Name("history/window_10000")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ChangesOfHistory)
    ->Name("changes/history_10000")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(MergeLines)->Name("merge/usual")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(OpenImage, plain, false)
    ->Name("open/no_history")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(OpenImage, kept, true)
    ->Name("open/history_10000")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ListHistory)->Name("history/10000_records")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(InfoOfCraftedHistory)
    ->Name("history/crafted_2MiB")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
