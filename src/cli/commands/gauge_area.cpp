// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/gauge_area.h"
#include "cli/commands/calculator_commands.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// Batch only: the lookup the window's lists and labels are filled from, by whole numbers.
class GaugeAreaCommand final : public Command {
public:
    GaugeAreaCommand() : Command(kGaugeAreaLookup) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        std::optional<std::string> area = GaugeArea(tables, in.text("gauge"), in.number("standard"),
                                                    in.number("unit"), in.flag("by_position"));
        return gaugeAreaOutputs(area ? std::move(*area) : std::string());
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putText("gauge", f.text("gauge"));
        in.putNumber("standard", f.number("standard", 0, kStandardCount - 1));
        in.putNumber("unit", f.number("unit", 0, 3));
        in.putFlag("by_position", f.flag("by_position"));
        return f.ok();
    }
};

}  // namespace

const Command& gaugeAreaCommand() {
    static const GaugeAreaCommand command;
    return command;
}

}  // namespace ferrovolt
