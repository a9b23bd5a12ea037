#include "cli/bps.h"
#include "cli/commands.h"
#include "cli/ips.h"
#include "wording/wording.h"

#include <QDir>

namespace {

QCommandLineOption outputOption() {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                              QStringLiteral("file"));
}

int written(Io& io, const QString& path, const QByteArray& bytes) {
    QString error;
    if (!WriteOutput(io, path, bytes, &error))
        return Fail(io, error);
    if (!IsStandardOutput(path))
        io.out << QStringLiteral("Wrote %1 (%2 bytes).")
                      .arg(QDir::toNativeSeparators(path), QString::number(bytes.size()))
               << Qt::endl;
    return ExitSuccess;
}

} // namespace

int PatchCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption();
    parser.addOption(output);
    const QString help = QStringLiteral(
        "Usage: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps\n\n"
        "Makes a patch that turns ORIGINAL into MODIFIED. The name of OUT picks the format: IPS,\n"
        "or BPS, which also carries the CRC32 of both files and of itself. An IPS patch cannot\n"
        "cut a file to 16 MiB or more, so such a MODIFIED needs BPS. An OUT that is a FIFO or a\n"
        "device is written into; any other OUT is replaced only once the whole patch is "
        "written.\n\n"
        "Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch cannot be\n"
        "made, or OUT cannot be written in full: no part of it is left); 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString out = parser.value(output);
    const bool ips = out.endsWith(QLatin1String(".ips"), Qt::CaseInsensitive);
    if (!ips && !out.endsWith(QLatin1String(".bps"), Qt::CaseInsensitive))
        return UsageError(io, QStringLiteral("-o must name a file ending in .ips or .bps"));

    if (const auto refused = OutputIsAnInput(out, parser.positionalArguments()))
        return Fail(io, *refused);
    QString error;
    const auto original = ReadWholeFile(parser.positionalArguments().at(0), &error);
    const auto modified =
        original ? ReadWholeFile(parser.positionalArguments().at(1), &error) : std::nullopt;
    if (!modified)
        return Fail(io, error);
    if (!ips)
        return written(io, out, MakeBps(*original, *modified));
    const auto patch = MakeIps(*original, *modified, &error);
    if (!patch)
        return Fail(io, QDir::toNativeSeparators(parser.positionalArguments().at(1)) +
                            QStringLiteral(": ") + error);
    return written(io, out, *patch);
}

int ApplyCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption();
    parser.addOption(output);
    const QString help = QStringLiteral(
        "Usage: tolvane-cli apply PATCH IMAGE -o OUT\n\n"
        "Applies an IPS or BPS patch to IMAGE and writes the result to OUT. A patch that is cut\n"
        "short or damaged, or a BPS patch whose checksums do not match, is refused and nothing is\n"
        "written. With -o - the result goes to the standard output. An OUT that is a FIFO or a\n"
        "device is written into; any other OUT is replaced only once the whole result is\n"
        "written.\n\n"
        "Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch is refused,\n"
        "or OUT cannot be written in full: no part of it is left); 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString out = parser.value(output);
    if (out.isEmpty())
        return UsageError(io, QStringLiteral("-o OUT names the file to write"));

    const QString patchPath = parser.positionalArguments().at(0);
    if (const auto refused = OutputIsAnInput(out, parser.positionalArguments()))
        return Fail(io, *refused);
    QString error;
    const auto patch = ReadWholeFile(patchPath, &error);
    const auto image =
        patch ? ReadWholeFile(parser.positionalArguments().at(1), &error) : std::nullopt;
    if (!image)
        return Fail(io, error);
    std::optional<QByteArray> result;
    if (patch->startsWith("PATCH"))
        result = ApplyIps(*patch, *image, &error);
    else if (patch->startsWith("BPS1"))
        result = ApplyBps(*patch, *image, &error);
    else
        error = QStringLiteral("not an IPS or BPS patch");
    if (!result)
        return Fail(io, NothingWrittenAfter(QStringLiteral("%1: %2").arg(
                            QDir::toNativeSeparators(patchPath), error)));
    return written(io, out, *result);
}
