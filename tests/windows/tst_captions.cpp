// Every caption of the three windows fits its fixed geometry in the font the window settles on,
// in whatever fonts the system offers (under Wine this runs on Qt's windows platform), untranslated
// and in every language the program carries, with a glyph for every character.
#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "main/frmmain.h"
#include "windowkit/windowfont.h"

#include <QAbstractButton>
#include <QDir>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <functional>

// The first caption of `window` that some font the system falls back to has no glyph for, shown
// as an empty box; empty when every one has them.
QString captionWithoutGlyphs(QWidget* window) {
    QList<std::pair<QString, QFont>> captions{{window->windowTitle(), window->font()}};
    for (const QLabel* l : window->findChildren<QLabel*>())
        captions.append({l->text(), l->font()});
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        captions.append({b->text(), b->font()});
    for (const QGroupBox* g : window->findChildren<QGroupBox*>())
        captions.append({g->title(), g->font()});
    for (const auto& [text, font] : captions) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0))
                return text;
    }
    return {};
}

class tst_Captions : public QObject {
    Q_OBJECT
private slots:
    void fit_data();
    void fit();
};

void tst_Captions::fit_data() {
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<std::function<QWidget*(QWidget*)>>("make");
    QStringList catalogues =
        QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("tolvane_*.qm")});
    QVERIFY(!catalogues.isEmpty());
    catalogues.prepend(QString());
    const std::pair<const char*, std::function<QWidget*(QWidget*)>> windows[] = {
        {"frmMain", [](QWidget*) -> QWidget* { return new frmMain; }},
        {"frmItem",
         [](QWidget* main) -> QWidget* {
             return new frmItem(static_cast<frmMain*>(main)->imageOpening(), main);
         }},
        {"frmEnemy", [](QWidget* main) -> QWidget* {
             return new frmEnemy(static_cast<frmMain*>(main)->imageOpening(), main);
         }}};
    for (const QString& catalogue : catalogues)
        for (const auto& [name, make] : windows)
            QTest::addRow("%s %s", name,
                          catalogue.isEmpty() ? "untranslated" : qPrintable(catalogue))
                << catalogue << make;
}

void tst_Captions::fit() {
    QFETCH(QString, catalogue);
    QFETCH(std::function<QWidget*(QWidget*)>, make);
    // Installed before the windows are built, which read their captions once; removed as it goes.
    // An empty catalogue is installed too, though the call then says false: tst_catalogues is
    // where an empty one fails.
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue, QStringLiteral(":/translations")));
        QCoreApplication::installTranslator(&translator);
    }
    frmMain main;
    std::unique_ptr<QWidget> window(make(&main));
    window->show();
    const QFont font = window->font();
    qInfo("%s: %s at %d px", QTest::currentDataTag(), qPrintable(QFontInfo(font).family()),
          font.pixelSize());
    QVERIFY(CaptionsFit(window.get(), font));
    QCOMPARE(captionWithoutGlyphs(window.get()), QString());
}

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
