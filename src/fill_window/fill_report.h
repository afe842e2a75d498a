// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill as a PDF calculation sheet: the raceway and the rows, the answer (or that
// no size holds them), the cross-section, the whole trail and the statement that the result
// does not replace the responsible judgement, on as many pages as it takes
// (window_kit/sheet_pages.h).

#include <QDate>
#include <QString>
#include <optional>

#include "fill/fill_check.h"
#include "window_kit/sheet_pages.h"

namespace ferrovolt {

// The trail as rich text: each step with its value, and its source below it.
QString fillTrailHtml(const FillAnswer& answer);

// The sheet's body as rich text; the drawing is the image "fill:section".
QString fillReportHtml(const FillAnswer& answer);

// The sheet, dated, on `paper`, with its drawing.
Sheet fillReport(const FillAnswer& answer, QDate date, Paper paper);

// Writes the sheet to a PDF file on the paper last chosen, of the project and circuit named
// last; the reason when it cannot be written.
std::optional<QString> writeFillReport(const FillAnswer& answer, QDate date, const QString& path);

}  // namespace ferrovolt
