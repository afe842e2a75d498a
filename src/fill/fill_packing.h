// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conductors of a fill laid in the raceway's cross-section, to scale: each circle set as
// low as it can rest (as conductors lie in a horizontal run), largest first, touching the
// wall or two circles already laid and overlapping none.

#include <cstddef>
#include <vector>

#include "fill/fill_check.h"

namespace ferrovolt {

struct PackedCircle {
    double x = 0, y = 0;  // in, from the raceway's centre, y upwards
    double r = 0;         // in
    int row = 0;          // the input row it belongs to
};

struct FillPacking {
    double radius = 0;  // the raceway's inside radius, in
    std::vector<PackedCircle> circles;
    int notLaid = 0;  // circles left out: beyond `limit`, or no room found for them
};

// The answer's conductors and cables in its trade size, at most `limit` of them laid.
FillPacking packFill(const FillAnswer& answer, std::size_t limit);

// Circles (their radius and row) laid in a bore of this inside radius, largest first; those
// with no room are counted in notLaid.
FillPacking packCircles(double radius, std::vector<PackedCircle> wanted);

}  // namespace ferrovolt
