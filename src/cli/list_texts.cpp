// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_texts.h"

#include "calc/voltage_drop.h"
#include "fill/fill_case.h"
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

// "key", or "key: words" where the words do not begin with the key.
std::string entryText(const ChoiceText& entry) {
    if (entry.shown.starts_with(entry.key)) return std::string(entry.shown);
    return std::string(entry.key) + ": " + std::string(entry.shown);
}

// The field of a check whose entries a topic lists.
const CheckField* listedBy(std::string_view topic) {
    for (const CheckField& field : fillCheck().fields())
        if (!field.list.empty() && field.list == topic) return &field;
    return nullptr;
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
    } else if (const CheckField* field = listedBy(topic)) {
        for (const ChoiceText& entry : field->shown) texts.push_back(entryText(entry));
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
