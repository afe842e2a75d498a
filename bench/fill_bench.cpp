// SPDX-License-Identifier: GPL-3.0-or-later
// Conduit fill: the smallest trade size for twenty rows of mixed conductors and cables (goal:
// under 1 µs), and the same answer with its calculation sheet.

#include <benchmark/benchmark.h>

#include "allocation_count.h"

#include <string>

#include "fill/fill_check.h"
#include "fill/fill_sheet.h"

namespace ferrovolt {
namespace {

// Twenty rows of several sizes and types, a bare grounding conductor and two cables, in RMC.
FillInputs mixedRows() {
    FillInputs in;
    in.raceway = fillRacewayOf("rmc").value();
    const char* wires[] = {"3x12:THHN",   "3x10:THWN-2",    "2x8:XHHW",           "4x6:THW",
                           "1x4:RHH",     "2x2:RHW-2*",     "3x1/0:THHN",         "1x4/0:XHHW",
                           "2x14:TW",     "1x8:bare",       "3x3:THHN",           "1x250:THHN",
                           "2x16:TFFN",   "1x8:bare-solid", "3x2/0:XHHW-compact", "1x12:RHH*",
                           "2x10:XHHW-2", "1x1:THW"};
    for (const char* wire : wires) in.rows.push_back(std::get<FillRow>(fillWireText(wire)));
    in.rows.push_back(std::get<FillRow>(fillCableText("1x0.52", false)));
    in.rows.push_back(std::get<FillRow>(fillCableText("2x0.61", false)));
    return in;
}

void BM_FillMinimumTradeSize(benchmark::State& state) {
    const FillInputs in = mixedRows();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(checkFill(in));
    reportAllocations(state, before);
}
BENCHMARK(BM_FillMinimumTradeSize);

[[gnu::noinline]] std::string answerAndSheet(const FillInputs& in) {
    return fillSheet(std::get<FillAnswer>(checkFill(in)));
}

void BM_FillSheet(benchmark::State& state) {
    const FillInputs in = mixedRows();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(answerAndSheet(in));
    reportAllocations(state, before);
}
BENCHMARK(BM_FillSheet);

}  // namespace
}  // namespace ferrovolt
