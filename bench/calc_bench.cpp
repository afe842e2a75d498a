// SPDX-License-Identifier: GPL-3.0-or-later
// One benchmark per computation, each on the worked example of its tab.

#include <benchmark/benchmark.h>

#include "allocation_count.h"

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "filled_tables.h"
#include "tables/gauge_area.h"

namespace ferrovolt {
namespace {

const Tables& tables() {
    return filledTables();
}

void BM_GaugeArea(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(GaugeArea(tables(), "18", 0, 2, false));
    reportAllocations(state, before);
}
BENCHMARK(BM_GaugeArea);

void BM_AreaWeight(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(CalcAreaWeight(tables(), "6/0", "AWG (B&S)"));
    reportAllocations(state, before);
}
BENCHMARK(BM_AreaWeight);

void BM_Resistance(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CalcResistance(tables(), "18", "Copper (Annealed)", "75", TempUnit::Celsius));
    reportAllocations(state, before);
}
BENCHMARK(BM_Resistance);

void BM_Comparison(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(CalcComparison(tables(), 24, 2));
    reportAllocations(state, before);
}
BENCHMARK(BM_Comparison);

void BM_ConduitCapacity(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcConduitCapacity(tables(), false, "100", true, "25"));
    reportAllocations(state, before);
}
BENCHMARK(BM_ConduitCapacity);

void BM_VoltageDrop(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcVoltageDrop(tables(), "100", true, "10", "Copper (Annealed)",
                                                 "240 Volts 1-phase", "18 AWG"));
    reportAllocations(state, before);
}
BENCHMARK(BM_VoltageDrop);

void BM_ConductorSize(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CalcConductorSize(tables(), "100", true, "10", "Aluminium", true, "240"));
    reportAllocations(state, before);
}
BENCHMARK(BM_ConductorSize);

}  // namespace
}  // namespace ferrovolt
