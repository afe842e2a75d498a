// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill as a check (check/check.h): its inputs as fields, the conductors and cables
// as two inputs of rows, its answer as rows (the conductors as a table of them), its trail,
// and its refusals by field, row and cell. The command line, batch and the JSON answer are
// made from these.

#include "check/check.h"
#include "check/hand_on.h"
#include "fill/fill_check.h"

namespace ferrovolt {

const Check& fillCheck();

// The fill's own answer of a case of fillCheck() last checked without a refusal, which the
// Conduit Fill window draws and prints; null for a case of another check.
const FillAnswer* fillAnswer(const CheckCase& checked);

// The inputs of what another check hands on to the fill, for the Conduit Fill window, which
// takes its inputs whole: the raceway (EMT where none is handed or it is not a raceway type)
// and the wires; a text the fill would refuse is left out.
FillInputs fillInputsHandedOn(const HandOn& handOn);

}  // namespace ferrovolt
