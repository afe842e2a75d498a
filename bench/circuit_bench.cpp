// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit check: one full answer, the answer with its calculation sheet, and `schedule`
// over a generated cable schedule.

#include <benchmark/benchmark.h>

#include "allocation_count.h"

#include <sstream>
#include <string>

#include "cli/schedule.h"
#include "nec2023/nec2023_check.h"
#include "nec2023/nec2023_sheet.h"

namespace ferrovolt {
namespace {

// 100 A continuous, 60 m at 480 V three phase, 40 °C, six conductors, a 10 kA fault.
CircuitInputs feeder() {
    CircuitInputs inputs;
    inputs.current = 100;
    inputs.continuous = true;
    inputs.length = 60;
    inputs.volts = 480;
    inputs.threePhase = true;
    inputs.ambient = 40;
    inputs.conductors = 6;
    inputs.faultCurrent = 10000;
    inputs.clearingTime = 0.05;
    return inputs;
}

// The answer alone: its fields, the trail kept as the numbers it is written from.
void BM_CircuitCheck(benchmark::State& state) {
    const CircuitInputs inputs = feeder();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(checkCircuit(inputs));
    reportAllocations(state, before);
}
BENCHMARK(BM_CircuitCheck);

// A 25 hp motor at 460 V three phase, 50 m, its nameplate and code letter, the dip from 18 kA
// at X/R 6 at its origin: the motor rules, then the circuit sized from them.
void BM_CircuitCheckMotor(benchmark::State& state) {
    CircuitInputs inputs;
    inputs.load = LoadKind::Motor;
    inputs.length = 50;
    inputs.volts = 460;
    inputs.threePhase = true;
    inputs.motor.hp = 25;
    inputs.motor.fla = 31;
    inputs.motor.serviceFactor = 1.15;
    inputs.motor.codeLetter = 'G';
    inputs.availableFault = 18000;
    inputs.xr = 6;
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(checkCircuit(inputs));
    reportAllocations(state, before);
}
BENCHMARK(BM_CircuitCheckMotor);

// The answer and its calculation sheet, trail included, as `ferrovolt-calc circuit` prints it.
[[gnu::noinline]] std::string answerAndSheet(const CircuitInputs& inputs) {
    return circuitSheet(std::get<CircuitAnswer>(checkCircuit(inputs)));
}

void BM_CircuitSheet(benchmark::State& state) {
    const CircuitInputs inputs = feeder();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(answerAndSheet(inputs));
    reportAllocations(state, before);
}
BENCHMARK(BM_CircuitSheet);

// A schedule of varied circuits, one in twenty refused.
std::string schedule(std::size_t rows) {
    std::string text = "circuit,current,continuous,length,volts,phase,ambient,conductors\n";
    for (std::size_t i = 0; i < rows; ++i) {
        text += 'C';
        text += std::to_string(i) + ',' + std::to_string(5 + i % 400) + ',' +
                (i % 3 == 0 ? "yes" : "no") + ',' + std::to_string(3 + i % 150) + ',' +
                (i % 2 == 0 ? "480,three" : "240,single") + ',' +
                std::to_string(i % 20 == 0 ? 95 : 20 + i % 25) + ',' + std::to_string(3 + i % 7) +
                '\n';
    }
    return text;
}

void BM_Schedule(benchmark::State& state) {
    const std::string text = schedule(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(runScheduleText(in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Schedule)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ferrovolt
