#pragma once

#include "rom/outcome.h"

#include <QString>

// A fault of the image's own calls (ImageFault) as a sentence of its own: "Cannot read FILE at
// offset 0x1810:\nInput/output error."
QString ImageFaultText(const Outcome& o);
// The image's call behind a write or a sync that failed (an outcome's `cause`): its sentence, or
// nothing where no call is given.
QString CauseText(const QList<Outcome>& cause);
