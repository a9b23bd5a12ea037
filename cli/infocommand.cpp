#include "cli/commands.h"
#include "cli/knowntables.h"
#include "tables/imagefacts.h"
#include "tables/imageopening.h"
#include "wording/clitext.h"
#include "wording/comparetext.h"
#include "wording/recoverytext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

QString YesNo(bool value) {
    return value ? CliWording::tr("yes") : CliWording::tr("no");
}

// The name --json gives, and the report's words translate.
const char* MirroringName(Mirroring mirroring) {
    switch (mirroring) {
    case Mirroring::Vertical:
        return QT_TRANSLATE_NOOP("CliWording", "vertical");
    case Mirroring::FourScreen:
        return QT_TRANSLATE_NOOP("CliWording", "four-screen");
    case Mirroring::Horizontal:
        break;
    }
    return QT_TRANSLATE_NOOP("CliWording", "horizontal");
}

QJsonObject TableJson(const TableFacts& facts) {
    return {{QStringLiteral("entries"), facts.entries},
            {QStringLiteral("entries_inside"), facts.entriesInside},
            {QStringLiteral("pointers_inside"), facts.pointersInside},
            {QStringLiteral("printable_names"), facts.printableNames}};
}

QJsonObject HeaderJson(const InesHeader& header, qint64 size) {
    return {{QStringLiteral("prg_banks"), double(header.prgBytes / 16384)},
            {QStringLiteral("prg_bytes"), double(header.prgBytes)},
            {QStringLiteral("chr_banks"), double(header.chrBytes / 8192)},
            {QStringLiteral("chr_bytes"), double(header.chrBytes)},
            {QStringLiteral("mapper"), header.mapper},
            {QStringLiteral("mirroring"), QLatin1String(MirroringName(header.mirroring))},
            {QStringLiteral("battery"), header.battery},
            {QStringLiteral("trainer"), header.trainer},
            {QStringLiteral("nes2"), header.nes2},
            {QStringLiteral("declared_size"), double(header.declaredSize())},
            {QStringLiteral("size_matches"), header.declaredSize() == size}};
}

} // namespace

int InfoCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    parser.addOption(jsonOption);
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli info IMAGE [--json]\n\n"
        "Tells what IMAGE is, and writes nothing: its size; its iNES header, if it has one (PRG\n"
        "and CHR ROM, mapper, mirroring, battery, trainer, NES 2.0, and whether the file is as\n"
        "long as the header declares); the CRC32 and SHA-1 of the whole file and of the file\n"
        "without its 16-byte header; and for each table, how many entries lie inside the file,\n"
        "how many name pointers lead into it and how many names are printable text.\n\n"
        "The tables look right when every entry of both lies inside the file and at least\n"
        "3 in 4 names of each table are printable: at least one character, each from 0x20 to\n"
        "0x7E.\n"
        "A save recorded in IMAGE.history that a crash cut short is reported on the error stream\n"
        "and left as it is; the next opening that may write the image puts it right.\n"
        "The exit code is 0 whenever the file could be read, whatever that verdict, unless such\n"
        "a save was cut short halfway: its entries are then named, nothing is told, and it is "
        "1.\n\n"
        "  --json  the same facts as one JSON object\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    const QString path = parser.positionalArguments().first();
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return Fail(io, bytes.failure());
    // A save that was cut short is reported and left for a command that writes; one cut short
    // halfway leaves entries that the tables' facts must not be told from.
    if (const auto opened = ImageOpening::Open(path, false, KnownTables(), io.openImage)) {
        if (opened->recovery.torn)
            return Fail(io, AboutFileText(path, TornImageText(opened->entries, opened->recovery)));
        ReportRecovery(io, path, opened->recovery, opened->entries);
    }

    const qint64 size = bytes->size();
    const auto header = ReadInesHeader(*bytes);
    const Checksums whole = ChecksumsOf(*bytes);
    const auto body =
        header ? std::optional(ChecksumsOf(QByteArrayView(*bytes).sliced(InesHeaderSize)))
               : std::nullopt;
    const TableFacts items = InspectTable(*bytes, &ItemFormat);
    const TableFacts enemies = InspectTable(*bytes, &EnemyFormat);
    const QString whyNot = TablesVerdictText({{&ItemFormat, items}, {&EnemyFormat, enemies}});

    if (parser.isSet(jsonOption)) {
        const QJsonValue none(QJsonValue::Null);
        const QJsonObject facts{
            {QStringLiteral("file"), QDir::toNativeSeparators(path)},
            {QStringLiteral("size"), double(size)},
            {QStringLiteral("header"), header ? QJsonValue(HeaderJson(*header, size)) : none},
            {QStringLiteral("crc32"), whole.crc32},
            {QStringLiteral("sha1"), whole.sha1},
            {QStringLiteral("crc32_without_header"), body ? QJsonValue(body->crc32) : none},
            {QStringLiteral("sha1_without_header"), body ? QJsonValue(body->sha1) : none},
            {QStringLiteral("items"), TableJson(items)},
            {QStringLiteral("enemies"), TableJson(enemies)},
            {QStringLiteral("tables_look_right"), whyNot.isEmpty()}};
        io.out << QString::fromUtf8(QJsonDocument(facts).toJson()) << Qt::flush;
        return ExitSuccess;
    }

    // The labels' column is as wide as the longest label a translation gives, and never narrower
    // than the untranslated one.
    QList<std::pair<QString, QString>> lines;
    const auto line = [&](const QString& label, const QString& value) {
        lines << std::pair{label, value};
    };
    line(CliWording::tr("File:"), QDir::toNativeSeparators(path));
    line(CliWording::tr("Size:"), SizeText(size));
    line(CliWording::tr("iNES header:"), YesNo(header.has_value()));
    if (header) {
        // The header's facts stand indented under its line.
        const QString sub = QStringLiteral("  ");
        line(sub + CliWording::tr("PRG ROM:"), RomSizeText(header->prgBytes, 16));
        line(sub + CliWording::tr("CHR ROM:"), RomSizeText(header->chrBytes, 8));
        line(sub + CliWording::tr("Mapper:"), QString::number(header->mapper));
        line(sub + CliWording::tr("Mirroring:"), CliWording::tr(MirroringName(header->mirroring)));
        line(sub + CliWording::tr("Battery:"), YesNo(header->battery));
        line(sub + CliWording::tr("Trainer:"), YesNo(header->trainer));
        line(sub + CliWording::tr("NES 2.0:"), YesNo(header->nes2));
        line(sub + CliWording::tr("Declared size:"),
             DeclaredSizeText(header->declaredSize(), size));
    }
    line(CliWording::tr("CRC32:"), whole.crc32);
    line(CliWording::tr("SHA-1:"), whole.sha1);
    if (body) {
        line(CliWording::tr("CRC32 without header:"), body->crc32);
        line(CliWording::tr("SHA-1 without header:"), body->sha1);
    }
    line(CliWording::tr("Items:"), TableFactsText(items));
    line(CliWording::tr("Enemies:"), TableFactsText(enemies));
    line(CliWording::tr("Tables look right:"), LookRightText(whyNot));
    qsizetype width = 22;
    for (const auto& [label, value] : lines)
        width = std::max(width, label.size() + 1);
    for (const auto& [label, value] : lines)
        io.out << label.leftJustified(width) << ' ' << value << '\n';
    io.out << Qt::flush;
    return ExitSuccess;
}
