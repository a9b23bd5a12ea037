#pragma once

#include "cli/commands.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the command line in this process: its exit code and what it printed.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

inline CliRun RunTool(const QStringList& arguments) {
    CliRun run;
    QTextStream out(&run.out), err(&run.err);
    Io io{out, err};
    run.code = RunCli(QStringList{QStringLiteral("tolvane-cli")} + arguments, io);
    out.flush();
    err.flush();
    return run;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
