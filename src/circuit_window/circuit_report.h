// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check as a PDF calculation sheet: the inputs in the words the window shows
// them in, each criterion's minimum with the governing one marked, the results, the whole
// trail and the statement that the result does not replace the responsible judgement, on as
// many pages as it takes (window_kit/sheet_pages.h). Written from the code's fields, rows and
// trail, so every code's sheet is laid out alike.

#include <QDate>
#include <QString>
#include <optional>
#include <span>
#include <string>

#include "check/circuit_code.h"
#include "window_kit/sheet_pages.h"

namespace ferrovolt {

// An input as the window holds it: the code's field (an index into its fields()) and the
// text the field reads (a list's key, "true" or "false", a number as typed).
struct GivenInput {
    std::size_t field;
    std::string text;
};

// The trail as rich text: each step with its value, and its source below it.
QString circuitTrailHtml(const CircuitCase& checked);

// The sheet's body as rich text, for the case's last answer and the inputs it was given.
QString circuitReportHtml(const CircuitCase& checked, std::span<const GivenInput> inputs);

// The sheet, dated, on `paper`.
Sheet circuitReport(const CircuitCase& checked, std::span<const GivenInput> inputs, QDate date,
                    Paper paper);

// Writes the sheet to a PDF file on the paper last chosen, of the project and circuit named
// last; the reason when it cannot be written.
std::optional<QString> writeCircuitReport(const CircuitCase& checked,
                                          std::span<const GivenInput> inputs, QDate date,
                                          const QString& path);

}  // namespace ferrovolt
