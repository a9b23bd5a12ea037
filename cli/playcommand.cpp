#include "cli/commands.h"
#include "play/emulator.h"
#include "wording/playtext.h"
#include "wording/translation.h"

#include <QDir>
#include <QFileInfo>

int PlayCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption printOption(QStringLiteral("print"));
    parser.addOption(printOption);
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli play IMAGE [--print]\n\n"
        "Starts the user's emulator on IMAGE as it stands on disk, and returns at once: the\n"
        "emulator runs on by itself. The emulator is, in this order: the command line in the\n"
        "variable TOLVANE_EMULATOR, in which %f stands for the image (without %f the image is\n"
        "the last argument) and double quotes group a word with blanks; the first of the\n"
        "well-known emulators found on PATH; the application the system opens .nes files\n"
        "with, unless that is Tolvane itself. A save that a crash cut short is put right first.\n\n"
        "  --print  print the command line it would run, and run nothing\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    const bool print = parser.isSet(printOption);
    const QString path = parser.positionalArguments().first();
    if (print) {
        // --print writes nothing: a save cut short is only reported, as info reports it.
        auto image = io.openImage(path);
        if (!image)
            return Fail(
                io,
                {.fault = CliFileFault::ImageNotOpened, .file = path, .cause = {image.failure()}});
        ReportRecovery(io, **image, RecoverImage(**image, false));
    } else if (!OpenImage(io, path)) {
        // Opened only to check it and to put right a save cut short, so that the emulator never
        // gets a half-written image; closed again before the emulator opens it.
        return ExitInvalidInput;
    }
    const QString imagePath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    EmulatorSearch search;
    const auto emulator = FindEmulator(SystemPlayEnvironment(), &search);
    if (!emulator)
        return Fail(io, NoEmulatorText(imagePath, search));
    const QStringList words = SubstituteImage(emulator->words, imagePath);
    if (print) {
        io.out << JoinCommandLine(words) << Qt::endl;
        return ExitSuccess;
    }
    if (const Started started = StartDetached(words); !started.failure.isEmpty())
        return Fail(io, EmulatorNotStartedText(words, started.failure));
    return ExitSuccess;
}
