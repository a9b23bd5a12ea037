// A save, an import, a rename and an undo each change the image as one transaction. What holds
// for every transaction, and what the code below and recovery keep true:
//
//  1. Nothing changes the image's bytes but a transaction or recovery: only they can make the
//     WriteKey that every call that writes asks for.
//  2. A refused transaction writes nothing: every check (read-only, replaced, gone, too short,
//     changed on disk, locked) is made before the first write, and none after.
//  3. One writer of ours at a time: the writers' lock is held from the refresh that reads what the
//     file holds to the last mark.
//  4. A pending record of another writer's is put right before this one compares any bytes.
//  5. The record, with the before and after bytes of every range, is synced before the first byte
//     of the image changes.
//  6. The backup is the image as it was before the command's first write: it is copied before the
//     record is appended and placed over the older one only once the record is on disk.
//  7. The image is synced before any mark that says its bytes are in (D), and before recovery's
//     R; an L mark says nothing of the bytes and needs no sync.
//  8. A failed write or sync puts the old bytes back through PutBack, from the record's before
//     bytes, the same way recovery does; what cannot go back is reported as it stands, and the
//     record stays pending for the next opening.
//  9. Every step may be cut short by a crash: the next opening reads the record and the bytes and
//     finishes or undoes the transaction, so an entry reads either as before or as saved.

#include "tables/transaction.h"

#include "rom/historyfile.h"
#include "rom/imagecalls.h"
#include "tables/recovery.h"

#include <QDateTime>

#include <limits>
#include <vector>

class TransactionWriter {
public:
    static WriteKey key() { return {}; }
};

namespace {

Outcome entryFault(Fault fault, const QString& entry, const RomImage& rom) {
    Outcome o;
    o.fault = fault;
    o.entry = entry;
    o.file = rom.path();
    return o;
}

Outcome withEntry(Outcome o, const QString& entry, bool name = false) {
    o.entry = entry;
    o.name = name;
    return o;
}

// What stood at `offset` before the transaction, as its ranges hold it.
quint8 beforeByte(const std::vector<HistoryRange>& ranges, qint64 offset) {
    for (const HistoryRange& range : ranges)
        if (offset >= range.offset && offset < range.offset + range.before.size())
            return quint8(range.before[offset - range.offset]);
    return 0;
}

// Puts the old bytes back after `attempted` writes: whether all of it went through. With no write
// tried, nothing needs putting back.
bool rollBack(RomImage& rom, const std::vector<HistoryRange>& ranges, size_t attempted) {
    return attempted == 0 || PutBack(rom, ranges).ok();
}

// The failure once the old bytes could not all go back: how many bytes of each field (of a lone
// part) or of each part hold the new values, as the file now reads. Only a byte that differs from
// before makes it WrittenInPart, or NotSynced when every byte is new; with none, it is `failure`
// itself, nothing written, and the record is left for the next opening to look at again.
Outcome whatStands(RomImage& rom, const Transaction& t, const std::vector<HistoryRange>& ranges,
                   size_t attempted, const Outcome& failure, Outcome inPart) {
    rom.refresh();
    const bool byField = t.parts.size() == 1;
    size_t k = 0;
    int changed = 0;
    for (const WritePart& part : t.parts) {
        for (const ByteWrite& write : part.writes) {
            const size_t done = k++;
            const QString field = byField ? write.field : QString();
            if (inPart.landed.isEmpty() || inPart.landed.back().entry != part.entry ||
                inPart.landed.back().field != field)
                inPart.landed << Landed{part.entry, field, part.name, 0, 0};
            Landed& landed = inPart.landed.back();
            landed.of += 1;
            if (done >= attempted)
                continue;
            const auto now = ImageBytes(rom, write.offset, 1);
            // Unreadable: it may well have landed.
            landed.bytes += !now || quint8(now->at(0)) != beforeByte(ranges, write.offset) ? 1 : 0;
        }
    }
    for (const Landed& landed : inPart.landed)
        changed += landed.bytes;
    if (changed == 0)
        return failure;
    if (changed == int(k) && inPart.fault == SaveFault::NotSynced)
        return inPart;
    inPart.fault = SaveFault::WrittenInPart;
    return inPart;
}

} // namespace

bool Transaction::empty() const {
    for (const WritePart& p : parts)
        if (!p.writes.empty())
            return false;
    return true;
}

Outcome CheckEntryWritable(RomImage& rom, const QString& entry, qint64 base, int size) {
    if (rom.isReadOnly())
        return entryFault(SaveFault::ReadOnly, entry, rom);
    switch (rom.pathState()) {
    case RomImage::PathState::Replaced:
        return entryFault(SaveFault::Replaced, entry, rom);
    case RomImage::PathState::Gone:
        return entryFault(SaveFault::Gone, entry, rom);
    case RomImage::PathState::Same:
        break;
    }
    const auto fileSize = ImageSize(rom);
    if (!fileSize)
        return withEntry(fileSize.failure(), entry);
    const qint64 length = *fileSize;
    if (base + size > length) {
        Outcome o = entryFault(SaveFault::ShortFile, entry, rom);
        o.first = base;
        o.last = base + size - 1;
        o.length = length;
        return o;
    }
    return {};
}

Result<std::vector<HistoryRange>> RangesOf(RomImage& rom, const Transaction& t) {
    std::vector<HistoryRange> ranges;
    for (const WritePart& part : t.parts) {
        if (part.writes.empty())
            continue;
        qint64 first = part.base;
        qint64 end = part.base + part.expected.size();
        for (const ByteWrite& write : part.writes) {
            first = std::min(first, write.offset);
            end = std::max(end, write.offset + 1);
        }
        auto now = ImageBytes(rom, first, end - first);
        if (!now)
            return now.failure();
        HistoryRange range{first, *std::move(now), {}};
        range.after = range.before;
        for (const ByteWrite& write : part.writes)
            range.after[write.offset - first] = char(write.value);
        ranges.push_back(std::move(range));
    }
    return ranges;
}

