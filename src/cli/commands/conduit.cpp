// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conduit_capacity.h"
#include "cli/commands/calculator_commands.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// The size and the cable default by the measure, as the tab refills them when it changes;
// a batch request gives the fill as a whole number.
class ConduitCommand final : public Command {
public:
    ConduitCommand() : Command(kConduit) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        const bool inches = in.flag("inches");
        const bool fill40 =
            in.number("fill") != 0 ? in.number("fill") == 40 : in.text("fill") == "40";
        return outcomeOf(
            CalcConduitCapacity(tables, inches, in.text("size"), fill40, in.text("cable")), inches);
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.putFlag("inches", f.flag("inches"));
        in.putText("size", f.text("size"));
        in.putNumber("fill", f.numberOf("fill", 40, 60));
        in.putText("cable", f.numberText("cable"));
        return f.ok();
    }

    std::string_view defaultText(const InputDescription& input, const Inputs& in) const override {
        if (input.key == "size") return in.flag("inches") ? "4" : "100";
        if (input.key == "cable") return in.flag("inches") ? "1" : "25";
        return input.defaultText;
    }

    std::string listHint(const InputDescription& input, const Inputs& in) const override {
        std::string hint(input.list);
        if (!hint.empty() && in.flag("inches")) hint += " --inches";
        return hint;
    }
};

}  // namespace

const Command& conduitCommand() {
    static const ConduitCommand command;
    return command;
}

}  // namespace ferrovolt
