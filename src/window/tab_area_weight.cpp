#include "window/tab_area_weight.h"

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
    const auto line = [&](const char* name, const char* caption, const char* unit, int top) {
        return addResultLine(page, QString::fromLatin1(name), QString::fromLatin1(caption),
                             QString::fromLatin1(unit), top, 195, columns);
    };
    tab.Dia_mm = line("Dia_mm", "Diameter :", "Millimeters", 2295);
    tab.Dia_inch = line("Dia_inch", "Diameter :", "Inches", 2550);
    tab.Area_mm = line("Area_mm", "Area :", "Sq Millimeters", 2805);
    tab.Area_inches = line("Area_inches", "Area :", "Sq Inches", 3045);
    tab.Area_mils = line("Area_mils", "Area :", "Circular Mils", 3300);
    tab.Pounds = line("Pounds", "Pounds :", "1000 feet", 3555);
    tab.Kilos = line("Kilos", "Kilos :", "100 metres", 3795);

    tab.calculate = addCalculate(page, arrayName("cmdCalc", 0));
    tab.footer = addFooter(page, {2, 0, 0}, address);
    return tab;
}

}  // namespace ferrovolt
