#include "wording/batchtext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The words of batches in Lua (batchtext.cpp).
class BatchWording {
    Q_DECLARE_TR_FUNCTIONS(BatchWording)
};

QString sourceText(const BatchError& e) {
    switch (e.source) {
    case BatchSource::Where:
        return BatchWording::tr("The Where expression");
    case BatchSource::Set:
        return BatchWording::tr("The Set assignments");
    case BatchSource::Script:
        return QDir::toNativeSeparators(e.file);
    }
    return {};
}

// "The Set assignments, line 2" or the file alone where no line is known.
QString placeText(const BatchError& e) {
    return e.line > 0 ? BatchWording::tr("%1, line %2").arg(sourceText(e)).arg(e.line)
                      : sourceText(e);
}

} // namespace

QString BatchErrorText(const BatchError& e) {
    const QString place = placeText(e);
    switch (e.fault) {
    case BatchFault::None:
        return {};
    case BatchFault::Syntax:
        return BatchWording::tr("%1: this is not Lua: %2").arg(place, e.message);
    case BatchFault::Runtime:
        return BatchWording::tr("%1: %2").arg(place, e.message);
    case BatchFault::NotANumber:
        return BatchWording::tr("%1: %2, field %3: %4 is not a number.")
            .arg(place, e.entry, e.field, e.value);
    case BatchFault::NotFinite:
        return BatchWording::tr("%1: %2, field %3: %4 is not a finite number.")
            .arg(place, e.entry, e.field, e.value);
    case BatchFault::OutOfRange:
        return BatchWording::tr("%1: %2, field %3: %4 lies outside 0 to %5.")
            .arg(place, e.entry, e.field, e.value)
            .arg(e.upper);
    case BatchFault::NoSuchField:
        return BatchWording::tr("%1: %2 has no field %3.").arg(place, e.entry, e.field);
    case BatchFault::ReadOnly:
        return BatchWording::tr("%1: %2, field %3 can be read but not assigned.")
            .arg(place, e.entry, e.field);
    case BatchFault::Budget:
        return BatchWording::tr("%1: stopped after %2 instructions; it runs too long.")
            .arg(place)
            .arg(e.limit);
    case BatchFault::Memory:
        return BatchWording::tr("%1: stopped at its memory cap of %2 MiB.")
            .arg(place)
            .arg(e.limit >> 20);
    }
    return {};
}

QString ClampedText(const ClampedValue& c) {
    return BatchWording::tr("%1, field %2: %3 clamped to %4")
        .arg(c.entry, c.field, c.given)
        .arg(c.stored);
}

QString BatchNeedsSetText() {
    return BatchWording::tr("edit needs --set, the assignments to make");
}

QString BatchChangesNothingText() {
    return BatchWording::tr("No changes: the batch changes no field; nothing was written.");
}
