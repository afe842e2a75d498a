// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conductor_size.h"
#include "cli/commands/calculator_commands.h"
#include "cli/commands/result_command.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// The option names the phase; a batch request says whether it is three-phase, and gives the
// volts as any text for the computation to refuse.
class ConductorSizeCommand final : public ResultCommand<ConductorSizeCommand> {
public:
    ConductorSizeCommand() : ResultCommand(kConductorSize) {}

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putText(m_length, f.numberText("length"));
        in.putFlag(m_feet, f.flag("feet"));
        in.putText(m_current, f.numberText("current"));
        in.putText(m_material, f.text("material"));
        in.putText(m_phase, f.flag("three_phase") ? "three" : "single");
        in.putText(m_volts, f.text("volts"));
        return f.ok();
    }

private:
    friend ResultCommand<ConductorSizeCommand>;

    Answer<ConductorSizeResult> calc(const Tables& tables, const Inputs& in) const {
        return CalcConductorSize(tables, in.text(m_length), !in.flag(m_feet), in.text(m_current),
                                 in.text(m_material), in.text(m_phase) != "three",
                                 in.text(m_volts));
    }

    const InputIndex m_length = input("length");
    const InputIndex m_feet = input("feet");
    const InputIndex m_current = input("current");
    const InputIndex m_material = input("material");
    const InputIndex m_phase = input("phase");
    const InputIndex m_volts = input("volts");
};

}  // namespace

const Command& conductorSizeCommand() {
    static const ConductorSizeCommand command;
    return command;
}

}  // namespace ferrovolt
