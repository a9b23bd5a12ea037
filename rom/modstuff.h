#pragma once

#include "rom/romimage.h"

#include <QString>

#include <memory>

// The shared procedures of the editor: the four image primitives, the name reader and the bit
// strings (names.h, bitstrings.h), and the one open image.
namespace modStuff {

// The image chosen in the open dialog and the file behind it; RomFile is null before the first
// open. Only the main window's open sequence replaces them.
extern QString RomPath;
extern std::unique_ptr<RomImage> RomFile;

// When another program has saved the image by writing a new file and renaming it over RomPath,
// opens that new file as RomFile, so that what is shown and saved is the image as it now stands;
// a backup is made before its first write as for the old one. Whether it did: a new file that
// cannot be opened leaves the old one current, and every save through it is refused.
bool ReopenIfReplaced();

// The four primitives are kept as the system's interface, whether or not a caller uses each now.
// Offsets count from the first byte of the file, the 16-byte header included. A read at or past
// the end gives 0; a negative offset fails with RomError::BadOffset; an offset whose last byte
// would be 0x7FFFFFFF or beyond fails with RomError::Overflow. A failed call changes nothing.
quint8 ReadByte(RomImage& rom, qint32 offset);
// Low byte at offset, high byte at offset + 1.
qint32 ReadWord(RomImage& rom, qint32 offset);
void WriteByte(const WriteKey& key, RomImage& rom, qint32 offset, quint8 value);
// value must lie in 0..65535, else RomError::Overflow and nothing is written.
void WriteWord(const WriteKey& key, RomImage& rom, qint32 offset, qint32 value);

} // namespace modStuff
