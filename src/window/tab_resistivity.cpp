#include "window/tab_resistivity.h"

#include <QLabel>

#include "describe/calculators.h"
#include "window/controls.h"

namespace ferrovolt {

ResistivityTab buildResistivityTab(QWidget* page, const QString& address) {
    ResistivityTab tab{};
    addRectangle(page, arrayName("Shape1", 2), {1755, 2175, 1575, 2200});

    addLabel(page, QStringLiteral("lblHeading_cmbAWG(2)"), QStringLiteral("AWG"),
             {400, 1200, 1000, 240});
    addLabel(page, QStringLiteral("lblHeading_cmbMaterial(0)"), QStringLiteral("Material"),
             {1560, 1200, 1700, 240});
    // Start-up puts the degree sign in front of "Temp".
    tab.Label3_18 =
        addLabel(page, arrayName("Label3", 18), QStringLiteral("Temp"), {3400, 1200, 795, 240});
    tab.cmbAWG2 = addCombo(page, arrayName("cmbAWG", 2), QStringLiteral("18"),
                           {400, 1450, 1000, 315}, QStringLiteral("AWG"));
    tab.cmbMaterial0 =
        addCombo(page, arrayName("cmbMaterial", 0), QStringLiteral("Copper (Annealed)"),
                 {1560, 1450, 1700, 315}, QStringLiteral("Material"));
    tab.txtTemp = addTextField(page, QStringLiteral("txtTemp"), QStringLiteral("20"),
                               {3400, 1450, 800, 315}, QStringLiteral("Temp"));

    QFrame* units = tab.Frame3 = addGroup(page, QStringLiteral("Frame3"), {4340, 1100, 555, 1035});
    tab.optTemp[0] = addOption(units, arrayName("optTemp", 0), QStringLiteral("C"),
                               {30, 180, 500, 195}, true, QStringLiteral("Select for Celcius"));
    tab.optTemp[1] =
        addOption(units, arrayName("optTemp", 1), QStringLiteral("F"), {30, 430, 500, 195}, false,
                  QStringLiteral("Select for Fahrenheight"));
    tab.optTemp[2] =
        addOption(units, arrayName("optTemp", 2), QStringLiteral("K"), {30, 680, 500, 195}, false);

    const ResultColumns columns{120, 1515, 1965, 1245, 3465, 1350};
    // A line every 250 twips from 2300.
    static constexpr int kTops[] = {2300, 2550, 2800, 3050, 3300, 3550, 3800, 4050};
    tab.results = addResultLines(page, kResistanceCalc, kTops, 200, columns);

    tab.calculate = addCalculate(page, arrayName("cmdCalc", 2));
    tab.footer = addFooter(page, {1, 4, 4}, address);
    return tab;
}

}  // namespace ferrovolt
