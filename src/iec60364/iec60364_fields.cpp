// SPDX-License-Identifier: GPL-3.0-or-later
#include "iec60364/iec60364_fields.h"

#include "check/choice.h"
#include "check/common_fields.h"
#include "check/field_reading.h"
#include "iec60364/iec60364_check.h"
#include "numtext/number_text.h"
#include "numtext/words.h"
#include "units/exact_units.h"

namespace ferrovolt::iec60364 {

namespace {

using fields::keysOf;
using fields::quoted;
using fields::Reason;
using fields::setChoice;
using fields::setFlag;
using fields::setMaybe;
using fields::setMetal;
using fields::setNumber;
using fields::setWhole;
using fields::shownOf;
using fields::shownOrNone;

// An optional number: empty leaves it to the check.
template <auto member>
Reason setOptional(IecForm& form, std::string_view text) {
    if (trimmed(text).empty()) return form.*member = std::nullopt, std::nullopt;
    return setNumber<member>(form, text);
}

Reason setLoaded(IecForm& form, std::string_view text) {
    if (trimmed(text).empty()) return form.loaded = std::nullopt, std::nullopt;
    const std::optional<int> value = fields::whole(text);
    if (!value) return quoted(text) + " is not a whole number";
    form.loaded = *value;
    return std::nullopt;
}

Reason setSize(IecForm& form, std::string_view text) {
    if (trimmed(text).empty()) return form.size = std::nullopt, std::nullopt;
    const std::optional<int> size = iecSizeOf(text);
    if (!size)
        return quoted(text) + " is not a size of IEC 60228 (such as \"2.5 mm²\", \"25 mm²\")";
    form.size = *size;
    return std::nullopt;
}

constexpr auto kMetalTexts = shownOf(kMetals);
constexpr auto kPhaseTexts = shownOf(kPhases);
// Not given: the limit is the one given, or Table G.52.1 for other uses on a public supply.
constexpr auto kUseTexts = shownOrNone(kUses, "Not given (other uses)");
constexpr auto kSupplyTexts = shownOrNone(kSupplies, "Not given (public)");
constexpr auto kInsulationTexts = shownOf(kInsulations);
constexpr auto kMethodTexts = shownOf(kMethods);
constexpr auto kLayoutTexts = shownOrNone(kLayouts, "Methods F and G only");
constexpr ChoiceText kLoadedTexts[] = {{"", "By the phases"}, {"2", "2"}, {"3", "3"}};
constexpr auto kArrangementTexts = shownOrNone(kArrangements, "Not given (bunched)");
constexpr auto kSpacingTexts = shownOrNone(kSpacings, "Not given (touching)");
constexpr auto kDuctTexts = shownOrNone(kDuctCables, "Not given (multicore)");
constexpr auto kDeviceTexts = shownOf(kDevices);
constexpr auto kEarthingTexts = shownOrNone(kEarthings, "Not checked");
constexpr auto kCurveTexts = shownOrNone(kCurves, "Not given");

constexpr auto kSizeTexts = fields::sizeTexts(kSizes);

constexpr std::string_view kCircuit = fields::kCircuitGroup;
constexpr std::string_view kInstallation = fields::kInstallationGroup;
constexpr std::string_view kDevice = "Protective device";
constexpr std::string_view kFault = fields::kFaultGroup;
constexpr std::string_view kEarthFault = "Earth fault (optional)";
constexpr auto kRow = FieldPlacement::Row;
constexpr auto kCheck = FieldPlacement::Check;
constexpr auto kNumber = InputKind::Number;
constexpr auto kChoice = InputKind::Choice;
constexpr auto kFlag = InputKind::Flag;

}  // namespace

// Each: what every front end reads (key, option, kind, choices, default, help), whether it is
// required, then how the window shows it (group, caption, unit, entries, placeholder,
// placement, spin-box maximum, first text), then its setter.
const std::array<IecField, 40> kIecFields = {{
    {fields::kCurrent, setNumber<&IecInputs::current>},
    {fields::kLength, setNumber<&IecInputs::length>},
    {fields::kFeet, setFlag<&IecForm::feet>},
    {{{keys::kMaterial, "--material", kChoice, keysOf<kMetals>(), "copper", "Conductor material"},
      false,
      kCircuit,
      "&Material:",
      "",
      kMetalTexts},
     setMetal<&IecInputs::material, kMetals>},
    {{{keys::kPhase, "--phase", kChoice, keysOf<kPhases>(), "single",
       "Single phase, three phase or DC"},
      false,
      kCircuit,
      "&Phase:",
      "",
      kPhaseTexts},
     setChoice<&IecInputs::phase, kPhases>},
    {{{keys::kVolts, "--volts", kNumber, "", "", "Nominal voltage (line to line for three phase)"},
      true,
      kCircuit,
      "Nominal &voltage:",
      "V",
      {},
      "",
      kRow,
      0,
      "230"},
     setNumber<&IecInputs::volts>},
    {{{"max_drop", "--max-drop", kNumber, "", "",
       "Voltage-drop limit in percent (default Table G.52.1 by use and supply)"},
      false,
      kCircuit,
      "Maximum &drop:",
      "%",
      {},
      "Table G.52.1"},
     setOptional<&IecInputs::maxDropPercent>},
    {{{"use", "--use", kChoice, keysOf<kUses>(), "",
       "The circuit's use, for Table G.52.1 (default other)"},
      false,
      kCircuit,
      "&Use:",
      "",
      kUseTexts},
     setMaybe<&IecInputs::use, kUses>},
    {{{"supply", "--supply", kChoice, keysOf<kSupplies>(), "",
       "The installation's supply, for Table G.52.1 (default public)"},
      false,
      kCircuit,
      "&Supply:",
      "",
      kSupplyTexts},
     setMaybe<&IecInputs::supply, kSupplies>},
    {{{"insulation", "--insulation", kChoice, keysOf<kInsulations>(), "pvc",
       "Insulation: PVC (70 °C) or XLPE/EPR (90 °C)"},
      false,
      kInstallation,
      "&Insulation:",
      "",
      kInsulationTexts},
     setChoice<&IecInputs::insulation, kInsulations>},
    {{{keys::kMethod, "--method", kChoice, keysOf<kMethods>(), "C",
       "Reference method of Table B.52.1"},
      false,
      kInstallation,
      "Reference me&thod:",
      "",
      kMethodTexts},
     setChoice<&IecInputs::method, kMethods>},
    {{{"layout", "--layout", kChoice, keysOf<kLayouts>(), "",
       "Layout of single-core cables: trefoil or flat (F), horizontal or vertical (G)"},
      false,
      kInstallation,
      "La&yout:",
      "",
      kLayoutTexts},
     setMaybe<&IecInputs::layout, kLayouts>},
    {{{"loaded", "--loaded", kChoice, "2|3", "",
       "Loaded conductors (default 2 for single phase and DC, 3 for three phase)"},
      false,
      kInstallation,
      "Loaded co&nductors:",
      "",
      kLoadedTexts},
     setLoaded},
    {{{"ambient", "--ambient", kNumber, "", "",
       "Ambient temperature, °C: of the air, or of the ground for D1 and D2 (default 30 / 20)"},
      false,
      kInstallation,
      "&Ambient temperature:",
      "°C",
      {},
      "30 in air, 20 in the ground"},
     setOptional<&IecInputs::ambient>},
    {{{"soil_resistivity", "--soil-resistivity", kNumber, "", "",
       "Soil thermal resistivity, K·m/W, for D1 and D2 (default 2.5)"},
      false,
      kInstallation,
      "S&oil resistivity:",
      "K·m/W",
      {},
      "2.5"},
     setOptional<&IecInputs::soilResistivity>},
    {{{"grouping", "--grouping", kNumber, "", "1", "Circuits in the group, this one counted once"},
      false,
      kInstallation,
      "&Grouped circuits:",
      "",
      {},
      "",
      kRow,
      20},
     setWhole<&IecInputs::grouping>},
    {{{"arrangement", "--arrangement", kChoice, keysOf<kArrangements>(), "",
       "Arrangement of the group, Table B.52.17 (default bunched)"},
      false,
      kInstallation,
      "Arrange&ment:",
      "",
      kArrangementTexts},
     setMaybe<&IecInputs::arrangement, kArrangements>},
    {{{"spacing", "--spacing", kChoice, keysOf<kSpacings>(), "",
       "Spacing of grouped cables in the ground, Tables B.52.18 and B.52.19 (default touching)"},
      false,
      kInstallation,
      "Spacing in the g&round:",
      "",
      kSpacingTexts},
     setMaybe<&IecInputs::spacing, kSpacings>},
    {{{"ducts", "--ducts", kChoice, keysOf<kDuctCables>(), "",
       "Cables in the ducts of D1, Table B.52.19 (default multicore)"},
      false,
      kInstallation,
      "Ca&bles in ducts:",
      "",
      kDuctTexts},
     setMaybe<&IecInputs::ducts, kDuctCables>},
    {{{"third_harmonic", "--third-harmonic", kNumber, "", "",
       "Third-harmonic content of the phase current, %, for four- and five-core cables "
       "(Annex E)"},
      false,
      kInstallation,
      "T&hird harmonic:",
      "%",
      {},
      "none"},
     setOptional<&IecInputs::thirdHarmonicPercent>},
    {{{"pf", "--pf", kNumber, "", "", "Power factor (default 0.8; DC 1)"},
      false,
      kInstallation,
      "Power &factor:",
      "",
      {},
      "0.8"},
     setOptional<&IecInputs::powerFactor>},
    {{{"sets", "--sets", kNumber, "", "1", "Parallel sets, each counted as a circuit in the group"},
      false,
      kInstallation,
      "Parallel s&ets:",
      "",
      {},
      "",
      kRow,
      20},
     setWhole<&IecInputs::sets>},
    {{{"device", "--device", kChoice, keysOf<kDevices>(), "mcb",
       "Protective device: mcb (IEC 60898-1), cb (IEC 60947-2), gg (IEC 60269 gG) or none"},
      false,
      kDevice,
      "Protective de&vice:",
      "",
      kDeviceTexts},
     setChoice<&IecInputs::device, kDevices>},
    {{{keys::kDeviceRating, "--device-rating", kNumber, "", "",
       "The device's rating I_n in amperes (default the next rating of its series at or above "
       "I_B)"},
      false,
      kDevice,
      "&Rating:",
      "A",
      {},
      "next standard rating"},
     setOptional<&IecInputs::deviceRating>},
    {{{"gg_deemed", "--gg-deemed", kFlag, "", "",
       "gG fuses: deem I_n ≤ I_z enough, as national rules do (by default I_z ≥ 1.10 I_n)"},
      false,
      kDevice,
      "gG: I_n ≤ I_z deemed enough (national rule)",
      "",
      {},
      "",
      kCheck},
     setFlag<&IecInputs::ggDeemed>},
    {{{"fault_current", "--fault-current", kNumber, "", "",
       "Fault current in amperes, for the short-circuit check and the protective conductor"},
      false,
      kFault,
      "Fa&ult current:",
      "A"},
     setOptional<&IecInputs::faultCurrent>},
    {fields::kClearingTime, setOptional<&IecInputs::clearingTime>},
    {{{"k", "--k", kNumber, "", "", "k to use instead of the one of Table 43A"},
      false,
      kFault,
      "Adiabatic &k:",
      "",
      {},
      "Table 43A"},
     setOptional<&IecInputs::k>},
    {{{keys::kSize, "--size", InputKind::Size, "", "",
       "A size to check instead of choosing one (\"2.5 mm²\", \"25 mm²\")"},
      false,
      kFault,
      "Check a given si&ze:",
      "",
      kSizeTexts},
     setSize},
    {{{"cpc_separate", "--cpc-separate", kFlag, "", "",
       "The protective conductor is a separate conductor, not a core of the cable"},
      false,
      kEarthFault,
      "Separate &protective conductor",
      "",
      {},
      "",
      kCheck},
     setFlag<&IecInputs::cpcSeparate>},
    {{{"cpc_protected", "--cpc-protected", kFlag, "", "",
       "The separate protective conductor is protected against mechanical damage: at least "
       "2.5 mm² copper instead of 4 mm² (543.1.3)"},
      false,
      kEarthFault,
      "Separate conductor &with mechanical protection",
      "",
      {},
      "",
      kCheck},
     setFlag<&IecInputs::cpcProtected>},
    {{{"earthing", "--earthing", kChoice, keysOf<kEarthings>(), "",
       "Earthing system, for automatic disconnection: TN-S, TN-C-S or TT"},
      false,
      kEarthFault,
      "&Earthing system:",
      "",
      kEarthingTexts},
     setMaybe<&IecInputs::earthing, kEarthings>},
    {{{"u0", "--u0", kNumber, "", "",
       "Voltage to earth U0 of a single-phase circuit, V: needed above 250 V with an earthing "
       "system (a 400 V circuit across two lines of 230/400 V has U0 = 230 V)"},
      false,
      kEarthFault,
      "Voltage to earth U&0:",
      "V",
      {},
      "the circuit's voltage"},
     setOptional<&IecInputs::u0>},
    {{{"ze", "--ze", kNumber, "", "",
       "Loop impedance outside the circuit Ze, Ω (in TT, R_A included)"},
      false,
      kEarthFault,
      "E&xternal loop impedance Ze:",
      "Ω"},
     setOptional<&IecInputs::ze>},
    {{{"curve", "--curve", kChoice, keysOf<kCurves>(), "",
       "MCB curve B, C or D: the current that trips it instantly"},
      false,
      kDevice,  // the window shows it with the device it belongs to
      "MCB c&urve:",
      "",
      kCurveTexts},
     setMaybe<&IecInputs::curve, kCurves>},
    {{{"trip_current", "--trip-current", kNumber, "", "",
       "The current I_a that operates the device within the disconnection time, A"},
      false,
      kEarthFault,
      "&Trip current I_a:",
      "A"},
     setOptional<&IecInputs::tripCurrent>},
    {{{"cmin", "--cmin", kFlag, "", "",
       "Take Zs_max = 0.95 U0 / I_a (c_min of IEC 60909-0) instead of U0 / I_a"},
      false,
      kEarthFault,
      "Apply c_min = 0.95 to U0",
      "",
      {},
      "",
      kCheck},
     setFlag<&IecInputs::applyCmin>},
    {{{"distribution", "--distribution", kFlag, "", "",
       "A distribution circuit: 5 s in TN, 1 s in TT"},
      false,
      kEarthFault,
      "D&istribution circuit (5 s TN, 1 s TT)",
      "",
      {},
      "",
      kCheck},
     setFlag<&IecInputs::distribution>},
    {{{"rcd", "--rcd", kNumber, "", "", "The RCD's rated residual current I_Δn, A (TT)"},
      false,
      kEarthFault,
      "RCD I_Δ&n:",
      "A"},
     setOptional<&IecInputs::rcd>},
    {{{"ra", "--ra", kNumber, "", "",
       "Resistance of the installation's earth electrode R_A, Ω (TT)"},
      false,
      kEarthFault,
      "Earth electrode R_&A:",
      "Ω"},
     setOptional<&IecInputs::ra>},
}};

IecInputs checkedInputs(const IecForm& form) {
    IecInputs inputs = form;
    if (form.feet) inputs.length *= kMetresPerFoot;
    return inputs;
}

}  // namespace ferrovolt::iec60364
