// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_check.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "circuit/nec2023_tables.h"
#include "numtext/number_text.h"

namespace ferrovolt {

namespace {

using nec2023::kEdition;
using nec2023::kSizes;

constexpr double kMetresPerFoot = 0.3048;
constexpr double kMm2PerCmil = 5.0670747909749771e-4;  // π/4 × (0.0254 mm)²
// ICEA P-32-382's short-circuit limit for thermoplastic insulation, as the Cooper Bussmann
// wire protection paper quotes it. The 90 °C thermoset insulations allow 250 °C; taking
// 150 °C for every column never understates the size (`k` overrides it).
constexpr double kThermoplasticFinalC = 150;
constexpr int kNoSize = -1;

// A number of the trail, rounded to `decimals` places and written without trailing zeros.
// The trail writes some thirty numbers per answer, so the common case (a moderate number
// that is not within a hair of a rounding tie) is written here directly; the rest go through
// the general number text, which rounds ties on the exact binary value.
std::string num(double value, int decimals) {
    constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double scaled = value * kScale[std::clamp(decimals, 0, 6)];
    const double fraction = std::abs(scaled - std::trunc(scaled));
    if (decimals < 0 || decimals > 6 || !(std::abs(scaled) < 1e15) ||
        std::abs(fraction - 0.5) < 1e-6)
        return formatRoundedDouble(value, decimals);
    const long long whole = std::llround(scaled);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, whole < 0 ? -whole : whole).ptr;
    std::string text(digits, end);
    const auto places = static_cast<std::size_t>(decimals);
    if (text.size() <= places) text.insert(0, places + 1 - text.size(), '0');
    if (places > 0) {
        text.insert(text.size() - places, 1, '.');
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (whole < 0) text.insert(0, 1, '-');
    return text;
}

CircuitRefusal refuse(std::string_view field, std::string reason) {
    return {field, std::move(reason)};
}

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

int column(int insulation) {
    return insulation == 60 ? 0 : insulation == 75 ? 1 : 2;
}

int tableAmpacity(Material material, int size, int col) {
    const nec2023::AmpacityRow& row = nec2023::kTable310_16[static_cast<std::size_t>(size)];
    return (material == Material::Copper ? row.copper
                                         : row.aluminium)[static_cast<std::size_t>(col)];
}

const nec2023::Table9Row* table9Row(int size) {
    for (const nec2023::Table9Row& row : nec2023::kChapter9Table9)
        if (row.size == size) return &row;
    return nullptr;
}

std::string_view label(int size) {
    return kSizes[static_cast<std::size_t>(size)].label;
}

std::string_view materialName(Material material) {
    return material == Material::Copper ? "copper" : "aluminium";
}

std::string_view racewayName(Raceway raceway) {
    return raceway == Raceway::Pvc ? "PVC" : raceway == Raceway::Aluminium ? "aluminium" : "steel";
}

std::string degrees(double value) {
    return num(value, 2) + " °C";
}

std::optional<CircuitRefusal> invalid(const CircuitInputs& in) {
    if (!positive(in.current)) return refuse("current", "must be more than 0 A");
    if (!positive(in.length)) return refuse("length", "must be more than 0");
    if (!positive(in.volts)) return refuse("volts", "must be more than 0 V");
    if (!positive(in.maxDropPercent) || in.maxDropPercent >= 100)
        return refuse("max_drop", "must be more than 0 and less than 100 %");
    if (in.insulation != 60 && in.insulation != 75 && in.insulation != 90)
        return refuse("insulation", "must be 60, 75 or 90 °C");
    if (!std::isfinite(in.ambient)) return refuse("ambient", "must be a temperature in °C");
    if (in.conductors < 1) return refuse("conductors", "must be 1 or more");
    if (!positive(in.powerFactor) || in.powerFactor > 1)
        return refuse("pf", "must be more than 0 and at most 1");
    if (in.sets < 1) return refuse("sets", "must be 1 or more");
    if (in.faultCurrent && !positive(*in.faultCurrent))
        return refuse("fault_current", "must be more than 0 A");
    if (in.faultCurrent && !in.clearingTime)
        return refuse("clearing_time", "is needed with a fault current");
    if (in.clearingTime && !in.faultCurrent)
        return refuse("fault_current", "is needed with a clearing time");
    if (in.clearingTime && (!positive(*in.clearingTime) || *in.clearingTime > 5))
        return refuse("clearing_time",
                      "must be more than 0 and at most 5 s, the span the adiabatic method holds");
    if (in.k && !in.faultCurrent)
        return refuse("k", "is used only with a fault current and a clearing time");
    if (in.k && !positive(*in.k)) return refuse("k", "must be more than 0");
    if (in.size && (*in.size < 0 || *in.size >= static_cast<int>(kSizes.size())))
        return refuse("size", "is not a size of NEC 2023 Table 310.16");
    return std::nullopt;
}

// The ambient correction, or the refusal of an ambient the table does not reach.
std::variant<double, CircuitRefusal> ambientFactor(const CircuitInputs& in, std::string& how) {
    const int col = column(in.insulation);
    if (in.ambientMethod == AmbientMethod::Equation) {
        if (in.ambient >= in.insulation)
            return refuse("ambient", "must be below the insulation rating (" +
                                         std::to_string(in.insulation) +
                                         " °C) for the equation of 310.15(B)");
        const double factor = std::sqrt((in.insulation - in.ambient) / (in.insulation - 30.0));
        how = "√((" + std::to_string(in.insulation) + " − " + num(in.ambient, 2) + ") / (" +
              std::to_string(in.insulation) + " − 30)) = " + num(factor, 4);
        return factor;
    }
    for (const nec2023::AmbientRow& row : nec2023::kTable310_15B1) {
        if (in.ambient > row.upTo) continue;
        const double factor = row.factor[static_cast<std::size_t>(col)];
        if (factor == 0) break;
        how = num(factor, 2) + " at " + degrees(in.ambient) + ", " + std::to_string(in.insulation) +
              " °C column";
        return factor;
    }
    double last = 0;
    for (const nec2023::AmbientRow& row : nec2023::kTable310_15B1)
        if (row.factor[static_cast<std::size_t>(col)] != 0) last = row.upTo;
    return refuse("ambient", degrees(in.ambient) + " is beyond NEC 2023 Table 310.15(B)(1): its " +
                                 std::to_string(in.insulation) + " °C column ends at " +
                                 num(last, 0) + " °C");
}

double adjustmentFactor(int conductors) {
    for (const nec2023::AdjustmentRow& row : nec2023::kTable310_15C1)
        if (conductors <= row.upTo) return row.factor;
    return nec2023::kTable310_15C1.back().factor;
}

int smallConductorLimit(Material material, int size) {
    for (const nec2023::SmallConductorRow& row : nec2023::kSection240_4D)
        if (row.size == size) return material == Material::Copper ? row.copper : row.aluminium;
    return 0;
}

struct Drop {
    double ze = 0, volts = 0, r = 0, x = 0;
};

class NecCheck {
public:
    NecCheck(const CircuitInputs& in, bool ampacityOnly) : m_in(in), m_ampacityOnly(ampacityOnly) {}

