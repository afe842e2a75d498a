// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact units, written once for every part of the program. The trade's round figures
// (3.281 ft/m, 1.732 for √3, 0.000507 mm² per circular mil) that the six calculators' tables
// were made with are not these: they are in tables/units.h, named as what they are.

namespace ferrovolt {

inline constexpr double kMillimetresPerInch = 25.4;  // exact, by the 1959 yard and pound
inline constexpr double kMetresPerFoot = 0.3048;     // exact, likewise
// A circular mil is the area of a circle one mil (0.001 in) across: π/4 × (0.0254 mm)².
inline constexpr double kSquareMillimetresPerCmil = 5.0670747909749771e-4;

}  // namespace ferrovolt
