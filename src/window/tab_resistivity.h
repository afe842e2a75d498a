#pragma once

// Tab 2, "Resistivity": AWG gauge, material and temperature in, weights and DC resistances
// per length out.

#include <QString>
#include <array>

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

struct ResistivityTab {
    QComboBox* cmbAWG2;
    QComboBox* cmbMaterial0;
    QLineEdit* txtTemp;
    QLabel* Label3_18;  // the heading over txtTemp
    QFrame* Frame3;
    std::array<QRadioButton*, 3> optTemp;
    QPushButton* calculate;  // cmdCalc(2)
    ResultLabels results;    // one per row of kResistanceCalc, in the order of its rows
    TabFooter footer;
};

ResistivityTab buildResistivityTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
