#pragma once

#include <QCoreApplication>

// The contexts under which translators find the texts of code that is not a window: each is a
// class only so that tr() and lupdate know which file's words a text belongs to.

// The words about what the core did: the faults of the image, its saves, names, rows, undos and
// histories, and the phrases they share.
class Wording {
    Q_DECLARE_TR_FUNCTIONS(Wording)
};
// The words of tolvane-cli's reports and refusals: its table files, patches, files and usage.
class CliWording {
    Q_DECLARE_TR_FUNCTIONS(CliWording)
};
// The words of what changed since the original, and the refusals of comparing and merging.
class ChangesWording {
    Q_DECLARE_TR_FUNCTIONS(ChangesWording)
};
// The windows' message boxes (windowtext.cpp).
class WindowWording {
    Q_DECLARE_TR_FUNCTIONS(WindowWording)
};
// tolvane-cli's help texts, one per command.
class CliHelp {
    Q_DECLARE_TR_FUNCTIONS(CliHelp)
};
// The words about playing an image in an emulator (playtext.cpp), for the windows and tolvane-cli.
class PlayWording {
    Q_DECLARE_TR_FUNCTIONS(PlayWording)
};
// FieldCaption, a context without a class: the fields' captions and headings, stated in their
// descriptions with QT_TRANSLATE_NOOP and translated by FieldCaptionText (phrases.h).
