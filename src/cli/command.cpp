// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

#include <cstdlib>

#include "cli/commands/calculator_commands.h"
#include "cli/json_answer.h"
#include "cli/request_fields.h"

namespace ferrovolt {

InputIndex Inputs::indexOf(const CalculatorDescription& calculator, std::string_view key) {
    for (std::size_t index = 0; index < calculator.inputs.size(); ++index)
        if (calculator.inputs[index].key == key) return {index};
    // A command reads only the keys its description declares, and the tests run every
    // command; a misspelt key stops here rather than reading past the inputs.
    std::abort();
}

bool Command::read(const Tables& /*tables*/, RequestFields& fields, Inputs& inputs) const {
    std::size_t index = 0;
    for (const InputDescription& input : m_description.inputs) {
        switch (input.kind) {
            case InputKind::Flag:
                inputs.setFlag(index, fields.flag(input.key));
                break;
            case InputKind::Choice:
                inputs.setText(index, fields.choiceText(input.key, input.choices));
                break;
            case InputKind::Number:
                inputs.setText(index, fields.numberText(input.key));
                break;
            case InputKind::Text:
            case InputKind::Size:
                inputs.setText(index, fields.text(input.key));
                break;
        }
        ++index;
    }
    return fields.ok();
}

void Command::answer(const Tables& tables, const Inputs& inputs, std::string& out) const {
    appendAnswer(out, compute(tables, inputs));
}

std::span<const Command* const> calculatorCommands() {
    static const std::array<const Command*, 7> commands{
        &areaWeightCommand(), &resistanceCommand(),  &compareCommand(),      &gaugeAreaCommand(),
        &conduitCommand(),    &voltageDropCommand(), &conductorSizeCommand()};
    return commands;
}

const Command* commandForRequest(std::string_view calc) {
    for (const Command* command : calculatorCommands())
        if (command->description().request == calc) return command;
    return nullptr;
}

}  // namespace ferrovolt
