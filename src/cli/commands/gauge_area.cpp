// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/gauge_area.h"
#include "cli/commands/calculator_commands.h"
#include "cli/json_rows.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// Batch only: the lookup the window's lists and labels are filled from, by whole numbers.
class GaugeAreaCommand final : public Command {
public:
    GaugeAreaCommand() : Command(kGaugeAreaLookup) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        std::optional<std::string> area = GaugeArea(tables, in.text(m_gauge), in.number(m_standard),
                                                    in.number(m_unit), in.flag(m_byPosition));
        return gaugeAreaOutputs(area ? std::move(*area) : std::string());
    }

    void answer(const Tables& tables, const Inputs& in, std::string& out) const override {
        const std::optional<std::string> area =
            GaugeArea(tables, in.text(m_gauge), in.number(m_standard), in.number(m_unit),
                      in.flag(m_byPosition));
        appendOutputs(out, gaugeAreaTexts(area ? std::string_view(*area) : std::string_view()));
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putText(m_gauge, f.text("gauge"));
        in.putNumber(m_standard, f.number("standard", 0, kStandardCount - 1));
        in.putNumber(m_unit, f.number("unit", 0, 3));
        in.putFlag(m_byPosition, f.flag("by_position"));
        return f.ok();
    }

private:
    const InputIndex m_gauge = input("gauge");
    const InputIndex m_standard = input("standard");
    const InputIndex m_unit = input("unit");
    const InputIndex m_byPosition = input("by_position");
};

}  // namespace

const Command& gaugeAreaCommand() {
    static const GaugeAreaCommand command;
    return command;
}

}  // namespace ferrovolt
