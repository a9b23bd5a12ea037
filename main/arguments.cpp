#include "main/arguments.h"

#include "main/frmmain.h"
#include "windowkit/seams.h"
#include "wording/windowtext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

// The context of the editor's --help, for translators; Qt's own catalogue words the rest.
class EditorHelp {
    Q_DECLARE_TR_FUNCTIONS(EditorHelp)
};

namespace {

void AddEditorOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        EditorHelp::tr("Edits the item and enemy tables of a game image in place."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"),
                                 EditorHelp::tr("The image to open, as if chosen in the open "
                                                "dialog. Put -- before a name that begins with -."),
                                 QStringLiteral("[IMAGE]"));
    parser.addOption({QStringLiteral("base"),
                      EditorHelp::tr("Mark what differs from FILE, an image of the same size, "
                                     "instead of from the image's history."),
                      QStringLiteral("FILE")});
}

} // namespace

bool AsksForHelpOrVersion(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    AddEditorOptions(parser);
    parser.parse(arguments);
    // --help-all is left to QApplication: the Qt options it lists are those of the GUI.
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"));
}

std::optional<int> ReadCommandLine(const QStringList& arguments, QStringList* images,
                                   QString* base) {
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(TOLVANE_VERSION_MAJOR)
                                                .arg(TOLVANE_VERSION_MINOR)
                                                .arg(TOLVANE_VERSION_PATCH));
    QCommandLineParser parser;
    AddEditorOptions(parser);
    const bool parsed = parser.parse(arguments);
    // Without QApplication, Qt's own options are still in the list, unknown to this parser: help
    // and the version are answered all the same.
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    // Only process() lists Qt's options; it is given none of them, which it would call unknown.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process({arguments.value(0), QStringLiteral("--help-all")});
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parsed) {
        const QString message = CommandLineErrorText(parser.errorText());
#ifdef Q_OS_WIN
        // A windowed program has no console to write to.
        ShowMessage(nullptr, QMessageBox::Warning, QStringLiteral("Tolvane"), message);
#else
        std::fprintf(stderr, "tolvane: %s\n", qPrintable(message));
#endif
        return 2;
    }
    *images = parser.positionalArguments();
    if (base && parser.isSet(QStringLiteral("base")))
        *base = QFileInfo(parser.value(QStringLiteral("base"))).absoluteFilePath();
    return std::nullopt;
}

void OpenGivenImage(frmMain& window, const QStringList& arguments) {
    const QStringList given = arguments.mid(1);
    if (given.isEmpty())
        return;
    if (given.size() > 1) {
        ShowMessage(&window, QMessageBox::Warning, frmMain::tr("Open ROM"),
                    OneImageAtATimeText(given));
        return;
    }
    // The open dialog hands over absolute paths; a relative one would name another file if the
    // working folder ever changed, and reads worse in a message.
    window.openImage(QFileInfo(given.first()).absoluteFilePath());
}
