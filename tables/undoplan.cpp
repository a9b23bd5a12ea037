#include "tables/undoplan.h"

#include "fields/numbertext.h"

#include <map>
#include <optional>

namespace {

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
        return refuse(UndoFault::NoSuchRecord);
    refused.record = chosen->number;
    if (chosen->state != HistoryState::Done)
        return refuse(UndoFault::RecordNotDone);
    if (const RecordStatus& s = status[size_t(chosen - records.data())]; !s.standing) {
        refused.undoneBy = s.undoneBy;
        return refuse(UndoFault::RecordTakenBack);
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
        return refuse(UndoFault::Overwritten);
    return {};
}
