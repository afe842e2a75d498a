// SPDX-License-Identifier: GPL-3.0-or-later
// The trail of a circuit check, written from its inputs and the numbers the check found. The
// check itself writes no text; the steps are laid out here, in two reused buffers, only when
// a front end asks for them.

#include <charconv>

#include "circuit/circuit_check.h"
#include "circuit/circuit_number.h"
#include "circuit/nec2023_rules.h"

namespace ferrovolt {

namespace {

// A number to be written rounded to `decimals` places.
struct Rounded {
    double value;
    int decimals;
};

// A text under construction: `<<` appends words, whole numbers and rounded numbers.
struct Text {
    Text& operator<<(std::string_view words) {
        text += words;
        return *this;
    }
    Text& operator<<(int number) {
        char digits[16];
        const char* const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        text.append(digits, static_cast<std::size_t>(end - digits));
        return *this;
    }
    Text& operator<<(Rounded number) {
        appendRoundedNumber(text, number.value, number.decimals);
        return *this;
    }
    std::string text;
};

constexpr std::string_view kInput = "input";

class TrailText {
public:
    TrailText(const CircuitAnswer& answer, const TrailStepWriter& step)
        : m_a(answer), m_in(answer.trail.inputs), m_c(m_in), m_step(step) {
        m_value.text.reserve(256);
        m_source.text.reserve(128);
    }

    void write();

private:
    // Hands the step with the value written so far, and the source given or written so far.
    void put(std::string_view step, std::string_view source) {
        m_step(step, m_value.text, source);
        m_value.text.clear();
    }
    void putWithSource(std::string_view step) {
        put(step, m_source.text);
        m_source.text.clear();
    }
    void inputs();
    void ampacity();
    void voltageDrop();
    void shortCircuit();
    void answer();

    Rounded current() const { return {m_in.current, 3}; }
    Rounded required() const { return {m_c.required, 3}; }

