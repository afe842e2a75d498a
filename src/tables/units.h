// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every conversion factor and constant of the six calculators, each with where it comes
// from. The trade's round figures are kept where its tables use them: results must match
// those tables to the last digit, not the exact conversion.

#include "units/exact_units.h"

namespace ferrovolt {

inline constexpr double kPi = 3.14159265358979;  // to the 15 digits a double text keeps

// Length and mass.
// kMillimetresPerInch and kMetresPerFoot, exact, are in units/exact_units.h.
inline constexpr double kFeetPerMetre = 3.281;        // the trade's round figure, not 3.28084
inline constexpr double kPoundsPerKilogram = 2.2046;  // 2.20462 to the trade's four places

// Copper weight: a 1000 ft length of one square inch is 12000 cubic inches; copper weighs
// 0.321 lb per cubic inch (8.89 g/cm³, the handbooks' annealed copper).
inline constexpr double kCubicInchesPer1000Feet = 12000;
inline constexpr double kCopperPoundsPerCubicInch = 0.321;

// Area. The trade tables take 1,270,000 circular mils per square inch, not the geometric
// 4/π × 10⁶ = 1,273,239.5; and π/4 × 0.0254² = 0.00050671 mm² per circular mil, to three
// figures.
inline constexpr double kCircularMilsPerSquareInch = 1270000.0;
inline constexpr double kSquareMillimetresPerCircularMil = 0.000507;

// Resistance: 1 µΩ·cm is 10⁻⁸ Ω·m, over 5.0671 × 10⁻¹⁰ m² per circular mil and times
// 0.3048 m per foot, 6.0153 Ω·cmil/ft (annealed copper's 1.7241 µΩ·cm gives the familiar
// K of 10.371).
inline constexpr double kOhmCircularMilsPerFootPerMicrohmCm = 6.0153;

// Circuit factors: a single-phase loop runs out and back (2); a three-phase line carries
// √3 = 1.732 of the phase drop, to the four figures the sizing tables use.
inline constexpr double kSinglePhaseFactor = 2.0;
inline constexpr double kThreePhaseFactor = 1.732;

// A drop is shown to one decimal: computed ten times over, rounded to a whole number and
// divided by ten again (the percentage likewise, from a thousand times drop over supply).
inline constexpr double kDropRoundingScale = 10;

}  // namespace ferrovolt
