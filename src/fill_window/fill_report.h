// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill as a one-page PDF calculation sheet: the raceway and the rows, the answer,
// the cross-section, the whole trail, the date, the code edition and the statement that the
// result does not replace the responsible judgement.

#include <QDate>
#include <QString>
#include <optional>

#include "fill/fill_check.h"

namespace ferrovolt {

// The trail as rich text: each step with its value, and its source below it.
QString fillTrailHtml(const FillAnswer& answer);

// The sheet as a rich-text document; the drawing is the image "fill:section".
QString fillReportHtml(const FillAnswer& answer, QDate date);

// Writes the sheet to a PDF file; the reason when it cannot be written.
std::optional<QString> writeFillReport(const FillAnswer& answer, QDate date, const QString& path);

}  // namespace ferrovolt
