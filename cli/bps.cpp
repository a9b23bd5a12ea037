#include "cli/bps.h"

#include <zlib.h>

#include <optional>

namespace {

enum Action { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };
constexpr int FooterSize = 12;
// Far beyond any image: a patch that names a larger result is refused, not allocated.
constexpr quint64 MaxTargetSize = 256 * 1024 * 1024;
// Equal runs shorter than this cost more as their own action than as carried bytes.
constexpr qint64 MinSourceRun = 4;

void putNumber(QByteArray* out, quint64 value) {
    for (;;) {
        const quint8 low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out->append(char(0x80 | low));
            return;
        }
        out->append(char(low));
        --value;
    }
}

void putCrc(QByteArray* out, quint32 crc) {
    for (int shift = 0; shift < 32; shift += 8)
        out->append(char((crc >> shift) & 0xFF));
}

quint32 crcAt(const QByteArray& bytes, qint64 at) {
    quint32 value = 0;
    for (int k = 3; k >= 0; --k)
        value = value << 8 | quint8(bytes[at + k]);
    return value;
}

// Reads the patch's numbers and bytes, never past `end` (the start of the footer).
class BpsReader {
public:
    BpsReader(const QByteArray& patch, qint64 end) : m_patch(patch), m_end(end) {}

    bool atEnd() const { return m_at >= m_end; }

    std::optional<quint64> number() {
        quint64 value = 0, shift = 1;
        for (;;) {
            if (atEnd() || shift > (quint64(1) << 56))
                return std::nullopt;
            const quint8 byte = quint8(m_patch[m_at++]);
            value += (byte & 0x7F) * shift;
            if (byte & 0x80)
                return value;
            shift <<= 7;
            value += shift;
        }
    }

    std::optional<QByteArray> bytes(quint64 count) {
        if (count > quint64(m_end - m_at))
            return std::nullopt;
        const QByteArray taken = m_patch.mid(m_at, qsizetype(count));
        m_at += qint64(count);
        return taken;
    }

private:
    const QByteArray& m_patch;
    qint64 m_end;
    qint64 m_at = 4;
};

} // namespace

quint32 Crc32(const QByteArray& bytes) {
    return quint32(crc32_z(crc32_z(0L, Z_NULL, 0),
                           reinterpret_cast<const Bytef*>(bytes.constData()),
                           size_t(bytes.size())));
}

QByteArray MakeBps(const QByteArray& source, const QByteArray& target) {
    QByteArray patch = "BPS1";
    putNumber(&patch, quint64(source.size()));
    putNumber(&patch, quint64(target.size()));
    putNumber(&patch, 0); // no metadata
    const auto same = [&](qint64 i) { return i < source.size() && source[i] == target[i]; };
    const auto action = [&](Action kind, qint64 length) {
        putNumber(&patch, quint64(length - 1) << 2 | kind);
    };
    qint64 at = 0;
    while (at < target.size()) {
        qint64 run = 0;
        while (at + run < target.size() && same(at + run))
            ++run;
        if (run >= MinSourceRun || (run > 0 && at + run == target.size())) {
            action(SourceRead, run);
            at += run;
            continue;
        }
        // Carried bytes up to the next equal run worth its own action.
        qint64 end = at + std::max<qint64>(run, 1);
        while (end < target.size()) {
            qint64 equal = 0;
            while (end + equal < target.size() && equal < MinSourceRun && same(end + equal))
                ++equal;
            if (equal >= MinSourceRun || (equal > 0 && end + equal == target.size()))
                break;
            end += std::max<qint64>(equal, 1);
        }
        action(TargetRead, end - at);
        patch += target.mid(at, end - at);
        at = end;
    }
    putCrc(&patch, Crc32(source));
    putCrc(&patch, Crc32(target));
    putCrc(&patch, Crc32(patch));
    return patch;
}

Result<QByteArray> ApplyBps(const QByteArray& patch, const QByteArray& source) {
    if (!patch.startsWith("BPS1"))
        return Outcome{.fault = PatchFault::NotBps};
    const qint64 end = patch.size() - FooterSize;
    if (end < 4 || Crc32(patch.left(patch.size() - 4)) != crcAt(patch, patch.size() - 4))
        return Outcome{.fault = PatchFault::BpsChecksum};
    BpsReader in(patch, end);
    const auto sourceSize = in.number();
    const auto targetSize = in.number();
    const auto metadataSize = in.number();
    if (!sourceSize || !targetSize || !metadataSize || !in.bytes(*metadataSize))
        return Outcome{.fault = PatchFault::BpsHeader};
    if (*targetSize > MaxTargetSize)
        return Outcome{.fault = PatchFault::BpsTooLarge,
                       .expected = qint64(*targetSize),
                       .limit = qint64(MaxTargetSize)};
    if (*sourceSize != quint64(source.size()) || crcAt(patch, end) != Crc32(source))
        return Outcome{.fault = PatchFault::BpsOtherSource,
                       .otherLength = source.size(),
                       .expected = qint64(*sourceSize),
                       .checksum = Crc32(source),
                       .expectedChecksum = crcAt(patch, end)};

    QByteArray out(qsizetype(*targetSize), '\0');
    qint64 at = 0, sourceFrom = 0, targetFrom = 0;
    const auto outside = [&] {
        return Outcome{.fault = PatchFault::BpsActionOutside, .built = at};
    };
    while (!in.atEnd()) {
        const auto command = in.number();
        if (!command || (*command >> 2) >= quint64(out.size() - at))
            return outside();
        const qint64 length = qint64(*command >> 2) + 1;
        const int kind = int(*command & 3);
        if (kind == SourceCopy || kind == TargetCopy) {
            const auto relative = in.number();
            if (!relative || (*relative >> 1) > quint64(0x7FFFFFFF))
                return outside();
            const qint64 step = qint64(*relative >> 1) * ((*relative & 1) ? -1 : 1);
            qint64& from = kind == SourceCopy ? sourceFrom : targetFrom;
            from += step;
            // A target copy may overlap what it writes, byte by byte, but never read ahead.
            const bool inside = kind == SourceCopy ? from >= 0 && from + length <= source.size()
                                                   : from >= 0 && from < at;
            if (!inside)
                return outside();
            const QByteArray& bytes = kind == SourceCopy ? source : out;
            for (qint64 k = 0; k < length; ++k)
                out[at++] = bytes[from++];
        } else if (kind == SourceRead) {
            if (at + length > source.size())
                return outside();
            std::copy_n(source.constData() + at, length, out.data() + at);
            at += length;
        } else {
            const auto carried = in.bytes(quint64(length));
            if (!carried)
                return outside();
            std::copy_n(carried->constData(), length, out.data() + at);
            at += length;
        }
    }
    if (at != out.size())
        return Outcome{.fault = PatchFault::BpsActionsShort, .expected = out.size(), .built = at};
    if (Crc32(out) != crcAt(patch, end + 4))
        return Outcome{.fault = PatchFault::BpsTargetChecksum};
    return out;
}
