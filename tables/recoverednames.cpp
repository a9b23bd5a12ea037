#include "tables/recoverednames.h"

#include "tables/heldimage.h"
#include "tables/historyview.h"

RecoveredEntries RecoveredEntriesOf(RomImage& image, const Tables& tables, const Recovery& r) {
    RecoveredEntries names;
    // An image that cannot be read names no entry: the save is then told by its number alone.
    const auto held = HoldImage(image);
    if (!held)
        return names;
    RecordReader reader(**held, tables);
    names.all = reader.entries(r.record.ranges);
    if (!r.torn)
        return names;
    if (const auto runs = SplitLanded(**held, r.record)) {
        names.saved = reader.entries(runs->saved);
        names.before = reader.entries(runs->before);
    }
    return names;
}
