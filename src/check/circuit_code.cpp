// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/circuit_code.h"

#include "numtext/rounded_number.h"

namespace ferrovolt {

std::optional<std::size_t> CircuitCode::fieldIndex(std::string_view key) const {
    const std::span<const CheckField> all = fields();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].key == key) return i;
    return std::nullopt;
}

const CheckField* CircuitCode::field(std::string_view key) const {
    const std::optional<std::size_t> i = fieldIndex(key);
    return i ? &fields()[*i] : nullptr;
}

std::optional<std::size_t> CircuitCode::rowIndex(std::string_view key) const {
    const std::span<const CheckRow> all = rows();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].key == key) return i;
    return std::nullopt;
}

std::string CircuitCase::rowText(std::size_t row) const {
    return checkRowText(code().rows()[row], value(row));
}

std::string CircuitCase::rowWords(std::size_t row) const {
    std::string text = rowText(row);
    if (const CheckField* field = code().field(code().rows()[row].key); field != nullptr)
        if (const std::optional<std::string_view> words = choiceWords(*field, text)) text = *words;
    return text;
}

std::optional<std::string_view> choiceWords(const CheckField& field, std::string_view key) {
    for (const ChoiceText& choice : field.shown)
        if (choice.key == key) return choice.shown;
    return std::nullopt;
}

std::string checkRowText(const CheckRow& row, const CheckValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        std::string text = roundedNumberText(*number, row.decimals);
        if (!row.unit.empty()) (text += ' ') += row.unit;
        return text;
    }
    if (const auto* text = std::get_if<std::string_view>(&value)) return std::string(*text);
    return std::string(row.absent);
}

}  // namespace ferrovolt
