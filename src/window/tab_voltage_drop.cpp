#include "window/tab_voltage_drop.h"

#include "describe/calculators.h"
#include "window/controls.h"

namespace ferrovolt {

VoltageDropTab buildVoltageDropTab(QWidget* page, const QString& address) {
    VoltageDropTab tab{};
    addRectangle(page, arrayName("Shape1", 4), {2910, 3135, 1575, 1245});

    addLabel(page, QStringLiteral("lblHeading_cmbGauge"), QStringLiteral("Wire Gauge"),
             {240, 960, 1245, 240});
    addLabel(page, QStringLiteral("lblHeading_cmbMaterial(1)"), QStringLiteral("Material"),
             {2160, 960, 2535, 240});
    tab.cmbGauge = addCombo(page, QStringLiteral("cmbGauge"), QStringLiteral("18 AWG"),
                            {240, 1215, 1245, 315}, QStringLiteral("Wire Gauge"));
    tab.cmbMaterial1 = addCombo(page, arrayName("cmbMaterial", 1), QStringLiteral("Copper"),
                                {2160, 1215, 2535, 315}, QStringLiteral("Material"));

    addLabel(page, QStringLiteral("lblHeading_cmbVoltsPhase"),
             QStringLiteral("Select Voltage and Phase"), {240, 1680, 2655, 240});
    addLabel(page, QStringLiteral("lblHeading_txtAmps(1)"), QStringLiteral("Enter Load in AMPS"),
             {3120, 1680, 1800, 240});
    tab.cmbVoltsPhase =
        addCombo(page, QStringLiteral("cmbVoltsPhase"), QStringLiteral("240 Volts 1-phase"),
                 {240, 1920, 2655, 315}, QStringLiteral("Select Voltage and Phase"));
    tab.txtAmps1 = addTextField(page, arrayName("txtAmps", 1), QStringLiteral("10"),
                                {3360, 1920, 1095, 315}, QStringLiteral("Enter Load in AMPS"));

    addLabel(page, QStringLiteral("lblHeading_txtCCTlngth(1)"),
             QStringLiteral("Enter 1 way circuit length"), {360, 2350, 2400, 240});
    tab.txtCCTlngth1 =
        addTextField(page, arrayName("txtCCTlngth", 1), QStringLiteral("100"),
                     {600, 2655, 1215, 315}, QStringLiteral("Enter 1 way circuit length"));
    QFrame* lengthUnit = tab.Frame4 =
        addGroup(page, QStringLiteral("Frame4"), {1920, 2550, 855, 525});
    tab.optstd1 = addOption(lengthUnit, arrayName("optstd", 1), QStringLiteral("Mtr"),
                            {60, 10, 735, 240}, true);
    tab.optstd3 = addOption(lengthUnit, arrayName("optstd", 3), QStringLiteral("Ft"),
                            {60, 275, 735, 240}, false);

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
