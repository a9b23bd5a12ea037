#pragma once

#include "rom/historyformat.h"
#include "rom/outcome.h"
#include "rom/result.h"
#include "rom/romimage.h"

#include <QString>
#include <QStringList>

#include <vector>

// The saves of an open image as the history window lists them, and the undo it offers. Both read
// the image once, as plain bytes, so that no read of the image layer can fail halfway through a
// listing or a plan.

// One save of the history, with its changes worded as `tolvane-cli history` words them.
struct ListedSave {
    quint32 number = 0;
    QString time; // local time of its making: "2026-12-09 08:01:02"
    MadeBy madeBy = MadeBy::Editor;
    HistoryState state = HistoryState::Done;
    quint32 undoes = 0;   // the save an undo took back
    quint32 undoneBy = 0; // the undo that took this one back, if it stands
    QStringList entries;  // "enemy 12", or "0x1A2B" for bytes outside the tables, each once
    QStringList changes;  // "enemy 12 "Moushmo": hp 78 -> 1023", one line per entry
};

// Every save of `image`'s history, oldest first, or why the history or the image cannot be read.
Result<std::vector<ListedSave>> ListSaves(RomImage& image);

// The saves of `saves` that changed `entry` ("enemy 12", as the entries read), by position in
// `saves`; every save when `entry` is empty.
std::vector<size_t> SavesOfEntry(const std::vector<ListedSave>& saves, const QString& entry);

// Undoes save `number` of `image`'s history as `tolvane-cli undo --save N` does: planned against
// the image as it stands, refused with nothing written when a bit that save changed no longer
// holds what it wrote, else written as one transaction recorded as an undo of it. `bytes` gets
// how many bytes were written.
Outcome UndoSave(RomImage& image, quint32 number, qint64* bytes);
