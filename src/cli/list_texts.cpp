// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_texts.h"

#include "calc/voltage_drop.h"
#include "codes/code_registry.h"
#include "fill/fill_case.h"
#include "tables/lists.h"

namespace ferrovolt {

namespace {

// The topics of the six calculators' lists.
constexpr std::string_view kCalculatorTopics[] = {"standards", "gauges",     "materials",
                                                  "supplies",  "conductors", "conduits"};

// The checks whose fields name a topic, in the order the help names their topics.
std::vector<const Check*> listingChecks() {
    std::vector<const Check*> checks{&fillCheck()};
    for (const CircuitCode* code : circuitCodes()) checks.push_back(code);
    return checks;
}

// "key", or "key: words" where the words do not begin with the key.
std::string entryText(const ChoiceText& entry) {
    if (entry.shown.starts_with(entry.key)) return std::string(entry.shown);
    return std::string(entry.key) + ": " + std::string(entry.shown);
}

// The field of a check whose entries a topic lists.
const CheckField* listedBy(std::string_view topic) {
    for (const Check* check : listingChecks())
        for (const CheckField& field : check->fields())
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
        // An entry without a key is the window's for leaving the choice unsaid, not a text.
        for (const ChoiceText& entry : field->shown)
            if (!entry.key.empty()) texts.push_back(entryText(entry));
    }
    return texts;
}

std::vector<std::string_view> listTopics() {
    std::vector<std::string_view> topics(std::begin(kCalculatorTopics),
                                         std::end(kCalculatorTopics));
    for (const Check* check : listingChecks())
        for (const CheckField& field : check->fields())
            if (!field.list.empty()) topics.push_back(field.list);
    return topics;
}

}  // namespace ferrovolt
