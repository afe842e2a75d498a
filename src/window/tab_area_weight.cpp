#include "window/tab_area_weight.h"

#include "describe/calculators.h"
#include "window/controls.h"

namespace ferrovolt {

AreaWeightTab buildAreaWeightTab(QWidget* page, const QString& address) {
    AreaWeightTab tab{};
    addRectangle(page, arrayName("Shape1", 0), {1755, 2175, 1575, 2200});

    addLabel(page, QStringLiteral("lblHeading_cmbStandards"), QStringLiteral("Wire Standard"),
             {855, 1200, 2000, 255});
    addLabel(page, QStringLiteral("lblHeading_cmbAWG(0)"), QStringLiteral("Gauge"),
             {3300, 1200, 800, 255});
    tab.cmbStandards = addCombo(page, QStringLiteral("cmbStandards"), QStringLiteral("AWG (B&S)"),
                                {855, 1455, 2000, 315}, QStringLiteral("Wire Standard"));
    tab.cmbAWG0 = addCombo(page, arrayName("cmbAWG", 0), QStringLiteral("18"),
                           {3300, 1455, 800, 315}, QStringLiteral("Gauge"));

    const ResultColumns columns{120, 1515, 1965, 1245, 3465, 1350};
    static constexpr int kTops[] = {2295, 2550, 2805, 3045, 3300, 3555, 3795};
    tab.results = addResultLines(page, kAreaWeight, kTops, 195, columns);

    tab.calculate = addCalculate(page, arrayName("cmdCalc", 0));
    tab.footer = addFooter(page, {2, 0, 0}, address);
    return tab;
}

}  // namespace ferrovolt
