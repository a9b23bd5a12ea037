// The numeric entry rule, for any text and any field bound: it settles without crashing on a
// canonical number text within the bounds, and applying it again changes nothing.
#include "fields/entryrule.h"
#include "fields/numbertext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const double bounds[] = {255, 1023, 65535};
    const double upper = bounds[data[0] % 3];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QString settled = EntryRuleSettle(text, upper);
    const auto value = StrictNumber(settled);
    if (!value || *value < 0 || *value > upper)
        std::abort(); // not a number within the bounds
    if (CanonicalNumberText(*value) != settled)
        std::abort(); // not canonical
    if (EntryRuleSettle(settled, upper) != settled)
        std::abort(); // the rule would not settle
    // The save's conversion accepts whatever the rule leaves behind.
    if (!FieldValue(settled, qint32(upper)))
        std::abort();
    (void)PointerValue(text);
    return 0;
}
