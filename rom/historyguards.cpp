#include "rom/historyguards.h"

#include <QtEndian>

#include <limits>

quint32 HistoryCrc(const char* data, qint64 len) {
    return quint32(
        crc32_z(crc32_z(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data), size_t(len)));
}

qint64 RangeAfter(QByteArrayView bytes, qint64 at) {
    if (bytes.size() - at < 8)
        return -1;
    const qint64 to = at + 8 + 2 * qint64(qFromLittleEndian<quint32>(bytes.data() + at + 4));
    return to <= bytes.size() ? to : -1;
}

bool RangesFill(QByteArrayView bytes, qint64 at, qint64 end, quint32 count, qint64* walked) {
    for (quint32 k = 0; k < count; ++k) {
        ++*walked;
        at = RangeAfter(bytes, at);
        if (at < 0 || at > end)
            return false;
    }
    return at == end;
}

quint32 StretchCrc::of(qint64 from, qint64 to) {
    const qint64 first = (from + Step - 1) / Step, last = to / Step;
    if (last - first < 4 || m_summed < 2 * m_bytes.size()) {
        m_summed += to - from;
        return HistoryCrc(m_bytes.data() + from, to - from);
    }
    // Moving a checksum on over bytes is linear in it. With the head the bytes up to `first`
    // and the middle those on to `last`: crc(head, middle) = shift(crc(head)) ^ crc(middle),
    // and crc(middle) = running(last) ^ shift(running(first)), both shifts over the middle.
    const uLong head = HistoryCrc(m_bytes.data() + from, first * Step - from);
    const uLong middle =
        crc32_combine_op(head ^ runningAt(first), runningAt(last), shift(last - first));
    return quint32(crc32_z(middle, reinterpret_cast<const Bytef*>(m_bytes.data()) + last * Step,
                           size_t(to - last * Step)));
}

quint32 StretchCrc::runningAt(qint64 k) {
    if (m_running.empty())
        m_running.push_back(HistoryCrc(nullptr, 0));
    while (qint64(m_running.size()) <= k) {
        const qint64 at = qint64(m_running.size() - 1) * Step;
        m_running.push_back(quint32(
            crc32_z(m_running.back(), reinterpret_cast<const Bytef*>(m_bytes.data()) + at, Step)));
    }
    return m_running[k];
}

uLong StretchCrc::shift(qint64 k) {
    if (qint64(m_shifts.size()) <= k)
        m_shifts.resize(k + 1);
    if (!m_shifts[k]) // never one: x^n modulo the polynomial is not zero
        m_shifts[k] = crc32_combine_gen(z_off_t(k * Step));
    return m_shifts[k];
}

bool RangeChains::fill(qint64 from, qint64 end, quint32 count) {
    if (m_depth.empty() && m_walked > m_bytes.size() / 4 &&
        m_bytes.size() < std::numeric_limits<quint32>::max())
        index();
    if (m_depth.empty())
        return RangesFill(m_bytes, from, end, count, &m_walked);
    qint64 at = from;
    while (at < end) {
        const qint64 skip = m_skip[at];
        at = skip > at && skip <= end ? skip : RangeAfter(m_bytes, at);
        if (at < 0)
            return false;
    }
    return at == end && m_depth[from] - m_depth[end] == count;
}

void RangeChains::index() {
    const qint64 size = m_bytes.size();
    m_depth.assign(size + 1, 0);
    m_skip.resize(size + 1);
    for (qint64 at = size; at >= 0; --at) {
        const qint64 up = RangeAfter(m_bytes, at);
        if (up < 0) {
            m_skip[at] = quint32(at);
            continue;
        }
        const quint32 far = m_skip[up];
        m_depth[at] = m_depth[up] + 1;
        m_skip[at] = m_depth[up] - m_depth[far] == m_depth[far] - m_depth[m_skip[far]]
                         ? m_skip[far]
                         : quint32(up);
    }
}
