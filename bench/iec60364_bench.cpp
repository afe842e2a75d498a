// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit check under IEC 60364-5-52: one full answer (every criterion, no text), and the
// answer with its trail written out.

#include <benchmark/benchmark.h>

#include "allocation_count.h"
#include "iec60364/iec60364_check.h"

namespace ferrovolt::iec60364 {
namespace {

// 63 A three phase at 400 V, 80 m of XLPE on a perforated tray with three other circuits at
// 40 °C, 25 % third harmonic, gG fuse, a 6 kA fault cleared in 0.1 s.
constexpr IecInputs kFeeder = {.current = 63,
                               .length = 80,
                               .phase = Phase::Three,
                               .volts = 400,
                               .insulation = Insulation::Xlpe,
                               .method = Method::E,
                               .ambient = 40,
                               .grouping = 4,
                               .arrangement = Arrangement::PerforatedTray,
                               .thirdHarmonicPercent = 25,
                               .device = Device::Gg,
                               .faultCurrent = 6000,
                               .clearingTime = 0.1};

void BM_IecCheck(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(checkIecCircuit(kFeeder));
    reportAllocations(state, before);
}
BENCHMARK(BM_IecCheck);

// 20 A on a C20 breaker over 40 m in TN-S with Ze = 0.8 Ω: the loop raises the size.
constexpr IecInputs kLongFinal = {.current = 20,
                                  .length = 40,
                                  .deviceRating = 20,
                                  .earthing = Earthing::TnS,
                                  .ze = 0.8,
                                  .curve = Curve::C};

void BM_IecCheckFaultLoop(benchmark::State& state) {
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(checkIecCircuit(kLongFinal));
    reportAllocations(state, before);
}
BENCHMARK(BM_IecCheckFaultLoop);

void BM_IecCheckAndTrail(benchmark::State& state) {
    for (auto _ : state) {
        const IecResult result = checkIecCircuit(kFeeder);
        benchmark::DoNotOptimize(iecTrail(std::get<IecAnswer>(result)));
    }
}
BENCHMARK(BM_IecCheckAndTrail);

}  // namespace
}  // namespace ferrovolt::iec60364
