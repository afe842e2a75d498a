// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reference tables of the module General: gauges, conduit sizes, materials, metric and
// kcmil conductor sizes. They start empty, InitTables fills them once, and afterwards they
// are only read.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ferrovolt {

inline constexpr int kFirstGaugePosition = 1;
inline constexpr int kLastGaugePosition = 46;
inline constexpr int kLabelRow = 5;
inline constexpr int kStandardCount = 5;
inline constexpr int kMaterialCount = 14;
// The material the table lists first, which the Voltage Drop and Conductor Sizing tabs and
// their commands start with.
inline constexpr std::string_view kFirstMaterial = "Aluminium";
inline constexpr int kOfferedMaterialCount = 11;  // rows 0 to 10 are offered and accepted
inline constexpr int kUnitModeCount = 3;  // square millimetres, square inches, circular mils
inline constexpr int kConduitSizeCount = 11;
inline constexpr int kGaugeLabelKeyCount = 110;  // see gaugeLabelKey

// A gauge area as GaugeArea writes it, with the values its text reads back as.
struct GaugeAreaCell {
    std::string text;
    float single = 0.0F;
    double wide = 0.0;
    std::string wideText;  // wide written as a double
};

// The seven texts of a gauge under a standard as the Area / Weight tab shows them; each is a
// number text or "N/A".
struct GaugeMeasures {
    std::string Dia_mm, Dia_inch, Area_mm, Area_inches, Area_mils, Pounds, Kilos;
    bool operator==(const GaugeMeasures&) const = default;
};

// The copper weights of an AWG gauge as the Resistivity tab shows them.
struct GaugeWeights {
    std::string Pounds_f, Kilo_Km, Kilo_mtr;
    bool operator==(const GaugeWeights&) const = default;
};

// The areas of a conduit size at a fill as the Conduit Capacity tab shows them, with the
// value the usable area's text reads back as.
struct ConduitAreas {
    std::string CondArea, UseableArea;
    double useable = 0.0;
    bool operator==(const ConduitAreas&) const = default;
};

// The text tables start empty through std::string's own constructor. They carry no "{}":
// clang 14 crashes compiling a local Tables when nested string arrays are brace-initialised.
struct Tables {
    // [position 0..46][row 0..6]: rows 0-4 diameters in inches per standard, row 5 the label.
    std::array<std::array<std::string, 7>, 47> GaugeTable;
    // [row 0..10][0 millimetres, 1 inches]
    std::array<std::array<std::string, 2>, kConduitSizeCount> ConduitSizeTable;
    // [row 0..13][0 name, 1 resistivity at 20 C in microhm-cm, 2 temperature coefficient]
    std::array<std::array<std::string, 3>, kMaterialCount> MaterialTable;
    // [row 0..21][0 section in sq mm as compared, 1 size as shown]
    std::array<std::array<std::string, 2>, 22> MetricSizeTable;
    // circular mils, ascending
    std::array<float, 15> KcmilSizeTable{};

    // Worked out once by InitTables from the text tables above, so that the calculators need
    // not write and read back the same texts on every call. Valid only when Derived is set.
    bool Derived = false;
    // [position 0..46][standard 0..4]: the diameter in inches as read back from GaugeTable.
    std::array<std::array<float, kStandardCount>, 47> GaugeDiameters{};
    // [position 0..46][standard 0..4][unit mode 0..2]: the area texts and their values.
    std::array<std::array<std::array<GaugeAreaCell, kUnitModeCount>, kStandardCount>, 47>
        GaugeAreas;
    // [position 0..46][standard 0..4]: diameter, areas and copper weight as shown.
    std::array<std::array<GaugeMeasures, kStandardCount>, 47> GaugeMeasureTexts;
    // [row 0..13][0 resistivity, 1 temperature coefficient] as read back from MaterialTable.
    std::array<std::array<float, 2>, kMaterialCount> MaterialValues{};
    // [row 0..21] the compared section of MetricSizeTable, read back.
    std::array<float, 22> MetricSizeValues{};
    // [gaugeLabelKey of a label]: the first position with a label of that key, -1 for none.
    std::array<std::int8_t, kGaugeLabelKeyCount> GaugePositionsByKey{};
    // [position 0..46]: the AWG gauge's copper weights as shown.
    std::array<GaugeWeights, 47> GaugeWeightTexts;
    // [0 millimetres, 1 inches][row 0..10][0 at 60 %, 1 at 40 % fill]: the conduit's areas.
    std::array<std::array<std::array<ConduitAreas, 2>, kConduitSizeCount>, 2> ConduitAreaTexts;
};

// Fills GaugeTable, ConduitSizeTable, MaterialTable, MetricSizeTable, KcmilSizeTable in
// that order, each completely before the next, then the derived values from them.
void InitTables(Tables& tables);

// Works out the derived values of Tables from its text tables and sets Derived.
void deriveTables(Tables& tables);

// The diameter in inches of GaugeTable[position][standard], the resistivity (column 1) or
// temperature coefficient (column 2) of MaterialTable[row], and the compared section of
// MetricSizeTable[row], as their texts read back: from the derived values when there are any.
float gaugeDiameter(const Tables& tables, int position, int standard);
float materialValue(const Tables& tables, int row, int column);
float metricSizeValue(const Tables& tables, int row);

// A number for the label texts of the gauges' form: "n" (1 or 2 digits) is n, "n/0" is 100 + n;
// nothing for any other text. Texts of one key need not be the same ("07" and "7").
std::optional<int> gaugeLabelKey(std::string_view label);

// Gauge position (1..46) whose label is exactly `label`; nothing when no position has it.
std::optional<int> gaugePositionOfLabel(const Tables& tables, std::string_view label);

// Material row (0..13) whose name is exactly `name`, first match from row 0.
std::optional<int> materialRowOfName(const Tables& tables, std::string_view name);

}  // namespace ferrovolt
