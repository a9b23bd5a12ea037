#pragma once

#include "tables/tablerows.h"

#include <QByteArray>
#include <QStringList>

// Field-level differences of both tables between two images, one line per entry that differs:
// item 5 "Name": KEY OLD -> NEW, KEY OLD -> NEW
QStringList TableDifferences(RomImage& a, RomImage& b, const Tables& tables);

// How many bytes differ inside the two tables and outside them. Past the end of the shorter file
// every byte of the longer one counts as changed.
struct ChangedBytes {
    qint64 inside = 0;
    qint64 outside = 0;
};
ChangedBytes CountChangedBytes(const QByteArray& a, const QByteArray& b, const Tables& tables);
