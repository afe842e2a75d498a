// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/voltage_drop.h"
#include "cli/commands/calculator_commands.h"

namespace ferrovolt {

namespace {

class VoltageDropCommand final : public Command {
public:
    VoltageDropCommand() : Command(kVoltageDrop) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outcomeOf(CalcVoltageDrop(tables, in.text("length"), !in.flag("feet"),
                                         in.text("current"), in.text("material"), in.text("supply"),
                                         in.text("gauge")));
    }
};

}  // namespace

const Command& voltageDropCommand() {
    static const VoltageDropCommand command;
    return command;
}

}  // namespace ferrovolt
