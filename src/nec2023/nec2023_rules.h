// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the NEC 2023 check and its trail both work out from the inputs and the tables: the
// check to choose sizes, the trail to write down how (from the same numbers, so the two agree
// to the last digit).

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "nec2023/nec2023_check.h"
#include "nec2023/nec2023_tables.h"
#include "units/exact_units.h"

namespace ferrovolt::nec2023 {

inline constexpr double kMm2PerCmil = kSquareMillimetresPerCmil;

inline int column(int insulation) {
    return insulation == 60 ? 0 : insulation == 75 ? 1 : 2;
}

inline int tableAmpacity(Material material, int size, int col) {
    const AmpacityRow& row = kTable310_16[static_cast<std::size_t>(size)];
    return (material == Material::Copper ? row.copper
                                         : row.aluminium)[static_cast<std::size_t>(col)];
}

// The sizes with a Table 9 row, by size: the index of their row, or -1.
inline constexpr auto kTable9RowOf = [] {
    std::array<int, kSizes.size()> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < kChapter9Table9.size(); ++i)
        rows[static_cast<std::size_t>(kChapter9Table9[i].size)] = static_cast<int>(i);
    return rows;
}();

inline const Table9Row* table9Row(int size) {
    const int row = kTable9RowOf[static_cast<std::size_t>(size)];
    return row < 0 ? nullptr : &kChapter9Table9[static_cast<std::size_t>(row)];
}

inline std::string_view label(int size) {
    return kSizes[static_cast<std::size_t>(size)].label;
}

inline int smallConductorLimit(Material material, int size) {
    for (const SmallConductorRow& row : kSection240_4D)
        if (row.size == size) return material == Material::Copper ? row.copper : row.aluminium;
    return 0;
}

// The smallest standard rating at or above `amps`; 0 above the largest.
inline int standardRatingAtOrAbove(double amps) {
    for (const int rating : kTable240_6A)
        if (rating + 1e-9 >= amps) return rating;
    return 0;
}

// Table 250.122: the grounding conductor's size for a device, or -1 where the table has none.
inline int egcByTable(Material material, double device) {
    for (const EgcRow& row : kTable250_122)
        if (device <= row.upTo + 1e-9)
            return material == Material::Copper ? row.copper : row.aluminium;
    return -1;
}

// 250.122(B): the smallest size of at least `cmil`, within the rounding of the areas it was
// worked out from (kAreaPrecision); -1 above the largest.
inline int smallestSizeOf(double cmil) {
    for (std::size_t s = 0; s < kSizes.size(); ++s)
        if (kSizes[s].cmil * (1 + kAreaPrecision) >= cmil) return static_cast<int>(s);
    return -1;
}

inline bool isStandardRating(double amps) {
    return std::find(kTable240_6A.begin(), kTable240_6A.end(), amps) != kTable240_6A.end();
}

inline double finalTemperature(InsulationFamily family) {
    return family == InsulationFamily::Thermoset ? kThermosetFinalC : kThermoplasticFinalC;
}

inline const IceaConstants& icea(Material material) {
    return material == Material::Copper ? kIceaCopper : kIceaAluminium;
}

inline std::string_view materialName(Material material) {
    return material == Material::Copper ? "copper" : "aluminium";
}

inline std::string_view racewayName(Raceway raceway) {
    return raceway == Raceway::Pvc ? "PVC" : raceway == Raceway::Aluminium ? "aluminium" : "steel";
}

struct Drop {
    double ze = 0, volts = 0, r = 0, x = 0;
};

// The circuit as the criteria see it: its length in feet, the currents it must carry, its
// device, and the ampacity and drop of a size. A motor's circuit (Articles 430 and 440) is
// sized from the motor answer's conductor current, before and after the factors alike
// (430.22: the conductor's ampacity); its device is the largest 430.52 or the nameplate's
// maximum allows unless one is given, and may exceed the conductor's ampacity (240.4(G));
// its drop is that of the full-load current.
struct Circuit {
    explicit Circuit(const CircuitInputs& inputs, const motors::MotorAnswer* motorAnswer = nullptr)
        : in(inputs),
          motor(motorAnswer),
          feet(in.feet ? in.length : in.length / kMetresPerFoot),
          sin(std::sqrt(1 - in.powerFactor * in.powerFactor)),
          circuitAmps(motor ? motor->conductorCurrent : in.current * (in.continuous ? 1.25 : 1.0)),
          required(circuitAmps / in.sets),
          loadPerSet(motor ? required : in.current / in.sets),
          dropAmps(!motor       ? in.current
                   : motor->flc ? *motor->flc
                                : motor->designCurrent),
          device(in.device ? *in.device
                 : motor   ? motor->maxDevice
                           : standardRatingAtOrAbove(circuitAmps)),
          terminalCol(terminalColumnOf(in, motor ? circuitAmps : device,
                                       motor != nullptr && motor->terminals75)) {}

