#pragma once

#include "rom/historyformat.h"
#include "rom/romimage.h"
#include "tables/tablerows.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <optional>
#include <vector>

// The image as its history first knew it, and every field and name that now differs from it.

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

// The image `now` with the original's bytes laid over it: read-only, held in memory, read through
// `now`'s cache, which it must not outlive.
std::unique_ptr<RomImage> OriginalImage(RomImage& now, const OriginalBytes& original);
// An image of `bytes` alone, read-only, with no file and no history behind it.
std::unique_ptr<RomImage> ImageOfBytes(const QByteArray& bytes);

// One field, or an entry's name text, whose value now differs from the original.
struct NetChange {
    Table table = nullptr;
    int index = 0;
    int column = 0;   // in Columns(table): the name column, or a field's
    QString name;     // the entry's name now
    QString original; // as export writes it
    QString current;
    QString originalItem; // an item field's item names, as export's item_name column writes them
    QString currentItem;
    std::vector<quint32> saves; // the done records that changed it, oldest first
};

// Every field and name that differs between `original` and `now`, in table order, each entry's
// name first, then its fields.
QList<NetChange> NetChanges(RomImage& now, RomImage& original, const Tables& tables);

// Fills in the records of `records` that changed each of `changes`: a field's bits, or for a name
// a byte of its text as either image reads it, or the entry's pointer.
void FindSaves(QList<NetChange>& changes, RomImage& now, RomImage& original,
               const std::vector<HistoryRecord>& records);

// Whether each entry of `table` has a change, and its fields' original texts: what the editors
// mark. Built from NetChanges for one table.
struct EntryMarks {
    // Per field of the table, in its order: the original text, or empty where it is unchanged.
    QStringList originals;
    // The entry's name text in the original, where it now reads otherwise.
    std::optional<QString> originalName;
    bool changed = false;
};
std::vector<EntryMarks> MarksOf(const QList<NetChange>& changes, Table table);
