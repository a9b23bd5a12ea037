#include "wording/usagetext.h"

#include "wording/translation.h"

QString UsageFaultText(const Outcome& o) {
    switch (o.fault.in<UsageFault>()) {
    case UsageFault::NoCommand:
        return CliWording::tr("no command given");
    case UsageFault::UnknownCommand:
        return CliWording::tr("unknown command \"%1\"").arg(o.text);
    case UsageFault::ArgumentsRefused:
        return o.reason;
    case UsageFault::ArgumentNotText:
        return CliWording::tr("the argument \"%1\" is not text in this system's encoding, so no "
                              "file can be named by it exactly; rename the file, or run under a "
                              "locale whose encoding its name is in")
            .arg(o.text);
    case UsageFault::FileNameCount:
        return CliWording::tr("wrong number of file names.\n%1").arg(o.text);
    case UsageFault::TableOption:
        return CliWording::tr("--table takes items or enemies, not \"%1\"").arg(o.text);
    case UsageFault::ExportFormatOption:
        return CliWording::tr("--format takes csv or json, not \"%1\"").arg(o.text);
    case UsageFault::ChangesFormatOption:
        return CliWording::tr("--format takes text, csv, json or markdown, not \"%1\"").arg(o.text);
    case UsageFault::PreferOption:
        return CliWording::tr("--prefer takes ours or theirs, not \"%1\"").arg(o.text);
    case UsageFault::SaveOption:
        return CliWording::tr("--save takes a save's number, not \"%1\"").arg(o.text);
    case UsageFault::NoEntryOption:
        return CliWording::tr("give one entry: --item N or --enemy N");
    case UsageFault::EntryOption:
        return CliWording::tr("%1 takes a whole number from 0 to %2, not \"%3\"")
            .arg(o.option, QString::number(o.upper), o.text);
    case UsageFault::SharedWithoutNames:
        return CliWording::tr("--shared goes with --names");
    case UsageFault::PatchOutputName:
        return CliWording::tr("-o must name a file ending in .ips or .bps");
    case UsageFault::NoOutputOption:
        return CliWording::tr("-o OUT names the file to write");
    case UsageFault::MergeToStandardOutput:
        return CliWording::tr("merge writes its image to a file: give -o OUT");
    }
    return {};
}
