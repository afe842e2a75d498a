// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check as a one-page PDF calculation sheet: the inputs, each criterion's
// minimum with the governing one marked, the results, the whole trail, the date, the code
// edition and the statement that the result does not replace the responsible judgement.
// Written from the code's rows and trail, so every code's sheet is laid out alike.

#include <QDate>
#include <QString>
#include <optional>

#include "check/circuit_code.h"
#include "circuit/circuit_check.h"

namespace ferrovolt {

// The trail as rich text: each step with its value, and its source below it.
QString circuitTrailHtml(const CircuitCase& checked);

// The sheet of the case's last answer as a rich-text document, laid out on one page of the
// printer's size.
QString circuitReportHtml(const CircuitCase& checked, QDate date);
// The sheet of an NEC 2023 answer.
QString circuitReportHtml(const CircuitAnswer& answer, QDate date);

// Writes the sheet to a PDF file; the reason when it cannot be written.
std::optional<QString> writeCircuitReport(const CircuitCase& checked, QDate date,
                                          const QString& path);

}  // namespace ferrovolt
