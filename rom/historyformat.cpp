#include "rom/historyformat.h"

#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <limits>
#include <unordered_map>

// Every entry is framed so that it can be found from either end and checked on its own:
//   "TVHE"  size:u32  kind:u8  payload  crc32:u32  size:u32
// `size` counts the whole entry; the checksum covers everything before it. All numbers are
// little-endian.

namespace {

constexpr char Magic[] = "TOLVHIST";
constexpr char EntryMagic[] = "TVHE";
constexpr int FrameBytes = 4 + 4 + 1 + 4 + 4;
constexpr char RecordKind = 'T';
constexpr char MarkKind = 'M';
// No transaction writes more than the image holds; a larger size is damage.
constexpr qint64 MaxEntry = qint64(1) << 30;

quint32 crcOf(const char* data, qint64 len) {
    return quint32(
        crc32_z(crc32_z(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data), size_t(len)));
}

class Writer {
public:
    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u32(quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        m_bytes.append(b, 4);
    }
    void i64(qint64 v) {
        char b[8];
        qToLittleEndian(v, b);
        m_bytes.append(b, 8);
    }
    void bytes(const QByteArray& b) { m_bytes.append(b); }
    QByteArray framed(char kind) const {
        QByteArray entry(EntryMagic, 4);
        const quint32 size = quint32(FrameBytes + m_bytes.size());
        char b[4];
        qToLittleEndian(size, b);
        entry.append(b, 4);
        entry.append(kind);
        entry.append(m_bytes);
        qToLittleEndian(crcOf(entry.constData(), entry.size()), b);
        entry.append(b, 4);
        qToLittleEndian(size, b);
        entry.append(b, 4);
        return entry;
    }

private:
    QByteArray m_bytes;
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    quint8 u8() { return take(1) ? quint8(m_bytes[m_at - 1]) : 0; }
    quint32 u32() { return take(4) ? qFromLittleEndian<quint32>(m_bytes.data() + m_at - 4) : 0; }
    qint64 i64() { return take(8) ? qFromLittleEndian<qint64>(m_bytes.data() + m_at - 8) : 0; }
    QByteArray bytes(qint64 len) {
        return take(len) ? QByteArray(m_bytes.data() + m_at - len, len) : QByteArray();
    }

private:
    bool take(qint64 len) {
        m_ok = m_ok && len >= 0 && len <= m_bytes.size() - m_at;
        if (m_ok)
            m_at += len;
        return m_ok;
    }
    QByteArrayView m_bytes;
    qint64 m_at = 0;
    bool m_ok = true;
};

bool validState(quint8 state) {
    return state == quint8(HistoryState::Done) || state == quint8(HistoryState::RolledBack) ||
           state == quint8(HistoryState::Left);
}

// A record's payload: number, time, UTC offset, maker, undoes and range count, then the ranges.
constexpr int RangesAt = 9 + 4 + 8 + 4 + 1 + 4 + 4;
constexpr int MarkBytes = FrameBytes + 4 + 1;

// What an entry's framing and fixed fields give, before its checksum and ranges are checked.
struct Frame {
    char kind = 0;
    quint32 ranges = 0; // a record's count
};

// The frame that occupies exactly `entry`, if its magic, sizes and fixed fields hold: the checks
// that cost nothing, made first since a damaged stretch may offer a frame every few bytes.
std::optional<Frame> frameOf(QByteArrayView entry) {
    const qint64 size = entry.size();
    if (size < FrameBytes || std::memcmp(entry.data(), EntryMagic, 4) != 0 ||
        qFromLittleEndian<quint32>(entry.data() + 4) != size || TrailingEntryLength(entry) != size)
        return std::nullopt;
    const char kind = entry[8];
    if (kind == MarkKind && size == MarkBytes && validState(quint8(entry[13])))
        return Frame{kind, 0};
    const quint8 madeBy = size >= RangesAt + 8 ? quint8(entry[25]) : 0;
    if (kind != RecordKind || madeBy < quint8(MadeBy::Editor) || madeBy > quint8(MadeBy::Script))
        return std::nullopt;
    return Frame{kind, qFromLittleEndian<quint32>(entry.data() + RangesAt - 4)};
}

quint32 storedCrc(QByteArrayView entry) {
    return qFromLittleEndian<quint32>(entry.data() + entry.size() - 8);
}

// The range that follows the one at `at` in `bytes`, each being its offset, its length and twice
// that many bytes; -1 when it would end past them.
qint64 rangeAfter(QByteArrayView bytes, qint64 at) {
    if (bytes.size() - at < 8)
        return -1;
    const qint64 to = at + 8 + 2 * qint64(qFromLittleEndian<quint32>(bytes.data() + at + 4));
    return to <= bytes.size() ? to : -1;
}

// Whether `count` ranges fill the bytes from `at` to `end` exactly; `walked` counts those read.
bool rangesFill(QByteArrayView bytes, qint64 at, qint64 end, quint32 count, qint64* walked) {
    for (quint32 k = 0; k < count; ++k) {
        ++*walked;
        at = rangeAfter(bytes, at);
        if (at < 0 || at > end)
            return false;
    }
    return at == end;
}

// An entry whose frame, checksum and ranges hold, read.
HistoryEntry decoded(QByteArrayView entry, const Frame& frame) {
    Reader r(entry.sliced(9, entry.size() - FrameBytes));
    HistoryEntry e;
    HistoryRecord& rec = e.record;
    rec.number = r.u32();
    if (frame.kind == MarkKind) {
        e.mark = true;
        rec.state = HistoryState(r.u8());
        return e;
    }
    rec.time = r.i64();
    rec.utcOffset = qint32(r.u32());
    rec.madeBy = MadeBy(r.u8());
    rec.undoes = r.u32();
    rec.ranges.resize(r.u32());
    for (HistoryRange& range : rec.ranges) {
        range.offset = r.u32();
        const qint64 len = r.u32();
        range.before = r.bytes(len);
        range.after = r.bytes(len);
    }
    return e;
}

// The checksums of stretches of one buffer. A crafted or damaged stretch may offer a frame every
// few bytes that claims most of the file, and summing each would make reading quadratic: past a
// budget that whole entries never use up, a long stretch is worked out from the running checksum
// of the buffer at every Step bytes, kept as far as it was needed.
class StretchCrc {
public:
    explicit StretchCrc(QByteArrayView bytes) : m_bytes(bytes) {}
    quint32 of(qint64 from, qint64 to) {
        const qint64 first = (from + Step - 1) / Step, last = to / Step;
        if (last - first < 4 || m_summed < 2 * m_bytes.size()) {
            m_summed += to - from;
            return crcOf(m_bytes.data() + from, to - from);
        }
        // Moving a checksum on over bytes is linear in it. With the head the bytes up to `first`
        // and the middle those on to `last`: crc(head, middle) = shift(crc(head)) ^ crc(middle),
        // and crc(middle) = running(last) ^ shift(running(first)), both shifts over the middle.
        const uLong head = crcOf(m_bytes.data() + from, first * Step - from);
        const uLong middle =
            crc32_combine_op(head ^ runningAt(first), runningAt(last), shift(last - first));
        return quint32(crc32_z(middle, reinterpret_cast<const Bytef*>(m_bytes.data()) + last * Step,
                               size_t(to - last * Step)));
    }

private:
    static constexpr qint64 Step = 64;
    // The checksum of the first k * Step bytes.
    quint32 runningAt(qint64 k) {
        if (m_running.empty())
            m_running.push_back(crcOf(nullptr, 0));
        while (qint64(m_running.size()) <= k) {
            const qint64 at = qint64(m_running.size() - 1) * Step;
            m_running.push_back(quint32(crc32_z(
                m_running.back(), reinterpret_cast<const Bytef*>(m_bytes.data()) + at, Step)));
        }
        return m_running[k];
    }
    // What moves a checksum on over k * Step bytes. Frames are at most MaxEntry long, which
    // zlib's offsets hold everywhere.
    uLong shift(qint64 k) {
        if (qint64(m_shifts.size()) <= k)
            m_shifts.resize(k + 1);
        if (!m_shifts[k]) // never one: x^n modulo the polynomial is not zero
            m_shifts[k] = crc32_combine_gen(z_off_t(k * Step));
        return m_shifts[k];
    }
    QByteArrayView m_bytes;
    qint64 m_summed = 0;
    std::vector<quint32> m_running;
    std::vector<uLong> m_shifts;
};

// The ranges of records, read as chains: each range leads to the one after it. A record's ranges
// fill it when the chain from its first ends at its checksum after as many as it counts. Frames
// nested around one long chain that none of them ends on would make walking it for each
// quadratic, so once a file's worth of ranges has been walked (whole records walk at most one
// for every 8 bytes), every position gets its distance to the end of its chain and a skip
// pointer, with which the first link at or past a position is found in logarithmic time.
class RangeChains {
public:
    explicit RangeChains(QByteArrayView bytes) : m_bytes(bytes) {}
    bool fill(qint64 from, qint64 end, quint32 count) {
        if (m_depth.empty() && m_walked > m_bytes.size() / 4 &&
            m_bytes.size() < std::numeric_limits<quint32>::max())
            index();
        if (m_depth.empty())
            return rangesFill(m_bytes, from, end, count, &m_walked);
        qint64 at = from;
        while (at < end) {
            const qint64 skip = m_skip[at];
            at = skip > at && skip <= end ? skip : rangeAfter(m_bytes, at);
            if (at < 0)
                return false;
        }
        return at == end && m_depth[from] - m_depth[end] == count;
    }

private:
    // Every link goes further on, so positions are indexed from the end back. A skip goes to the
    // parent, or past the parent's skip and the one after it when those two span equal numbers
    // of links: skew-binary skips, which reach any link on in a logarithmic number of steps.
    void index() {
        const qint64 size = m_bytes.size();
        m_depth.assign(size + 1, 0);
        m_skip.resize(size + 1);
        for (qint64 at = size; at >= 0; --at) {
            const qint64 up = rangeAfter(m_bytes, at);
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
    QByteArrayView m_bytes;
    qint64 m_walked = 0;
    std::vector<quint32> m_depth; // links to the end of the chain, by position
    std::vector<quint32> m_skip;
};

} // namespace

QByteArray HistoryHeader() {
    QByteArray header(Magic, 8);
    char b[4];
    qToLittleEndian(HistoryVersion, b);
    header.append(b, 4);
    header.append(4, '\0');
    return header;
}

QByteArray EncodeRecord(const HistoryRecord& r) {
    Writer w;
    w.u32(r.number);
    w.i64(r.time);
    w.u32(quint32(r.utcOffset));
    w.u8(quint8(r.madeBy));
    w.u32(r.undoes);
    w.u32(quint32(r.ranges.size()));
    for (const HistoryRange& range : r.ranges) {
        w.u32(quint32(range.offset));
        w.u32(quint32(range.before.size()));
        w.bytes(range.before);
        w.bytes(range.after);
    }
    return w.framed(RecordKind);
}

QByteArray EncodeMark(quint32 number, HistoryState state) {
    Writer w;
    w.u32(number);
    w.u8(quint8(state));
    return w.framed(MarkKind);
}

qint64 TrailingEntryLength(QByteArrayView tail) {
    if (tail.size() < 4)
        return 0;
    return qFromLittleEndian<quint32>(tail.data() + tail.size() - 4);
}

std::optional<HistoryEntry> DecodeEntry(QByteArrayView bytes) {
    const auto frame = frameOf(bytes);
    qint64 walked = 0;
    if (!frame || storedCrc(bytes) != crcOf(bytes.data(), bytes.size() - 8) ||
        (frame->kind == RecordKind &&
         !rangesFill(bytes, RangesAt, bytes.size() - 8, frame->ranges, &walked)))
        return std::nullopt;
    return decoded(bytes, *frame);
}

HistoryLog ParseHistory(QByteArrayView bytes) {
    HistoryParser parser;
    parser.read(bytes);
    return std::move(parser).take();
}

void HistoryParser::undoDoubt() {
    std::vector<HistoryRecord>& records = m_log.records;
    for (auto undo = m_doubt->states.rbegin(); undo != m_doubt->states.rend(); ++undo) {
        records[undo->first].state = undo->second;
        m_changedFrom = std::min(m_changedFrom, undo->first);
    }
    if (records.size() > m_doubt->records) {
        records.resize(m_doubt->records);
        m_changedFrom = std::min(m_changedFrom, m_doubt->records);
        m_newest.clear(); // it may point past the end now; made again when needed
    }
    m_log.damaged = m_doubt->damaged;
    m_log.lastNumber = m_doubt->lastNumber;
    m_doubt.reset();
}

void HistoryParser::read(QByteArrayView bytes) {
    m_changedFrom = m_log.records.size();
    if (m_doubt)
        undoDoubt();
    const qint64 base = m_settled;
    qint64 at = 0;
    if (base == 0) {
        if (bytes.size() < HistoryHeaderSize) {
            // A header cut short as the file was made is no foreign file: nothing was recorded
            // yet. The next read begins at the start again.
            m_log.foreign = !HistoryHeader().startsWith(bytes);
            return;
        }
        m_log.foreign = std::memcmp(bytes.data(), Magic, 8) != 0;
        m_log.version = m_log.foreign ? 0 : qFromLittleEndian<quint32>(bytes.data() + 8);
        at = HistoryHeaderSize;
    }
    if (m_log.foreign || m_log.version != HistoryVersion) {
        m_settled = base + bytes.size(); // never read further
        return;
    }
    const QByteArrayView magic(EntryMagic, 4);
    StretchCrc crc(bytes);
    RangeChains chains(bytes);
    const qint64 end = bytes.size();
    while (at < end) {
        const qint64 size = end - at >= 8 ? qFromLittleEndian<quint32>(bytes.data() + at + 4) : 0;
        // An entry that runs past the end, or whose size is not there yet, may be whole once
        // the rest is appended.
        if (!m_doubt &&
            !(end - at >= 8 && (size < FrameBytes || size > MaxEntry || size <= end - at))) {
            m_doubt = Doubt{m_log.records.size(), m_log.damaged, m_log.lastNumber, {}};
            m_settled = base + at;
        }
        std::optional<HistoryEntry> entry;
        if (size >= FrameBytes && size <= MaxEntry && size <= end - at) {
            const QByteArrayView candidate = bytes.sliced(at, size);
            const auto frame = frameOf(candidate);
            if (frame && storedCrc(candidate) == crc.of(at, at + size - 8) &&
                (frame->kind == MarkKind ||
                 chains.fill(at + RangesAt, at + size - 8, frame->ranges)))
                entry = decoded(candidate, *frame);
        }
        if (!entry) {
            // Damage: go on from the next place an entry could begin, which may yet be in the
            // last three bytes, a magic cut short.
            const qint64 next = bytes.sliced(at + 1).indexOf(magic);
            const qint64 to = next < 0 ? std::max(at + 1, end - 3) : at + 1 + next;
            m_log.damaged += to - at;
            at = to;
            continue;
        }
        at += size;
        apply(std::move(*entry));
    }
    if (!m_doubt)
        m_settled = base + end;
}

void HistoryParser::apply(HistoryEntry&& entry) {
    const quint32 number = entry.record.number;
    std::vector<HistoryRecord>& records = m_log.records;
    if (!entry.mark) {
        // Only a record gives a number: a mark may name one that is not there.
        m_log.lastNumber = std::max(m_log.lastNumber, number);
        if (!m_newest.empty())
            m_newest[number] = records.size();
        records.push_back(std::move(entry.record));
        return;
    }
    size_t ended = records.size() - 1;
    if (records.empty() || records.back().number != number) {
        if (m_newest.empty())
            for (size_t k = 0; k < records.size(); ++k)
                m_newest[records[k].number] = k;
        const auto found = m_newest.find(number);
        if (found == m_newest.end())
            return;
        ended = found->second;
    }
    HistoryState& state = records[ended].state;
    if (state == entry.record.state)
        return;
    if (m_doubt)
        m_doubt->states.emplace_back(ended, state);
    m_changedFrom = std::min(m_changedFrom, ended);
    state = entry.record.state;
}
