// The table decodes through the image primitives, against the same decodes with one positioned
// read per byte, in the same process so that the summary can give their ratio.
#include "perbytedecode.h"
#include "session.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/romimage.h"

#include <benchmark/benchmark.h>

namespace {

// The image as the editor opens it, counting the system reads behind its page cache.
class CountingImage : public RomImage {
public:
    using RomImage::RomImage;
    qint64 reads = 0;

protected:
    IoResult readRaw(qint64 pos, char* out, qint64 len) override {
        ++reads;
        return RomImage::readRaw(pos, out, len);
    }
};

std::unique_ptr<CountingImage> openCounting(const QString& path) {
    const auto file = OpenImageFile(path);
    if (!file)
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(ReasonText(file.failure())));
    return std::make_unique<CountingImage>(path, *file);
}

template <class Decode, class Baseline>
void checkAgreement(benchmark::State& state, Decode decode, Baseline baseline) {
    const QString& path = BenchSession::get().usualPath();
    auto image = openCounting(path);
    PerByteFile file(path);
    if (!SameTable(decode(*image), baseline(file)))
        state.SkipWithError("the per-byte baseline decodes the table differently");
}

template <class Decode, class Baseline>
void measureDecode(benchmark::State& state, Decode decode, Baseline baseline) {
    checkAgreement(state, decode, baseline);
    auto image = openCounting(BenchSession::get().usualPath());
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(*image));
    state.counters["reads"] =
        double(image->reads) / double(std::max<qint64>(1, state.iterations()));
}

template <class Decode, class Baseline>
void measureBaseline(benchmark::State& state, Decode decode, Baseline baseline) {
    checkAgreement(state, decode, baseline);
    PerByteFile file(BenchSession::get().usualPath());
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline(file));
    state.counters["reads"] =
        double(file.reads()) / double(std::max<qint64>(1, state.iterations()));
}

auto decodeItems = [](RomImage& image) { return DecodeItemTable(image); };
auto baselineItems = [](PerByteFile& file) { return PerByteItemTable(file); };
auto decodeEnemies = [](RomImage& image) { return DecodeEnemyTable(image); };
auto baselineEnemies = [](PerByteFile& file) { return PerByteEnemyTable(file); };

void DecodeItems(benchmark::State& state) {
    measureDecode(state, decodeItems, baselineItems);
}
void DecodeItemsPerByte(benchmark::State& state) {
    measureBaseline(state, decodeItems, baselineItems);
}
void DecodeEnemies(benchmark::State& state) {
    measureDecode(state, decodeEnemies, baselineEnemies);
}
void DecodeEnemiesPerByte(benchmark::State& state) {
    measureBaseline(state, decodeEnemies, baselineEnemies);
}

} // namespace

BENCHMARK(DecodeItems)->Name("decode/items")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(DecodeItemsPerByte)
    ->Name("decode/items/per_byte")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(DecodeEnemies)->Name("decode/enemies")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(DecodeEnemiesPerByte)
    ->Name("decode/enemies/per_byte")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
