#include "cli/cliio.h"

#include "cli/knowntables.h"
#include "rom/newfile.h"
#include "wording/wording.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

int Fail(Io& io, const QString& message) {
    io.err << "tolvane-cli: " << message << Qt::endl;
    return ExitInvalidInput;
}

int UsageError(Io& io, const QString& message) {
    io.err << "tolvane-cli: " << message << "\nRun 'tolvane-cli --help' for usage." << Qt::endl;
    return ExitUsage;
}

std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                int positionals, const QString& help, Io& io) {
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QStringList{QStringLiteral("tolvane-cli")} + arguments))
        return UsageError(io, parser.errorText());
    if (parser.isSet(helpOption)) {
        io.out << help << Qt::flush;
        return ExitSuccess;
    }
    if (parser.positionalArguments().size() != positionals)
        return UsageError(io, QStringLiteral("wrong number of file names.\n") +
                                  help.section(QLatin1Char('\n'), 0, 0));
    return std::nullopt;
}

std::optional<NodeKind> NotARegularFile(const QString& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    // The status of what a link leads to, as an open would see it.
    const fs::file_status status = fs::status(QFileInfo(path).filesystemFilePath(), error);
    if (error)
        return std::nullopt; // missing, or not to be examined: the open says why
    switch (status.type()) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
        return std::nullopt;
    case fs::file_type::directory:
        return NodeKind::Folder;
    case fs::file_type::fifo:
        return NodeKind::Fifo;
    case fs::file_type::socket:
        return NodeKind::Socket;
    case fs::file_type::character:
    case fs::file_type::block:
        return NodeKind::Device;
    default:
        return NodeKind::Other;
    }
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error, qint64 limit) {
    const QString name = QDir::toNativeSeparators(path);
    // The kind is named here in the command line's own words. The open is the image layer's,
    // which takes nothing but a regular file and never waits: a path that became a FIFO after
    // this check is refused too, where a plain open would block.
    if (const auto kind = NotARegularFile(path)) {
        *error = QStringLiteral("cannot read %1: %2").arg(name, NodeText(*kind));
        return std::nullopt;
    }
    Outcome why;
    const auto opened = OpenImageFileForReading(path, &why);
    if (!opened) {
        *error = QStringLiteral("cannot read %1: %2").arg(name, ReasonText(why));
        return std::nullopt;
    }
    RomImage file(path, *opened);
    try {
        const qint64 size = file.size();
        if (size > limit) {
            *error = QStringLiteral("cannot read %1: it is %2 bytes long, more than the %3 bytes "
                                    "(%4 MiB) such a file may have")
                         .arg(name, QString::number(size), QString::number(limit),
                              QString::number(limit >> 20));
            return std::nullopt;
        }
        return file.bytes(0, size);
    } catch (const RomError& e) {
        *error = ImageErrorText(e);
        return std::nullopt;
    }
}

bool IsStandardOutput(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
}

std::optional<QString> OutputIsAnInput(const QString& output, const QStringList& inputs) {
    if (IsStandardOutput(output))
        return std::nullopt;
    const auto there = IdentityAtPath(output);
    for (const QString& input : inputs)
        if (there && there == IdentityAtPath(input))
            return QStringLiteral("cannot write %1: it is the file %2 that this command reads")
                .arg(QDir::toNativeSeparators(output), QDir::toNativeSeparators(input));
    return std::nullopt;
}

bool StandardOutputHolds(Io& io, QString* error) {
    io.out.flush();
    auto* file = qobject_cast<QFileDevice*>(io.out.device());
    if (io.out.status() == QTextStream::Ok && (!file || (file->flush() && !file->error())))
        return true;
    *error = QStringLiteral("cannot write to the standard output: %1")
                 .arg(file ? file->errorString() : QStringLiteral("the stream failed"));
    return false;
}

bool WriteOutput(Io& io, const QString& path, const QByteArray& bytes, QString* error) {
    if (IsStandardOutput(path)) {
        io.out.flush();
        QIODevice* device = io.out.device();
        if (!device) { // a stream into a string
            io.out << QString::fromUtf8(bytes) << Qt::flush;
            return true;
        }
        auto* file = qobject_cast<QFileDevice*>(device);
        if (device->write(bytes) == bytes.size() && (!file || file->flush()))
            return true;
        *error =
            QStringLiteral("cannot write to the standard output: %1").arg(device->errorString());
        return false;
    }
    const QString name = QDir::toNativeSeparators(path);
    if (const auto kind = NotARegularFile(path)) {
        if (*kind == NodeKind::Folder) {
            *error = QStringLiteral("cannot write %1: it is a directory").arg(name);
            return false;
        }
        // A device, a FIFO or a socket is written into: replacing it would put a file where the
        // system or another program expects the node.
        QFile node(path);
        if (node.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            node.write(bytes) == bytes.size())
            return true;
        *error = QStringLiteral("cannot write %1: %2").arg(name, node.errorString());
        return false;
    }
    // Every regular file, wherever it lies (/dev/shm, or behind /dev/stdout), is replaced whole,
    // keeping the permissions of the file it replaces.
    // Where a write lands: through a link to its target, as the shell's redirection goes.
    const QString target = FollowLinks(path);
    NewFile file(target);
    if (file.open(PermissionsAtPath(target)) && file.write(bytes.constData(), bytes.size()) &&
        file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(name, SystemText(file.error()));
    return false;
}

std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path, bool recover, Recovery* recovery) {
    Outcome reason;
    auto image = io.openImage(path, &reason);
    if (!image) {
        Fail(io, QStringLiteral("cannot open %1: %2")
                     .arg(QDir::toNativeSeparators(path), ReasonText(reason)));
        return image;
    }
    const Recovery done = RecoverImage(*image, recover);
    if (recovery)
        *recovery = done;
    if (done.torn) {
        Fail(io, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(image->path()),
                                              TornImageText(*image, KnownTables(), done)));
        return nullptr;
    }
    ReportRecovery(io, *image, done);
    return image;
}

void ReportRecovery(Io& io, RomImage& image, const Recovery& recovery) {
    const QString name = QDir::toNativeSeparators(image.path());
    // A record left as it is says why itself.
    if (recovery.fault.failed() && recovery.action != RecoveryAction::Reported)
        Fail(io, QStringLiteral("%1: %2").arg(name, RecoveryProblemText(recovery.fault)));
    if (recovery.action != RecoveryAction::None)
        Fail(io, QStringLiteral("%1: %2").arg(name, RecoveryText(image, KnownTables(), recovery)));
}

int FailedWrite(Io& io, const RomImage& image, const Outcome& outcome) {
    Fail(io, CommandWriteText(outcome, image.backupMade() ? image.backupPath() : QString()));
    return outcome.fault == Fault::WrittenInPart || outcome.fault == Fault::NotSynced
               ? ExitWrittenInPart
               : ExitInvalidInput;
}
