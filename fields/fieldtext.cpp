#include "fields/fieldtext.h"

#include "fields/numbertext.h"

#include <algorithm>

namespace {

bool isHexDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (const QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return false;
    return true;
}

// A cell holds the number itself, as export writes it: "1.000" may be a spreadsheet's thousand
// and "1e2" a hundred, so a cell that is not plain digits is refused rather than guessed at.
bool isDecimalDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

std::optional<qint32> fromCell(FieldKind kind, qint32 upper, const QString& text) {
    switch (kind) {
    case FieldKind::Flag:
        if (text == QLatin1String("0") ||
            text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return 0;
        if (text == QLatin1String("1") ||
            text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return 1;
        return std::nullopt;
    case FieldKind::Pointer:
        return isHexDigits(text) ? PointerValue(text) : std::nullopt;
    case FieldKind::Number:
    case FieldKind::Item:
        return isDecimalDigits(text) ? FieldValue(text, upper) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<qint32> ReadFieldText(FieldKind kind, qint32 upper, const QString& text,
                                    TextFrom from) {
    if (from == TextFrom::Cell)
        return fromCell(kind, upper, text.trimmed());
    switch (kind) {
    case FieldKind::Flag:
        return text == QLatin1String("1");
    case FieldKind::Pointer:
        return PointerValue(text);
    case FieldKind::Item: {
        bool ok = false;
        if (const int item = text.toInt(&ok); ok && item >= -1 && item <= upper)
            return item;
        return std::nullopt;
    }
    case FieldKind::Number:
        return FieldValue(text, upper);
    }
    return std::nullopt;
}
