// SPDX-License-Identifier: GPL-3.0-or-later
// The trail of a circuit check, written from its inputs and the numbers the check found. The
// check itself writes no text; the steps are laid out here, in two reused buffers, only when
// a front end asks for them.

#include <charconv>

#include "nec2023/nec2023_check.h"
#include "nec2023/nec2023_rules.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"

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
    Text& operator<<(double number) {  // an input as given, never rounded away
        text += formatDouble(number);
        return *this;
    }
    Text& operator<<(Rounded number) {
        appendRoundedNumber(text, number.value, number.decimals);
        return *this;
    }
    Text& operator<<(const Citation& cite) {  // "NEC 2023 240.4(B)"
        ((text += cite.document) += ' ') += cite.item;
        return *this;
    }
    std::string text;
};

constexpr std::string_view kInput = "input";

// A clause of the code as the trail cites it, the edition first: "NEC 2023 310.10(G)".
std::string cited(const Citation& cite, std::string_view more = {}) {
    return citationText(cite) += more;
}

class TrailText {
public:
    TrailText(const CircuitAnswer& answer, const TrailStepWriter& step)
        : m_a(answer),
          m_in(answer.trail.inputs),
          m_c(m_in, answer.motor ? &*answer.motor : nullptr),
          m_step(step) {
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
    void device();
    void ampacity();
    void protection();
    void voltageDrop();
    void shortCircuit();
    void answer();
    void groundingConductor();
    void citation(const Citation& cite);  // the edition and a clause, into the source

    Rounded current() const { return {m_c.dropAmps, 3}; }
    Rounded required() const { return {m_c.required, 3}; }

    const CircuitAnswer& m_a;
    const CircuitInputs& m_in;
    const nec2023::Circuit m_c;
    const TrailStepWriter& m_step;
    Text m_value, m_source;
};

void TrailText::inputs() {
    const CircuitInputs& in = m_in;
    if (m_a.motor) {
        // The motor's own rules first: its table current, conductor current, overload, device
        // and start, each with its clause of Article 430 or 440.
        for (const TrailStep& step : motors::motorTrail(*m_a.motor))
            m_step(step.step, step.value, step.source);
    } else {
        m_value << current() << " A, " << (in.continuous ? "continuous" : "non-continuous");
        put("Design current", kInput);
    }
    m_value << Rounded{in.volts, 3} << " V " << (in.threePhase ? "three" : "single") << " phase, "
            << nec2023::materialName(in.material) << ", drop limit " << in.maxDropPercent << " %";
    put("Circuit", kInput);
    m_value << Rounded{in.length, 3};
    if (in.feet)
        m_value << " ft one way";
    else
        m_value << " m = " << Rounded{m_c.feet, 3} << " ft one way";
    put("Length", kInput);
    m_value << in.insulation << " °C "
            << (in.insulationFamily == InsulationFamily::Thermoset ? "thermoset" : "thermoplastic")
            << " insulation, " << in.conductors << " current-carrying conductors in "
            << nec2023::racewayName(in.raceway) << " raceway, " << Rounded{in.ambient, 2}
            << " °C ambient, pf " << Rounded{in.powerFactor, 3} << ", " << in.sets
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

    if (m_a.motor) {
        m_value << Rounded{m_c.circuitAmps, 3} << " A";
        if (in.sets > 1) m_value << " / " << in.sets << " sets = " << required() << " A per set";
        m_value << (m_a.motor->hvac ? ", the minimum circuit ampacity"
                                    : ", the motor's conductor current")
                << ", before and after the factors";
        m_source << nec2023::kEdition << " "
                 << (m_a.motor->hvac ? "440.4(B), 440.32" : "430.22, 430.6(A)(1)");
        putWithSource("Required ampacity");
    } else if (!in.continuous && in.sets == 1) {
        m_value << required() << " A";
    } else {
        if (in.continuous) m_value << "1.25 × ";
        m_value << current() << " A";
        if (in.sets > 1) m_value << " / " << in.sets << " sets";
        m_value << " = " << required() << " A";
        if (in.sets > 1) m_value << " per set";
    }
    if (m_a.motor) {
    } else if (in.continuous) {
        m_source << nec2023::kRuleLoad125
                 << ": 125 % of a continuous load, before any correction or adjustment";
        putWithSource("Required ampacity");
    } else {
        put("Required ampacity", kInput);
    }

    if (in.ambientMethod == AmbientMethod::Equation) {
        m_value << "√((" << in.insulation << " − " << Rounded{in.ambient, 2} << ") / ("
                << in.insulation << " − 30)) = " << Rounded{m_a.ambientFactor, 4};
        m_source << nec2023::kRuleAmbient << ", equation";
    } else {
        m_value << Rounded{m_a.ambientFactor, 2} << " at " << Rounded{in.ambient, 2} << " °C, "
                << in.insulation << " °C column";
        m_source << nec2023::kTable310_15B1.cite;
    }
    putWithSource("Ambient correction");
    m_value << Rounded{m_a.adjustmentFactor, 2} << " for " << in.conductors
            << " current-carrying conductors";
    m_source << nec2023::kTable310_15C1.cite;
    putWithSource("Adjustment");
    device();
}

void TrailText::device() {
    const CircuitAnswer& a = m_a;
    m_value << Rounded{a.device, 3} << " A";
    if (a.deviceGiven) {
        m_value << " as given, " << (a.deviceStandard ? "a" : "not a") << " standard rating";
        if (!a.deviceStandard) m_value << " (allowed; the next standard rating is not assumed)";
        m_source << "input, " << nec2023::kTable240_6A.cite;
    } else if (m_a.motor) {
        m_value << (m_a.motor->hvac ? ", the nameplate's maximum overcurrent protection"
                                    : ", the largest the motor's branch device may be");
        m_source << nec2023::kEdition << " " << (m_a.motor->hvac ? "440.22(A)" : "430.52(C)(1)");
    } else {
        m_value << ", the next standard rating at or above " << Rounded{m_c.circuitAmps, 3} << " A";
        m_source << nec2023::kTable240_6A.cite << ", " << nec2023::kRuleBranchDevice.item << ", "
                 << nec2023::kRuleFeederDevice.item;
    }
    putWithSource("Overcurrent device");
    switch (m_in.terminals) {
        case TerminalRating::C60:
        case TerminalRating::C75:
            m_value << (m_in.terminals == TerminalRating::C60 ? "60 °C" : "75 °C");
            m_source << "input, " << nec2023::kRuleTerminals;
            break;
        case TerminalRating::Auto:
            if (m_a.motor && m_a.motor->terminals75) {
                m_value << "75 °C: a Design B, C or D motor, 75 °C terminations confirmed";
                m_source << nec2023::kRuleTerminals << "(a)(4)";
                break;
            }
            m_value << (a.terminalRating == 60 ? "60 °C: a circuit of 100 A or less"
                                               : "75 °C: a circuit over 100 A");
            if (m_a.motor)
                m_value << ", rated by its " << Rounded{m_c.circuitAmps, 3}
                        << " A conductor current";
            else
                m_value << ", rated by its " << Rounded{a.device, 3} << " A device";
            m_source << nec2023::kRuleTerminals << (a.terminalRating == 60 ? "(a)" : "(b)");
            break;
    }
    putWithSource("Terminal rating");
}

// Protection of the conductor by its device.
void TrailText::protection() {
    const CircuitAnswer& a = m_a;
    const int p = a.byProtection;
    const double ampacity = m_c.allowable(p, a.ambientFactor, a.adjustmentFactor);
    m_value << nec2023::label(p) << ": ";
    if (m_in.sets > 1)
        m_value << m_in.sets << " × " << Rounded{ampacity, 3}
                << " A = " << Rounded{ampacity * m_in.sets, 3} << " A";
    else
        m_value << Rounded{ampacity, 3} << " A";
    const double total = ampacity * m_in.sets;
    if (m_c.nextSizeUpAllowed()) {
        const int next = nec2023::standardRatingAtOrAbove(total);
        if (total + 1e-9 < a.device) m_value << ", next standard rating " << next << " A";
        m_value << " ≥ " << Rounded{a.device, 3} << " A device";
        m_source << nec2023::kRuleNextSizeUp
                 << ": up to 800 A, the next standard rating above the ampacity may protect it";
    } else {
        m_value << " ≥ " << Rounded{a.device, 3} << " A device";
        m_source << nec2023::kRuleAboveLimit
                 << ": above 800 A, the ampacity must reach the device's rating";
    }
    putWithSource("By protection");
}

void TrailText::ampacity() {
    const CircuitAnswer& a = m_a;
    const int col = nec2023::column(m_in.insulation);
    const auto degreesOf = [](int column) { return column == 0 ? 60 : column == 1 ? 75 : 90; };

    // (a): 125 % of a continuous load (or the load), before any factor.
    const int aCol = m_c.load125Column();
    m_value << nec2023::label(a.byLoad125) << ": " << degreesOf(aCol) << " °C column "
            << nec2023::tableAmpacity(m_in.material, a.byLoad125, aCol) << " A ≥ " << required()
            << " A";
    m_source << nec2023::kRuleLoad125 << ", " << nec2023::kTable310_16.cite.item
             << ", the lower of the insulation's and the terminals' column";
    putWithSource("By the load before factors (a)");

    // (b): the load after correction and adjustment.
    const double needs = m_c.afterFactorsNeeds();
    m_value << nec2023::label(a.byAfterFactors) << ": "
            << nec2023::tableAmpacity(m_in.material, a.byAfterFactors, col) << " A × "
            << Rounded{a.ambientFactor, 4} << " × " << Rounded{a.adjustmentFactor, 2} << " = "
            << Rounded{m_c.corrected(a.byAfterFactors, a.ambientFactor, a.adjustmentFactor), 3}
            << " A ≥ " << Rounded{needs, 3} << " A";
    if (m_in.conservative125) {
        m_source << "combined 125 % and factors, by choice (stricter than "
                 << nec2023::kRuleAfterFactors << "); " << nec2023::kTable310_16.cite.item << ", "
                 << m_in.insulation << " °C column";
    } else {
        m_source << nec2023::kRuleAfterFactors << ", " << nec2023::kTable310_16.cite.item << ", "
                 << m_in.insulation << " °C column";
    }
    putWithSource("By the load after factors (b)");

    if (m_a.motor) {
        m_value << "not asked: the device of a motor or air-conditioner circuit may exceed the "
                   "conductor's ampacity";
        m_source << nec2023::kEdition << " 240.4(G)";
        putWithSource("By protection");
    } else {
        protection();
    }

    m_value << nec2023::label(a.byAmpacity) << ", set by ";
    switch (a.ampacityRule) {
        case AmpacityRule::Load125:
            m_value << "the load before factors (a)";
            m_source << nec2023::kRuleLoad125;
            break;
        case AmpacityRule::AfterFactors:
            m_value << "the load after factors (b)";
            m_source << nec2023::kRuleAfterFactors;
            break;
        case AmpacityRule::Combined125:
            m_value << "125 % after factors, the combined rule chosen";
            m_source << "stricter than " << nec2023::kRuleAfterFactors;
            break;
        case AmpacityRule::Protection:
            m_value << "the protection of the conductor";
            m_source << (m_c.nextSizeUpAllowed() ? nec2023::kRuleNextSizeUp
                                                 : nec2023::kRuleAboveLimit);
            break;
        case AmpacityRule::Parallel:
            m_value << "the smallest size allowed in parallel (the load alone needs "
                    << nec2023::label(std::max({a.byLoad125, a.byAfterFactors, a.byProtection}))
                    << " per set)";
            m_source << nec2023::kRuleParallelMinimum
                     << ": conductors in parallel are 1/0 AWG or larger";
            break;
    }
    putWithSource("By ampacity");
}

void TrailText::voltageDrop() {
    const CircuitInputs& in = m_in;
    // With no size within the limit, the largest of the table shows how far it is.
    const bool none = m_a.byVoltageDrop < 0;
    const int size = none ? nec2023::kChapter9Table9.back().size : m_a.byVoltageDrop;
    const nec2023::Drop d = m_c.drop(*nec2023::table9Row(size));
    if (none) m_value << "no size within the limit; ";
    m_value << nec2023::label(size) << ": Ze = " << Rounded{d.r, 4} << " × "
            << Rounded{in.powerFactor, 3} << " + " << Rounded{d.x, 4} << " × "
            << Rounded{m_c.sin, 4} << " = " << Rounded{d.ze, 5} << " Ω/1000 ft; "
            << (in.threePhase ? "√3" : "2") << " × " << current() << " A × Ze × "
            << Rounded{m_c.feet, 3} << " ft / 1000";
    if (in.sets > 1) m_value << " / " << in.sets;
    m_value << " = " << Rounded{d.volts, 3} << " V = " << Rounded{d.volts * 100 / in.volts, 3}
            << (none ? " % > " : " % ≤ ") << in.maxDropPercent << " %";
    m_source << nec2023::kChapter9Table9.cite << ", " << nec2023::materialName(in.material)
             << " in " << nec2023::racewayName(in.raceway) << " raceway: R " << Rounded{d.r, 4}
             << ", X " << Rounded{d.x, 4} << " Ω/1000 ft; the limit is a recommendation of the "
             << nec2023::kDropNotes << ", not a requirement";
    putWithSource("By voltage drop");
}

void TrailText::shortCircuit() {
    const CircuitInputs& in = m_in;
    const double k = *m_a.k;
    const double fault = m_c.faultPerSet();
    const int s = *m_a.byShortCircuit;
    m_value << nec2023::label(s) << ": ";
    if (in.k) {
        m_value << Rounded{fault, 3} << " A × √" << Rounded{*in.clearingTime, 4}
                << " s / k = " << Rounded{fault * std::sqrt(*in.clearingTime) / k, 3} << " mm² = ";
    } else {
        const nec2023::IceaConstants& icea = nec2023::icea(in.material);
        m_value << Rounded{fault, 3} << " A × √" << Rounded{*in.clearingTime, 4} << " s / √("
                << icea.c << " × log10((" << nec2023::finalTemperature(in.insulationFamily) << " + "
                << icea.beta << ") / (" << in.insulation << " + " << icea.beta << "))) = ";
    }
    m_value << Rounded{*m_a.shortCircuitCmil, 0} << " cmil ≤ "
            << Rounded{nec2023::kSizes[static_cast<std::size_t>(s)].cmil, 0} << " cmil; ";
    if (in.faultDivided && in.sets > 1)
        m_value << "the fault divided among the " << in.sets
                << " sets (a fault at the load end, or cable limiters)";
    else if (in.sets > 1)
        m_value << "each set taken to carry the whole fault (a fault at the supply end)";
    else
        m_value << "one set carries the whole fault";
    if (in.k) {
        m_source << "adiabatic S = I √t / k; k " << Rounded{k, 4} << " as given";
    } else {
        m_source << "ICEA P-32-382, (I/A)² t = c log10((T2 + β)/(T1 + β)), "
                 << nec2023::materialName(in.material) << ", "
                 << nec2023::finalTemperature(in.insulationFamily) << " °C limit of "
                 << (in.insulationFamily == InsulationFamily::Thermoset ? "thermoset"
                                                                        : "thermoplastic")
                 << " insulation (k " << Rounded{k, 4} << " per mm²)";
    }
    putWithSource("By short circuit");
}

void TrailText::answer() {
    const CircuitAnswer& a = m_a;
    const int s = a.bySmallConductor;
    const int limit = nec2023::smallConductorLimit(m_in.material, s);
    m_value << nec2023::label(s) << ": ";
    if (m_a.motor)
        m_value << "not asked: 240.4(G) sends a motor or air-conditioner circuit to its own "
                   "article";
    else if (limit != 0)
        m_value << "its device may be up to " << limit << " A ≥ " << Rounded{a.device, 3} << " A";
    else
        m_value << nec2023::kSection240_4D.cite.item
                << " limits only 14–10 AWG, none of which may take a " << Rounded{a.device, 3}
                << " A device";
    put("By small-conductor rule",
        cited(nec2023::kSection240_4D.cite, ": limits the device on 14–10 AWG"));

    const int largest = std::max(
        {a.byAmpacity, a.byVoltageDrop, a.bySmallConductor, a.byShortCircuit.value_or(-1)});
    if (!a.sizeGiven && a.size != largest) {
        m_value << nec2023::label(largest) << " has no row, so " << a.sizeLabel
                << " is taken (ampacity alone gives " << nec2023::label(a.byAmpacity) << ")";
        put("Next size in Table 9", cited(nec2023::kChapter9Table9.cite));
    }
    if (a.sets > 1) {
        m_value << a.sets << " sets of " << a.sizeLabel
                << ", 1/0 AWG or larger, alike in length, material, area, insulation and "
                   "terminations";
        put("Parallel sets", cited(nec2023::kRuleParallel));
    }

    m_value << a.sizeLabel;
    if (!a.sizeGiven) {
        m_value << ", governed by " << criterionName(a.governedBy);
        if (a.governedBy == Criterion::Ampacity && a.ampacityRule == AmpacityRule::Parallel)
            m_value << ": the smallest size " << nec2023::kRuleParallelMinimum
                    << " allows in parallel";
        if (a.governedBy == Criterion::VoltageDrop)
            m_value << " (a recommendation, not a requirement)";
    } else if (a.fails.empty()) {
        m_value << " meets every criterion";
    } else {
        m_value << " is too small by ";
        for (std::size_t i = 0; i < a.fails.size(); ++i)
            m_value << (i == 0 ? "" : ", ") << criterionName(a.fails[i]);
        if (a.byVoltageDrop < 0)
            m_value << "; no size of Chapter 9 Table 9 meets the drop";
        else
            m_value << "; " << nec2023::label(largest) << " is needed";
        if (a.ampacityRule == AmpacityRule::Parallel && a.size < a.byAmpacity)
            m_value << " (" << nec2023::kRuleParallelMinimum << ": 1/0 AWG or larger in parallel)";
    }
    put("Answer", "largest of the minimum sizes");
    m_value << Rounded{a.ampacity, 3} << " A with " << a.terminalRating << " °C terminals";
    put("Allowable ampacity", cited(nec2023::kTable310_16.cite,
                                    ", " + std::string(nec2023::kTable310_15B1.cite.item) + ", " +
                                        std::string(nec2023::kTable310_15C1.cite.item) + ", " +
                                        std::string(nec2023::kRuleTerminals.item)));
    m_value << Rounded{a.dropVolts, 3} << " V = " << Rounded{a.dropPercent, 3} << " %, ";
    if (a.loadVolts)
        m_value << Rounded{*a.loadVolts, 3} << " V at the load";
    else
        m_value << "the drop reaches the supply: the voltage at the load is Out of range.";
    put("Voltage drop", cited(nec2023::kChapter9Table9.cite));
    if (a.maxOvercurrentDevice) {
        m_value << *a.maxOvercurrentDevice << " A";
        put("Largest overcurrent device",
            cited(nec2023::kSection240_4D.cite, ": the limit on this size's device"));
    }
    groundingConductor();
}

void TrailText::citation(const Citation& cite) {
    m_source << cite;
}

void TrailText::groundingConductor() {
    const CircuitAnswer& a = m_a;
    citation(nec2023::kTable250_122.cite);
    if (a.egcByTable < 0) {
        m_value << "no value for a " << Rounded{a.device, 3} << " A device";
        if (m_in.material == Material::Aluminium && a.device <= nec2023::kTable250_122.back().upTo)
            m_value << " (aluminium above 3000 A: the reproductions disagree)";
        putWithSource("Equipment grounding conductor");
        return;
    }
    m_value << nec2023::label(a.egcByTable) << " " << nec2023::materialName(m_in.material)
            << " for a " << Rounded{a.device, 3} << " A device";
    putWithSource("Grounding conductor by the device");
    if (a.egcRaised) {
        const double base = nec2023::kSizes[static_cast<std::size_t>(a.egcBase)].cmil;
        const double table = nec2023::kSizes[static_cast<std::size_t>(a.egcByTable)].cmil;
        m_value << a.sizeLabel << " for " << nec2023::label(a.egcBase) << ": ratio "
                << Rounded{base * a.egcRatio, 0} << " / " << Rounded{base, 0}
                << " cmil = " << Rounded{a.egcRatio, 4} << "; " << Rounded{table, 0} << " cmil × "
                << Rounded{a.egcRatio, 4} << " = " << Rounded{table * a.egcRatio, 0} << " cmil";
        if (a.egc && nec2023::kSizes[static_cast<std::size_t>(*a.egc)].cmil < table * a.egcRatio)
            m_value << ", " << nec2023::label(*a.egc)
                    << " within the rounding of the areas of Chapter 9 Table 8";
        citation(nec2023::kRuleEgcIncrease);
        m_source << ": raised in proportion to the conductors' area";
        putWithSource("Grounding conductor raised");
    }
    m_value << nec2023::label(*a.egc);
    if (a.sets > 1)
        m_value << " in each set's raceway, not divided among the " << a.sets << " sets";
    if (a.egcCapped) m_value << ", no larger than the circuit conductors";
    citation(nec2023::kRuleEgcCap);
    if (a.sets > 1) (m_source << ", ") << nec2023::kRuleEgcParallel.item;
    putWithSource("Equipment grounding conductor");
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
