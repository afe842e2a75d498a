// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The result lines of a tab, made from its calculator's description: one line per row, in the
// order of the rows, with the row's caption, unit caption and label objectName. The captions
// are written once, in the description, for the window, "Copy results" and the command line.

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "describe/description.h"
#include "window/controls.h"

class QLabel;
class QWidget;

namespace ferrovolt {

// A tab's result labels, in the order of its calculator's rows.
using ResultLabels = std::vector<QLabel*>;

enum class RowUnits {
    Shown,     // each line shows its row's unit caption
    Separate,  // the tab places unit captions of its own
};

// `tops` holds one top (in twips) per row; a count that differs from the rows stops the
// program at once, so that every window test fails on it.
ResultLabels addResultLines(QWidget* page, const CalculatorDescription& calculator,
                            std::span<const int> tops, int height, const ResultColumns& columns,
                            RowUnits units = RowUnits::Shown);

// The label of the row with `key`; a key the calculator lacks stops the program at once.
QLabel* resultLabel(const ResultLabels& labels, const CalculatorDescription& calculator,
                    std::string_view key);

// Writes a calculator's texts into its labels, both in the order of the rows.
void writeResults(const ResultLabels& labels, std::initializer_list<const std::string*> texts);

}  // namespace ferrovolt
