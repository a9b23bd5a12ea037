#include "tables/original.h"

bool RangeInside(const HistoryRange& range, qint64 imageSize) {
    return range.offset >= 0 && range.before.size() <= imageSize - range.offset;
}

void OriginalBytes::follow(const std::vector<HistoryRecord>& records, qint64 imageSize,
                           size_t changedFrom) {
    // A byte comes from the earliest done record, so records after those taken only fill gaps.
    // One taken before that has another state now changes which is earliest: all are taken again.
    if (changedFrom < m_taken || imageSize != m_size) {
        *this = {};
        m_size = imageSize;
    }
    for (size_t n = m_taken; n < records.size(); ++n) {
        const HistoryRecord& r = records[n];
        if (r.state != HistoryState::Done)
            continue;
        for (const HistoryRange& range : r.ranges) {
            if (!RangeInside(range, imageSize)) {
                if (m_outside.empty() || m_outside.back() != r.number)
                    m_outside.push_back(r.number);
                continue;
            }
            const qint64 end = range.offset + range.before.size();
            if (qint64(m_bytes.size()) < end)
                m_bytes.resize(size_t(end), -1);
            for (qint64 k = 0; k < range.before.size(); ++k) {
                qint16& slot = m_bytes[size_t(range.offset + k)];
                if (slot < 0) {
                    slot = qint16(quint8(range.before[k]));
                    ++m_known;
                }
            }
        }
    }
    m_taken = records.size();
}
