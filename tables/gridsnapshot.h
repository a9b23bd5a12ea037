#pragma once

#include "rom/result.h"
#include "rom/romimage.h"
#include "tables/namewriter.h"
#include "tables/tablerows.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

// One table as one read of the image found it, decoded from plain bytes: what the table window
// shows and plans its save over.
struct GridSnapshot {
    Table table = nullptr;
    QByteArray image; // the whole image
    // Per entry: its bytes, its fields' values in the order of the table's fields, its name.
    std::vector<QByteArray> entries;
    std::vector<std::vector<qint32>> values;
    QStringList names;
    // Every entry of `tables` that reaches a name, as NameHolders lists them: whose text a
    // rename may share.
    Tables tables;
    QList<NameHolder> holders;

    int count() const { return int(entries.size()); }
};

// Reads the image once and decodes `table` from it. Refused when the file cannot be read, or is
// too short to hold the table (ShortFile, naming the last entry it cuts off).
Result<GridSnapshot> ReadGridSnapshot(RomImage& rom, Table table, const Tables& tables);

// The name at `pointer` in `image`, as the editors show it: empty below 0x7FF0 or past the end, and
// cut at the longest name the readers accept.
QString NameInBytes(const QByteArray& image, qint32 pointer);
