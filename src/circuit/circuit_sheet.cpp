// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_sheet.h"

#include "circuit/circuit_fields.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kCaptionWidth = 32;

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
        sheet += row.caption;
        if (row.caption.size() < kCaptionWidth)
            sheet.append(kCaptionWidth - row.caption.size(), ' ');
        ((sheet += ": ") += text) += '\n';
    }
    ((sheet += '\n') += kCircuitDisclaimer) += '\n';
    return sheet;
}

}  // namespace ferrovolt
