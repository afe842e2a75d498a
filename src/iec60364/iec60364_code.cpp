// SPDX-License-Identifier: GPL-3.0-or-later
#include "iec60364/iec60364_code.h"

#include <cmath>

#include "check/common_fields.h"
#include "check/field_reading.h"

#include "iec60364/iec60364_fields.h"

#include "faults/fault_current.h"
#include "faults/fault_tables.h"

namespace ferrovolt::iec60364 {

namespace {

using Value = CheckValue;

Value sizeOf(std::optional<int> size) {
    if (!size) return {};
    return kSizes[static_cast<std::size_t>(*size)].label;
}

Value loopValue(const IecAnswer& a, std::optional<double> FaultLoop::*member) {
    if (!a.loop || !(*a.loop.*member)) return {};
    return *(*a.loop.*member);
}

Value motorValue(const IecAnswer& a, std::optional<double> motors::MotorAnswer::*member) {
    if (!a.motor || !(a.motor->motor.*member)) return {};
    return *(a.motor->motor.*member);
}

struct IecRow : CheckRow {
    Value (*value)(const IecAnswer&);
};

// The rows by criterion, in the order of IecCriterion.
constexpr std::size_t kFirstCriterion = 13;

const std::array<IecRow, 34> kIecRows = {{
    {{.key = keys::kSize, .caption = "Size", .headline = true},
     [](const IecAnswer& a) -> Value { return a.sizeLabel; }},
    {{.key = "sets", .caption = "Parallel sets"},
     [](const IecAnswer& a) -> Value { return static_cast<double>(a.sets); }},
    {{.key = "cpc", .caption = "Protective conductor"},
     [](const IecAnswer& a) -> Value { return a.cpc.sizeLabel; }},
    {{.key = keys::kGovernedBy, .caption = "Governed by", .saidElsewhere = true},
     [](const IecAnswer& a) -> Value { return iecCriterionKey(a.governedBy); }},
    {{.key = "device", .caption = "Protective device"},
     [](const IecAnswer& a) -> Value { return keyOf(kDevices, a.device); }},
    {{.key = "device_rating", .caption = "Device rating I_n", .unit = "A", .decimals = 3},
     [](const IecAnswer& a) -> Value {
         if (a.device == Device::None) return {};
         return a.rating;
     }},
    {{.key = "required_iz", .caption = "Required I_z", .unit = "A", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.requiredIz; }},
    {{.key = "iz", .caption = "Current-carrying capacity I_z", .unit = "A", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.iz; }},
    {{.key = "it", .caption = "Tabulated capacity I_t", .unit = "A", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.tabulated; }},
    {{.key = "ca", .caption = "Ambient factor C_a", .decimals = 4},
     [](const IecAnswer& a) -> Value { return a.ambientFactor; }},
    {{.key = "cg", .caption = "Grouping factor C_g", .decimals = 4},
     [](const IecAnswer& a) -> Value { return a.groupingFactor; }},
    {{.key = "cs", .caption = "Soil factor C_s", .decimals = 4},
     [](const IecAnswer& a) -> Value { return a.soilFactor; }},
    {{.key = "ch", .caption = "Harmonic factor C_h", .decimals = 4},
     [](const IecAnswer& a) -> Value { return a.harmonicFactor; }},
    {{.key = "by_ampacity", .caption = "Minimum by ampacity", .criterion = true},
     [](const IecAnswer& a) { return sizeOf(a.byAmpacity); }},
    {{.key = "by_voltage_drop", .caption = "Minimum by voltage drop", .criterion = true},
     [](const IecAnswer& a) { return sizeOf(a.byVoltageDrop); }},
    {{.key = "by_short_circuit", .caption = "Minimum by short circuit", .criterion = true},
     [](const IecAnswer& a) { return sizeOf(a.byShortCircuit); }},
    {{.key = "by_minimum_size", .caption = "Minimum size of 524.1", .criterion = true},
     [](const IecAnswer& a) { return sizeOf(a.byMinimumSize); }},
    {{.key = "by_fault_loop", .caption = "Minimum by earth-fault loop", .criterion = true},
     [](const IecAnswer& a) -> Value {
         if (!a.loop) return {};
         return sizeOf(a.loop->bySize);
     }},
    {{.key = "drop_volts", .caption = "Voltage drop", .unit = "V", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.dropVolts; }},
    {{.key = "drop_percent", .caption = "Drop in percent", .unit = "%", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.dropPercent; }},
    {{.key = "max_drop", .caption = "Drop limit", .unit = "%", .decimals = 3},
     [](const IecAnswer& a) -> Value { return a.maxDropPercent; }},
    {{.key = "k", .caption = "Adiabatic k", .decimals = 4},
     [](const IecAnswer& a) -> Value {
         if (!a.k) return {};
         return *a.k;
     }},
    {{.key = "earthing", .caption = "Earthing system"},
     [](const IecAnswer& a) -> Value {
         if (!a.loop) return {};
         return keyOf(kEarthings, a.loop->earthing);
     }},
    {{.key = "zs", .caption = "Earth-fault loop impedance Zs", .unit = "Ω", .decimals = 4},
     [](const IecAnswer& a) { return loopValue(a, &FaultLoop::zs); }},
    {{.key = "zs_max", .caption = "Largest Zs for disconnection", .unit = "Ω", .decimals = 4},
     [](const IecAnswer& a) { return loopValue(a, &FaultLoop::zsMax); }},
    {{.key = "disconnection_time", .caption = "Disconnection time", .unit = "s", .decimals = 3},
     [](const IecAnswer& a) -> Value {
         if (!a.loop) return {};
         return a.loop->disconnectionTime;
     }},
    {{.key = "max_length_m", .caption = "Longest run that disconnects", .unit = "m", .decimals = 1},
     [](const IecAnswer& a) { return loopValue(a, &FaultLoop::maxLength); }},
    {{.key = "touch_volts", .caption = "R_A × I_Δn", .unit = "V", .decimals = 3},
     [](const IecAnswer& a) -> Value {
         if (!a.loop || !a.loop->byRcd) return {};
         return a.loop->touchVolts;
     }},
    {{.key = "disconnects", .caption = "Disconnects in time"},
     [](const IecAnswer& a) -> Value {
         if (!a.loop) return {};
         return a.loop->holds ? std::string_view("yes") : std::string_view("no");
     }},
    {{.key = "design_current",
      .caption = "Motor's design current I_B",
      .unit = "A",
      .decimals = 3,
      .when = "load=motor"},
     [](const IecAnswer& a) -> Value {
         if (!a.motor) return {};
         return a.motor->motor.designCurrent;
     }},
    {{.key = "start_current",
      .caption = "Starting current",
      .unit = "A",
      .decimals = 3,
      .when = "load=motor"},
     [](const IecAnswer& a) { return motorValue(a, &motors::MotorAnswer::startCurrent); }},
    {{.key = "start_dip_percent",
      .caption = "Dip at the motor while starting",
      .unit = "%",
      .decimals = 3,
      .when = "load=motor"},
     [](const IecAnswer& a) { return motorValue(a, &motors::MotorAnswer::startDipPercent); }},
    {{.key = "start_dip_board_percent",
      .caption = "Dip at the board while starting",
      .unit = "%",
      .decimals = 3,
      .when = "load=motor"},
     [](const IecAnswer& a) { return motorValue(a, &motors::MotorAnswer::startDipBoardPercent); }},
    {{.key = "code", .caption = "Code"},
     [](const IecAnswer&) -> Value { return iec60364Code().name(); }},
}};

class IecCode final : public CircuitCode {
public:
    std::string_view key() const override { return "iec60364"; }
    std::string_view name() const override { return "IEC 60364-5-52:2009"; }
    std::string_view help() const override {
        return "Sizes 1.5 mm² to 630 mm² (aluminium from 16 mm²) of IEC 60228 by IEC "
               "60364-5-52:2009:\nI_z = I_t × C_a × C_g × C_s × C_h from Annex B by "
               "reference method, with the device by\n433.1 (I_B ≤ I_n ≤ I_z, I_2 ≤ 1.45 "
               "I_z); voltage drop by Annex G; short circuit by\n434.5.2 (IEC 60364-4-43); "
               "the minimum sizes of 524.1; the protective conductor by\nIEC 60364-5-54 and, "
               "with an earthing system, automatic disconnection by 411 of\nIEC "
               "60364-4-41; the answer is the largest minimum.";
    }
    std::span<const CheckField> fields() const override {
        static const auto fields = fields::described<CheckField>(kIecFields);
        return fields;
    }
    std::span<const CheckRow> rows() const override {
        static const auto rows = fields::described<CheckRow>(kIecRows);
        return rows;
    }
    std::unique_ptr<CircuitCase> newCase() const override;
};

const IecCode kCode;

class IecCase final : public CircuitCase {
public:
    const CircuitCode& code() const override { return kCode; }
    void reset() override { m_form = {}; }
    std::optional<std::string> set(std::size_t field, std::string_view text) override {
        return kIecFields[field].set(m_form, text);
    }
    std::optional<CheckRefusal> check() override {
        IecInputs inputs = checkedInputs(m_form);
        if (m_origin) m_limitFromOrigin = takeOrigin(inputs, *m_origin);
        m_result = checkIecCircuit(inputs);
        if (auto* refusal = std::get_if<IecRefusal>(&m_result)) return std::move(*refusal);
        return std::nullopt;
    }
    Value value(std::size_t row) const override { return kIecRows[row].value(answer()); }
    bool rowApplies(std::size_t row) const override {
        return kIecRows[row].when.empty() || answer().motor.has_value();
    }
    std::string rowText(std::size_t row) const override {
        const IecAnswer& a = answer();
        // The longest run: "none" with its reason where no run disconnects (JSON null).
        static const std::size_t maxLength = *kCode.rowIndex("max_length_m");
        if (row == maxLength && a.loop && !a.loop->maxLength)
            return "none: " + noRunReason(*a.loop);
        // A criterion no size meets: none (JSON null), its reason in the trail.
        if (row >= kFirstCriterion && row < kFirstCriterion + kCriterionCount &&
            !a.unmet[row - kFirstCriterion].empty())
            return "none";
        return CircuitCase::rowText(row);
    }
    std::string_view sizeLabel() const override { return answer().sizeLabel; }
    std::size_t governingRow() const override {
        return kFirstCriterion + static_cast<std::size_t>(answer().governedBy);
    }
    bool sizeGiven() const override { return answer().sizeGiven; }
    bool hasVerdict() const override { return answer().sizeGiven || !answer().meetsAll; }
    std::vector<CriterionText> fails() const override {
        std::vector<CriterionText> fails;
        for (int c = 0; c < kCriterionCount; ++c)
            if (answer().fails[static_cast<std::size_t>(c)])
                fails.push_back(
                    {iecCriterionKey(IecCriterion(c)), iecCriterionName(IecCriterion(c))});
        return fails;
    }
    void writeTrail(const TrailStepWriter& step) const override {
        for (const TrailStep& s : iecTrail(answer())) step(s.step, s.value, s.source);
    }

