// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/aligned_columns.h"

#include <QGridLayout>
#include <QWidget>
#include <algorithm>

namespace ferrovolt {

void alignColumns(const std::vector<QGridLayout*>& grids, std::initializer_list<int> columns) {
    for (const int column : columns) {
        int widest = 0;
        for (QGridLayout* grid : grids) {
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, col = 0, rows = 0, cols = 0;
                grid->getItemPosition(i, &row, &col, &rows, &cols);
                // A cell spanning columns does not set the width of one.
                if (col != column || cols != 1) continue;
                widest = std::max(widest, grid->itemAt(i)->sizeHint().width());
            }
        }
        for (QGridLayout* grid : grids) grid->setColumnMinimumWidth(column, widest);
    }
}

}  // namespace ferrovolt