    int firstSize() const { return in.material == Material::Copper ? 0 : 1; }

    // 110.14(C)(1): the column the terminals cap at, 0 for 60 °C and 1 for 75 °C; auto
    // follows the circuit's rating, which is its device's.
    // A motor's circuit is rated by its conductor current, not by a device that may be far
    // above it, and takes the 75 °C column where 110.14(C)(1)(a)(4) lets it.
    static int terminalColumnOf(const CircuitInputs& in, double device, bool motor75) {
        switch (in.terminals) {
            case TerminalRating::C60:
                return 0;
            case TerminalRating::C75:
                return 1;
            case TerminalRating::Auto:
                break;
        }
        return device <= kTerminal60UpTo && !motor75 ? 0 : 1;
    }

    // The column (a) reads: the insulation's, or the terminals' when lower.
    int load125Column() const { return std::min(column(in.insulation), terminalCol); }

    // The insulation column after correction and adjustment.
    double corrected(int size, double ambientFactor, double adjustmentFactor) const {
        return tableAmpacity(in.material, size, column(in.insulation)) * ambientFactor *
               adjustmentFactor;
    }

    // The conductor's ampacity: corrected, and no more than its terminals' column.
    double allowable(int size, double ambientFactor, double adjustmentFactor) const {
        return std::min(corrected(size, ambientFactor, adjustmentFactor),
                        static_cast<double>(tableAmpacity(in.material, size, terminalCol)));
    }

    // (a) 125 % of a continuous load, before any factor, in the terminals' column.
    bool meetsLoad125(int size) const {
        return tableAmpacity(in.material, size, load125Column()) + 1e-9 >= required;
    }

    // (b) the load after correction and adjustment (125 % of it with the combined rule).
    double afterFactorsNeeds() const { return in.conservative125 ? required : loadPerSet; }
    bool meetsAfterFactors(int size, double ambientFactor, double adjustmentFactor) const {
        return corrected(size, ambientFactor, adjustmentFactor) + 1e-9 >= afterFactorsNeeds();
    }

    // 240.4(B), (C): the device protects the sets' ampacity together.
    double setsAmpacity(int size, double ambientFactor, double adjustmentFactor) const {
        return allowable(size, ambientFactor, adjustmentFactor) * in.sets;
    }
    bool nextSizeUpAllowed() const { return device <= kNextSizeUpLimit; }
    bool protectedBy(double ampacity) const {
        if (motor != nullptr || ampacity + 1e-9 >= device) return true;
        if (!nextSizeUpAllowed()) return false;
        const int next = standardRatingAtOrAbove(ampacity);
        return next != 0 && next + 1e-9 >= device;
    }

    Drop drop(const Table9Row& row) const {
        const auto raceway = static_cast<std::size_t>(in.raceway);
        Drop d;
        d.r = (in.material == Material::Copper ? row.rCopper : row.rAluminum)[raceway];
        d.x = in.raceway == Raceway::Steel ? row.xSteel : row.xPvcAluminium;
        d.ze = d.r * in.powerFactor + d.x * sin;
        const double phase = in.threePhase ? std::sqrt(3.0) : 2.0;
        d.volts = phase * dropAmps * d.ze * feet / (1000.0 * in.sets);
        return d;
    }

    // The fault current one conductor carries: all of it, or its set's share.
    double faultPerSet() const {
        return in.faultDivided ? *in.faultCurrent / in.sets : *in.faultCurrent;
    }

    const CircuitInputs& in;
    const motors::MotorAnswer* motor;  // a motor's or an air conditioner's; null for a load
    double feet;                       // one way
    double sin;                        // of the power factor's angle
    double circuitAmps;                // the load, 125 % of it when continuous
    double required;                   // circuitAmps per set
    double loadPerSet;                 // the load per set
    double dropAmps;                   // the current of the drop
    double device;                     // the overcurrent device's rating
    int terminalCol;                   // 0: 60 °C, 1: 75 °C
};

}  // namespace ferrovolt::nec2023
