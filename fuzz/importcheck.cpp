#include "importcheck.h"

#include "cli/knowntables.h"
#include "cli/tablefile.h"
#include "memoryimage.h"
#include "tables/importplan.h"
#include "tools/syntheticimage.h"
#include "wording/wording.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// The demo image, where enemy 1 reads item 1's name and item 2 reads it from its third character:
// renames then meet shared text. The seeds in corpus/csv and corpus/json were exported from it.
const std::string& fixedImage() {
    static const std::string bytes = [] {
        SyntheticImage image = MakeDemoImage();
        const int pointer = image.word(ItemEntryOffset(1));
        image.setWord(EnemyEntryOffset(1) + 0x18, pointer);
        image.setWord(ItemEntryOffset(2), pointer + 2);
        return image.bytes.toStdString();
    }();
    return bytes;
}

struct Imported {
    QStringList errors;
    QStringList changes;
    int bytes = 0;
    bool writeFailed = false;
};

// What tolvane-cli's import does: read the file, plan, and unless dry, apply.
Imported importInto(RomImage& rom, const QByteArray& content, bool shared, bool dryRun) {
    ImportOptions options;
    options.names = true;
    options.shared = shared;
    const TableInput input = ReadTableInput(content);
    ImportPlan plan;
    // An image held in memory is always read whole.
    if (input.table)
        plan = *PlanImport(rom, input.table, input.rows, options, KnownTables());
    Imported result;
    for (const InputError& e : input.errors + plan.errors)
        result.errors << InputErrorText(QStringLiteral("fuzz"), e);
    result.changes = plan.changes;
    result.bytes = plan.bytes;
    if (result.errors.isEmpty() && !dryRun)
        result.writeFailed = ApplyTransaction(rom, plan.writes).failed();
    return result;
}

} // namespace

void CheckImport(const QByteArray& content, bool shared) {
    // A fresh image only after one was written to: most inputs are refused and leave it as it was.
    static std::unique_ptr<MemoryRom> rom;
    if (!rom || rom->writes() != 0) {
        const std::string& image = fixedImage();
        rom = MemoryImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
    }
    const Imported dry = importInto(*rom, content, shared, true);
    if (rom->writes() != 0)
        std::abort(); // a dry run wrote
    const Imported real = importInto(*rom, content, shared, false);
    if (real.writeFailed || dry.errors != real.errors || dry.changes != real.changes ||
        dry.bytes != real.bytes)
        std::abort();
    for (const QString& error : real.errors)
        if (!error.startsWith(QLatin1String("fuzz:")))
            std::abort();
    if (!real.errors.isEmpty() && rom->writes() != 0)
        std::abort(); // a refused import wrote
    if (real.errors.isEmpty() && rom->writes() != real.bytes)
        std::abort(); // the summary counts every byte written, and only those
}
