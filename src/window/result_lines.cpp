// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/result_lines.h"

#include <QLabel>

#include "window/qt_text.h"

namespace ferrovolt {

ResultLabels addResultLines(QWidget* page, const CalculatorDescription& calculator,
                            std::span<const int> tops, int height, const ResultColumns& columns,
                            RowUnits units) {
    if (tops.size() != calculator.rows.size())
        qFatal("%d result rows of %s, %d places", static_cast<int>(calculator.rows.size()),
               calculator.command.data(), static_cast<int>(tops.size()));
    ResultLabels labels;
    labels.reserve(tops.size());
    for (std::size_t i = 0; i < tops.size(); ++i) {
        const RowDescription& row = calculator.rows[i];
        labels.push_back(addResultLine(page, toQt(row.label), toQt(row.caption),
                                       units == RowUnits::Shown ? toQt(row.unit) : QString(),
                                       tops[i], height, columns));
    }
    return labels;
}

QLabel* resultLabel(const ResultLabels& labels, const CalculatorDescription& calculator,
                    std::string_view key) {
    for (std::size_t i = 0; i < calculator.rows.size() && i < labels.size(); ++i)
        if (calculator.rows[i].key == key) return labels[i];
    qFatal("no result row %s", key.data());
}

void writeResults(const ResultLabels& labels, std::initializer_list<const std::string*> texts) {
    if (texts.size() != labels.size())
        qFatal("%d texts for %d result labels", static_cast<int>(texts.size()),
               static_cast<int>(labels.size()));
    auto label = labels.begin();
    for (const std::string* text : texts) (*label++)->setText(toQt(*text));
}

}  // namespace ferrovolt
