#include "play/emulator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

std::optional<QStringList> SplitCommandLine(const QString& line) {
    QStringList words;
    QString word;
    // A word begins at its first character or quote: "" is an empty word, not none.
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"') && quoted && i + 1 < line.size() &&
            line[i + 1] == QLatin1Char('"')) {
            // Two quotes inside a quoted part stand for one.
            word += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words << word;
    if (words.isEmpty())
        return std::nullopt;
    return words;
}

QStringList SubstituteImage(const QStringList& words, const QString& image) {
    const QString code = QStringLiteral("%f");
    QStringList out;
    bool placed = false;
    for (const QString& word : words) {
        // Replaced after the split, so nothing in the path is ever read as a quote or a blank.
        if (word.contains(code)) {
            placed = true;
            out << QString(word).replace(code, image);
        } else {
            out << word;
        }
    }
    if (!placed)
        out << image;
    return out;
}

QString JoinCommandLine(const QStringList& words) {
    QStringList parts;
    for (const QString& word : words) {
        const bool plain =
            !word.isEmpty() && !word.contains(QLatin1Char('"')) &&
            std::none_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); });
        if (plain) {
            parts << word;
            continue;
        }
        QString part = word;
        part.replace(QLatin1String("\""), QLatin1String("\"\""));
        parts << QLatin1Char('"') + part + QLatin1Char('"');
    }
    return parts.join(QLatin1Char(' '));
}

std::optional<QStringList> DesktopEntryCommand(const QString& desktopFileText) {
    QString exec;
    bool inEntry = false;
    for (const QString& raw : desktopFileText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec")) &&
                 line.mid(4).trimmed().startsWith(QLatin1Char('=')))
            exec = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    const auto words = SplitCommandLine(exec);
    if (!words)
        return std::nullopt;
    QStringList command;
    for (const QString& word : *words) {
        QString out;
        bool dropped = false;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word[i] != QLatin1Char('%') || i + 1 == word.size()) {
                out += word[i];
                continue;
            }
            const QChar code = word[++i];
            if (QStringLiteral("fFuU").contains(code))
                out += QStringLiteral("%f"); // one file: the image
            else if (code == QLatin1Char('%'))
                out += code;
            else
                dropped = true; // the icon, the caption, the desktop file's own path
        }
        if (!(dropped && out.isEmpty()))
            command << out;
    }
    if (command.isEmpty())
        return std::nullopt;
    return command;
}

QStringList KnownEmulators() {
#ifdef Q_OS_WIN
    return {QStringLiteral("fceux64"),   QStringLiteral("fceux"),
            QStringLiteral("nestopia"),  QStringLiteral("mesen"),
            QStringLiteral("mednafen"),  QStringLiteral("punes64"),
            QStringLiteral("punes"),     QStringLiteral("nintendulator"),
            QStringLiteral("virtuanes"), QStringLiteral("nestopia-ue")};
#else
    // Those Debian ships.
    return {QStringLiteral("fceux"), QStringLiteral("nestopia"), QStringLiteral("mednafen")};
#endif
}

PlayEnvironment SystemPlayEnvironment() {
    PlayEnvironment env;
    if (qEnvironmentVariableIsSet(EmulatorVariable))
        env.variable = qEnvironmentVariable(EmulatorVariable);
    env.path = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    env.knownNames = KnownEmulators();
    env.association = [path = env.path] { return SystemAssociation(path); };
    return env;
}

bool IsTolvane(const QString& program) {
    const QString name = QFileInfo(program).completeBaseName().toLower();
    return name == QLatin1String("tolvane") || name == QLatin1String("tolvane-cli") ||
           name.endsWith(QLatin1String(".tolvane"));
}

std::optional<EmulatorCommand> FindEmulator(const PlayEnvironment& env, EmulatorSearch* search) {
    *search = {};
    // A variable set to blanks alone chooses nothing, like one not set.
    if (env.variable && !env.variable->trimmed().isEmpty()) {
        if (const auto words = SplitCommandLine(*env.variable))
            return EmulatorCommand{*words, EmulatorSource::Variable};
        // What the user asked for explicitly is not replaced by a guess.
        search->variableBroken = true;
        return std::nullopt;
    }
    for (const QString& name : env.knownNames) {
        const QString found = QStandardPaths::findExecutable(name, env.path);
        if (!found.isEmpty())
            return EmulatorCommand{{found}, EmulatorSource::Path};
    }
    search->knownNames = env.knownNames;
    const auto association = env.association ? env.association() : std::nullopt;
    if (!association)
        return std::nullopt;
    search->association = association->name;
    if (IsTolvane(association->name) || IsTolvane(association->words.first())) {
        search->associationIsSelf = true;
        return std::nullopt;
    }
    return EmulatorCommand{association->words, EmulatorSource::Association};
}

Started StartDetached(const QStringList& words) {
    QProcess process;
    process.setProgram(words.first());
    process.setArguments(words.mid(1));
    // The emulator must not read the terminal that tolvane-cli runs in.
    process.setStandardInputFile(QProcess::nullDevice());
    Started started;
    if (!process.startDetached(&started.pid))
        started.failure = process.errorString();
    return started;
}
