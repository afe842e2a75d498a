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
    {TerminalRating::Auto, "auto", citedWords<"Auto, by ", nec2023::kRuleTerminals>()},
}};
constexpr std::array<Choice<AmbientMethod>, 2> kAmbientMethods = {{
    {AmbientMethod::Table, "table", nec2023::kTable310_15B1.cite.item},
    {AmbientMethod::Equation, "equation", citedWords<"Equation of ", nec2023::kRuleAmbient>()},
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

}  // namespace

// Each: the field as every front end reads it and the window shows it, then its setter.
const std::array<CircuitField, 24> kCircuitFields = {{
    {fields::kCurrent, setNumber<&CircuitInputs::current>},
    {{.key = "continuous",
      .option = "--continuous",
      .kind = InputKind::Flag,
      .help = "The load is continuous (3 hours or more): 125 % of it is required",
      .group = fields::kCircuitGroup,
      .caption = "C&ontinuous load (3 hours or more)",
      .placement = FieldPlacement::Check},
     setFlag<&CircuitInputs::continuous>},
    {fields::kLength, setNumber<&CircuitInputs::length>},
    {fields::kFeet, setFlag<&CircuitInputs::feet>},
    {{.key = keys::kMaterial,
      .option = "--material",
      .kind = InputKind::Choice,
      .choices = keysOf<kMaterials>(),
      .defaultText = "copper",
      .help = "Conductor material",
      .group = fields::kCircuitGroup,
      .caption = "&Material:",
      .shown = kMaterialTexts},
     setMetal<&CircuitInputs::material, kMaterials>},
    {{.key = keys::kPhase,
      .option = "--phase",
      .kind = InputKind::Choice,
      .choices = keysOf<kPhases>(),
      .defaultText = "single",
      .help = "Single or three phase",
      .group = fields::kCircuitGroup,
      .caption = "&Phase:",
      .shown = kPhaseTexts},
     setChoice<&CircuitInputs::threePhase, kPhases>},
    {{.key = keys::kVolts,
      .option = "--volts",
      .kind = InputKind::Number,
      .help = "Nominal voltage",
      .required = true,
      .group = fields::kCircuitGroup,
      .caption = "Nominal &voltage:",
      .unit = "V",
      .initial = "240"},
     setNumber<&CircuitInputs::volts>},
    {{.key = "max_drop",
      .option = "--max-drop",
      .kind = InputKind::Number,
      .defaultText = "3",
      .help = "Voltage-drop limit in percent",
      .group = fields::kCircuitGroup,
      .caption = "Maximum &drop:",
      .unit = "%"},
     setNumber<&CircuitInputs::maxDropPercent>},
    {{.key = "insulation",
      .option = "--insulation",
      .kind = InputKind::Choice,
      .choices = keysOf<kInsulations>(),
      .defaultText = "75",
      .help = "Insulation temperature rating, °C",
      .group = fields::kInstallationGroup,
      .caption = "&Insulation rating:",
      .shown = kInsulationTexts},
     setChoice<&CircuitInputs::insulation, kInsulations>},
    // The family sets the short-circuit limit, so it sits beside the rating.
    {{.key = "insulation_family",
      .option = "--insulation-family",
      .kind = InputKind::Choice,
      .choices = keysOf<kFamilies>(),
      .defaultText = "thermoplastic",
      .help = "Insulation family for the short-circuit limit: thermoplastic (TW, THW, THHN/THWN-2) "
              "150 °C, thermoset (XHHW-2, RHW-2, USE-2) 250 °C",
      .group = fields::kInstallationGroup,
      .caption = "Insulation family",
      .shown = kFamilyTexts,
      .placement = FieldPlacement::Beside},
     setChoice<&CircuitInputs::insulationFamily, kFamilies>},
    {{.key = "terminals",
      .option = "--terminals",
      .kind = InputKind::Choice,
      .choices = keysOf<kTerminals>(),
      .defaultText = "auto",
      .help =
          citedWords<"Terminal temperature rating, °C; auto follows ", nec2023::kRuleTerminals>(),
      .group = fields::kInstallationGroup,
      .caption = "&Terminal rating:",
      .shown = kTerminalTexts},
     setChoice<&CircuitInputs::terminals, kTerminals>},
    {{.key = "ambient",
      .option = "--ambient",
      .kind = InputKind::Number,
      .defaultText = "30",
      .help = "Ambient temperature, °C",
      .group = fields::kInstallationGroup,
      .caption = "&Ambient temperature:",
      .unit = "°C"},
     setNumber<&CircuitInputs::ambient>},
    {{.key = "ambient_method",
      .option = "--ambient-method",
      .kind = InputKind::Choice,
      .choices = keysOf<kAmbientMethods>(),
      .defaultText = "table",
      .help = citedWords<"Ambient correction by the 30 °C table or by the equation of ",
                         nec2023::kRuleAmbient>(),
      .group = fields::kInstallationGroup,
      .caption = "Ambient co&rrection:",
      .shown = kAmbientMethodTexts},
     setChoice<&CircuitInputs::ambientMethod, kAmbientMethods>},
    {{.key = "conductors",
      .option = "--conductors",
      .kind = InputKind::Number,
      .defaultText = "3",
      .help = "Current-carrying conductors in the raceway",
      .group = fields::kInstallationGroup,
      .caption = "Current-carrying co&nductors:",
      .maximum = 999},
     setWhole<&CircuitInputs::conductors>},
    {{.key = keys::kRaceway,
      .option = "--raceway",
      .kind = InputKind::Choice,
      .choices = keysOf<kRaceways>(),
      .defaultText = "pvc",
      .help = "Raceway material",
      .group = fields::kInstallationGroup,
      .caption = "Race&way:",
      .shown = kRacewayTexts},
     setMetal<&CircuitInputs::raceway, kRaceways>},
    {{.key = "pf",
      .option = "--pf",
      .kind = InputKind::Number,
      .defaultText = "0.85",
      .help = "Power factor",
      .group = fields::kInstallationGroup,
      .caption = "Power &factor:"},
     setNumber<&CircuitInputs::powerFactor>},
    {{.key = "sets",
      .option = "--sets",
      .kind = InputKind::Number,
      .defaultText = "1",
      .help = "Parallel sets (1/0 AWG and larger)",
      .group = fields::kInstallationGroup,
      .caption = "Parallel s&ets:",
      .maximum = 20},
     setWhole<&CircuitInputs::sets>},
    {{.key = keys::kDeviceRating,
      .option = "--device-rating",
      .kind = InputKind::Number,
      .help =
          "Overcurrent device rating in amperes (default the next standard rating of 240.6(A) at "
          "or above the required current; a non-standard rating is allowed). Not for "
          "air-conditioning and refrigeration equipment (Article 440, 240.4(G)): its nameplate's "
          "maximum breaker given here upsizes the wire",
      .group = fields::kInstallationGroup,
      .caption = "&Breaker or fuse rating:",
      .unit = "A",
      .placeholder = "next standard rating",
      // its key before IEC 60364 gave "device" to the kind of device
      .alias = "device"},
     setNumber<&CircuitInputs::device>},
    {{.key = "conservative_125",
      .option = "--conservative-125",
      .kind = InputKind::Flag,
      .help =
          "Also require 125 % of a continuous load after correction and adjustment (stricter than "
          "the code, for authorities that ask for it)",
      .group = fields::kInstallationGroup,
      .caption = "E&xtra: 125 % after factors too (stricter than the code)",
      .placement = FieldPlacement::Check},
     setFlag<&CircuitInputs::conservative125>},
    {{.key = "fault_current",
      .option = "--fault-current",
      .kind = InputKind::Number,
      .help = "Fault current in amperes, for the short-circuit check",
      .group = fields::kFaultGroup,
      .caption = "Fa&ult current:",
      .unit = "A"},
     setNumber<&CircuitInputs::faultCurrent>},
    {fields::kClearingTime, setNumber<&CircuitInputs::clearingTime>},
    {{.key = "k",
      .option = "--k",
      .kind = InputKind::Number,
      .help = "Adiabatic k to use instead of the one computed from the insulation",
      .group = fields::kFaultGroup,
      .caption = "Adiabatic &k:",
      .placeholder = "from the insulation"},
     setNumber<&CircuitInputs::k>},
    {{.key = "fault_divided",
      .option = "--fault-divided",
      .kind = InputKind::Flag,
      .help =
          "Parallel sets share the fault (a fault at the load end, or cable limiters); by default "
          "each set carries the whole fault",
      .group = fields::kFaultGroup,
      .caption = "Sets share the fault e&qually (load end, cable limiters)",
      .placement = FieldPlacement::Check},
     setFlag<&CircuitInputs::faultDivided>},
    {{.key = keys::kSize,
      .option = "--size",
      .kind = InputKind::Size,
      .help = "A size to check instead of choosing one (\"3 AWG\", \"2/0 AWG\", \"350 kcmil\")",
      .group = fields::kFaultGroup,
      .caption = "Check a given si&ze:",
      .shown = kSizeTexts},
     setSize},

}};

const CircuitField* circuitField(std::string_view key) {
    for (const CircuitField& field : kCircuitFields)
        if (field.key == key || (!field.alias.empty() && field.alias == key)) return &field;
    return nullptr;
}

const std::array<CircuitRow, 18> kCircuitRows = {{
    {{.key = keys::kSize, .caption = "Size", .headline = true},
     [](const CircuitAnswer& a) -> CircuitValue { return a.sizeLabel; }},
    {{.key = "sets", .caption = "Parallel sets"},
     [](const CircuitAnswer& a) -> CircuitValue { return static_cast<double>(a.sets); }},
    {{.key = "egc", .caption = "Equipment grounding conductor", .absent = "No value."},
     [](const CircuitAnswer& a) { return sizeOf(a.egc); }},
    {{.key = keys::kGovernedBy, .caption = "Governed by", .saidElsewhere = true},
     [](const CircuitAnswer& a) -> CircuitValue { return criterionKey(a.governedBy); }},
    {{.key = "required_ampacity", .caption = "Required ampacity", .unit = "A", .decimals = 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.requiredAmpacity; }},
    {{.key = "ampacity", .caption = "Allowable ampacity", .unit = "A", .decimals = 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.ampacity; }},
    {{.key = "by_ampacity", .caption = "Minimum by ampacity", .criterion = true},
     [](const CircuitAnswer& a) { return sizeOf(a.byAmpacity); }},
    {{.key = "by_voltage_drop", .caption = "Minimum by voltage drop", .criterion = true},
     [](const CircuitAnswer& a) {
         return a.byVoltageDrop < 0 ? CircuitValue{} : sizeOf(a.byVoltageDrop);
     }},
    {{.key = "by_short_circuit", .caption = "Minimum by short circuit", .criterion = true},
     [](const CircuitAnswer& a) { return sizeOf(a.byShortCircuit); }},
    {{.key = "by_small_conductor", .caption = "Minimum by small-conductor rule", .criterion = true},
     [](const CircuitAnswer& a) { return sizeOf(a.bySmallConductor); }},
    {{.key = "drop_volts", .caption = "Voltage drop", .unit = "V", .decimals = 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropVolts; }},
    {{.key = "drop_percent", .caption = "Drop in percent", .unit = "%", .decimals = 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropPercent; }},
    {{.key = "load_volts",
      .caption = "Voltage at the load",
      .unit = "V",
      .decimals = 3,
      .absent = "Out of range."},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.loadVolts) return {};
         return *a.loadVolts;
     }},
    {{.key = "max_overcurrent_device", .caption = "Largest overcurrent device", .unit = "A"},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.maxOvercurrentDevice) return {};
         return static_cast<double>(*a.maxOvercurrentDevice);
     }},
    {{.key = "device", .caption = "Overcurrent device", .unit = "A", .decimals = 3},
     [](const CircuitAnswer& a) -> CircuitValue { return a.device; }},
    {{.key = "ampacity_set_by", .caption = "Ampacity minimum set by", .saidElsewhere = true},
     [](const CircuitAnswer& a) -> CircuitValue { return ampacityRuleKey(a.ampacityRule); }},
    {{.key = "k", .caption = "Adiabatic k", .decimals = 4},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.k) return {};
         return *a.k;
     }},
    {{.key = "code", .caption = "Code"},
     [](const CircuitAnswer& a) -> CircuitValue { return a.code; }},
}};

const CircuitRow& criterionRow(Criterion criterion) {
    // The rows by_ampacity to by_small_conductor, in the order of the criteria.
    constexpr std::size_t kFirst = 6;
    return kCircuitRows[kFirst + static_cast<std::size_t>(criterion)];
}

}  // namespace ferrovolt
