#include "tables/historyview.h"

#include "fields/numbertext.h"
#include "rom/names.h"

#include <QDateTime>
#include <QTimeZone>

#include <map>
#include <optional>

namespace {

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// The bytes of `length` at `base` as the image holds them now, with the run `bytes` at `at` laid
// over them.
QByteArray overlaid(RomImage& rom, qint64 base, qint64 length, qint64 at, const QByteArray& bytes) {
    QByteArray out = rom.bytes(base, length);
    for (qint64 k = 0; k < bytes.size(); ++k)
        if (at + k >= base && at + k < base + length)
            out[at + k - base] = bytes[k];
    return out;
}

NameBytes nameBytesOf(qint64 at, const QByteArray& bytes) {
    NameBytes out;
    for (qsizetype k = 0; k < bytes.size(); ++k)
        out[at + k] = quint8(bytes[k]);
    return out;
}

QDateTime madeAt(const HistoryRecord& r) {
    return QDateTime::fromMSecsSinceEpoch(r.time, QTimeZone(r.utcOffset));
}

// What an undo of `range` does to the records it covers, field by field, with the image holding
// `now` there: every field the save changed and that still holds what it wrote is put back whole;
// one that holds anything else is overwritten. Bits no field owns are left as they are.
struct FieldUndo {
    QByteArray undone;                          // `now` with those fields put back
    std::vector<bool> inRecord;                 // per byte of the range: it lies in a record
    QList<QPair<QString, QString>> overwritten; // entry and field key
};
FieldUndo undoFields(const Tables& tables, const HistoryRange& range, const QByteArray& now) {
    FieldUndo out{now, std::vector<bool>(size_t(now.size()), false), {}};
    const qint64 end = range.offset + now.size();
    const auto slice = [&](const QByteArray& bytes, qint64 base, qint64 size) {
        QByteArray entry(size, '\0');
        for (qint64 k = 0; k < size; ++k)
            if (base + k >= range.offset && base + k < end)
                entry[k] = bytes[base + k - range.offset];
        return entry;
    };
    for (const Table table : tables) {
        const TableFormat& f = *table;
        const qint64 first = std::max<qint64>(0, (range.offset - f.offset) / f.size);
        for (qint64 i = first; i < f.count && f.entryOffset(int(i)) < end; ++i) {
            const qint64 base = f.entryOffset(int(i));
            if (base + f.size <= range.offset)
                continue;
            const QByteArray before = slice(range.before, base, f.size);
            const QByteArray after = slice(range.after, base, f.size);
            const QByteArray is = slice(now, base, f.size);
            QByteArray undone = is;
            // Bytes of the entry outside the range hold the same filler in all three, so a field
            // the range holds only in part is judged and put back by the bits the save wrote.
            for (const RecordField& field : f.fields) {
                const qint32 was = field.valueIn(before), wrote = field.valueIn(after);
                if (was == wrote)
                    continue;
                if (field.valueIn(is) != wrote)
                    out.overwritten.append({f.label(int(i)), QLatin1String(field.key)});
                else
                    field.put(was, &undone);
            }
            for (qint64 k = std::max(base, range.offset); k < std::min(base + f.size, end); ++k) {
                out.inRecord[size_t(k - range.offset)] = true;
                out.undone[k - range.offset] = undone[k - base];
            }
        }
    }
    return out;
}

} // namespace

