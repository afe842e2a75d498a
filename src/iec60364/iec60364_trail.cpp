// SPDX-License-Identifier: GPL-3.0-or-later
// The trail of the metric circuit check, written from its inputs and the numbers the check
// found. The check writes no text; every source here is the citation its table or rule carries.

#include <cmath>

#include "iec60364/iec60364_check.h"
#include "numtext/number_text.h"

namespace ferrovolt::iec60364 {

namespace {

constexpr std::string_view kInput = "input";

std::string roundedNumberText(double value, int decimals = 3) {
    return formatRoundedDouble(value, decimals);
}

std::string label(int size) {
    return std::string(kSizes[static_cast<std::size_t>(size)].label);
}

class Trail {
public:
    explicit Trail(const IecAnswer& answer) : m_a(answer), m_in(answer.inputs) {}

    std::vector<TrailStep> write() {
        circuit();
        device();
        factors();
        criteria();
        protectiveConductor();
        faultLoop();
        motorStart();
        answer();
        return std::move(m_steps);
    }

private:
    void put(std::string step, std::string value, std::string source) {
        m_steps.push_back({std::move(step), std::move(value), std::move(source)});
    }
    void circuit();
    void device();
    void factors();
    void criteria();
    void protectiveConductor();
    void faultLoop();
    void motorStart();
    void answer();