    CircuitResult run();

private:
    int firstSize() const { return m_in.material == Material::Copper ? 0 : 1; }
    int terminalColumn(int size) const;
    double allowable(int size) const;
    Drop drop(const nec2023::Table9Row& row) const;
    void add(std::string step, std::string value, std::string source) {
        m_answer.trail.push_back({std::move(step), std::move(value), std::move(source)});
    }
    void addInputs();

    const CircuitInputs& m_in;
    const bool m_ampacityOnly;
    CircuitAnswer m_answer;
    double m_required = 0;  // ampacity per set
    double m_circuitAmps = 0;
    double m_feet = 0;
    double m_sin = 0;
    std::string m_currentText, m_requiredText;
};

int NecCheck::terminalColumn(int size) const {
    switch (m_in.terminals) {
        case TerminalRating::C60:
            return 0;
        case TerminalRating::C75:
            return 1;
        case TerminalRating::Auto:
            break;
    }
    return m_circuitAmps <= 100 || size <= nec2023::kSize1Awg ? 0 : 1;
}

double NecCheck::allowable(int size) const {
    const double corrected = tableAmpacity(m_in.material, size, column(m_in.insulation)) *
                             m_answer.ambientFactor * m_answer.adjustmentFactor;
    return std::min(corrected,
                    static_cast<double>(tableAmpacity(m_in.material, size, terminalColumn(size))));
}

Drop NecCheck::drop(const nec2023::Table9Row& row) const {
    const auto raceway = static_cast<std::size_t>(m_in.raceway);
    Drop d;
    d.r = (m_in.material == Material::Copper ? row.rCopper : row.rAluminum)[raceway];
    d.x = m_in.raceway == Raceway::Steel ? row.xSteel : row.xPvcAluminium;
    d.ze = d.r * m_in.powerFactor + d.x * m_sin;
    const double phase = m_in.threePhase ? std::sqrt(3.0) : 2.0;
    d.volts = phase * m_in.current * d.ze * m_feet / (1000.0 * m_in.sets);
    return d;
}

void NecCheck::addInputs() {
    const CircuitInputs& in = m_in;
    add("Design current",
        m_currentText + " A, " + (in.continuous ? "continuous" : "non-continuous"), "input");
    add("Circuit",
        num(in.volts, 3) + " V " + (in.threePhase ? "three" : "single") + " phase, " +
            std::string(materialName(in.material)) + ", drop limit " + num(in.maxDropPercent, 3) +
            " %",
        "input");
    add("Length",
        in.feet ? num(in.length, 3) + " ft one way"
                : num(in.length, 3) + " m = " + num(m_feet, 3) + " ft one way",
        "input");
    add("Installation",
        std::to_string(in.insulation) + " °C insulation, " + std::to_string(in.conductors) +
            " current-carrying conductors in " + std::string(racewayName(in.raceway)) +
            " raceway, " + degrees(in.ambient) + " ambient, pf " + num(in.powerFactor, 3) + ", " +
            std::to_string(in.sets) + (in.sets == 1 ? " set" : " sets in parallel"),
        "input");
    if (in.faultCurrent)
        add("Fault", num(*in.faultCurrent, 3) + " A for " + num(*in.clearingTime, 4) + " s",
            "input");
    if (in.size) add("Size to check", std::string(label(*in.size)), "input");
}

CircuitResult NecCheck::run() {
    const CircuitInputs& in = m_in;
    if (std::optional<CircuitRefusal> refusal = invalid(in)) return std::move(*refusal);
    if (in.size && tableAmpacity(in.material, *in.size, 0) == 0)
        return refuse("size", std::string(label(*in.size)) + " " +
                                  std::string(materialName(in.material)) +
                                  " has no value in NEC 2023 Table 310.16");

    CircuitAnswer& a = m_answer;
    a.code = kEdition;
    a.sets = in.sets;
    a.trail.reserve(20);
    m_feet = in.feet ? in.length : in.length / kMetresPerFoot;
    m_sin = std::sqrt(1 - in.powerFactor * in.powerFactor);
    m_circuitAmps = in.current * (in.continuous ? 1.25 : 1.0);
    m_required = m_circuitAmps / in.sets;
    a.requiredAmpacity = m_required;
    m_currentText = num(in.current, 3);
    m_requiredText = num(m_required, 3);
    addInputs();

    const bool derived = in.continuous || in.sets > 1;
    add("Required ampacity",
        !derived ? m_requiredText + " A"
                 : (in.continuous ? "1.25 × " : "") + m_currentText + " A" +
                       (in.sets > 1 ? " / " + std::to_string(in.sets) + " sets" : std::string()) +
                       " = " + m_requiredText + " A" + (in.sets > 1 ? " per set" : ""),
        in.continuous ? "NEC 2023 210.19(A)(1), 215.2(A)(1): 125 % of a continuous load" : "input");

    std::string how;
    std::variant<double, CircuitRefusal> ambient = ambientFactor(in, how);
    if (auto* refusal = std::get_if<CircuitRefusal>(&ambient)) return std::move(*refusal);
    a.ambientFactor = std::get<double>(ambient);
    add("Ambient correction", std::move(how),
        in.ambientMethod == AmbientMethod::Table ? "NEC 2023 Table 310.15(B)(1)"
                                                 : "NEC 2023 310.15(B), equation");
    a.adjustmentFactor = adjustmentFactor(in.conductors);
    add("Adjustment",
        num(a.adjustmentFactor, 2) + " for " + std::to_string(in.conductors) +
            " current-carrying conductors",
        "NEC 2023 Table 310.15(C)(1)");
    switch (in.terminals) {
        case TerminalRating::C60:
        case TerminalRating::C75:
            add("Terminal rating", in.terminals == TerminalRating::C60 ? "60 °C" : "75 °C",
                "input, NEC 2023 110.14(C)(1)");
            break;
        case TerminalRating::Auto:
            add("Terminal rating",
                m_circuitAmps <= 100 ? "60 °C: circuit of 100 A or less"
                                     : "60 °C for 14 to 1 AWG, 75 °C above: circuit over 100 A",
                "NEC 2023 110.14(C)(1)(a), (b)");
            break;
    }

    // Ampacity.
    const int sizeCount = static_cast<int>(kSizes.size());
    a.byAmpacity = kNoSize;
    for (int s = firstSize(); s < sizeCount; ++s) {
        if (allowable(s) + 1e-9 < m_required) continue;
        a.byAmpacity = s;
        break;
    }
    if (a.byAmpacity == kNoSize)
        return refuse("current", m_requiredText + " A per set is more than " +
                                     std::string(label(sizeCount - 1)) +
                                     " carries under NEC 2023 Table 310.16 with these factors: "
                                     "use more parallel sets");
    {
        const int s = a.byAmpacity;
        const int col = column(in.insulation);
        const int capCol = terminalColumn(s);
        const int base = tableAmpacity(in.material, s, col);
        const int cap = tableAmpacity(in.material, s, capCol);
        std::string source = "NEC 2023 Table 310.16, " + std::to_string(in.insulation) +
                             " °C column: " + std::to_string(base) + " A";
        if (capCol != col)
            source += "; " + std::string(capCol == 0 ? "60" : "75") +
                      " °C column: " + std::to_string(cap) + " A";
        add("By ampacity",
            std::string(label(s)) + ": " + std::to_string(base) + " A × " +
                num(a.ambientFactor, 4) + " × " + num(a.adjustmentFactor, 2) + ", at most " +
                std::to_string(cap) + " A (" + (capCol == 0 ? "60" : "75") +
                " °C terminals) = " + num(allowable(s), 3) + " A ≥ " + m_requiredText + " A",
            std::move(source));
    }
    if (m_ampacityOnly) return std::move(m_answer);

    // Voltage drop, over the sizes Table 9 lists.
    a.byVoltageDrop = kNoSize;
    for (const nec2023::Table9Row& row : nec2023::kChapter9Table9) {
        if (row.size < firstSize()) continue;
        const Drop d = drop(row);
        if (d.volts * 100 / in.volts > in.maxDropPercent) continue;
        a.byVoltageDrop = row.size;
        add("By voltage drop",
            std::string(label(row.size)) + ": Ze = " + num(d.r, 4) + " × " +
                num(in.powerFactor, 3) + " + " + num(d.x, 4) + " × " + num(m_sin, 4) + " = " +
                num(d.ze, 5) + " Ω/1000 ft; " + (in.threePhase ? "√3" : "2") + " × " +
                m_currentText + " A × Ze × " + num(m_feet, 3) + " ft / 1000" +
                (in.sets > 1 ? " / " + std::to_string(in.sets) : std::string()) + " = " +
                num(d.volts, 3) + " V = " + num(d.volts * 100 / in.volts, 3) + " % ≤ " +
                num(in.maxDropPercent, 3) + " %",
            "NEC 2023 Chapter 9 Table 9, " + std::string(materialName(in.material)) + " in " +
                std::string(racewayName(in.raceway)) + " raceway: R " + num(d.r, 4) + ", X " +
                num(d.x, 4) + " Ω/1000 ft");
        break;
    }
    if (a.byVoltageDrop == kNoSize)
        return refuse("max_drop",
                      "no size of NEC 2023 Chapter 9 Table 9 (up to 1000 kcmil) keeps "
                      "the drop within " +
                          num(in.maxDropPercent, 3) +
                          " % over this length: use more parallel sets");

    // Short circuit.
    if (in.faultCurrent) {
        std::string kSource;
        if (in.k) {
            a.k = *in.k;
            kSource = "k " + num(*in.k, 4) + " as given";
        } else {
            a.k = adiabaticK(in.material, in.insulation, kThermoplasticFinalC);
            kSource = std::string(in.material == Material::Copper
                                      ? "k = 226 √ln((234.5 + 150) / (234.5 + "
                                      : "k = 148 √ln((228 + 150) / (228 + ") +
                      std::to_string(in.insulation) + ")) = " + num(*a.k, 4) +
                      ", 150 °C thermoplastic limit of ICEA P-32-382";
        }
        const double mm2 = *in.faultCurrent * std::sqrt(*in.clearingTime) / *a.k;
        a.shortCircuitCmil = mm2 / kMm2PerCmil;
        for (int s = firstSize(); s < sizeCount; ++s) {
            if (kSizes[static_cast<std::size_t>(s)].cmil < *a.shortCircuitCmil) continue;
            a.byShortCircuit = s;
            break;
        }
        if (!a.byShortCircuit)
            return refuse("fault_current",
                          "needs " + num(*a.shortCircuitCmil, 0) +
                              " cmil per conductor, more than the largest size (2000 kcmil)");
        add("By short circuit",
            std::string(label(*a.byShortCircuit)) + ": " + num(*in.faultCurrent, 3) + " A × √" +
                num(*in.clearingTime, 4) + " s / k = " + num(mm2, 3) +
                " mm² = " + num(*a.shortCircuitCmil, 0) + " cmil ≤ " +
                num(kSizes[static_cast<std::size_t>(*a.byShortCircuit)].cmil, 0) +
                " cmil; each set taken to carry the whole fault",
            "adiabatic S = I √t / k (IEC 60364-5-54, ICEA P-32-382); " + kSource);
    }

    // Small-conductor rule.
    a.bySmallConductor = firstSize();
    while (true) {
        const int limit = smallConductorLimit(in.material, a.bySmallConductor);
        if (limit == 0 || limit + 1e-9 >= m_required) break;
        ++a.bySmallConductor;
    }
    {
        const int s = a.bySmallConductor;
        const int limit = smallConductorLimit(in.material, s);
        add("By small-conductor rule",
            std::string(label(s)) + ": " +
                (limit != 0 ? "allows a device up to " + std::to_string(limit) + " A ≥ " +
                                  m_requiredText + " A"
                            : std::string("the smaller sizes allow devices below ") +
                                  m_requiredText + " A"),
            "NEC 2023 240.4(D)");
    }

    // The answer: the largest minimum, and the criterion that set it.
    int largest = std::max(
        {a.byAmpacity, a.byVoltageDrop, a.bySmallConductor, a.byShortCircuit.value_or(kNoSize)});
    a.governedBy = largest == a.byAmpacity       ? Criterion::Ampacity
                   : largest == a.byVoltageDrop  ? Criterion::VoltageDrop
                   : a.byShortCircuit == largest ? Criterion::ShortCircuit
                                                 : Criterion::SmallConductor;
    if (in.size) {
        a.size = *in.size;
        a.sizeGiven = true;
        if (a.byAmpacity > a.size) a.fails.push_back(Criterion::Ampacity);
        if (a.byVoltageDrop > a.size) a.fails.push_back(Criterion::VoltageDrop);
        if (a.byShortCircuit && *a.byShortCircuit > a.size)
            a.fails.push_back(Criterion::ShortCircuit);
        if (a.bySmallConductor > a.size) a.fails.push_back(Criterion::SmallConductor);
    } else {
        a.size = largest;
        while (a.size < sizeCount && table9Row(a.size) == nullptr) ++a.size;
        if (a.size == sizeCount)
            return refuse(a.governedBy == Criterion::ShortCircuit ? "fault_current" : "current",
                          "needs " + std::string(label(largest)) + " by " +
                              std::string(criterionName(a.governedBy)) +
                              ", beyond NEC 2023 Chapter 9 Table 9 (up to 1000 kcmil), so the "
                              "drop cannot be checked: use more parallel sets");
        if (a.size != largest)
            add("Next size in Table 9",
                std::string(label(largest)) + " has no row, so " + std::string(label(a.size)) +
                    " is taken",
                "NEC 2023 Chapter 9 Table 9");
    }
    a.sizeLabel = label(a.size);
    const nec2023::Table9Row* row = table9Row(a.size);
    if (row == nullptr)
        return refuse("size", std::string(a.sizeLabel) +
                                  " has no row in NEC 2023 Chapter 9 Table 9, so its drop cannot "
                                  "be checked");
    if (in.sets > 1 && a.size < nec2023::kSize1_0Awg)
        return refuse("sets", std::to_string(in.sets) + " sets need only " +
                                  std::string(a.sizeLabel) +
                                  " each, and NEC 2023 310.10(G) allows conductors in parallel "
                                  "only from 1/0 AWG up: use fewer sets");
    if (in.sets > 1)
        add("Parallel sets",
            std::to_string(in.sets) + " sets of " + std::string(a.sizeLabel) +
                ", 1/0 AWG or larger, alike in length, material, area, insulation and "
                "terminations",
            "NEC 2023 310.10(G)");

    a.ampacity = allowable(a.size);
    const Drop d = drop(*row);
    a.dropVolts = d.volts;
    a.dropPercent = d.volts * 100 / in.volts;
    a.loadVolts = in.volts - d.volts;
    a.terminalRating = terminalColumn(a.size) == 0 ? 60 : 75;
    if (const int limit = smallConductorLimit(in.material, a.size); limit != 0)
        a.maxOvercurrentDevice = limit;

    std::string verdict = std::string(a.sizeLabel);
    if (!a.sizeGiven) {
        verdict += ", governed by " + std::string(criterionName(a.governedBy));
    } else if (a.fails.empty()) {
        verdict += " meets every criterion";
    } else {
        verdict += " is too small by ";
        for (std::size_t i = 0; i < a.fails.size(); ++i)
            verdict += (i == 0 ? "" : ", ") + std::string(criterionName(a.fails[i]));
        verdict += "; " + std::string(label(largest)) + " is needed";
    }
    add("Answer", std::move(verdict), "largest of the minimum sizes");
    add("Allowable ampacity",
        num(a.ampacity, 3) + " A with " + std::to_string(a.terminalRating) + " °C terminals",
        "NEC 2023 Table 310.16, 310.15(B)(1), 310.15(C)(1), 110.14(C)(1)");
    add("Voltage drop",
        num(a.dropVolts, 3) + " V = " + num(a.dropPercent, 3) + " %, " + num(a.loadVolts, 3) +
            " V at the load",
        "NEC 2023 Chapter 9 Table 9");
    if (a.maxOvercurrentDevice)
        add("Largest overcurrent device", std::to_string(*a.maxOvercurrentDevice) + " A",
            "NEC 2023 240.4(D)");
    return std::move(m_answer);
}

bool sameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CircuitResult checkCircuit(const CircuitInputs& inputs) {
    switch (inputs.code) {
        case CircuitCode::Nec2023:
            break;
    }
    return NecCheck(inputs, false).run();
}

CircuitResult checkAmpacity(const CircuitInputs& inputs) {
    return NecCheck(inputs, true).run();
}

std::string_view criterionKey(Criterion criterion) {
    constexpr std::string_view kKeys[] = {"ampacity", "voltage_drop", "short_circuit",
                                          "small_conductor"};
    return kKeys[static_cast<int>(criterion)];
}

std::string_view criterionName(Criterion criterion) {
    constexpr std::string_view kNames[] = {"ampacity", "voltage drop", "short circuit",
                                           "small-conductor rule"};
    return kNames[static_cast<int>(criterion)];
}

int circuitSizeCount(CircuitCode) {
    return static_cast<int>(kSizes.size());
}

std::string_view circuitSizeLabel(CircuitCode, int size) {
    return label(size);
}

std::optional<int> circuitSizeOf(CircuitCode, std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    std::string_view unit;
    if (const auto space = text.find(' '); space != std::string_view::npos) {
        unit = trimmed(text.substr(space));
        text = text.substr(0, space);
    }
    for (int s = 0; s < static_cast<int>(kSizes.size()); ++s) {
        const std::string_view full = label(s);
        const auto space = full.find(' ');
        if (full.substr(0, space) != text) continue;
        const std::string_view own = full.substr(space + 1);
        if (unit.empty() || sameWord(unit, own) || (own == "kcmil" && sameWord(unit, "MCM")))
            return s;
    }
    return std::nullopt;
}

double circuitSizeCmil(CircuitCode, int size) {
    return kSizes[static_cast<std::size_t>(size)].cmil;
}

double adiabaticK(Material material, double initialC, double finalC) {
    // IEC 60949's adiabatic constants: K 226 and β 234.5 °C for copper, 148 and 228 °C for
    // aluminium. They reproduce the k values tabulated in IEC 60364-5-54 / BS 7671.
    if (material == Material::Copper)
        return 226 * std::sqrt(std::log((234.5 + finalC) / (234.5 + initialC)));
    return 148 * std::sqrt(std::log((228 + finalC) / (228 + initialC)));
}

}  // namespace ferrovolt
