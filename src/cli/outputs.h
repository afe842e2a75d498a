#pragma once

// The result rows of each calculator as the window lays them out, top to bottom: the label's
// name, its row caption, its unit caption and its text. Both the batch answers and the
// command-line printers read these, so names, captions and order live in one place.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/answer.h"
#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"

namespace ferrovolt {

struct OutputRow {
    std::string_view name;     // the result label's name, as the batch answers carry it
    std::string_view caption;  // row caption, without the colon
    std::string_view unit;     // unit caption, empty where the window shows none
    std::string text;
};

// At most eight rows (the Resistivity tab); a fixed array keeps the batch free of vectors.
class Outputs {
public:
    void add(std::string_view name, std::string_view caption, std::string_view unit,
             std::string text);
    const OutputRow* begin() const { return m_rows.data(); }
    const OutputRow* end() const { return m_rows.data() + m_count; }
    std::size_t size() const { return m_count; }

private:
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
