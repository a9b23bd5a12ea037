// Every catalogue but English's (whose texts are the sources themselves, bar the plurals) renders
// each text whole: nothing unfinished or empty, every plural form filled, and in each the source's
// placeholders, leading spaces and final line feed.
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

class tst_Catalogues : public QObject {
    Q_OBJECT
private slots:
    void complete_data();
    void complete();
};

void tst_Catalogues::complete_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(TOLVANE_TRANSLATIONS_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("tolvane_*.ts")}))
        if (name != QLatin1String("tolvane_en.ts"))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

void tst_Catalogues::complete() {
    QFETCH(QString, path);
    // What a translation must keep of its source: it is printed as it stands.
    const auto shape = [](const QString& text) {
        static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
        QSet<QString> found;
        for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
            found << m.captured();
        return std::tuple(found, text.startsWith(QLatin1Char(' ')),
                          text.endsWith(QLatin1Char('\n')));
    };
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    QStringList faults;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString where = source.section(QLatin1Char('\n'), 0, 0) + QLatin1String(": ");
            if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished"))
                faults << where + QLatin1String("unfinished");
            QStringList forms;
            if (!numerus)
                forms << xml.readElementText();
            while (numerus && xml.readNextStartElement())
                forms << xml.readElementText();
            for (const QString& form : forms)
                if (form.isEmpty() || shape(form) != shape(source))
                    faults << where + QLatin1String("not kept in \"") + form + QLatin1Char('"');
            if (forms.isEmpty())
                faults << where + QLatin1String("no plural forms");
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    if (messages == 0)
        QFAIL("no messages");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
