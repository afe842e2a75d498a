// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_texts.h"

#include <algorithm>
#include <cmath>

#include "calc/voltage_drop.h"
#include "codes/code_registry.h"
#include "fill/fill_case.h"
#include "motors/motor_tables.h"
#include "numtext/rounded_number.h"
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

// The voltage columns of a table that hold a value for a row, as "115, 200, 208 V".
template <class Row, std::size_t N>
std::string columnsOf(const Row& row, const std::array<int, N>& volts) {
    std::string text;
    for (std::size_t c = 0; c < N; ++c)
        if (row.amps[c] > 0) (text += text.empty() ? "" : ", ") += std::to_string(volts[c]);
    return text.empty() ? text : text + " V";
}

// The horsepower rows of Tables 430.248 and 430.250 (induction), each with the rated
// voltages that hold it: "7-1/2 hp (7.5): single phase 115, 200, 208, 230 V; three phase
// 200, 208, 230, 460, 575 V". A cell printed by one reproduction only is not a value here.
std::vector<std::string> motorRows() {
    std::vector<double> sizes;
    for (const auto& row : motors::kTable430_248) sizes.push_back(row.size.hp);
    for (const auto& row : motors::kTable430_250)
        if (std::none_of(sizes.begin(), sizes.end(),
                         [&](double hp) { return std::abs(hp - row.size.hp) < 1e-9; }))
            sizes.push_back(row.size.hp);
    std::sort(sizes.begin(), sizes.end());
    std::vector<std::string> texts;
    for (const double hp : sizes) {
        std::string_view label;
        std::string single, three;
        for (const auto& row : motors::kTable430_248)
            if (std::abs(row.size.hp - hp) < 1e-9) {
                label = row.size.label;
                single = columnsOf(row, motors::kSinglePhaseVolts);
            }
        for (const auto& row : motors::kTable430_250)
            if (std::abs(row.size.hp - hp) < 1e-9) {
                label = row.size.label;
                three = columnsOf(row, motors::kInductionVolts);
            }
        std::string text = std::string(label) + " hp";
        if (label.find('/') != std::string_view::npos)
            text += " (" + roundedNumberText(hp, 3) + ")";
        text += ":";
        if (!single.empty()) text += " single phase " + single;
        if (!single.empty() && !three.empty()) text += ";";
        if (!three.empty()) text += " three phase " + three;
        texts.push_back(std::move(text));
    }
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
    } else if (topic == "motors") {
        texts = motorRows();
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
    topics.push_back("motors");
    return topics;
}

}  // namespace ferrovolt
