#include "calc/conductor_size.h"
#include "cli/commands/calculator_commands.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// The option names the phase; a batch request says whether it is three-phase.
class ConductorSizeCommand final : public Command {
public:
    ConductorSizeCommand() : Command(kConductorSize) {}

    Outcome compute(const Tables& tables, const Inputs& in) const override {
        return outcomeOf(CalcConductorSize(tables, in.text("length"), !in.flag("feet"),
                                           in.text("current"), in.text("material"),
                                           in.text("phase") != "three", in.text("volts")));
    }

    bool read(const Tables& /*tables*/, RequestFields& f, Inputs& in) const override {
        in.setText(0, f.numberText("length"));
        in.setFlag(1, f.flag("feet"));
        in.setText(2, f.numberText("current"));
        in.setText(3, f.text("material"));
        in.setText(4, f.flag("three_phase") ? "three" : "single");
        in.setText(5, f.text("volts"));
        return f.ok();
    }
};

}  // namespace

const Command& conductorSizeCommand() {
    static const ConductorSizeCommand command;
    return command;
}

}  // namespace ferrovolt
