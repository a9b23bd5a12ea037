#pragma once

#include "rom/outcome.h"

#include <QString>

#include <utility>

// A place in an input file, counted from 1, and what is wrong there: the reader's own words for
// the file's shape (`reason`), or an outcome of the tables' checks (`why`).
struct InputError {
    InputError(int atLine, int atColumn, QString text)
        : line(atLine), column(atColumn), reason(std::move(text)) {}
    InputError(int atLine, int atColumn, Outcome outcome)
        : line(atLine), column(atColumn), why(std::move(outcome)) {}

    int line = 1;
    int column = 1;
    QString reason;
    Outcome why;
};

// One cell of an input table and where it starts.
struct Cell {
    QString text;
    int line = 1;
    int column = 1;
};
