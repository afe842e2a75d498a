// SPDX-License-Identifier: GPL-3.0-or-later
// The motor rules: one NEC branch-circuit answer with its starting dips (no text), the answer
// with its trail written out, and a feeder of twenty motors.

#include <benchmark/benchmark.h>

#include <vector>

#include "allocation_count.h"
#include "motors/motors.h"

namespace ferrovolt::motors {
namespace {

// 20 hp at 480 V three-phase on an inverse-time breaker, nameplate 26 A with service factor
// 1.15, code letter G, and the dips at the motor and at its board.
MotorInputs motor20hp() {
    MotorInputs in;
    in.supply = Supply::ThreePhase;
    in.hp = 20;
    in.volts = 480;
    in.fla = 26;
    in.serviceFactor = 1.15;
    in.codeLetter = 'G';
    in.toMotor = Impedance{0.045, 0.03};
    in.toBoard = Impedance{0.01, 0.02};
    return in;
}

void BM_NecMotor(benchmark::State& state) {
    const MotorInputs in = motor20hp();
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(necMotor(in));
    reportAllocations(state, before);
}
BENCHMARK(BM_NecMotor);

void BM_NecMotorAndTrail(benchmark::State& state) {
    const MotorInputs in = motor20hp();
    for (auto _ : state) {
        const MotorResult result = necMotor(in);
        benchmark::DoNotOptimize(motorTrail(std::get<MotorAnswer>(result)));
    }
}
BENCHMARK(BM_NecMotorAndTrail);

void BM_NecMotorFeeder(benchmark::State& state) {
    std::vector<FeederMotor> motors(10, FeederMotor{7.6, 20});
    motors.insert(motors.end(), 10, FeederMotor{4.8, 15});
    const std::uint64_t before = allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(necMotorFeeder({motors, 75, 0}));
    reportAllocations(state, before);
}
BENCHMARK(BM_NecMotorFeeder);

}  // namespace
}  // namespace ferrovolt::motors
