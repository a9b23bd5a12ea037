#pragma once

#include "rom/result.h"
#include "rom/romimage.h"
#include "tables/imagefacts.h"
#include "tables/recoverednames.h"
#include "tables/recovery.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <limits>
#include <memory>
#include <optional>

// What every command shares: where its output and its messages go, the exit codes, and whole-file
// reads and writes.

enum ExitCode : int {
    ExitSuccess = 0,
    ExitInvalidInput = 1, // nothing was written
    ExitUsage = 2,
    ExitWrittenInPart = 3, // a write failed and what landed could not all be put back
};

struct Io {
    QTextStream& out;
    QTextStream& err;
    // How images are opened: OpenRomImage, or in tests an image that fails on purpose.
    std::function<Result<std::unique_ptr<RomImage>>(const QString& path)> openImage = OpenRomImage;
};

// "tolvane-cli: message" on the error stream, the message worded from `o` or given whole.
int Fail(Io& io, const Outcome& o);
int Fail(Io& io, const QString& message);
int UsageError(Io& io, const Outcome& o);

// Parses a command's own arguments (`arguments` without the command's name) into `parser`, which
// holds the command's options. The exit code when the command must not run: its help was asked
// for, or the arguments are not `positionals` texts and known options.
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                int positionals, const QString& help, Io& io);

// What `path` leads to when it exists and is not a regular file.
std::optional<NodeKind> NotARegularFile(const QString& path);

// The whole file, or why not. Only a regular file is read: opening a FIFO would wait for a writer
// that may never come. A file longer than `limit` bytes (by default, than any image) is refused
// before any of it is read.
Result<QByteArray> ReadWholeFile(const QString& path, qint64 limit = LargestImageBytes);

// "-" and an empty path mean the standard output.
bool IsStandardOutput(const QString& path);
// Why `output` may not be written: it is one of the files the command reads, or the history or
// the backup of one (a link or another name of it included), which the output would replace.
Outcome OutputIsAnInput(const QString& output, const QStringList& inputs);
// Whether everything printed to the standard output reached it.
Outcome StandardOutputHolds(Io& io);
// Writes `bytes` to the standard output, into a path that is a device (replacing it would put a
// file where the system expects the node), or else into a new file that replaces the regular file
// at `path` (or behind the link there) only once every byte is on disk, so a failure leaves no
// half-written file and the old one whole. Every byte, the sync and the close are checked. A
// FIFO, a socket or a folder is refused, and so is an image's history or backup, which only
// the saves write. Every command's output file goes through here.
Outcome WriteOutput(Io& io, const QString& path, const QByteArray& bytes);
// Why `target` (a path with its links followed) is a file that only the saves write: the history
// of an image, known by its header or by its name beside the image, or an image's backup.
Outcome KeptByTheSaves(const QString& target);
// The image for the core library's readers and saves, opened by the one open-and-recover sequence
// (ImageOpening::Open); null after reporting why it cannot be opened. A file larger than any
// image is refused without reading it. A save of its history that was cut short is put right
// first, or with `recover` false only reported, on the error stream; `recovery` gets what was
// done.
std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path, bool recover = true,
                                    Recovery* recovery = nullptr);
// OpenImage for a command that writes the image: a dry run only reports a save cut short, since
// it writes nothing, and the image is copied to IMAGE.bak before the first write unless `backup`
// is false (--no-backup).
std::unique_ptr<RomImage> OpenImageToWrite(Io& io, const QString& path, bool dryRun, bool backup);
// Tells what a recovery of the image at `path` did, naming its `entries`, on the error stream.
void ReportRecovery(Io& io, const QString& path, const Recovery& recovery,
                    const RecoveredEntries& entries);
// Reports a transaction of `image` that failed: ExitWrittenInPart when some of it stands in the
// file, else ExitInvalidInput.
int FailedWrite(Io& io, const RomImage& image, const Outcome& outcome);
