#include "wording/changestext.h"

#include "rom/names.h"
#include "wording/phrases.h"
#include "wording/translation.h"

namespace {

bool isName(const NetChange& c) {
    return Columns(c.table)[c.column].kind == ColumnKind::Name;
}

// How the patch notes show a value: a flag as yes or no, an item by its name, a name quoted.
QString shown(const NetChange& c, bool current) {
    const Column& column = Columns(c.table)[c.column];
    const QString& value = current ? c.current : c.original;
    switch (column.kind) {
    case ColumnKind::Flag:
        return value == QLatin1String("1") ? ChangesWording::tr("yes") : ChangesWording::tr("no");
    case ColumnKind::Item: {
        const QString& item = current ? c.currentItem : c.originalItem;
        return item.isEmpty() ? value : MarkdownName(item);
    }
    case ColumnKind::Name:
        return QStringLiteral("\"%1\"").arg(MarkdownName(value));
    case ColumnKind::Number:
    case ColumnKind::Pointer:
    case ColumnKind::Index:
    case ColumnKind::ItemName:
        break;
    }
    return value;
}

// "Items", "Enemies": the section of a table.
QString sectionTitle(Table table) {
    return TableName(table) == QLatin1String("items") ? ChangesWording::tr("Items")
                                                      : ChangesWording::tr("Enemies");
}

// How the patch notes head a column: its description's heading, or its key where it has none.
QString headingOf(const Column& column) {
    return column.heading ? FieldCaptionText(column.heading) : column.name;
}

} // namespace

QStringList NetChangeLines(const QList<NetChange>& changes) {
    QStringList lines;
    for (qsizetype k = 0; k < changes.size();) {
        const NetChange& c = changes[k];
        QStringList fields;
        for (; k < changes.size() && changes[k].table == c.table && changes[k].index == c.index;
             ++k)
            fields << FieldChangeText(Columns(c.table)[changes[k].column].name, changes[k].original,
                                      changes[k].current, isName(changes[k]));
        lines << EntryChangesText(EntryLabel(c.table, c.index), c.name, fields);
    }
    return lines;
}

QString NoNetChangesText() {
    return ChangesWording::tr("Every field and name is as in the original.");
}

QString PatchNotesText(const QList<NetChange>& changes) {
    QString notes = QStringLiteral("# %1\n").arg(ChangesWording::tr("Changes"));
    if (changes.isEmpty())
        return notes + QStringLiteral("\n") + NoNetChangesText() + QLatin1Char('\n');
    Table section = nullptr;
    for (qsizetype k = 0; k < changes.size();) {
        const NetChange& c = changes[k];
        if (c.table != section) {
            section = c.table;
            notes += QStringLiteral("\n## %1\n").arg(sectionTitle(section));
        }
        notes += QStringLiteral("\n### %1 (%2)\n\n")
                     .arg(c.name.isEmpty() ? EntryLabel(c.table, c.index) : MarkdownName(c.name),
                          EntryLabel(c.table, c.index));
        for (; k < changes.size() && changes[k].table == c.table && changes[k].index == c.index;
             ++k)
            notes += QStringLiteral("- %1: %2 → %3\n")
                         .arg(headingOf(Columns(c.table)[changes[k].column]),
                              shown(changes[k], false), shown(changes[k], true));
    }
    return notes;
}

QString OriginalTipText(const QString& original) {
    return ChangesWording::tr("Original: %1").arg(original);
}

QString MergeConflictLine(const MergeConflict& conflict) {
    const Column& column = Columns(conflict.table)[conflict.column];
    const bool name = column.kind == ColumnKind::Name;
    const auto value = [name](const QString& v) {
        return name ? QStringLiteral("\"%1\"").arg(TerminalName(v)) : v;
    };
    // Where the sides' bytes each stand alone but read otherwise together (a name's text lying in
    // a record, or shared by two names), what they read together is the conflict.
    if (conflict.merged)
        return ChangesWording::tr("%1 \"%2\": %3: base %4, ours %5, theirs %6, both taken %7")
            .arg(EntryLabel(conflict.table, conflict.index), conflict.name, column.name,
                 value(conflict.base), value(conflict.ours), value(conflict.theirs),
                 value(*conflict.merged));
    return ChangesWording::tr("%1 \"%2\": %3: base %4, ours %5, theirs %6")
        .arg(EntryLabel(conflict.table, conflict.index), TerminalName(conflict.name), column.name,
             value(conflict.base), value(conflict.ours), value(conflict.theirs));
}

QString ConflictsTakenText(qint64 count, MergeSide taken, bool together) {
    if (together)
        return taken == MergeSide::Ours
                   ? ChangesWording::tr("%n field(s) or name(s) in conflict: taken from ours.",
                                        nullptr, int(count))
                   : ChangesWording::tr("%n field(s) or name(s) in conflict: taken from theirs.",
                                        nullptr, int(count));
    return taken == MergeSide::Ours
               ? ChangesWording::tr("%n field(s) changed on both sides: taken from ours.", nullptr,
                                    int(count))
               : ChangesWording::tr("%n field(s) changed on both sides: taken from theirs.",
                                    nullptr, int(count));
}

QString MergedText(const QString& file, qint64 bytes) {
    return ChangesWording::tr("Wrote %1 (%2 bytes).").arg(NativePath(file)).arg(bytes);
}
