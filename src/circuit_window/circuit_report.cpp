// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_report.h"

#include <string>
#include <vector>

#include "check/check_sheet.h"
#include "circuit/nec2023_code.h"
#include "circuit_window/html_report.h"

namespace ferrovolt {

namespace {

QString cell(const QString& text, bool bold = false) {
    return QStringLiteral("<td>%1%2%3</td>")
        .arg(bold ? QStringLiteral("<b>") : QString(), text,
             bold ? QStringLiteral("</b>") : QString());
}

struct Step {
    std::string step;
    std::string value;
    std::string source;
};

std::vector<Step> trailOf(const CircuitCase& checked) {
    std::vector<Step> steps;
    steps.reserve(24);
    checked.writeTrail(
        [&steps](std::string_view step, std::string_view value, std::string_view source) {
            steps.push_back({std::string(step), std::string(value), std::string(source)});
        });
    return steps;
}

}  // namespace

QString circuitTrailHtml(const CircuitCase& checked) {
    return trailHtml(trailOf(checked));
}

QString circuitReportHtml(const CircuitCase& checked, QDate date) {
    const CircuitCode& code = checked.code();
    QString out = QStringLiteral(
                      "<html><body>"
                      "<h2 style='margin-bottom:2px'>Circuit check: calculation sheet</h2>"
                      "<p style='margin-top:0'>%1 &nbsp;·&nbsp; %2</p>")
                      .arg(html(code.name()), date.toString(Qt::ISODate));

    const std::vector<Step> trail = trailOf(checked);
    out += QStringLiteral("<h3>Inputs</h3><table cellspacing='0' cellpadding='2'>");
    for (const Step& step : trail)
        if (step.source == kInputSource)
            out += QStringLiteral("<tr>") + cell(html(step.step)) + cell(html(step.value)) +
                   QStringLiteral("</tr>");
    out += QStringLiteral("</table>");

    const std::span<const CheckRow> rows = code.rows();
    out += QStringLiteral("<h3>Criteria</h3><table cellspacing='0' cellpadding='2'>");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].criterion) continue;
        const std::string text = checked.rowText(i);
        if (text.empty()) continue;
        const bool governs = i == checked.governingRow();
        out += QStringLiteral("<tr>") + cell(html(rows[i].caption), governs) +
               cell(html(text), governs) +
               cell(governs ? QStringLiteral("<b>governs</b>") : QString()) +
               QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table><h3>Result</h3><table cellspacing='0' cellpadding='2'>");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].criterion) continue;
        const std::string text = checked.rowText(i);
        if (text.empty()) continue;
        const bool size = rows[i].headline;
        out += QStringLiteral("<tr>") + cell(html(rows[i].caption), size) + cell(html(text), size) +
               QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h3>Calculation</h3><table cellspacing='0' cellpadding='2'>");
    for (const Step& step : trail) {
        if (step.source == kInputSource) continue;
        out += QStringLiteral("<tr>") + cell(html(step.step), true) +
               cell(html(step.value) + QStringLiteral("<br><i>") + html(step.source) +
                    QStringLiteral("</i>")) +
               QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table><p><b>%1</b></p></body></html>").arg(html(kCircuitDisclaimer));
    return out;
}

QString circuitReportHtml(const CircuitAnswer& answer, QDate date) {
    return circuitReportHtml(*necCase(answer), date);
}

std::optional<QString> writeCircuitReport(const CircuitCase& checked, QDate date,
                                          const QString& path) {
    return writeHtmlReport(circuitReportHtml(checked, date), QStringLiteral("Circuit check"), path);
}

}  // namespace ferrovolt
