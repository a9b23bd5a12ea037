#pragma once

#include "cli/commands.h"
#include "support/failingrom.h"
#include "support/testsupport.h" // FileBytes

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

// With `failAt`, the image refuses `failures` of its writes from that one on, as FailingRom does,
// and its syncs fail as `syncs` says.
inline CliRun RunTool(const QStringList& arguments, int failAt = -1, int failures = -1,
                      FailingRom::SyncFault syncs = FailingRom::SyncFault::None) {
    CliRun run;
    QTextStream out(&run.out), err(&run.err);
    Io io{out, err};
    if (failAt >= 0)
        io.openImage = [failAt, failures, syncs](const QString& path) {
            auto rom = std::make_unique<FailingRom>(path, failAt, failures);
            rom->failSyncs = syncs;
            return Result<std::unique_ptr<RomImage>>(std::move(rom));
        };
    run.code = RunCli(QStringList{QStringLiteral("tolvane-cli")} + arguments, io);
    out.flush();
    err.flush();
    return run;
}

inline void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
