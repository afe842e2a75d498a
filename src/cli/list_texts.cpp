// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_texts.h"

#include "calc/voltage_drop.h"
#include "fill/chapter9_tables.h"
#include "iec60364/iec60364_inputs.h"
#include "tables/lists.h"

namespace ferrovolt {

namespace {

// "key: what it is"; the methods' words already begin with their key.
template <class Value, std::size_t N>
std::vector<std::string> choiceTexts(const std::array<Choice<Value>, N>& choices) {
    std::vector<std::string> texts;
    for (const auto& choice : choices)
        texts.push_back(choice.shown.starts_with(choice.key)
                            ? std::string(choice.shown)
                            : std::string(choice.key) + ": " + std::string(choice.shown));
    return texts;
}

}  // namespace

std::vector<std::string> listTexts(const Tables& tables, std::string_view topic, bool inches) {
    std::vector<std::string> texts;
    if (topic == "standards") {
        for (std::string_view name : kStandardNames) texts.emplace_back(name);
    } else if (topic == "gauges") {
        texts = gaugeListTexts();
    } else if (topic == "materials") {
        texts = materialListTexts(tables);
    } else if (topic == "supplies") {
        for (const Supply& supply : SupplyTable) texts.emplace_back(supply.text);
    } else if (topic == "conductors") {
        texts = conductorSizeListTexts();
    } else if (topic == "conduits") {
        for (const auto& row : tables.ConduitSizeTable) texts.push_back(row[inches ? 1 : 0]);
    } else if (topic == "raceways") {
        for (const chapter9::RacewayType& raceway : chapter9::kRaceways) {
            texts.emplace_back(raceway.key);
            if (raceway.key == "pvc-40") texts.emplace_back("hdpe");
        }
    } else if (topic == "trade-sizes") {
        // The trade size, then its metric designator, which is accepted as well.
        for (const chapter9::TradeSize& size : chapter9::kTradeSizes)
            texts.push_back(std::string(size.trade) + " " + std::to_string(size.metric));
    } else if (topic == "fill-conductors") {
        for (const chapter9::ConductorType& type : chapter9::kConductorTypes)
            texts.emplace_back(type.text);
    } else if (topic == "methods") {
        texts = choiceTexts(iec60364::kMethods);
    } else if (topic == "arrangements") {
        texts = choiceTexts(iec60364::kArrangements);
    } else if (topic == "devices") {
        texts = choiceTexts(iec60364::kDevices);
    }
    return texts;
}

}  // namespace ferrovolt
