// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project_engine.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "codes/code_registry.h"
#include "faults/fault_current.h"
#include "faults/fault_tables.h"
#include "motors/motors.h"
#include "numtext/number_text.h"
#include "project/node_check.h"
#include "project/project_file.h"

namespace ferrovolt::project {

namespace {

using faults::Impedance;

const double kSqrt3 = std::sqrt(3.0);

// The text of a cable's field, or the field's default.
std::string fieldText(const Cable& cable, const CircuitCode& code, std::string_view key) {
    for (const auto& [k, value] : cable)
        if (k == key) return cableFieldText(value);
    const CheckField* field = code.field(key);
    return field != nullptr ? std::string(field->defaultText) : std::string();
}

double fieldNumber(const Cable& cable, const CircuitCode& code, std::string_view key) {
    return readDouble(fieldText(cable, code, key)).value_or(0);
}

bool threePhase(const Cable& cable, const CircuitCode& code) {
    return fieldText(cable, code, "phase") == "three";
}

// The current a circuit's load draws: a general load's design current; a motor's or an air
// conditioner's the one its own check sizes from (NEC: the table full-load current of
// 430.6(A)(1), the minimum circuit ampacity; IEC: from the rated power or the nameplate), 0
// where that check refuses (the circuit's own node then says why).
double loadCurrent(const Cable& cable, const CircuitCode& code) {
    const std::string load = fieldText(cable, code, "load");
    if (load != "motor" && load != "hvac") return fieldNumber(cable, code, "current");
    const std::optional<std::size_t> row = code.rowIndex("design_current");
    if (!row) return 0;
    const std::unique_ptr<CircuitCase> scratch = code.newCase();
    for (const auto& [key, value] : cable) {
        const std::optional<std::size_t> index = code.fieldIndex(key);
        if (!index || scratch->set(*index, cableFieldText(value))) return 0;
    }
    if (scratch->check()) return 0;
    const CheckValue amps = scratch->value(*row);
    return std::holds_alternative<double>(amps) ? std::get<double>(amps) : 0;
}

bool has(const Cable& cable, std::string_view key) {
    for (const auto& [k, value] : cable)
        if (k == key) return true;
    return false;
}

// The origin of an NEC 2023 installation: the service's available current, or a transformer's
// let-through behind its utility (an infinite bus unless a source is given).
Origin necOrigin(const Project& p, std::vector<std::string>& defaults) {
    const Supply& s = p.supply;
    Origin o;
    o.method = p.faultMethod == FaultSetting::PointToPoint ? FaultMethod::PointToPoint
                                                           : FaultMethod::Impedance;
    const std::string phase =
        s.transformer && s.transformer->phase ? *s.transformer->phase : s.phase.value_or("three");
    o.phases = phase == "single" ? 1 : 3;
    o.volts = s.transformer ? s.transformer->secondaryVolts : *s.volts;
    const double root = o.phases == 3 ? kSqrt3 : 1.0;
    Impedance z;
    if (s.availableFaultCurrent) {
        if (!s.xOverR) defaults.push_back("X/R at the service: 10 (default)");
        z = faults::fromMagnitude(o.volts / (root * *s.availableFaultCurrent),
                                  s.xOverR.value_or(10));
    } else {
        const Transformer& t = *s.transformer;
        const double xr =
            t.xOverR ? *t.xOverR
                     : std::sqrt(t.percentZ * t.percentZ - *t.percentR * *t.percentR) / *t.percentR;
        if (!t.tolerance) defaults.push_back("transformer %Z tolerance: 1.0, nameplate (default)");
        z = faults::transformerImpedance(t.kva, o.volts, t.percentZ, xr, t.tolerance.value_or(1));
        if (s.source) {
            if (!s.source->rOverX) defaults.push_back("utility R/X: 0.1 (default)");
            z += faults::sourceFromMva(o.volts, s.source->mvaMax,
                                       1 / s.source->rOverX.value_or(0.1));
        } else if (!s.infiniteBus) {
            defaults.push_back("upstream of the transformer: infinite bus (default)");
        }
    }
    o.iscMax = o.volts / (root * z.magnitude());
    o.xOverR = z.xOverR();
    if (o.phases == 3) {
        // Three-phase four-wire at the terminals: line to neutral as three-phase (Z_(0) = Z_(1)).
        o.u0 = o.volts / kSqrt3;
        o.loopMin = z;
    } else {
        // Centre-tapped: line to neutral at the terminals is 1.5 × line to line.
        o.u0 = o.volts / 2;
        o.loopMin = z * (1.0 / 3.0);
        defaults.push_back("single-phase line to neutral at the terminals: 1.5 × line to line");
    }
    o.iscMin = o.u0 / o.loopMin.magnitude();
    return o;
}

// The origin of an IEC 60364 installation by IEC 60909-0: the network feeder and the
// transformer corrected by K_T, or Ze and the prospective fault current as declared.
Origin iecOrigin(const Project& p, std::vector<std::string>& defaults) {
    const Supply& s = p.supply;
    Origin o;
    o.method = FaultMethod::Iec60909;
    const faults::VoltageFactor& factor =
        faults::kVoltageFactors[s.voltageFactorClass.value_or(6) == 10 ? faults::kLowVoltage10
                                                                       : faults::kLowVoltage6];
    if (!s.voltageFactorClass)
        defaults.push_back("LV voltage factor class: +6 %, c_max 1.05 (default)");
    o.cMax = factor.cMax;
    o.cMin = factor.cMin;
    const std::string phase =
        s.transformer && s.transformer->phase ? *s.transformer->phase : s.phase.value_or("three");
    o.phases = phase == "single" ? 1 : 3;
    o.volts = s.transformer ? s.transformer->secondaryVolts : *s.volts;
    o.u0 = o.phases == 3 ? o.volts / kSqrt3 : o.volts;
    if (!s.transformer) {
        o.iscMax = *s.ipf;
        o.loopMin = {*s.ze, 0};
        o.iscMin = o.cMin * o.u0 / *s.ze;
        defaults.push_back("declared Ze taken as resistance");
        return o;
    }
    const Transformer& t = *s.transformer;
    const double ur = t.percentR ? *t.percentR : t.percentZ / std::sqrt(1 + *t.xOverR * *t.xOverR);
    const Impedance zt = faults::iecTransformer({t.kva, t.percentZ, ur, o.volts}, o.cMax).z;
    Impedance qMax, qMin;
    const double high = faults::kVoltageFactors[faults::kHighVoltage].cMax;
    const double highMin = faults::kVoltageFactors[faults::kHighVoltage].cMin;
    if (s.source && t.primaryKv > 0) {
        const double rx = s.source->rOverX.value_or(faults::kFeederDefaultRx);
        if (!s.source->rOverX) defaults.push_back("network feeder R/X: 0.1 (default)");
        const double ratio = t.primaryKv * 1000 / o.volts;
        qMax = faults::networkFeeder(high, s.source->kv, s.source->mvaMax, rx, ratio);
        qMin = faults::networkFeeder(highMin, s.source->kv, s.source->mvaMin, rx, ratio);
    } else if (!s.infiniteBus && t.primaryKv > 0) {
        defaults.push_back("network feeder: 500 MVA maximum, 250 MVA minimum, R/X 0.1 (default)");
        const double ratio = t.primaryKv * 1000 / o.volts;
        qMax = faults::networkFeeder(high, t.primaryKv, 500, faults::kFeederDefaultRx, ratio);
        qMin = faults::networkFeeder(highMin, t.primaryKv, 250, faults::kFeederDefaultRx, ratio);
    } else if (!s.infiniteBus) {
        defaults.push_back("upstream of the transformer: infinite bus (no primary voltage given)");
    }
    o.iscMax = faults::initialThreePhase(o.cMax, o.volts, qMax + zt);
    o.xOverR = (qMax + zt).xOverR();
    o.loopMax = qMax * (2.0 / 3.0) + zt;
    o.ik1Max = o.cMax * o.u0 / o.loopMax.magnitude();
    o.loopMin = qMin * (2.0 / 3.0) + zt;
    o.iscMin = o.cMin * o.u0 / o.loopMin.magnitude();
    return o;
}

// κ of the network's X/R over the maximum, motors included.
double peakOf(const Origin& o) {
    if (o.iscMax <= 0) return 0;
    const double k = o.xOverR > 0 ? 1.02 + 0.98 * std::exp(-3 / o.xOverR) : 1.02;
    return k * std::sqrt(2.0) * maximumWithMotors(o);
}

// No transformer stands between boards: a cable runs at its board's line voltage, or
// single-phase at the voltage to neutral.
std::optional<CheckRefusal> otherSystem(double volts, bool three, const Origin& origin) {
    const auto near = [](double a, double b) { return std::abs(a - b) <= 0.01 * b; };
    if (near(volts, origin.volts) && (!three || origin.phases == 3)) return std::nullopt;
    if (!three && near(volts, origin.u0)) return std::nullopt;
    std::string reason = "is " + formatDouble(volts) + " V" + (three ? " three-phase" : "") +
                         ": the board gives " + formatDouble(origin.volts) + " V";
    if (origin.phases == 1) reason += " single-phase";
    return CheckRefusal{"volts", reason + " and " + formatRoundedDouble(origin.u0, 1) +
                                     " V to neutral; no transformer is held between boards"};
}

// Checks a cable under `origin`; false when the check is refused. A case kept from the last
// check of the same inputs skips reading the fields again.
bool checkCable(NodeAnswer& node, const CircuitCode& code, const Cable& cable, const Origin& origin,
                std::optional<double> current, std::unique_ptr<CircuitCase> kept) {
    if (origin.volts > 0) {
        node.refusal =
            otherSystem(fieldNumber(cable, code, "volts"), threePhase(cable, code), origin);
        if (node.refusal) {
            node.reached = false;
            return false;
        }
    }
    if (kept) {
        node.checked = std::move(kept);
    } else {
        node.checked = code.newCase();
        for (const auto& [key, value] : cable)
            node.checked->set(*code.fieldIndex(key), cableFieldText(value));
    }
    if (current) {
        node.checked->set(*code.fieldIndex("current"), cableFieldText(Json(*current)));
    }
    node.designCurrent = loadCurrent(cable, code);
    if (current) node.designCurrent = *current;
    node.checked->setOrigin(origin);
    node.refusal = node.checked->check();
    if (node.refusal) {
        node.reached = false;
        return false;
    }
    // A motor's design current is the code's to work out, not an input.
    if (const std::optional<std::size_t> row = code.rowIndex("design_current")) {
        const CheckValue value = node.checked->value(*row);
        if (const auto* amps = std::get_if<double>(&value)) node.designCurrent = *amps;
    }
    const std::optional<CableEnd> end = node.checked->atEnd();
    if (!end) {
        node.refusal =
            CheckRefusal{"size", "has no impedance in the tables the fault methods read"};
        node.reached = false;
        return false;
    }
    node.at = end->end;
    node.dropPercent = end->dropPercent;
    node.dropLimitPercent = end->dropLimitPercent;
    node.peak = peakOf(node.at);
    for (const CriterionText& fail : node.checked->fails())
        node.fails.push_back({std::string(fail.key), std::string(fail.name)});
    return true;
}

class Walk {
public:
    Walk(const Project& p, ProjectAnswer& answer) : m_p(p), m_answer(answer), m_code(*answer.code) {
        for (std::size_t i = 0; i < p.boards.size(); ++i)
            m_childBoards[p.boards[i].fedFrom].push_back(i);
        for (std::size_t i = 0; i < p.circuits.size(); ++i)
            m_circuits[p.circuits[i].board].push_back(i);
    }

