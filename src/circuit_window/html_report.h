// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rich-text calculation sheet written as a one-page PDF: the type is made smaller until the
// sheet fits the page. The windows' "Save report" share it.

#include <QImage>
#include <QMap>
#include <QString>
#include <optional>
#include <string_view>

namespace ferrovolt {

// A text of the core, escaped for rich text.
inline QString html(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

// The source a trail gives the steps that restate an input.
inline constexpr std::string_view kInputSource = "input";

// A trail as the windows show it: each step in bold with its value, and under it, in italics,
// the table or rule it rests on (the inputs have none). `Steps` holds items with the texts
// `step`, `value` and `source`.
template <class Steps>
QString trailHtml(const Steps& steps) {
    QString out;
    for (const auto& step : steps) {
        out += QStringLiteral("<p style='margin:0 0 4px 0'><b>%1</b>: %2")
                   .arg(html(step.step), html(step.value));
        if (step.source != kInputSource)
            out += QStringLiteral("<br><i>%1</i>").arg(html(step.source));
        out += QStringLiteral("</p>");
    }
    return out;
}

// Writes `html` to a Letter-size PDF at `path`; images the HTML names by "<img src=NAME>"
// are given in `images`. The reason when the file cannot be written.
std::optional<QString> writeHtmlReport(const QString& html, const QString& title,
                                       const QString& path,
                                       const QMap<QString, QImage>& images = {});

}  // namespace ferrovolt
