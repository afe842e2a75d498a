// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/check.h"

#include <functional>

#include "numtext/rounded_number.h"

namespace ferrovolt {

std::optional<std::size_t> Check::fieldIndex(std::string_view key) const {
    const std::span<const CheckField> all = fields();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].key == key) return i;
    return std::nullopt;
}

std::optional<std::size_t> Check::indexOf(const CheckField& field) const {
    const std::span<const CheckField> all = fields();
    const std::less<const CheckField*> before;
    if (before(&field, all.data()) || !before(&field, all.data() + all.size())) return std::nullopt;
    return static_cast<std::size_t>(&field - all.data());
}

std::optional<std::size_t> Check::fieldOfKey(std::string_view key) const {
    if (std::optional<std::size_t> own = fieldIndex(key)) return own;
    const std::span<const CheckField> all = fields();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!all[i].alias.empty() && all[i].alias == key) return i;
    return std::nullopt;
}

const CheckField* Check::field(std::string_view key) const {
    const std::optional<std::size_t> i = fieldIndex(key);
    return i ? &fields()[*i] : nullptr;
}

std::optional<std::size_t> Check::rowIndex(std::string_view key) const {
    const std::span<const CheckRow> all = rows();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].key == key) return i;
    return std::nullopt;
}

std::size_t CheckCase::itemCount(std::size_t) const {
    return 0;
}

CheckValue CheckCase::item(std::size_t, std::size_t, std::size_t) const {
    return {};
}

std::string CheckCase::rowText(std::size_t row) const {
    return checkRowText(of().rows()[row], value(row));
}

std::string CheckCase::rowWords(std::size_t row) const {
    std::string text = rowText(row);
    if (const CheckField* field = of().field(of().rows()[row].key); field != nullptr)
        if (const std::optional<std::string_view> words = choiceWords(*field, text)) text = *words;
    return text;
}

std::optional<std::string_view> choiceWords(const CheckField& field, std::string_view key) {
    for (const ChoiceText& choice : field.shown)
        if (choice.key == key) return choice.shown;
    return std::nullopt;
}

std::string inputWords(const CheckField& field, const std::string& text) {
    if (text.empty()) return {};
    if (const std::optional<std::string_view> shown = choiceWords(field, text))
        return std::string(*shown);
    if (field.kind == InputKind::Flag) return text == "true" ? "yes" : "";
    if (field.unit.empty()) return text;
    return text + " " + std::string(field.unit);
}

std::string checkRowText(const CheckRow& row, const CheckValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        std::string text = roundedNumberText(*number, row.decimals);
        if (!row.unit.empty()) (text += ' ') += row.unit;
        return text;
    }
    if (const auto* text = std::get_if<std::string_view>(&value)) return std::string(*text);
    if (const auto* yes = std::get_if<bool>(&value)) return *yes ? "true" : "false";
    return std::string(row.absent);
}

}  // namespace ferrovolt
