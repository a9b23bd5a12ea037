#pragma once

#include "rom/romimage.h"

#include <QByteArray>
#include <QStringList>

struct ImportOptions {
    bool dryRun = false;
    bool names = false;  // write the name cells that differ, by the rules of the rename command
    bool shared = false; // a new name may change other entries that read the same text
};

// What an import did or, on a dry run, would do.
struct ImportResult {
    QStringList errors;  // "file:line:column: reason", or the one failed write
    QStringList changes; // one line per entry that changes: item 5 "Name": KEY OLD -> NEW, ...
    QStringList notes;   // edited names left unwritten without --names
    int entries = 0;
    int fields = 0;
    int bytes = 0;
    bool writeFailed = false; // the file refused a write after the checks passed
    // The entries, or parts of them, that are in the file ("item 5", "part of the name of item 3")
    // and, after a failed write, those that are not. With errors and nothing in `written`, the
    // file is as it was.
    QStringList written;
    QStringList notWritten;
};

// Reads a CSV or JSON table made by the export, checks every row and cell, and gives each row that
// differs from the image to the editors' own save checks, and with `names` each name that differs
// to the name writer. Only when all of that passes, and not on a dry run, are the fields that
// differ written, each entry in the order its editor writes it, then the names in the order of the
// rows. A write that fails stops the import there; the result says how far it came. `fileName`
// names the table file in messages.
ImportResult ImportTable(RomImage& rom, const QString& fileName, const QByteArray& content,
                         const ImportOptions& options);
