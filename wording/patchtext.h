#pragma once

#include "rom/outcome.h"

#include <QString>

// Why a patch cannot be made or applied (PatchFault), naming the patch: "FILE: not an IPS patch:
// it does not start with \"PATCH\". Nothing was written."
QString PatchFaultText(const Outcome& o);
