#include "wording/patchtext.h"

#include "wording/phrases.h"
#include "wording/translation.h"

namespace {

QString checksumText(quint32 crc) {
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0'));
}

} // namespace

QString PatchFaultText(const Outcome& o) {
    const QString file = NativePath(o.file);
    switch (o.fault.in<PatchFault>()) {
    case PatchFault::IpsTooLong:
        return CliWording::tr("%1: IPS offsets have 3 bytes, so the modified file may have at most "
                              "16 MiB; use a BPS patch")
            .arg(file);
    case PatchFault::IpsCannotCut:
        return CliWording::tr("%1: the modified file is shorter than the original and 16 MiB or "
                              "longer, a length that an IPS patch cannot cut the file to; use a "
                              "BPS patch")
            .arg(file);
    case PatchFault::NotIps:
        return CliWording::tr("%1: not an IPS patch: it does not start with \"PATCH\". Nothing was "
                              "written.")
            .arg(file);
    case PatchFault::IpsCutBeforeEnd:
        return CliWording::tr("%1: the patch is cut short before its end marker \"EOF\" (at byte "
                              "%2 of %3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case PatchFault::IpsCutInHeader:
        return CliWording::tr("%1: the patch is cut short inside a record header (at byte %2 of "
                              "%3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case PatchFault::IpsCutInData:
        return CliWording::tr("%1: the patch is cut short inside a record's data (at byte %2 of "
                              "%3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case PatchFault::IpsCutInRun:
        return CliWording::tr("%1: the patch is cut short inside a run record (at byte %2 of %3). "
                              "Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case PatchFault::IpsTrailingBytes:
        return CliWording::tr("%1: the patch carries %2 unexpected bytes after its end marker. "
                              "Nothing was written.")
            .arg(file)
            .arg(o.count);
    case PatchFault::NotBps:
        return CliWording::tr("%1: not a BPS patch: it does not start with \"BPS1\". Nothing was "
                              "written.")
            .arg(file);
    case PatchFault::BpsChecksum:
        return CliWording::tr("%1: the patch is damaged or cut short: its own checksum does not "
                              "match. Nothing was written.")
            .arg(file);
    case PatchFault::BpsHeader:
        return CliWording::tr("%1: the patch's header is damaged. Nothing was written.").arg(file);
    case PatchFault::BpsTooLarge:
        return CliWording::tr("%1: the patch names a result of %2 bytes; at most %3 are taken. "
                              "Nothing was written.")
            .arg(file)
            .arg(o.expected)
            .arg(o.limit);
    case PatchFault::BpsOtherSource:
        return CliWording::tr("%1: the patch was made for another file: it expects %2 bytes with "
                              "checksum %3, the file has %4 bytes with checksum %5. Nothing was "
                              "written.")
            .arg(file, QString::number(o.expected), checksumText(o.expectedChecksum),
                 QString::number(o.otherLength), checksumText(o.checksum));
    case PatchFault::BpsActionOutside:
        return CliWording::tr("%1: the patch is damaged: an action at byte %2 reaches outside the "
                              "files. Nothing was written.")
            .arg(file)
            .arg(o.built);
    case PatchFault::BpsActionsShort:
        return CliWording::tr("%1: the patch is damaged: its actions build %2 of the %3 bytes it "
                              "names. Nothing was written.")
            .arg(file)
            .arg(o.built)
            .arg(o.expected);
    case PatchFault::BpsTargetChecksum:
        return CliWording::tr("%1: the result does not match the patch's target checksum. Nothing "
                              "was written.")
            .arg(file);
    case PatchFault::NotAPatch:
        return CliWording::tr("%1: not an IPS or BPS patch. Nothing was written.").arg(file);
    }
    return {};
}
