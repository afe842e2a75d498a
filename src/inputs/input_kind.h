// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of input every front end knows how to take: the vocabulary the six calculators'
// descriptions and every check's fields are written in, on the ground floor so that neither
// depends on the other; it depends on nothing.

namespace ferrovolt {

enum class InputKind {
    Text,    // any text; the calculator or check reads it
    Choice,  // one of `choices`
    Flag,    // true or false; on the command line a flag without a value
    Number,  // a number text; a batch request may give it as a JSON number
    Size,    // a conductor size text of the circuit check's tables
};

}  // namespace ferrovolt
