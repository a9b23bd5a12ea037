#include "rom/bitstrings.h"

#include "rom/romimage.h"

#include <limits>

namespace modStuff {

QString ToBitString(qint32 n) {
    QString s;
    qint64 weight = 1;
    do {
        s.prepend((n & weight) == weight ? QLatin1Char('1') : QLatin1Char('0'));
        weight *= 2;
    } while (weight <= n);
    return s;
}

qint32 FromBitString(const QString& s) {
    qint64 value = 0;
    const qsizetype length = s.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = s.at(length - 1 - i);
        const int digit = c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : 0;
        if (digit == 0)
            continue;
        // Past bit 30 any non-zero digit leaves the signed 32-bit range.
        if (i > 31 ||
            value + qint64(digit) * (qint64(1) << i) > std::numeric_limits<qint32>::max()) {
            Outcome why;
            why.fault = ImageFault::BitStringTooLarge;
            why.text = s;
            throw RomError(why);
        }
        value += qint64(digit) << i;
    }
    return qint32(value);
}

} // namespace modStuff
