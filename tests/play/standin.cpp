// A stand-in emulator: writes the arguments it was started with, as a JSON list, to the file the
// variable STANDIN_LOG names, whole or not at all, and ends.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QSaveFile log(qEnvironmentVariable("STANDIN_LOG"));
    if (!log.open(QIODevice::WriteOnly))
        return 1;
    log.write(QJsonDocument(QJsonArray::fromStringList(app.arguments().mid(1))).toJson());
    return log.commit() ? 0 : 1;
}
