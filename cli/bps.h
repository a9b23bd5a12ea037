#pragma once

#include "rom/result.h"

#include <QByteArray>

// BPS patches: "BPS1", the source size, the target size and the metadata size as variable-length
// numbers, the metadata, a stream of actions that build the target, then the CRC32 of the source,
// of the target and of the patch up to that point, each 4 bytes little-endian.

// The patch that turns `source` into `target`. Bytes equal at the same position are read from the
// source, all others carried in the patch.
QByteArray MakeBps(const QByteArray& source, const QByteArray& target);

// `source` with the patch applied; refused when the patch is not BPS, is damaged or cut short (its
// own checksum), was made for another file (size or checksum of the source), or its actions reach
// outside the files or do not yield the target it names (size or checksum). The outcome's `file`
// and `other` are left to the caller.
Result<QByteArray> ApplyBps(const QByteArray& patch, const QByteArray& source);

// The CRC32 used in the footer, from zlib.
quint32 Crc32(const QByteArray& bytes);
