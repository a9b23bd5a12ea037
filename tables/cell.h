#pragma once

#include "rom/outcome.h"

#include <QString>

#include <utility>

// A place in an input file, counted from 1, and what is wrong there.
struct InputError {
    InputError(int atLine, int atColumn, Outcome outcome)
        : line(atLine), column(atColumn), why(std::move(outcome)) {}

    int line = 1;
    int column = 1;
    Outcome why;
};

// One cell of an input table and where it starts.
struct Cell {
    QString text;
    int line = 1;
    int column = 1;
};
