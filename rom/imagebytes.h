#pragma once

#include "rom/result.h"
#include "rom/romimage.h"

#include <QByteArray>

// The whole image as the file holds it now, read once: what a window decodes as plain bytes, so
// that no failure of the file can reach it half-way through. The cache is dropped first.
Result<QByteArray> ReadWholeImage(RomImage& rom);
