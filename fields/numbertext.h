#pragma once

#include <QString>

#include <optional>

// The number texts of the editors' numeric fields.

// The lenient number parse. Blanks, tabs and line feeds are dropped wherever they stand. "&H" or
// "&O" (either case) starts a hexadecimal or octal constant: up to 0xFFFF it is a signed 16-bit
// quantity ("&HFFFF" is -1), up to 0xFFFFFFFF a signed 32-bit one; a "&" right after the digits
// makes any value up to 0xFFFFFFFF a signed 32-bit quantity ("&H8000&" is 32768). A constant
// beyond 32 bits reads as its unsigned value, so the entry rule pulls it down to the field's
// upper bound. Otherwise the longest decimal number at the start of the text is read (sign,
// digits, "." and digits, "E" and exponent); a decimal beyond the range of a double reads as the
// largest double of its sign. No number at the start reads as 0.
double LenientNumber(const QString& text);

// The canonical text of a number: whole numbers below 10^15 as plain digits ("-5", "0", "65535"),
// others with at most 15 significant digits, "." as the point and no trailing zeros ("1.5",
// "0.25", "1E+15"). LenientNumber of a canonical text gives a number with that same canonical
// text, which is what lets the entry rule settle.
QString CanonicalNumberText(double value);

// The strict conversion: the whole text must be one decimal number. Nothing for any other text.
std::optional<double> StrictNumber(const QString& text);

// Round to a whole number, a tie going to the even neighbour: 2.5 gives 2, 3.5 gives 4.
double RoundHalfEven(double value);

// The whole number a save stores for a field's text: the strict conversion, rounded half to even,
// and within 0..upper. Nothing when the text is no number or the rounded value lies outside.
std::optional<qint32> FieldValue(const QString& text, qint32 upper);

// A name pointer as both saves read it: the text in hexadecimal, up to the first character that is
// not a hexadecimal digit, taken unsigned ("8000" is 32768, "12G4" is 0x12, "" and "0x12" are 0).
// Nothing when the value lies outside 0..0xFFFF: more than four significant digits.
std::optional<qint32> PointerValue(const QString& text);

// A pointer as the editors show it: upper-case hexadecimal without prefix or leading zeros.
QString PointerText(qint32 pointer);

// Upper-case hexadecimal without prefix or leading zeros, the one form every hexadecimal text of
// the program builds on: "1810".
QString HexDigits(qint64 value);
// "0x1810": how offsets appear in messages.
QString HexOffset(qint64 offset);
