// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The six calculators of the window, and the gauge-area lookup that batch offers besides,
// each declared once.

#include <array>
#include <string_view>

#include "describe/description.h"

namespace ferrovolt {

extern const CalculatorDescription kAreaWeight;
extern const CalculatorDescription kResistanceCalc;
extern const CalculatorDescription kComparison;
extern const CalculatorDescription kConduit;
extern const CalculatorDescription kVoltageDrop;
extern const CalculatorDescription kConductorSize;
extern const CalculatorDescription kGaugeAreaLookup;  // batch only: no tab, no subcommand

// The conduit tab's unit caption when the measure is inches; the rows carry the one for
// millimetres.
inline constexpr std::string_view kConduitInchUnit = "Sq Inches";

// In the order of the window's tabs.
extern const std::array<const CalculatorDescription*, 6> kCalculators;

}  // namespace ferrovolt
