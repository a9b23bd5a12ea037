#pragma once

// The seam behind the save-and-reload figure that leaves the sync out. While a SyncSkipped lives,
// fsync and fdatasync in this process return at once without handing anything to the disk; the sync
// has a figure of its own, measured on the disk. This works because the benchmark defines fsync
// itself (syncskip.cpp): the image layer is linked in statically, so its call binds to that
// definition.
class SyncSkipped {
public:
    SyncSkipped();
    ~SyncSkipped();
    SyncSkipped(const SyncSkipped&) = delete;
    SyncSkipped& operator=(const SyncSkipped&) = delete;
};

// How many syncs were skipped so far: a figure taken without the sync checks that it rose, so a
// seam that stopped working cannot pass for a fast save.
long SkippedSyncs();
