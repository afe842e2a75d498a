// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rich-text calculation sheet written as a one-page PDF: the type is made smaller until the
// sheet fits the page. The windows' "Save report" share it.

#include <QImage>
#include <QMap>
#include <QString>
#include <optional>

namespace ferrovolt {

// Writes `html` to a Letter-size PDF at `path`; images the HTML names by "<img src=NAME>"
// are given in `images`. The reason when the file cannot be written.
std::optional<QString> writeHtmlReport(const QString& html, const QString& title,
                                       const QString& path,
                                       const QMap<QString, QImage>& images = {});

}  // namespace ferrovolt
