// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill_window/fill_report.h"

#include "circuit_window/html_report.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_sheet.h"
#include "fill_window/fill_drawing.h"

namespace ferrovolt {

namespace {

constexpr int kPictureSide = 900;
const QString kPictureName = QStringLiteral("fill:section");

QString row(const QString& step, const QString& value, bool bold = false) {
    const QString open = bold ? QStringLiteral("<b>") : QString();
    const QString close = bold ? QStringLiteral("</b>") : QString();
    return QStringLiteral("<tr><td>%1%2%3</td><td>%1%4%3</td></tr>").arg(open, step, close, value);
}

}  // namespace

QString fillTrailHtml(const FillAnswer& answer) {
    return trailHtml(fillTrail(answer));
}

QString fillReportHtml(const FillAnswer& answer) {
    QString out = QStringLiteral("<html><body>");
    const std::vector<TrailStep> trail = fillTrail(answer);
    out += QStringLiteral("<h3>Inputs</h3><table cellspacing='0' cellpadding='2'>");
    for (const TrailStep& step : trail)
        if (step.source == kInputSource) out += row(html(step.step), html(step.value));
    for (const FillRow& input : answer.inputs.rows)
        out += row(QStringLiteral("Row"), html(fillRowText(input)));
    if (answer.fits) {
        out += QStringLiteral("</table><h3>Result</h3><table cellspacing='0' cellpadding='2'>");
    } else {
        // A fill that no size holds says so first; the size it reports is the one it tried
        // last, not an answer.
        out += QStringLiteral(
                   "</table><h3>Result: %1</h3>"
                   "<table cellspacing='0' cellpadding='2'>")
                   .arg(answer.sizeGiven ? QStringLiteral("the size given does not hold them")
                                         : QStringLiteral("no trade size holds them"));
        out += row(QStringLiteral("Answer"), html(fillVerdict(answer)), true);
    }
    for (const FillResultRow& result : kFillRows) {
        const std::string text = result.text(answer);
        if (text.empty()) continue;
        const bool size = &result == &kFillRows[0];
        QString caption = html(result.caption);
        if (size && !answer.fits)
            caption = answer.sizeGiven ? QStringLiteral("Trade size given")
                                       : QStringLiteral("Largest trade size, too small");
        out += row(caption, html(text), size && answer.fits);
    }
    if (answer.fits) out += row(QStringLiteral("Answer"), html(fillVerdict(answer)), true);
    for (const std::string& warning : fillWarnings(answer))
        out += row(QStringLiteral("Warning"), html(warning));
    out += QStringLiteral("</table><p><img src='%1' width='220'></p>").arg(kPictureName);
    out += QStringLiteral("<h3>Calculation</h3>") + trailTableHtml(trail, false);
    out += QStringLiteral("<p><b>%1</b></p></body></html>").arg(html(kFillDisclaimer));
    return out;
}

Sheet fillReport(const FillAnswer& answer, QDate date, Paper paper) {
    const std::string_view edition = chapter9::kEdition;
    return {QStringLiteral("Conduit fill: calculation sheet"),
            QString::fromUtf8(edition.data(), static_cast<qsizetype>(edition.size())),
            fillReportHtml(answer),
            {{kPictureName, fillPicture(answer, kPictureSide)}},
            date,
            paper};
}

std::optional<QString> writeFillReport(const FillAnswer& answer, QDate date, const QString& path) {
    return writeSheet(fillReport(answer, date, rememberedPaper()), path, rememberedSheetIds());
}

}  // namespace ferrovolt
