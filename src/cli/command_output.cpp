// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_output.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/json_answer.h"

namespace ferrovolt {

namespace {

// Why the text is refused, as the end of "... is refused: ".
std::string_view why(Reason reason) {
    switch (reason) {
        case Reason::NotAccepted:
            return "it must be one of the accepted texts";
        case Reason::NotPlainNumber:
            return "it must be a plain decimal number: digits with at most one point";
        case Reason::Negative:
            return "it must not be negative";
        case Reason::TooLarge:
            return "it is out of range: the number or its result is too large";
        case Reason::BelowAbsoluteZero:
            return "it is below absolute zero";
        case Reason::NoResistance:
            return "at that temperature the material's resistance would be zero or negative";
        case Reason::AreaShowsZero:
            return "the cable's area shows as 0";
    }
    return "";
}

// "--material \"Gold2\" is refused: ..." naming the option and the text it carried.
std::string refusalMessage(const FieldInput& input, Reason reason) {
    std::string message = "--";
    message.append(fieldName(input.field)).append(" \"").append(input.value);
    message.append("\" is refused: ").append(why(reason));
    if (!input.list.empty())
        message.append(" (see: ferrovolt-calc list ").append(input.list).append(")");
    return message;
}

}  // namespace

void printRows(std::ostream& out, const Outputs& outputs) {
    for (const OutputRow& row : outputs) {
        out << plainCaption(*row.row) << " : " << row.text;
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

int report(const Outcome& outcome, bool json, std::span<const FieldInput> inputs, std::ostream& out,
           std::ostream& err) {
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
        err << kProgram << ": " << oneLine(refusalMessage(*input, refusal->reason)) << '\n';
    else
        err << kProgram << ": --" << fieldName(refusal->field) << " is refused\n";
    return kExitRefused;
}

}  // namespace ferrovolt
