// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_resistivity.h"

#include <QLabel>

#include "describe/calculators.h"
#include "window/control_table.h"
#include "window/controls.h"

namespace ferrovolt {

ResistivityTab buildResistivityTab(QWidget* page, const QString& address) {
    ResistivityTab tab{};
    addRectangle(page, arrayName("Shape1", 2), {1755, 2175, 1575, 2200});

    const BuiltControls built = buildControls(page, kResistivityControls);
    tab.Label3_18 = built.get(row<ControlKind::Heading>(kResistivityControls, "Label3(18)"));
    tab.cmbAWG2 = built.get(row<ControlKind::Combo>(kResistivityControls, "cmbAWG(2)"));
    tab.cmbMaterial0 = built.get(row<ControlKind::Combo>(kResistivityControls, "cmbMaterial(0)"));
    tab.txtTemp = built.get(row<ControlKind::Text>(kResistivityControls, "txtTemp"));
    tab.optTemp = built.options<3>(row<ControlKind::Group>(kResistivityControls, "Frame3"));

    const ResultColumns columns{120, 1515, 1965, 1245, 3465, 1350};
    // A line every 250 twips from 2300.
    static constexpr int kTops[] = {2300, 2550, 2800, 3050, 3300, 3550, 3800, 4050};
    tab.results = addResultLines(page, kResistanceCalc, kTops, 200, columns);

    tab.calculate = addCalculate(page, arrayName("cmdCalc", 2));
    tab.footer = addFooter(page, {1, 4, 4}, address);
    return tab;
}

}  // namespace ferrovolt
