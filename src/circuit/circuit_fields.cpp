// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_fields.h"

#include <cctype>
#include <cmath>

#include "circuit/circuit_number.h"
#include "numtext/number_text.h"
#include "numtext/words.h"

namespace ferrovolt {

namespace {

using Reason = std::optional<std::string>;

// Numbers of fewer units of their last place than this are written as formatRoundedDouble
// writes them, by the quick path (see circuit_number.h).
constexpr double kExactBelow = 1e9;

// The input in double quotes, as a refusal names it.
std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

std::optional<double> number(std::string_view text) {
    return readDouble(trimmed(text));
}

template <double CircuitInputs::*member>
Reason setNumber(CircuitInputs& in, std::string_view text) {
    const std::optional<double> value = number(text);
    if (!value) return quoted(text) + " is not a number";
    in.*member = *value;
    return std::nullopt;
}

template <std::optional<double> CircuitInputs::*member>
Reason setOptional(CircuitInputs& in, std::string_view text) {
    const std::optional<double> value = number(text);
    if (!value) return quoted(text) + " is not a number";
    in.*member = *value;
    return std::nullopt;
}

template <int CircuitInputs::*member>
Reason setWhole(CircuitInputs& in, std::string_view text) {
    const std::optional<double> value = number(text);
    if (!value || *value != std::floor(*value) || std::abs(*value) > 1e9)
        return quoted(text) + " is not a whole number";
    in.*member = static_cast<int>(*value);
    return std::nullopt;
}

template <bool CircuitInputs::*member>
Reason setFlag(CircuitInputs& in, std::string_view text) {
    text = trimmed(text);
    for (std::string_view yes : {"true", "yes", "1"})
        if (sameWord(text, yes)) return in.*member = true, std::nullopt;
    for (std::string_view no : {"false", "no", "0", ""})
        if (sameWord(text, no)) return in.*member = false, std::nullopt;
    return quoted(text) + " is not true or false";
}

// The index of text among the "|" separated choices, case aside.
std::optional<int> choiceOf(std::string_view choices, std::string_view text) {
    text = trimmed(text);
    int index = 0;
    while (true) {
        const auto bar = choices.find('|');
        if (sameWord(choices.substr(0, bar), text)) return index;
        if (bar == std::string_view::npos) return std::nullopt;
        choices.remove_prefix(bar + 1);
        ++index;
    }
}

std::string notOneOf(std::string_view text, std::string_view choices) {
    std::string accepted(choices);
    for (char& c : accepted)
        if (c == '|') c = ',';
    return quoted(text) + " is not one of " + accepted;
}

Reason setMaterial(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("copper|aluminium|aluminum", text);
    if (!i) return notOneOf(text, "copper|aluminium");
    in.material = *i == 0 ? Material::Copper : Material::Aluminium;
    return std::nullopt;
}

Reason setPhase(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("single|three", text);
    if (!i) return notOneOf(text, "single|three");
    in.threePhase = *i == 1;
    return std::nullopt;
}

Reason setInsulation(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("60|75|90", text);
    if (!i) return notOneOf(text, "60|75|90");
    in.insulation = 60 + 15 * *i;
    return std::nullopt;
}

Reason setInsulationFamily(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("thermoplastic|thermoset", text);
    if (!i) return notOneOf(text, "thermoplastic|thermoset");
    in.insulationFamily = *i == 0 ? InsulationFamily::Thermoplastic : InsulationFamily::Thermoset;
    return std::nullopt;
}

Reason setTerminals(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("60|75|auto", text);
    if (!i) return notOneOf(text, "60|75|auto");
    constexpr TerminalRating kRatings[] = {TerminalRating::C60, TerminalRating::C75,
                                           TerminalRating::Auto};
    in.terminals = kRatings[*i];
    return std::nullopt;
}

Reason setAmbientMethod(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("table|equation", text);
    if (!i) return notOneOf(text, "table|equation");
    in.ambientMethod = *i == 0 ? AmbientMethod::Table : AmbientMethod::Equation;
    return std::nullopt;
}

Reason setRaceway(CircuitInputs& in, std::string_view text) {
    const std::optional<int> i = choiceOf("pvc|aluminium|aluminum|steel", text);
    if (!i) return notOneOf(text, "pvc|aluminium|steel");
    in.raceway = *i == 0 ? Raceway::Pvc : *i == 3 ? Raceway::Steel : Raceway::Aluminium;
    return std::nullopt;
}

Reason setSize(CircuitInputs& in, std::string_view text) {
    if (trimmed(text).empty()) return in.size.reset(), std::nullopt;
    const std::optional<int> size = circuitSizeOf(in.code, text);
    if (!size)
        return quoted(text) +
               " is not a size of the code's tables (such as \"3 AWG\", \"2/0 AWG\", "
               "\"350 kcmil\")";
    in.size = *size;
    return std::nullopt;
}

CircuitValue sizeOf(std::optional<int> size) {
    if (!size) return {};
    return circuitSizeLabel(CircuitCode::Nec2023, *size);
}

}  // namespace

const std::array<CircuitField, 24> kCircuitFields = {{
    {{"current", "--current", InputKind::Number, "", "", "Design current in amperes", std::nullopt,
      ""},
     true,
     setNumber<&CircuitInputs::current>},
    {{"continuous", "--continuous", InputKind::Flag, "", "",
      "The load is continuous (3 hours or more): 125 % of it is required", std::nullopt, ""},
     false,
     setFlag<&CircuitInputs::continuous>},
    {{"length", "--length", InputKind::Number, "", "", "One-way circuit length", std::nullopt, ""},
     true,
     setNumber<&CircuitInputs::length>},
    {{"feet", "--feet", InputKind::Flag, "", "", "The length is in feet (default metres)",
      std::nullopt, ""},
     false,
     setFlag<&CircuitInputs::feet>},
    {{"material", "--material", InputKind::Choice, "copper|aluminium", "copper",
      "Conductor material", std::nullopt, ""},
     false,
     setMaterial},
    {{"phase", "--phase", InputKind::Choice, "single|three", "single", "Single or three phase",
      std::nullopt, ""},
     false,
     setPhase},
    {{"volts", "--volts", InputKind::Number, "", "", "Nominal voltage", std::nullopt, ""},
     true,
     setNumber<&CircuitInputs::volts>},
    {{"max_drop", "--max-drop", InputKind::Number, "", "3", "Voltage-drop limit in percent",
      std::nullopt, ""},
     false,
     setNumber<&CircuitInputs::maxDropPercent>},
    {{"insulation", "--insulation", InputKind::Choice, "60|75|90", "75",
      "Insulation temperature rating, °C", std::nullopt, ""},
     false,
     setInsulation},
    {{"insulation_family", "--insulation-family", InputKind::Choice, "thermoplastic|thermoset",
      "thermoplastic",
      "Insulation family for the short-circuit limit: thermoplastic (TW, THW, THHN/THWN-2) "
      "150 °C, thermoset (XHHW-2, RHW-2, USE-2) 250 °C",
      std::nullopt, ""},
     false,
     setInsulationFamily},
    {{"terminals", "--terminals", InputKind::Choice, "60|75|auto", "auto",
      "Terminal temperature rating, °C; auto follows 110.14(C)(1)", std::nullopt, ""},
     false,
     setTerminals},
    {{"ambient", "--ambient", InputKind::Number, "", "30", "Ambient temperature, °C", std::nullopt,
      ""},
     false,
     setNumber<&CircuitInputs::ambient>},
    {{"ambient_method", "--ambient-method", InputKind::Choice, "table|equation", "table",
      "Ambient correction by the 30 °C table or by the equation of 310.15(B)", std::nullopt, ""},
     false,
     setAmbientMethod},
    {{"conductors", "--conductors", InputKind::Number, "", "3",
      "Current-carrying conductors in the raceway", std::nullopt, ""},
     false,
     setWhole<&CircuitInputs::conductors>},
    {{"raceway", "--raceway", InputKind::Choice, "pvc|aluminium|steel", "pvc", "Raceway material",
      std::nullopt, ""},
     false,
     setRaceway},
    {{"pf", "--pf", InputKind::Number, "", "0.85", "Power factor", std::nullopt, ""},
     false,
     setNumber<&CircuitInputs::powerFactor>},
    {{"sets", "--sets", InputKind::Number, "", "1", "Parallel sets (1/0 AWG and larger)",
      std::nullopt, ""},
     false,
     setWhole<&CircuitInputs::sets>},
    {{"device", "--device", InputKind::Number, "", "",
      "Overcurrent device rating in amperes (default the next standard rating of 240.6(A) at "
      "or above the required current; a non-standard rating is allowed)",
      std::nullopt, ""},
     false,
     setOptional<&CircuitInputs::device>},
    {{"conservative_125", "--conservative-125", InputKind::Flag, "", "",
      "Also require 125 % of a continuous load after correction and adjustment (stricter than "
      "the code, for authorities that ask for it)",
      std::nullopt, ""},
     false,
     setFlag<&CircuitInputs::conservative125>},
    {{"fault_current", "--fault-current", InputKind::Number, "", "",
      "Fault current in amperes, for the short-circuit check", std::nullopt, ""},
     false,
     setOptional<&CircuitInputs::faultCurrent>},
    {{"clearing_time", "--clearing-time", InputKind::Number, "", "",
      "Fault clearing time in seconds", std::nullopt, ""},
     false,
     setOptional<&CircuitInputs::clearingTime>},
    {{"k", "--k", InputKind::Number, "", "",
      "Adiabatic k to use instead of the one computed from the insulation", std::nullopt, ""},
     false,
     setOptional<&CircuitInputs::k>},
    {{"fault_divided", "--fault-divided", InputKind::Flag, "", "",
      "Parallel sets share the fault (a fault at the load end, or cable limiters); by default "
      "each set carries the whole fault",
      std::nullopt, ""},
     false,
     setFlag<&CircuitInputs::faultDivided>},
    {{"size", "--size", InputKind::Size, "", "",
      "A size to check instead of choosing one (\"3 AWG\", \"2/0 AWG\", \"350 kcmil\")",
      std::nullopt, ""},
     false,
     setSize},
}};

const CircuitField* circuitField(std::string_view key) {
    for (const CircuitField& field : kCircuitFields)
        if (field.key == key) return &field;
    return nullptr;
}

const std::array<CircuitRow, 18> kCircuitRows = {{
    {{"size", "Size", "", ""},
     0,
     [](const CircuitAnswer& a) -> CircuitValue { return a.sizeLabel; }},
    {{"sets", "Parallel sets", "", ""},
     0,
     [](const CircuitAnswer& a) -> CircuitValue { return static_cast<double>(a.sets); }},
    {{"egc", "Equipment grounding conductor", "", ""},
     0,
     [](const CircuitAnswer& a) { return sizeOf(a.egc); },
     "No value."},
    {{"governed_by", "Governed by", "", ""},
     0,
     [](const CircuitAnswer& a) -> CircuitValue { return criterionKey(a.governedBy); }},
    {{"required_ampacity", "Required ampacity", "A", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue { return a.requiredAmpacity; }},
    {{"ampacity", "Allowable ampacity", "A", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue { return a.ampacity; }},
    {{"by_ampacity", "Minimum by ampacity", "", ""},
     0,
     [](const CircuitAnswer& a) { return sizeOf(a.byAmpacity); }},
    {{"by_voltage_drop", "Minimum by voltage drop", "", ""},
     0,
     [](const CircuitAnswer& a) { return sizeOf(a.byVoltageDrop); }},
    {{"by_short_circuit", "Minimum by short circuit", "", ""},
     0,
     [](const CircuitAnswer& a) { return sizeOf(a.byShortCircuit); }},
    {{"by_small_conductor", "Minimum by small-conductor rule", "", ""},
     0,
     [](const CircuitAnswer& a) { return sizeOf(a.bySmallConductor); }},
    {{"drop_volts", "Voltage drop", "V", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropVolts; }},
    {{"drop_percent", "Drop in percent", "%", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue { return a.dropPercent; }},
    {{"load_volts", "Voltage at the load", "V", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.loadVolts) return {};
         return *a.loadVolts;
     },
     "Out of range."},
    {{"max_overcurrent_device", "Largest overcurrent device", "A", ""},
     0,
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.maxOvercurrentDevice) return {};
         return static_cast<double>(*a.maxOvercurrentDevice);
     }},
    {{"device", "Overcurrent device", "A", ""},
     3,
     [](const CircuitAnswer& a) -> CircuitValue { return a.device; }},
    {{"ampacity_set_by", "Ampacity minimum set by", "", ""},
     0,
     [](const CircuitAnswer& a) -> CircuitValue { return ampacityRuleKey(a.ampacityRule); }},
    {{"k", "Adiabatic k", "", ""},
     4,
     [](const CircuitAnswer& a) -> CircuitValue {
         if (!a.k) return {};
         return *a.k;
     }},
    {{"code", "Code", "", ""}, 0, [](const CircuitAnswer& a) -> CircuitValue { return a.code; }},
}};

const CircuitRow& criterionRow(Criterion criterion) {
    // The rows by_ampacity to by_small_conductor, in the order of the criteria.
    constexpr std::size_t kFirst = 6;
    return kCircuitRows[kFirst + static_cast<std::size_t>(criterion)];
}

std::string circuitRowText(const CircuitRow& row, const CircuitAnswer& answer) {
    const CircuitValue value = row.value(answer);
    if (const auto* number = std::get_if<double>(&value)) {
        std::string text = circuitNumberText(*number, row.decimals);
        if (!row.unit.empty()) (text += ' ') += row.unit;
        return text;
    }
    if (const auto* text = std::get_if<std::string_view>(&value)) return std::string(*text);
    return std::string(row.absent);
}

std::string circuitNumberText(double value, int decimals) {
    std::string text;
    appendRoundedNumber(text, value, decimals, kExactBelow);
    return text;
}

}  // namespace ferrovolt
