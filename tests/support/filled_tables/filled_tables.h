// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tables filled once, as start-up fills them, for the tests, fuzzers and benchmarks that
// only read them.

#include "tables/tables.h"

namespace ferrovolt {

inline const Tables& filledTables() {
    static const Tables tables = [] {
        Tables t;
        InitTables(t);
        return t;
    }();
    return tables;
}

}  // namespace ferrovolt
