// SPDX-License-Identifier: GPL-3.0-or-later
// The bindings of the calculators: read the tab's controls, ask the core, and write the
// result labels in their fixed order, or refuse with the focus on the field at fault.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <utility>

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "window/frm_options.h"
#include "window/qt_text.h"
#include "window/result_lines.h"

namespace ferrovolt {

namespace {

std::string textOf(const QComboBox* combo) {
    return fromQt(combo->currentText());
}
std::string textOf(const QLineEdit* field) {
    return fromQt(field->text());
}

// The field that a refusal names on a tab, or null for a field the tab does not have.
using FieldMap = std::initializer_list<std::pair<Field, QWidget*>>;

QWidget* fieldAt(FieldMap fields, Field field) {
    for (const auto& [name, widget] : fields)
        if (name == field) return widget;
    return nullptr;
}

}  // namespace

void frmOptions::cmdCalc_Click(int index) {
    if (index == 0) {
        const auto answer = CalcAreaWeight(m_tables, textOf(m_areaWeight.cmbAWG0),
                                           textOf(m_areaWeight.cmbStandards));
        if (const auto* refusal = std::get_if<Refusal>(&answer)) {
            refuse(fieldAt({{Field::Gauge, m_areaWeight.cmbAWG0},
                            {Field::Standard, m_areaWeight.cmbStandards}},
                           refusal->field));
            return;
        }
        const auto& r = std::get<AreaWeightResult>(answer);
        writeResults(m_areaWeight.results, {&r.Dia_mm, &r.Dia_inch, &r.Area_mm, &r.Area_inches,
                                            &r.Area_mils, &r.Pounds, &r.Kilos});
    } else if (index == 2) {
        const ResistivityTab& t = m_resistivity;
        const TempUnit unit = t.optTemp[1]->isChecked()   ? TempUnit::Fahrenheit
                              : t.optTemp[2]->isChecked() ? TempUnit::Kelvin
                                                          : TempUnit::Celsius;
        const auto answer = CalcResistance(m_tables, textOf(t.cmbAWG2), textOf(t.cmbMaterial0),
                                           textOf(t.txtTemp), unit);
        if (const auto* refusal = std::get_if<Refusal>(&answer)) {
            refuse(fieldAt({{Field::Gauge, t.cmbAWG2},
                            {Field::Material, t.cmbMaterial0},
                            {Field::Temperature, t.txtTemp}},
                           refusal->field));
            return;
        }
        const auto& r = std::get<ResistanceResult>(answer);
        writeResults(t.results, {&r.Kilo_mtr, &r.Kilo_Km, &r.Pounds_f, &r.Ohms_mtr, &r.Ohms_km,
                                 &r.Ohms_mile, &r.Ohms_Kf, &r.Ohms_f});
    }
}

void frmOptions::cmdCalc2_Click() {
    const ConduitTab& t = m_conduit;
    const auto answer =
        CalcConduitCapacity(m_tables, !t.optMeasure[0]->isChecked(), textOf(t.cmbDia),
                            t.optCapacity[0]->isChecked(), textOf(t.txtCable));
    if (const auto* refusal = std::get_if<Refusal>(&answer)) {
        refuse(
            fieldAt({{Field::ConduitSize, t.cmbDia}, {Field::Cable, t.txtCable}}, refusal->field));
        return;
    }
    const auto& r = std::get<ConduitResult>(answer);
    writeResults(t.results, {&r.CondArea, &r.UseableArea, &r.CableArea, &r.CableQty});
}

void frmOptions::cmdCalc4_Click(int index) {
    if (index == 1) {
        const VoltageDropTab& t = m_voltageDrop;
        const auto answer = CalcVoltageDrop(
            m_tables, textOf(t.txtCCTlngth1), t.optstd1->isChecked(), textOf(t.txtAmps1),
            textOf(t.cmbMaterial1), textOf(t.cmbVoltsPhase), textOf(t.cmbGauge));
        if (const auto* refusal = std::get_if<Refusal>(&answer)) {
            refuse(fieldAt({{Field::Length, t.txtCCTlngth1},
                            {Field::Current, t.txtAmps1},
                            {Field::Material, t.cmbMaterial1},
                            {Field::Supply, t.cmbVoltsPhase},
                            {Field::Gauge, t.cmbGauge}},
                           refusal->field));
            return;
        }
        const auto& r = std::get<VoltageDropResult>(answer);
        writeResults(t.results, {&r.lblDrop, &r.lblVoltsOut, &r.lblPCdrop, &r.lblCMA});
    } else if (index == 2) {
        const SizingTab& t = m_sizing;
        QRadioButton* volts = t.optVolts[0];
        for (QRadioButton* option : t.optVolts)
            if (option->isChecked()) volts = option;
        const auto answer = CalcConductorSize(m_tables, textOf(t.txtCCTlngth2),
                                              t.lengthUnit[0]->isChecked(), textOf(t.txtAmps2),
                                              textOf(t.cmbMaterial2), t.optPhase[0]->isChecked(),
                                              fromQt(volts->property(kTagProperty).toString()));
        if (const auto* refusal = std::get_if<Refusal>(&answer)) {
            refuse(fieldAt({{Field::Length, t.txtCCTlngth2},
                            {Field::Current, t.txtAmps2},
                            {Field::Material, t.cmbMaterial2},
                            {Field::Volts, volts}},
                           refusal->field));
            return;
        }
        const auto& r = std::get<ConductorSizeResult>(answer);
        writeResults(t.results, {&r.lblCmils, &r.lblMinAWG, &r.lblMinMetric, &r.lblNomMetric});
    }
}

void frmOptions::optMeasure_Click(int /*index*/) {
    FillConduitList();
}

void frmOptions::optCapacity_Click(int /*index*/) {
    m_conduit.calculate->click();
}

void frmOptions::optstd_Click(int index) {
    if (index == 1 || index == 3)
        m_voltageDrop.calculate->click();
    else if (index == 2 || index == 4)
        m_sizing.calculate->click();
}

}  // namespace ferrovolt
