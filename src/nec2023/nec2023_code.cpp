// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2023/nec2023_code.h"

#include <algorithm>

#include "check/field_applies.h"
#include "check/field_reading.h"
#include "faults/fault_current.h"
#include "motors/motor_tables.h"
#include "nec2023/nec2023_fields.h"
#include "nec2023/nec2023_hand_on.h"
#include "nec2023/nec2023_tables.h"
#include "units/exact_units.h"

namespace ferrovolt {

namespace {

class NecCode final : public CircuitCode {
public:
    std::string_view key() const override { return "nec2023"; }
    std::string_view name() const override { return "NEC 2023"; }
    std::string_view help() const override {
        static const std::string text =
            "Sizes 14 AWG to 2000 kcmil (aluminium from 12 AWG) by NEC 2023: ampacity (Table "
            "310.16:\n(a) 125 % of a continuous load before any factor and (b) the load after "
            "Table\n310.15(B)(1)(1) and Table 310.15(C)(1), with the terminal limit of " +
            std::string(nec2023::kRuleTerminals.item) +
            ", and\nthe conductor protected by its device, " +
            citedItems(nec2023::kRuleNextSizeUp, " and ", nec2023::kRuleAboveLimit) +
            "), voltage drop (Chapter 9\nTable 9, a recommendation), short circuit (ICEA "
            "P-32-382, with a fault current and a\nclearing time) and the small-conductor "
            "rule 240.4(D); the answer is the largest minimum.";
        return text;
    }
    std::span<const CheckField> fields() const override {
        static const auto fields = fields::described<CheckField>(kCircuitFields);
        return fields;
    }
    std::span<const CheckRow> rows() const override {
        static const auto rows = fields::described<CheckRow>(kCircuitRows);
        return rows;
    }
    std::unique_ptr<CircuitCase> newCase() const override;
    std::optional<LargestMotorRule> largestMotorRule() const override {
        return LargestMotorRule{motors::kFeederLargestPercent / 100 - 1,
                                motors::kRuleFeederConductor.item};
    }
};

const NecCode kCode;

class NecCase final : public CircuitCase {
public:
    NecCase() = default;
    // A case over an answer worked out already, which outlives it: its sheet and report.
    explicit NecCase(const CircuitAnswer& answer) : m_answer(&answer) {}

    const CircuitCode& code() const override { return kCode; }
    void reset() override { m_inputs = {}; }
    std::optional<std::string> set(std::size_t field, std::string_view text) override {
        return kCircuitFields[field].set(m_inputs, text);
    }
    std::optional<CheckRefusal> check() override {
        CircuitInputs inputs = m_inputs;
        if (m_origin) takeOrigin(inputs, *m_origin);
        m_result = checkCircuit(inputs);
        m_answer = std::get_if<CircuitAnswer>(&m_result);
        if (auto* refusal = std::get_if<CircuitRefusal>(&m_result)) return std::move(*refusal);
        return std::nullopt;
    }
    CheckValue value(std::size_t row) const override { return kCircuitRows[row].value(*m_answer); }
    bool rowApplies(std::size_t row) const override {
        const std::optional<FieldCondition> condition =
            conditionOf(CheckField{.when = kCircuitRows[row].when});
        return !condition || (m_answer != nullptr && m_answer->motor.has_value());
    }
    std::string rowText(std::size_t row) const override {
        const CircuitRow& shown = kCircuitRows[row];
        // A motor's dip needs the path from the source: said, rather than left blank.
        if (m_answer != nullptr && m_answer->motor && !m_answer->motor->hvac &&
            (shown.key == "start_dip_percent" || shown.key == "start_dip_board_percent") &&
            !m_answer->motor->startDipPercent)
            return "not worked out: give the available fault current and X/R at the origin";
        return CircuitCase::rowText(row);
    }
    std::string_view sizeLabel() const override { return m_answer->sizeLabel; }
    std::size_t governingRow() const override {
        return static_cast<std::size_t>(&criterionRow(m_answer->governedBy) - kCircuitRows.data());
    }
    bool sizeGiven() const override { return m_answer->sizeGiven; }
    std::vector<CriterionText> fails() const override {
        std::vector<CriterionText> fails;
        for (const Criterion criterion : m_answer->fails)
            fails.push_back({criterionKey(criterion), criterionName(criterion)});
        return fails;
    }
    void writeTrail(const TrailStepWriter& step) const override {
        writeCircuitTrail(*m_answer, step);
    }

