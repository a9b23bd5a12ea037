#include "tables/netchanges.h"

#include "rom/names.h"
#include "tables/historyview.h"
#include "tables/original.h"

#include <QHash>

#include <algorithm>

namespace {

// The offsets of the name text that entry `index` reads in `rom`, its end byte included.
std::pair<qint64, qint64> nameSpan(RomImage& rom, const TableFormat& f, int index) {
    const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
    const qint64 start =
        qint64(pointer.valueIn(rom.bytes(f.entryOffset(index), f.size))) - PointerBias;
    if (start < 0)
        return {0, -1};
    return {start, ScanStoredName(rom, start).end};
}

} // namespace

QList<NetChange> NetChanges(RomImage& now, RomImage& original, const Tables& tables) {
    QList<NetChange> changes;
    for (const Table table : tables) {
        const TableFormat& f = *table;
        const QList<Column>& columns = Columns(table);
        const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
        // The item lists are read only when an item differs: they cost a name per item.
        QStringList itemsWas, itemsIs;
        now.refresh();
        original.refresh();
        for (int i = 0; i < f.count; ++i) {
            const QByteArray was = original.bytes(f.entryOffset(i), f.size);
            const QByteArray is = now.bytes(f.entryOffset(i), f.size);
            const QString nameIs = f.readName(now, pointer.valueIn(is));
            const QString nameWas = f.readName(original, pointer.valueIn(was));
            for (int k = 0; k < columns.size(); ++k) {
                const Column& c = columns[k];
                NetChange change{table, i, k, nameIs, nameWas, nameIs, {}, {}, {}};
                if (c.kind == ColumnKind::Name) {
                    if (nameWas != nameIs)
                        changes << change;
                    continue;
                }
                if (!c.field || c.kind == ColumnKind::ItemName ||
                    c.field->valueIn(was) == c.field->valueIn(is))
                    continue;
                change.original = FieldText(*c.field, c.field->valueIn(was));
                change.current = FieldText(*c.field, c.field->valueIn(is));
                if (c.kind == ColumnKind::Item && f.itemChoices) {
                    if (itemsIs.isEmpty()) {
                        itemsWas = f.itemChoices(original);
                        itemsIs = f.itemChoices(now);
                    }
                    change.originalItem = itemsWas.value(c.field->valueIn(was));
                    change.currentItem = itemsIs.value(c.field->valueIn(is));
                }
                changes << change;
            }
        }
    }
    return changes;
}

void FindSaves(QList<NetChange>& changes, RomImage& now, RomImage& original,
               const std::vector<HistoryRecord>& records) {
    // A name's text as either image reads it: a record that wrote a byte of it changed it.
    struct Span {
        qint64 first, last;
    };
    QHash<QPair<Table, int>, QList<Span>> names;
    QHash<QPair<Table, int>, QList<qsizetype>> byEntry;
    for (qsizetype k = 0; k < changes.size(); ++k) {
        const NetChange& c = changes[k];
        byEntry[{c.table, c.index}] << k;
        if (Columns(c.table)[c.column].kind == ColumnKind::Name)
            for (RomImage* rom : {&now, &original}) {
                const auto [first, last] = nameSpan(*rom, *c.table, c.index);
                names[{c.table, c.index}] << Span{first, last};
            }
    }
    const auto add = [&](qsizetype k, quint32 number) {
        std::vector<quint32>& saves = changes[k].saves;
        if (saves.empty() || saves.back() != number)
            saves.push_back(number);
    };
    for (const HistoryRecord& r : records) {
        if (r.state != HistoryState::Done)
            continue;
        for (const HistoryRange& range : r.ranges) {
            if (!RangeInside(range, now.size()))
                continue; // the original took nothing of it either
            const qint64 end = range.offset + range.before.size();
            for (auto e = byEntry.cbegin(); e != byEntry.cend(); ++e) {
                const TableFormat& f = *e.key().first;
                const int index = e.key().second;
                const qint64 base = f.entryOffset(index);
                const bool inEntry = range.offset < base + f.size && base < end;
                QByteArray before, after;
                if (inEntry) {
                    before = Overlaid(now, base, f.size, range.offset, range.before);
                    after = Overlaid(now, base, f.size, range.offset, range.after);
                }
                for (const qsizetype k : e.value()) {
                    const Column& column = Columns(e.key().first)[changes[k].column];
                    if (column.kind != ColumnKind::Name) {
                        if (inEntry &&
                            column.field->valueIn(before) != column.field->valueIn(after))
                            add(k, r.number);
                        continue;
                    }
                    bool wrote = false;
                    if (inEntry) {
                        const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
                        wrote = pointer.valueIn(before) != pointer.valueIn(after);
                    }
                    for (const Span& s : names.value(e.key()))
                        for (qint64 at = std::max(s.first, range.offset);
                             !wrote && at <= std::min(s.last, end - 1); ++at)
                            wrote =
                                range.before[at - range.offset] != range.after[at - range.offset];
                    if (wrote)
                        add(k, r.number);
                }
            }
        }
    }
}

std::vector<EntryMarks> MarksOf(const QList<NetChange>& changes, Table table) {
    std::vector<EntryMarks> marks(size_t(EntryCount(table)));
    for (EntryMarks& m : marks)
        for (qsizetype k = 0; k < qsizetype(table->fields.size()); ++k)
            m.originals << QString();
    const QList<Column>& columns = Columns(table);
    for (const NetChange& c : changes) {
        if (c.table != table)
            continue;
        EntryMarks& m = marks[size_t(c.index)];
        m.changed = true;
        if (columns[c.column].kind == ColumnKind::Name)
            m.originalName = c.original;
        const RecordField* field = columns[c.column].field;
        if (!field)
            continue;
        const qsizetype k = field - table->fields.data();
        // An item above the list's last line has no name: its number stands for it.
        const bool named = field->kind == FieldKind::Item && !c.originalItem.isEmpty();
        m.originals[k] = named ? c.originalItem : c.original;
    }
    return marks;
}
