#pragma once

// Tab 0, "Area / Weight": gauge standard and gauge in, diameters, areas and weights out.

#include <QString>

#include "window/tab_footer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace ferrovolt {

struct AreaWeightTab {
    QComboBox* cmbStandards;
    QComboBox* cmbAWG0;
    QPushButton* calculate;  // cmdCalc(0)
    QLabel* Dia_mm;
    QLabel* Dia_inch;
    QLabel* Area_mm;
    QLabel* Area_inches;
    QLabel* Area_mils;
    QLabel* Pounds;
    QLabel* Kilos;
    TabFooter footer;
};

AreaWeightTab buildAreaWeightTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
