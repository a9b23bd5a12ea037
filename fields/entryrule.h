#pragma once

#include <QString>

// The numeric entry rule: every change of a numeric field's text rewrites it as the canonical
// text of its lenient number, then pulls it into 0..upper. The widget binding (numericfield.h)
// runs these steps on the field itself, nested inside the field's own change notification.

// Step 1: the canonical text of the text's lenient number.
QString EntryRuleRewrite(const QString& text);
// Steps 2 and 3 on a canonical text: "0" below zero, the upper bound's text above it, otherwise
// the text itself. A fraction inside the range stands: the rule does not round.
QString EntryRuleClamp(const QString& canonicalText, double upper);
// The text the rule settles on for `text`, all steps applied.
QString EntryRuleSettle(const QString& text, double upper);
