#pragma once

#include "rom/historyfile.h"
#include "rom/outcome.h"
#include "rom/romimage.h"

// Finishing a transaction that a crash, a kill or a power loss cut short. Its record, begun and
// never marked, holds the old and the new bytes of every range it writes; the image tells how far
// the writes went.

enum class RecoveryAction {
    None,         // nothing was pending
    Finished,     // every byte was new: the record is marked done
    NeverWritten, // every byte was old: the record is marked rolled back
    RolledBack,   // some were new: the old bytes were put back and synced, and the record marked so
    Left,         // bytes that are neither stand there (another program's, or another image's):
                  // nothing was written into the image
    Reported,     // not put right (see RecoveryHeld): the record is left pending
};

// Why a pending record was left as it is.
enum class RecoveryHeld {
    NotAsked, // the command only reads, or only reports (a dry run)
    ReadOnly, // the image is open for reading only
    Locked,   // another writer of ours kept it for longer than a writer waits
    Failed,   // `fault` says why: the history or the image could not be written
};

struct Recovery {
    RecoveryAction action = RecoveryAction::None;
    RecoveryHeld held = RecoveryHeld::NotAsked; // with Reported
    HistoryRecord record;
    // Why the history could not be read, or the recovery could not be done or recorded; `action`
    // says how far it came.
    Outcome fault;
    // Reported, and the image holds some of the record's new bytes and some of its old: an entry
    // read as it stands would be neither as before nor as saved, so nothing may read the tables.
    bool torn = false;
};

// Finishes the pending record of the image's history, if there is one; with `write` false, or an
// image open for reading only, it only reports it. It reads no more than the end of the history
// when nothing is pending. Safe to repeat after a crash in the middle of it: every step leaves
// bytes the next one reads right. No backup is made: the image must not be copied half-written.
Recovery RecoverImage(RomImage& rom, bool write);

// The same, for a writer that holds the image's lock and has its history open.
Recovery RecoverPending(RomImage& rom, HistoryFile& history);

// The record's ranges cut into runs by what the image holds there now: its new bytes (`saved`),
// or its old (`before`). A byte the record leaves as it was is in neither; a byte that is neither
// ends a run. An entry with runs in both lists is torn; one in only one reads as that list says.
// The image's failure when it cannot be read.
struct LandedRuns {
    std::vector<HistoryRange> saved, before;
};
Result<LandedRuns> SplitLanded(RomImage& rom, const HistoryRecord& record);

// Puts back the before bytes of `ranges`, newest first, each range in one write, and syncs them:
// the one way a save's old bytes go back, whether its own write failed or a recovery undoes what a
// crash left. The image's failure when it refuses it.
Outcome PutBack(RomImage& rom, const std::vector<HistoryRange>& ranges);
