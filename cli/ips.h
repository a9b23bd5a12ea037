#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// IPS patches: "PATCH", then records of a 3-byte offset and a 2-byte size (big-endian) followed by
// that many bytes, or, with size 0, a 2-byte run length and the one byte to repeat; then "EOF",
// optionally followed by a 3-byte length to which the result is cut.

// The patch that turns `source` into `target`. Nothing, with the reason, when the target is too
// long for the format's 3-byte offsets, or too long for its 3-byte length to cut a longer source
// to.
std::optional<QByteArray> MakeIps(const QByteArray& source, const QByteArray& target,
                                  QString* error);

// `source` with the patch applied. Nothing, with the reason, when the patch is not IPS, is cut
// short, or carries anything after its end but a 3-byte length.
std::optional<QByteArray> ApplyIps(const QByteArray& patch, const QByteArray& source,
                                   QString* error);

// The offset that spells "EOF": a record cannot start there, a reader would take it for the end.
inline constexpr qint64 IpsEofOffset = 0x454F46;
