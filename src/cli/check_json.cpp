// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_json.h"

#include <charconv>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "check/circuit_code.h"
#include "check/common_fields.h"
#include "check/set_case.h"
#include "cli/code_fields.h"
#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "numtext/number_text.h"

namespace ferrovolt {

using Json = nlohmann::ordered_json;

namespace {

// A number as its row or column writes it: rounded to its places where the answer rounds it,
// a whole number where it has none, at full precision otherwise (a sum over many answers then
// sums no rounding).
Json numberJson(double number, int decimals, bool rounded) {
    if (rounded) return roundDouble(number, decimals);
    if (decimals == 0) return static_cast<std::int64_t>(number);
    return number;
}

Json valueJson(const CheckValue& value, int decimals, bool rounded) {
    if (const auto* number = std::get_if<double>(&value))
        return numberJson(*number, decimals, rounded);
    if (const auto* text = std::get_if<std::string_view>(&value)) return *text;
    if (const auto* yes = std::get_if<bool>(&value)) return *yes;
    return nullptr;
}

}  // namespace

void appendCheckRefusal(std::string& out, const CheckRefusal& refusal,
                        std::optional<std::string_view> entry) {
    Json json;
    json["refused"] = refusal.field;
    if (entry) json["entry"] = *entry;
    json["reason"] = refusal.reason;
    appendJson(out, json);
}

void appendCheckAnswer(std::string& out, const CheckCase& checked) {
    Json json;
    const std::span<const CheckRow> rows = checked.of().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CheckRow& row = rows[i];
        if (row.shape == RowShape::One) {
            const CheckValue value = checked.value(i);
            if (!row.follows.empty() && std::holds_alternative<std::monostate>(value)) continue;
            json[std::string(row.key)] = valueJson(value, row.decimals, row.rounded);
            continue;
        }
        Json& member = json[std::string(row.key)];
        member = Json::array();
        for (std::size_t item = 0; item < checked.itemCount(i); ++item) {
            if (row.shape == RowShape::Texts) {
                member.push_back(valueJson(checked.item(i, item, 0), 0, false));
                continue;
            }
            Json columns;
            for (std::size_t c = 0; c < row.columns.size(); ++c) {
                const CheckColumn& column = row.columns[c];
                columns[std::string(column.key)] =
                    valueJson(checked.item(i, item, c), column.decimals, column.rounded);
            }
            member.push_back(std::move(columns));
        }
    }
    // A sizing case says which criteria a given size fails.
    if (const CircuitCase* sizing = checked.sizing(); sizing != nullptr && sizing->hasVerdict()) {
        const std::vector<CriterionText> failed = sizing->fails();
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

CheckRefusal RequestSource::notTaken(const CheckField& field) const {
    return notOfCode(m_check, field.key);
}

CheckRefusal RequestSource::fail(std::string error) {
    m_error = std::move(error);
    return {};
}

std::string RequestSource::mustBe(const CheckField& field, std::string_view what) {
    return "field \"" + std::string(field.key) + "\" must be " + std::string(what);
}

std::optional<std::string_view> RequestSource::textOf(const CheckField& field,
                                                      const RequestValue& member) {
    using Kind = RequestValue::Kind;
    const bool isNumber = member.kind == Kind::Integer || member.kind == Kind::Fraction;
    if (member.kind == Kind::Text) return member.text;
    if (isNumber && field.kind != InputKind::Flag) {
        // The shortest plain decimals that read back as the same double, as the calculators
        // take a JSON number.
        const auto written = std::to_chars(m_digits.data(), m_digits.data() + m_digits.size(),
                                           member.number, std::chars_format::fixed);
        return std::string_view(m_digits.data(), written.ptr);
    }
    if (member.kind == Kind::Bool && field.kind == InputKind::Flag)
        return member.flag ? "true" : "false";
    m_error = mustBe(field, field.kind == InputKind::Flag     ? "true or false"
                            : field.kind == InputKind::Number ? "a number or a number text"
                                                              : "a string");
    return std::nullopt;
}

void appendCheckRequest(std::string& out, const FlatRequest& request, const Check& check) {
    CheckCase& checked = freshCheckCase(check);
    RequestSource source(request, check);
    std::optional<CheckRefusal> refusal = setCase(checked, check.fields(), source);
    if (source.error()) return appendError(out, *source.error());
    if (!refusal) refusal = checked.check();
    if (!refusal) return appendCheckAnswer(out, checked);
    const std::optional<RefusedEntry> entry = refusedEntry(check, *refusal, source);
    appendCheckRefusal(out, *refusal,
                       entry ? std::optional<std::string_view>(entry->text) : std::nullopt);
}

}  // namespace ferrovolt
