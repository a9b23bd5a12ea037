#include "rom/arguments.h"

#include <QCoreApplication>
#include <QFile>

Result<QStringList> ArgumentsAsGiven(int argc, char** argv) {
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray given(argv[i]);
        const QString text = QFile::decodeName(given);
        if (QFile::encodeName(text) != given) {
            QString shown;
            for (const char c : given)
                shown += quint8(c) >= 0x20 && quint8(c) < 0x7F
                             ? QString(QLatin1Char(c))
                             : QStringLiteral("\\x%1").arg(quint8(c), 2, 16, QLatin1Char('0'));
            return Outcome{.fault = UsageFault::ArgumentNotText, .text = shown};
        }
        arguments << text;
    }
    return arguments;
#endif
}
