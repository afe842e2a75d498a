// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_voltage_drop.h"

#include "describe/calculators.h"
#include "window/control_table.h"
#include "window/controls.h"

namespace ferrovolt {

VoltageDropTab buildVoltageDropTab(QWidget* page, const QString& address) {
    VoltageDropTab tab{};
    addRectangle(page, arrayName("Shape1", 4), {2910, 3135, 1575, 1245});

    const BuiltControls built = buildControls(page, kVoltageDropControls);
    tab.cmbGauge = built.get(row<ControlKind::Combo>(kVoltageDropControls, "cmbGauge"));
    tab.cmbMaterial1 = built.get(row<ControlKind::Combo>(kVoltageDropControls, "cmbMaterial(1)"));
    tab.cmbVoltsPhase = built.get(row<ControlKind::Combo>(kVoltageDropControls, "cmbVoltsPhase"));
    tab.txtAmps1 = built.get(row<ControlKind::Text>(kVoltageDropControls, "txtAmps(1)"));
    tab.txtCCTlngth1 = built.get(row<ControlKind::Text>(kVoltageDropControls, "txtCCTlngth(1)"));
    tab.optstd1 = built.get(row<ControlKind::Option>(kVoltageDropControls, "optstd(1)"));
    tab.optstd3 = built.get(row<ControlKind::Option>(kVoltageDropControls, "optstd(3)"));

    tab.results = addCircuitResultLines(page, kVoltageDrop);

    tab.calculate = addCalculate(page, arrayName("cmdCalc4", 1));
    tab.footer = addFooter(page, {4, 1, 1}, address);
    return tab;
}

ResultLabels addCircuitResultLines(QWidget* page, const CalculatorDescription& calculator) {
    static constexpr int kTops[] = {3300, 3555, 3795, 4050};
    static constexpr ResultColumns kColumns{120, 2745, 3120, 1245, 0, 0};
    return addResultLines(page, calculator, kTops, 195, kColumns);
}

}  // namespace ferrovolt
