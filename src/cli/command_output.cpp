#include "cli/text_output.h"

#include <ostream>

namespace ferrovolt {

void printRows(std::ostream& out, const Outputs& outputs) {
    for (const OutputRow& row : outputs) {
        out << row.caption << " : " << row.text;
        if (!row.unit.empty()) out << ' ' << row.unit;
        out << '\n';
    }
}

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

}  // namespace

std::string refusalMessage(Field field, std::string_view value, std::string_view list) {
    std::string message = "--";
    message.append(fieldName(field)).append(" \"").append(value).append("\" is refused: ");
    message.append("it must be ").append(whatIsAccepted(field));
    if (!list.empty()) message.append(" (see: ferrovolt-calc list ").append(list).append(")");
    return message;
}

}  // namespace ferrovolt
