#include "cli/cliio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::optional<QString> NotARegularFile(const QString& path) {
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
        return QStringLiteral("a directory");
    case fs::file_type::fifo:
        return QStringLiteral("a FIFO (a named pipe)");
    case fs::file_type::socket:
        return QStringLiteral("a socket");
    case fs::file_type::character:
    case fs::file_type::block:
        return QStringLiteral("a device");
    default:
        return QStringLiteral("of an unknown kind");
    }
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error) {
    const QString name = QDir::toNativeSeparators(path);
    // The kind is named here in the command line's own words. The open is the image layer's,
    // which takes nothing but a regular file and never waits: a path that became a FIFO after
    // this check is refused too, where a plain open would block.
    if (const auto kind = NotARegularFile(path)) {
        *error = QStringLiteral("cannot read %1: it is %2, not a file").arg(name, *kind);
        return std::nullopt;
    }
    QString why;
    const auto opened = OpenImageFileForReading(path, &why);
    if (!opened) {
        *error = QStringLiteral("cannot read %1: %2").arg(name, why);
        return std::nullopt;
    }
    RomImage file(path, *opened);
    try {
        return file.bytes(0, file.size());
    } catch (const RomError& e) {
        *error = e.message();
        return std::nullopt;
    }
}

namespace {

// A device, a FIFO, or a path under /dev or /proc that leads to a file another program holds open
// (/dev/stdout, /dev/fd/3): replacing any of these would cut the stream it stands for.
bool writtenInPlace(const QString& path) {
    const QFileInfo info(path);
    const auto stream = [](const QString& p) {
        return p.startsWith(QLatin1String("/dev/")) || p.startsWith(QLatin1String("/proc/"));
    };
    return NotARegularFile(path) || stream(info.absoluteFilePath()) ||
           (info.isSymLink() && stream(info.symLinkTarget()));
}

} // namespace

bool IsStandardOutput(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
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
    if (writtenInPlace(path)) {
        // A regular file behind /dev/stdout is appended to: that keeps what the stream holds
        // already, as the shell's redirection does.
        const auto append = NotARegularFile(path) ? QIODevice::NotOpen : QIODevice::Append;
        QFile node(path);
        if (node.open(QIODevice::WriteOnly | QIODevice::Unbuffered | append) &&
            node.write(bytes) == bytes.size())
            return true;
        *error = QStringLiteral("cannot write %1: %2").arg(name, node.errorString());
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(name, file.errorString());
    return false;
}

std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path) {
    QString reason;
    auto image = io.openImage(path, &reason);
    if (!image)
        Fail(io, QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return image;
}
