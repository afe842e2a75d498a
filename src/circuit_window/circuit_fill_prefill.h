// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conductors of a checked circuit as the rows of a conduit fill, so that the raceway is
// sized in the same sitting.

#include <QString>

#include "fill/fill_check.h"
#include "nec2023/nec2023_check.h"

namespace ferrovolt {

struct CircuitFill {
    FillInputs inputs;
    QString note;  // what was assumed, for the window to show
};

// Per set: the phase conductors (two for single phase, three for three phase) of the answer's
// size and the grounding conductor the check sized, of a Table 5 type of the insulation's
// rating; the raceway type of the raceway material.
CircuitFill circuitFill(const CircuitAnswer& answer);

}  // namespace ferrovolt
