#include "wording/windowtext.h"

#include "wording/phrases.h"
#include "wording/recoverytext.h"
#include "wording/translation.h"
#include "wording/wording.h"

QString OpenFailedText(const QString& path, const Outcome& reason) {
    return WindowWording::tr("Cannot open file %1:\n%2.").arg(NativePath(path), ReasonText(reason));
}

QString OpenTornText(const QString& path, const RecoveredEntries& names, const Recovery& r) {
    return QStringLiteral("%1:\n%2").arg(NativePath(path), TornImageText(names, r));
}

QString OpenRecoveryProblemText(const QString& path, const Outcome& fault) {
    return QStringLiteral("%1:\n%2").arg(NativePath(path), RecoveryProblemText(fault));
}

QString OpenRecoveryText(const QString& path, const RecoveredEntries& names, const Recovery& r) {
    return QStringLiteral("%1:\n%2").arg(NativePath(path), RecoveryText(names, r));
}

QString OpenReadOnlyText(const QString& path) {
    return WindowWording::tr(
               "%1 can only be read, so it is open for reading only. The editors show "
               "it, and every Save is refused.")
        .arg(NativePath(path));
}

QString MarksBaseRefusedText(const Outcome& why) {
    if (why.fault == CompareFault::SizesDiffer)
        return WindowWording::tr(
                   "The base %1 is %2 bytes long, but %3 is %4, so it cannot show what "
                   "changed in this image. The editors mark no changes.")
            .arg(NativePath(why.other))
            .arg(why.otherLength)
            .arg(NativePath(why.file))
            .arg(why.length);
    return WindowWording::tr("Cannot open the base %1:\n%2.\nThe editors mark no changes.")
        .arg(NativePath(why.file), ReasonText(why));
}

QString OneImageAtATimeText(const QStringList& paths) {
    QStringList shown;
    for (const QString& path : paths)
        shown << NativePath(path);
    return WindowWording::tr("Tolvane opens one image at a time, so none of these was opened:\n%1")
        .arg(shown.join(QLatin1Char('\n')));
}

QString CommandLineErrorText(const QString& reason) {
    return WindowWording::tr("%1\nRun 'tolvane --help' for usage.").arg(reason);
}

QString ItemTableUnreadableText(const Outcome& o) {
    return WindowWording::tr("Cannot read the item table.\n%1").arg(ImageErrorText(o));
}

QString EnemyTableUnreadableText(const Outcome& o) {
    return WindowWording::tr("Cannot read the enemy table.\n%1").arg(ImageErrorText(o));
}