QString RecordTime(const HistoryRecord& record) {
    return madeAt(record).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString RecordIsoTime(const HistoryRecord& record) {
    const int minutes = std::abs(record.utcOffset) / 60;
    return madeAt(record).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QStringLiteral("%1%2:%3")
               .arg(record.utcOffset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString MadeByName(MadeBy madeBy) {
    static const char* const names[] = {"editor", "import", "rename", "undo", "edit", "script"};
    return QLatin1String(names[int(madeBy) - 1]);
}

RecordReader::RecordReader(RomImage& rom, const Tables& tables) : m_rom(rom), m_tables(tables) {
    for (const Table table : tables)
        m_rows << ExportRows(rom, table);
    m_holders = NameHolders(rom, tables);
}

void RecordReader::tableChanges(const HistoryRange& range, QList<RecordedChange>* out) {
    const qint64 end = range.offset + range.before.size();
    for (int t = 0; t < m_tables.size(); ++t) {
        const TableFormat& f = *m_tables[t];
        const int name = ColumnOf(m_tables[t], ColumnKind::Name);
        const qint64 first = std::max<qint64>(0, (range.offset - f.offset) / f.size);
        for (qint64 i = first; i < f.count && f.entryOffset(int(i)) < end; ++i) {
            const qint64 base = f.entryOffset(int(i));
            if (base + f.size <= range.offset)
                continue;
            const QByteArray before = overlaid(m_rom, base, f.size, range.offset, range.before);
            const QByteArray after = overlaid(m_rom, base, f.size, range.offset, range.after);
            for (const RecordField& field : f.fields) {
                const qint32 was = field.valueIn(before), now = field.valueIn(after);
                if (was == now)
                    continue;
                out->append({f.label(int(i)), m_rows[t][i][name], QLatin1String(field.key),
                             FieldText(field, was), FieldText(field, now),
                             field.kind != FieldKind::Pointer, base + field.offset, 0});
            }
        }
    }
}

bool RecordReader::nameChanges(const HistoryRange& range, QList<RecordedChange>* out) {
    const qint64 last = range.offset + range.before.size() - 1;
    const NameBytes before = nameBytesOf(range.offset, range.before);
    const NameBytes after = nameBytesOf(range.offset, range.after);
    bool found = false;
    for (const NameHolder& holder : m_holders) {
        const qint64 start = qint64(holder.pointer) - PointerBias;
        if (start < 0 || start > last)
            continue;
        const StoredName was = ScanStoredName(m_rom, start, before);
        if (was.end < range.offset)
            continue;
        const StoredName now = ScanStoredName(m_rom, start, after);
        found = true;
        if (was.text != now.text)
            out->append({holder.entry, ScanStoredName(m_rom, start).text, QStringLiteral("name"),
                         was.text, now.text, false, start, 0});
    }
    return found;
}

QList<RecordedChange> RecordReader::changes(const std::vector<HistoryRange>& ranges) {
    QList<RecordedChange> out;
    for (const HistoryRange& range : ranges) {
        const qsizetype before = out.size();
        tableChanges(range, &out);
        bool inTables = out.size() > before;
        for (const ProtectedRange& table : TableRanges(m_tables))
            inTables = inTables || (range.offset < table.first + table.length &&
                                    table.first < range.offset + range.before.size());
        if (!inTables && !nameChanges(range, &out))
            out.append({{},
                        {},
                        {},
                        hexBytes(range.before),
                        hexBytes(range.after),
                        false,
                        range.offset,
                        range.before.size()});
    }
    return out;
}

QStringList RecordReader::entries(const std::vector<HistoryRange>& ranges) {
    QStringList names;
    for (const RecordedChange& c : changes(ranges)) {
        const QString entry = c.entry.isEmpty() ? HexOffset(c.offset) : c.entry;
        if (!names.contains(entry))
            names << entry;
    }
    return names;
}

QStringList ChangeLines(const QList<RecordedChange>& changes) {
    QStringList lines;
    // The changes of one entry come one after another; each run of them is one line.
    for (qsizetype k = 0; k < changes.size();) {
        const RecordedChange& c = changes[k];
        if (c.entry.isEmpty()) {
            lines << QStringLiteral("%1: %2 %3")
                         .arg(HexOffset(c.offset))
                         .arg(c.bytes)
                         .arg(c.bytes == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"));
            ++k;
            continue;
        }
        QStringList fields;
        for (; k < changes.size() && changes[k].entry == c.entry; ++k)
            fields << FieldChangeText(changes[k].field, changes[k].before, changes[k].after,
                                      changes[k].field == QLatin1String("name"));
        lines << EntryChangesText(c.entry, c.shownName, fields);
    }
    return lines;
}

std::vector<RecordStatus> StatusOf(const std::vector<HistoryRecord>& records) {
    std::vector<RecordStatus> status(records.size());
    // The record each undo takes back: the newest of its number before it.
    std::vector<std::optional<size_t>> target(records.size());
    std::map<quint32, size_t> at;
    for (size_t k = 0; k < records.size(); ++k) {
        const HistoryRecord& r = records[k];
        if (r.madeBy == MadeBy::Undo)
            if (const auto found = at.find(r.undoes); found != at.end())
                target[k] = found->second;
        at[r.number] = k;
        if (r.state != HistoryState::Done)
            continue;
        status[k].standing = true;
        // Taking back an undo brings back what it took away, and taking back the undo of an undo
        // takes that away again: down the chain, each record flips, and every one that goes out
        // is taken back by this undo.
        bool out = true;
        for (std::optional<size_t> x = target[k]; x && records[*x].state == HistoryState::Done;
             x = records[*x].madeBy == MadeBy::Undo ? target[*x] : std::nullopt) {
            status[*x] = out ? RecordStatus{r.number, false} : RecordStatus{0, true};
            out = !out;
        }
    }
    return status;
}

Outcome PlanUndo(RomImage& rom, RecordReader& reader, const std::vector<HistoryRecord>& records,
                 quint32 number, UndoPlan* plan) {
    const std::vector<RecordStatus> status = StatusOf(records);
    const HistoryRecord* chosen = nullptr;
    for (size_t k = records.size(); k-- > 0 && !chosen;) {
        const HistoryRecord& r = records[k];
        if (number != 0
                ? r.number == number
                : r.state == HistoryState::Done && status[k].standing && r.madeBy != MadeBy::Undo)
            chosen = &r;
    }
    Outcome refused{.file = rom.path(), .record = number};
    const auto refuse = [&](Fault fault) {
        refused.fault = fault;
        return refused;
    };
    if (!chosen)
        return refuse(Fault::NoSuchRecord);
    refused.record = chosen->number;
    if (chosen->state != HistoryState::Done)
        return refuse(Fault::RecordNotDone);
    if (const RecordStatus& s = status[size_t(chosen - records.data())]; !s.standing) {
        refused.undoneBy = s.undoneBy;
        return refuse(Fault::RecordTakenBack);
    }

    *plan = UndoPlan{chosen, {}, {}};
    plan->writes.madeBy = MadeBy::Undo;
    plan->writes.undoes = chosen->number;
    rom.refresh();
    for (const HistoryRange& range : chosen->ranges) {
        const QByteArray now = rom.bytes(range.offset, range.after.size());
        const FieldUndo field = undoFields(reader.tables(), range, now);
        QByteArray undone = field.undone;
        for (const auto& [entry, key] : field.overwritten)
            refused.landed << Landed{entry, key, false, 0, 0};
        // Bytes outside the records: a name's text, put back whole or not at all.
        bool textHolds = true;
        for (qsizetype k = 0; k < now.size(); ++k)
            textHolds = textHolds && (field.inRecord[k] || now[k] == range.after[k]);
        if (!textHolds) {
            QByteArray wrote = now;
            for (qsizetype k = 0; k < now.size(); ++k)
                if (!field.inRecord[k])
                    wrote[k] = range.after[k];
            const qsizetype named = refused.landed.size();
            for (const RecordedChange& c : reader.changes({{range.offset, wrote, now}}))
                refused.landed << Landed{c.entry.isEmpty() ? HexOffset(c.offset) : c.entry, c.field,
                                         c.field == QLatin1String("name"), 0, 0};
            // Bytes that no name shows: the entries they lie in.
            if (refused.landed.size() == named)
                for (const QString& entry : reader.entries({range}))
                    refused.landed << Landed{entry, {}, false, 0, 0};
            continue;
        }
        for (qsizetype k = 0; k < now.size(); ++k)
            if (!field.inRecord[k])
                undone[k] = range.before[k];
        if (!refused.landed.isEmpty())
            continue;
        WritePart part{
            reader.entries({range}).join(QStringLiteral(", ")), false, range.offset, now, {}};
        for (qsizetype k = 0; k < now.size(); ++k)
            if (undone[k] != now[k])
                part.writes.push_back({range.offset + k, quint8(undone[k]), {}});
        plan->ranges.push_back({range.offset, now, undone});
        plan->writes.parts.push_back(std::move(part));
    }
    if (!refused.landed.isEmpty())
        return refuse(Fault::UndoOverwritten);
    return {};
}
