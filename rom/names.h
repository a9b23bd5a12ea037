#pragma once

#include "rom/romimage.h"

#include <QString>

#include <map>

// Name text: bytes 0x80..0xFF are characters (code = byte - 0x80); a byte below 0x80 ends the
// name. A name is reached through a 16-bit pointer that counts from processor address 0x8000,
// behind the 16-byte header: offset = pointer - 0x7FF0.
inline constexpr qint32 PointerBias = 0x7FF0;
inline constexpr int MaxNameLength = 32767;

namespace modStuff {

// The name at `pointer`. Throws RomError::BadOffset for a pointer below 0x7FF0 and
// RomError::Overflow for a name of more than 32767 characters. Kept as the system's interface.
QString ReadName(RomImage& rom, qint32 pointer);

} // namespace modStuff

// Name bytes by offset: what a rename writes, and what the renames planned before it in the same
// run will have written, so that several renames of one import see each other.
using NameBytes = std::map<qint64, quint8>;

// A name as the file holds it with `pending` bytes laid over it.
struct StoredName {
    QString text;         // read up to its end byte or MaxNameLength characters
    qint64 end = 0;       // the offset of the byte that ends it
    quint8 endByte = 0;   // the byte there: below 0x80, or a character when tooLong
    bool tooLong = false; // a character stands where the longest name must have ended
};

// The name at ROM offset `offset`, which must not be negative.
StoredName ScanStoredName(RomImage& rom, qint64 offset, const NameBytes& pending = {});

// The same over bytes in memory, which read as 0 past their end; `offset` must lie inside them.
StoredName ScanNameBytes(QByteArrayView bytes, qint64 offset);

// ScanStoredName's text and tooLong alone.
QString ScanName(RomImage& rom, qint64 offset, bool* tooLong);

// The name at `pointer`, or an empty text where ReadName would fail: loads use it so that one
// unreadable name never stops the entries after it.
QString ReadNameOrEmpty(RomImage& rom, qint32 pointer);

// A name as text for a terminal: every control character (C0, DEL and C1) shown as an escape,
// "\r", "\n", "\t" or "\x1B", so that no name can move the cursor, erase its own line or start
// an escape sequence. CSV and JSON carry names as they are; this is for lines a person reads.
QString TerminalName(const QString& name);
// A name inside markdown: a backslash before every character that markdown reads as structure
// (emphasis, links, headings, tables, HTML), then TerminalName's escapes, so a name stays one run
// of text on its line.
QString MarkdownName(const QString& name);

// A list line: the name, then " [", the index as three digits, "]": "Abc [007]".
QString ListEntryText(const QString& name, int index);
