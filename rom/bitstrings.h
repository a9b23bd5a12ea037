#pragma once

#include <QString>

// Both kept as the system's interface, whether or not a caller uses them now.
namespace modStuff {

// The binary numeral of n, most significant digit first, without leading zeros ("0" for 0). A
// negative n gives the single digit of its bit 0. Callers pad on the left to the width they need.
QString ToBitString(qint32 n);

// Reads a bit string back, the rightmost character as bit 0. Each character counts as its decimal
// digit value (any non-digit as 0), so "12" gives 4. Throws RomError::Overflow as soon as the
// value leaves the signed 32-bit range.
qint32 FromBitString(const QString& s);

} // namespace modStuff
