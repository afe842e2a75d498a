// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_tables.h"

#include "describe/calculators.h"
#include "window/tab_area_weight.h"
#include "window/tab_conduit.h"
#include "window/tab_resistivity.h"
#include "window/tab_sizing.h"
#include "window/tab_voltage_drop.h"

namespace ferrovolt {

namespace {

// The measure group stands between the two diameters.
constexpr std::string_view kConduitReading[] = {"cmbDia", "Frame2(0)", "txtCable", "Frame2(1)"};

constexpr TabInput kCompareInputs[] = {{"lblGauge", "lblHeading_lblGauge"}, {"Frame1", ""}};

// Each box is captioned by the standard's name under it, in the order the boxes stand.
constexpr TabResult kCompareResults[] = {{"lblGaugeArray(0)", "lblStandardName(0)", ""},
                                         {"lblGaugeArray(1)", "lblStandardName(1)", ""},
                                         {"lblGaugeArray(3)", "lblStandardName(3)", ""},
                                         {"lblGaugeArray(2)", "lblStandardName(2)", ""},
                                         {"lblGaugeArray(4)", "lblStandardName(4)", ""}};

}  // namespace

const std::array<TabTable, kTabTableCount> kTabTables{{
    {"cmdCalc(0)", kAreaWeightControls, {}, {}, &kAreaWeight, {}},
    {"cmdCalc2", kConduitControls, kConduitReading, {}, &kConduit, {}},
    {"cmdCalc(2)", kResistivityControls, {}, {}, &kResistanceCalc, {}},
    {"", {}, {}, kCompareInputs, nullptr, kCompareResults},
    {"cmdCalc4(1)", kVoltageDropControls, {}, {}, &kVoltageDrop, {}},
    {"cmdCalc4(2)", kSizingControls, {}, {}, &kConductorSize, {}},
}};

std::vector<TabInput> readingInputs(const TabTable& table) {
    std::vector<TabInput> inputs(table.inputs.begin(), table.inputs.end());
    for (const ControlRow& row : table.controls) {
        if (row.kind == ControlKind::Combo || row.kind == ControlKind::Text)
            inputs.push_back({row.name, row.heading});
        else if (row.kind == ControlKind::Group)
            inputs.push_back({row.name, {}});
    }
    if (table.reading.empty()) return inputs;
    std::vector<TabInput> read;
    for (std::string_view name : table.reading)
        for (const TabInput& input : inputs)
            if (input.control == name) read.push_back(input);
    return read;
}

}  // namespace ferrovolt
