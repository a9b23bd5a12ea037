#pragma once

#include "tables/tablerows.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What can be told about an image from its bytes alone, before anything is written to it: its
// iNES header, its checksums, and whether the two tables sit where the editors read them.

inline constexpr int InesHeaderSize = 16;
// The largest image the tables can be in: an iNES file's program and character banks reach a few
// MiB at most. A larger file is no image of the game and is refused before any of it is read.
inline constexpr qint64 LargestImageBytes = qint64(16) << 20;

enum class Mirroring { Horizontal, Vertical, FourScreen };

struct InesHeader {
    qint64 prgBytes = 0; // whole 16 KiB banks, except in NES 2.0's exponent form
    qint64 chrBytes = 0; // whole 8 KiB banks, likewise
    int mapper = 0;      // from the high nibbles of bytes 6 and 7 only
    Mirroring mirroring = Mirroring::Horizontal;
    bool battery = false;
    bool trainer = false; // 512 bytes between the header and the program data
    bool nes2 = false;

    qint64 declaredSize() const {
        return InesHeaderSize + (trainer ? 512 : 0) + prgBytes + chrBytes;
    }
};

// The header, when the file holds all 16 bytes of one and begins with "NES" and 0x1A.
std::optional<InesHeader> ReadInesHeader(QByteArrayView bytes);

struct Checksums {
    QString crc32; // 8 lower-case hex digits
    QString sha1;  // 40 lower-case hex digits
};
Checksums ChecksumsOf(QByteArrayView bytes);

struct TableFacts {
    int entries = 0;
    int entriesInside = 0;  // wholly inside the file
    int pointersInside = 0; // of those entries, name pointers that lead into the file
    int printableNames = 0; // of those, names of at least one character, each 0x20..0x7E
};
// The facts of `table` in an image's bytes.
TableFacts InspectTable(QByteArrayView bytes, Table table);

// The tables look like the ones the editors know when every entry lies inside the file and at
// least 3 in 4 names of each table are printable. Random bytes give about one printable name in
// six; a name table the editors know gives nearly all.
bool LooksRight(const TableFacts& facts);
// The printable names that takes: 3 in 4 of the table's entries, rounded up.
int PrintableNamesNeeded(const TableFacts& facts);
