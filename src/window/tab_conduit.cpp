// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_conduit.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>

#include "describe/calculators.h"
#include "window/accessibility.h"
#include "window/control_table.h"
#include "window/controls.h"

namespace ferrovolt {

ConduitTab buildConduitTab(QWidget* page, const QString& address) {
    ConduitTab tab{};
    addRectangle(page, arrayName("Shape1", 1), {1755, 3080, 1575, 1300});

    const BuiltControls built = buildControls(page, kConduitControls);
    tab.cmbDia = built.get(row<ControlKind::Combo>(kConduitControls, "cmbDia"));
    tab.txtCable = built.get(row<ControlKind::Text>(kConduitControls, "txtCable"));
    tab.optMeasure = built.options<2>(row<ControlKind::Group>(kConduitControls, "Frame2(0)"));
    tab.optCapacity = built.options<2>(row<ControlKind::Group>(kConduitControls, "Frame2(1)"));

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
