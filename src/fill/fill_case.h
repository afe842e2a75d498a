// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill as a check (check/check.h): its inputs as fields, the conductors and cables
// as two inputs of rows, its answer as rows (the conductors as a table of them), its trail,
// and its refusals by field, row and cell. The command line, batch and the JSON answer are
// made from these.

#include "check/check.h"

namespace ferrovolt {

const Check& fillCheck();

}  // namespace ferrovolt
