#include "rom/historyformat.h"

#include "rom/historyguards.h"

#include <QtEndian>

#include <cstring>
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
        qToLittleEndian(HistoryCrc(entry.constData(), entry.size()), b);
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
    if (!frame || storedCrc(bytes) != HistoryCrc(bytes.data(), bytes.size() - 8) ||
        (frame->kind == RecordKind &&
         !RangesFill(bytes, RangesAt, bytes.size() - 8, frame->ranges, &walked)))
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
            !(end - at >= 8 && (size < FrameBytes || size > MaxHistoryEntry || size <= end - at))) {
            m_doubt = Doubt{m_log.records.size(), m_log.damaged, m_log.lastNumber, {}};
            m_settled = base + at;
        }
        std::optional<HistoryEntry> entry;
        if (size >= FrameBytes && size <= MaxHistoryEntry && size <= end - at) {
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
