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

constexpr std::array<Choice<LoadKind>, 3> kLoads = {{
    {LoadKind::General, "general", "General load"},
    {LoadKind::Motor, "motor", "Motor (Article 430)"},
    {LoadKind::Hvac, "hvac", "Air conditioner (Article 440)"},
}};
// The kind of motor: the full-load table's columns and the device table's row, and for a
// synchronous motor its rated power factor (Table 430.250's footnote).
struct MotorKind {
    motors::MotorType type;
    double powerFactor;
    constexpr bool operator==(const MotorKind&) const = default;
};
constexpr std::array<Choice<MotorKind>, 5> kMotorKinds = {{
    {{motors::MotorType::Induction, 1}, "induction", "Induction, squirrel cage"},
    {{motors::MotorType::Synchronous, 1}, "synchronous", "Synchronous, unity power factor"},
    {{motors::MotorType::Synchronous, 0.9}, "synchronous-0.9", "Synchronous, 0.9 power factor"},
    {{motors::MotorType::Synchronous, 0.8}, "synchronous-0.8", "Synchronous, 0.8 power factor"},
    {{motors::MotorType::WoundRotor, 1}, "wound-rotor", "Wound rotor"},
}};
constexpr std::array<Choice<motors::MotorDesign>, 4> kDesigns = {{
    {motors::MotorDesign::B, "B", "Design B"},
    {motors::MotorDesign::C, "C", "Design C"},
    {motors::MotorDesign::D, "D", "Design D"},
    {motors::MotorDesign::BEnergyEfficient, "B-energy-efficient",
     "Design B energy-efficient or premium"},
}};
constexpr std::array<Choice<motors::DeviceType>, 4> kDeviceTypes = {{
    {motors::DeviceType::InverseTime, "inverse-time", "Inverse-time breaker"},
    {motors::DeviceType::InstantaneousTrip, "instantaneous", "Instantaneous-trip breaker"},
    {motors::DeviceType::TimeDelayFuse, "time-delay-fuse", "Time-delay (dual-element) fuse"},
    {motors::DeviceType::NonTimeDelayFuse, "non-time-delay-fuse", "Non-time-delay fuse"},
}};
constexpr std::array<Choice<motors::Duty>, 5> kDuties = {{
    {motors::Duty::Continuous, "continuous", "Continuous"},
    {motors::Duty::ShortTime, "short-time", "Short-time"},
    {motors::Duty::Intermittent, "intermittent", "Intermittent"},
    {motors::Duty::Periodic, "periodic", "Periodic"},
    {motors::Duty::Varying, "varying", "Varying"},
}};

// A motor's input, set on the circuit's motor.
template <auto member>
Reason motorNumber(CircuitInputs& in, std::string_view text) {
    return setNumber<member>(in.motor, text);
}
template <auto member>
Reason motorFlag(CircuitInputs& in, std::string_view text) {
    return setFlag<member>(in.motor, text);
}
template <auto member, auto& choices>
Reason motorChoice(CircuitInputs& in, std::string_view text) {
    return setChoice<member, choices>(in.motor, text);
}

Reason setMotorKind(CircuitInputs& in, std::string_view text) {
    const std::optional<MotorKind> kind = choiceOf(kMotorKinds, trimmed(text));
    if (!kind) return fields::notOneOf(text, kMotorKinds);
    in.motor.type = kind->type;
    in.motor.synchronousPowerFactor = kind->powerFactor;
    return std::nullopt;
}

Reason setDutyMinutes(CircuitInputs& in, std::string_view text) {
    return setWhole<&motors::MotorInputs::dutyMinutes>(in.motor, text);
}

// One letter of Table 430.7(B); the rules refuse a letter the table does not hold.
Reason setCodeLetter(CircuitInputs& in, std::string_view text) {
    const std::string_view letter = trimmed(text);
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0])))
        return quoted(text) + " is not a code letter (A to V)";
    in.motor.codeLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
    return std::nullopt;
}

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
constexpr auto kLoadTexts = shownOf(kLoads);
constexpr auto kMotorKindTexts = shownOf(kMotorKinds);
constexpr auto kDesignTexts = fields::shownOrNone(kDesigns, "Other, or not known");
constexpr auto kDeviceTypeTexts = shownOf(kDeviceTypes);
constexpr auto kDutyTexts = shownOf(kDuties);

