#pragma once

#include <QDir>
#include <QString>

// A path as the user's system writes it (backslashes on Windows): every text that names a file
// shows it so. Here, at the bottom of the layers, so that whatever words a path has it.
inline QString NativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}
