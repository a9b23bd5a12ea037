#include "cli/csv.h"

namespace {

bool isBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Walks the text one character at a time and keeps the line and column of the next one.
class CsvReader {
public:
    explicit CsvReader(const QString& text) : m_text(text) {}

    CsvRecords read() {
        CsvRecords result;
        while (!atEnd()) {
            if (isBreak(peek())) {
                step();
                continue;
            }
            QList<Cell> record;
            for (;;) {
                Cell cell{{}, m_line, m_column};
                if (auto error = field(&cell.text)) {
                    result.error = error;
                    return result;
                }
                record.append(cell);
                if (atEnd() || peek() != QLatin1Char(','))
                    break;
                step();
            }
            if (!atEnd())
                step(); // the line break, CRLF as one
            result.records.append(record);
        }
        return result;
    }

private:
    bool atEnd() const { return m_at >= m_text.size(); }
    QChar peek() const { return m_text.at(m_at); }

    QChar step() {
        const QChar c = m_text.at(m_at++);
        if (c == QLatin1Char('\r') && !atEnd() && peek() == QLatin1Char('\n'))
            m_at++;
        if (isBreak(c)) {
            ++m_line;
            m_column = 1;
            return QLatin1Char('\n');
        }
        ++m_column;
        return c;
    }

    std::optional<InputError> field(QString* text) {
        if (atEnd() || peek() != QLatin1Char('"')) {
            while (!atEnd() && peek() != QLatin1Char(',') && !isBreak(peek())) {
                if (peek() == QLatin1Char('"'))
                    return InputError{m_line, m_column, {.fault = TableFileFault::CsvStrayQuote}};
                text->append(step());
            }
            return std::nullopt;
        }
        const int line = m_line, column = m_column;
        step();
        for (;;) {
            if (atEnd())
                return InputError{line, column, {.fault = TableFileFault::CsvQuoteOpen}};
            // A line break inside quotes stays in the field as it was written.
            const qsizetype from = m_at;
            const QChar c = step();
            if (c != QLatin1Char('"')) {
                text->append(m_text.mid(from, m_at - from));
                continue;
            }
            if (atEnd() || peek() != QLatin1Char('"'))
                break;
            text->append(step());
        }
        if (!atEnd() && peek() != QLatin1Char(',') && !isBreak(peek()))
            return InputError{m_line, m_column, {.fault = TableFileFault::CsvAfterQuote}};
        return std::nullopt;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_column = 1;
};

} // namespace

QString CsvField(const QString& text) {
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString WriteCsv(const QList<QStringList>& records) {
    QString out;
    for (const QStringList& record : records) {
        // A lone empty field would make an empty line, which readers skip.
        if (record.size() == 1 && record.first().isEmpty()) {
            out += QLatin1String("\"\"\r\n");
            continue;
        }
        QStringList fields;
        fields.reserve(record.size());
        for (const QString& f : record)
            fields << CsvField(f);
        out += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return out;
}

CsvRecords ReadCsv(const QString& text) {
    return CsvReader(text).read();
}
