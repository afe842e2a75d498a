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

// An air conditioner is refused by name: its rules are NEC Article 440's.
Reason setLoad(IecForm& form, std::string_view text) {
    if (sameWord(trimmed(text), "hvac"))
        return std::string(
            "an air conditioner is sized by NEC Article 440, which IEC 60364 has no "
            "counterpart of: give general or motor");
    return setChoice<&IecInputs::load, kLoads>(form, text);
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
constexpr auto kLoadTexts = shownOf(kLoads);

constexpr auto kSizeTexts = fields::sizeTexts(kSizes);

// The window's groups of IEC 60364 alone, beside the ones every code has.
constexpr std::string_view kDeviceGroup = "Protective device";
constexpr std::string_view kEarthFaultGroup = "Earth fault (optional)";
constexpr std::string_view kMotorGroup = "Motor";
constexpr std::string_view kStartGroup = "Starting dip limits (design criteria, not code)";
constexpr std::string_view kMotorOnly = "load=motor";

// The design current is a general load's: a motor's is worked out from its rated power or
// nameplate.
constexpr CheckField kGeneralCurrent = [] {
    CheckField current = fields::kCurrent;
    current.when = "load=general";
    return current;
}();

}  // namespace

// Each: the field as every front end reads it and the window shows it, then its setter.
const std::array<IecField, 50> kIecFields = {{
    {kGeneralCurrent, setNumber<&IecInputs::current>},
    {fields::kLength, setNumber<&IecInputs::length>},
    {fields::kFeet, setFlag<&IecForm::feet>},
    {{.key = keys::kMaterial,
      .option = "--material",
      .kind = InputKind::Choice,
      .choices = keysOf<kMetals>(),
      .defaultText = "copper",
      .help = "Conductor material",
      .group = fields::kCircuitGroup,
      .caption = "&Material:",
      .shown = kMetalTexts},
     setMetal<&IecInputs::material, kMetals>},
    {{.key = keys::kPhase,
      .option = "--phase",
      .kind = InputKind::Choice,
      .choices = keysOf<kPhases>(),
      .defaultText = "single",
      .help = "Single phase, three phase or DC",
      .group = fields::kCircuitGroup,
      .caption = "&Phase:",
      .shown = kPhaseTexts},
     setChoice<&IecInputs::phase, kPhases>},
    {{.key = keys::kVolts,
      .option = "--volts",
      .kind = InputKind::Number,
      .help = "Nominal voltage (line to line for three phase)",
      .required = true,
      .group = fields::kCircuitGroup,
      .caption = "Nominal &voltage:",
      .unit = "V",
      .initial = "230"},
     setNumber<&IecInputs::volts>},
    {{.key = "max_drop",
      .option = "--max-drop",
      .kind = InputKind::Number,
      .help = "Voltage-drop limit in percent (default Table G.52.1 by use and supply)",
      .group = fields::kCircuitGroup,
      .caption = "Maximum &drop:",
      .unit = "%",
      .placeholder = "Table G.52.1"},
     setOptional<&IecInputs::maxDropPercent>},
    {{.key = "use",
      .option = "--use",
      .kind = InputKind::Choice,
      .choices = keysOf<kUses>(),
      .help = "The circuit's use, for Table G.52.1 (default other)",
      .group = fields::kCircuitGroup,
      .caption = "&Use:",
      .shown = kUseTexts},
     setMaybe<&IecInputs::use, kUses>},
    {{.key = "supply",
      .option = "--supply",
      .kind = InputKind::Choice,
      .choices = keysOf<kSupplies>(),
      .help = "The installation's supply, for Table G.52.1 (default public)",
      .group = fields::kCircuitGroup,
      .caption = "&Supply:",
      .shown = kSupplyTexts},
     setMaybe<&IecInputs::supply, kSupplies>},
    {{.key = "insulation",
      .option = "--insulation",
      .kind = InputKind::Choice,
      .choices = keysOf<kInsulations>(),
      .defaultText = "pvc",
      .help = "Insulation: PVC (70 °C) or XLPE/EPR (90 °C)",
      .group = fields::kInstallationGroup,
      .caption = "&Insulation:",
      .shown = kInsulationTexts},
     setChoice<&IecInputs::insulation, kInsulations>},
    {{.key = keys::kMethod,
      .option = "--method",
      .kind = InputKind::Choice,
      .choices = keysOf<kMethods>(),
      .defaultText = "C",
      .help = "Reference method of Table B.52.1",
      .group = fields::kInstallationGroup,
      .caption = "Reference me&thod:",
      .shown = kMethodTexts,
      .list = "methods"},
     setChoice<&IecInputs::method, kMethods>},
    {{.key = "layout",
      .option = "--layout",
      .kind = InputKind::Choice,
      .choices = keysOf<kLayouts>(),
      .help = "Layout of single-core cables: trefoil or flat (F), horizontal or vertical (G)",
      .group = fields::kInstallationGroup,
      .caption = "La&yout:",
      .shown = kLayoutTexts},
     setMaybe<&IecInputs::layout, kLayouts>},
    {{.key = "loaded",
      .option = "--loaded",
      .kind = InputKind::Choice,
      .choices = "2|3",
      .help = "Loaded conductors (default 2 for single phase and DC, 3 for three phase)",
      .group = fields::kInstallationGroup,
      .caption = "Loaded co&nductors:",
      .shown = kLoadedTexts},
     setLoaded},
    {{.key = "ambient",
      .option = "--ambient",
      .kind = InputKind::Number,
      .help =
          "Ambient temperature, °C: of the air, or of the ground for D1 and D2 (default 30 / 20)",
      .group = fields::kInstallationGroup,
      .caption = "&Ambient temperature:",
      .unit = "°C",
      .placeholder = "30 in air, 20 in the ground"},
     setOptional<&IecInputs::ambient>},
    {{.key = "soil_resistivity",
      .option = "--soil-resistivity",
      .kind = InputKind::Number,
      .help = "Soil thermal resistivity, K·m/W, for D1 and D2 (default 2.5)",
      .group = fields::kInstallationGroup,
      .caption = "Soil resistivity:",
      .unit = "K·m/W",
      .placeholder = "2.5"},
     setOptional<&IecInputs::soilResistivity>},
    {{.key = "grouping",
      .option = "--grouping",
      .kind = InputKind::Number,
      .defaultText = "1",
      .help = "Circuits in the group, this one counted once",
      .group = fields::kInstallationGroup,
      .caption = "&Grouped circuits:",
      .maximum = 20},
     setWhole<&IecInputs::grouping>},
    {{.key = "arrangement",
      .option = "--arrangement",
      .kind = InputKind::Choice,
      .choices = keysOf<kArrangements>(),
      .help = "Arrangement of the group, Table B.52.17 (default bunched)",
      .group = fields::kInstallationGroup,
      .caption = "Arrange&ment:",
      .shown = kArrangementTexts,
      .list = "arrangements"},
     setMaybe<&IecInputs::arrangement, kArrangements>},
    {{.key = "spacing",
      .option = "--spacing",
      .kind = InputKind::Choice,
      .choices = keysOf<kSpacings>(),
      .help =
          "Spacing of grouped cables in the ground, Tables B.52.18 and B.52.19 (default touching)",
      .group = fields::kInstallationGroup,
      .caption = "Spacing in the g&round:",
      .shown = kSpacingTexts},
     setMaybe<&IecInputs::spacing, kSpacings>},
    {{.key = "ducts",
      .option = "--ducts",
      .kind = InputKind::Choice,
      .choices = keysOf<kDuctCables>(),
      .help = "Cables in the ducts of D1, Table B.52.19 (default multicore)",
      .group = fields::kInstallationGroup,
      .caption = "Ca&bles in ducts:",
      .shown = kDuctTexts},
     setMaybe<&IecInputs::ducts, kDuctCables>},
    {{.key = "third_harmonic",
      .option = "--third-harmonic",
      .kind = InputKind::Number,
      .help = "Third-harmonic content of the phase current, %, for four- and five-core cables "
              "(Annex E)",
      .group = fields::kInstallationGroup,
      .caption = "T&hird harmonic:",
      .unit = "%",
      .placeholder = "none"},
     setOptional<&IecInputs::thirdHarmonicPercent>},
    {{.key = "pf",
      .option = "--pf",
      .kind = InputKind::Number,
      .help = "Power factor (default 0.8; DC 1)",
      .group = fields::kInstallationGroup,
      .caption = "Power &factor:",
      .placeholder = "0.8"},
     setOptional<&IecInputs::powerFactor>},
    {{.key = "sets",
      .option = "--sets",
      .kind = InputKind::Number,
      .defaultText = "1",
      .help = "Parallel sets, each counted as a circuit in the group",
      .group = fields::kInstallationGroup,
      .caption = "Parallel s&ets:",
      .maximum = 20},
     setWhole<&IecInputs::sets>},
    {{.key = "device",
      .option = "--device",
      .kind = InputKind::Choice,
      .choices = keysOf<kDevices>(),
      .defaultText = "mcb",
      .help = "Protective device: mcb (IEC 60898-1), cb (IEC 60947-2), gg (IEC 60269 gG) or none",
      .group = kDeviceGroup,
      .caption = "Protective de&vice:",
      .shown = kDeviceTexts,
      .list = "devices"},
     setChoice<&IecInputs::device, kDevices>},
    {{.key = keys::kDeviceRating,
      .option = "--device-rating",
      .kind = InputKind::Number,
      .help =
          "The device's rating I_n in amperes (default the next rating of its series at or above "
          "I_B)",
      .group = kDeviceGroup,
      .caption = "&Rating:",
      .unit = "A",
      .placeholder = "next standard rating"},
     setOptional<&IecInputs::deviceRating>},
    {{.key = "gg_deemed",
      .option = "--gg-deemed",
      .kind = InputKind::Flag,
      .help = "gG fuses: deem I_n ≤ I_z enough, as national rules do (by default I_z ≥ 1.10 I_n)",
      .group = kDeviceGroup,
      .caption = "gG: I_n ≤ I_z deemed enough (national rule)",
      .placement = FieldPlacement::Check},
     setFlag<&IecInputs::ggDeemed>},
    {{.key = "fault_current",
      .option = "--fault-current",
      .kind = InputKind::Number,
      .help = "Fault current in amperes, for the short-circuit check and the protective conductor",
      .group = fields::kFaultGroup,
      .caption = "Fa&ult current:",
      .unit = "A"},
     setOptional<&IecInputs::faultCurrent>},
    {fields::kClearingTime, setOptional<&IecInputs::clearingTime>},
    {{.key = "k",
      .option = "--k",
      .kind = InputKind::Number,
      .help = "k to use instead of the one of Table 43A",
      .group = fields::kFaultGroup,
      .caption = "Adiabatic &k:",
      .placeholder = "Table 43A"},
     setOptional<&IecInputs::k>},
    {{.key = keys::kSize,
      .option = "--size",
      .kind = InputKind::Size,
      .help = "A size to check instead of choosing one (\"2.5 mm²\", \"25 mm²\")",
      .group = fields::kFaultGroup,
      .caption = "Check a given si&ze:",
      .shown = kSizeTexts},
     setSize},
    {{.key = "cpc_separate",
      .option = "--cpc-separate",
      .kind = InputKind::Flag,
      .help = "The protective conductor is a separate conductor, not a core of the cable",
      .group = kEarthFaultGroup,
      .caption = "Separate &protective conductor",
      .placement = FieldPlacement::Check},
     setFlag<&IecInputs::cpcSeparate>},
    {{.key = "cpc_protected",
      .option = "--cpc-protected",
      .kind = InputKind::Flag,
      .help = "The separate protective conductor is protected against mechanical damage: at least "
              "2.5 mm² copper instead of 4 mm² (543.1.3)",
      .group = kEarthFaultGroup,
      .caption = "Separate conductor &with mechanical protection",
      .placement = FieldPlacement::Check},
     setFlag<&IecInputs::cpcProtected>},
    {{.key = "earthing",
      .option = "--earthing",
      .kind = InputKind::Choice,
      .choices = keysOf<kEarthings>(),
      .help = "Earthing system, for automatic disconnection: TN-S, TN-C-S or TT",
      .group = kEarthFaultGroup,
      .caption = "&Earthing system:",
      .shown = kEarthingTexts},
     setMaybe<&IecInputs::earthing, kEarthings>},
    {{.key = "u0",
      .option = "--u0",
      .kind = InputKind::Number,
      .help =
          "Voltage to earth U0 of a single-phase circuit, V: needed above 250 V with an earthing "
          "system (a 400 V circuit across two lines of 230/400 V has U0 = 230 V)",
      .group = kEarthFaultGroup,
      .caption = "Voltage to earth U&0:",
      .unit = "V",
      .placeholder = "the circuit's voltage"},
     setOptional<&IecInputs::u0>},
    {{.key = "ze",
      .option = "--ze",
      .kind = InputKind::Number,
      .help = "Loop impedance outside the circuit Ze, Ω (in TT, R_A included)",
      .group = kEarthFaultGroup,
      .caption = "E&xternal loop impedance Ze:",
      .unit = "Ω"},
     setOptional<&IecInputs::ze>},
    {{.key = "curve",
      .option = "--curve",
      .kind = InputKind::Choice,
      .choices = keysOf<kCurves>(),
      .help = "MCB curve B, C or D: the current that trips it instantly",
      .group = kDeviceGroup,  // the window shows it with the device it belongs to
      .caption = "MCB c&urve:",
      .shown = kCurveTexts},
     setMaybe<&IecInputs::curve, kCurves>},
    {{.key = "trip_current",
      .option = "--trip-current",
      .kind = InputKind::Number,
      .help = "The current I_a that operates the device within the disconnection time, A",
      .group = kEarthFaultGroup,
      .caption = "&Trip current I_a:",
      .unit = "A"},
     setOptional<&IecInputs::tripCurrent>},
    {{.key = "cmin",
      .option = "--cmin",
      .kind = InputKind::Flag,
      .help = "Take Zs_max = 0.95 U0 / I_a (c_min of IEC 60909-0) instead of U0 / I_a",
      .group = kEarthFaultGroup,
      .caption = "Apply c_min = 0.95 to U0",
      .placement = FieldPlacement::Check},
     setFlag<&IecInputs::applyCmin>},
    {{.key = "distribution",
      .option = "--distribution",
      .kind = InputKind::Flag,
      .help = "A distribution circuit: 5 s in TN, 1 s in TT",
      .group = kEarthFaultGroup,
      .caption = "D&istribution circuit (5 s TN, 1 s TT)",
      .placement = FieldPlacement::Check},
     setFlag<&IecInputs::distribution>},
    {{.key = "rcd",
      .option = "--rcd",
      .kind = InputKind::Number,
      .help = "The RCD's rated residual current I_Δn, A (TT)",
      .group = kEarthFaultGroup,
      .caption = "RCD I_Δ&n:",
      .unit = "A"},
     setOptional<&IecInputs::rcd>},
    {{.key = "ra",
      .option = "--ra",
      .kind = InputKind::Number,
      .help = "Resistance of the installation's earth electrode R_A, Ω (TT)",
      .group = kEarthFaultGroup,
      .caption = "Earth electrode R_&A:",
      .unit = "Ω"},
     setOptional<&IecInputs::ra>},
    {{.key = keys::kLoad,
      .option = "--load",
      .kind = InputKind::Choice,
      .choices = keysOf<kLoads>(),
      .defaultText = "general",
      .help = "The load: general, or a motor (its design current from kw, efficiency and "
              "motor_pf, or fla)",
      .group = fields::kCircuitGroup,
      .caption = "L&oad:",
      .shown = kLoadTexts},
     setLoad},
    {{.key = "kw",
      .option = "--kw",
      .kind = InputKind::Number,
      .help = "The motor's rated (shaft) power, kW",
      .group = kMotorGroup,
      .caption = "Rated po&wer:",
      .unit = "kW",
      .when = kMotorOnly},
     setOptional<&IecInputs::kw>},
    {{.key = "efficiency",
      .option = "--efficiency",
      .kind = InputKind::Number,
      .help = "The motor's efficiency η at rated power, more than 0 and at most 1",
      .group = kMotorGroup,
      .caption = "Efficiency η:",
      .when = kMotorOnly},
     setOptional<&IecInputs::efficiency>},
    {{.key = "motor_pf",
      .option = "--motor-pf",
      .kind = InputKind::Number,
      .help = "The motor's power factor cos φ at rated power, more than 0 and at most 1; the "
              "running drop's too (default 0.8 there)",
      .group = kMotorGroup,
      .caption = "Power factor cos φ:",
      .when = kMotorOnly},
     setOptional<&IecInputs::motorPowerFactor>},
    {{.key = "fla",
      .option = "--fla",
      .kind = InputKind::Number,
      .help = "The motor's nameplate current, A, in place of kw, efficiency and motor_pf",
      .group = kMotorGroup,
      .caption = "Nameplate current:",
      .unit = "A",
      .when = kMotorOnly},
     setOptional<&IecInputs::fla>},
    {{.key = "lra",
      .option = "--lra",
      .kind = InputKind::Number,
      .help = "The motor's locked-rotor current, A (nameplate)",
      .group = kMotorGroup,
      .caption = "Locked-rotor current:",
      .unit = "A",
      .when = kMotorOnly},
     setOptional<&IecInputs::lra>},
    {{.key = "start_multiple",
      .option = "--start-multiple",
      .kind = InputKind::Number,
      .help = "Starting current as a multiple I_st / I_n of the design current, without the "
              "locked-rotor current (default 6)",
      .group = kMotorGroup,
      .caption = "Starting multiple I_st / I_n:",
      .placeholder = "6",
      .when = kMotorOnly},
     setOptional<&IecInputs::startMultiple>},
    {{.key = "start_pf",
      .option = "--start-pf",
      .kind = InputKind::Number,
      .help = "The motor's power factor while starting (default 0.3)",
      .group = kMotorGroup,
      .caption = "Starting power factor:",
      .placeholder = "0.3",
      .when = kMotorOnly},
     setOptional<&IecInputs::startPowerFactor>},
    {{.key = "dip_limit_motor",
      .option = "--dip-limit-motor",
      .kind = InputKind::Number,
      .defaultText = "15",
      .help = "Largest dip at the motor's terminals while it starts, % (a design criterion, not "
              "code)",
      .group = kStartGroup,
      .caption = "At the motor:",
      .unit = "%",
      .when = kMotorOnly},
     setNumber<&IecInputs::dipLimitMotor>},
    {{.key = "dip_limit_board",
      .option = "--dip-limit-board",
      .kind = InputKind::Number,
      .defaultText = "10",
      .help = "Largest dip at the board the circuit leaves while the motor starts, % (a design "
              "criterion, not code)",
      .group = kStartGroup,
      .caption = "At the board:",
      .unit = "%",
      .when = kMotorOnly},
     setNumber<&IecInputs::dipLimitBoard>},
}};

IecInputs checkedInputs(const IecForm& form) {
    IecInputs inputs = form;
    if (form.feet) inputs.length *= kMetresPerFoot;
    return inputs;
}

}  // namespace ferrovolt::iec60364
