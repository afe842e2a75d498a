// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data the fault-current methods read, as published reproductions give them. A value
// ships only where two reproductions agree; a 0 means one reproduction alone holds it, and the
// method refuses there rather than taking a neighbour. Each table carries the edition and item
// it is read from, which is what a trail prints.

#include <array>
#include <string_view>

namespace ferrovolt::faults {

struct Source {
    std::string_view document;  // with its edition
    std::string_view item;
};

// Point-to-point conductor constants C (1 / Ω per ft of one conductor, 600 V and below), by
// size, copper and aluminium, in steel and in nonmagnetic conduit. Read from a public code file
// that stores all four columns and names the 2014 handbook pages as its source; checked cell by
// cell against the "Short Circuit Current Calculation" worksheet's Table 4: every overlapping
// cell agrees. Left out (0): aluminium in steel 14–8 AWG (the worksheet's cells cannot be
// recovered) and aluminium in nonmagnetic conduit 600–1000 kcmil (cut off in the worksheet).
// The small sizes are 1000/R near 25 °C (copper 14 AWG: 10.371 Ω·cmil/ft × 1.0193 / 4110 cmil
// ≈ 1/388.7 Ω/ft), lower resistance than Table 9's 75 °C: the method reads high currents.
struct ConductorConstant {
    std::string_view size;  // as the NEC tables label it: "500 kcmil"
    double copperSteel, copperNonmagnetic, aluminiumSteel, aluminiumNonmagnetic;
};

inline constexpr Source kConductorConstantsSource = {"Point-to-point C values, 2014 handbook table",
                                                     "600 V, three single conductors"};

inline constexpr std::array<ConductorConstant, 21> kConductorConstants = {{
    {"14 AWG", 389, 389, 0, 237},
    {"12 AWG", 617, 617, 0, 376},
    {"10 AWG", 981, 982, 0, 599},
    {"8 AWG", 1557, 1559, 0, 952},
    {"6 AWG", 2425, 2430, 1481, 1482},
    {"4 AWG", 3806, 3826, 2346, 2350},
    {"3 AWG", 4774, 4811, 2952, 2961},
    {"2 AWG", 5907, 6044, 3713, 3730},
    {"1 AWG", 7293, 7493, 4645, 4678},
    {"1/0 AWG", 8925, 9317, 5777, 5838},
    {"2/0 AWG", 10755, 11424, 7187, 7301},
    {"3/0 AWG", 12844, 13923, 8826, 9110},
    {"4/0 AWG", 15082, 16673, 10741, 11174},
    {"250 kcmil", 16483, 18594, 12122, 12862},
    {"300 kcmil", 18177, 20868, 13910, 14923},
    {"350 kcmil", 19704, 22737, 15484, 16813},
    {"400 kcmil", 20566, 24297, 16671, 18506},
    {"500 kcmil", 22185, 26706, 18756, 21391},
    {"600 kcmil", 22965, 28033, 20093, 0},
    {"750 kcmil", 24137, 29735, 21766, 0},
    {"1000 kcmil", 25278, 31491, 23478, 0},
}};

// The voltage factor c of the equivalent voltage source c·Un/√3 (IEC 60909-0, Table 1), by
// the tolerance of the nominal voltage. Read from pandapower's documentation of the initial
// short-circuit current; checked against an equation registry's "Table 1" and a second
// network library's default grid factor (1.1).
struct VoltageFactor {
    std::string_view system;
    double cMax, cMin;
};

inline constexpr Source kVoltageFactorSource = {"IEC 60909-0:2016", "Table 1"};

inline constexpr std::array<VoltageFactor, 3> kVoltageFactors = {{
    {"100 V to 1 kV, +6 % tolerance", 1.05, 0.95},
    {"100 V to 1 kV, +10 % tolerance", 1.10, 0.95},
    {"above 1 kV", 1.10, 1.00},
}};
inline constexpr int kLowVoltage6 = 0;
inline constexpr int kLowVoltage10 = 1;
inline constexpr int kHighVoltage = 2;

// The conductor resistance at the end of a short circuit, R = [1 + α(θe − 20 °C)]·R20, with
// α = 0.004 /K (pandapower's branch-element documentation; the same rounded constant as IEC
// 60228's temperature correction) and θe the final temperature of IEC 60364-4-43 Table 43A
// (160 °C PVC, 250 °C XLPE and EPR, read in two reproductions of the k-value table).
inline constexpr Source kEndTemperatureSource = {"IEC 60909-0:2016",
                                                 "6.4 [3.4]; IEC 60364-4-43:2008 Table 43A"};
inline constexpr double kAlphaShortCircuit = 0.004;

struct EndTemperature {
    std::string_view insulation;
    double celsius;
};

inline constexpr std::array<EndTemperature, 2> kEndTemperatures = {{
    {"PVC", 160},
    {"XLPE and EPR", 250},
}};

// The network feeder's R/X when the utility gives none: R = 0.1·X (pandapower's tests and a
// second network library's default).
inline constexpr double kFeederDefaultRx = 0.1;

// The reactance of a low-voltage cable conductor when none is given, Ω/km (IEC 60364-5-52
// Annex G's λ = 0.08 mΩ/m, as the check already reads it).
inline constexpr double kCableReactanceOhmPerKm = 0.08;

// Motors feed a fault for a few cycles: 4 × the full-load current of the motors running at a
// point is added to the maximum there and at every point below it, never to a minimum. Read
// from the 2005 plan-review handbook's worksheet ("50 % (400 A) of the load is motors, × 4 =
// 1,600 A", added at all points of the system) and checked against a public quick-fault
// calculator's "4 × FLA × % motor load".
inline constexpr Source kMotorContributionSource = {"Point-to-point handbook practice, 2005",
                                                    "motor contribution, 4 × FLA"};
inline constexpr double kMotorMultiple = 4;

// IEC 60909-0 neglects asynchronous motors in the maximum where their contribution is at most
// 1 % of I″k without them.
inline constexpr double kIecMotorShare = 0.01;

}  // namespace ferrovolt::faults
