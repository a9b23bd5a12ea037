#pragma once

#include <QCoreApplication>

// The context under which translators find the words of the helpers both editors share: a class
// only so that tr() and lupdate know where a text belongs.
class EditorWindow {
    Q_DECLARE_TR_FUNCTIONS(EditorWindow)
};
