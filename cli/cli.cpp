#include "cli/commands.h"
#include "wording/translation.h"

#include <functional>
#include <map>

namespace {

QString Overview() {
    return CliHelp::tr(
        "Usage: tolvane-cli COMMAND ARGUMENTS...\n\n"
        "The command-line companion of the Tolvane editor: what an image is, the item and enemy\n"
        "tables of an image as CSV or JSON, names rewritten in place, differences between images,\n"
        "what changed since an image's original, two lines of work merged, IPS and BPS patches,\n"
        "and the image played in the user's emulator.\n\n"
        "Commands:\n"
        "  info IMAGE [--json]\n"
        "  export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]\n"
        "  import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]\n"
        "  rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]\n"
        "  history IMAGE [--json]\n"
        "  undo IMAGE [--save N] [--dry-run] [--no-backup]\n"
        "  changes IMAGE [--base FILE] [--table items|enemies] [--format text|csv|json|markdown]\n"
        "  diff IMAGE_A IMAGE_B\n"
        "  merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]\n"
        "  patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps\n"
        "  apply PATCH IMAGE -o OUT\n"
        "  play IMAGE [--print]\n"
        "  edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS [--clamp] [--dry-run]\n"
        "       [--no-backup]\n"
        "  script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]\n\n"
        "Run 'tolvane-cli COMMAND --help' for the details of one command. import, rename and undo\n"
        "write into IMAGE in place; before their first write they copy it to IMAGE.bak, and each "
        "of\n"
        "their saves is recorded in IMAGE.history. A save that a crash cut short is put right by "
        "the\n"
        "next opening that may write the image: the editor's, or any command that reads its "
        "tables\n"
        "but info and a dry run, which only report it.\n\n"
        "Exit codes:\n"
        "  0  success\n"
        "  1  invalid input, or an output that could not be written in full: nothing was written\n"
        "  2  usage error\n"
        "  3  written in part: a write failed and could not be put back; see the message; the\n"
        "     backup IMAGE.bak holds the image as it was\n");
}

// A command that succeeded has succeeded only if all it printed reached the standard output: a
// full disk behind a redirection must not pass for a written report.
int Finished(Io& io, int code) {
    if (code != ExitSuccess)
        return code;
    const Outcome held = StandardOutputHolds(io);
    return held.ok() ? code : Fail(io, held);
}

} // namespace

int RunCli(const QStringList& arguments, Io& io) {
    const std::map<QString, std::function<int(const QStringList&, Io&)>> commands = {
        {QStringLiteral("export"), ExportCommand}, {QStringLiteral("import"), ImportCommand},
        {QStringLiteral("rename"), RenameCommand}, {QStringLiteral("diff"), DiffCommand},
        {QStringLiteral("patch"), PatchCommand},   {QStringLiteral("apply"), ApplyCommand},
        {QStringLiteral("info"), InfoCommand},     {QStringLiteral("history"), HistoryCommand},
        {QStringLiteral("undo"), UndoCommand},     {QStringLiteral("changes"), ChangesCommand},
        {QStringLiteral("merge"), MergeCommand},   {QStringLiteral("play"), PlayCommand},
        {QStringLiteral("edit"), EditCommand},     {QStringLiteral("script"), ScriptCommand}};
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        io.out << Overview() << Qt::flush;
        return Finished(io, ExitSuccess);
    }
    if (first == QLatin1String("--version")) {
        io.out << "tolvane-cli " << TOLVANE_VERSION << Qt::endl;
        return Finished(io, ExitSuccess);
    }
    if (first.isEmpty())
        return UsageError(io, {.fault = UsageFault::NoCommand});
    const auto command = commands.find(first);
    if (command == commands.end())
        return UsageError(io, {.fault = UsageFault::UnknownCommand, .text = first});
    return Finished(io, command->second(arguments.mid(2), io));
}
