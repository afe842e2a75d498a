// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_sheet.h"

#include "circuit/circuit_fields.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kCaptionWidth = 32;

void appendRow(std::string& sheet, std::string_view caption, std::string_view text) {
    sheet += caption;
    if (caption.size() < kCaptionWidth) sheet.append(kCaptionWidth - caption.size(), ' ');
    ((sheet += ": ") += text) += '\n';
}

// For a given size: whether it meets every criterion, and which it fails.
std::string verdictText(const CircuitAnswer& answer) {
    if (answer.fails.empty()) return "yes";
    std::string text = "no (fails ";
    for (std::size_t i = 0; i < answer.fails.size(); ++i)
        (text += i == 0 ? "" : ", ") += criterionName(answer.fails[i]);
    return text + ")";
}

}  // namespace

std::string circuitSheet(const CircuitAnswer& answer) {
    std::string sheet;
    sheet.reserve(4096);
    ((sheet += "Circuit check, ") += answer.code) += "\n\n";
    writeCircuitTrail(
        answer, [&sheet](std::string_view step, std::string_view value, std::string_view source) {
            ((((sheet += "  ") += step) += ": ") += value) += '\n';
            if (!source.empty() && source != "input") ((sheet += "      ") += source) += '\n';
        });
    sheet += '\n';
    for (const CircuitRow& row : kCircuitRows) {
        const std::string text = circuitRowText(row, answer);
        if (text.empty()) continue;
        appendRow(sheet, row.caption, text);
        if (row.key == "governed_by" && answer.sizeGiven)
            appendRow(sheet, "Meets every criterion", verdictText(answer));
    }
    ((sheet += '\n') += kCircuitDisclaimer) += '\n';
    return sheet;
}

}  // namespace ferrovolt