    const IecAnswer& m_a;
    const IecInputs& m_in;
    std::vector<TrailStep> m_steps;
};

// A step of the motor rules' trail, its name begun in capitals as this trail's are.
TrailStep capitalised(TrailStep step) {
    if (!step.step.empty() && step.step[0] >= 'a' && step.step[0] <= 'z')
        step.step[0] = static_cast<char>(step.step[0] - 'a' + 'A');
    return step;
}

std::string_view deviceWords(Device device) {
    for (const Choice<Device>& choice : kDevices)
        if (choice.value == device) return choice.shown;
    return {};
}

void Trail::circuit() {
    if (m_a.motor) {
        // The motor rules' first step is the design current they worked out.
        const TrailStep design = motors::motorTrail(m_a.motor->motor).front();
        put("Design current", "I_B = " + design.value, design.source);
    } else {
        put("Design current", "I_B = " + roundedNumberText(m_in.current, 3) + " A",
            std::string(kInput));
    }
    std::string circuit = roundedNumberText(m_in.volts, 3) + " V ";
    circuit += m_in.phase == Phase::Three
                   ? "three phase, U0 = " + roundedNumberText(m_a.u0, 3) + " V"
               : m_in.phase == Phase::Single ? std::string("single phase")
                                             : std::string("DC");
    circuit += ", ";
    circuit += keyOf(kMetals, m_in.material);
    put("Circuit", circuit, std::string(kInput));
    put("Length", roundedNumberText(m_in.length, 3) + " m one way", std::string(kInput));
    std::string installation(kMethods[static_cast<std::size_t>(m_in.method)].shown);
    installation += "; ";
    installation += kInsulations[static_cast<std::size_t>(m_in.insulation)].shown;
    installation += "; " + std::to_string(m_a.loaded) + " loaded conductors";
    if (m_a.layout) {
        installation += "; ";
        installation += kLayouts[static_cast<std::size_t>(*m_a.layout)].shown;
    }
    if (m_a.sets > 1) installation += "; " + std::to_string(m_a.sets) + " sets in parallel";
    put("Installation", installation, std::string(kInput));
}

void Trail::device() {
    const std::string overload = citationText(kOverloadRule);
    if (m_a.device == Device::None) {
        put("Protective device", "none: I_z ≥ I_B = " + roundedNumberText(m_in.current, 3) + " A",
            overload);
        return;
    }
    const std::string_view shown = deviceWords(m_a.device);
    if (m_a.ratingGiven) {
        put("Protective device",
            std::string(shown) + ", I_n = " + roundedNumberText(m_a.rating, 3) + " A",
            std::string(kInput));
        if (m_a.device == Device::Am) {
            put("Overload protection",
                "the aM fuse breaks short circuits only; the motor's overload relay protects "
                "the cable, set at I_r with I_B ≤ I_r ≤ I_z: I_z ≥ I_B = " +
                    roundedNumberText(m_in.current, 3) +
                    " A; I_2 ≤ 1.45 I_z is the relay's, not checked here",
                overload);
            return;
        }
    } else {
        put("Protective device",
            std::string(shown) + ", I_n = " + roundedNumberText(m_a.rating, 3) +
                " A, the next rating at or above I_B",
            citationText(m_a.device == Device::Mcb ? kMcbRatings.cite : kGgRatings.cite));
    }
    const TrippingRow& tripping = kConventionalTripping[m_a.device == Device::Mcb  ? 0
                                                        : m_a.device == Device::Cb ? 1
                                                        : m_a.rating < 16          ? 2
                                                                                   : 3];
    std::string value =
        "I_B ≤ I_n ≤ I_z and I_2 = " + roundedNumberText(m_a.i2Multiple, 2) + " I_n ≤ 1.45 I_z: ";
    if (m_in.ggDeemed)
        value += "I_z ≥ I_n = " + roundedNumberText(m_a.rating, 3) +
                 " A, condition (2) deemed met for gG fuses by the national rule";
    else if (m_a.izPerRating > 1)
        value += "I_z ≥ " + roundedNumberText(m_a.i2Multiple, 2) +
                 " / 1.45 I_n = " + roundedNumberText(m_a.izPerRating, 2) +
                 " I_n = " + roundedNumberText(m_a.rating * m_a.izPerRating, 3) + " A";
    else
        value += "I_z ≥ I_n = " + roundedNumberText(m_a.rating, 3) + " A";
    put("Overload protection", value, overload + "; " + citationText(tripping.cite));
}

void Trail::factors() {
    const bool ground = m_in.method == Method::D1 || m_in.method == Method::D2;
    std::string ambient = "C_a = " + roundedNumberText(m_a.ambientFactor, 2) + " at " +
                          roundedNumberText(m_a.ambient, 2) + " °C " +
                          (ground ? "in the ground" : "in air");
    if (m_in.ambient && *m_in.ambient != m_a.ambient)
        ambient += " (the column at or above " + roundedNumberText(*m_in.ambient, 2) + " °C)";
    put("Ambient", ambient, citationText(ground ? kTableB52_15.cite : kTableB52_14.cite));

    std::string grouping = "C_g = " + roundedNumberText(m_a.groupingFactor, 2) + ", " +
                           std::to_string(m_a.circuits) +
                           (m_a.circuits == 1 ? " circuit" : " circuits");
    if (m_a.sets > 1) grouping += " (each parallel set counts as one)";
    if (m_a.groupingColumn != m_a.circuits)
        grouping += ", the " + std::to_string(m_a.groupingColumn) + "-circuit column";
    Citation source = kTableB52_17.cite;
    if (m_in.method == Method::D2) {
        source = kTableB52_18.cite;
        grouping += ", spacing ";
        grouping +=
            kSpacings[static_cast<std::size_t>(m_in.spacing.value_or(Spacing::Touching))].shown;
    } else if (m_in.method == Method::D1) {
        source = kTableB52_19A.cite;
        grouping += ", ";
        grouping +=
            kDuctCables[static_cast<std::size_t>(m_in.ducts.value_or(DuctCables::Multicore))].shown;
        grouping += ", spacing ";
        grouping +=
            kSpacings[static_cast<std::size_t>(m_in.spacing.value_or(Spacing::Touching))].shown;
    } else if (m_in.method != Method::G) {
        const GroupingRow& row =
            kTableB52_17
                .rows[static_cast<std::size_t>(m_in.arrangement.value_or(Arrangement::Bunched))];
        grouping += ", item " + std::to_string(row.item) + ": " + std::string(row.arrangement);
    }
    put("Grouping", grouping, citationText(source));

    if (ground)
        put("Soil",
            "C_s = " + roundedNumberText(m_a.soilFactor, 2) + " at " +
                roundedNumberText(m_a.soilResistivity, 3) + " K·m/W",
            citationText(kTableB52_16.cite));
    if (m_in.thirdHarmonicPercent) {
        std::string harmonic = "C_h = " + roundedNumberText(m_a.harmonicFactor, 2) + " for " +
                               roundedNumberText(*m_in.thirdHarmonicPercent, 3) +
                               " % third harmonic, sized on the ";
        harmonic += m_a.onNeutral
                        ? "neutral current I_N = 3 × " +
                              roundedNumberText(*m_in.thirdHarmonicPercent / 100, 5) +
                              " × I_B = " + roundedNumberText(m_a.neutralCurrent, 3) + " A"
                        : std::string("line current");
        put("Harmonics", harmonic, citationText(kTableE52_1.cite));
    }
}

void Trail::criteria() {
    const double factors =
        m_a.ambientFactor * m_a.groupingFactor * m_a.soilFactor * m_a.harmonicFactor;
    std::string required = "I_z ≥ " + roundedNumberText(m_a.requiredIz, 3) + " A";
    if (m_a.sets > 1) required += " per set";
    required += ", I_t ≥ " + roundedNumberText(m_a.requiredIz, 3) + " / " +
                roundedNumberText(factors, 4) + " = " + roundedNumberText(m_a.requiredIt, 3) + " A";
    put("Required capacity", required, citationText(kOverloadRule));
    const auto unmet = [this](IecCriterion criterion) {
        return "none: " + m_a.unmet[static_cast<std::size_t>(criterion)];
    };
    if (m_a.byAmpacity)
        put("By ampacity",
            label(*m_a.byAmpacity) + ", I_t = " +
                roundedNumberText(m_a.column.amps[static_cast<std::size_t>(*m_a.byAmpacity)], 3) +
                " A, " + std::string(m_a.column.name),
            citationText(*m_a.column.cite));
    else
        put("By ampacity", unmet(IecCriterion::Ampacity), citationText(*m_a.column.cite));

    if (m_a.dropLimit)
        put("Drop limit",
            roundedNumberText(m_a.maxDropPercent, 3) + " %, " +
                (m_in.use.value_or(Use::Other) == Use::Lighting ? "lighting" : "other uses") +
                ", " + std::string(m_a.dropLimit->installation),
            citationText(kTableG52_1.cite));
    else
        put("Drop limit", roundedNumberText(m_a.maxDropPercent, 3) + " %", std::string(kInput));
    put("By voltage drop",
        m_a.byVoltageDrop ? label(*m_a.byVoltageDrop) : unmet(IecCriterion::VoltageDrop),
        citationText(kAnnexGCite));

    if (m_in.faultCurrent && !m_a.byShortCircuit) {
        put("By short circuit", unmet(IecCriterion::ShortCircuit), citationText(kShortCircuitRule));
    } else if (m_in.faultCurrent) {
        std::string k = m_a.kColumn ? "k = " + roundedNumberText(*m_a.k, 3) + " (" +
                                          std::string(m_a.kColumn->insulation) + ")"
                                    : "k = " + roundedNumberText(*m_a.k, 3) + " (given)";
        put("By short circuit",
            label(*m_a.byShortCircuit) +
                ": S ≥ I √t / k = " + roundedNumberText(*m_in.faultCurrent, 3) + " × √" +
                roundedNumberText(*m_in.clearingTime, 4) + " / " + roundedNumberText(*m_a.k, 3) +
                " = " + roundedNumberText(*m_a.shortCircuitMm2, 2) + " mm², " + k,
            citationText(kShortCircuitRule) + "; " +
                (m_a.kColumn ? citationText(kTable43A.cite) : std::string(kInput)));
    }
    const MinimumSizeRow& minimum = kTable52_2.rows[m_in.material == Metal::Copper ? 0 : 1];
    put("By minimum size",
        label(m_a.byMinimumSize) + " (" + std::string(minimum.material) + " at least " +
            roundedNumberText(minimum.mm2, 3) + " mm²)",
        citationText(kTable52_2.cite));
}

void Trail::protectiveConductor() {
    const ProtectiveConductor& pc = m_a.cpc;
    std::string value = std::string(pc.sizeLabel) + " " +
                        std::string(keyOf(kMetals, m_in.material)) +
                        (pc.separate ? ", a separate conductor" : ", a core of the cable");
    // The minimum of a separate conductor, where it set the size.
    std::string separate, separateSource;
    if (pc.separateMinimum) {
        separate = "; a separate conductor " + std::string(pc.separateMinimum->text) +
                   " is at least " + roundedNumberText(pc.separateMinimum->copperMm2, 3) +
                   " mm² copper";
        separateSource = "; " + citationText(kSeparateCpcMinimums.cite);
    }
    if (pc.kColumn && !pc.raisedWithLine) {
        value += ": S ≥ √(I²t) / k = " + roundedNumberText(*m_in.faultCurrent, 3) + " × √" +
                 roundedNumberText(*m_in.clearingTime, 4) + " / " + roundedNumberText(pc.k, 3) +
                 " = " + roundedNumberText(pc.neededMm2, 2) +
                 " mm², k = " + roundedNumberText(pc.k, 3) + " (" +
                 std::string(pc.kColumn->insulation) + ", " +
                 roundedNumberText(pc.kColumn->initialC, 3) + " → " +
                 roundedNumberText(pc.kColumn->finalC, 3) + " °C)";
        if (!pc.meets)
            value += "; no size of " + citationText(kIec60228Table.cite) + " up to " +
                     std::string(pc.sizeLabel) + " meets it";
        const Citation& table = pc.separate ? kTableA54_2.cite : kTableA54_3.cite;
        put("Protective conductor", value + separate,
            citationText(kCpcRule) + "; " + citationText(table) + separateSource);
        return;
    }
    if (pc.separateMinimum) {
        put("Protective conductor", value + " for S = " + std::string(m_a.sizeLabel) + separate,
            citationText(kTable54_2.cite) + separateSource);
        return;
    }
    value += " for S = " + std::string(m_a.sizeLabel) + ": " + std::string(pc.band->text);
    if (pc.raisedWithLine) value += ", raised with the line conductors for the earth-fault loop";
    put("Protective conductor", value, citationText(kTable54_2.cite));
}

void Trail::faultLoop() {
    if (!m_a.loop) return;
    const FaultLoop& loop = *m_a.loop;
    const bool tt = loop.earthing == Earthing::Tt;
    std::string earthing = std::string(kEarthings[static_cast<std::size_t>(loop.earthing)].shown) +
                           ", U0 = " + roundedNumberText(loop.u0, 3) + " V";
    if (m_in.u0)
        earthing +=
            " to earth, of a single-phase circuit of " + roundedNumberText(m_in.volts, 3) + " V";
    put("Earthing system", earthing, std::string(kInput));
    if (loop.row) {
        put("Disconnection time",
            roundedNumberText(loop.disconnectionTime, 2) + " s, final circuit of up to 32 A, " +
                (tt ? "TT, " : "TN, ") + std::string(loop.row->band),
            citationText(kTable41_1.cite));
    } else {
        put("Disconnection time",
            roundedNumberText(loop.disconnectionTime, 2) + " s, " +
                (m_in.distribution ? "distribution circuit" : "final circuit above 32 A") +
                (tt ? ", TT" : ", TN"),
            citationText(tt ? kDistributionRuleTt : kDistributionRuleTn));
    }
    const std::string rule = citationText(tt ? kLoopRuleTt : kLoopRuleTn);
    if (loop.byRcd) {
        const bool touchHolds = loop.touchVolts <= kTouchVoltageLimit + 1e-9;
        put("Earth electrode",
            "R_A × I_Δn = " + roundedNumberText(*m_in.ra, 3) + " × " +
                roundedNumberText(*m_in.rcd, 4) + " = " + roundedNumberText(loop.touchVolts, 3) +
                " V " + (touchHolds ? "≤" : ">") + " 50 V",
            citationText(kRcdRuleTt));
        put("Trip current",
            "I_a = " + roundedNumberText(loop.rcdTime->multiple, 3) +
                " × I_Δn = " + roundedNumberText(loop.ia, 4) + " A: the RCD operates within " +
                roundedNumberText(loop.rcdTime->seconds, 2) + " s at " +
                roundedNumberText(loop.rcdTime->multiple, 3) + " I_Δn, within the " +
                roundedNumberText(loop.disconnectionTime, 2) + " s required",
            citationText(kRcdTimes.cite));
        put("Largest loop impedance",
            "Zs_max = U0 / I_a = " + roundedNumberText(loop.u0, 3) + " / " +
                roundedNumberText(loop.ia, 4) + " = " + roundedNumberText(*loop.zsMax, 3) + " Ω",
            citationText(kRcdRuleTt) + "; " + rule);
    } else {
        if (loop.curve)
            put("Trip current",
                "I_a = " +
                    roundedNumberText(kMcbCurves.rows[static_cast<std::size_t>(*loop.curve)].upTo,
                                      3) +
                    " × I_n = " + roundedNumberText(loop.ia, 3) + " A, curve " +
                    std::string(keyOf(kCurves, *loop.curve)) + ", trips within " +
                    roundedNumberText(kMcbInstantaneousTime, 1) + " s",
                citationText(kMcbCurves.cite));
        else
            put("Trip current",
                "I_a = " + roundedNumberText(loop.ia, 3) + " A, operating the device within " +
                    roundedNumberText(loop.disconnectionTime, 2) + " s",
                std::string(kInput));
        if (loop.cmin != 1)
            put("Largest loop impedance",
                "Zs_max = c_min × U0 / I_a = " + roundedNumberText(loop.cmin, 2) + " × " +
                    roundedNumberText(loop.u0, 3) + " / " + roundedNumberText(loop.ia, 3) + " = " +
                    roundedNumberText(*loop.zsMax, 3) + " Ω (c_min applied)",
                rule + "; " + citationText(kCminCite));
        else
            put("Largest loop impedance",
                "Zs_max = U0 / I_a = " + roundedNumberText(loop.u0, 3) + " / " +
                    roundedNumberText(loop.ia, 3) + " = " + roundedNumberText(*loop.zsMax, 3) +
                    " Ω (c_min not applied)",
                rule);
    }
    if (!loop.zs) return;
    const std::string alpha =
        roundedNumberText(kAlpha20.rows[m_in.material == Metal::Copper ? 0 : 1].alpha20, 5);
    const auto factor = [&alpha](double celsius, double value) {
        return "1 + " + alpha + " × (" + roundedNumberText(celsius, 3) +
               " − 20) = " + roundedNumberText(value, 4);
    };
    std::string temperature = "line conductors at " + roundedNumberText(loop.lineTemperature, 3) +
                              " °C: " + factor(loop.lineTemperature, loop.lineFactor) +
                              "; protective conductor at " +
                              roundedNumberText(loop.cpcTemperature, 3) +
                              " °C: " + factor(loop.cpcTemperature, loop.cpcFactor);
    put("Conductor temperature", temperature,
        citationText(kAlpha20.cite) + "; " + citationText(kTable52_1.cite) +
            (m_in.cpcSeparate ? "; " + citationText(kTableA54_2.cite) : std::string()));
    std::string zs = "Zs = Ze + R1 + R2 = " + roundedNumberText(*loop.ze, 3) + " + " +
                     roundedNumberText(loop.r1, 4) + " + " + roundedNumberText(loop.r2, 4) + " = " +
                     roundedNumberText(*loop.zs, 3) + " Ω";
    if (tt) zs += ", Ze including R_A = " + roundedNumberText(*m_in.ra, 3) + " Ω";
    if (m_a.sets > 1) zs += ", each set with its own protective conductor";
    put("Loop of " + std::string(m_a.sizeLabel) + " and " + std::string(m_a.cpc.sizeLabel), zs,
        citationText(kIec60228Table.cite));
    if (loop.failedSize)
        put("Loop of " + label(*loop.failedSize) + " and " + label(*loop.failedCpc),
            "Zs = " + roundedNumberText(loop.failedZs, 3) + " Ω > Zs_max = " +
                roundedNumberText(*loop.zsMax, 3) + " Ω: does not disconnect within " +
                roundedNumberText(loop.disconnectionTime, 2) + " s",
            rule);
    if (loop.bySize)
        put("By earth-fault loop",
            label(*loop.bySize) + ": Zs = " + roundedNumberText(*loop.zs, 3) + " Ω ≤ " +
                roundedNumberText(*loop.zsMax, 3) + " Ω",
            rule);
    else if (loop.holds)
        put("By earth-fault loop",
            label(m_a.size) + ": Zs = " + roundedNumberText(*loop.zs, 3) + " Ω ≤ " +
                roundedNumberText(*loop.zsMax, 3) + " Ω",
            rule);
    else
        put("By earth-fault loop", loop.reason, rule);
    const std::string run = "L ≤ (Zs_max − Ze) / (R1 + R2 per metre)";
    if (loop.maxLength)
        put("Longest run", run + " = " + roundedNumberText(*loop.maxLength, 1) + " m", rule);
    else
        put("Longest run", "none: " + noRunReason(loop), rule);
}

void Trail::motorStart() {
    if (!m_a.motor) return;
    const MotorCircuit& circuit = *m_a.motor;
    const std::vector<TrailStep> steps = motors::motorTrail(circuit.motor);
    const bool three = m_in.phase == Phase::Three;
    const std::string per = three ? " per phase" : " over the loop";
    for (std::size_t i = 1; i < steps.size(); ++i) {
        // The source and the cable come before the first dip they give.
        if (steps[i].step.starts_with("starting dip") && steps[i - 1].step.starts_with("starting "
                                                                                       "power")) {
            std::string source;
            if (circuit.source == StartSource::Tree)
                source = "R = " + roundedNumberText(circuit.sourcePath.r, 4) +
                         " Ω, X = " + roundedNumberText(circuit.sourcePath.x, 4) + " Ω" + per +
                         ", from the installation above";
            else
                source =
                    "|Z| = " +
                    (circuit.source == StartSource::Ze
                         ? "Ze"
                         : roundedNumberText(three ? m_in.volts / std::sqrt(3.0) : m_in.volts, 3) +
                               " V / " + roundedNumberText(*m_in.faultCurrent, 3) + " A") +
                    " = " + roundedNumberText(circuit.sourceOhms, 4) + " Ω" + per +
                    ", taken at the starting angle (its X/R not given): the largest dip "
                    "for its size";
            put("Source at the origin", source,
                circuit.source == StartSource::Tree ? "installation" : std::string(kInput));
            put("Cable while starting",
                "R = " + roundedNumberText(circuit.cable.r, 4) +
                    " Ω, X = " + roundedNumberText(circuit.cable.x, 4) + " Ω" + per + " (" +
                    std::string(m_a.sizeLabel) + ", ρ1 and λ)",
                citationText(kAnnexGCite));
        }
        const TrailStep step = capitalised(steps[i]);
        put(step.step, step.value, step.source);
    }
    if (circuit.source == StartSource::None)
        put("Starting dip",
            "not worked out: give the fault current at the origin" +
                std::string(three ? "" : ", or Ze with the earthing system"),
            std::string(kInput));
}

void Trail::answer() {
    const double factors =
        m_a.ambientFactor * m_a.groupingFactor * m_a.soilFactor * m_a.harmonicFactor;
    std::string iz = "I_z = " + roundedNumberText(m_a.tabulated, 3) + " × " +
                     roundedNumberText(factors, 4) + " = " + roundedNumberText(m_a.iz, 3) + " A";
    if (m_a.sets > 1) iz += " per set";
    put("Capacity of " + std::string(m_a.sizeLabel), iz, citationText(*m_a.column.cite));
    const double sin = std::sqrt(1 - m_a.powerFactor * m_a.powerFactor);
    const bool three = m_in.phase == Phase::Three;
    std::string drop =
        "u = " + std::string(three ? "1" : "2") + " × (" +
        roundedNumberText(
            m_in.material == Metal::Copper ? kAnnexG.rho1Copper : kAnnexG.rho1Aluminium, 4) +
        " × " + roundedNumberText(m_in.length / m_a.sets, 3) + " / " +
        roundedNumberText(kSizes[static_cast<std::size_t>(m_a.size)].mm2, 3) + " × " +
        roundedNumberText(m_a.powerFactor, 3) + " + " +
        roundedNumberText(kAnnexG.lambda * 1000, 3) + "e-3 × " +
        roundedNumberText(m_in.length / m_a.sets, 3) + " × " + roundedNumberText(sin, 3) + ") × " +
        roundedNumberText(m_in.current, 3) + " = " + roundedNumberText(m_a.dropVolts, 3) + " V, " +
        roundedNumberText(m_a.dropPercent, 2) + " % of " + roundedNumberText(m_a.u0, 3) + " V";
    put("Drop of " + std::string(m_a.sizeLabel), drop, citationText(kAnnexGCite));
    std::string result = std::string(m_a.sizeLabel);
    if (m_a.sets > 1) result += " × " + std::to_string(m_a.sets) + " sets";
    if (m_a.sizeGiven) {
        if (m_a.meetsAll) {
            result += " meets every criterion";
        } else {
            result += " fails";
            std::string_view sep = " ";
            for (int c = 0; c < kCriterionCount; ++c)
                if (m_a.fails[static_cast<std::size_t>(c)]) {
                    result += sep;
                    result += iecCriterionName(static_cast<IecCriterion>(c));
                    sep = ", ";
                }
        }
    } else {
        result += ", governed by ";
        result += iecCriterionName(m_a.governedBy);
        if (!m_a.cpc.meets)
            result += "; fails short circuit: the protective conductor needs " +
                      roundedNumberText(m_a.cpc.neededMm2, 2) + " mm² by " +
                      citationText(kCpcRule) + ", more than " + std::string(m_a.cpc.sizeLabel);
        if (m_a.loop && !m_a.loop->holds) result += "; fails earth-fault loop: " + m_a.loop->reason;
    }
    put("Answer", result, "");
}

}  // namespace

std::vector<TrailStep> iecTrail(const IecAnswer& answer) {
    return Trail(answer).write();
}

}  // namespace ferrovolt::iec60364
