// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/voltage_drop.h"
#include "cli/commands/calculator_commands.h"
#include "cli/commands/result_command.h"

namespace ferrovolt {

namespace {

class VoltageDropCommand final : public ResultCommand<VoltageDropCommand> {
public:
    VoltageDropCommand() : ResultCommand(kVoltageDrop) {}

private:
    friend ResultCommand<VoltageDropCommand>;

    Answer<VoltageDropResult> calc(const Tables& tables, const Inputs& in) const {
        return CalcVoltageDrop(tables, in.text(m_length), !in.flag(m_feet), in.text(m_current),
                               in.text(m_material), in.text(m_supply), in.text(m_gauge));
    }

    const InputIndex m_length = input("length");
    const InputIndex m_feet = input("feet");
    const InputIndex m_current = input("current");
    const InputIndex m_material = input("material");
    const InputIndex m_supply = input("supply");
    const InputIndex m_gauge = input("gauge");
};

}  // namespace

const Command& voltageDropCommand() {
    static const VoltageDropCommand command;
    return command;
}

}  // namespace ferrovolt
