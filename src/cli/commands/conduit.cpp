// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conduit_capacity.h"
#include "cli/commands/calculator_commands.h"
#include "cli/json_answer.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// The size and the cable default by the measure, as the tab refills them when it changes;
// a batch request gives the fill as a whole number.
class ConduitCommand final : public Command {
public:
    ConduitCommand() : Command(kConduit) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outcomeOf(calc(tables, in), in.flag(m_inches));
    }

    void answer(const Tables& tables, const Inputs& in, std::string& out) const override {
        appendAnswerOf(out, calc(tables, in), in.flag(m_inches));
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putFlag(m_inches, f.flag("inches"));
        in.putText(m_size, f.text("size"));
        in.putNumber(m_fill, f.numberOf("fill", 40, 60));
        in.putText(m_cable, f.numberText("cable"));
        return f.ok();
    }

    std::string_view defaultText(const InputDescription& input, const Inputs& in) const override {
        if (input.key == "size") return in.flag(m_inches) ? "4" : "100";
        if (input.key == "cable") return in.flag(m_inches) ? "1" : "25";
        return input.defaultText;
    }

    std::string listHint(const InputDescription& input, const Inputs& in) const override {
        std::string hint(input.list);
        if (!hint.empty() && in.flag(m_inches)) hint += " --inches";
        return hint;
    }

private:
    Answer<ConduitResult> calc(const Tables& tables, const Inputs& in) const {
        const bool fill40 =
            in.number(m_fill) != 0 ? in.number(m_fill) == 40 : in.text(m_fill) == "40";
        return CalcConduitCapacity(tables, in.flag(m_inches), in.text(m_size), fill40,
                                   in.text(m_cable));
    }

    const InputIndex m_inches = input("inches");
    const InputIndex m_size = input("size");
    const InputIndex m_fill = input("fill");
    const InputIndex m_cable = input("cable");
};

}  // namespace

const Command& conduitCommand() {
    static const ConduitCommand command;
    return command;
}

}  // namespace ferrovolt
