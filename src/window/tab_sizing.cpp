// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_sizing.h"

#include <QRadioButton>

#include "describe/calculators.h"
#include "window/control_table.h"
#include "window/controls.h"
#include "window/tab_voltage_drop.h"

namespace ferrovolt {

SizingTab buildSizingTab(QWidget* page, const QString& address) {
    SizingTab tab{};
    addRectangle(page, arrayName("Shape1", 5), {2910, 3135, 1575, 1245});

    const BuiltControls built = buildControls(page, kSizingControls);
    tab.cmbMaterial2 = built.get(row<ControlKind::Combo>(kSizingControls, "cmbMaterial(2)"));
    tab.txtCCTlngth2 = built.get(row<ControlKind::Text>(kSizingControls, "txtCCTlngth(2)"));
    tab.lengthUnit = built.options<2>(row<ControlKind::Group>(kSizingControls, "Frame5"));
    tab.optVolts = built.options<6>(row<ControlKind::Group>(kSizingControls, "Frame6"));
    tab.optPhase = built.options<2>(row<ControlKind::Group>(kSizingControls, "Frame7"));
    tab.txtAmps2 = built.get(row<ControlKind::Text>(kSizingControls, "txtAmps(2)"));

    tab.results = addCircuitResultLines(page, kConductorSize);

    tab.calculate = addCalculate(page, arrayName("cmdCalc4", 2));
    tab.footer = addFooter(page, {5, 2, 2}, address);
    return tab;
}

}  // namespace ferrovolt
