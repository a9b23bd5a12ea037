#pragma once

#include "rom/historyfile.h"
#include "rom/outcome.h"
#include "rom/result.h"
#include "rom/romimage.h"
#include "tables/netchanges.h"
#include "tables/original.h"
#include "tables/recoverednames.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// What one opening of an image holds beyond the three process-wide names, modStuff's RomFile and
// RomPath and ItemNames: the original that the marks compare the image with (its history as far
// as it was read, or the base given with `tolvane --base`), and the one sequence that opens an
// image and puts right a save that a crash cut short, which the editor and tolvane-cli both go
// through. The editor's main window owns one and hands it to every window it opens.

// An image just opened, and what its opening did with a save cut short.
struct OpenedImage {
    std::unique_ptr<RomImage> image;
    Recovery recovery;
    // The entries of the record it found, named for the messages; none when nothing was pending.
    RecoveredEntries entries;
};

class ImageOpening {
public:
    using Opener = std::function<Result<std::unique_ptr<RomImage>>(const QString& path)>;

    // Opens the image at `path` through `open`, then finishes a save of its history that was cut
    // short, or with `write` false only reports it, naming its entries as `tables` read them;
    // `recovery.torn` says the tables must not be read. Refused, with the image closed again: it
    // cannot be opened (ImageNotOpened, the open's outcome as its cause), or with a `limit`, it is
    // longer than that (FileTooLarge) or its length cannot be read. No backup is made: the image
    // must not be copied half-written.
    static Result<OpenedImage> Open(const QString& path, bool write, const Tables& tables,
                                    const Opener& open = OpenRomImage, qint64 limit = 0);

    // From now on, compare with the image at `path` instead of the history; empty for the history.
    void setBase(const QString& path);
    // Why the base cannot stand for the original of `rom`: it cannot be opened (`file` names it),
    // or its size differs (SizesDiffer). None without a base, or with one that fits. The marks then
    // show nothing: marks against anything but the base asked for would mislead.
    Outcome baseFault(const RomImage& rom) const;
    // Every field and name of `table` that differs from the original as `rom` stands now, the
    // image and the base each read whole once; none when there is no original, or an image
    // cannot be read: marks are a help, and a load says why it could not read.
    QList<NetChange> changes(RomImage& rom, Table table);

private:
    Result<std::unique_ptr<RomImage>> baseFor(const RomImage& rom) const;
    const OriginalBytes* historyOriginal(const RomImage& rom, qint64 size);

    QString m_base;
    // The original as far as the history has been read: a later load reads only what was
    // appended since, so that a Save's reload does not read a long history again.
    struct HistorySeen {
        HistoryReader reader;
        OriginalBytes original;
    };
    std::optional<HistorySeen> m_seen;
};
