#include "cli/ips.h"

#include <algorithm>

namespace {

constexpr qint64 MaxOffset = 0xFFFFFF;
constexpr qint64 MaxSize = 0xFFFF;
// A run of one byte at least this long is cheaper as a run record than as plain data.
constexpr qint64 MinRun = 9;

void putBigEndian(QByteArray* out, qint64 value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        out->append(char((value >> shift) & 0xFF));
}

class IpsWriter {
public:
    explicit IpsWriter(const QByteArray& target) : m_target(target) { m_patch = "PATCH"; }

    // The target's bytes [from, to) as data and run records.
    void changed(qint64 from, qint64 to) {
        qint64 at = from;
        while (at < to) {
            qint64 run = 1;
            while (at + run < to && run < MaxSize && m_target[at + run] == m_target[at])
                ++run;
            if (run >= MinRun) {
                repeat(at, run);
                at += run;
                continue;
            }
            // Plain data up to the next long run, at most MaxSize bytes.
            qint64 end = at;
            while (end < to && end - at < MaxSize) {
                qint64 same = 1;
                while (end + same < to && same < MinRun && m_target[end + same] == m_target[end])
                    ++same;
                if (same >= MinRun)
                    break;
                end += same;
            }
            end = std::min(end, at + MaxSize);
            data(at, end - at);
            at = end;
        }
    }

    QByteArray finish(qint64 sourceSize) {
        m_patch += "EOF";
        if (m_target.size() < sourceSize)
            putBigEndian(&m_patch, m_target.size(), 3);
        return m_patch;
    }

private:
    void data(qint64 at, qint64 size) {
        if (at == IpsEofOffset) {
            // Start one byte earlier; that byte is written with the value the target holds.
            --at;
            ++size;
            if (size > MaxSize) {
                data(at, MaxSize);
                data(at + MaxSize, size - MaxSize);
                return;
            }
        }
        putBigEndian(&m_patch, at, 3);
        putBigEndian(&m_patch, size, 2);
        m_patch += m_target.mid(at, size);
    }

    void repeat(qint64 at, qint64 size) {
        if (at == IpsEofOffset) {
            data(at, 1); // written from one byte earlier
            ++at;
            if (--size == 0)
                return;
        }
        putBigEndian(&m_patch, at, 3);
        putBigEndian(&m_patch, 0, 2);
        putBigEndian(&m_patch, size, 2);
        m_patch += m_target[at];
    }

    const QByteArray& m_target;
    QByteArray m_patch;
};

qint64 bigEndian(const QByteArray& bytes, qint64 at, int width) {
    qint64 value = 0;
    for (int k = 0; k < width; ++k)
        value = value << 8 | quint8(bytes[at + k]);
    return value;
}

} // namespace

Result<QByteArray> MakeIps(const QByteArray& source, const QByteArray& target) {
    if (target.size() > MaxOffset + 1)
        return Outcome{.fault = PatchFault::IpsTooLong};
    // The length a patch cuts to has 3 bytes too: 16 MiB would be written as 0.
    if (target.size() < source.size() && target.size() > MaxOffset)
        return Outcome{.fault = PatchFault::IpsCannotCut};
    IpsWriter writer(target);
    qint64 at = 0;
    while (at < target.size()) {
        const auto differs = [&](qint64 i) { return i >= source.size() || source[i] != target[i]; };
        if (!differs(at)) {
            ++at;
            continue;
        }
        qint64 end = at;
        while (end < target.size() && differs(end))
            ++end;
        writer.changed(at, end);
        at = end;
    }
    return writer.finish(source.size());
}

Result<QByteArray> ApplyIps(const QByteArray& patch, const QByteArray& source) {
    if (!patch.startsWith("PATCH"))
        return Outcome{.fault = PatchFault::NotIps};
    QByteArray out = source;
    qint64 at = 5;
    const auto truncated = [&](Fault where) {
        return Outcome{.fault = where, .offset = at, .length = patch.size()};
    };
    for (;;) {
        if (at + 3 > patch.size())
            return truncated(PatchFault::IpsCutBeforeEnd);
        if (patch.mid(at, 3) == "EOF")
            break;
        if (at + 5 > patch.size())
            return truncated(PatchFault::IpsCutInHeader);
        const qint64 offset = bigEndian(patch, at, 3);
        const qint64 size = bigEndian(patch, at + 3, 2);
        at += 5;
        if (size > 0) {
            if (at + size > patch.size())
                return truncated(PatchFault::IpsCutInData);
            if (offset + size > out.size())
                out.resize(offset + size, '\0');
            std::copy_n(patch.constData() + at, size, out.data() + offset);
            at += size;
            continue;
        }
        if (at + 3 > patch.size())
            return truncated(PatchFault::IpsCutInRun);
        const qint64 run = bigEndian(patch, at, 2);
        const char value = patch[at + 2];
        at += 3;
        if (offset + run > out.size())
            out.resize(offset + run, '\0');
        std::fill_n(out.data() + offset, run, value);
    }
    at += 3;
    if (patch.size() == at + 3) {
        out.resize(std::min<qint64>(out.size(), bigEndian(patch, at, 3)));
    } else if (patch.size() != at) {
        return Outcome{.fault = PatchFault::IpsTrailingBytes, .count = patch.size() - at};
    }
    return out;
}