constexpr std::string_view kMotorGroup = "Motor (Article 430)";
constexpr std::string_view kHvacGroup = "Air conditioner (Article 440)";
constexpr std::string_view kMotor = "load=motor";
constexpr std::string_view kMotorOrHvac = "load=motor|hvac";
// What a motor or an air conditioner's compressor draws while it starts, and where from.
constexpr std::string_view kStartGroup = "Starting (voltage dip)";

// The design current is a general load's: a motor's comes from its horsepower, an air
// conditioner's from its nameplate.
constexpr CheckField kGeneralCurrent = [] {
    CheckField field = fields::kCurrent;
    field.when = "load=general";
    return field;
}();

constexpr auto kSizeTexts = fields::sizeTexts(nec2023::kSizes);

}  // namespace

// Each: the field as every front end reads it and the window shows it, then its setter.
const std::array<CircuitField, kCircuitFieldCount> kCircuitFields = {{
    {{.key = keys::kLoad,
      .option = "--load",
      .kind = InputKind::Choice,
      .choices = keysOf<kLoads>(),
      .defaultText = "general",
      .help = "What the circuit feeds: a general load (its design current), a motor (Article "
              "430: --hp) or an air conditioner (Article 440: --mca, --mop)",
      .group = fields::kCircuitGroup,
      .caption = "Load &type:",
      .shown = kLoadTexts,
      .list = "loads"},
     setChoice<&CircuitInputs::load, kLoads>},
    {kGeneralCurrent, setNumber<&CircuitInputs::current>},
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
      .caption = "Terminal ratin&g:",
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
    {{.key = "hp",
      .option = "--hp",
      .kind = InputKind::Number,
      .help = "Motor horsepower, a row of Tables 430.248/430.250 (list motors)",
      .required = true,
      .group = kMotorGroup,
      .caption = "Horsepower:",
      .unit = "hp",
      .initial = "10",
      .when = kMotor},
     motorNumber<&motors::MotorInputs::hp>},
    {{.key = "fla",
      .option = "--fla",
      .kind = InputKind::Number,
      .help = "Motor nameplate full-load current, for the overload (430.6(A)(2))",
      .group = kMotorGroup,
      .caption = "Nameplate current:",
      .unit = "A",
      .when = kMotor},
     motorNumber<&motors::MotorInputs::fla>},
    {{.key = "service_factor",
      .option = "--service-factor",
      .kind = InputKind::Number,
      .help = "Motor nameplate service factor, 1 or more (430.32(A)(1))",
      .group = kMotorGroup,
      .caption = "Service factor:",
      .when = kMotor},
     motorNumber<&motors::MotorInputs::serviceFactor>},
    {{.key = "temperature_rise",
      .option = "--temperature-rise",
      .kind = InputKind::Number,
      .help = "Motor nameplate temperature rise, °C (430.32(A)(1))",
      .group = kMotorGroup,
      .caption = "Temperature rise:",
      .unit = "°C",
      .when = kMotor},
     motorNumber<&motors::MotorInputs::temperatureRise>},
    {{.key = "motor_type",
      .option = "--motor-type",
      .kind = InputKind::Choice,
      .choices = keysOf<kMotorKinds>(),
      .defaultText = "induction",
      .help = "The kind of motor: its Table 430.250 columns (a synchronous motor's at its "
              "power factor, by the table's footnote) and its Table 430.52(C)(1) row",
      .group = kMotorGroup,
      .caption = "Motor type:",
      .shown = kMotorKindTexts,
      .when = kMotor},
     setMotorKind},
    {{.key = "motor_design",
      .option = "--motor-design",
      .kind = InputKind::Choice,
      .choices = keysOf<kDesigns>(),
      .help = "Motor design letter, for Table 430.52(C)(1)'s row and 110.14(C)(1)(a)(4)",
      .group = kMotorGroup,
      .caption = "Design:",
      .shown = kDesignTexts,
      .when = kMotor},
     motorChoice<&motors::MotorInputs::design, kDesigns>},
    {{.key = "device_type",
      .option = "--device-type",
      .kind = InputKind::Choice,
      .choices = keysOf<kDeviceTypes>(),
      .defaultText = "inverse-time",
      .help = "The motor's short-circuit and ground-fault device, Table 430.52(C)(1)'s column",
      .group = kMotorGroup,
      .caption = "Branch device:",
      .shown = kDeviceTypeTexts,
      .list = "device-types",
      .when = kMotor},
     motorChoice<&motors::MotorInputs::device, kDeviceTypes>},
    {{.key = "will_not_start",
      .option = "--will-not-start",
      .kind = InputKind::Flag,
      .help = "The motor will not start on the table's device: the ceilings of 430.52(C)(1) "
              "Exception No. 2 and 430.32(C)",
      .group = kMotorGroup,
      .caption = "The motor will not start on that device",
      .placement = FieldPlacement::Check,
      .when = kMotor},
     motorFlag<&motors::MotorInputs::willNotStart>},
    {{.key = "terminations_75",
      .option = "--terminations-75",
      .kind = InputKind::Flag,
      .help = "75 °C terminations confirmed at both ends for a Design B, C or D motor "
              "(110.14(C)(1)(a)(4)); otherwise 60 °C up to 100 A",
      .group = kMotorGroup,
      .caption = "75 °C terminations confirmed",
      .placement = FieldPlacement::Check,
      .when = kMotor},
     motorFlag<&motors::MotorInputs::terminals75Confirmed>},
    {{.key = "duty",
      .option = "--duty",
      .kind = InputKind::Choice,
      .choices = keysOf<kDuties>(),
      .defaultText = "continuous",
      .help = "Motor duty; other than continuous, the conductor is sized by Table 430.22(E) "
              "from the nameplate current",
      .group = kMotorGroup,
      .caption = "Duty:",
      .shown = kDutyTexts,
      .when = kMotor},
     motorChoice<&motors::MotorInputs::duty, kDuties>},
    {{.key = "duty_minutes",
      .option = "--duty-minutes",
      .kind = InputKind::Number,
      .help = "The motor's time rating for Table 430.22(E): 5, 15, 30 or 60 minutes, 0 "
              "continuous-rated",
      .group = kMotorGroup,
      .caption = "Time rating:",
      .unit = "min",
      .when = kMotor},
     setDutyMinutes},
    {{.key = "code_letter",
      .option = "--code-letter",
      .kind = InputKind::Text,
      .help = "Locked-rotor code letter A to V (Table 430.7(B)), for the starting current",
      .group = kMotorGroup,
      .caption = "Code letter:",
      .when = kMotor},
     setCodeLetter},
    {{.key = "lra",
      .option = "--lra",
      .kind = InputKind::Number,
      .help = "Nameplate locked-rotor current, A: a motor's (before the code letter), an air "
              "conditioner's compressor's",
      .group = kStartGroup,
      .caption = "Locked-rotor current:",
      .unit = "A",
      .when = kMotorOrHvac},
     motorNumber<&motors::MotorInputs::lra>},
    {{.key = "start_multiple",
      .option = "--start-multiple",
      .kind = InputKind::Number,
      .help = "Starting current as a multiple of the full-load current, without the nameplate "
              "LRA or code letter (default 6)",
      .group = kMotorGroup,
      .caption = "Starting multiple:",
      .when = kMotor},
     motorNumber<&motors::MotorInputs::startMultiple>},
    {{.key = "start_pf",
      .option = "--start-pf",
      .kind = InputKind::Number,
      .help = "Power factor while starting (default 0.3)",
      .group = kStartGroup,
      .caption = "Starting power factor:",
      .when = kMotorOrHvac},
     motorNumber<&motors::MotorInputs::startPowerFactor>},
    {{.key = "available_fault",
      .option = "--available-fault",
      .kind = InputKind::Number,
      .help = "Available fault current at the circuit's origin, A, for the starting dip",
      .group = kStartGroup,
      .caption = "Fault current at the origin:",
      .unit = "A",
      .when = kMotorOrHvac},
     setNumber<&CircuitInputs::availableFault>},
    {{.key = "x_r",
      .option = "--x-r",
      .kind = InputKind::Number,
      .help = "X/R at the circuit's origin, with --available-fault",
      .group = kStartGroup,
      .caption = "X/R at the origin:",
      .when = kMotorOrHvac},
     setNumber<&CircuitInputs::xr>},
    {{.key = "dip_limit_motor",
      .option = "--dip-limit-motor",
      .kind = InputKind::Number,
      .defaultText = "15",
      .help = "Largest dip at the motor's terminals while it starts, % (a design criterion, not "
              "code)",
      .group = kStartGroup,
      .caption = "Dip limit at the motor:",
      .unit = "%",
      .when = kMotorOrHvac},
     motorNumber<&motors::MotorInputs::dipLimitMotor>},
    {{.key = "dip_limit_board",
      .option = "--dip-limit-board",
      .kind = InputKind::Number,
      .defaultText = "10",
      .help = "Largest dip at the board the circuit leaves while the motor starts, % (a design "
              "criterion, not code)",
      .group = kStartGroup,
      .caption = "Dip limit at the board:",
      .unit = "%",
      .when = kMotorOrHvac},
     motorNumber<&motors::MotorInputs::dipLimitBoard>},
    {{.key = "mca",
      .option = "--mca",
      .kind = InputKind::Number,
      .help = "Air conditioner nameplate minimum circuit ampacity, A (440.4(B))",
      .required = true,
      .group = kHvacGroup,
      .caption = "Minimum circuit ampacity:",
      .unit = "A",
      .initial = "26",
      .when = "load=hvac"},
     setNumber<&CircuitInputs::mca>},
    {{.key = "mop",
      .option = "--mop",
      .kind = InputKind::Number,
      .help = "Air conditioner nameplate maximum overcurrent protection, A (440.22(A))",
      .required = true,
      .group = kHvacGroup,
      .caption = "Maximum overcurrent protection:",
      .unit = "A",
      .initial = "40",
      .when = "load=hvac"},
     setNumber<&CircuitInputs::mop>},
}};

