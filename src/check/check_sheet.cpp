// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/check_sheet.h"

#include "check/common_fields.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kCaptionWidth = 32;

// The characters of a UTF-8 text: its bytes but for those that continue a character.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void appendRow(std::string& sheet, std::string_view caption, std::string_view text) {
    sheet += caption;
    if (const std::size_t width = characters(caption); width < kCaptionWidth)
        sheet.append(kCaptionWidth - width, ' ');
    ((sheet += ": ") += text) += '\n';
}

}  // namespace

std::string verdictText(const CircuitCase& checked) {
    const std::vector<CriterionText> fails = checked.fails();
    if (fails.empty()) return "yes";
    std::string text = "no (fails ";
    for (std::size_t i = 0; i < fails.size(); ++i) (text += i == 0 ? "" : ", ") += fails[i].name;
    return text + ")";
}

std::string checkSheet(const CircuitCase& checked) {
    std::string sheet;
    sheet.reserve(4096);
    ((sheet += "Circuit check, ") += checked.code().name()) += "\n\n";
    checked.writeTrail(
        [&sheet](std::string_view step, std::string_view value, std::string_view source) {
            ((((sheet += "  ") += step) += ": ") += value) += '\n';
            if (!source.empty() && source != "input") ((sheet += "      ") += source) += '\n';
        });
    sheet += '\n';
    const std::span<const CheckRow> rows = checked.code().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string text = checked.rowText(i);
        if (text.empty()) continue;
        appendRow(sheet, rows[i].caption, text);
        if (rows[i].key == keys::kGovernedBy && checked.hasVerdict())
            appendRow(sheet, "Meets every criterion", verdictText(checked));
    }
    ((sheet += '\n') += kCircuitDisclaimer) += '\n';
    return sheet;
}

}  // namespace ferrovolt
