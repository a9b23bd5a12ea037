// The numeric entry rule over 10,000 texts of the kinds people type into a numeric field: plain
// numbers, numbers past the range, signs, fractions, exponents, "&H" and "&O" constants, blanks
// and stray letters.
#include "fields/entryrule.h"

#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int TextCount = 10000;
// The upper bounds of the editors' numeric fields.
constexpr double Uppers[] = {255, 1023, 65535};

QList<QString> makeTexts() {
    // A fixed seed: every run measures the same texts.
    std::mt19937 random(20240611);
    const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    static const char* const prefixes[] = {"", "", "", "", "-", "+", " ", "&H", "&h", "&O"};
    static const char* const tails[] = {"", "", "", "", ".5", "E3", "e-2", "&", "x", " 1", "%"};
    QList<QString> texts;
    texts.reserve(TextCount);
    for (int k = 0; k < TextCount; ++k) {
        QString text = QLatin1String(prefixes[pick(int(std::size(prefixes)))]);
        const bool hex = text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive);
        const int digits = pick(8);
        for (int d = 0; d < digits; ++d)
            text += QLatin1Char(hex && pick(3) == 0 ? "ABCDEF"[pick(6)] : char('0' + pick(10)));
        text += QLatin1String(tails[pick(int(std::size(tails)))]);
        texts << text;
    }
    return texts;
}

void EntryRule(benchmark::State& state) {
    const QList<QString> texts = makeTexts();
    for (auto _ : state) {
        for (int k = 0; k < TextCount; ++k)
            benchmark::DoNotOptimize(EntryRuleSettle(texts[k], Uppers[k % 3]));
    }
    state.SetItemsProcessed(state.iterations() * TextCount);
}

} // namespace

BENCHMARK(EntryRule)->Name("entry_rule/10000_texts")->Unit(benchmark::kMillisecond)->UseRealTime();