    const IecAnswer* answerIfAny() const { return std::get_if<IecAnswer>(&m_result); }

    void setOrigin(const std::optional<Origin>& origin) override { m_origin = origin; }
    std::optional<CableEnd> atEnd() const override;

private:
    // The drop limit from the installation's origin, as the case's inputs give it.
    static double takeOrigin(IecInputs& inputs, const Origin& origin);
    std::optional<Origin> m_origin;
    double m_limitFromOrigin = 0;

    const IecAnswer& answer() const { return std::get<IecAnswer>(m_result); }

    IecForm m_form;
    IecResult m_result = IecRefusal{};
};

// The withstand takes the larger maximum at the origin of the cable (I″k1 can exceed I″k3 at
// a transformer's terminals; the motors' term counts in I″k3) where the case gives a clearing time;
// the loop for the minimum is the Ze of the earth-fault check where an earthing system is given;
// Table G.52.1's limit (or the one given) holds from the origin of the installation, so the cable
// has what is left of it.
double IecCase::takeOrigin(IecInputs& inputs, const Origin& origin) {
    const double maximum = std::max(maximumWithMotors(origin), origin.ik1Max);
    if (maximum > 0 && inputs.clearingTime) inputs.faultCurrent = maximum;
    if (origin.iscMin > 0 && inputs.earthing) inputs.ze = origin.loopMin.magnitude();
    // A motor starts over the source at the cable's origin: per phase, from the maximum
    // three-phase current and its X/R, for three phase; the loop of the maximum for one phase.
    if (inputs.load == Load::Motor) {
        if (inputs.phase == Phase::Three && origin.iscMax > 0) {
            const double z = origin.cMax * origin.volts / std::sqrt(3.0) / origin.iscMax;
            const double r = z / std::hypot(1.0, origin.xOverR);
            inputs.sourceR = r;
            inputs.sourceX = r * origin.xOverR;
        } else if (inputs.phase == Phase::Single && origin.ik1Max > 0) {
            inputs.sourceR = origin.loopMax.r;
            inputs.sourceX = origin.loopMax.x;
        }
    }
    double limit = 0;
    if (inputs.maxDropPercent) {
        limit = *inputs.maxDropPercent;
    } else {
        const auto& row =
            kTableG52_1.rows[inputs.supply.value_or(Supply::Public) == Supply::Public ? 0 : 1];
        limit = inputs.use.value_or(Use::Other) == Use::Lighting ? row.lighting : row.other;
    }
    const double left = dropLeft(limit, origin.dropPercent);
    if (origin.dropPercent <= 0 || left <= 0) return limit;
    inputs.maxDropPercent = left;
    inputs.use.reset();
    inputs.supply.reset();
    return limit;
}

// The cable by IEC 60228's R20 for the maximum and R at the end temperature of the short
// circuit for the minimum (IEC 60909-0), 0.08 mΩ/m of reactance per conductor, the protective
// conductor of the answer as the return.
std::optional<CableEnd> IecCase::atEnd() const {
    const IecAnswer* a = answerIfAny();
    if (!m_origin || a == nullptr) return std::nullopt;
    const IecInputs& in = a->inputs;
    const auto r20 = [&](int size) {
        const ConductorRow& row = kSizes[static_cast<std::size_t>(size)];
        return in.material == Metal::Copper ? row.copperClass2 : row.aluminium;
    };
    const double km = in.length / 1000 / a->sets;
    const double endCelsius =
        faults::kEndTemperatures[in.insulation == Insulation::Pvc ? 0 : 1].celsius;
    const double x = faults::kCableReactanceOhmPerKm * km;
    CableImpedances cable;
    cable.phases = in.phase == Phase::Three ? 3 : 1;
    cable.volts = in.volts;
    cable.sets = a->sets;
    cable.phaseMax = {r20(a->size) * km, x};
    cable.phaseMin = {faults::resistanceAtEnd(r20(a->size), endCelsius) * km, x};
    cable.returnMax = {r20(a->cpc.size) * km, x};
    cable.returnMin = {faults::resistanceAtEnd(r20(a->cpc.size), endCelsius) * km, x};
    cable.dropPercent = a->dropPercent;
    CableEnd end = carryToEnd(*m_origin, cable);
    end.dropLimitPercent = m_limitFromOrigin;
    return end;
}

std::unique_ptr<CircuitCase> IecCode::newCase() const {
    return std::make_unique<IecCase>();
}

}  // namespace

const CircuitCode& iec60364Code() {
    return kCode;
}

const IecAnswer* iecAnswer(const CircuitCase& checked) {
    const auto* iec = dynamic_cast<const IecCase*>(&checked);
    return iec != nullptr ? iec->answerIfAny() : nullptr;
}

}  // namespace ferrovolt::iec60364
