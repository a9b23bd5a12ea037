#include "wording/valuetext.h"

#include "wording/phrases.h"
#include "wording/rowtext.h"
#include "wording/translation.h"

namespace {

// A table file's cell names its column by its key, which stays as the file spells it; a control
// or the editors' save by a caption, which is the user's language.
bool fromCell(ValueKind kind) {
    switch (kind) {
    case ValueKind::Index:
    case ValueKind::CellFlag:
    case ValueKind::CellPointer:
    case ValueKind::CellNumber:
        return true;
    case ValueKind::Number:
    case ValueKind::Flag:
    case ValueKind::Pointer:
    case ValueKind::Item:
        break;
    }
    return false;
}

} // namespace

QString ValueText(const Outcome& o) {
    const QString field = fromCell(o.kind) ? o.field : FieldCaptionText(o.field);
    switch (o.kind) {
    case ValueKind::Pointer:
        return Wording::tr("the pointer to the name \"%1\" is not a hexadecimal number from 0 "
                           "to FFFF")
            .arg(o.text);
    case ValueKind::CellPointer:
        return Wording::tr("the pointer \"%1\" is not one to four hexadecimal digits").arg(o.text);
    case ValueKind::Item:
        return RowFaultText({.fault = RowFault::NoSuchItem, .text = o.text, .upper = o.upper});
    case ValueKind::CellFlag:
    case ValueKind::Flag:
        return Wording::tr("the %1 flag \"%2\" is neither 0 nor 1").arg(field, o.text);
    case ValueKind::Index:
        return Wording::tr("the index \"%1\" is not a whole number from 0 to %2")
            .arg(o.text, QString::number(o.upper));
    case ValueKind::CellNumber:
        return Wording::tr("the %1 \"%2\" is not a whole number from 0 to %3 in decimal digits")
            .arg(field, o.text, QString::number(o.upper));
    case ValueKind::Number:
        break;
    }
    return Wording::tr("the %1 \"%2\" is not a number from 0 to %3")
        .arg(field, o.text, QString::number(o.upper));
}
