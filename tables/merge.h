#pragma once

#include "tables/tablerows.h"

#include <QByteArray>
#include <QList>

#include <optional>

// Two lines of work on one base image, merged over the file's bytes: each byte from the side that
// changed it, then checked on what the tables read, every field as one unit and each entry's name
// text as one unit. A byte that two things own (a name's text lying in a record, or shared by two
// names) is taken from the side that changed it, unless that makes an entry read what neither
// side gave it.

enum class MergeSide { None, Ours, Theirs };

// A field, or a name, that both sides changed to different values, or that taking both sides'
// bytes would make read what neither side gave it.
struct MergeConflict {
    Table table = nullptr;
    int index = 0;
    int column = 0; // in Columns(table)
    QString name;   // the entry's name in the base
    QString base;   // as export writes them
    QString ours;
    QString theirs;
    // What taking both sides' bytes makes it read, when that is what is wrong with it.
    std::optional<QString> merged;
};

struct MergeResult {
    QByteArray bytes;
    QList<MergeConflict> conflicts; // in table order
};

// The three images must have one size. A field or name changed on one side only, or to the same
// value on both, is taken, as is a bit that either side changed. A conflict takes `prefer`'s value
// (and whatever else then reads otherwise than it should is listed and taken from that side too);
// with None the result is not to be written.
MergeResult MergeImages(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                        const Tables& tables, MergeSide prefer);
