// The JSON table reader and the table import built on it, over arbitrary bytes. Every error it
// reports lies inside the text; the import must keep the properties CheckImport states.
#include "cli/jsontable.h"
#include "importcheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const TableInput input = ReadJsonTable(content);
    const qsizetype lines = content.count('\n') + content.count('\r') + 1;
    for (const InputError& e : input.errors)
        if (e.line < 1 || e.column < 1 || e.line > lines || e.why.ok())
            std::abort();
    // The import reads the bytes as JSON when they start with "{", as every seed does; the last
    // byte picks whether shared name text may change.
    CheckImport(content, size > 0 && (data[size - 1] & 1));
    return 0;
}
