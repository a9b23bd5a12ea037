#pragma once

#include "tables/tablerows.h"

#include <QByteArray>
#include <QList>

// Two lines of work on one base image, merged: every field of the tables field by field, each
// entry's name text as one unit, and every other bit bit by bit.

enum class MergeSide { None, Ours, Theirs };

// A field, or a name, that both sides changed to different values.
struct MergeConflict {
    Table table = nullptr;
    int index = 0;
    int column = 0; // in Columns(table)
    QString name;   // the entry's name in the base
    QString base;   // as export writes them
    QString ours;
    QString theirs;
};

struct MergeResult {
    QByteArray bytes;
    QList<MergeConflict> conflicts; // in table order
};

// The three images must have one size. A field changed on one side only, or to the same value on
// both, is taken; a conflict takes `prefer`'s value, and with None keeps the base's (the result is
// then not to be written). A bit that either side changed is taken.
MergeResult MergeImages(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                        const Tables& tables, MergeSide prefer);
