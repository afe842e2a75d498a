// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/resistance.h"
#include "cli/commands/calculator_commands.h"

namespace ferrovolt {

namespace {

class ResistanceCommand final : public Command {
public:
    ResistanceCommand() : Command(kResistanceCalc) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        const std::string_view unit = in.text("unit");
        const TempUnit tempUnit = unit == "F"   ? TempUnit::Fahrenheit
                                  : unit == "K" ? TempUnit::Kelvin
                                                : TempUnit::Celsius;
        return outcomeOf(CalcResistance(tables, in.text("gauge"), in.text("material"),
                                        in.text("temperature"), tempUnit));
    }
};

}  // namespace

const Command& resistanceCommand() {
    static const ResistanceCommand command;
    return command;
}

}  // namespace ferrovolt
