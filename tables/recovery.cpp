#include "tables/recovery.h"

#include "tables/transaction.h"

namespace {

enum class Holds { New, Old, Both, Other };

// What the image holds in the record's ranges: all new bytes, all old, each byte one or the other
// (a write cut short), or some byte that is neither.
Holds classify(RomImage& rom, const HistoryRecord& record) {
    bool anyNew = false, anyOld = false;
    for (const HistoryRange& range : record.ranges) {
        const QByteArray now = rom.bytes(range.offset, range.before.size());
        for (qsizetype k = 0; k < now.size(); ++k) {
            const bool isNew = now[k] == range.after[k];
            const bool isOld = now[k] == range.before[k];
            if (!isNew && !isOld)
                return Holds::Other;
            // A byte the record leaves as it was tells nothing.
            anyNew = anyNew || (isNew && !isOld);
            anyOld = anyOld || (isOld && !isNew);
        }
    }
    if (anyNew && anyOld)
        return Holds::Both;
    return anyNew ? Holds::New : Holds::Old;
}

} // namespace

Recovery RecoverPending(RomImage& rom, HistoryFile& history) {
    Recovery r;
    if (!history.tail().pending)
        return r;
    r.record = *history.tail().pending;
    HistoryState state = HistoryState::RolledBack;
    try {
        rom.refresh();
        switch (classify(rom, r.record)) {
        case Holds::New:
            r.action = RecoveryAction::Finished;
            state = HistoryState::Done;
            break;
        case Holds::Old:
            r.action = RecoveryAction::NeverWritten;
            break;
        case Holds::Other:
            r.action = RecoveryAction::Left;
            state = HistoryState::Left;
            break;
        case Holds::Both:
            // Newest first, as a rollback goes; each range in one write.
            for (auto range = r.record.ranges.rbegin(); range != r.record.ranges.rend(); ++range)
                rom.restore(range->offset, range->before);
            rom.sync();
            r.action = RecoveryAction::RolledBack;
            break;
        }
    } catch (const RomError& e) {
        r.fault = e.outcome();
        return r;
    }
    // Without a sync: lost, the mark is made again by the next opening, which finds the same bytes.
    r.fault = history.append(EncodeMark(r.record.number, state));
    return r;
}

Recovery RecoverImage(RomImage& rom, bool write) {
    Recovery r;
    if (!rom.keepsHistory())
        return r;
    HistoryReading reading = ReadHistory(rom.historyPath(), true);
    if (reading.fault.failed()) {
        reading.fault.file = rom.path();
        r.fault = reading.fault;
        return r;
    }
    if (!reading.tail.pending)
        return r;
    const auto reported = [&] {
        r.action = RecoveryAction::Reported;
        r.record = *reading.tail.pending;
        return r;
    };
    if (!write || rom.isReadOnly())
        return reported();
    // Another writer of ours may be in the middle of this very transaction: wait for it.
    const WriterLock lock(rom);
    if (lock.heldByAnother())
        return reported();
    HistoryFile history(rom);
    if (r.fault = history.open(); r.fault.failed())
        return r;
    return RecoverPending(rom, history);
}
