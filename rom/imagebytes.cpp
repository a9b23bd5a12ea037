#include "rom/imagebytes.h"

Result<QByteArray> ReadWholeImage(RomImage& rom) {
    // The image layer's own exception ends here: above it, a failed read is an outcome.
    try {
        rom.refresh();
        return rom.bytes(0, rom.size());
    } catch (const RomError& e) {
        return e.outcome();
    }
}
