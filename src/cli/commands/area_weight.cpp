// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/area_weight.h"
#include "cli/commands/calculator_commands.h"
#include "cli/commands/result_command.h"

namespace ferrovolt {

namespace {

class AreaWeightCommand final : public ResultCommand<AreaWeightCommand> {
public:
    AreaWeightCommand() : ResultCommand(kAreaWeight) {}

private:
    friend ResultCommand<AreaWeightCommand>;

    Answer<AreaWeightResult> calc(const Tables& tables, const Inputs& in) const {
        return CalcAreaWeight(tables, in.text(m_gauge), in.text(m_standard));
    }

    const InputIndex m_gauge = input("gauge");
    const InputIndex m_standard = input("standard");
};

}  // namespace

const Command& areaWeightCommand() {
    static const AreaWeightCommand command;
    return command;
}

}  // namespace ferrovolt
