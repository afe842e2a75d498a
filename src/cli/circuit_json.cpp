// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/circuit_json.h"

#include <array>
#include <charconv>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "circuit/circuit_fields.h"
#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "numtext/number_text.h"

namespace ferrovolt {

using Json = nlohmann::ordered_json;

void appendCircuitAnswer(std::string& out, const CircuitResult& result) {
    Json json;
    if (const auto* refusal = std::get_if<CircuitRefusal>(&result)) {
        json["refused"] = refusal->field;
        json["reason"] = refusal->reason;
        return appendJson(out, json);
    }
    const auto& answer = std::get<CircuitAnswer>(result);
    for (const CircuitRow& row : kCircuitRows) {
        const CircuitValue value = row.value(answer);
        if (const auto* number = std::get_if<double>(&value); number && row.decimals == 0)
            json[std::string(row.key)] = static_cast<std::int64_t>(*number);
        else if (number)  // at full precision: a sum over many answers sums no rounding
            json[std::string(row.key)] = *number;
        else if (const auto* text = std::get_if<std::string_view>(&value))
            json[std::string(row.key)] = *text;
        else
            json[std::string(row.key)] = nullptr;
    }
    if (answer.sizeGiven) {
        json["meets_all"] = answer.fails.empty();
        Json fails = Json::array();
        for (const Criterion criterion : answer.fails) fails.push_back(criterionKey(criterion));
        json["fails"] = std::move(fails);
    }
    Json trail = Json::array();
    writeCircuitTrail(
        answer, [&trail](std::string_view step, std::string_view value, std::string_view source) {
            trail.push_back({{"step", step}, {"value", value}, {"source", source}});
        });
    json["trail"] = std::move(trail);
    appendJson(out, json);
}

void appendCircuitRequest(std::string& out, const FlatRequest& request) {
    using Kind = RequestValue::Kind;
    CircuitInputs inputs;
    std::array<char, 400> digits{};  // the longest plain decimals of a double fit
    for (const CircuitField& field : kCircuitFields) {
        const RequestValue* member = request.find(field.key);
        if (member == nullptr || member->kind == Kind::Null) {
            if (field.required)
                return appendError(out, "missing field \"" + std::string(field.key) + "\"");
            continue;
        }
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
                               "field \"" + std::string(field.key) + "\" must be " +
                                   (field.kind == InputKind::Flag     ? "true or false"
                                    : field.kind == InputKind::Number ? "a number or a number text"
                                                                      : "a string"));
        }
        if (std::optional<std::string> reason = field.set(inputs, text))
            return appendCircuitAnswer(out, CircuitRefusal{field.key, std::move(*reason)});
    }
    appendCircuitAnswer(out, checkCircuit(inputs));
}

}  // namespace ferrovolt
