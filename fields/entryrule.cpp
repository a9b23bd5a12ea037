#include "fields/entryrule.h"

#include "fields/numbertext.h"

QString EntryRuleRewrite(const QString& text) {
    return CanonicalNumberText(LenientNumber(text));
}

QString EntryRuleClamp(const QString& canonicalText, double upper) {
    // A canonical text always converts; the lenient number covers anything else.
    const double value = StrictNumber(canonicalText).value_or(LenientNumber(canonicalText));
    if (value < 0)
        return QStringLiteral("0");
    if (value > upper)
        return CanonicalNumberText(upper);
    return canonicalText;
}

QString EntryRuleSettle(const QString& text, double upper) {
    return EntryRuleClamp(EntryRuleRewrite(text), upper);
}
