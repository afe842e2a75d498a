// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2023/nec2023_fields.h"

#include <cctype>

#include "check/choice.h"
#include "check/common_fields.h"
#include "check/field_reading.h"
#include "nec2023/nec2023_tables.h"
#include "numtext/number_text.h"
#include "numtext/words.h"

namespace ferrovolt {

namespace {

using fields::keysOf;
using fields::quoted;
using fields::Reason;
using fields::setChoice;
using fields::setFlag;
using fields::setMetal;
using fields::setNumber;
using fields::setWhole;
using fields::shownOf;

// Each choice: the value the check takes, its key, the window's words for it.
constexpr std::array<Choice<Material>, 2> kMaterials = {{
    {Material::Copper, "copper", "Copper"},
    {Material::Aluminium, "aluminium", "Aluminium"},
}};
constexpr std::array<Choice<bool>, 2> kPhases = {{
    {false, "single", "Single phase"},
    {true, "three", "Three phase"},
}};
constexpr std::array<Choice<int>, 3> kInsulations = {{
    {60, "60", "60 °C"},
    {75, "75", "75 °C"},
    {90, "90", "90 °C"},
}};
// Short entries keep the unit column narrow; the tip names the insulations of each.
constexpr std::array<Choice<InsulationFamily>, 2> kFamilies = {{
    {InsulationFamily::Thermoplastic, "thermoplastic", "Thermoplastic, 150 °C",
     "TW, THW, THHN, THWN-2: 150 °C after a short circuit"},
    {InsulationFamily::Thermoset, "thermoset", "Thermoset, 250 °C",
     "XHHW-2, RHW-2, USE-2: 250 °C after a short circuit"},
}};
constexpr std::array<Choice<TerminalRating>, 3> kTerminals = {{
    {TerminalRating::C60, "60", "60 °C"},
    {TerminalRating::C75, "75", "75 °C"},
    {TerminalRating::Auto, "auto", "Auto, by 110.14(C)(1)"},
}};
constexpr std::array<Choice<AmbientMethod>, 2> kAmbientMethods = {{
    {AmbientMethod::Table, "table", nec2023::kTable310_15B1.cite.item},
    {AmbientMethod::Equation, "equation", "Equation of 310.15(B)"},
}};
constexpr std::array<Choice<Raceway>, 3> kRaceways = {{
    {Raceway::Pvc, "pvc", "PVC"},
    {Raceway::Aluminium, "aluminium", "Aluminium"},
    {Raceway::Steel, "steel", "Steel"},
}};

Reason setSize(CircuitInputs& in, std::string_view text) {
    if (trimmed(text).empty()) return in.size.reset(), std::nullopt;
    const std::optional<int> size = circuitSizeOf(text);
    if (!size)
        return quoted(text) +
               " is not a size of the code's tables (such as \"3 AWG\", \"2/0 AWG\", "
               "\"350 kcmil\")";
    in.size = *size;
    return std::nullopt;
}

CircuitValue sizeOf(std::optional<int> size) {
    if (!size) return {};
    return circuitSizeLabel(*size);
}

// The window's words for each choice, in the order it lists them: the terminals' own rule
// first, before the ratings it chooses between.
constexpr auto kMaterialTexts = shownOf(kMaterials);
constexpr auto kPhaseTexts = shownOf(kPhases);
constexpr auto kInsulationTexts = shownOf(kInsulations);
constexpr auto kFamilyTexts = shownOf(kFamilies);
constexpr std::array<ChoiceText, 3> kTerminalTexts = {{
    {kTerminals[2].key, kTerminals[2].shown},
    {kTerminals[0].key, kTerminals[0].shown},
    {kTerminals[1].key, kTerminals[1].shown},
}};
constexpr auto kAmbientMethodTexts = shownOf(kAmbientMethods);
constexpr auto kRacewayTexts = shownOf(kRaceways);

constexpr auto kSizeTexts = fields::sizeTexts(nec2023::kSizes);

constexpr std::string_view kCircuit = fields::kCircuitGroup;
constexpr std::string_view kInstallation = fields::kInstallationGroup;
constexpr std::string_view kFault = fields::kFaultGroup;
constexpr auto kRow = FieldPlacement::Row;
constexpr auto kBeside = FieldPlacement::Beside;
constexpr auto kCheck = FieldPlacement::Check;

}  // namespace

// Each: what every front end reads (key, option, kind, choices, default, help), whether it is
// required, then how the window shows it (group, caption, unit, entries, placeholder,
// placement, spin-box maximum, first text), then its setter.
const std::array<CircuitField, 24> kCircuitFields = {{
    {fields::kCurrent, setNumber<&CircuitInputs::current>},
    {{{"continuous", "--continuous", InputKind::Flag, "", "",
       "The load is continuous (3 hours or more): 125 % of it is required"},
      false,
      kCircuit,
      "C&ontinuous load (3 hours or more)",
      "",
      {},
      "",
      kCheck},
     setFlag<&CircuitInputs::continuous>},
    {fields::kLength, setNumber<&CircuitInputs::length>},
    {fields::kFeet, setFlag<&CircuitInputs::feet>},
    {{{keys::kMaterial, "--material", InputKind::Choice, keysOf<kMaterials>(), "copper",
       "Conductor material"},
      false,
      kCircuit,
      "&Material:",
      "",
      kMaterialTexts},
     setMetal<&CircuitInputs::material, kMaterials>},
    {{{keys::kPhase, "--phase", InputKind::Choice, keysOf<kPhases>(), "single",
       "Single or three phase"},
      false,
      kCircuit,
      "&Phase:",
      "",
      kPhaseTexts},
     setChoice<&CircuitInputs::threePhase, kPhases>},
    {{{keys::kVolts, "--volts", InputKind::Number, "", "", "Nominal voltage"},
      true,
      kCircuit,
      "Nominal &voltage:",
      "V",
      {},
      "",
      kRow,
      0,
      "240"},
     setNumber<&CircuitInputs::volts>},
    {{{"max_drop", "--max-drop", InputKind::Number, "", "3", "Voltage-drop limit in percent"},
      false,
      kCircuit,
      "Maximum &drop:",
      "%"},
     setNumber<&CircuitInputs::maxDropPercent>},
    {{{"insulation", "--insulation", InputKind::Choice, keysOf<kInsulations>(), "75",
       "Insulation temperature rating, °C"},
      false,
      kInstallation,
      "&Insulation rating:",
      "",
      kInsulationTexts},
     setChoice<&CircuitInputs::insulation, kInsulations>},
    // The family sets the short-circuit limit, so it sits beside the rating.
    {{{"insulation_family", "--insulation-family", InputKind::Choice, keysOf<kFamilies>(),
       "thermoplastic",
       "Insulation family for the short-circuit limit: thermoplastic (TW, THW, THHN/THWN-2) "
       "150 °C, thermoset (XHHW-2, RHW-2, USE-2) 250 °C"},
      false,
      kInstallation,
      "Insulation family",
      "",
      kFamilyTexts,
      "",
      kBeside},
     setChoice<&CircuitInputs::insulationFamily, kFamilies>},
    {{{"terminals", "--terminals", InputKind::Choice, keysOf<kTerminals>(), "auto",
       "Terminal temperature rating, °C; auto follows 110.14(C)(1)"},
      false,
      kInstallation,
      "&Terminal rating:",
      "",
      kTerminalTexts},
     setChoice<&CircuitInputs::terminals, kTerminals>},
    {{{"ambient", "--ambient", InputKind::Number, "", "30", "Ambient temperature, °C"},
      false,
      kInstallation,
      "&Ambient temperature:",
      "°C"},
     setNumber<&CircuitInputs::ambient>},
    {{{"ambient_method", "--ambient-method", InputKind::Choice, keysOf<kAmbientMethods>(), "table",
       "Ambient correction by the 30 °C table or by the equation of 310.15(B)"},
      false,
      kInstallation,
      "Ambient co&rrection:",
      "",
      kAmbientMethodTexts},
     setChoice<&CircuitInputs::ambientMethod, kAmbientMethods>},
    {{{"conductors", "--conductors", InputKind::Number, "", "3",
       "Current-carrying conductors in the raceway"},
      false,
      kInstallation,
      "Current-carrying co&nductors:",
      "",
      {},
      "",
      kRow,
      999},
     setWhole<&CircuitInputs::conductors>},
    {{{keys::kRaceway, "--raceway", InputKind::Choice, keysOf<kRaceways>(), "pvc",
       "Raceway material"},
      false,
      kInstallation,
      "Race&way:",
      "",
      kRacewayTexts},
     setMetal<&CircuitInputs::raceway, kRaceways>},
    {{{"pf", "--pf", InputKind::Number, "", "0.85", "Power factor"},
      false,
      kInstallation,
      "Power &factor:"},
     setNumber<&CircuitInputs::powerFactor>},
    {{{"sets", "--sets", InputKind::Number, "", "1", "Parallel sets (1/0 AWG and larger)"},
      false,
      kInstallation,
      "Parallel s&ets:",
      "",
      {},
      "",
      kRow,
      20},
     setWhole<&CircuitInputs::sets>},
    {{{keys::kDeviceRating, "--device-rating", InputKind::Number, "", "",
       "Overcurrent device rating in amperes (default the next standard rating of 240.6(A) at "
       "or above the required current; a non-standard rating is allowed). Not for "
       "air-conditioning and refrigeration equipment (Article 440, 240.4(G)): its nameplate's "
       "maximum breaker given here upsizes the wire"},
      false,
      kInstallation,
      "&Breaker or fuse rating:",
      "A",
      {},
      "next standard rating",
      kRow,
      0,
      {},
      false,
      {},
      "device"},  // its key before IEC 60364 gave "device" to the kind of device
     setNumber<&CircuitInputs::device>},
    {{{"conservative_125", "--conservative-125", InputKind::Flag, "", "",
       "Also require 125 % of a continuous load after correction and adjustment (stricter than "
       "the code, for authorities that ask for it)"},
      false,
      kInstallation,
      "E&xtra: 125 % after factors too (stricter than the code)",
      "",
      {},
      "",
      kCheck},
     setFlag<&CircuitInputs::conservative125>},
    {{{"fault_current", "--fault-current", InputKind::Number, "", "",
       "Fault current in amperes, for the short-circuit check"},
      false,
      kFault,
      "Fa&ult current:",
      "A"},
     setNumber<&CircuitInputs::faultCurrent>},
    {fields::kClearingTime, setNumber<&CircuitInputs::clearingTime>},
    {{{"k", "--k", InputKind::Number, "", "",
       "Adiabatic k to use instead of the one computed from the insulation"},
      false,
      kFault,
      "Adiabatic &k:",
      "",
      {},
      "from the insulation"},
     setNumber<&CircuitInputs::k>},
    {{{"fault_divided", "--fault-divided", InputKind::Flag, "", "",
       "Parallel sets share the fault (a fault at the load end, or cable limiters); by default "
       "each set carries the whole fault"},
      false,
      kFault,
      "Sets share the fault e&qually (load end, cable limiters)",
      "",
      {},
      "",
      kCheck},
     setFlag<&CircuitInputs::faultDivided>},
    {{{keys::kSize, "--size", InputKind::Size, "", "",
       "A size to check instead of choosing one (\"3 AWG\", \"2/0 AWG\", \"350 kcmil\")"},
      false,
      kFault,
      "Check a given si&ze:",
      "",
      kSizeTexts},
     setSize},
}};

const CircuitField* circuitField(std::string_view key) {
    for (const CircuitField& field : kCircuitFields)
        if (field.key == key || (!field.alias.empty() && field.alias == key)) return &field;
    return nullptr;
}

const std::array<CircuitRow, 18> kCircuitRows = {{
    {{{keys::kSize, "Size", "", ""}, 0, "", false, true},
     [](const CircuitAnswer& a) -> CircuitValue { return a.sizeLabel; }},
    {{{"sets", "Parallel sets", "", ""}, 0},
     [](const CircuitAnswer& a) -> CircuitValue { return static_cast<double>(a.sets); }},
    {{{"egc", "Equipment grounding conductor", "", ""}, 0, "No value."},
     [](const CircuitAnswer& a) { return sizeOf(a.egc); }},
    {{{keys::kGovernedBy, "Governed by", "", ""},
      0,
      "",
      false,
      false,
      false,
      RowShape::One,
      {},
      true},
     [](const CircuitAnswer& a) -> CircuitValue { return criterionKey(a.governedBy); }},
    {{{"required_ampacity", "Required ampacity", "A", ""}, 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.requiredAmpacity; }},
    {{{"ampacity", "Allowable ampacity", "A", ""}, 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.ampacity; }},
    {{{"by_ampacity", "Minimum by ampacity", "", ""}, 0, "", true},
     [](const CircuitAnswer& a) { return sizeOf(a.byAmpacity); }},
    {{{"by_voltage_drop", "Minimum by voltage drop", "", ""}, 0, "", true},
     [](const CircuitAnswer& a) {
         return a.byVoltageDrop < 0 ? CircuitValue{} : sizeOf(a.byVoltageDrop);
     }},
    {{{"by_short_circuit", "Minimum by short circuit", "", ""}, 0, "", true},
     [](const CircuitAnswer& a) { return sizeOf(a.byShortCircuit); }},
    {{{"by_small_conductor", "Minimum by small-conductor rule", "", ""}, 0, "", true},
     [](const CircuitAnswer& a) { return sizeOf(a.bySmallConductor); }},
    {{{"drop_volts", "Voltage drop", "V", ""}, 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropVolts; }},
    {{{"drop_percent", "Drop in percent", "%", ""}, 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropPercent; }},
    {{{"load_volts", "Voltage at the load", "V", ""}, 3, "Out of range."},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.loadVolts) return {};
         return *a.loadVolts;
     }},
    {{{"max_overcurrent_device", "Largest overcurrent device", "A", ""}, 0},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.maxOvercurrentDevice) return {};
         return static_cast<double>(*a.maxOvercurrentDevice);
     }},
    {{{"device", "Overcurrent device", "A", ""}, 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.device; }},
    {{{"ampacity_set_by", "Ampacity minimum set by", "", ""},
      0,
      "",
      false,
      false,
      false,
      RowShape::One,
      {},
      true},
     [](const CircuitAnswer& a) -> CircuitValue { return ampacityRuleKey(a.ampacityRule); }},
    {{{"k", "Adiabatic k", "", ""}, 4},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.k) return {};
         return *a.k;
     }},
    {{{"code", "Code", "", ""}, 0}, [](const CircuitAnswer& a) -> CircuitValue { return a.code; }},
}};

const CircuitRow& criterionRow(Criterion criterion) {
    // The rows by_ampacity to by_small_conductor, in the order of the criteria.
    constexpr std::size_t kFirst = 6;
    return kCircuitRows[kFirst + static_cast<std::size_t>(criterion)];
}

}  // namespace ferrovolt
