#pragma once

#include "tables/cell.h"

#include <QByteArray>
#include <QHash>
#include <QList>

// Qt's JSON classes keep no positions, so messages about a JSON file take them from here.

struct JsonPlace {
    int line = 1;
    int column = 1;
};

// Where an object starts, and where each of its members' keys and values start. Qt's parser
// keeps only the last of a key given twice; `repeated` has every later one, where it stands.
struct JsonMembers {
    JsonPlace at;
    QHash<QString, JsonPlace> keys;
    QHash<QString, JsonPlace> values;
    QList<std::pair<QString, JsonPlace>> repeated;
};

// The top-level object of `json` and the elements of the array held by its member `arrayKey`. The
// text must already have parsed as JSON; an element that is no object gets only its start.
struct JsonLayout {
    JsonMembers top;
    QList<JsonMembers> elements;
};
JsonLayout LocateJson(const QByteArray& json, const QString& arrayKey);

// The line and column of a byte offset, counting characters, not bytes.
JsonPlace PlaceOfOffset(const QByteArray& json, qsizetype offset);
