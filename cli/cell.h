#pragma once

#include <QString>

// A place in an input file, counted from 1, and what is wrong there.
struct InputError {
    int line = 1;
    int column = 1;
    QString reason;
};

// "items.csv:5:12: reason", the form editors and terminals turn into a link.
inline QString FormatInputError(const QString& file, const InputError& e) {
    return QStringLiteral("%1:%2:%3: %4")
        .arg(file, QString::number(e.line), QString::number(e.column), e.reason);
}

// One cell of an input table and where it starts.
struct Cell {
    QString text;
    int line = 1;
    int column = 1;
};
