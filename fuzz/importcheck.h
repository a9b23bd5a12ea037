#pragma once

#include <QByteArray>

// Imports `content` as a table file into a fixed image, with names written and, when `shared`,
// shared name text allowed: first as a dry run, then for real. Aborts when a property breaks: both
// runs report the same changes and errors, every error names the file, a refused import or a dry
// run writes nothing, and a real one writes as many bytes as its summary counts.
void CheckImport(const QByteArray& content, bool shared);
