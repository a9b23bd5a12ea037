#pragma once

#include "rom/outcome.h"
#include "tables/imagefacts.h"
#include "tables/undoplan.h"

#include <QString>
#include <QStringList>

// The words of tolvane-cli: the reports of its commands, and its usage errors (its faults are
// worded by their families, tablefiletext, patchtext, clifiletext and usagetext).

// A usage error, and where to read the usage.
QString UsageErrorText(const Outcome& o);
// "FILE: MESSAGE", for a message about one file that does not name it itself.
QString AboutFileText(const QString& file, const QString& message);

// `history`: one line per change of a record, "3  2024-05-01 12:00  import  CHANGE".
QStringList HistoryLines(const HistoryRecord& record, const RecordStatus& status,
                         const QStringList& changes);
QString NoSavesText();
// "Save 3 undone; 5 bytes written.", or what a dry run would do.
QString UndoneText(quint32 record, qint64 bytes, bool dryRun);

// `import`: "2 entries, 3 fields changed; 4 bytes written.", or that the image holds every row.
QString ImportedText(qint64 entries, qint64 fields, qint64 bytes, bool dryRun);
QString NothingToImportText();
// `diff`: that no field differs, and how many bytes do.
QString SameTablesText();
QString ChangedBytesText(qint64 inside, qint64 outside);

// `rename`: the change, each entry that reads the same text, why a shared text is refused without
// --shared, and what the entries show now.
QString RenameLine(const QString& entry, const QString& before, const QString& after);
QString SharedTextLine(const QString& entry, const QString& before, const QString& after);
QString SharedRefusedText(const QString& entry, const QString& file, qint64 others);
QString RenamedText(const QStringList& entries, const QString& after, qint64 bytes, bool dryRun);

// `info`: "262160 bytes", "16 x 16 KiB (262144 bytes)", the size a header declares beside the
// file's, a table's facts, and whether the tables look right: "yes", or "no (WHY)".
QString SizeText(qint64 bytes);
QString RomSizeText(qint64 bytes, int bankKiB);
QString DeclaredSizeText(qint64 declared, qint64 size);
QString TableFactsText(const TableFacts& facts);
QString LookRightText(const QString& whyNot);

// `export`: `file` is too short to hold `table`, whose facts say where it ends.
QString NoTableToExportText(const QString& file, Table table, const TableFacts& facts);
