#include "fields/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double Largest = std::numeric_limits<double>::max();

// The text with blanks, tabs and line feeds dropped, as plain ASCII; any other character becomes
// '?', which ends every number.
std::string compact(const QString& text) {
    std::string s;
    s.reserve(size_t(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        s.push_back(u < 0x80 ? char(u) : '?');
    }
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int radix) {
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

// "&H..." or "&O..." from position 2 of s.
double radixConstant(const std::string& s, int radix) {
    quint64 value = 0;
    bool beyond32 = false;
    double magnitude = 0;
    size_t i = 2;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], radix);
        if (d < 0)
            break;
        magnitude = std::min(magnitude * radix + d, Largest);
        if (!beyond32) {
            value = value * quint64(radix) + quint64(d);
            beyond32 = value > 0xFFFFFFFFull;
        }
    }
    if (beyond32)
        return magnitude;
    const bool longSuffix = i < s.size() && s[i] == '&';
    if (!longSuffix && value <= 0xFFFF)
        return double(qint16(quint16(value)));
    return double(qint32(quint32(value)));
}

struct DecimalScan {
    size_t length = 0;       // characters that form the number; 0 for none
    long long magnitude = 0; // rough decimal exponent of the value, for out-of-range results
};

// The longest beginning of s that has the form of a decimal number.
DecimalScan scanDecimal(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    long long magnitude = 0;
    bool seenDigit = false, seenNonZero = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        seenDigit = true;
        seenNonZero = seenNonZero || s[i] != '0';
        if (seenNonZero)
            ++magnitude;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            seenDigit = true;
            if (!seenNonZero && s[i] == '0')
                --magnitude;
            seenNonZero = seenNonZero || s[i] != '0';
        }
    }
    if (!seenDigit)
        return {};
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negative = s[j++] == '-';
        long long exponent = 0;
        const size_t digitsAt = j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent = std::min(exponent * 10 + (s[j] - '0'), 1000000000LL);
        if (j > digitsAt) {
            end = j;
            magnitude += negative ? -exponent : exponent;
        }
    }
    return {end, magnitude};
}

// Converts s[0..scan.length), saturating beyond the range of a double.
double decimalValue(const std::string& s, const DecimalScan& scan) {
    const char* first = s.data();
    const char* last = s.data() + scan.length;
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = scan.magnitude > 0 ? Largest : 0.0;
    return negative ? -value : value;
}

} // namespace

double LenientNumber(const QString& text) {
    const std::string s = compact(text);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'))
        return radixConstant(s, 16);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o'))
        return radixConstant(s, 8);
    const DecimalScan scan = scanDecimal(s);
    return scan.length == 0 ? 0.0 : decimalValue(s, scan);
}

QString CanonicalNumberText(double value) {
    if (std::isnan(value) || value == 0)
        return QStringLiteral("0");
    value = std::clamp(value, -Largest, Largest);
    // A whole number below 10^15, what a field holds nearly always, is its plain digits; they
    // come cheaper from the integer conversion.
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return QString::number(qint64(value));
    // Fifteen significant digits survive a trip through a double unchanged, so the text
    // reads back to a number with the same text.
    return QString::number(value, 'G', 15);
}

std::optional<double> StrictNumber(const QString& text) {
    std::string s;
    s.reserve(size_t(text.size()));
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
        s.push_back(char(c.unicode()));
    }
    const DecimalScan scan = scanDecimal(s);
    if (scan.length == 0 || scan.length != s.size())
        return std::nullopt;
    const double value = decimalValue(s, scan);
    if (std::abs(value) == Largest)
        return std::nullopt;
    return value;
}

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<qint32> FieldValue(const QString& text, qint32 upper) {
    const auto number = StrictNumber(text);
    if (!number)
        return std::nullopt;
    const double whole = RoundHalfEven(*number);
    if (!(whole >= 0 && whole <= upper))
        return std::nullopt;
    return qint32(whole);
}

std::optional<qint32> PointerValue(const QString& text) {
    // The trailing "&" makes the constant a 32-bit quantity, so 8000 reads as 32768.
    const double value = LenientNumber(QStringLiteral("&H") + text + QLatin1Char('&'));
    if (!(value >= 0 && value <= 0xFFFF))
        return std::nullopt;
    return qint32(value);
}

QString PointerText(qint32 pointer) {
    return HexDigits(pointer);
}

QString HexDigits(qint64 value) {
    return QString::number(value, 16).toUpper();
}

QString HexOffset(qint64 offset) {
    return QStringLiteral("0x") + HexDigits(offset);
}
