// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/lists.h"

#include <algorithm>
#include <cstddef>

namespace ferrovolt {

std::vector<std::string> gaugeListTexts() {
    std::vector<std::string> texts{"6/0", "5/0", "4/0", "3/0", "2/0", "1/0"};
    for (int n = 1; n <= 40; ++n) texts.push_back(std::to_string(n));
    return texts;
}

std::vector<std::string> materialListTexts(const Tables& tables) {
    std::vector<std::string> names;
    for (std::size_t row = 0; row < kOfferedMaterialCount; ++row)
        names.push_back(tables.MaterialTable[row][0]);
    return names;
}

std::vector<std::string> conductorSizeListTexts() {
    std::vector<std::string> texts;
    for (const KcmilText& k : kKcmilTexts) texts.emplace_back(k.text);
    for (std::string_view t : kLargeAwgTexts) texts.emplace_back(t);
    for (int n = 1; n <= 40; ++n) texts.push_back(std::to_string(n) + " AWG");
    return texts;
}

bool isPermittedConductorSize(std::string_view text) {
    for (const KcmilText& k : kKcmilTexts)
        if (k.text == text) return true;
    for (std::string_view t : kLargeAwgTexts)
        if (t == text) return true;
    for (int n = 0; n <= 46; ++n)
        if (std::to_string(n) + " AWG" == text) return true;
    return false;
}

bool isPermittedMaterial(const Tables& tables, std::string_view text) {
    for (std::size_t row = 0; row < kOfferedMaterialCount; ++row)
        if (tables.MaterialTable[row][0] == text) return true;
    return false;
}

bool isPermittedStandard(std::string_view text) {
    return std::find(kStandardNames.begin(), kStandardNames.end(), text) != kStandardNames.end();
}

}  // namespace ferrovolt
