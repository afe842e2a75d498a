// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/resistance.h"
#include "cli/commands/calculator_commands.h"
#include "cli/commands/result_command.h"

namespace ferrovolt {

namespace {

class ResistanceCommand final : public ResultCommand<ResistanceCommand> {
public:
    ResistanceCommand() : ResultCommand(kResistanceCalc) {}

private:
    friend ResultCommand<ResistanceCommand>;

    Answer<ResistanceResult> calc(const Tables& tables, const Inputs& in) const {
        const std::string_view unit = in.text(m_unit);
        const TempUnit tempUnit = unit == "F"   ? TempUnit::Fahrenheit
                                  : unit == "K" ? TempUnit::Kelvin
                                                : TempUnit::Celsius;
        return CalcResistance(tables, in.text(m_gauge), in.text(m_material), in.text(m_temperature),
                              tempUnit);
    }

    const InputIndex m_gauge = input("gauge");
    const InputIndex m_material = input("material");
    const InputIndex m_temperature = input("temperature");
    const InputIndex m_unit = input("unit");
};

}  // namespace

const Command& resistanceCommand() {
    static const ResistanceCommand command;
    return command;
}

}  // namespace ferrovolt
