#include "wording/playtext.h"

#include "wording/translation.h"

#include <QDir>

namespace {

QString variableName() {
    return QLatin1String(EmulatorVariable);
}

// How to set the variable where this system keeps a user's variables, with an example value.
QString howToSetText() {
#ifdef Q_OS_WIN
    return PlayWording::tr("To choose the emulator, open the Start menu, search for \"environment "
                           "variables\", choose \"Edit environment variables for your account\" "
                           "and add %1 with its command line, %f where the image goes, "
                           "for example:\n%2")
        .arg(variableName(), QStringLiteral("\"C:\\Program Files\\Emu\\emu.exe\" --fullscreen %f"));
#else
    return PlayWording::tr("To choose the emulator, set %1 to its command line, %f where the image "
                           "goes, for example in ~/.profile:\n%2")
        .arg(variableName(),
             QStringLiteral("export %1='\"/usr/games/fceux\" %f'").arg(variableName()));
#endif
}

} // namespace

QString NoEmulatorText(const QString& image, const EmulatorSearch& search) {
    const QString file = QDir::toNativeSeparators(image);
    if (search.variableBroken)
        return PlayWording::tr("Cannot play %1: the variable %2 holds no command line, since a "
                               "double quote in it is never closed.\n%3")
            .arg(file, variableName(), howToSetText());
    QStringList lines;
    lines << PlayWording::tr("No emulator was found to play %1. Tolvane looked, in this order, "
                             "for:")
                 .arg(file);
    lines << PlayWording::tr("1. the variable %1: it is not set").arg(variableName());
    lines << PlayWording::tr("2. these emulators on PATH: %1: none is there")
                 .arg(search.knownNames.join(QStringLiteral(", ")));
    if (search.association.isEmpty())
        lines << PlayWording::tr("3. the application this system opens .nes files with: there is "
                                 "none");
    else if (search.associationIsSelf)
        lines << PlayWording::tr("3. the application this system opens .nes files with: it is "
                                 "%1, Tolvane itself")
                     .arg(search.association);
    lines << howToSetText();
    return lines.join(QLatin1Char('\n'));
}

QString EmulatorNotStartedText(const QStringList& words, const QString& reason) {
    return PlayWording::tr("Cannot start the emulator:\n%1\n%2.")
        .arg(JoinCommandLine(words), reason);
}
