// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/circuit_json.h"

#include <array>
#include <charconv>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "check/common_fields.h"
#include "cli/code_fields.h"
#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "codes/code_registry.h"
#include "numtext/number_text.h"

namespace ferrovolt {

using Json = nlohmann::ordered_json;

void appendCheckRefusal(std::string& out, const CheckRefusal& refusal) {
    Json json;
    json["refused"] = refusal.field;
    json["reason"] = refusal.reason;
    appendJson(out, json);
}

void appendCheckAnswer(std::string& out, const CircuitCase& checked) {
    Json json;
    const std::span<const CheckRow> rows = checked.code().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CheckRow& row = rows[i];
        const CheckValue value = checked.value(i);
        if (const auto* number = std::get_if<double>(&value); number && row.decimals == 0)
            json[std::string(row.key)] = static_cast<std::int64_t>(*number);
        else if (number)  // at full precision: a sum over many answers sums no rounding
            json[std::string(row.key)] = *number;
        else if (const auto* text = std::get_if<std::string_view>(&value))
            json[std::string(row.key)] = *text;
        else
            json[std::string(row.key)] = nullptr;
    }
    if (checked.hasVerdict()) {
        const std::vector<CriterionText> failed = checked.fails();
        json[std::string(keys::kMeetsAll)] = failed.empty();
        Json fails = Json::array();
        for (const CriterionText& criterion : failed) fails.push_back(criterion.key);
        json[std::string(keys::kFails)] = std::move(fails);
    }
    Json trail = Json::array();
    checked.writeTrail(
        [&trail](std::string_view step, std::string_view value, std::string_view source) {
            trail.push_back({{"step", step}, {"value", value}, {"source", source}});
        });
    json["trail"] = std::move(trail);
    appendJson(out, json);
}

void appendCircuitRequest(std::string& out, const FlatRequest& request) {
    using Kind = RequestValue::Kind;
    const CircuitCode* code = &defaultCircuitCode();
    if (const RequestValue* member = request.find("code");
        member != nullptr && member->kind != Kind::Null) {
        if (member->kind != Kind::Text) return appendError(out, "field \"code\" must be a string");
        code = circuitCode(member->text);
        if (code == nullptr) return appendCheckRefusal(out, unknownCode(member->text));
    }
    CircuitCase& checked = freshCase(*code);
    GivenKeys givenKeys;
    std::array<char, 400> digits{};  // the longest plain decimals of a double fit
    for (const CheckField* any : everyCircuitField()) {
        const std::optional<std::size_t> index = fieldOfKey(*code, any->key);
        const RequestValue* member = request.find(any->key);
        const bool given = member != nullptr && member->kind != Kind::Null;
        if (!index) {
            if (given) return appendCheckRefusal(out, notOfCode(*code, any->key));
            continue;
        }
        const CheckField& field = code->fields()[*index];
        if (!given) {
            if (field.required && field.key == any->key)
                return appendError(out, "missing field \"" + std::string(field.key) + "\"");
            continue;
        }
        givenKeys.add(*index, any->key);
        std::string_view text;
        const bool isNumber = member->kind == Kind::Integer || member->kind == Kind::Fraction;
        if (member->kind == Kind::Text) {
            text = member->text;
        } else if (isNumber && field.kind != InputKind::Flag) {
            // The shortest plain decimals that read back as the same double, as the other
            // calculators take a JSON number: 100 and "100" are the same input.
            const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                               member->number, std::chars_format::fixed);
            text = std::string_view(digits.data(), written.ptr);
        } else if (member->kind == Kind::Bool && field.kind == InputKind::Flag) {
            text = member->flag ? "true" : "false";
        } else {
            return appendError(out,
                               "field \"" + std::string(any->key) + "\" must be " +
                                   (field.kind == InputKind::Flag     ? "true or false"
                                    : field.kind == InputKind::Number ? "a number or a number text"
                                                                      : "a string"));
        }
        if (std::optional<std::string> reason = checked.set(*index, text))
            return appendCheckRefusal(out, {any->key, std::move(*reason)});
    }
    if (std::optional<CheckRefusal> refusal = checked.check())
        return appendCheckRefusal(out, givenKeys.named(*code, std::move(*refusal)));
    appendCheckAnswer(out, checked);
}

}  // namespace ferrovolt
