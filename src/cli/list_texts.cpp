// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_texts.h"

#include "calc/voltage_drop.h"
#include "tables/lists.h"

namespace ferrovolt {

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
    }
    return texts;
}

}  // namespace ferrovolt
