#pragma once

#include "rom/outcome.h"

#include <QString>

// Why an image's history could not be read or written (HistoryFault): "its history FILE cannot be
// written: the system's reason". Any other fault is worded as a history that cannot be read.
QString HistoryReasonText(const Outcome& o);
// The save that such a history stops: "Cannot save item 5 to FILE:\nREASON. Nothing was written."
QString HistoryStopsSaveText(const Outcome& o);
