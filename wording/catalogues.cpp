#include "wording/catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The locale that names the messages' language, as the C library chooses it.
QString messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isCLocale(const QString& locale) {
    return locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
           locale == QLatin1String("POSIX");
}

// Where Qt's own catalogues are: Debian's, or the folder beside the program that the Windows
// zip and setup carry.
QStringList qtCatalogueFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

// Loads the first catalogue `name`_LANGUAGE of `folders` that fits a language of `languages`.
bool install(const QString& name, const QStringList& languages, const QStringList& folders) {
    for (const QString& language : languages) {
        for (const QString& folder : folders) {
            auto translator = new QTranslator(QCoreApplication::instance());
            if (translator->load(QLocale(language), name, QStringLiteral("_"), folder) &&
                QCoreApplication::installTranslator(translator))
                return true;
            delete translator;
        }
    }
    return false;
}

} // namespace

void InstallCatalogues() {
    const QStringList languages = CatalogueLanguages();
    const QStringList ours{QStringLiteral(":/translations")};
    if (!install(QStringLiteral("tolvane"), languages, ours))
        install(QStringLiteral("tolvane"), {QStringLiteral("en")}, ours);
    else
        install(QStringLiteral("qtbase"), languages, qtCatalogueFolders());
}

QStringList CatalogueLanguages() {
    if (isCLocale(messagesLocale()))
        return {};
    return QLocale::system().uiLanguages();
}
