#pragma once

// Tab 5, "Conductor Sizing": material, length, current, voltage and phase in; circular mils
// required, the smallest AWG or kcmil size and a metric size out.

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

// The property holding an option button's tag text (the voltage of optVolts).
inline constexpr char kTagProperty[] = "Tag";

struct SizingTab {
    QComboBox* cmbMaterial2;
    QLineEdit* txtCCTlngth2;
    QFrame* Frame5;         // the length unit
    QFrame* Frame6;         // the voltages
    QFrame* Frame7;         // the phases
    QRadioButton* optstd2;  // "Mtr"
    QRadioButton* optstd4;  // "Ft"
    QLineEdit* txtAmps2;
    std::array<QRadioButton*, 6> optVolts;
    std::array<QRadioButton*, 2> optPhase;
    QPushButton* calculate;  // cmdCalc4(2)
    ResultLabels results;    // one per row of kConductorSize, in the order of its rows
    TabFooter footer;
};

SizingTab buildSizingTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
