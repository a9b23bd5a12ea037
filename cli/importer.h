#pragma once

#include "rom/romimage.h"

#include <QByteArray>
#include <QStringList>

// What an import did or, on a dry run, would do.
struct ImportResult {
    QStringList errors;  // "file:line:column: reason"; any error means nothing was written
    QStringList changes; // one line per entry that changes: item 5 "Name": cost 100 -> 120
    QStringList notes;   // edited names, which are never written
    int entries = 0;
    int fields = 0;
    int bytes = 0;
    bool writeFailed = false; // the file refused a write after the checks passed
};

// Reads a CSV or JSON table made by the export, checks every row and cell, and gives each row that
// differs from the image to the editors' own save checks. Only when all of that passes, and not on
// a dry run, are the fields that differ written, each entry in the order its editor writes it.
// `fileName` names the table file in messages.
ImportResult ImportTable(RomImage& rom, const QString& fileName, const QByteArray& content,
                         bool dryRun);
