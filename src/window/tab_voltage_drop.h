#pragma once

// Tab 4, "Voltage Drop": gauge, material, supply, current and length in; drop, percent,
// volts at the load and conductor area out.

#include <QString>

#include "window/result_lines.h"
#include "window/tab_footer.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrovolt {

struct VoltageDropTab {
    QComboBox* cmbGauge;
    QComboBox* cmbMaterial1;
    QComboBox* cmbVoltsPhase;
    QLineEdit* txtAmps1;
    QLineEdit* txtCCTlngth1;
    QFrame* Frame4;
    QRadioButton* optstd1;   // "Mtr"
    QRadioButton* optstd3;   // "Ft"
    QPushButton* calculate;  // cmdCalc4(1)
    ResultLabels results;    // one per row of kVoltageDrop, in the order of its rows
    TabFooter footer;
};

VoltageDropTab buildVoltageDropTab(QWidget* page, const QString& address);

// The four result lines of the two circuit tabs, Voltage Drop and Conductor Sizing: row
// caption and result, no unit caption.
ResultLabels addCircuitResultLines(QWidget* page, const CalculatorDescription& calculator);

}  // namespace ferrovolt
