#pragma once

#include "rom/romimage.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

// What every command shares: where its output and its messages go, the exit codes, and whole-file
// reads and writes.

enum ExitCode : int {
    ExitSuccess = 0,
    ExitInvalidInput = 1, // nothing was written
    ExitUsage = 2,
    ExitWrittenInPart = 3, // a write into the image stopped part-way; the message says how far
};

struct Io {
    QTextStream& out;
    QTextStream& err;
    // How images are opened: OpenRomImage, or in tests an image that fails on purpose.
    std::function<std::unique_ptr<RomImage>(const QString& path, QString* error)> openImage =
        OpenRomImage;
};

// "tolvane-cli: message" on the error stream.
int Fail(Io& io, const QString& message);
int UsageError(Io& io, const QString& message);

// Parses a command's own arguments (`arguments` without the command's name) into `parser`, which
// holds the command's options. The exit code when the command must not run: its help was asked
// for, or the arguments are not `positionals` texts and known options.
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                int positionals, const QString& help, Io& io);

// "a FIFO (a named pipe)", "a directory": what `path` is when it exists and is not a regular file.
std::optional<QString> NotARegularFile(const QString& path);

// The whole file, or nothing with the reason in `error`. Only a regular file is read: opening a
// FIFO would wait for a writer that may never come.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error);

// "-" and an empty path mean the standard output.
bool IsStandardOutput(const QString& path);
// Writes `bytes` to the standard output, into a path that exists and is not a regular file (a
// device, a FIFO: replacing it would put a file where the system expects the node), or else
// through a temporary file renamed over `path` once every byte is on disk, so a failure leaves no
// half-written file. Every byte is checked, the system's reason given in `error` on failure.
bool WriteOutput(Io& io, const QString& path, const QByteArray& bytes, QString* error);
// The image for the core library's readers and saves; null after reporting why it cannot be opened.
std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path);
