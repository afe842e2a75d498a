#pragma once

// Tab 1, "Conduit Capacity": conduit and cable diameters, measure and fill, areas and
// the number of cables out.

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

struct ConduitTab {
    QComboBox* cmbDia;
    QLineEdit* txtCable;
    std::array<QFrame*, 2> Frame2;  // the measure and the fill groups
    std::array<QRadioButton*, 2> optMeasure;
    std::array<QRadioButton*, 2> optCapacity;
    QPushButton* calculate;  // cmdCalc2
    ResultLabels results;    // one per row of kConduit, in the order of its rows
    std::array<QLabel*, 3> lblStandard;
    TabFooter footer;
};

ConduitTab buildConduitTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
