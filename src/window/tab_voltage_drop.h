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

// Result lines of the two circuit tabs: row captions and results, no unit captions.
inline constexpr int kCircuitResultTops[4] = {3300, 3555, 3795, 4050};

}  // namespace ferrovolt
