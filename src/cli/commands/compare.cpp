// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauge_comparison.h"
#include "cli/commands/calculator_commands.h"
#include "cli/json_rows.h"
#include "cli/request_fields.h"
#include "tables/gauge_area.h"

namespace ferrovolt {

namespace {

// The option names the gauge by its label and the unit by a word; a batch request gives the
// gauge's position and the unit's index, as the tab's arrows and options hold them.
class CompareCommand final : public Command {
public:
    CompareCommand() : Command(kComparison) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outputsOf(calc(tables, in));
    }

    void answer(const Tables& tables, const Inputs& in, std::string& out) const override {
        const ComparisonResult result = calc(tables, in);
        appendOutputs(out, outputTextsOf(result));
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putNumber(m_gauge, f.number("position", kFirstGaugePosition, kLastGaugePosition));
        in.putNumber(m_unit, f.number("unit", 0, 2));
        return f.ok();
    }

private:
    ComparisonResult calc(const Tables& tables, const Inputs& in) const {
        // A request gives numbers; an option's label and word are turned into them here.
        int position = in.number(m_gauge);
        int mode = in.number(m_unit);
        if (position == 0) {
            position = gaugePositionOfLabel(tables, in.text(m_gauge)).value_or(0);
            const std::string_view unit = in.text(m_unit);
            mode = unit == "inches" ? SquareInches
                   : unit == "mils" ? CircularMils
                                    : SquareMillimetres;
        }
        return CalcComparison(tables, position, mode);
    }

    const InputIndex m_gauge = input("gauge");
    const InputIndex m_unit = input("unit");
};

}  // namespace

const Command& compareCommand() {
    static const CompareCommand command;
    return command;
}

}  // namespace ferrovolt
