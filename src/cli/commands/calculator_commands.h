// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The commands of the calculators, one file each; command.cpp lists them.

#include "cli/command.h"

namespace ferrovolt {

const Command& areaWeightCommand();
const Command& resistanceCommand();
const Command& compareCommand();
const Command& gaugeAreaCommand();
const Command& conduitCommand();
const Command& voltageDropCommand();
const Command& conductorSizeCommand();

}  // namespace ferrovolt
