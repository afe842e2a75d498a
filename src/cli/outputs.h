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

struct OutputRow {
    const RowDescription* row;
    std::string_view unit;  // the row's unit caption, or the one its measure gives it
    std::string text;
};

// The result rows of one answer, in the order its calculator declares them; at most eight
// (the Resistivity tab), so a fixed array keeps the batch free of vectors.
class Outputs {
public:
    explicit Outputs(const CalculatorDescription& calculator) : m_calculator(&calculator) {}
    // Moves the rows pushed, not all eight: an answer is moved into its Outcome on every
    // batch line.
    Outputs(Outputs&& other) noexcept : m_calculator(other.m_calculator), m_count(other.m_count) {
        for (std::size_t i = 0; i < m_count; ++i) m_rows[i] = std::move(other.m_rows[i]);
    }
    Outputs(const Outputs&) = default;
    Outputs& operator=(const Outputs&) = default;
    Outputs& operator=(Outputs&&) = default;
    ~Outputs() = default;

    // The text of the next declared row.
    void push(std::string&& text);
    // Likewise, with a unit caption other than the declared one.
    void push(std::string&& text, std::string_view unit);

    const CalculatorDescription& calculator() const { return *m_calculator; }
    const OutputRow* begin() const { return m_rows.data(); }
    const OutputRow* end() const { return m_rows.data() + m_count; }
    std::size_t size() const { return m_count; }

private:
    const CalculatorDescription* m_calculator;
    std::array<OutputRow, 8> m_rows{};
    std::size_t m_count = 0;
};

using Outcome = std::variant<Outputs, Refusal>;

Outputs outputsOf(AreaWeightResult&& result);
Outputs outputsOf(ResistanceResult&& result);
Outputs outputsOf(ComparisonResult&& result);
Outputs outputsOf(ConduitResult&& result, bool inches);
Outputs outputsOf(VoltageDropResult&& result);
Outputs outputsOf(ConductorSizeResult&& result);

// The single "area" output of a GaugeArea request; no value is the empty text.
Outputs gaugeAreaOutputs(std::string text);

// A calculator's answer as rows, or its refusal unchanged.
template <typename Result, typename... Extra>
Outcome outcomeOf(Answer<Result>&& answer, Extra... extra) {
    if (auto* refusal = std::get_if<Refusal>(&answer)) return *refusal;
    return outputsOf(std::get<Result>(std::move(answer)), extra...);
}

}  // namespace ferrovolt
