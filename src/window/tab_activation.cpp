// SPDX-License-Identifier: GPL-3.0-or-later
// Tab activation: each time a tab becomes current its lists are rebuilt from scratch and
// their edit texts reset; the Conduit Capacity tab is prepared afresh and calculated.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "calc/voltage_drop.h"
#include "tables/lists.h"
#include "window/controls.h"
#include "window/frm_options.h"
#include "window/qt_text.h"
#include "window/ss_tab.h"

namespace ferrovolt {

namespace {

// The position of gauge "18", where the Compare Gauges tab always opens.
constexpr int kGauge18Position = 24;

// The open list's frame and its entries' side margins, with room to spare.
constexpr int kListMargin = 12;

// Clears the list, appends the items and sets the edit text. The text comes last because
// the first item added to an empty list would become the text; no item stays selected.
void fillCombo(QComboBox* combo, const QString& editText, const QStringList& items) {
    combo->clear();
    combo->addItems(items);
    // The open list is as wide as its widest entry, even where the box is narrower.
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + kListMargin);
    combo->setCurrentIndex(-1);
    showEditText(combo, editText);
}

QStringList supplyTexts() {
    QStringList texts;
    for (const Supply& supply : SupplyTable) texts.append(toQt(supply.text));
    return texts;
}

}  // namespace

void frmOptions::SSTab_Click(int /*previousTab*/) {
    switch (m_sstab->currentTab()) {
        case 0:
            fillCombo(m_areaWeight.cmbStandards, QStringLiteral("AWG (B&S)"),
                      toQtList(kStandardNames));
            FillAWGList(0);
            break;
        case 1:
            FillConduitList();
            break;
        case 2:
            fillCombo(m_resistivity.cmbMaterial0, QStringLiteral("Copper (Annealed)"),
                      toQtList(materialListTexts(m_tables)));
            FillAWGList(2);
            break;
        case 3:
            // Redraws only when the bar stood elsewhere.
            m_compare.VScroll1->setValue(kGauge18Position);
            break;
        case 4:
            FillMaterialList(1);
            FillGaugeList();
            fillCombo(m_voltageDrop.cmbVoltsPhase, QStringLiteral("240 Volts 1-phase"),
                      supplyTexts());
            break;
        case 5:
            FillMaterialList(2);
            break;
        default:
            break;
    }
}

void frmOptions::FillAWGList(int index) {
    QComboBox* combo = index == 0 ? m_areaWeight.cmbAWG0 : m_resistivity.cmbAWG2;
    fillCombo(combo, QStringLiteral("18"), toQtList(gaugeListTexts()));
}

void frmOptions::FillMaterialList(int index) {
    QComboBox* combo = index == 1 ? m_voltageDrop.cmbMaterial1 : m_sizing.cmbMaterial2;
    // The default is whatever material stands first in the table.
    fillCombo(combo, toQt(m_tables.MaterialTable[0][0]), toQtList(materialListTexts(m_tables)));
}

void frmOptions::FillGaugeList() {
    fillCombo(m_voltageDrop.cmbGauge, QStringLiteral("18 AWG"), toQtList(conductorSizeListTexts()));
}

void frmOptions::FillConduitList() {
    const bool millimetres = m_conduit.optMeasure[0]->isChecked();
    const std::size_t column = millimetres ? 0 : 1;
    QStringList sizes;
    for (const auto& row : m_tables.ConduitSizeTable) sizes.append(toQt(row[column]));
    m_conduit.cmbDia->clear();
    m_conduit.cmbDia->addItems(sizes);
    m_conduit.cmbDia->setCurrentIndex(-1);

    const QString unit = millimetres ? QStringLiteral("Sq mm") : QStringLiteral("Sq Inches");
    for (QLabel* label : m_conduit.lblStandard) label->setText(unit);
    showEditText(m_conduit.cmbDia, millimetres ? QStringLiteral("100") : QStringLiteral("4"));
    m_conduit.txtCable->setText(millimetres ? QStringLiteral("25") : QStringLiteral("1"));
    m_conduit.calculate->click();
}

}  // namespace ferrovolt