const CircuitField* circuitField(std::string_view key) {
    for (const CircuitField& field : kCircuitFields)
        if (field.key == key || (!field.alias.empty() && field.alias == key)) return &field;
    return nullptr;
}

namespace {

// A number of the motor answer, absent for a general load.
template <class Read>
CircuitValue motorValue(const CircuitAnswer& a, Read read) {
    if (!a.motor) return {};
    const std::optional<double> value = read(*a.motor);
    if (!value) return {};
    return *value;
}

}  // namespace

const std::array<CircuitRow, kCircuitRowCount> kCircuitRows = {{
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
    {{.key = "design_current",
      .caption = "Current sized from",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) -> std::optional<double> {
             return m.designCurrent;
         });
     }},
    {{.key = "flc",
      .caption = "Table full-load current",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) { return m.flc; });
     }},
    {{.key = "conductor_current",
      .caption = "Conductor current",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) -> std::optional<double> {
             return m.conductorCurrent;
         });
     }},
    {{.key = "overload",
      .caption = "Largest overload",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) { return m.overload; });
     }},
    {{.key = "max_device",
      .caption = "Largest branch device",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(
             a, [](const motors::MotorAnswer& m) -> std::optional<double> { return m.maxDevice; });
     }},
    {{.key = "device_rule", .caption = "Branch device set by", .when = kMotorOrHvac},
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.motor) return {};
         return a.motor->hvac ? std::string_view("mop")
                              : motors::deviceRuleKey(a.motor->deviceRule);
     }},
    {{.key = "start_current",
      .caption = "Starting current",
      .unit = "A",
      .decimals = 3,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) { return m.startCurrent; });
     }},
    {{.key = "start_dip_percent",
      .caption = "Dip at the motor while starting",
      .unit = "%",
      .decimals = 2,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) { return m.startDipPercent; });
     }},
    {{.key = "start_dip_board_percent",
      .caption = "Dip at the board while starting",
      .unit = "%",
      .decimals = 2,
      .when = kMotorOrHvac},
     [](const CircuitAnswer& a) {
         return motorValue(a, [](const motors::MotorAnswer& m) { return m.startDipBoardPercent; });
     }},
}};

const CircuitRow& criterionRow(Criterion criterion) {
    // The rows by_ampacity to by_small_conductor, in the order of the criteria.
    constexpr std::size_t kFirst = 6;
    return kCircuitRows[kFirst + static_cast<std::size_t>(criterion)];
}

}  // namespace ferrovolt
