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

namespace ferrovolt {

namespace {

using Writes = std::initializer_list<std::pair<QLabel*, const std::string*>>;

void write(Writes writes) {
    for (const auto& [label, text] : writes) label->setText(toQt(*text));
}

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
        const AreaWeightTab& t = m_areaWeight;
        write({{t.Dia_inch, &r.Dia_inch},
               {t.Dia_mm, &r.Dia_mm},
               {t.Area_inches, &r.Area_inches},
               {t.Area_mm, &r.Area_mm},
               {t.Area_mils, &r.Area_mils},
               {t.Pounds, &r.Pounds},
               {t.Kilos, &r.Kilos}});
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
        write({{t.Pounds_f, &r.Pounds_f},
               {t.Kilo_Km, &r.Kilo_Km},
               {t.Kilo_mtr, &r.Kilo_mtr},
               {t.Ohms_mtr, &r.Ohms_mtr},
               {t.Ohms_km, &r.Ohms_km},
               {t.Ohms_f, &r.Ohms_f},
               {t.Ohms_Kf, &r.Ohms_Kf},
               {t.Ohms_mile, &r.Ohms_mile}});
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
    write({{t.CondArea, &r.CondArea},
           {t.UseableArea, &r.UseableArea},
           {t.CableArea, &r.CableArea},
           {t.CableQty, &r.CableQty}});
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
        write({{t.lblCMA, &r.lblCMA},
               {t.lblDrop, &r.lblDrop},
               {t.lblPCdrop, &r.lblPCdrop},
               {t.lblVoltsOut, &r.lblVoltsOut}});
    } else if (index == 2) {
        const SizingTab& t = m_sizing;
        QRadioButton* volts = t.optVolts[0];
        for (QRadioButton* option : t.optVolts)
            if (option->isChecked()) volts = option;
        const auto answer = CalcConductorSize(m_tables, textOf(t.txtCCTlngth2),
                                              t.optstd2->isChecked(), textOf(t.txtAmps2),
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
        write({{t.lblCmils, &r.lblCmils},
               {t.lblMinAWG, &r.lblMinAWG},
               {t.lblMinMetric, &r.lblMinMetric},
               {t.lblNomMetric, &r.lblNomMetric}});
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
