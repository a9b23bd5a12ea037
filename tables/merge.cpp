#include "tables/merge.h"

#include "rom/names.h"
#include "tables/heldimage.h"

#include <algorithm>
#include <tuple>

namespace {

// Which side's value stands, or None for a conflict.
MergeSide winner(const QString& base, const QString& ours, const QString& theirs) {
    if (ours == base || ours == theirs)
        return MergeSide::Theirs;
    if (theirs == base)
        return MergeSide::Ours;
    return MergeSide::None;
}

// Every bit either side changed, from that side; where both changed one, they agree.
QByteArray mergedBits(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs) {
    QByteArray merged = theirs;
    for (qsizetype k = 0; k < merged.size(); ++k) {
        const quint8 b = quint8(base[k]), o = quint8(ours[k]), t = quint8(theirs[k]);
        const quint8 mine = quint8(o ^ b);
        merged[k] = char((o & mine) | (t & ~mine));
    }
    return merged;
}

// Lays the name that entry `index` reads in `from` over `into`: its pointer's bits, and its text
// with the byte that ends it.
void copyName(const QByteArray& from, const TableFormat& f, int index, QByteArray* into) {
    const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
    QByteArray entry = into->mid(f.entryOffset(index), f.size);
    const qint32 held = pointer.valueIn(QByteArrayView(from).sliced(f.entryOffset(index), f.size));
    pointer.put(held, &entry);
    into->replace(f.entryOffset(index), f.size, entry);
    const qint64 start = qint64(held) - PointerBias;
    if (start < 0 || start >= into->size())
        return;
    const qint64 end = std::min<qint64>(ScanNameBytes(from, start).end, into->size() - 1);
    into->replace(start, end - start + 1, from.mid(start, end - start + 1));
}

void copyField(const QByteArray& from, const TableFormat& f, int index, const RecordField& field,
               QByteArray* into) {
    QByteArray entry = into->mid(f.entryOffset(index), f.size);
    field.put(field.valueIn(QByteArrayView(from).sliced(f.entryOffset(index), f.size)), &entry);
    into->replace(f.entryOffset(index), f.size, entry);
}

QList<QList<QStringList>> rowsOf(const QByteArray& bytes, const Tables& tables) {
    const auto image = ImageOfBytes(bytes);
    QList<QList<QStringList>> rows;
    for (const Table table : tables)
        rows << ExportRows(*image, table);
    return rows;
}

} // namespace

MergeResult MergeImages(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                        const Tables& tables, MergeSide prefer) {
    MergeResult result;
    QByteArray& merged = result.bytes;
    // Over the bytes first: a byte that a field, a name's text and kept bits may all own is taken
    // from the side that changed it. Whether that gives every entry what the sides meant is
    // checked on what the tables read, where a name's text lying in a record, or shared by two
    // names, shows.
    merged = mergedBits(base, ours, theirs);
    const auto rowsBase = rowsOf(base, tables), rowsOurs = rowsOf(ours, tables),
               rowsTheirs = rowsOf(theirs, tables);
    // A conflict takes `prefer`'s side, which may change what another entry reads: the check runs
    // again until every entry reads what it should. Each round takes more bytes from that side,
    // so it ends. Without a side nothing is written, and the first round lists the conflicts.
    const QByteArray& taken = prefer == MergeSide::Ours ? ours : theirs;
    for (bool changed = true, first = true; changed; first = false) {
        changed = false;
        const auto rowsMerged = rowsOf(merged, tables);
        for (int t = 0; t < tables.size(); ++t) {
            const TableFormat& f = *tables[t];
            const QList<Column>& columns = Columns(tables[t]);
            const int nameColumn = ColumnOf(tables[t], ColumnKind::Name);
            for (int i = 0; i < f.count; ++i) {
                for (int k = 0; k < columns.size(); ++k) {
                    const ColumnKind kind = columns[k].kind;
                    if (kind == ColumnKind::Index || kind == ColumnKind::ItemName)
                        continue;
                    const QString& b = rowsBase[t][i][k];
                    const QString& o = rowsOurs[t][i][k];
                    const QString& th = rowsTheirs[t][i][k];
                    const QString& m = rowsMerged[t][i][k];
                    const MergeSide side = winner(b, o, th);
                    const QString& wanted = side == MergeSide::Ours     ? o
                                            : side == MergeSide::Theirs ? th
                                            : prefer == MergeSide::Ours ? o
                                                                        : th;
                    // Both sides changed it differently, or taking both makes it read what
                    // neither side meant for it.
                    const bool conflict = (first && side == MergeSide::None) || m != wanted;
                    if (!conflict)
                        continue;
                    const bool listed = std::any_of(
                        result.conflicts.cbegin(), result.conflicts.cend(),
                        [&](const MergeConflict& c) {
                            return c.table == tables[t] && c.index == i && c.column == k;
                        });
                    if (!listed)
                        result.conflicts << MergeConflict{
                            tables[t],
                            i,
                            k,
                            rowsBase[t][i][nameColumn],
                            b,
                            o,
                            th,
                            first && side != MergeSide::None ? std::optional(m) : std::nullopt};
                    if (prefer == MergeSide::None || m == wanted)
                        continue;
                    const QByteArray was = merged;
                    if (kind == ColumnKind::Name)
                        copyName(taken, f, i, &merged);
                    else
                        copyField(taken, f, i, *columns[k].field, &merged);
                    changed = changed || merged != was;
                }
            }
        }
    }
    std::sort(result.conflicts.begin(), result.conflicts.end(),
              [&](const MergeConflict& a, const MergeConflict& b) {
                  const auto at = [&](const MergeConflict& c) {
                      return std::tuple(tables.indexOf(c.table), c.index, c.column);
                  };
                  return at(a) < at(b);
              });
    return result;
}
