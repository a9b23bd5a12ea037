#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <zlib.h>

#include <vector>

// How the history's reader holds out against a crafted or damaged file (historyformat.cpp holds
// the layout and the reader). The reader looks for an entry at every place one could begin, so a
// hostile file can offer a frame every few bytes; each defence here bounds what such frames cost,
// so that reading stays linear (or n log n) in the file's size however its bytes were chosen.
// Three more live with the reader, where they act: frameOf() makes the checks that cost nothing
// before any checksum; after damage the reader goes on at the next magic, not byte by byte; and
// a mark that does not end the last record is found through a map, not by a search back.

// No transaction writes more than the image holds; a larger size is damage.
// Defends against: a size field that claims up to 4 GiB. Such a frame is damage at once, rather
// than a frame the reader waits for (reading the file's tail again at every append), and every
// stretch a checksum is moved over stays within zlib's offsets.
inline constexpr qint64 MaxHistoryEntry = qint64(1) << 30;

// The checksum of the history's entries: CRC-32 of `len` bytes at `data`.
quint32 HistoryCrc(const char* data, qint64 len);

// The range that follows the one at `at` in `bytes`, each being its offset, its length and twice
// that many bytes; -1 when it would end past them.
qint64 RangeAfter(QByteArrayView bytes, qint64 at);

// Whether `count` ranges fill the bytes from `at` to `end` exactly; `walked` counts those read.
// Defends against: a record whose range count or lengths disagree with its size. Each step is
// checked against the bytes there are before it is taken, so nothing is read past them and a
// count of four billion ends at the first range that does not fit.
bool RangesFill(QByteArrayView bytes, qint64 at, qint64 end, quint32 count, qint64* walked);

// The checksums of stretches of one buffer. A crafted or damaged stretch may offer a frame every
// few bytes that claims most of the file, and summing each would make reading quadratic: past a
// budget that whole entries never use up, a long stretch is worked out from the running checksum
// of the buffer at every Step bytes, kept as far as it was needed.
// Defends against: many frames, overlapping, each claiming a long stretch. Bounds the checksum
// work to twice the buffer, then per frame under 2 * Step bytes and one shift, each shift made
// once, on top of one running pass over the buffer.
class StretchCrc {
public:
    explicit StretchCrc(QByteArrayView bytes) : m_bytes(bytes) {}
    quint32 of(qint64 from, qint64 to);

private:
    static constexpr qint64 Step = 64;
    // The checksum of the first k * Step bytes.
    quint32 runningAt(qint64 k);
    // What moves a checksum on over k * Step bytes. Frames are at most MaxHistoryEntry long, which
    // zlib's offsets hold everywhere.
    uLong shift(qint64 k);

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
// Defends against: frames nested around one long chain of ranges. Bounds the walking to a
// quarter of the buffer's size in links, then an index of 8 bytes per byte of the buffer and a
// logarithmic walk per frame.
class RangeChains {
public:
    explicit RangeChains(QByteArrayView bytes) : m_bytes(bytes) {}
    bool fill(qint64 from, qint64 end, quint32 count);

private:
    // Every link goes further on, so positions are indexed from the end back. A skip goes to the
    // parent, or past the parent's skip and the one after it when those two span equal numbers
    // of links: skew-binary skips, which reach any link on in a logarithmic number of steps.
    void index();

    QByteArrayView m_bytes;
    qint64 m_walked = 0;
    std::vector<quint32> m_depth; // links to the end of the chain, by position
    std::vector<quint32> m_skip;
};