    const CircuitAnswer& m_a;
    const CircuitInputs& m_in;
    const nec2023::Circuit m_c;
    const TrailStepWriter& m_step;
    Text m_value, m_source;
};

void TrailText::inputs() {
    const CircuitInputs& in = m_in;
    m_value << current() << " A, " << (in.continuous ? "continuous" : "non-continuous");
    put("Design current", kInput);
    m_value << Rounded{in.volts, 3} << " V " << (in.threePhase ? "three" : "single") << " phase, "
            << nec2023::materialName(in.material) << ", drop limit "
            << Rounded{in.maxDropPercent, 3} << " %";
    put("Circuit", kInput);
    m_value << Rounded{in.length, 3};
    if (in.feet)
        m_value << " ft one way";
    else
        m_value << " m = " << Rounded{m_c.feet, 3} << " ft one way";
    put("Length", kInput);
    m_value << in.insulation << " °C insulation, " << in.conductors
            << " current-carrying conductors in " << nec2023::racewayName(in.raceway)
            << " raceway, " << Rounded{in.ambient, 2} << " °C ambient, pf "
            << Rounded{in.powerFactor, 3} << ", " << in.sets
            << (in.sets == 1 ? " set" : " sets in parallel");
    put("Installation", kInput);
    if (in.faultCurrent) {
        m_value << Rounded{*in.faultCurrent, 3} << " A for " << Rounded{*in.clearingTime, 4}
                << " s";
        put("Fault", kInput);
    }
    if (in.size) {
        m_value << nec2023::label(*in.size);
        put("Size to check", kInput);
    }

    if (!in.continuous && in.sets == 1) {
        m_value << required() << " A";
    } else {
        if (in.continuous) m_value << "1.25 × ";
        m_value << current() << " A";
        if (in.sets > 1) m_value << " / " << in.sets << " sets";
        m_value << " = " << required() << " A";
        if (in.sets > 1) m_value << " per set";
    }
    put("Required ampacity",
        in.continuous ? "NEC 2023 210.19(A)(1), 215.2(A)(1): 125 % of a continuous load" : kInput);

    if (in.ambientMethod == AmbientMethod::Equation) {
        m_value << "√((" << in.insulation << " − " << Rounded{in.ambient, 2} << ") / ("
                << in.insulation << " − 30)) = " << Rounded{m_a.ambientFactor, 4};
        put("Ambient correction", "NEC 2023 310.15(B), equation");
    } else {
        m_value << Rounded{m_a.ambientFactor, 2} << " at " << Rounded{in.ambient, 2} << " °C, "
                << in.insulation << " °C column";
        put("Ambient correction", "NEC 2023 Table 310.15(B)(1)");
    }
    m_value << Rounded{m_a.adjustmentFactor, 2} << " for " << in.conductors
            << " current-carrying conductors";
    put("Adjustment", "NEC 2023 Table 310.15(C)(1)");
    switch (in.terminals) {
        case TerminalRating::C60:
        case TerminalRating::C75:
            m_value << (in.terminals == TerminalRating::C60 ? "60 °C" : "75 °C");
            put("Terminal rating", "input, NEC 2023 110.14(C)(1)");
            break;
        case TerminalRating::Auto:
            m_value << (m_c.circuitAmps <= 100
                            ? "60 °C: circuit of 100 A or less"
                            : "60 °C for 14 to 1 AWG, 75 °C above: circuit over 100 A");
            put("Terminal rating", "NEC 2023 110.14(C)(1)(a), (b)");
            break;
    }
}

void TrailText::ampacity() {
    const int s = m_a.byAmpacity;
    const int col = nec2023::column(m_in.insulation);
    const int capCol = m_c.terminalColumn(s);
    const int base = nec2023::tableAmpacity(m_in.material, s, col);
    const int cap = nec2023::tableAmpacity(m_in.material, s, capCol);
    const std::string_view capDegrees = capCol == 0 ? "60" : "75";
    m_source << "NEC 2023 Table 310.16, " << m_in.insulation << " °C column: " << base << " A";
    if (capCol != col) m_source << "; " << capDegrees << " °C column: " << cap << " A";
    m_value << nec2023::label(s) << ": " << base << " A × " << Rounded{m_a.ambientFactor, 4}
            << " × " << Rounded{m_a.adjustmentFactor, 2} << ", at most " << cap << " A ("
            << capDegrees << " °C terminals) = "
            << Rounded{m_c.allowable(s, m_a.ambientFactor, m_a.adjustmentFactor), 3} << " A ≥ "
            << required() << " A";
    putWithSource("By ampacity");
}

void TrailText::voltageDrop() {
    const CircuitInputs& in = m_in;
    const nec2023::Drop d = m_c.drop(*nec2023::table9Row(m_a.byVoltageDrop));
    m_value << nec2023::label(m_a.byVoltageDrop) << ": Ze = " << Rounded{d.r, 4} << " × "
            << Rounded{in.powerFactor, 3} << " + " << Rounded{d.x, 4} << " × "
            << Rounded{m_c.sin, 4} << " = " << Rounded{d.ze, 5} << " Ω/1000 ft; "
            << (in.threePhase ? "√3" : "2") << " × " << current() << " A × Ze × "
            << Rounded{m_c.feet, 3} << " ft / 1000";
    if (in.sets > 1) m_value << " / " << in.sets;
    m_value << " = " << Rounded{d.volts, 3} << " V = " << Rounded{d.volts * 100 / in.volts, 3}
            << " % ≤ " << Rounded{in.maxDropPercent, 3} << " %";
    m_source << "NEC 2023 Chapter 9 Table 9, " << nec2023::materialName(in.material) << " in "
             << nec2023::racewayName(in.raceway) << " raceway: R " << Rounded{d.r, 4} << ", X "
             << Rounded{d.x, 4} << " Ω/1000 ft";
    putWithSource("By voltage drop");
}

void TrailText::shortCircuit() {
    const CircuitInputs& in = m_in;
    const double k = *m_a.k;
    const double mm2 = *in.faultCurrent * std::sqrt(*in.clearingTime) / k;
    const int s = *m_a.byShortCircuit;
    m_value << nec2023::label(s) << ": " << Rounded{*in.faultCurrent, 3} << " A × √"
            << Rounded{*in.clearingTime, 4} << " s / k = " << Rounded{mm2, 3}
            << " mm² = " << Rounded{*m_a.shortCircuitCmil, 0} << " cmil ≤ "
            << Rounded{nec2023::kSizes[static_cast<std::size_t>(s)].cmil, 0}
            << " cmil; each set taken to carry the whole fault";
    m_source << "adiabatic S = I √t / k (IEC 60364-5-54, ICEA P-32-382); ";
    if (in.k) {
        m_source << "k " << Rounded{k, 4} << " as given";
    } else {
        m_source << (in.material == Material::Copper ? "k = 226 √ln((234.5 + 150) / (234.5 + "
                                                     : "k = 148 √ln((228 + 150) / (228 + ")
                 << in.insulation << ")) = " << Rounded{k, 4}
                 << ", 150 °C thermoplastic limit of ICEA P-32-382";
    }
    putWithSource("By short circuit");
}

void TrailText::answer() {
    const CircuitAnswer& a = m_a;
    const int s = a.bySmallConductor;
    const int limit = nec2023::smallConductorLimit(m_in.material, s);
    m_value << nec2023::label(s) << ": ";
    if (limit != 0)
        m_value << "allows a device up to " << limit << " A ≥ " << required() << " A";
    else
        m_value << "the smaller sizes allow devices below " << required() << " A";
    put("By small-conductor rule", "NEC 2023 240.4(D)");

    const int largest = std::max(
        {a.byAmpacity, a.byVoltageDrop, a.bySmallConductor, a.byShortCircuit.value_or(-1)});
    if (!a.sizeGiven && a.size != largest) {
        m_value << nec2023::label(largest) << " has no row, so " << a.sizeLabel << " is taken";
        put("Next size in Table 9", "NEC 2023 Chapter 9 Table 9");
    }
    if (a.sets > 1) {
        m_value << a.sets << " sets of " << a.sizeLabel
                << ", 1/0 AWG or larger, alike in length, material, area, insulation and "
                   "terminations";
        put("Parallel sets", "NEC 2023 310.10(G)");
    }

    m_value << a.sizeLabel;
    if (!a.sizeGiven) {
        m_value << ", governed by " << criterionName(a.governedBy);
    } else if (a.fails.empty()) {
        m_value << " meets every criterion";
    } else {
        m_value << " is too small by ";
        for (std::size_t i = 0; i < a.fails.size(); ++i)
            m_value << (i == 0 ? "" : ", ") << criterionName(a.fails[i]);
        m_value << "; " << nec2023::label(largest) << " is needed";
    }
    put("Answer", "largest of the minimum sizes");
    m_value << Rounded{a.ampacity, 3} << " A with " << a.terminalRating << " °C terminals";
    put("Allowable ampacity", "NEC 2023 Table 310.16, 310.15(B)(1), 310.15(C)(1), 110.14(C)(1)");
    m_value << Rounded{a.dropVolts, 3} << " V = " << Rounded{a.dropPercent, 3} << " %, "
            << Rounded{a.loadVolts, 3} << " V at the load";
    put("Voltage drop", "NEC 2023 Chapter 9 Table 9");
    if (a.maxOvercurrentDevice) {
        m_value << *a.maxOvercurrentDevice << " A";
        put("Largest overcurrent device", "NEC 2023 240.4(D)");
    }
}

void TrailText::write() {
    inputs();
    ampacity();
    if (m_a.trail.ampacityOnly) return;
    voltageDrop();
    if (m_in.faultCurrent) shortCircuit();
    answer();
}

}  // namespace

void writeCircuitTrail(const CircuitAnswer& answer, const TrailStepWriter& step) {
    TrailText(answer, step).write();
}

std::vector<TrailStep> circuitTrail(const CircuitAnswer& answer) {
    std::vector<TrailStep> steps;
    steps.reserve(20);
    writeCircuitTrail(
        answer, [&steps](std::string_view step, std::string_view value, std::string_view source) {
            steps.push_back({std::string(step), std::string(value), std::string(source)});
        });
    return steps;
}

}  // namespace ferrovolt
