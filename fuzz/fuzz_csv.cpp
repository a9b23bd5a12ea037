// The CSV reader and the table import built on it, over arbitrary text. What the reader takes
// must come back cell for cell when written out and read again; the import must keep the
// properties CheckImport states.
#include "cli/csv.h"
#include "importcheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvRecords read = ReadCsv(QString::fromUtf8(content));
    if (!read.error) {
        QList<QStringList> texts;
        for (const QList<Cell>& record : read.records) {
            texts.append(QStringList());
            for (const Cell& cell : record) {
                if (cell.line < 1 || cell.column < 1)
                    std::abort();
                texts.last() << cell.text;
            }
        }
        const CsvRecords again = ReadCsv(WriteCsv(texts));
        if (again.error || again.records.size() != texts.size())
            std::abort();
        for (qsizetype r = 0; r < texts.size(); ++r) {
            QStringList cells;
            for (const Cell& cell : again.records[r])
                cells << cell.text;
            if (cells != texts[r])
                std::abort();
        }
    }
    // The import reads the text as CSV unless it starts with "{"; the last byte picks whether
    // shared name text may change.
    CheckImport(content, size > 0 && (data[size - 1] & 1));
    return 0;
}
