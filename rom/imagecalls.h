#pragma once

#include "rom/outcome.h"
#include "rom/result.h"
#include "rom/romimage.h"
#include "rom/writekey.h"

#include <QByteArray>
#include <QByteArrayView>

// The image's calls as the modules above the image layer make them: each gives its failure as an
// outcome, so that RomError never leaves the image layer. Each does what the RomImage call of the
// same name does, and fails with the outcome that call's RomError carries.

Result<qint64> ImageSize(const RomImage& rom);
Result<QByteArray> ImageBytes(RomImage& rom, qint64 pos, qint64 len);
// modStuff::WriteByte: the primitive's offset checks, then the write (and the backup before it).
Outcome WriteImageByte(const WriteKey& key, RomImage& rom, qint32 offset, quint8 value);
Outcome RestoreImageBytes(const WriteKey& key, RomImage& rom, qint64 pos, QByteArrayView bytes);
Outcome SyncImage(RomImage& rom);
Outcome PrepareImageBackup(RomImage& rom);
Outcome PlaceImageBackup(RomImage& rom);
