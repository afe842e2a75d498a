// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calculator's answer as the texts of its declared result rows (describe/), which the batch
// answers, the JSON and the command-line printers all read.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "calc/answer.h"
#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "describe/calculators.h"

namespace ferrovolt {

template <typename Text>
struct BasicOutputRow {
    const RowDescription* row;
    std::string_view unit;  // the row's unit caption, or the one its measure gives it
    Text text;
};

// The result rows of one answer, in the order its calculator declares them; at most eight
// (the Resistivity tab), so a fixed array keeps the batch free of vectors. Outputs own their
// texts; OutputTexts view those of a result that outlives them, as a batch line's answer is
// written straight from its result.
template <typename Text>
class BasicOutputs {
public:
    explicit BasicOutputs(const CalculatorDescription& calculator) : m_calculator(&calculator) {}
    // Moves the rows pushed, not all eight.
    BasicOutputs(BasicOutputs&& other) noexcept
        : m_calculator(other.m_calculator), m_count(other.m_count) {
        for (std::size_t i = 0; i < m_count; ++i) m_rows[i] = std::move(other.m_rows[i]);
    }
    BasicOutputs(const BasicOutputs&) = default;
    BasicOutputs& operator=(const BasicOutputs&) = default;
    BasicOutputs& operator=(BasicOutputs&&) = default;
    ~BasicOutputs() = default;

    // The text of the next declared row.
    template <typename T>
    void push(T&& text) {
        push(std::forward<T>(text), m_calculator->rows[m_count].unit);
    }
    // Likewise, with a unit caption other than the declared one.
    template <typename T>
    void push(T&& text, std::string_view unit) {
        BasicOutputRow<Text>& row = m_rows[m_count];
        row.row = &m_calculator->rows[m_count];
        row.unit = unit;
        row.text = std::forward<T>(text);
        ++m_count;
    }

    const CalculatorDescription& calculator() const { return *m_calculator; }
    const BasicOutputRow<Text>* begin() const { return m_rows.data(); }
    const BasicOutputRow<Text>* end() const { return m_rows.data() + m_count; }
    std::size_t size() const { return m_count; }

private:
    const CalculatorDescription* m_calculator;
    std::array<BasicOutputRow<Text>, 8> m_rows{};
    std::size_t m_count = 0;
};

using OutputRow = BasicOutputRow<std::string>;
using Outputs = BasicOutputs<std::string>;
using OutputTexts = BasicOutputs<std::string_view>;

using Outcome = std::variant<Outputs, Refusal>;

Outputs outputsOf(AreaWeightResult&& result);
Outputs outputsOf(ResistanceResult&& result);
Outputs outputsOf(ComparisonResult&& result);
Outputs outputsOf(ConduitResult&& result, bool inches);
Outputs outputsOf(VoltageDropResult&& result);
Outputs outputsOf(ConductorSizeResult&& result);

// The same texts viewed in place; the result must outlive them.
OutputTexts outputTextsOf(const AreaWeightResult& result);
OutputTexts outputTextsOf(const ResistanceResult& result);
OutputTexts outputTextsOf(const ComparisonResult& result);
OutputTexts outputTextsOf(const ConduitResult& result, bool inches);
OutputTexts outputTextsOf(const VoltageDropResult& result);
OutputTexts outputTextsOf(const ConductorSizeResult& result);

// The single "area" output of a GaugeArea request; no value is the empty text.
Outputs gaugeAreaOutputs(std::string text);
OutputTexts gaugeAreaTexts(std::string_view text);

// A calculator's answer as rows, or its refusal unchanged.
template <typename Result, typename... Extra>
Outcome outcomeOf(Answer<Result>&& answer, Extra... extra) {
    if (auto* refusal = std::get_if<Refusal>(&answer)) return *refusal;
    return outputsOf(std::get<Result>(std::move(answer)), extra...);
}

}  // namespace ferrovolt
