#include "cli/cliio.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

std::unique_ptr<RomImage> OpenImage(Io& io, const QString& path) {
    QString reason;
    auto image = OpenRomImage(path, &reason);
    if (!image)
        Fail(io, QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return image;
}
