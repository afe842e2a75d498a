// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/answer.h"

#include "numtext/number_text.h"

namespace ferrovolt {

std::string_view fieldName(Field field) {
    switch (field) {
        case Field::Gauge:
            return "gauge";
        case Field::Standard:
            return "standard";
        case Field::Material:
            return "material";
        case Field::Temperature:
            return "temperature";
        case Field::Length:
            return "length";
        case Field::Current:
            return "current";
        case Field::Supply:
            return "supply";
        case Field::Volts:
            return "volts";
        case Field::ConduitSize:
            return "size";
        case Field::Cable:
            return "cable";
    }
    return "";
}

Refusal unreadableNumber(Field field, std::string_view text) {
    return {field, isNumber(text) ? Reason::TooLarge : Reason::NotPlainNumber};
}

}  // namespace ferrovolt