Outcome ApplyTransaction(RomImage& rom, const Transaction& t) {
    if (t.empty())
        return {};
    for (const WritePart& part : t.parts)
        if (!part.writes.empty())
            if (Outcome refused =
                    CheckEntryWritable(rom, part.entry, part.base, int(part.expected.size()));
                refused.failed())
                return withEntry(refused, part.entry, part.name);
    const QString first = t.parts.front().entry;
    const bool firstIsName = t.parts.front().name;
    const auto refuse = [&](const Outcome& o) { return withEntry(o, first, firstIsName); };
    const WriterLock lock(rom);
    if (lock.heldByAnother())
        return refuse(entryFault(SaveFault::Locked, first, rom));
    std::optional<HistoryFile> history;
    HistoryRecord record;
    // What the file holds now, after any other writer of ours.
    rom.refresh();
    // Whatever a writer of ours killed here before left beside the image goes first.
    rom.removeStaleTemporaries();
    if (rom.keepsHistory()) {
        history.emplace(rom);
        if (const Outcome opened = history->open(); opened.failed())
            return refuse(opened);
        // Another writer's transaction cut short: put right before the bytes are compared.
        if (history->tail().pending)
            if (const Recovery recovered = RecoverPending(rom, *history); recovered.fault.failed())
                return refuse(recovered.fault);
        // The next number would wrap to 0, and numbers would then repeat.
        if (const quint32 last = history->tail().lastNumber;
            last == std::numeric_limits<quint32>::max())
            return refuse(Outcome{.fault = HistoryFault::NotWritten,
                                  .file = rom.path(),
                                  .other = rom.historyPath(),
                                  .record = last});
    }
    Outcome changed = entryFault(SaveFault::ChangedOnDisk, first, rom);
    for (const WritePart& part : t.parts) {
        if (part.expected.isEmpty())
            continue;
        const auto now = ImageBytes(rom, part.base, part.expected.size());
        if (!now)
            return refuse(now.failure());
        if (*now != part.expected)
            changed.landed << Landed{part.entry, {}, part.name, 0, 0};
    }
    if (!changed.landed.isEmpty()) {
        changed.entry = changed.landed.front().entry;
        changed.name = changed.landed.front().name;
        return changed;
    }
    // Copied and synced now, but put in place of the older backup only once the record is
    // on disk: a command that writes nothing leaves the older one.
    if (const Outcome failed = PrepareImageBackup(rom); failed.failed())
        return refuse(failed);
    auto read = RangesOf(rom, t);
    if (!read)
        return refuse(read.failure());
    const std::vector<HistoryRange> ranges = *std::move(read);
    if (history) {
        const QDateTime now = QDateTime::currentDateTime();
        record = HistoryRecord{.number = history->tail().lastNumber + 1,
                               .time = now.toMSecsSinceEpoch(),
                               .utcOffset = now.offsetFromUtc(),
                               .madeBy = t.madeBy,
                               .undoes = t.undoes,
                               .ranges = ranges};
    }
    // Unsynced: if it is lost, the next opening finds the old bytes and marks the record itself.
    // So a mark that cannot be appended is not reported: the failure the caller hears is the one
    // that stopped the transaction, and the image holds the old bytes either way.
    const auto markRolledBack = [&] {
        if (history)
            (void)history->append(EncodeMark(record.number, HistoryState::RolledBack));
    };
    // The old bytes are on disk before any new one is written: a crash from here on leaves a
    // record that tells the next opening what to put back.
    if (history) {
        if (const Outcome appended = history->append(EncodeRecord(record)); appended.failed())
            return refuse(appended);
        if (const Outcome synced = history->sync(); synced.failed()) {
            markRolledBack();
            return refuse(synced);
        }
    }
    if (const Outcome failed = PlaceImageBackup(rom); failed.failed()) {
        markRolledBack();
        return refuse(failed);
    }

    size_t attempted = 0; // writes tried, the failed one among them: it may still have landed
    for (const WritePart& part : t.parts) {
        for (const ByteWrite& write : part.writes) {
            ++attempted;
            if (const Outcome failed = WriteImageByte(TransactionWriter::key(), rom,
                                                      qint32(write.offset), write.value);
                failed.failed()) {
                const Outcome failure = withEntry(failed, part.entry, part.name);
                if (rollBack(rom, ranges, attempted)) {
                    markRolledBack();
                    return failure;
                }
                // The record stays pending: the next opening puts the old bytes back.
                Outcome o = withEntry(entryFault(SaveFault::WrittenInPart, part.entry, rom),
                                      part.entry, part.name);
                o.field = write.field;
                o.cause << failure;
                return whatStands(rom, t, ranges, attempted, failure, o);
            }
        }
    }
    if (const Outcome failed = SyncImage(rom); failed.failed()) {
        // A failed sync is not tried again: what it did not hand over may be lost already.
        const Outcome failure = refuse(failed);
        if (rollBack(rom, ranges, attempted)) {
            markRolledBack();
            return failure;
        }
        Outcome o = entryFault(SaveFault::NotSynced, first, rom);
        o.cause << failure;
        return whatStands(rom, t, ranges, attempted, failure, o);
    }
    // Needs no sync of its own: without it, the next opening finds the new bytes, syncs them and
    // marks the record done itself. So a mark that cannot be appended is no failure of the
    // transaction, whose bytes are in and synced, and is not reported.
    if (history)
        (void)history->append(EncodeMark(record.number, HistoryState::Done));
    return {};
}
