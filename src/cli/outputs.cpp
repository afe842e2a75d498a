#include "cli/outputs.h"

#include <utility>

#include "tables/lists.h"

namespace ferrovolt {

void Outputs::add(std::string_view name, std::string_view caption, std::string_view unit,
                  std::string text) {
    m_rows[m_count++] = OutputRow{name, caption, unit, std::move(text)};
}

Outputs outputsOf(AreaWeightResult&& r) {
    Outputs o;
    o.add("Dia_mm", "Diameter", "Millimeters", std::move(r.Dia_mm));
    o.add("Dia_inch", "Diameter", "Inches", std::move(r.Dia_inch));
    o.add("Area_mm", "Area", "Sq Millimeters", std::move(r.Area_mm));
    o.add("Area_inches", "Area", "Sq Inches", std::move(r.Area_inches));
    o.add("Area_mils", "Area", "Circular Mils", std::move(r.Area_mils));
    o.add("Pounds", "Pounds", "1000 feet", std::move(r.Pounds));
    o.add("Kilos", "Kilos", "100 metres", std::move(r.Kilos));
    return o;
}

Outputs outputsOf(ResistanceResult&& r) {
    Outputs o;
    o.add("Kilo_mtr", "Weight", "Kilos/Metre", std::move(r.Kilo_mtr));
    o.add("Kilo_Km", "Weight", "Kilos/Kmtr", std::move(r.Kilo_Km));
    o.add("Pounds_f", "Weight", "Lbs/1000 feet", std::move(r.Pounds_f));
    o.add("Ohms_mtr", "DC Resistance", "Ohms/Metre", std::move(r.Ohms_mtr));
    o.add("Ohms_km", "DC Resistance", "Ohms/Kmtr", std::move(r.Ohms_km));
    o.add("Ohms_mile", "DC Resistance", "Ohms/Mile", std::move(r.Ohms_mile));
    o.add("Ohms_Kf", "DC Resistance", "Ohms/1000 Ft", std::move(r.Ohms_Kf));
    o.add("Ohms_f", "DC Resistance", "Ohms/Foot", std::move(r.Ohms_f));
    return o;
}

Outputs outputsOf(ComparisonResult&& r) {
    static constexpr std::array<std::string_view, kStandardCount> kBoxNames{
        "lblGaugeArray(0)", "lblGaugeArray(1)", "lblGaugeArray(2)", "lblGaugeArray(3)",
        "lblGaugeArray(4)"};
    Outputs o;
    o.add("lblGauge", "Gauge", "", std::move(r.lblGauge));
    for (std::size_t s = 0; s < kBoxNames.size(); ++s)
        o.add(kBoxNames[s], kStandardNames[s], "", std::move(r.lblGaugeArray[s]));
    return o;
}

Outputs outputsOf(ConduitResult&& r, bool inches) {
    // The window sets the unit captions of the three areas from the measure.
    const std::string_view unit = inches ? "Sq Inches" : "Sq mm";
    Outputs o;
    o.add("CondArea", "Conduit Area", unit, std::move(r.CondArea));
    o.add("UseableArea", "Permissible Area", unit, std::move(r.UseableArea));
    o.add("CableArea", "Cable Area", unit, std::move(r.CableArea));
    o.add("CableQty", "Cable Quantity", "", std::move(r.CableQty));
    return o;
}

Outputs outputsOf(VoltageDropResult&& r) {
    Outputs o;
    o.add("lblDrop", "Voltage Drop across Cable", "", std::move(r.lblDrop));
    o.add("lblVoltsOut", "Voltage available to the load", "", std::move(r.lblVoltsOut));
    o.add("lblPCdrop", "Percent Voltage Drop", "", std::move(r.lblPCdrop));
    o.add("lblCMA", "Circular Mils area of conductor", "", std::move(r.lblCMA));
    return o;
}

Outputs outputsOf(ConductorSizeResult&& r) {
    Outputs o;
    o.add("lblCmils", "Circular Mils required", "", std::move(r.lblCmils));
    o.add("lblMinAWG", "Minimum cable size AWG", "", std::move(r.lblMinAWG));
    o.add("lblMinMetric", "Minimum cable size Metric", "", std::move(r.lblMinMetric));
    o.add("lblNomMetric", "Nominal cable size Metric", "", std::move(r.lblNomMetric));
    return o;
}

Outputs gaugeAreaOutputs(std::string text) {
    Outputs o;
    o.add("area", "Area", "", std::move(text));
    return o;
}

}  // namespace ferrovolt
