// The history reader over arbitrary bytes behind a valid header: it never fails, accounts for
// every byte it skips, and each record it reads is one the writer can write again.
#include "rom/historyformat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        HistoryHeader() + QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    const HistoryLog log = ParseHistory(bytes);
    if (log.foreign || log.version != HistoryVersion || log.damaged > qint64(size))
        std::abort();
    for (const HistoryRecord& r : log.records) {
        if (r.number > log.lastNumber)
            std::abort();
        const auto again = DecodeEntry(EncodeRecord(r));
        if (!again || again->mark || again->record.number != r.number ||
            again->record.ranges.size() != r.ranges.size())
            std::abort();
        for (size_t k = 0; k < r.ranges.size(); ++k)
            if (r.ranges[k].before.size() != r.ranges[k].after.size() ||
                again->record.ranges[k].after != r.ranges[k].after)
                std::abort();
    }
    return 0;
}
