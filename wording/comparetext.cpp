#include "wording/comparetext.h"

#include "wording/phrases.h"
#include "wording/translation.h"

QString CompareFaultText(const Outcome& o) {
    switch (o.fault.in<CompareFault>()) {
    case CompareFault::NoOriginal:
        return NoOriginalText(o);
    case CompareFault::SizesDiffer:
        return SizesDifferText(o);
    case CompareFault::NotAnImage:
        return NotAnImageText(o, {});
    case CompareFault::MergeConflicts:
        return MergeConflictsText(o);
    case CompareFault::OutputNotWritten:
        return OutputNotWrittenText(o);
    }
    return {};
}

QString NoOriginalText(const Outcome& o) {
    return ChangesWording::tr("%1 has no history that tells what it was before its saves: give "
                              "--base FILE to compare it with the image it came from.")
        .arg(NativePath(o.file));
}

QString SizesDifferText(const Outcome& o) {
    return ChangesWording::tr("%1 is %2 bytes long, but %3 is %4: the images must have the same "
                              "size. Nothing was written.")
        .arg(NativePath(o.other))
        .arg(o.otherLength)
        .arg(NativePath(o.file))
        .arg(o.length);
}

QString NotAnImageText(const Outcome& o, const QList<std::pair<Table, TableFacts>>& tables) {
    const QString verdict = TablesVerdictText(tables);
    if (verdict.isEmpty())
        return ChangesWording::tr("%1 does not hold the item and enemy tables as the editors read "
                                  "them, so it is no image to merge. Nothing was written.")
            .arg(NativePath(o.file));
    return ChangesWording::tr("%1 does not hold the item and enemy tables as the editors read them "
                              "(%2), so it is no image to merge. Nothing was written.")
        .arg(NativePath(o.file), verdict);
}

QString OutputNotWrittenText(const Outcome& o) {
    return ChangesWording::tr("cannot write %1: %2. Nothing was written.")
        .arg(NativePath(o.file), o.error ? SystemText(o.error) : NodeText(o.node));
}

QString MergeConflictsText(const Outcome& o) {
    // Only where every conflict is a field or name both sides changed is that what they are.
    if (o.mixedConflicts)
        return ChangesWording::tr("%n field(s) or name(s) in conflict, so %1 was not written; "
                                  "--prefer ours or --prefer theirs takes one side for every "
                                  "conflict.",
                                  nullptr, int(o.count))
            .arg(NativePath(o.file));
    return ChangesWording::tr("%n field(s) changed on both sides to different values, so %1 was "
                              "not written; --prefer ours or --prefer theirs takes one side for "
                              "every conflict.",
                              nullptr, int(o.count))
        .arg(NativePath(o.file));
}

QString TablesVerdictText(const QList<std::pair<Table, TableFacts>>& tables) {
    QStringList parts;
    for (const auto& [table, facts] : tables) {
        if (LooksRight(facts))
            continue;
        QStringList why;
        if (facts.entriesInside < facts.entries)
            why << Wording::tr("%1 of its %2 entries lie inside the file")
                       .arg(facts.entriesInside)
                       .arg(facts.entries);
        const int needed = PrintableNamesNeeded(facts);
        if (facts.printableNames < needed)
            why << Wording::tr("%1 of its %2 names are printable, fewer than %3")
                       .arg(facts.printableNames)
                       .arg(facts.entries)
                       .arg(needed);
        parts << Wording::tr("%1: %2", "a table, and why it does not look like the game's")
                     .arg(TableName(table), why.join(Wording::tr(", and ")));
    }
    return parts.join(QLatin1String("; "));
}
