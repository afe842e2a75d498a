#include "cli/command_output.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/json_answer.h"

namespace ferrovolt {

namespace {

std::string_view whatIsAccepted(Field field) {
    switch (field) {
        case Field::Temperature:
            return "a number, not below absolute zero";
        case Field::Length:
        case Field::Current:
            return "a number, not negative";
        case Field::Cable:
            return "a number whose cable area is above 0";
        case Field::Gauge:
        case Field::Standard:
        case Field::Material:
        case Field::Supply:
        case Field::Volts:
        case Field::ConduitSize:
            return "one of the accepted texts";
    }
    return "";
}

// "--material \"Gold2\" is refused: ..." naming the option and the text it carried.
std::string refusalMessage(const FieldInput& input) {
    std::string message = "--";
    message.append(fieldName(input.field)).append(" \"").append(*input.value);
    message.append("\" is refused: it must be ").append(whatIsAccepted(input.field));
    if (!input.list.empty())
        message.append(" (see: ferrovolt-calc list ").append(input.list).append(")");
    return message;
}

}  // namespace

void printRows(std::ostream& out, const Outputs& outputs) {
    for (const OutputRow& row : outputs) {
        out << row.caption << " : " << row.text;
        if (!row.unit.empty()) out << ' ' << row.unit;
        out << '\n';
    }
}

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int report(const Outcome& outcome, bool json, std::initializer_list<FieldInput> inputs,
           std::ostream& out, std::ostream& err) {
    if (json) {
        std::string line;
        appendAnswer(line, outcome);
        out << line << '\n';
    } else if (const auto* outputs = std::get_if<Outputs>(&outcome)) {
        printRows(out, *outputs);
    }
    const auto* refusal = std::get_if<Refusal>(&outcome);
    if (refusal == nullptr) return kExitOk;
    if (json) return kExitRefused;  // the answer on standard output says it all
    const auto input = std::find_if(inputs.begin(), inputs.end(),
                                    [&](const FieldInput& i) { return i.field == refusal->field; });
    if (input != inputs.end())
        err << kProgram << ": " << oneLine(refusalMessage(*input)) << '\n';
    else
        err << kProgram << ": --" << fieldName(refusal->field) << " is refused\n";
    return kExitRefused;
}

}  // namespace ferrovolt
