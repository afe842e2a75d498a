// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_sheet.h"

#include "circuit/circuit_fields.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kCaptionWidth = 32;

}  // namespace

std::string circuitSheet(const CircuitAnswer& answer) {
    std::string sheet = "Circuit check, " + std::string(answer.code) + "\n\n";
    writeCircuitTrail(
        answer, [&sheet](std::string_view step, std::string_view value, std::string_view source) {
            ((((sheet += "  ") += step) += ": ") += value) += '\n';
            if (!source.empty() && source != "input") ((sheet += "      ") += source) += '\n';
        });
    sheet += "\n";
    for (const CircuitRow& row : kCircuitRows) {
        const std::string text = circuitRowText(row, answer);
        if (text.empty()) continue;
        std::string caption(row.caption);
        caption.resize(std::max(caption.size(), kCaptionWidth), ' ');
        sheet += caption + ": " + text + "\n";
    }
    sheet += "\n" + std::string(kCircuitDisclaimer) + "\n";
    return sheet;
}

}  // namespace ferrovolt
