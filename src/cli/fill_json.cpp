// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fill_json.h"

#include <nlohmann/json.hpp>

#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_sheet.h"
#include "numtext/number_text.h"

namespace ferrovolt {

using Json = nlohmann::ordered_json;

FillResult fillOfTexts(std::string_view raceway, std::string_view size, bool nipple,
                       const std::vector<std::string>& wires,
                       const std::vector<std::string>& cables, bool metric) {
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
    for (const std::string& wire : wires)
        if (std::optional<FillRefusal> refusal = add(fillWireText(wire), at++)) return *refusal;
    for (const std::string& cable : cables)
        if (std::optional<FillRefusal> refusal = add(fillCableText(cable, metric), at++))
            return *refusal;
    return checkFill(in);
}

void appendFillAnswer(std::string& out, const FillResult& result) {
    Json json;
    if (const auto* refusal = std::get_if<FillRefusal>(&result)) {
        json["refused"] = refusal->field;
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
    for (const FillTrailStep& step : fillTrail(a))
        trail.push_back({{"step", step.step}, {"value", step.value}, {"source", step.source}});
    json["trail"] = std::move(trail);
    appendJson(out, json);
}

void appendFillRequest(std::string& out, std::string_view line) {
    const Json request = Json::parse(line, nullptr, false);
    if (request.is_discarded() || !request.is_object())
        return appendError(out, "the request must be a JSON object");
    const auto text = [&request](const char* key, std::string& into) -> std::optional<std::string> {
        const auto member = request.find(key);
        if (member == request.end() || member->is_null()) return std::nullopt;
        if (member->is_string())
            into = member->get<std::string>();
        else if (member->is_number())
            into = formatDouble(member->get<double>());
        else
            return "field \"" + std::string(key) + "\" must be a string";
        return std::nullopt;
    };
    const auto flag = [&request](const char* key, bool& into) -> std::optional<std::string> {
        const auto member = request.find(key);
        if (member == request.end() || member->is_null()) return std::nullopt;
        if (!member->is_boolean())
            return "field \"" + std::string(key) + "\" must be true or false";
        into = member->get<bool>();
        return std::nullopt;
    };
    const auto texts = [&request](const char* key,
                                  std::vector<std::string>& into) -> std::optional<std::string> {
        const auto member = request.find(key);
        if (member == request.end() || member->is_null()) return std::nullopt;
        const std::string must = "field \"" + std::string(key) + "\" must be an array of strings";
        if (!member->is_array()) return must;
        for (const Json& item : *member) {
            if (!item.is_string()) return must;
            into.push_back(item.get<std::string>());
        }
        return std::nullopt;
    };
    if (!request.contains("raceway")) return appendError(out, "missing field \"raceway\"");
    std::string raceway, size;
    bool nipple = false, metric = false;
    std::vector<std::string> wires, cables;
    for (std::optional<std::string> error :
         {text("raceway", raceway), text("size", size), flag("nipple", nipple),
          flag("metric", metric), texts("wire", wires), texts("cable", cables)})
        if (error) return appendError(out, *error);
    appendFillAnswer(out, fillOfTexts(raceway, size, nipple, wires, cables, metric));
}

}  // namespace ferrovolt
