#pragma once

// The reference tables of the module General: gauges, conduit sizes, materials, metric and
// kcmil conductor sizes. They start empty, InitTables fills them once, and afterwards they
// are only read.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ferrovolt {

inline constexpr int kFirstGaugePosition = 1;
inline constexpr int kLastGaugePosition = 46;
inline constexpr int kLabelRow = 5;
inline constexpr int kStandardCount = 5;
inline constexpr int kMaterialCount = 14;
inline constexpr int kOfferedMaterialCount = 11;  // rows 0 to 10 are offered and accepted

// The text tables start empty through std::string's own constructor. They carry no "{}":
// clang 14 crashes compiling a local Tables when nested string arrays are brace-initialised.
struct Tables {
    // [position 0..46][row 0..6]: rows 0-4 diameters in inches per standard, row 5 the label.
    std::array<std::array<std::string, 7>, 47> GaugeTable;
    // [row 0..10][0 millimetres, 1 inches]
    std::array<std::array<std::string, 2>, 11> ConduitSizeTable;
    // [row 0..13][0 name, 1 resistivity at 20 C in microhm-cm, 2 temperature coefficient]
    std::array<std::array<std::string, 3>, kMaterialCount> MaterialTable;
    // [row 0..21][0 section in sq mm as compared, 1 size as shown]
    std::array<std::array<std::string, 2>, 22> MetricSizeTable;
    // circular mils, ascending
    std::array<float, 15> KcmilSizeTable{};
};

// Fills GaugeTable, ConduitSizeTable, MaterialTable, MetricSizeTable, KcmilSizeTable in
// that order, each completely before the next.
void InitTables(Tables& tables);

// Gauge position (1..46) whose label is exactly `label`; nothing when no position has it.
std::optional<int> gaugePositionOfLabel(const Tables& tables, std::string_view label);

// Material row (0..13) whose name is exactly `name`, first match from row 0.
std::optional<int> materialRowOfName(const Tables& tables, std::string_view name);

}  // namespace ferrovolt
