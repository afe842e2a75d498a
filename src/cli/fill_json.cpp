// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fill_json.h"

#include <array>
#include <charconv>

#include <nlohmann/json.hpp>

#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_sheet.h"
#include "numtext/number_text.h"

namespace ferrovolt {

using Json = nlohmann::ordered_json;

FillResult fillOfTexts(std::string_view raceway, std::string_view size, bool nipple,
                       std::span<const std::string_view> wires,
                       std::span<const std::string_view> cables, bool metric) {
    FillInputs in;
    const std::optional<int> type = fillRacewayOf(raceway);
    if (!type)
        return FillRefusal{"raceway", "\"" + std::string(raceway) +
                                          "\" is not a raceway type (ferrovolt-calc list "
                                          "raceways)"};
    in.raceway = *type;
    in.nipple = nipple;
    if (!size.empty()) {
        in.tradeSize = fillTradeSizeOf(size);
        if (!in.tradeSize)
            return FillRefusal{"size", "\"" + std::string(size) +
                                           "\" is not a trade size or metric designator "
                                           "(ferrovolt-calc list trade-sizes)"};
    }
    const auto add = [&in](std::variant<FillRow, FillRefusal> row,
                           int at) -> std::optional<FillRefusal> {
        if (auto* refusal = std::get_if<FillRefusal>(&row)) {
            refusal->row = at;
            return std::move(*refusal);
        }
        in.rows.push_back(std::get<FillRow>(row));
        return std::nullopt;
    };
    int at = 0;
    for (const std::string_view wire : wires)
        if (std::optional<FillRefusal> refusal = add(fillWireText(wire), at++)) return *refusal;
    for (const std::string_view cable : cables)
        if (std::optional<FillRefusal> refusal = add(fillCableText(cable, metric), at++))
            return *refusal;
    return checkFill(in);
}

std::optional<std::string_view> fillRefusedEntry(const FillRefusal& refusal,
                                                 std::span<const std::string_view> wires,
                                                 std::span<const std::string_view> cables) {
    if (refusal.row < 0) return std::nullopt;
    const auto at = static_cast<std::size_t>(refusal.row);
    if (at < wires.size()) return wires[at];
    if (at - wires.size() < cables.size()) return cables[at - wires.size()];
    return std::nullopt;
}

void appendFillAnswer(std::string& out, const FillResult& result,
                      std::optional<std::string_view> entry) {
    Json json;
    if (const auto* refusal = std::get_if<FillRefusal>(&result)) {
        json["refused"] = refusal->field;
        if (entry) json["entry"] = *entry;
        json["reason"] = refusal->reason;
        return appendJson(out, json);
    }
    const auto& a = std::get<FillAnswer>(result);
    const chapter9::TradeSize& trade = chapter9::kTradeSizes[static_cast<std::size_t>(a.tradeSize)];
    json["raceway"] = fillRacewayName(a.raceway);
    json["trade_size"] = trade.trade;
    json["metric_designator"] = trade.metric;
    Json conductors = Json::array();
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        const FillRow& row = a.inputs.rows[i];
        conductors.push_back({{"row", fillRowText(row)},
                              {"count", row.count},
                              {"diameter_in", roundDouble(a.items[i].diameter, 4)},
                              {"area_in2", roundDouble(a.items[i].area, 4)}});
    }
    json["conductors"] = std::move(conductors);
    json["count"] = a.count;
    json["total_area_in2"] = roundDouble(a.totalArea, 4);
    json["raceway_area_in2"] = a.racewayArea;
    json["allowed_area_in2"] = roundDouble(a.allowedArea, 4);
    json["allowed_percent"] = roundDouble(100 * a.percent, 0);
    json["fill_percent"] = roundDouble(a.fillPercent, 3);
    json["fits"] = a.fits;
    json["size_given"] = a.sizeGiven;
    json["max_same"] = a.maxSame ? Json(*a.maxSame) : Json(nullptr);
    json["by_note_7"] = a.byNote7;
    json["rule"] = fillRuleText(a);
    json["verdict"] = fillVerdict(a);
    json["warnings"] = fillWarnings(a);
    Json trail = Json::array();
    for (const TrailStep& step : fillTrail(a))
        trail.push_back({{"step", step.step}, {"value", step.value}, {"source", step.source}});
    json["trail"] = std::move(trail);
    appendJson(out, json);
}

void appendFillRequest(std::string& out, const FlatRequest& request) {
    using Kind = RequestValue::Kind;
    std::array<std::array<char, 400>, 2> digits{};  // the longest plain decimals of a double
    std::size_t numbers = 0;
    const auto text = [&](const char* key, std::string_view& into) -> std::optional<std::string> {
        const RequestValue* member = request.find(key);
        if (member == nullptr || member->kind == Kind::Null) return std::nullopt;
        if (member->kind == Kind::Text) {
            into = member->text;
        } else if (member->kind == Kind::Integer || member->kind == Kind::Fraction) {
            // The shortest plain decimals that read back as the same double, as the circuit
            // and the calculators take a JSON number: 27 and "27" are the same input.
            std::array<char, 400>& room = digits[numbers++];
            const auto written = std::to_chars(room.data(), room.data() + room.size(),
                                               member->number, std::chars_format::fixed);
            into = std::string_view(room.data(), written.ptr);
        } else {
            return "field \"" + std::string(key) + "\" must be a string";
        }
        return std::nullopt;
    };
    const auto flag = [&request](const char* key, bool& into) -> std::optional<std::string> {
        const RequestValue* member = request.find(key);
        if (member == nullptr || member->kind == Kind::Null) return std::nullopt;
        if (member->kind != Kind::Bool)
            return "field \"" + std::string(key) + "\" must be true or false";
        into = member->flag;
        return std::nullopt;
    };
    const auto texts = [&request](
                           const char* key,
                           std::vector<std::string_view>& into) -> std::optional<std::string> {
        const RequestValue* member = request.find(key);
        if (member == nullptr || member->kind == Kind::Null) return std::nullopt;
        const std::string must = "field \"" + std::string(key) + "\" must be an array of strings";
        if (!member->array) return must;
        for (const RequestValue& item : request.items(*member)) {
            if (item.kind != Kind::Text) return must;
            into.push_back(item.text);
        }
        return std::nullopt;
    };
    if (request.find("raceway") == nullptr) return appendError(out, "missing field \"raceway\"");
    std::string_view raceway, size;
    bool nipple = false, metric = false;
    std::vector<std::string_view> wires, cables;
    for (std::optional<std::string> error :
         {text("raceway", raceway), text("size", size), flag("nipple", nipple),
          flag("metric", metric), texts("wire", wires), texts("cable", cables)})
        if (error) return appendError(out, *error);
    const FillResult result = fillOfTexts(raceway, size, nipple, wires, cables, metric);
    const auto* refusal = std::get_if<FillRefusal>(&result);
    appendFillAnswer(out, result,
                     refusal != nullptr ? fillRefusedEntry(*refusal, wires, cables) : std::nullopt);
}

}  // namespace ferrovolt
