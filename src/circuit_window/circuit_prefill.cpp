// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_prefill.h"

#include "nec2023/nec2023_hand_on.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"

namespace ferrovolt {

const std::array<SupplyCircuit, 9> kSupplyCircuits{{
    {"120 Volts 1-phase", 120, false},
    {"240 Volts 1-phase", 240, false},
    {"208 Volts 3-phase 3-wire", 208, true},
    {"120/208 Volts 3-phase 4-wire", 208, true},
    {"277 Volts 1-phase", 277, false},
    {"480 Volts 3-phase", 480, true},
    {"277/480 3-phase 4-wire", 480, true},
    {"24V DC or 1-phase AC", 24, false},
    {"48V DC or 1-phase AC", 48, false},
}};

const SupplyCircuit* supplyCircuit(std::string_view supplyText) {
    for (const SupplyCircuit& supply : kSupplyCircuits)
        if (supply.supply == supplyText) return &supply;
    return nullptr;
}

std::optional<std::string_view> prefillCode(const CircuitPrefill& tab) {
    constexpr double kIecSupplyVolts = 415;
    if (tab.volts == kIecSupplyVolts) return "iec60364";
    return std::nullopt;
}

std::optional<Material> codeMaterial(std::string_view materialText) {
    if (materialText.starts_with("Copper")) return Material::Copper;
    if (materialText == "Aluminium") return Material::Aluminium;
    return std::nullopt;
}

namespace {

// The area in circular mils of a size as the Conductor Sizing tab writes it.
std::optional<double> shownCmil(const Tables& tables, std::string_view shown) {
    constexpr std::string_view kAwg = "# ";
    constexpr std::string_view kKcmil = " Kcmils";
    if (shown.starts_with(kAwg)) {
        const std::optional<std::string> area =
            GaugeArea(tables, shown.substr(kAwg.size()), 0, CircularMils, false);
        return area ? readDouble(*area) : std::nullopt;
    }
    if (shown.ends_with(kKcmil)) {
        const std::optional<double> kcmil =
            readDouble(shown.substr(0, shown.size() - kKcmil.size()));
        if (kcmil) return *kcmil * 1000;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> sizingWarning(const Tables& tables, const CircuitPrefill& tab,
                                         std::string_view shownSize) {
    const std::optional<Material> material = codeMaterial(tab.material);
    const std::optional<double> shown = shownCmil(tables, shownSize);
    if (!material || !shown || !tab.volts) return std::nullopt;
    return necAmpacityWarning(
        {tab.current, tab.length, tab.feet, *material, *tab.volts, tab.threePhase, *shown});
}

}  // namespace ferrovolt
