// Every caption of the three windows fits its fixed geometry in the font the window settles on,
// in whatever fonts the system offers (under Wine this runs on Qt's windows platform).
#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "main/frmmain.h"
#include "windowkit/windowfont.h"

#include <QTest>

#include <functional>

class tst_Captions : public QObject {
    Q_OBJECT
private slots:
    void fit_data();
    void fit();
};

void tst_Captions::fit_data() {
    QTest::addColumn<std::function<QWidget*(QWidget*)>>("make");
    QTest::newRow("frmMain") << std::function([](QWidget*) -> QWidget* { return new frmMain; });
    QTest::newRow("frmItem") << std::function(
        [](QWidget* main) -> QWidget* { return new frmItem(main); });
    QTest::newRow("frmEnemy") << std::function(
        [](QWidget* main) -> QWidget* { return new frmEnemy(main); });
}

void tst_Captions::fit() {
    QFETCH(std::function<QWidget*(QWidget*)>, make);
    frmMain main;
    std::unique_ptr<QWidget> window(make(&main));
    window->show();
    const QFont font = window->font();
    qInfo("%s: %s at %d px", QTest::currentDataTag(), qPrintable(QFontInfo(font).family()),
          font.pixelSize());
    QVERIFY(CaptionsFit(window.get(), font));
}

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
