#pragma once

#include "rom/result.h"

#include <QByteArray>

// IPS patches: "PATCH", then records of a 3-byte offset and a 2-byte size (big-endian) followed by
// that many bytes, or, with size 0, a 2-byte run length and the one byte to repeat; then "EOF",
// optionally followed by a 3-byte length to which the result is cut.

// The patch that turns `source` into `target`; refused when the target is too long for the
// format's 3-byte offsets, or too long for its 3-byte length to cut a longer source to.
Result<QByteArray> MakeIps(const QByteArray& source, const QByteArray& target);

// `source` with the patch applied; refused when the patch is not IPS, is cut short, or carries
// anything after its end but a 3-byte length. The outcome's `file` is left to the caller.
Result<QByteArray> ApplyIps(const QByteArray& patch, const QByteArray& source);

// The offset that spells "EOF": a record cannot start there, a reader would take it for the end.
inline constexpr qint64 IpsEofOffset = 0x454F46;
