#include "wording/imagetext.h"

#include "fields/numbertext.h"
#include "rom/names.h"
#include "wording/phrases.h"
#include "wording/translation.h"

namespace {

// How messages word a call: a call of the image by its two sentences, for a reason the system
// gave and for a position before the start of the file; a primitive by its own name, with which
// its messages begin.
struct CallWords {
    const char* failed = nullptr;
    const char* beforeStart = nullptr;
    const char* primitive = nullptr;
};

CallWords callWords(Operation operation) {
    switch (operation) {
    case Operation::Read:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot read %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot read %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Write:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot write to %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot write to %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Sync:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot sync %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot sync %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Size:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot find the size of %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot find the size of %1 at offset -%2: the "
                                             "position lies before the start of the file.")};
    case Operation::ReadByte:
        return {.primitive = "Read byte"};
    case Operation::ReadWord:
        return {.primitive = "Read word"};
    case Operation::WriteByte:
        return {.primitive = "Write byte"};
    case Operation::WriteWord:
        return {.primitive = "Write word"};
    }
    return {};
}

QString primitiveName(Operation operation) {
    return QLatin1String(callWords(operation).primitive);
}

// "Cannot read FILE at offset 0x10:\nREASON."
QString failedCall(const Outcome& o, const QString& reason) {
    const CallWords words = callWords(o.operation);
    if (words.failed)
        return Wording::tr(words.failed).arg(NativePath(o.file), HexOffset(o.offset), reason);
    return Wording::tr("Cannot %1 %2 at offset %3:\n%4.")
        .arg(QLatin1String(words.primitive), NativePath(o.file), HexOffset(o.offset), reason);
}

// "Cannot read FILE at offset -0x10: the position lies before the start of the file."
QString beforeStart(const Outcome& o) {
    const CallWords words = callWords(o.operation);
    const QString offset = HexOffset(-o.offset);
    if (words.beforeStart)
        return Wording::tr(words.beforeStart).arg(NativePath(o.file), offset);
    return Wording::tr("%1 at offset -%2: the position lies before the start of the file.")
        .arg(QLatin1String(words.primitive), offset);
}

QString backupNotMade(const Outcome& o) {
    const QString reason =
        o.replaced ? Wording::tr("another program replaced, moved or deleted the image while "
                                 "its backup was made")
        : o.error  ? SystemText(o.error)
                   : NodeText(o.node);
    return Wording::tr("Cannot make the backup %1 of %2:\n%3.")
        .arg(NativePath(o.other), NativePath(o.file), reason);
}

} // namespace

QString ImageFaultText(const Outcome& o) {
    const QString pointer = HexDigits(o.pointer);
    switch (o.fault.in<ImageFault>()) {
    case ImageFault::SystemCall:
        return failedCall(o, SystemText(o.error));
    case ImageFault::BeforeStart:
        return beforeStart(o);
    case ImageFault::OpenForReading:
        return Wording::tr("Cannot write to %1 at offset %2:\nthe file is open for reading only.")
            .arg(NativePath(o.file), HexOffset(o.offset));
    case ImageFault::OffsetTooLarge:
        return Wording::tr("%1 at offset %2: overflow, the offset is too large.")
            .arg(primitiveName(o.operation), HexOffset(o.offset));
    case ImageFault::WordTooLarge:
        return Wording::tr("Write word at offset %1: overflow, %2 does not fit in 16 bits.")
            .arg(HexOffset(o.offset))
            .arg(o.word);
    case ImageFault::PointerBeforeStart:
        return Wording::tr("Name pointer %1 lies before the start of the file.").arg(pointer);
    case ImageFault::NameTooLong:
        return Wording::tr("Name at pointer %1: overflow, more than %2 characters.")
            .arg(pointer)
            .arg(MaxNameLength);
    case ImageFault::BitStringTooLarge:
        return Wording::tr("Bit string \"%1\": overflow, the value does not fit in 32 bits.")
            .arg(o.text.left(40));
    case ImageFault::BackupNotMade:
        return backupNotMade(o);
    case ImageFault::NotAFile:
        return NodeText(o.node);
    }
    return {};
}

QString CauseText(const QList<Outcome>& cause) {
    // Only the image's own calls fail under a transaction's writes and syncs.
    if (cause.isEmpty() || cause[0].fault.family() != FaultFamily::Image)
        return {};
    return ImageFaultText(cause[0]);
}
