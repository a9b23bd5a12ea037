#include "wording/rowtext.h"

#include "rom/names.h"
#include "tables/namewriter.h"
#include "wording/translation.h"

QString RowFaultText(const Outcome& o) {
    switch (o.fault.in<RowFault>()) {
    case RowFault::RepeatedEntry:
        return Wording::tr("%1 is already given on line %2").arg(o.entry).arg(o.line);
    case RowFault::NoSuchItem:
        return Wording::tr("there is no item %1; items run from 0 to %2").arg(o.text).arg(o.upper);
    case RowFault::NameNotWritten:
        return Wording::tr("the name of %1 is not written; give --names to write it").arg(o.entry);
    case RowFault::SharedName:
        return Wording::tr("the name text of %1 is shared: writing \"%2\" would also change "
                           "%3; give --shared to allow it")
            .arg(o.entry, TerminalName(o.text), SharedNamesText(o.names));
    case RowFault::NameWouldRead:
        return Wording::tr("the name of %1 would read \"%2\" once the other names of this "
                           "file are written, not \"%3\"")
            .arg(o.entry, TerminalName(o.otherName), TerminalName(o.text));
    }
    return {};
}
