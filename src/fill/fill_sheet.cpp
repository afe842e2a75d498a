// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill/fill_sheet.h"

#include "fill/chapter9_tables.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kCaptionWidth = 26;

std::string inches2(double value) {
    return roundedNumberText(value, 4) + " in²";
}

}  // namespace

const std::array<FillResultRow, 7> kFillRows = {{
    {"trade_size", "Trade size",
     [](const FillAnswer& a) {
         return std::string(fillRacewayName(a.raceway)) + " " + fillTradeText(a.tradeSize);
     }},
    {"conductors", "Conductors and cables",
     [](const FillAnswer& a) { return std::to_string(a.count); }},
    {"total_area_in2", "Conductor area", [](const FillAnswer& a) { return inches2(a.totalArea); }},
    {"allowed_area_in2", "Allowed area",
     [](const FillAnswer& a) { return inches2(a.allowedArea); }},
    {"allowed_percent", "Allowed fill", [](const FillAnswer& a) { return fillRuleText(a); }},
    {"fill_percent", "Fill",
     [](const FillAnswer& a) { return roundedNumberText(a.fillPercent, 3) + " %"; }},
    {"max_same", "Most of one size and type",
     [](const FillAnswer& a) { return a.maxSame ? std::to_string(*a.maxSame) : std::string(); }},
}};

std::string fillSheet(const FillAnswer& answer) {
    std::string sheet = "Conduit fill, " + std::string(chapter9::kEdition) + "\n\n";
    for (const TrailStep& step : fillTrail(answer)) {
        sheet += "  " + step.step + ": " + step.value + '\n';
        if (step.source != "input") ((sheet += "      ") += step.source) += '\n';
    }
    sheet += '\n';
    for (const FillResultRow& row : kFillRows) {
        const std::string text = row.text(answer);
        if (text.empty()) continue;
        sheet += row.caption;
        if (row.caption.size() < kCaptionWidth)
            sheet.append(kCaptionWidth - row.caption.size(), ' ');
        ((sheet += ": ") += text) += '\n';
    }
    for (const std::string& warning : fillWarnings(answer)) sheet += "Warning: " + warning + '\n';
    ((sheet += '\n') += kFillDisclaimer) += '\n';
    return sheet;
}

}  // namespace ferrovolt
