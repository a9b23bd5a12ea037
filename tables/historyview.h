#pragma once

#include "rom/historyformat.h"
#include "tables/tablerows.h"

#include <QList>
#include <QString>

#include <vector>

// A recorded transaction as the tables read it: the fields it changed, entry by entry, as diff
// prints them.

// When a record was made, in the local time of its making: "2026-12-09 08:01:02"; and the same in
// ISO 8601 with its offset: "2026-12-09T08:01:02+01:00".
QString RecordTime(const HistoryRecord& record);
QString RecordIsoTime(const HistoryRecord& record);
// How the history names what made a record: "editor", "import", "rename", "undo".
QString MadeByName(MadeBy madeBy);

// The bytes of `length` at `base` as the image holds them now, with the run `bytes` at `at` laid
// over them: an entry as a record's range leaves it.
QByteArray Overlaid(RomImage& rom, qint64 base, qint64 length, qint64 at, const QByteArray& bytes);

// One changed field, or one run of bytes outside the tables and their names.
struct RecordedChange {
    QString entry;     // "enemy 12"; empty outside the tables and their names
    QString shownName; // the entry's name as the image reads it now
    QString field;     // the column's key ("hp", "name"); empty outside
    QString before;    // as export writes it; hexadecimal bytes outside
    QString after;
    bool number = false; // before and after are numbers
    qint64 offset = 0;   // of the field's first byte, or of the run
    qint64 bytes = 0;    // outside: how many bytes the run holds
};

// Reads records against one image. What it looks up in the image (the entries' names, their name
// pointers) it reads once, so that a long history is listed quickly.
class RecordReader {
public:
    RecordReader(RomImage& rom, const Tables& tables);

    QList<RecordedChange> changes(const std::vector<HistoryRange>& ranges);
    // The entries (or "0x1A2B" for a run outside them) that the ranges write, each once.
    QStringList entries(const std::vector<HistoryRange>& ranges);
    const Tables& tables() const { return m_tables; }

private:
    void tableChanges(const HistoryRange& range, QList<RecordedChange>* out);
    bool nameChanges(const HistoryRange& range, QList<RecordedChange>* out);

    RomImage& m_rom;
    Tables m_tables;
    QList<QList<QStringList>> m_rows; // per table, as ExportRows gives them now
    QList<NameHolder> m_holders;
};

// "enemy 12 "Moushmo": hp 78 -> 1023, gold 5 -> 6", one line per entry, and "0x1A2B: 3 bytes"
// for a run outside the tables.
QStringList ChangeLines(const QList<RecordedChange>& changes);
