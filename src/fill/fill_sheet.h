// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fill's answer as rows and as a text sheet: the rows are declared once here, and the
// command line's sheet, the window's results, Copy and the PDF report are written from them.

#include <array>
#include <string>
#include <string_view>

#include "fill/fill_check.h"

namespace ferrovolt {

inline constexpr std::string_view kFillDisclaimer =
    "This result supports, and does not replace, the judgement of the person responsible "
    "under the local code.";

struct FillResultRow {
    std::string_view key;                    // the JSON key: "total_area_in2"
    std::string_view caption;                // "Conductor area"
    std::string (*text)(const FillAnswer&);  // "" when the answer has no value for it
};

extern const std::array<FillResultRow, 7> kFillRows;

// The calculation, step by step with its sources, then the rows and the statement above.
std::string fillSheet(const FillAnswer& answer);

}  // namespace ferrovolt
