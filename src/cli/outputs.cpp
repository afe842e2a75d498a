// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/outputs.h"

#include <utility>

namespace ferrovolt {

namespace {

// A result's text moved into Outputs, or viewed by OutputTexts.
std::string&& textOf(std::string& text) {
    return std::move(text);
}
std::string_view textOf(const std::string& text) {
    return text;
}

// Each result's texts in the order its rows are declared.

template <typename Rows, typename R>
Rows areaWeightRows(R& r) {
    Rows o(kAreaWeight);
    for (auto* text :
         {&r.Dia_mm, &r.Dia_inch, &r.Area_mm, &r.Area_inches, &r.Area_mils, &r.Pounds, &r.Kilos})
        o.push(textOf(*text));
    return o;
}

template <typename Rows, typename R>
Rows resistanceRows(R& r) {
    Rows o(kResistanceCalc);
    for (auto* text : {&r.Kilo_mtr, &r.Kilo_Km, &r.Pounds_f, &r.Ohms_mtr, &r.Ohms_km, &r.Ohms_mile,
                       &r.Ohms_Kf, &r.Ohms_f})
        o.push(textOf(*text));
    return o;
}

template <typename Rows, typename R>
Rows comparisonRows(R& r) {
    Rows o(kComparison);
    o.push(textOf(r.lblGauge));
    for (auto& text : r.lblGaugeArray) o.push(textOf(text));
    return o;
}

template <typename Rows, typename R>
Rows conduitRows(R& r, bool inches) {
    // The window sets the unit captions of the three areas from the measure.
    Rows o(kConduit);
    for (auto* text : {&r.CondArea, &r.UseableArea, &r.CableArea}) {
        if (inches)
            o.push(textOf(*text), kConduitInchUnit);
        else
            o.push(textOf(*text));
    }
    o.push(textOf(r.CableQty));
    return o;
}

template <typename Rows, typename R>
Rows voltageDropRows(R& r) {
    Rows o(kVoltageDrop);
    for (auto* text : {&r.lblDrop, &r.lblVoltsOut, &r.lblPCdrop, &r.lblCMA}) o.push(textOf(*text));
    return o;
}

template <typename Rows, typename R>
Rows conductorSizeRows(R& r) {
    Rows o(kConductorSize);
    for (auto* text : {&r.lblCmils, &r.lblMinAWG, &r.lblMinMetric, &r.lblNomMetric})
        o.push(textOf(*text));
    return o;
}

}  // namespace

Outputs outputsOf(AreaWeightResult&& r) {
    return areaWeightRows<Outputs>(r);
}
Outputs outputsOf(ResistanceResult&& r) {
    return resistanceRows<Outputs>(r);
}
Outputs outputsOf(ComparisonResult&& r) {
    return comparisonRows<Outputs>(r);
}
Outputs outputsOf(ConduitResult&& r, bool inches) {
    return conduitRows<Outputs>(r, inches);
}
Outputs outputsOf(VoltageDropResult&& r) {
    return voltageDropRows<Outputs>(r);
}
Outputs outputsOf(ConductorSizeResult&& r) {
    return conductorSizeRows<Outputs>(r);
}

OutputTexts outputTextsOf(const AreaWeightResult& r) {
    return areaWeightRows<OutputTexts>(r);
}
OutputTexts outputTextsOf(const ResistanceResult& r) {
    return resistanceRows<OutputTexts>(r);
}
OutputTexts outputTextsOf(const ComparisonResult& r) {
    return comparisonRows<OutputTexts>(r);
}
OutputTexts outputTextsOf(const ConduitResult& r, bool inches) {
    return conduitRows<OutputTexts>(r, inches);
}
OutputTexts outputTextsOf(const VoltageDropResult& r) {
    return voltageDropRows<OutputTexts>(r);
}
OutputTexts outputTextsOf(const ConductorSizeResult& r) {
    return conductorSizeRows<OutputTexts>(r);
}

Outputs gaugeAreaOutputs(std::string text) {
    Outputs o(kGaugeAreaLookup);
    o.push(std::move(text));
    return o;
}

OutputTexts gaugeAreaTexts(std::string_view text) {
    OutputTexts o(kGaugeAreaLookup);
    o.push(text);
    return o;
}

}  // namespace ferrovolt
