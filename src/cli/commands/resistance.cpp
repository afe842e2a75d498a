// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/resistance.h"
#include "cli/commands/calculator_commands.h"
#include "cli/json_answer.h"

namespace ferrovolt {

namespace {

class ResistanceCommand final : public Command {
public:
    ResistanceCommand() : Command(kResistanceCalc) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outcomeOf(calc(tables, in));
    }

    void answer(const Tables& tables, const Inputs& in, std::string& out) const override {
        appendAnswerOf(out, calc(tables, in));
    }

private:
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
