// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Counts every allocation through the global operator new in the benchmark program, so that
// a benchmark can report how many allocations one iteration makes.

#include <benchmark/benchmark.h>

#include <cstdint>

namespace ferrovolt {

std::uint64_t allocationCount();

// Sets the counter "allocs" of a benchmark to the allocations per iteration since `before`.
inline void reportAllocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - before) /
                                                  static_cast<double>(state.iterations()));
}

}  // namespace ferrovolt
