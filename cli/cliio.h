#pragma once

#include "rom/romimage.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

// What every command shares: where its output and its messages go, the exit codes, and whole-file
// reads and writes.

enum ExitCode : int {
    ExitSuccess = 0,
    ExitInvalidInput = 1, // nothing was written
    ExitUsage = 2,
};

struct Io {
    QTextStream& out;
    QTextStream& err;
};

// "tolvane-cli: message" on the error stream.
int Fail(Io& io, const QString& message);
int UsageError(Io& io, const QString& message);

// Parses a command's own arguments (`arguments` without the command's name) into `parser`, which
// holds the command's options. The exit code when the command must not run: its help was asked
// for, or the arguments are not `positionals` texts and known options.
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                int positionals, const QString& help, Io& io);

// The whole file, or nothing with the reason in `error`.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error);
// Writes a whole file through a temporary one, so a failure leaves the old file as it was.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error);
// The image for the core library's readers and saves; null after reporting why it cannot be opened.
std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path);
