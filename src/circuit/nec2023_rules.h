// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the NEC 2023 check and its trail both work out from the inputs and the tables: the
// check to choose sizes, the trail to write down how (from the same numbers, so the two agree
// to the last digit).

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "circuit/circuit_check.h"
#include "circuit/nec2023_tables.h"

namespace ferrovolt::nec2023 {

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMm2PerCmil = 5.0670747909749771e-4;  // π/4 × (0.0254 mm)²
// ICEA P-32-382's short-circuit limit for thermoplastic insulation, as the Cooper Bussmann
// wire protection paper quotes it. The 90 °C thermoset insulations allow 250 °C; taking
// 150 °C for every column never understates the size (`k` overrides it).
inline constexpr double kThermoplasticFinalC = 150;

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

inline std::string_view materialName(Material material) {
    return material == Material::Copper ? "copper" : "aluminium";
}

inline std::string_view racewayName(Raceway raceway) {
    return raceway == Raceway::Pvc ? "PVC" : raceway == Raceway::Aluminium ? "aluminium" : "steel";
}

struct Drop {
    double ze = 0, volts = 0, r = 0, x = 0;
};

// The circuit as the criteria see it: its length in feet, the current it must carry, and the
// ampacity and drop of a size.
struct Circuit {
    explicit Circuit(const CircuitInputs& inputs)
        : in(inputs),
          feet(in.feet ? in.length : in.length / kMetresPerFoot),
          sin(std::sqrt(1 - in.powerFactor * in.powerFactor)),
          circuitAmps(in.current * (in.continuous ? 1.25 : 1.0)),
          required(circuitAmps / in.sets) {}

    int firstSize() const { return in.material == Material::Copper ? 0 : 1; }

    // The column the terminals cap a size at: 0 for 60 °C, 1 for 75 °C.
    int terminalColumn(int size) const {
        switch (in.terminals) {
            case TerminalRating::C60:
                return 0;
            case TerminalRating::C75:
                return 1;
            case TerminalRating::Auto:
                break;
        }
        return circuitAmps <= 100 || size <= kSize1Awg ? 0 : 1;
    }

    double allowable(int size, double ambientFactor, double adjustmentFactor) const {
        const double corrected = tableAmpacity(in.material, size, column(in.insulation)) *
                                 ambientFactor * adjustmentFactor;
        return std::min(
            corrected, static_cast<double>(tableAmpacity(in.material, size, terminalColumn(size))));
    }

    Drop drop(const Table9Row& row) const {
        const auto raceway = static_cast<std::size_t>(in.raceway);
        Drop d;
        d.r = (in.material == Material::Copper ? row.rCopper : row.rAluminum)[raceway];
        d.x = in.raceway == Raceway::Steel ? row.xSteel : row.xPvcAluminium;
        d.ze = d.r * in.powerFactor + d.x * sin;
        const double phase = in.threePhase ? std::sqrt(3.0) : 2.0;
        d.volts = phase * in.current * d.ze * feet / (1000.0 * in.sets);
        return d;
    }

    const CircuitInputs& in;
    double feet;         // one way
    double sin;          // of the power factor's angle
    double circuitAmps;  // 125 % of a continuous load
    double required;     // ampacity per set
};

}  // namespace ferrovolt::nec2023
