// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Look-ups the fill and its texts share: the Chapter 9 row of a conductor, and the Annex C
// count of one size and type.

#include "fill/chapter9_tables.h"
#include "fill/fill_check.h"

namespace ferrovolt {

// The row of a conductor type and size (indices), and the family it was found in; null when
// the type has no such size.
const chapter9::WireRow* fillWireRow(int type, int size, const chapter9::WireFamily** family);

// The most conductors of one area that a raceway of this total area takes, by Table 1 and
// Note 7 (the count rounds up from a fraction of 0.8), as Annex C counts them: over two at
// 40 %, else two at 31 %, else one at 53 %; in a nipple, any number at 60 %.
struct MaxSame {
    int count;
    double percent;  // the percentage of Table 1 the count is taken at
};
MaxSame fillMaxSame(double racewayArea, double itemArea, bool nipple);

// Whether the answer's conductors are within Table 1 (Note 7 for one size and type) in a
// raceway of this total area (in²).
bool fillAreasFit(const FillAnswer& answer, double racewayArea);

// The two largest diameters of the answer's conductors side by side (the largest alone for
// one conductor), in.
double fillAcross(const FillAnswer& answer);

// Whether the answer's conductors can be laid in a bore of this inside diameter (in).
FillBore fillBoreOf(const FillAnswer& answer, double insideDiameter);

}  // namespace ferrovolt
