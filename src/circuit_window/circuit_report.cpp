// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_report.h"

#include "circuit/circuit_fields.h"
#include "circuit/circuit_sheet.h"
#include "circuit_window/html_report.h"

namespace ferrovolt {

namespace {

QString cell(const QString& text, bool bold = false) {
    return QStringLiteral("<td>%1%2%3</td>")
        .arg(bold ? QStringLiteral("<b>") : QString(), text,
             bold ? QStringLiteral("</b>") : QString());
}

bool isCriterionRow(const CircuitRow& row) {
    for (Criterion c : {Criterion::Ampacity, Criterion::VoltageDrop, Criterion::ShortCircuit,
                        Criterion::SmallConductor})
        if (&criterionRow(c) == &row) return true;
    return false;
}

}  // namespace

QString circuitTrailHtml(const CircuitAnswer& answer) {
    return trailHtml(circuitTrail(answer));
}

QString circuitReportHtml(const CircuitAnswer& answer, QDate date) {
    QString out = QStringLiteral(
                      "<html><body>"
                      "<h2 style='margin-bottom:2px'>Circuit check: calculation sheet</h2>"
                      "<p style='margin-top:0'>%1 &nbsp;·&nbsp; %2</p>")
                      .arg(html(answer.code), date.toString(Qt::ISODate));

    const std::vector<TrailStep> trail = circuitTrail(answer);
    out += QStringLiteral("<h3>Inputs</h3><table cellspacing='0' cellpadding='2'>");
    for (const TrailStep& step : trail)
        if (step.source == kInputSource)
            out += QStringLiteral("<tr>") + cell(html(step.step)) + cell(html(step.value)) +
                   QStringLiteral("</tr>");
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h3>Criteria</h3><table cellspacing='0' cellpadding='2'>");
    for (Criterion c : {Criterion::Ampacity, Criterion::VoltageDrop, Criterion::ShortCircuit,
                        Criterion::SmallConductor}) {
        const CircuitRow& row = criterionRow(c);
        const std::string text = circuitRowText(row, answer);
        if (text.empty()) continue;
        const bool governs = c == answer.governedBy;
        out +=
            QStringLiteral("<tr>") + cell(html(row.caption), governs) + cell(html(text), governs) +
            cell(governs ? QStringLiteral("<b>governs</b>") : QString()) + QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table><h3>Result</h3><table cellspacing='0' cellpadding='2'>");
    for (const CircuitRow& row : kCircuitRows) {
        if (isCriterionRow(row)) continue;
        const std::string text = circuitRowText(row, answer);
        if (text.empty()) continue;
        const bool size = &row == &kCircuitRows.front();
        out += QStringLiteral("<tr>") + cell(html(row.caption), size) + cell(html(text), size) +
               QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h3>Calculation</h3><table cellspacing='0' cellpadding='2'>");
    for (const TrailStep& step : trail) {
        if (step.source == kInputSource) continue;
        out += QStringLiteral("<tr>") + cell(html(step.step), true) +
               cell(html(step.value) + QStringLiteral("<br><i>") + html(step.source) +
                    QStringLiteral("</i>")) +
               QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table><p><b>%1</b></p></body></html>").arg(html(kCircuitDisclaimer));
    return out;
}

std::optional<QString> writeCircuitReport(const CircuitAnswer& answer, QDate date,
                                          const QString& path) {
    return writeHtmlReport(circuitReportHtml(answer, date), QStringLiteral("Circuit check"), path);
}

}  // namespace ferrovolt
