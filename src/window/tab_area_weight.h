#pragma once

// Tab 0, "Area / Weight": gauge standard and gauge in, diameters, areas and weights out.

#include <QString>

#include "window/result_lines.h"
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
    ResultLabels results;    // one per row of kAreaWeight, in the order of its rows
    TabFooter footer;
};

AreaWeightTab buildAreaWeightTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
