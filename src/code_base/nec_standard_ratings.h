// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The NEC's standard ratings of fuses and circuit breakers, below the NEC 2023 check and the
// motor rules alike: the check sizes a branch device from them, and the motor rules, which
// the check links, take the next size up or down among them (430.52, 430.62).

#include "code_base/citation.h"

namespace ferrovolt::nec2023 {

// Table 240.6(A): the standard ampere ratings of fuses and inverse-time circuit breakers.
// Read from callout.app/codes/nec-2023-240-6 (15 to 6000 A, with 10 A among the fuse
// ratings); checked against builders.theknowledgegardens.com nec-article-240 (15 to 600 A)
// and ecmweb.com code-qa-fuse-and-breaker-ratings. expertce.com's NEC 2023 lesson says the
// 2023 table adds 10 A for breakers too, so 10 A is taken as standard; the other fuse-only
// ratings (1, 3, 6 and 601 A) are not ratings a circuit here would be given.
inline constexpr CodeTable<int, 38> kTable240_6A = {
    {"NEC 2023", "Table 240.6(A)"},
    {
        10,  15,  20,  25,   30,   35,   40,   45,   50,   60,   70,   80,   90,
        100, 110, 125, 150,  175,  200,  225,  250,  300,  350,  400,  450,  500,
        600, 700, 800, 1000, 1200, 1600, 2000, 2500, 3000, 4000, 5000, 6000,
    },
    {"callout.app/codes/nec-2023-240-6", "builders.theknowledgegardens.com nec-article-240"},
};

}  // namespace ferrovolt::nec2023
