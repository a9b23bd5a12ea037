#include "cli/cliio.h"

#include "cli/knowntables.h"
#include "rom/historyformat.h"
#include "rom/imagecalls.h"
#include "rom/newfile.h"
#include "tables/imageopening.h"
#include "wording/clitext.h"
#include "wording/recoverytext.h"
#include "wording/wording.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

int Fail(Io& io, const QString& message) {
    io.err << "tolvane-cli: " << message << Qt::endl;
    return ExitInvalidInput;
}

int Fail(Io& io, const Outcome& o) {
    return Fail(io, ImageErrorText(o));
}

int UsageError(Io& io, const Outcome& o) {
    Fail(io, UsageErrorText(o));
    return ExitUsage;
}

std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                int positionals, const QString& help, Io& io) {
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QStringList{QStringLiteral("tolvane-cli")} + arguments))
        return UsageError(io,
                          {.fault = UsageFault::ArgumentsRefused, .reason = parser.errorText()});
    if (parser.isSet(helpOption)) {
        io.out << help << Qt::flush;
        return ExitSuccess;
    }
    if (parser.positionalArguments().size() != positionals)
        return UsageError(io, {.fault = UsageFault::FileNameCount,
                               .text = help.section(QLatin1Char('\n'), 0, 0)});
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

Result<QByteArray> ReadWholeFile(const QString& path, qint64 limit) {
    // The kind is named here in the command line's own words. The open is the image layer's,
    // which takes nothing but a regular file and never waits: a path that became a FIFO after
    // this check is refused too, where a plain open would block.
    if (const auto kind = NotARegularFile(path))
        return Outcome{.fault = CliFileFault::FileNotRead,
                       .file = path,
                       .cause = {{.fault = ImageFault::NotAFile, .node = *kind}}};
    const auto opened = OpenImageFileForReading(path);
    if (!opened)
        return Outcome{
            .fault = CliFileFault::FileNotRead, .file = path, .cause = {opened.failure()}};
    RomImage file(path, *opened);
    const auto size = ImageSize(file);
    if (!size)
        return size.failure();
    if (*size > limit)
        return Outcome{
            .fault = CliFileFault::FileTooLarge, .file = path, .length = *size, .limit = limit};
    return ImageBytes(file, 0, *size);
}

namespace {

// Whether `path` leads to the process's own standard output (/dev/stdout, /proc/self/fd/1): a
// pipe there is the command's output with its reader, not a FIFO that would wait for one.
bool leadsToStandardOutput(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    const auto held = IdentityOfFile(FileHandle(1));
    return held && IdentityAtPath(path) == held->identity;
#endif
}

} // namespace

bool IsStandardOutput(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
}

Outcome OutputIsAnInput(const QString& output, const QStringList& inputs) {
    if (IsStandardOutput(output))
        return {};
    const auto there = IdentityAtPath(output);
    if (!there)
        return {};
    for (const QString& input : inputs) {
        if (there == IdentityAtPath(input))
            return {.fault = CliFileFault::OutputIsInput, .file = output, .other = input};
        // An input's history or backup under another name (a hard link) is still what only the
        // saves of that input write.
        const QString image = FollowLinks(input);
        if (there == IdentityAtPath(image + QStringLiteral(".history")))
            return {.fault = CliFileFault::OutputIsHistory, .file = output, .other = input};
        if (there == IdentityAtPath(image + QStringLiteral(".bak")))
            return {.fault = CliFileFault::OutputIsBackup, .file = output, .other = input};
    }
    return {};
}

Outcome StandardOutputHolds(Io& io) {
    io.out.flush();
    auto* file = qobject_cast<QFileDevice*>(io.out.device());
    if (io.out.status() == QTextStream::Ok && (!file || (file->flush() && !file->error())))
        return {};
    return {.fault = CliFileFault::StandardOutputLost,
            .reason = file ? file->errorString() : QString()};
}

