#pragma once

#include "rom/romimage.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QStringList>

// The entries of a record that an opening found cut short, named for the messages about it, so
// that the texts need not read the image themselves.
struct RecoveredEntries {
    // Every entry the record writes, as the tables read them now; none when the image cannot be
    // read.
    QStringList all;
    // Of those, the entries whose bytes now read wholly as saved, and wholly as before the save
    // (an entry in both is torn); found only for a record the image holds cut short halfway.
    QStringList saved, before;
};
RecoveredEntries RecoveredEntriesOf(RomImage& image, const Tables& tables, const Recovery& r);
