#include "wording/nametext.h"

#include "fields/numbertext.h"
#include "rom/names.h"
#include "wording/translation.h"

QString NameFaultText(const Outcome& o) {
    const QString pointer = HexDigits(o.pointer);
    switch (o.fault.in<NameFault>()) {
    case NameFault::PointerNoOffset:
        return Wording::tr("the name pointer %1 has no offset in the file: pointers below 7FF0 "
                           "lie before its start")
            .arg(pointer);
    case NameFault::RunsOn:
        return Wording::tr("the name at pointer %1 runs on past %2 characters, the longest "
                           "name the readers accept")
            .arg(pointer, QString::number(MaxNameLength));
    case NameFault::PastEnd:
        return Wording::tr("the name at pointer %1 (offset %2) runs past the end of the file, "
                           "which is %3 bytes long")
            .arg(pointer, HexOffset(o.offset), QString::number(o.length));
    case NameFault::Character:
        return Wording::tr("the character \"%1\" (U+%2) at position %3 cannot be written: "
                           "name text holds only the codes 0x00 to 0x7F")
            .arg(TerminalName(o.text), HexDigits(o.text.toUcs4().value(0)).rightJustified(4, u'0'),
                 QString::number(o.position));
    case NameFault::Longer:
        // One arg() call for all: a name may itself hold "%1".
        return Wording::tr("\"%1\" is %2 characters long, but the name it replaces at pointer "
                           "%3, \"%4\", is only %5: a new name may not be longer than the old "
                           "one")
            .arg(TerminalName(o.text), QString::number(o.text.toUcs4().size()), pointer,
                 TerminalName(o.otherName), QString::number(o.otherName.size()));
    case NameFault::IntoRecord:
        return Wording::tr("the name at pointer %1 (offset %2) is no name text: writing "
                           "\"%3\" would overwrite %4's record at %5")
            .arg(pointer, HexOffset(o.offset), TerminalName(o.text), o.field, HexOffset(o.first));
    }
    return {};
}