    void run(const Origin& origin) {
        m_answer.nodes.push_back(supplyAnswer(origin));
        for (std::size_t b : m_childBoards["supply"]) board(b, origin, 1, true);
    }

private:
    // What a board passes up to its feeder.
    BoardLoad load(const Board& b) {
        std::vector<BoardLoad> below;
        for (std::size_t c : m_circuits[b.id])
            below.push_back(circuitLoad(m_p.circuits[c].cable, m_code));
        for (std::size_t child : m_childBoards[b.id]) below.push_back(load(m_p.boards[child]));
        return boardLoad(b, below);
    }

    void board(std::size_t index, const Origin& origin, int depth, bool reachable) {
        const Board& b = m_p.boards[index];
        NodeAnswer node;
        const bool carried = checkBoard(
            node, m_code, b, origin, depth, reachable, [&] { return load(b); }, nullptr);
        const Origin here = node.at;
        const std::size_t at = m_answer.nodes.size();
        m_answer.nodes.push_back(std::move(node));
        for (std::size_t c : m_circuits[b.id]) {
            NodeAnswer n;
            checkCircuit(n, m_code, m_p.circuits[c], here, depth + 1, carried, nullptr);
            m_answer.nodes.push_back(std::move(n));
        }
        std::vector<CircuitOfBoard> circuits;
        for (std::size_t i = 0; i < m_circuits[b.id].size(); ++i)
            circuits.push_back(
                {&m_p.circuits[m_circuits[b.id][i]].cable, &m_answer.nodes[at + 1 + i]});
        motorFeeder(m_answer.nodes[at], m_code, circuits);
        for (std::size_t child : m_childBoards[b.id]) board(child, here, depth + 1, carried);
    }

