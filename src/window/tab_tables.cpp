#include "window/tab_tables.h"

#include "describe/calculators.h"

namespace ferrovolt {

namespace {

constexpr TabInput kAreaWeightInputs[] = {{"cmbStandards", "lblHeading_cmbStandards"},
                                          {"cmbAWG(0)", "lblHeading_cmbAWG(0)"}};

// The measure group stands between the two diameters.
constexpr TabInput kConduitInputs[] = {{"cmbDia", "lblHeading_cmbDia"},
                                       {"Frame2(0)", ""},
                                       {"txtCable", "lblHeading_txtCable"},
                                       {"Frame2(1)", ""}};

constexpr TabInput kResistivityInputs[] = {{"cmbAWG(2)", "lblHeading_cmbAWG(2)"},
                                           {"cmbMaterial(0)", "lblHeading_cmbMaterial(0)"},
                                           {"txtTemp", "Label3(18)"},
                                           {"Frame3", ""}};

constexpr TabInput kCompareInputs[] = {{"lblGauge", "lblHeading_lblGauge"}, {"Frame1", ""}};

// Each box is captioned by the standard's name under it, in the order the boxes stand.
constexpr TabResult kCompareResults[] = {{"lblGaugeArray(0)", "lblStandardName(0)", ""},
                                         {"lblGaugeArray(1)", "lblStandardName(1)", ""},
                                         {"lblGaugeArray(3)", "lblStandardName(3)", ""},
                                         {"lblGaugeArray(2)", "lblStandardName(2)", ""},
                                         {"lblGaugeArray(4)", "lblStandardName(4)", ""}};

constexpr TabInput kVoltageDropInputs[] = {{"cmbGauge", "lblHeading_cmbGauge"},
                                           {"cmbMaterial(1)", "lblHeading_cmbMaterial(1)"},
                                           {"cmbVoltsPhase", "lblHeading_cmbVoltsPhase"},
                                           {"txtAmps(1)", "lblHeading_txtAmps(1)"},
                                           {"txtCCTlngth(1)", "lblHeading_txtCCTlngth(1)"},
                                           {"Frame4", ""}};

// The voltages and phases stand beside the length; the current comes below them.
constexpr TabInput kSizingInputs[] = {{"cmbMaterial(2)", "lblHeading_cmbMaterial(2)"},
                                      {"txtCCTlngth(2)", "lblHeading_txtCCTlngth(2)"},
                                      {"Frame5", ""},
                                      {"Frame6", ""},
                                      {"Frame7", ""},
                                      {"txtAmps(2)", "lblHeading_txtAmps(2)"}};

}  // namespace

const std::array<TabTable, kTabTableCount> kTabTables{{
    {"cmdCalc(0)", kAreaWeightInputs, &kAreaWeight, {}},
    {"cmdCalc2", kConduitInputs, &kConduit, {}},
    {"cmdCalc(2)", kResistivityInputs, &kResistanceCalc, {}},
    {"", kCompareInputs, nullptr, kCompareResults},
    {"cmdCalc4(1)", kVoltageDropInputs, &kVoltageDrop, {}},
    {"cmdCalc4(2)", kSizingInputs, &kConductorSize, {}},
}};

}  // namespace ferrovolt
