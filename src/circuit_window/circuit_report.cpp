// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_report.h"

#include <optional>
#include <string>
#include <vector>

#include "check/check_sheet.h"
#include "circuit_window/html_report.h"
#include "code_base/trail_step.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

QString cell(const QString& text, bool bold = false) {
    return QStringLiteral("<td>%1%2%3</td>")
        .arg(bold ? QStringLiteral("<b>") : QString(), text,
             bold ? QStringLiteral("</b>") : QString());
}

std::vector<TrailStep> trailOf(const CircuitCase& checked) {
    std::vector<TrailStep> steps;
    steps.reserve(24);
    checked.writeTrail(
        [&steps](std::string_view step, std::string_view value, std::string_view source) {
            steps.push_back({std::string(step), std::string(value), std::string(source)});
        });
    return steps;
}

struct InputRow {
    std::string caption;
    std::string value;
};

// The inputs in the window's order; an input laid out beside the one before it (a length's
// unit, an insulation's family) completes that one's row.
std::vector<InputRow> inputRows(const CircuitCode& code, std::span<const GivenInput> inputs) {
    const std::span<const CheckField> fields = code.fields();
    std::vector<InputRow> rows;
    const CheckField* before = nullptr;
    for (const GivenInput& input : inputs) {
        if (input.field >= fields.size()) continue;
        const CheckField& field = fields[input.field];
        const std::string words = inputWords(field, input.text);
        if (field.placement == FieldPlacement::Beside && before != nullptr) {
            if (!words.empty())
                rows.back().value += (before->kind == InputKind::Number ? " " : ", ") + words;
            continue;
        }
        before = nullptr;
        if (words.empty()) continue;
        rows.push_back({plain(qt(field.caption)).toStdString(), words});
        before = &field;
    }
    return rows;
}

// The inputs or the results in two columns of caption and value, read down the left one
// first; the first `bold` captions and values in bold.
QString pairsTable(const std::vector<std::pair<QString, QString>>& pairs, std::size_t bold = 0) {
    const std::size_t down = (pairs.size() + 1) / 2;
    QString out = QStringLiteral("<table cellspacing='0' cellpadding='2' width='100%'>");
    for (std::size_t row = 0; row < down; ++row) {
        out += QStringLiteral("<tr>");
        for (const std::size_t i : {row, row + down}) {
            if (i >= pairs.size()) continue;
            out += cell(pairs[i].first, i < bold) + cell(pairs[i].second, i < bold);
        }
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
}

}  // namespace

QString circuitTrailHtml(const CircuitCase& checked) {
    return trailHtml(trailOf(checked));
}

QString circuitReportHtml(const CircuitCase& checked, std::span<const GivenInput> inputs) {
    const CircuitCode& code = checked.code();
    std::vector<std::pair<QString, QString>> given;
    for (const InputRow& input : inputRows(code, inputs))
        given.emplace_back(html(input.caption), html(input.value));
    QString out = QStringLiteral("<html><body><h3>Inputs</h3>") + pairsTable(given);

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
    out += QStringLiteral("</table><h3>Result</h3>");
    std::vector<std::pair<QString, QString>> results;
    std::size_t headlines = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].criterion || rows[i].saidElsewhere) continue;
        const std::string text = checked.rowWords(i);
        if (text.empty()) continue;
        // The size leads, in bold.
        const auto at = rows[i].headline
                            ? results.begin() + static_cast<std::ptrdiff_t>(headlines++)
                            : results.end();
        results.emplace(at, html(rows[i].caption), html(text));
    }
    out += pairsTable(results, headlines);

    // The whole trail: the inputs it restates (with what it found of them, U0 of an earthing
    // system) among the steps, without a source.
    out += QStringLiteral("<h3>Calculation</h3>") + trailTableHtml(trailOf(checked), true);
    out += QStringLiteral("<p><b>%1</b></p></body></html>").arg(html(kCircuitDisclaimer));
    return out;
}

Sheet circuitReport(const CircuitCase& checked, std::span<const GivenInput> inputs, QDate date,
                    Paper paper) {
    const std::string_view name = checked.code().name();
    return {QStringLiteral("Circuit check: calculation sheet"),
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
            circuitReportHtml(checked, inputs),
            {},
            date,
            paper};
}

std::optional<QString> writeCircuitReport(const CircuitCase& checked,
                                          std::span<const GivenInput> inputs, QDate date,
                                          const QString& path) {
    return writeSheet(circuitReport(checked, inputs, date, rememberedPaper()), path,
                      rememberedSheetIds());
}

}  // namespace ferrovolt
