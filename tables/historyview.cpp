#include "tables/historyview.h"

#include "fields/numbertext.h"
#include "rom/names.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
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

} // namespace

QByteArray Overlaid(RomImage& rom, qint64 base, qint64 length, qint64 at, const QByteArray& bytes) {
    QByteArray out = rom.bytes(base, length);
    for (qint64 k = 0; k < bytes.size(); ++k)
        if (at + k >= base && at + k < base + length)
            out[at + k - base] = bytes[k];
    return out;
}

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
            const QByteArray before = Overlaid(m_rom, base, f.size, range.offset, range.before);
            const QByteArray after = Overlaid(m_rom, base, f.size, range.offset, range.after);
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
