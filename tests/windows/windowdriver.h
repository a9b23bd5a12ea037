#pragma once

// Drives the editor's windows as a user does: keys into fields, clicks on buttons, picks from
// lists. Shared by the window tests.

#include "rom/modstuff.h"
#include "rom/romimage.h"
#include "support/testsupport.h"
#include "tables/imageopening.h"
#include "windowkit/seams.h"
#include "windowkit/twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

template <class Control> Control* Find(const QWidget* window, const char* name) {
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return found;
}

// Replaces the field's text by typing, one key at a time, after selecting all.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// Replaces the field's text by pasting it in one piece.
inline void PasteInto(QLineEdit* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Picks a line from the open list and confirms it with Return. Unlike a program selection, this
// raises `activated` even for the line that is already selected.
inline void ChooseLine(QComboBox* list, int row) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(row, list->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
}

// The names of the controls that Tab visits from `first` until it comes back to it.
inline QStringList TabChain(QWidget* first) {
    QStringList names;
    QWidget* window = first->window();
    first->setFocus(Qt::TabFocusReason);
    for (QWidget* at = first; names.size() < 40;) {
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (!at || at == first)
            break;
    }
    return names;
}

// Records every message instead of showing a box that would wait for a click.
class MessageRecorder {
public:
    void install() {
        texts.clear();
        SetMessageHandler([this](QWidget*, QMessageBox::Icon, const QString&, const QString& text) {
            texts << text;
        });
    }
    static void remove() { SetMessageHandler({}); }

    QStringList texts;
};

// Presses a button that shows a modal window, runs `whileShown` inside the window's own event
// loop, then closes the window, also when a check in `whileShown` failed.
inline void PressModal(QAbstractButton* button, const std::function<void(QWidget*)>& whileShown) {
    QTimer::singleShot(0, button, [&whileShown] {
        QWidget* modal = QApplication::activeModalWidget();
        whileShown(modal);
        if (modal)
            modal->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
}

// What a test of one editor window holds: the image on disk and its bytes before the test acted,
// the window, and the messages it showed.
template <class Window> struct EditorFixture {
    MessageRecorder messages;
    std::unique_ptr<ImageOnDisk> disk;
    QByteArray before;
    // What the main window hands the editors it opens; declared first, it outlives the window.
    ImageOpening opening;
    std::unique_ptr<Window> window;

    // Writes the image and makes it the current one, as a successful open does.
    void putOnDisk(const SyntheticImage& image) {
        disk = std::make_unique<ImageOnDisk>(image);
        disk->makeCurrent();
        before = disk->bytes();
    }
    void openWindow() {
        window = std::make_unique<Window>(opening);
        window->Form_Load();
        window->show();
    }
    void openWindow(const SyntheticImage& image) {
        putOnDisk(image);
        openWindow();
    }
    void tearDown() {
        window.reset();
        modStuff::RomFile.reset();
        disk.reset();
        MessageRecorder::remove();
    }

    template <class Control> Control* c(const char* name) {
        return Find<Control>(window.get(), name);
    }
    void save() { QTest::mouseClick(c<QPushButton>("cmdSave"), Qt::LeftButton); }
    // A rectangle given in twips, in the window's pixels.
    QRect pixels(const QRect& twips) const {
        const auto px = [this](int t) { return TwipsToPixels(window.get(), t); };
        return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    }
};
