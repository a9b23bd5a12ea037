#pragma once

#include "rom/historyformat.h"

#include <QtGlobal>

#include <vector>

// The image as its history first knew it.

// For each byte, the before byte of the earliest done record whose range covers it. Records rolled
// back, left or pending count for nothing; an undo counts as any other save. A range that does not
// lie wholly inside the image is taken as recovery takes it: its record is another image's, or the
// image was cut short since. It counts for nothing and costs nothing, and outside() names it.
class OriginalBytes {
public:
    // Becomes the original of `records`, a history's in their order, for an image of `imageSize`
    // bytes. A history read as it grows passes the first record its last read added or changed:
    // when those before it (and the size) are the ones the last call took, only the rest is
    // taken in.
    void follow(const std::vector<HistoryRecord>& records, qint64 imageSize,
                size_t changedFrom = 0);
    // The original byte at `offset`, or -1 where no done record covers it.
    int at(qint64 offset) const {
        return offset >= 0 && offset < qint64(m_bytes.size()) ? m_bytes[size_t(offset)] : -1;
    }
    bool knowsAny() const { return m_known > 0; }
    // The numbers of the done records with a range outside the image, in their order.
    const std::vector<quint32>& outside() const { return m_outside; }

private:
    std::vector<qint16> m_bytes;
    qint64 m_known = 0;
    qint64 m_size = 0;
    size_t m_taken = 0; // the records the bytes were made from
    std::vector<quint32> m_outside;
};

// Whether `range` lies wholly inside an image of `imageSize` bytes.
bool RangeInside(const HistoryRange& range, qint64 imageSize);