    void setOrigin(const std::optional<Origin>& origin) override { m_origin = origin; }
    std::optional<CableEnd> atEnd() const override;
    std::optional<HandOn> fillHandOn() const override {
        if (m_answer == nullptr) return std::nullopt;
        return necFillHandOn(*m_answer);
    }

    const CircuitAnswer* answerIfAny() const { return m_answer; }

private:
    static void takeOrigin(CircuitInputs& inputs, const Origin& origin);

    CircuitInputs m_inputs;
    std::optional<Origin> m_origin;
    CircuitResult m_result = CircuitRefusal{};
    const CircuitAnswer* m_answer = nullptr;  // of the last check, or the one given
};

// 210.19(A) and 215.2(A) informational notes: 5 % for feeder and branch together.
constexpr double kTotalDropPercent = 5;

// The withstand takes the maximum at the point the cable leaves, motors included, where the case
// gives a clearing time to check it with; the drop limit is what is left of the 5 % when that is
// less than the case's own (3 % by default), so an enlarged feeder relieves the circuits below.
void NecCase::takeOrigin(CircuitInputs& inputs, const Origin& origin) {
    if (origin.iscMax > 0 && inputs.clearingTime) inputs.faultCurrent = maximumWithMotors(origin);
    const double left = dropLeft(kTotalDropPercent, origin.dropPercent);
    if (origin.dropPercent > 0 && left > 0)
        inputs.maxDropPercent = std::min(inputs.maxDropPercent, left);
    // A motor starts against the path the tree gives it, unless its circuit says otherwise.
    if (inputs.load == LoadKind::Motor && !inputs.availableFault && origin.iscMax > 0 &&
        origin.xOverR > 0) {
        inputs.availableFault = origin.iscMax;
        inputs.xr = origin.xOverR;
    }
}

// The cable by Chapter 9 Table 9 (75 °C, by raceway), for the maximum and the minimum alike,
// with a neutral of the line's size as the return; C from the handbook table, in steel or
// not.
std::optional<CableEnd> NecCase::atEnd() const {
    if (!m_origin || m_answer == nullptr) return std::nullopt;
    const CircuitInputs& in = m_answer->trail.inputs;
    const auto row =
        std::find_if(nec2023::kChapter9Table9.begin(), nec2023::kChapter9Table9.end(),
                     [&](const nec2023::Table9Row& r) { return r.size == m_answer->size; });
    if (row == nec2023::kChapter9Table9.end()) return std::nullopt;
    const auto raceway = static_cast<std::size_t>(in.raceway);
    const bool steel = in.raceway == Raceway::Steel;
    const bool aluminium = in.material == Material::Aluminium;
    const double r = aluminium ? row->rAluminum[raceway] : row->rCopper[raceway];
    const double x = steel ? row->xSteel : row->xPvcAluminium;
    CableImpedances cable;
    cable.phases = in.threePhase ? 3 : 1;
    cable.volts = in.volts;
    cable.lengthFt = in.feet ? in.length : in.length / kMetresPerFoot;
    cable.sets = m_answer->sets;
    cable.phaseMax = faults::runImpedance(r, x, cable.lengthFt, cable.sets);
    cable.phaseMin = cable.returnMax = cable.returnMin = cable.phaseMax;
    cable.pointConstant = faults::conductorConstant(m_answer->sizeLabel, aluminium, steel);
    cable.dropPercent = m_answer->dropPercent;
    CableEnd end = carryToEnd(*m_origin, cable);
    end.dropLimitPercent = kTotalDropPercent;
    return end;
}

std::unique_ptr<CircuitCase> NecCode::newCase() const {
    return std::make_unique<NecCase>();
}

}  // namespace

const CircuitCode& nec2023Code() {
    return kCode;
}

const CircuitAnswer* necAnswer(const CircuitCase& checked) {
    const auto* nec = dynamic_cast<const NecCase*>(&checked);
    return nec != nullptr ? nec->answerIfAny() : nullptr;
}

std::unique_ptr<CircuitCase> necCase(const CircuitAnswer& answer) {
    return std::make_unique<NecCase>(answer);
}

}  // namespace ferrovolt
