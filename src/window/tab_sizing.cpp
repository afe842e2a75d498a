#include "window/tab_sizing.h"

#include <QRadioButton>

#include "describe/calculators.h"
#include "window/controls.h"
#include "window/tab_voltage_drop.h"

namespace ferrovolt {

SizingTab buildSizingTab(QWidget* page, const QString& address) {
    SizingTab tab{};
    addRectangle(page, arrayName("Shape1", 5), {2910, 3135, 1575, 1245});

    addLabel(page, QStringLiteral("lblHeading_cmbMaterial(2)"), QStringLiteral("Material"),
             {240, 960, 2535, 240});
    tab.cmbMaterial2 = addCombo(page, arrayName("cmbMaterial", 2), QStringLiteral("Copper"),
                                {240, 1215, 2535, 315}, QStringLiteral("Material"));

    addLabel(page, QStringLiteral("lblHeading_txtCCTlngth(2)"),
             QStringLiteral("Enter 1 way circuit length"), {2760, 915, 2400, 240});
    tab.txtCCTlngth2 =
        addTextField(page, arrayName("txtCCTlngth", 2), QStringLiteral("100"),
                     {3000, 1215, 1215, 315}, QStringLiteral("Enter 1 way circuit length"));
    QFrame* lengthUnit = tab.Frame5 =
        addGroup(page, QStringLiteral("Frame5"), {4320, 1110, 615, 525});
    tab.optstd2 = addOption(lengthUnit, arrayName("optstd", 2), QStringLiteral("Mtr"),
                            {60, 10, 540, 240}, true);
    tab.optstd4 = addOption(lengthUnit, arrayName("optstd", 4), QStringLiteral("Ft"),
                            {60, 275, 540, 240}, false);

    QFrame* voltages = tab.Frame6 =
        addGroup(page, QStringLiteral("Frame6"), {240, 1560, 1215, 1575});
    const std::array<const char*, 6> tags{"120", "208", "240", "277", "415", "480"};
    for (int i = 0; i < 6; ++i) {
        const QString tag = QString::fromLatin1(tags[static_cast<std::size_t>(i)]);
        QRadioButton* option =
            addOption(voltages, arrayName("optVolts", i), tag + QStringLiteral(" Volts"),
                      {120, 240 * i, 975, 255}, i == 2);
        option->setProperty(kTagProperty, tag);
        tab.optVolts[static_cast<std::size_t>(i)] = option;
    }

    QFrame* phases = tab.Frame7 = addGroup(page, QStringLiteral("Frame7"), {1560, 1800, 1575, 615});
    tab.optPhase[0] = addOption(phases, arrayName("optPhase", 0), QStringLiteral("Single Phase"),
                                {60, 0, 1455, 255}, true);
    tab.optPhase[1] = addOption(phases, arrayName("optPhase", 1), QStringLiteral("Three Phase"),
                                {60, 240, 1455, 255}, false);

    addLabel(page, QStringLiteral("lblHeading_txtAmps(2)"), QStringLiteral("Enter Load in AMPS"),
             {3120, 1680, 1800, 240});
    tab.txtAmps2 = addTextField(page, arrayName("txtAmps", 2), QStringLiteral("10"),
                                {3240, 1920, 1335, 315}, QStringLiteral("Enter Load in AMPS"));

    tab.results = addCircuitResultLines(page, kConductorSize);

    tab.calculate = addCalculate(page, arrayName("cmdCalc4", 2));
    tab.footer = addFooter(page, {5, 2, 2}, address);
    return tab;
}

}  // namespace ferrovolt
