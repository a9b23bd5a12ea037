#pragma once

#include "rom/historyformat.h"
#include "tables/tablerows.h"
#include "tables/transaction.h"

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

// Where each record stands after all that came later: the undo that took it back, and whether its
// bytes stand (an undo takes them back; an undo of that undo brings them again, and the record is
// then undone by none).
struct RecordStatus {
    quint32 undoneBy = 0;
    bool standing = false;
};
std::vector<RecordStatus> StatusOf(const std::vector<HistoryRecord>& records);

// The undo of record `number` of `records`, or with 0 of the newest that is done, stands and is
// no undo itself: a transaction that writes its old bytes back, recorded as an undo of it. Its
// grain is the field: each field the record changed (a number, a pointer, the enemy's item, a
// flag) is put back whole, only when all its bits still hold what the record wrote, and so is a
// name's text; bits no field owns are never written. A later change of another field, even one
// that shares a byte, is kept.
// Refused with nothing planned: no such record (NoSuchRecord), one that never went in whole
// (RecordNotDone), one a later undo took back (RecordTakenBack), or fields and names that no longer
// hold what it wrote (UndoFault::Overwritten, naming them in `landed`).
struct UndoPlan {
    const HistoryRecord* record = nullptr;
    Transaction writes;
    std::vector<HistoryRange> ranges; // as the undo will record them
};
Outcome PlanUndo(RomImage& rom, RecordReader& reader, const std::vector<HistoryRecord>& records,
                 quint32 number, UndoPlan* plan);
