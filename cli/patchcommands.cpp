#include "cli/bps.h"
#include "cli/commands.h"
#include "cli/ips.h"
#include "wording/changestext.h"
#include "wording/translation.h"

namespace {

QCommandLineOption outputOption() {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                              QStringLiteral("file"));
}

int written(Io& io, const QString& path, const QByteArray& bytes) {
    if (const Outcome output = WriteOutput(io, path, bytes); output.failed())
        return Fail(io, output);
    if (!IsStandardOutput(path))
        io.out << MergedText(path, bytes.size()) << Qt::endl;
    return ExitSuccess;
}

} // namespace

int PatchCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption();
    parser.addOption(output);
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps\n\n"
        "Makes a patch that turns ORIGINAL into MODIFIED. The name of OUT picks the format: IPS,\n"
        "or BPS, which also carries the CRC32 of both files and of itself. An IPS patch cannot\n"
        "cut a file to 16 MiB or more, so such a MODIFIED needs BPS. An OUT that is a device\n"
        "is written into and a FIFO refused; any other OUT is replaced only once the whole\n"
        "patch is written.\n\n"
        "Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch cannot be\n"
        "made, or OUT cannot be written in full: no part of it is left); 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString out = parser.value(output);
    const bool ips = out.endsWith(QLatin1String(".ips"), Qt::CaseInsensitive);
    if (!ips && !out.endsWith(QLatin1String(".bps"), Qt::CaseInsensitive))
        return UsageError(io, {.fault = UsageFault::PatchOutputName});

    if (const Outcome refused = OutputIsAnInput(out, parser.positionalArguments());
        refused.failed())
        return Fail(io, refused);
    const QString modifiedPath = parser.positionalArguments().at(1);
    const auto original = ReadWholeFile(parser.positionalArguments().at(0));
    if (!original)
        return Fail(io, original.failure());
    const auto modified = ReadWholeFile(modifiedPath);
    if (!modified)
        return Fail(io, modified.failure());
    if (!ips)
        return written(io, out, MakeBps(*original, *modified));
    const auto patch = MakeIps(*original, *modified);
    if (!patch) {
        Outcome refused = patch.failure();
        refused.file = modifiedPath;
        return Fail(io, refused);
    }
    return written(io, out, *patch);
}

int ApplyCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption output = outputOption();
    parser.addOption(output);
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli apply PATCH IMAGE -o OUT\n\n"
        "Applies an IPS or BPS patch to IMAGE and writes the result to OUT. A patch that is cut\n"
        "short or damaged, or a BPS patch whose checksums do not match, is refused and nothing is\n"
        "written. With -o - the result goes to the standard output. An OUT that is a device\n"
        "is written into and a FIFO refused; any other OUT is replaced only once the whole\n"
        "result is written.\n\n"
        "Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch is refused,\n"
        "or OUT cannot be written in full: no part of it is left); 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString out = parser.value(output);
    if (out.isEmpty())
        return UsageError(io, {.fault = UsageFault::NoOutputOption});

    const QString patchPath = parser.positionalArguments().at(0);
    const QString imagePath = parser.positionalArguments().at(1);
    if (const Outcome refused = OutputIsAnInput(out, parser.positionalArguments());
        refused.failed())
        return Fail(io, refused);
    const auto patch = ReadWholeFile(patchPath);
    if (!patch)
        return Fail(io, patch.failure());
    const auto image = ReadWholeFile(imagePath);
    if (!image)
        return Fail(io, image.failure());
    const Result<QByteArray> result = patch->startsWith("PATCH") ? ApplyIps(*patch, *image)
                                      : patch->startsWith("BPS1")
                                          ? ApplyBps(*patch, *image)
                                          : Outcome{.fault = PatchFault::NotAPatch};
    if (!result) {
        Outcome refused = result.failure();
        refused.file = patchPath;
        refused.other = imagePath;
        return Fail(io, refused);
    }
    return written(io, out, *result);
}
