// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conductor_size.h"
#include "cli/commands/calculator_commands.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// The option names the phase; a batch request says whether it is three-phase, and gives the
// volts as any text for the computation to refuse.
class ConductorSizeCommand final : public Command {
public:
    ConductorSizeCommand() : Command(kConductorSize) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outcomeOf(CalcConductorSize(tables, in.text("length"), !in.flag("feet"),
                                           in.text("current"), in.text("material"),
                                           in.text("phase") != "three", in.text("volts")));
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putText("length", f.numberText("length"));
        in.putFlag("feet", f.flag("feet"));
        in.putText("current", f.numberText("current"));
        in.putText("material", f.text("material"));
        in.putText("phase", f.flag("three_phase") ? "three" : "single");
        in.putText("volts", f.text("volts"));
        return f.ok();
    }
};

}  // namespace

const Command& conductorSizeCommand() {
    static const ConductorSizeCommand command;
    return command;
}

}  // namespace ferrovolt
