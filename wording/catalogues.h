#pragma once

#include <QStringList>

// The languages whose catalogues are looked for, best first: none in the C or POSIX locale,
// where every text stays as written; otherwise the system's own list.
QStringList CatalogueLanguages();

// Installs the catalogue of the first language that has one, with Qt's own of that language for
// its dialogs; English's, for its plural forms, where none fits.
void InstallCatalogues();
