#include "window/tab_conduit.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>

#include "describe/calculators.h"
#include "window/accessibility.h"
#include "window/controls.h"

namespace ferrovolt {

ConduitTab buildConduitTab(QWidget* page, const QString& address) {
    ConduitTab tab{};
    addRectangle(page, arrayName("Shape1", 1), {1755, 3080, 1575, 1300});

    addLabel(page, QStringLiteral("lblHeading_cmbDia"), QStringLiteral("Conduit Diameter"),
             {220, 1200, 1360, 240});
    addLabel(page, QStringLiteral("lblHeading_txtCable"), QStringLiteral("Cable Diameter"),
             {3420, 1200, 1360, 240});
    tab.cmbDia = addCombo(page, QStringLiteral("cmbDia"), QStringLiteral("100"),
                          {400, 1440, 1000, 315}, QStringLiteral("Conduit Diameter"));
    tab.cmbDia->setToolTip(QStringLiteral("Select the Conduit Diameter"));
    tab.txtCable = addTextField(page, QStringLiteral("txtCable"), QStringLiteral("25"),
                                {3600, 1465, 800, 285}, QStringLiteral("Cable Diameter"));

    QFrame* measure = tab.Frame2[0] =
        addGroup(page, arrayName("Frame2", 0), {2100, 1300, 1335, 600});
    tab.optMeasure[0] =
        addOption(measure, arrayName("optMeasure", 0), QStringLiteral("Millimeters"),
                  {60, 60, 1215, 255}, true, QStringLiteral("Select for Metric Sizes"));
    tab.optMeasure[1] =
        addOption(measure, arrayName("optMeasure", 1), QStringLiteral("Inches"),
                  {60, 350, 1215, 255}, false, QStringLiteral("Select for Imperial Sizes"));

    QFrame* fill = tab.Frame2[1] = addGroup(page, arrayName("Frame2", 1), {1080, 2220, 3435, 600});
    tab.optCapacity[0] =
        addOption(fill, arrayName("optCapacity", 0),
                  QStringLiteral("40% fill as per US National Electric Code."), {60, 0, 3315, 255},
                  true, QStringLiteral("Select for Metric Sizes"));
    tab.optCapacity[1] =
        addOption(fill, arrayName("optCapacity", 1), QStringLiteral("60% fill"),
                  {60, 350, 3315, 255}, false, QStringLiteral("Select for Imperial Sizes"));

    const ResultColumns columns{60, 1575, 1965, 1245, 3465, 1350};
    static constexpr int kTops[] = {3200, 3450, 3700, 4100};
    tab.results = addResultLines(page, kConduit, kTops, 200, columns, RowUnits::Separate);
    // The unit captions follow the measure; until then they read "Sq ".
    const std::array<int, 3> unitTops{3200, 3450, 3700};
    for (int i = 0; i < 3; ++i) {
        QLabel* unit = addLabel(
            page, arrayName("lblStandard", i), QStringLiteral("Sq "),
            {columns.unitLeft, unitTops[static_cast<std::size_t>(i)], columns.unitWidth, 200});
        QFont font = unit->font();
        font.setBold(true);
        unit->setFont(font);
        tab.lblStandard[static_cast<std::size_t>(i)] = unit;
        tab.results.at(static_cast<std::size_t>(i))
            ->setProperty(kResultUnitLabel, unit->objectName());
    }

    tab.calculate = addCalculate(page, QStringLiteral("cmdCalc2"));
    tab.footer = addFooter(page, {3, 3, 3}, address);
    return tab;
}

}  // namespace ferrovolt
