// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of rich text the windows' trails and calculation sheets are written in; the
// pages the sheets are printed on are the window kit's (window_kit/sheet_pages.h).

#include <QString>
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

// A trail as the sheets print it: a table of each step in bold beside its value, and under the
// value, in italics, the table or rule it rests on. The steps that restate an input are printed
// (without a source) only where `inputs` says so.
template <class Steps>
QString trailTableHtml(const Steps& steps, bool inputs) {
    QString out = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (const auto& step : steps) {
        const bool input = step.source == kInputSource;
        if (input && !inputs) continue;
        out +=
            QStringLiteral("<tr><td><b>%1</b></td><td>%2").arg(html(step.step), html(step.value));
        if (!input) out += QStringLiteral("<br><i>%1</i>").arg(html(step.source));
        out += QStringLiteral("</td></tr>");
    }
    return out + QStringLiteral("</table>");
}

}  // namespace ferrovolt