Outcome WriteOutput(Io& io, const QString& path, const QByteArray& bytes) {
    if (IsStandardOutput(path)) {
        io.out.flush();
        QIODevice* device = io.out.device();
        if (!device) { // a stream into a string
            io.out << QString::fromUtf8(bytes) << Qt::flush;
            return {};
        }
        auto* file = qobject_cast<QFileDevice*>(device);
        if (device->write(bytes) == bytes.size() && (!file || file->flush()))
            return {};
        return {.fault = CliFileFault::StandardOutputLost, .reason = device->errorString()};
    }
    if (const auto kind = NotARegularFile(path)) {
        // A FIFO would hold the command until a reader came, and a socket takes no open: only a
        // device is written into, and the command's own output by another name.
        if (*kind != NodeKind::Device && leadsToStandardOutput(path))
            return WriteOutput(io, {}, bytes);
        if (*kind != NodeKind::Device)
            return {.fault = CompareFault::OutputNotWritten, .node = *kind, .file = path};
        // Replacing a device would put a file where the system or another program expects the
        // node.
        QFile node(path);
        if (node.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            node.write(bytes) == bytes.size())
            return {};
        return {.fault = CliFileFault::NodeNotWritten, .file = path, .reason = node.errorString()};
    }
    // Every regular file, wherever it lies (/dev/shm, or behind /dev/stdout), is replaced whole,
    // keeping the permissions of the file it replaces.
    // Where a write lands: through a link to its target, as the shell's redirection goes.
    const QString target = FollowLinks(path);
    if (Outcome kept = KeptByTheSaves(target); kept.failed()) {
        kept.file = path;
        return kept;
    }
    NewFile file(target);
    if (file.open(PermissionsAtPath(target)) && file.write(bytes.constData(), bytes.size()) &&
        file.commit())
        return {};
    return {.fault = CompareFault::OutputNotWritten, .file = path, .error = file.error()};
}

Outcome KeptByTheSaves(const QString& target) {
    const QString historySuffix = QStringLiteral(".history"), backupSuffix = QStringLiteral(".bak");
    // Named beside an image: the next save would replace what is written there, or a history
    // that is none would stop every save of the image.
    const auto besideAnImage = [&target](const QString& suffix) {
        if (!target.endsWith(suffix))
            return QString();
        const QString image = target.chopped(suffix.size());
        return QFileInfo(image).isFile() ? image : QString();
    };
    if (const QString image = besideAnImage(historySuffix); !image.isEmpty())
        return {.fault = CliFileFault::OutputIsHistory, .file = target, .other = image};
    if (const QString image = besideAnImage(backupSuffix); !image.isEmpty())
        return {.fault = CliFileFault::OutputIsBackup, .file = target, .other = image};
    // A history under any other name (a copy, a link's other name) still says what it is.
    QFile file(target);
    if (QFileInfo(target).isFile() && file.open(QIODevice::ReadOnly)) {
        const QByteArray magic = HistoryHeader().first(8);
        if (file.read(magic.size()) == magic)
            return {.fault = CliFileFault::OutputIsHistory, .file = target};
    }
    return {};
}

std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path, bool recover, Recovery* recovery) {
    auto opened = ImageOpening::Open(path, recover, KnownTables(), io.openImage, LargestImageBytes);
    if (!opened) {
        Fail(io, opened.failure());
        return nullptr;
    }
    if (recovery)
        *recovery = opened->recovery;
    if (opened->recovery.torn) {
        Fail(io, AboutFileText(path, TornImageText(opened->entries, opened->recovery)));
        return nullptr;
    }
    ReportRecovery(io, path, opened->recovery, opened->entries);
    return std::move(opened->image);
}

std::unique_ptr<RomImage> OpenImageToWrite(Io& io, const QString& path, bool dryRun, bool backup) {
    auto image = OpenImage(io, path, !dryRun);
    if (image && backup)
        image->enableBackup();
    return image;
}

void ReportRecovery(Io& io, const QString& path, const Recovery& recovery,
                    const RecoveredEntries& entries) {
    // A record left as it is says why itself.
    if (recovery.fault.failed() && recovery.action != RecoveryAction::Reported)
        Fail(io, AboutFileText(path, RecoveryProblemText(recovery.fault)));
    if (recovery.action != RecoveryAction::None)
        Fail(io, AboutFileText(path, RecoveryText(entries, recovery)));
}

int FailedWrite(Io& io, const RomImage& image, const Outcome& outcome) {
    Fail(io, CommandWriteText(outcome, image.backupMade() ? image.backupPath() : QString()));
    return outcome.fault == SaveFault::WrittenInPart || outcome.fault == SaveFault::NotSynced
               ? ExitWrittenInPart
               : ExitInvalidInput;
}
