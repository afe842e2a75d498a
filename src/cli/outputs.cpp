// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/outputs.h"

#include <utility>

namespace ferrovolt {

void Outputs::push(std::string&& text) {
    push(std::move(text), m_calculator->rows[m_count].unit);
}

void Outputs::push(std::string&& text, std::string_view unit) {
    OutputRow& row = m_rows[m_count];
    row.row = &m_calculator->rows[m_count];
    row.unit = unit;
    row.text = std::move(text);
    ++m_count;
}

// Each result's texts in the order its rows are declared.

Outputs outputsOf(AreaWeightResult&& r) {
    Outputs o(kAreaWeight);
    for (std::string* text :
         {&r.Dia_mm, &r.Dia_inch, &r.Area_mm, &r.Area_inches, &r.Area_mils, &r.Pounds, &r.Kilos})
        o.push(std::move(*text));
    return o;
}

Outputs outputsOf(ResistanceResult&& r) {
    Outputs o(kResistanceCalc);
    for (std::string* text : {&r.Kilo_mtr, &r.Kilo_Km, &r.Pounds_f, &r.Ohms_mtr, &r.Ohms_km,
                              &r.Ohms_mile, &r.Ohms_Kf, &r.Ohms_f})
        o.push(std::move(*text));
    return o;
}

Outputs outputsOf(ComparisonResult&& r) {
    Outputs o(kComparison);
    o.push(std::move(r.lblGauge));
    for (std::string& text : r.lblGaugeArray) o.push(std::move(text));
    return o;
}

Outputs outputsOf(ConduitResult&& r, bool inches) {
    // The window sets the unit captions of the three areas from the measure.
    Outputs o(kConduit);
    for (std::string* text : {&r.CondArea, &r.UseableArea, &r.CableArea}) {
        if (inches)
            o.push(std::move(*text), kConduitInchUnit);
        else
            o.push(std::move(*text));
    }
    o.push(std::move(r.CableQty));
    return o;
}

Outputs outputsOf(VoltageDropResult&& r) {
    Outputs o(kVoltageDrop);
    for (std::string* text : {&r.lblDrop, &r.lblVoltsOut, &r.lblPCdrop, &r.lblCMA})
        o.push(std::move(*text));
    return o;
}

Outputs outputsOf(ConductorSizeResult&& r) {
    Outputs o(kConductorSize);
    for (std::string* text : {&r.lblCmils, &r.lblMinAWG, &r.lblMinMetric, &r.lblNomMetric})
        o.push(std::move(*text));
    return o;
}

Outputs gaugeAreaOutputs(std::string text) {
    Outputs o(kGaugeAreaLookup);
    o.push(std::move(text));
    return o;
}

}  // namespace ferrovolt
