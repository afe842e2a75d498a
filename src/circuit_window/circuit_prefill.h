// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Voltage Drop and Conductor Sizing tabs hand to the circuit check: their inputs as
// the user typed and picked them, and how the tabs' material and supply texts read in the
// code's terms.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "nec2023/nec2023_check.h"
#include "tables/tables.h"

namespace ferrovolt {

struct CircuitPrefill {
    std::string length;  // as typed
    bool feet = false;
    std::string current;   // as typed
    std::string material;  // the tab's material text
    // Unknown when the tab's supply text is none of its list.
    std::optional<double> volts;
    bool threePhase = false;
};

// Copper or aluminium for a material text of the tabs; nothing for the other materials,
// which the code's tables do not cover.
std::optional<Material> codeMaterial(std::string_view materialText);

// A supply of the Voltage Drop tab as a circuit: the line-to-line voltage and the phases.
// The 4-wire supplies are three-phase circuits at their line-to-line voltage.
struct SupplyCircuit {
    std::string_view supply;
    double volts;
    bool threePhase;
};

extern const std::array<SupplyCircuit, 9> kSupplyCircuits;

// The code a tab's circuit is checked under where its supply says it: IEC 60364 for the
// Conductor Sizing tab's 415 V, a supply of the countries that wire by it; nothing (the
// window's own choice) for the others.
std::optional<std::string_view> prefillCode(const CircuitPrefill& tab);

const SupplyCircuit* supplyCircuit(std::string_view supplyText);

// The warning of the Conductor Sizing tab: the tab's circuit and the size it shows ("# 9",
// "350 Kcmils") read in the code's terms, and held against the minimum by ampacity the
// Circuit Check window answers with its own defaults (`necAmpacityWarning`). A size below the
// code's smallest carries nothing by its tables.
// Nothing when the size carries it, when the material is not copper or aluminium, or when
// the inputs or the shown text cannot be read.
std::optional<std::string> sizingWarning(const Tables& tables, const CircuitPrefill& tab,
                                         std::string_view shownSize);

}  // namespace ferrovolt
