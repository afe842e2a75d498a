#pragma once

// Tab 4, "Voltage Drop": gauge, material, supply, current and length in; drop, percent,
// volts at the load and conductor area out.

#include <QString>

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
    QLabel* lblDrop;
    QLabel* lblVoltsOut;
    QLabel* lblPCdrop;
    QLabel* lblCMA;
    TabFooter footer;
};

VoltageDropTab buildVoltageDropTab(QWidget* page, const QString& address);

// One of the four result lines (row 0 to 3) of the two circuit tabs, Voltage Drop and
// Conductor Sizing: row caption and result, no unit caption.
QLabel* addCircuitResultLine(QWidget* page, const char* name, const char* caption, int row);

}  // namespace ferrovolt
