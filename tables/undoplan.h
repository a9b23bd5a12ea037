#pragma once

#include "rom/historyformat.h"
#include "rom/outcome.h"
#include "rom/romimage.h"
#include "tables/historyview.h"
#include "tables/transaction.h"

#include <vector>

// What an undo of a recorded transaction writes, and where each record stands after the undos
// that came later.

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
