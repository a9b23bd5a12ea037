#include "tables/recovery.h"

#include "rom/imagecalls.h"
#include "tables/transaction.h"

namespace {

enum class Holds { New, Old, Both, Other };

// What the image holds in the record's ranges: all new bytes, all old, each byte one or the other
// (a write cut short), or some byte that is neither. A range that does not lie wholly inside the
// image was never written into it: no transaction extends a file, so such a record is another
// image's, or the image was cut short since.
Result<Holds> classify(RomImage& rom, const HistoryRecord& record) {
    const auto size = ImageSize(rom);
    if (!size)
        return size.failure();
    for (const HistoryRange& range : record.ranges)
        if (range.offset < 0 || range.before.size() > *size - range.offset)
            return Holds::Other;
    bool anyNew = false, anyOld = false;
    for (const HistoryRange& range : record.ranges) {
        const auto read = ImageBytes(rom, range.offset, range.before.size());
        if (!read)
            return read.failure();
        const QByteArray& now = *read;
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

// Whether the image holds the record's writes cut short halfway: read as it stands, an entry would
// be neither as before nor as saved. An image that cannot be read is left to its reader to report.
bool tornNow(RomImage& rom, const HistoryRecord& record) {
    rom.refresh();
    const auto holds = classify(rom, record);
    return holds && *holds == Holds::Both;
}

} // namespace

Result<LandedRuns> SplitLanded(RomImage& rom, const HistoryRecord& record) {
    LandedRuns runs;
    const auto size = ImageSize(rom);
    if (!size)
        return size.failure();
    for (const HistoryRange& range : record.ranges) {
        if (range.offset < 0 || range.before.size() > *size - range.offset)
            continue;
        const auto read = ImageBytes(rom, range.offset, range.before.size());
        if (!read)
            return read.failure();
        const QByteArray& now = *read;
        std::vector<HistoryRange>* open = nullptr;
        for (qsizetype k = 0; k < now.size(); ++k) {
            const bool isNew = now[k] == range.after[k], isOld = now[k] == range.before[k];
            // A byte the record leaves as it was tells nothing and goes on with the run.
            std::vector<HistoryRange>* into = isNew && isOld ? open
                                              : isNew        ? &runs.saved
                                              : isOld        ? &runs.before
                                                             : nullptr;
            if (into && into == open) {
                into->back().before += range.before[k];
                into->back().after += range.after[k];
            } else if (into) {
                into->push_back({range.offset + k, range.before.mid(k, 1), range.after.mid(k, 1)});
            }
            open = into;
        }
    }
    return runs;
}

class RecoveryWriter {
public:
    static WriteKey key() { return {}; }
};

Outcome PutBack(RomImage& rom, const std::vector<HistoryRange>& ranges) {
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range)
        if (Outcome failed =
                RestoreImageBytes(RecoveryWriter::key(), rom, range->offset, range->before);
            failed.failed())
            return failed;
    return SyncImage(rom);
}

Recovery RecoverPending(RomImage& rom, HistoryFile& history) {
    Recovery r;
    if (!history.tail().pending)
        return r;
    r.record = *history.tail().pending;
    HistoryState state = HistoryState::RolledBack;
    // Left as it is, reported with why; a reader must not take a torn entry for one that stands.
    const auto failed = [&](const Outcome& why) {
        r.fault = why;
        r.action = RecoveryAction::Reported;
        r.held = RecoveryHeld::Failed;
        r.torn = tornNow(rom, r.record);
        return r;
    };
    rom.refresh();
    const auto holds = classify(rom, r.record);
    if (!holds)
        return failed(holds.failure());
    switch (*holds) {
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
        if (const Outcome put = PutBack(rom, r.record.ranges); put.failed())
            return failed(put);
        r.action = RecoveryAction::RolledBack;
        break;
    }
    // What the bytes read may still be only in the system's cache: a killed writer's last
    // writes (PutBack syncs the old bytes it puts back itself). A mark says they are in, so
    // they go to the disk first. A Left mark says nothing of the bytes.
    if (state != HistoryState::Left && r.action != RecoveryAction::RolledBack)
        if (const Outcome synced = SyncImage(rom); synced.failed())
            return failed(synced);
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
    // Left as it is; a reader must not take a torn entry for one that stands.
    const auto reported = [&](RecoveryHeld held, Outcome why = {}) {
        r.action = RecoveryAction::Reported;
        r.held = held;
        r.fault = why;
        r.record = *reading.tail.pending;
        r.torn = tornNow(rom, r.record);
        return r;
    };
    if (!write)
        return reported(RecoveryHeld::NotAsked);
    if (rom.isReadOnly())
        return reported(RecoveryHeld::ReadOnly);
    // Another writer of ours may be in the middle of this very transaction: wait for it.
    const WriterLock lock(rom);
    if (lock.heldByAnother())
        return reported(RecoveryHeld::Locked);
    HistoryFile history(rom);
    if (Outcome opened = history.open(); opened.failed())
        return reported(RecoveryHeld::Failed, opened);
    return RecoverPending(rom, history);
}
