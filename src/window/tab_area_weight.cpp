// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_area_weight.h"

#include "describe/calculators.h"
#include "window/control_table.h"
#include "window/controls.h"

namespace ferrovolt {

AreaWeightTab buildAreaWeightTab(QWidget* page, const QString& address) {
    AreaWeightTab tab{};
    addRectangle(page, arrayName("Shape1", 0), {1755, 2175, 1575, 2200});

    const BuiltControls built = buildControls(page, kAreaWeightControls);
    tab.cmbStandards = built.get(row<ControlKind::Combo>(kAreaWeightControls, "cmbStandards"));
    tab.cmbAWG0 = built.get(row<ControlKind::Combo>(kAreaWeightControls, "cmbAWG(0)"));

    const ResultColumns columns{120, 1515, 1965, 1245, 3465, 1350};
    static constexpr int kTops[] = {2295, 2550, 2805, 3045, 3300, 3555, 3795};
    tab.results = addResultLines(page, kAreaWeight, kTops, 195, columns);

    tab.calculate = addCalculate(page, arrayName("cmdCalc", 0));
    tab.footer = addFooter(page, {2, 0, 0}, address);
    return tab;
}

}  // namespace ferrovolt
