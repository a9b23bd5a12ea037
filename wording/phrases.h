#pragma once

#include "rom/nativepath.h"
#include "rom/outcome.h"

#include <QString>
#include <QStringList>

#include <functional>

// The phrases every family of faults words its sentences with. Nothing here words a fault of its
// own, and nothing here calls another file of wording/.

// The system's text for an error code; "system error 5" where it has none.
QString SystemText(int error);
// What stands at a path instead of a file: "it is a FIFO (a named pipe), not a file".
QString NodeText(NodeKind node);
// Why a file could not be opened or read: the system's reason, or what stands there.
QString ReasonText(const Outcome& o);

// "a, b, c": the parts of a list. "a", "a and b", "a, b and c": a list inside a sentence.
QString JoinedText(const QStringList& list);
QString ListedText(const QStringList& list);

// "item 5", or "the name of item 5" for its name text.
QString PartName(const QString& entry, bool name);
QString PartName(const Outcome& o);

// A field's caption or heading, as its description states it (a FieldCaption text), in the user's
// language: "strength", "Equippable/Item strength".
QString FieldCaptionText(const char* caption);
QString FieldCaptionText(const QString& caption);

// The sentence, then that no file was changed: a refusal that left every file as it was.
QString NothingWrittenAfter(const QString& sentence);

// Of a failed transaction whose old bytes could not all go back: what is in the file and what
// is not, each as `label` names it.
void SplitLanded(const QList<Landed>& landed, const std::function<QString(const Landed&)>& label,
                 QStringList* written, QStringList* notWritten);