    const Project& m_p;
    ProjectAnswer& m_answer;
    const CircuitCode& m_code;
    std::map<std::string, std::vector<std::size_t>, std::less<>> m_childBoards;
    std::map<std::string, std::vector<std::size_t>, std::less<>> m_circuits;
};

}  // namespace

std::string_view nodeKindKey(NodeKind kind) {
    switch (kind) {
        case NodeKind::Supply:
            return "supply";
        case NodeKind::Board:
            return "board";
        case NodeKind::Circuit:
            return "circuit";
    }
    return {};
}

Origin supplyOrigin(const Project& project, std::vector<std::string>& defaults) {
    return project.code == "nec2023" ? necOrigin(project, defaults) : iecOrigin(project, defaults);
}

NodeAnswer supplyAnswer(const Origin& origin) {
    NodeAnswer supply;
    supply.id = "supply";
    supply.at = origin;
    supply.peak = peakOf(origin);
    return supply;
}

BoardLoad circuitLoad(const Cable& cable, const CircuitCode& code) {
    BoardLoad load;
    load.va = loadCurrent(cable, code) * fieldNumber(cable, code, "volts") *
              (threePhase(cable, code) ? kSqrt3 : 1.0);
    if (fieldText(cable, code, "load") == "motor") load.largestMotorVa = load.va;
    return load;
}

BoardLoad boardLoad(const Board& board, const std::vector<BoardLoad>& below) {
    BoardLoad load;
    for (const BoardLoad& l : below) {
        load.va += l.va;
        load.largestMotorVa = std::max(load.largestMotorVa, l.largestMotorVa);
    }
    load.va *= board.demandFactor;
    return load;
}

// 430.24 and 430.62(A) over the board's circuits, where some feed motors: each motor by its
// table current and its branch device, the others' currents as other loads (a continuous one
// at 125 %); and the dip at the busbar while the largest motor starts, as its circuit worked
// it out.
void motorFeeder(NodeAnswer& board, const CircuitCode& code,
                 const std::vector<CircuitOfBoard>& circuits) {
    board.motorFeederCurrent.reset();
    board.feederDeviceMax.reset();
    board.startDipPercent.reset();
    if (!code.largestMotorRule()) return;
    std::vector<motors::FeederMotor> feederMotors;
    double nonContinuous = 0, continuous = 0;
    std::optional<double> dip;
    double largest = 0;
    const std::optional<std::size_t> device = code.rowIndex("device");
    const std::optional<std::size_t> dipRow = code.rowIndex("start_dip_board_percent");
    for (const auto& [cable, n] : circuits) {
        if (!n->checked || n->refusal || !n->reached) return;
        if (fieldText(*cable, code, "load") != "motor") {
            (fieldText(*cable, code, "continuous") == "true" ? continuous : nonContinuous) +=
                n->designCurrent;
            continue;
        }
        const CheckValue amps = device ? n->checked->value(*device) : CheckValue();
        feederMotors.push_back(
            {n->designCurrent, std::holds_alternative<double>(amps) ? std::get<double>(amps) : 0});
        const CheckValue atBoard = dipRow ? n->checked->value(*dipRow) : CheckValue();
        if (n->designCurrent > largest) {
            largest = n->designCurrent;
            dip = std::holds_alternative<double>(atBoard)
                      ? std::optional<double>(std::get<double>(atBoard))
                      : std::nullopt;
        }
    }
    if (feederMotors.empty()) return;
    const auto answer = motors::necMotorFeeder({feederMotors, nonContinuous, continuous});
    if (const auto* feeder = std::get_if<motors::FeederAnswer>(&answer)) {
        board.motorFeederCurrent = feeder->conductorCurrent;
        board.feederDeviceMax = feeder->maxDevice;
    }
    board.startDipPercent = dip;
}

bool checkBoard(NodeAnswer& node, const CircuitCode& code, const Board& b, const Origin& origin,
                int depth, bool reachable, const std::function<BoardLoad()>& load,
                std::unique_ptr<CircuitCase> kept) {
    node.id = b.id;
    node.kind = NodeKind::Board;
    node.fedFrom = b.fedFrom;
    node.depth = depth;
    node.at = origin;
    node.peak = peakOf(origin);
    node.reached = reachable;
    bool carried = reachable;
    if (reachable && b.cable) {
        std::optional<double> current;
        if (!has(*b.cable, "current")) {
            const double volts = fieldNumber(*b.cable, code, "volts");
            const BoardLoad below = load();
            const std::optional<LargestMotorRule> motors = code.largestMotorRule();
            const double va = below.va + (motors ? motors->share * below.largestMotorVa : 0);
            current = va / (volts * (threePhase(*b.cable, code) ? kSqrt3 : 1.0));
        }
        if (current && !(*current > 0)) {
            node.refusal = CheckRefusal{"current",
                                        "is the sum of the loads below the board, "
                                        "and it has none: give the feeder's current"};
            node.reached = carried = false;
        } else {
            carried = checkCable(node, code, *b.cable, origin, current, std::move(kept));
        }
    } else if (reachable) {
        node.designCurrent = 0;
    }
    if (carried && b.motorLoad) {
        // A percentage is of what the board draws: its feeder's current, or at the terminals
        // of what feeds it the loads below at the busbar's voltage.
        double fla = b.motorLoad->fla.value_or(0);
        if (b.motorLoad->percent) {
            const double amps =
                b.cable ? node.designCurrent
                        : load().va / (origin.volts * (origin.phases == 3 ? kSqrt3 : 1.0));
            fla = *b.motorLoad->percent / 100 * amps;
        }
        node.at.motorCurrent += faults::kMotorMultiple * fla;
        node.peak = peakOf(node.at);
    }
    if (carried && b.breakingCapacityKa &&
        *b.breakingCapacityKa * 1000 < maximumWithMotors(node.at))
        node.fails.push_back(
            {"breaking_capacity",
             code.key() == "nec2023"
                 ? "interrupting rating below the available fault current (NEC 110.9)"
                 : "breaking capacity below the prospective fault current (IEC 60364-4-43 "
                   "434.5.1)"});
    return carried;
}

void checkCircuit(NodeAnswer& node, const CircuitCode& code, const Circuit& c, const Origin& origin,
                  int depth, bool reachable, std::unique_ptr<CircuitCase> kept) {
    node.id = c.id;
    node.kind = NodeKind::Circuit;
    node.fedFrom = c.board;
    node.depth = depth;
    node.reached = reachable;
    if (reachable && checkCable(node, code, c.cable, origin, std::nullopt, std::move(kept)) &&
        node.dropLimitPercent > 0 && node.at.dropPercent > node.dropLimitPercent + 1e-9)
        node.fails.push_back(
            {"cumulative_voltage_drop", "voltage drop from the origin above the limit (" +
                                            formatDouble(node.dropLimitPercent) + " %)"});
}

std::string motorFeederText(const NodeAnswer& board) {
    if (!board.motorFeederCurrent) return {};
    std::string text =
        "motors: feeder " + formatRoundedDouble(*board.motorFeederCurrent, 2) + " A (430.24)";
    if (board.feederDeviceMax)
        text +=
            ", feeder device at most " + std::to_string(*board.feederDeviceMax) + " A (430.62(A))";
    if (board.startDipPercent)
        text += ", dip " + formatRoundedDouble(*board.startDipPercent, 2) +
                " % while the largest starts";
    return text;
}

ProjectAnswer checkProject(const Project& project) {
    ProjectAnswer answer;
    answer.code = circuitCode(project.code);
    const Origin origin = supplyOrigin(project, answer.defaults);
    Walk(project, answer).run(origin);
    return answer;
}

}  // namespace ferrovolt::project
