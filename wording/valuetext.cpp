#include "wording/valuetext.h"

#include "wording/rowtext.h"
#include "wording/translation.h"

QString ValueText(const Outcome& o) {
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
        return Wording::tr("the %1 flag \"%2\" is neither 0 nor 1").arg(o.field, o.text);
    case ValueKind::Index:
        return Wording::tr("the index \"%1\" is not a whole number from 0 to %2")
            .arg(o.text, QString::number(o.upper));
    case ValueKind::CellNumber:
        return Wording::tr("the %1 \"%2\" is not a whole number from 0 to %3 in decimal digits")
            .arg(o.field, o.text, QString::number(o.upper));
    case ValueKind::Number:
        break;
    }
    return Wording::tr("the %1 \"%2\" is not a number from 0 to %3")
        .arg(o.field, o.text, QString::number(o.upper));
}
