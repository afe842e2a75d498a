// SPDX-License-Identifier: GPL-3.0-or-later
#include "describe/calculators.h"

#include "tables/lists.h"

namespace ferrovolt {

namespace {

using K = InputKind;

// The circuit inputs that the Voltage Drop and Conductor Sizing tabs share.
constexpr InputDescription kLength{
    "length", "--length", K::Number, "", "100", "One-way circuit length", Field::Length, ""};
constexpr InputDescription kFeet{
    "feet", "--feet", K::Flag, "", "", "The length is in feet (default metres)", std::nullopt, ""};
constexpr InputDescription kCurrent{"current", "--current",       K::Number,      "",
                                    "10",      "Load in amperes", Field::Current, ""};
constexpr InputDescription kMaterial{"material",     "--material", K::Text,         "",
                                     kFirstMaterial, "Material",   Field::Material, "materials"};

constexpr InputDescription kAreaWeightInputs[] = {
    {"gauge", "--gauge", K::Text, "", "18", "Gauge label", Field::Gauge, "gauges"},
    {"standard", "--standard", K::Text, "", "AWG (B&S)", "Wire standard", Field::Standard,
     "standards"},
};
constexpr RowDescription kAreaWeightRows[] = {
    {"diameter_mm", "Diameter :", "Millimeters", "Dia_mm"},
    {"diameter_inches", "Diameter :", "Inches", "Dia_inch"},
    {"area_mm2", "Area :", "Sq Millimeters", "Area_mm"},
    {"area_sq_inches", "Area :", "Sq Inches", "Area_inches"},
    {"area_circular_mils", "Area :", "Circular Mils", "Area_mils"},
    {"copper_pounds_per_1000_feet", "Pounds :", "1000 feet", "Pounds"},
    {"copper_kilos_per_100_metres", "Kilos :", "100 metres", "Kilos"},
};

constexpr InputDescription kResistanceInputs[] = {
    {"gauge", "--gauge", K::Text, "", "18", "AWG gauge label", Field::Gauge, "gauges"},
    {"material", "--material", K::Text, "", "Copper (Annealed)", "Material", Field::Material,
     "materials"},
    {"temperature", "--temperature", K::Number, "", "20", "Temperature", Field::Temperature, ""},
    {"unit", "--unit", K::Choice, "C|F|K", "C", "Temperature unit", std::nullopt, ""},
};
constexpr RowDescription kResistanceRows[] = {
    {"copper_kilos_per_metre", "Weight :", "Kilos/Metre", "Kilo_mtr"},
    {"copper_kilos_per_km", "Weight :", "Kilos/Kmtr", "Kilo_Km"},
    {"copper_pounds_per_1000_feet", "Weight :", "Lbs/1000 feet", "Pounds_f"},
    {"ohms_per_metre", "DC Resistance :", "Ohms/Metre", "Ohms_mtr"},
    {"ohms_per_km", "DC Resistance :", "Ohms/Kmtr", "Ohms_km"},
    {"ohms_per_mile", "DC Resistance :", "Ohms/Mile", "Ohms_mile"},
    {"ohms_per_1000_feet", "DC Resistance :", "Ohms/1000 Ft", "Ohms_Kf"},
    {"ohms_per_foot", "DC Resistance :", "Ohms/Foot", "Ohms_f"},
};

// The gauge is one of the list's labels: the tab steps through them with its arrows.
constexpr InputDescription kComparisonInputs[] = {
    {"gauge", "--gauge", K::Choice, "", "18", "Gauge label", std::nullopt, "gauges",
     "position (1 to 46)"},
    {"unit", "--unit", K::Choice, "mm|inches|mils", "mm",
     "Sq Millimeters, Sq Inches or Circular Mils", std::nullopt, "",
     "unit (0 mm2, 1 sq in, 2 circular mils)"},
};
// The boxes carry the standards' names as captions, in the order of the standards.
constexpr RowDescription kComparisonRows[] = {
    {"gauge", "Gauge", "", "lblGauge"},
    {"area_awg", kStandardNames[0], "", "lblGaugeArray(0)"},
    {"area_bwg", kStandardNames[1], "", "lblGaugeArray(1)"},
    {"area_swg", kStandardNames[2], "", "lblGaugeArray(2)"},
    {"area_us_standard", kStandardNames[3], "", "lblGaugeArray(3)"},
    {"area_us_steel_wire", kStandardNames[4], "", "lblGaugeArray(4)"},
};

// Size and cable default by the measure, as the tab refills them when it changes.
constexpr InputDescription kConduitInputs[] = {
    {"inches", "--inches", K::Flag, "", "", "Inch trade sizes and inches (default millimetres)",
     std::nullopt, ""},
    {"size", "--size", K::Text, "", "", "Conduit size; default 100 or 4", Field::ConduitSize,
     "conduits"},
    {"fill", "--fill", K::Choice, "40|60", "40", "Fill in percent", std::nullopt, "",
     "fill (40 or 60)"},
    {"cable", "--cable", K::Number, "", "", "Cable diameter; default 25 or 1", Field::Cable, ""},
};
constexpr RowDescription kConduitRows[] = {
    {"conduit_area", "Conduit Area :", "Sq mm", "CondArea"},
    {"permissible_area", "Permissible Area :", "Sq mm", "UseableArea"},
    {"cable_area", "Cable Area :", "Sq mm", "CableArea"},
    {"cable_quantity", "Cable Quantity :", "", "CableQty"},
};

constexpr InputDescription kVoltageDropInputs[] = {
    kLength,
    kFeet,
    kCurrent,
    kMaterial,
    {"supply", "--supply", K::Text, "", "240 Volts 1-phase", "Voltage and phase", Field::Supply,
     "supplies"},
    {"gauge", "--gauge", K::Text, "", "18 AWG", "Wire gauge", Field::Gauge, "conductors"},
};
constexpr RowDescription kVoltageDropRows[] = {
    {"drop_volts", "Voltage Drop across Cable :", "", "lblDrop"},
    {"load_volts", "Voltage available to the load :", "", "lblVoltsOut"},
    {"drop_percent", "Percent Voltage Drop :", "", "lblPCdrop"},
    {"circular_mils", "Circular Mils area of conductor :", "", "lblCMA"},
};

// The voltages are the tags of DropLimitTable.
constexpr InputDescription kConductorSizeInputs[] = {
    kLength,
    kFeet,
    kCurrent,
    kMaterial,
    {"phase", "--phase", K::Choice, "single|three", "single", "Single or three phase", std::nullopt,
     "", "three_phase (bool)"},
    {"volts", "--volts", K::Choice, "120|208|240|277|415|480", "240", "Nominal voltage",
     Field::Volts, ""},
};
constexpr RowDescription kConductorSizeRows[] = {
    {"circular_mils_required", "Circular Mils required :", "", "lblCmils"},
    {"min_size_awg", "Minimum cable size AWG :", "", "lblMinAWG"},
    {"min_size_mm2", "Minimum cable size Metric :", "", "lblMinMetric"},
    {"nominal_size_mm2", "Nominal cable size Metric :", "", "lblNomMetric"},
};

// Batch's own lookup, the one the window's lists and labels are filled from.
constexpr InputDescription kGaugeAreaInputs[] = {
    {"gauge", "", K::Text, "", "", "Gauge label, or its position", std::nullopt, ""},
    {"standard", "", K::Number, "", "", "Wire standard", std::nullopt, "", "standard (0 to 4)"},
    {"unit", "", K::Number, "", "", "Unit", std::nullopt, "", "unit (0 to 3)"},
    {"by_position", "", K::Flag, "", "", "The gauge is a position", std::nullopt, ""},
};
// A gauge the standard lacks answers "N/A", an unknown gauge "".
constexpr RowDescription kGaugeAreaRows[] = {{"area", "Area", "", "area"}};

}  // namespace

const CalculatorDescription kAreaWeight{"area", "area_weight",
                                        "Diameter, area and copper weight of a gauge",
                                        kAreaWeightInputs, kAreaWeightRows};
const CalculatorDescription kResistanceCalc{
    "resistance", "resistance", "DC resistance and copper weight per length of an AWG gauge",
    kResistanceInputs, kResistanceRows};
const CalculatorDescription kComparison{"compare", "compare",
                                        "Area of one gauge under all five standards",
                                        kComparisonInputs, kComparisonRows};
const CalculatorDescription kConduit{"conduit", "conduit", "How many cables fit a conduit",
                                     kConduitInputs, kConduitRows};
const CalculatorDescription kVoltageDrop{"drop", "voltage_drop", "Voltage drop along a circuit",
                                         kVoltageDropInputs, kVoltageDropRows};
const CalculatorDescription kConductorSize{"size", "conductor_size",
                                           "Smallest conductor within the drop limit",
                                           kConductorSizeInputs, kConductorSizeRows};
const CalculatorDescription kGaugeAreaLookup{"", "gauge_area", "Area of a gauge in one unit",
                                             kGaugeAreaInputs, kGaugeAreaRows};

const std::array<const CalculatorDescription*, 6> kCalculators{
    &kAreaWeight, &kConduit, &kResistanceCalc, &kComparison, &kVoltageDrop, &kConductorSize};

}  // namespace ferrovolt
