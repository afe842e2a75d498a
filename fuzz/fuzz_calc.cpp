// SPDX-License-Identifier: GPL-3.0-or-later
// The six computations with any input texts and flags. Input: the first line names the
// computation (or its first byte picks one), the following lines are its inputs in the
// order of the batch requests, flags as "1" or "0".

#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "fuzz_support.h"
#include "numtext/number_text.h"
#include "result_forms.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace {

using namespace ferrovolt;
using fuzz::require;

using Fields = std::vector<std::string_view>;

bool isGaugeLabel(std::string_view text) {
    static const std::vector<std::string> labels = gaugeListTexts();
    return std::find(labels.begin(), labels.end(), text) != labels.end();
}

bool isMaterialName(std::string_view text) {
    const Tables& t = fuzz::tables();
    return std::any_of(t.MaterialTable.begin(), t.MaterialTable.end(),
                       [&](const auto& row) { return row[0] == text; });
}

// The value of a number text as the C library reads it, long double to see past the range.
std::optional<long double> valueOf(std::string_view text) {
    if (!isNumber(text)) return std::nullopt;
    return std::strtold(std::string(text).c_str(), nullptr);
}

// A length or current the computation must take: a number, not negative, within range.
bool acceptable(std::string_view text, long double limit) {
    const auto v = valueOf(text);
    return v && *v >= 0 && *v <= limit;
}

// One unit in the last place a number text shows: 1 for "42" and "123456.", 0.1 for "2.4",
// 1E+17 for "1.1E+19".
long double lastPlace(std::string_view text) {
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const long double decimals =
        point == std::string_view::npos ? 0 : static_cast<long double>(mantissa.size() - point - 1);
    const long double exponent =
        e == std::string_view::npos
            ? 0
            : std::strtold(std::string(text.substr(e + 1)).c_str(), nullptr);
    return std::pow(10.0L, exponent - decimals);
}

// A shown number, read back, lies within the rounding (or the cut) of its own text of the
// value computed, give or take `relative` for the single-precision steps before it. A cut
// that drops the exponent or digits before the point misses by orders of magnitude.
void requireNear(std::string_view label, std::string_view text, long double value,
                 long double relative) {
    const long double shown = std::strtold(std::string(text).c_str(), nullptr);
    const long double allowed = lastPlace(text) + relative * std::fabs(value);
    require(std::fabs(shown - value) <= allowed, "a shown number is not the value computed",
            std::string(label) + " shows " + std::string(text) + " for " +
                std::to_string(static_cast<double>(value)));
}

// Resistivity at 20 C and coefficient of a material, as the computations read them.
float materialColumn(std::string_view name, std::size_t column) {
    const Tables& t = fuzz::tables();
    return readBackSingle(
        t.MaterialTable[static_cast<std::size_t>(materialRowOfName(t, name).value())][column]);
}

// Relative allowance for the single-precision length, resistivity and requirement.
constexpr long double kSingleSteps = 1e-6L;

template <typename Result>
void requireRefusalOf(const Answer<Result>& answer, Field expected, std::string_view why) {
    const auto* refusal = std::get_if<Refusal>(&answer);
    require(refusal != nullptr, "not refused", why);
    require(refusal->field == expected, "refusal names another field",
            std::string(fieldName(refusal->field)) + " instead of " +
                std::string(fieldName(expected)) + ": " + std::string(why));
}

template <typename Result>
const Result& resultOf(const Answer<Result>& answer) {
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        fuzz::fail("refused a valid input", fieldName(refusal->field));
    return std::get<Result>(answer);
}

void areaWeight(const Fields& f) {
    const Tables& t = fuzz::tables();
    const auto answer = CalcAreaWeight(t, f[1], f[2]);
    require(answer == CalcAreaWeight(fuzz::exactTables(), f[1], f[2]),
            "derived and exact tables answer differently");
    if (!isGaugeLabel(f[1])) return requireRefusalOf(answer, Field::Gauge, f[1]);
    if (!isPermittedStandard(f[2])) return requireRefusalOf(answer, Field::Standard, f[2]);
    const AreaWeightResult& r = resultOf(answer);
    const std::array<std::pair<const char*, const std::string*>, 7> texts{
        {{"Dia_mm", &r.Dia_mm},
         {"Dia_inch", &r.Dia_inch},
         {"Area_mm", &r.Area_mm},
         {"Area_inches", &r.Area_inches},
         {"Area_mils", &r.Area_mils},
         {"Pounds", &r.Pounds},
         {"Kilos", &r.Kilos}}};
    const bool na = r.Dia_mm == "N/A";
    for (const auto& [name, text] : texts) {
        fuzz::requireLabelText(name, *text);
        require((*text == "N/A") == na, "N/A in some labels only", name);
    }
}

void resistance(const Fields& f) {
    const Tables& t = fuzz::tables();
    const auto unit = static_cast<TempUnit>(static_cast<unsigned>(fuzz::intOf(f[4])) % 3);
    const auto answer = CalcResistance(t, f[1], f[2], f[3], unit);
    require(answer == CalcResistance(fuzz::exactTables(), f[1], f[2], f[3], unit),
            "derived and exact tables answer differently");
    if (!isGaugeLabel(f[1])) return requireRefusalOf(answer, Field::Gauge, f[1]);
    if (!isMaterialName(f[2])) return requireRefusalOf(answer, Field::Material, f[2]);
    const auto entered = valueOf(f[3]);
    if (!entered) return requireRefusalOf(answer, Field::Temperature, f[3]);
    if (std::fabs(*entered) > FLT_MAX) {
        // Just past the largest single the reading may still round down to it.
        if (std::holds_alternative<Refusal>(answer) || std::fabs(*entered) > FLT_MAX * 1.0001L)
            requireRefusalOf(answer, Field::Temperature, f[3]);
        return;
    }
    const long double celsius = unit == TempUnit::Celsius      ? *entered
                                : unit == TempUnit::Fahrenheit ? (*entered - 32) * 5 / 9
                                                               : *entered - 273.15L;
    // Near absolute zero the single-precision conversion may fall either side.
    if (std::fabs(celsius + 273.15L) < 1e-3L) return;
    if (celsius < -273.15L) return requireRefusalOf(answer, Field::Temperature, f[3]);
    // Where 1 + alpha (T - 20) reaches 0 the material keeps no resistance; close to it the
    // single-precision temperature may fall either side.
    const long double factor = 1 + materialColumn(f[2], 2) * (celsius - 20);
    if (std::fabs(factor) < 1e-6L) return;
    if (factor <= 0) return requireRefusalOf(answer, Field::Temperature, f[3]);
    const ResistanceResult& r = resultOf(answer);
    fuzz::requireLabelText("Kilo_mtr", r.Kilo_mtr);
    fuzz::requireLabelText("Kilo_Km", r.Kilo_Km);
    fuzz::requireLabelText("Pounds_f", r.Pounds_f);
    fuzz::requireLabelText("Ohms_mtr", r.Ohms_mtr);
    fuzz::requireLabelText("Ohms_km", r.Ohms_km);
    fuzz::requireLabelText("Ohms_mile", r.Ohms_mile);
    fuzz::requireLabelText("Ohms_Kf", r.Ohms_Kf);
    fuzz::requireLabelText("Ohms_f", r.Ohms_f);
    // The weights are copper's whatever the material and temperature.
    const auto copper = CalcResistance(t, f[1], "Copper (Annealed)", "20", TempUnit::Celsius);
    const ResistanceResult& c = resultOf(copper);
    require(r.Kilo_mtr == c.Kilo_mtr && r.Kilo_Km == c.Kilo_Km && r.Pounds_f == c.Pounds_f,
            "weights depend on material or temperature");
}

void comparison(const Fields& f) {
    const Tables& t = fuzz::tables();
    const int position = fuzz::intOf(f[1]);
    const int unit = fuzz::intOf(f[2]);
    const ComparisonResult r = CalcComparison(t, position, unit);
    require(r == CalcComparison(fuzz::exactTables(), position, unit),
            "derived and exact tables answer differently");
    if (position < 1 || position > 46) {
        require(r == ComparisonResult{}, "a position outside 1 to 46 shows texts");
        return;
    }
    fuzz::requireLabelText("lblGauge", r.lblGauge);
    for (int s = 0; s < kStandardCount; ++s) {
        const std::string& box = r.lblGaugeArray[static_cast<std::size_t>(s)];
        fuzz::requireLabelText("lblGaugeArray(" + std::to_string(s) + ")", box);
        const auto area = GaugeArea(t, std::to_string(position), s, unit, true);
        require(area && box == *area + " ", "a box differs from the gauge area", box);
    }
}

void conduit(const Fields& f) {
    const Tables& t = fuzz::tables();
    const bool inches = fuzz::flagOf(f[1]);
    const bool fill40 = fuzz::flagOf(f[3]);
    const auto answer = CalcConduitCapacity(t, inches, f[2], fill40, f[4]);
    require(answer == CalcConduitCapacity(fuzz::exactTables(), inches, f[2], fill40, f[4]),
            "derived and exact tables answer differently");
    static constexpr std::array<std::string_view, 11> kMillimetres{
        "16", "20", "25", "32", "40", "50", "63", "80", "100", "125", "150"};
    static constexpr std::array<std::string_view, 11> kInches{
        "1/2", "3/4", "1", "1 1/4", "1 1/2", "2", "2 1/2", "3", "4", "5", "6"};
    const auto& sizes = inches ? kInches : kMillimetres;
    if (std::find(sizes.begin(), sizes.end(), f[2]) == sizes.end())
        return requireRefusalOf(answer, Field::ConduitSize, f[2]);
    const auto cable = valueOf(f[4]);
    if (!cable || *cable < 0) return requireRefusalOf(answer, Field::Cable, f[4]);
    // A cable whose area shows as 0 (cut to 12 characters, below about 1E-10) or is beyond
    // the double range may be refused.
    if (*cable < 2e-5L || *cable > 1e150L) {
        if (std::holds_alternative<Refusal>(answer)) requireRefusalOf(answer, Field::Cable, f[4]);
        return;
    }
    const ConduitResult& r = resultOf(answer);
    fuzz::requireLabelText("CondArea", r.CondArea);
    fuzz::requireLabelText("UseableArea", r.UseableArea);
    fuzz::requireLabelText("CableArea", r.CableArea);
    fuzz::requireLabelText("CableQty", r.CableQty);
    const long double fill = fill40 ? 0.4L : 0.6L;
    requireNear("UseableArea", r.UseableArea, std::strtold(r.CondArea.c_str(), nullptr) * fill,
                1e-12L);
    const long double cableRadius = *cable / 2;
    requireNear("CableArea", r.CableArea, cableRadius * cableRadius * 3.14159265358979L, 1e-12L);
    // The quantity is the whole part of the shown areas' quotient.
    const double quotient = readBackDouble(r.UseableArea) / readBackDouble(r.CableArea);
    const double quantity = readBackDouble(r.CableQty);
    require(quantity <= quotient * (1 + 1e-12) && quotient < (quantity + 1) * (1 + 1e-12),
            "the quantity is not the whole part of the quotient", r.CableQty);
}

// A plain AWG text ends in "AWG" with no "/" as second character; its label drops the
// last four characters. Otherwise a kcmil or large AWG text of the list.
bool namesConductor(std::string_view gauge) {
    const bool plain =
        gauge.size() >= 3 && gauge.substr(gauge.size() - 3) == "AWG" && gauge.find('/') != 1;
    if (plain) return gauge.size() > 4 && isGaugeLabel(gauge.substr(0, gauge.size() - 4));
    if (std::any_of(kKcmilTexts.begin(), kKcmilTexts.end(),
                    [&](const KcmilText& k) { return k.text == gauge; }))
        return true;
    return std::find(kLargeAwgTexts.begin(), kLargeAwgTexts.end(), gauge) != kLargeAwgTexts.end();
}

// The length, current and material checks that both circuit tabs share. True when the
// answer has been judged (refused, or beyond what the texts alone decide).
template <typename Result>
bool circuitRefusal(const Answer<Result>& answer, const Fields& f, bool metres,
                    long double overflow) {
    const long double lengthLimit = metres ? FLT_MAX / 3.281L : FLT_MAX;
    if (!acceptable(f[1], lengthLimit)) {
        // Just below the limit the single conversion may overflow or not.
        const auto v = valueOf(f[1]);
        if (v && *v >= 0 && *v <= FLT_MAX * 1.0001L) return true;
        requireRefusalOf(answer, Field::Length, f[1]);
        return true;
    }
    if (!acceptable(f[3], DBL_MAX)) {
        // Just above the largest double the reading may still round down to it.
        const auto v = valueOf(f[3]);
        if (v && *v >= 0) {
            if (std::holds_alternative<Refusal>(answer))
                requireRefusalOf(answer, Field::Current, f[3]);
            return true;
        }
        requireRefusalOf(answer, Field::Current, f[3]);
        return true;
    }
    if (!isMaterialName(f[4])) {
        requireRefusalOf(answer, Field::Material, f[4]);
        return true;
    }
    const long double feet = *valueOf(f[1]) * (metres ? 3.281L : 1);
    // A drop or requirement beyond the range of its type is refused as the current, which
    // the computation finds out only after checking the supply, gauge or volts.
    if (feet * *valueOf(f[3]) * 100 > overflow) {
        if (const auto* refusal = std::get_if<Refusal>(&answer))
            require(refusal->field == Field::Current || refusal->field == Field::Supply ||
                        refusal->field == Field::Gauge || refusal->field == Field::Volts,
                    "an overflow refused as another field", fieldName(refusal->field));
        return true;
    }
    return false;
}

void voltageDrop(const Fields& f) {
    const Tables& t = fuzz::tables();
    const bool metres = fuzz::flagOf(f[2]);
    const auto answer = CalcVoltageDrop(t, f[1], metres, f[3], f[4], f[5], f[6]);
    require(answer == CalcVoltageDrop(fuzz::exactTables(), f[1], metres, f[3], f[4], f[5], f[6]),
            "derived and exact tables answer differently");
    if (circuitRefusal(answer, f, metres, 1e305L)) return;
    if (std::none_of(SupplyTable.begin(), SupplyTable.end(),
                     [&](const Supply& s) { return s.text == f[5]; }))
        return requireRefusalOf(answer, Field::Supply, f[5]);
    if (!namesConductor(f[6])) return requireRefusalOf(answer, Field::Gauge, f[6]);
    const VoltageDropResult& r = resultOf(answer);
    fuzz::requireLabelText("lblCMA", r.lblCMA);
    fuzz::requireLabelText("lblDrop", r.lblDrop);
    fuzz::requireLabelText("lblPCdrop", r.lblPCdrop);
    fuzz::requireLabelText("lblVoltsOut", r.lblVoltsOut);
    const Supply& supply = *std::find_if(SupplyTable.begin(), SupplyTable.end(),
                                         [&](const Supply& s) { return s.text == f[5]; });
    const long double feet = *valueOf(f[1]) * (metres ? 3.281L : 1);
    const long double drop = 2 * materialColumn(f[4], 1) * 6.0153L * feet * *valueOf(f[3]) /
                             std::strtold(r.lblCMA.c_str(), nullptr) * supply.phaseFactor;
    requireNear("lblDrop", r.lblDrop, drop, kSingleSteps);
    // The percent and the load voltage follow from the drop as shown.
    const long double shownDrop = std::strtold(r.lblDrop.c_str(), nullptr);
    const long double volts = supply.volts;
    requireNear("lblPCdrop", r.lblPCdrop, shownDrop / volts * 100, 1e-12L);
    if (shownDrop >= volts)
        require(r.lblVoltsOut == "Out of range.", "a load voltage for a drop past the supply",
                r.lblVoltsOut);
    else
        requireNear("lblVoltsOut", r.lblVoltsOut, volts - shownDrop, 1e-12L);
    for (const KcmilText& k : kKcmilTexts)
        if (k.text == f[6])
            require(readBackDouble(r.lblCMA) == k.circularMils, "kcmil area", r.lblCMA);
    if (f[6].size() > 4 && isGaugeLabel(f[6].substr(0, f[6].size() - 4)) && f[6].find('/') != 1)
        require(r.lblCMA == GaugeArea(t, f[6].substr(0, f[6].size() - 4), 0, CircularMils, false),
                "the AWG area differs from the gauge area", r.lblCMA);
}

void conductorSize(const Fields& f) {
    const Tables& t = fuzz::tables();
    const bool metres = fuzz::flagOf(f[2]);
    const bool single = fuzz::flagOf(f[5]);
    const auto answer = CalcConductorSize(t, f[1], metres, f[3], f[4], single, f[6]);
    require(
        answer == CalcConductorSize(fuzz::exactTables(), f[1], metres, f[3], f[4], single, f[6]),
        "derived and exact tables answer differently");
    if (circuitRefusal(answer, f, metres, 1e36L)) return;
    if (std::none_of(DropLimitTable.begin(), DropLimitTable.end(),
                     [&](const DropLimit& l) { return l.tag == f[6]; }))
        return requireRefusalOf(answer, Field::Volts, f[6]);
    const ConductorSizeResult& r = resultOf(answer);
    fuzz::requireLabelText("lblCmils", r.lblCmils);
    fuzz::requireLabelText("lblMinAWG", r.lblMinAWG);
    fuzz::requireLabelText("lblMinMetric", r.lblMinMetric);
    fuzz::requireLabelText("lblNomMetric", r.lblNomMetric);
    const std::string group =
        testing::sizingGroupFault(r.lblMinAWG, r.lblMinMetric, r.lblNomMetric);
    require(group.empty(), "sizing texts do not stand together", group);
    const long double limit =
        std::find_if(DropLimitTable.begin(), DropLimitTable.end(), [&](const DropLimit& l) {
            return l.tag == f[6];
        })->volts;
    const long double feet = *valueOf(f[1]) * (metres ? 3.281L : 1);
    const long double required =
        materialColumn(f[4], 1) * 6.0153L * (single ? 2 : 1.732L) * feet * *valueOf(f[3]) / limit;
    requireNear("lblCmils", r.lblCmils, required, kSingleSteps);
    constexpr std::string_view kSqMm = " sq mm";
    if (r.lblMinMetric.size() > kSqMm.size() &&
        r.lblMinMetric.compare(r.lblMinMetric.size() - kSqMm.size(), kSqMm.size(), kSqMm) == 0)
        requireNear("lblMinMetric", r.lblMinMetric.substr(0, r.lblMinMetric.size() - kSqMm.size()),
                    required * 0.000507L, kSingleSteps);
    if (r.lblMinAWG.rfind("# ", 0) == 0) {
        require(r.lblMinMetric == GaugeArea(t, r.lblMinAWG.substr(2), 0, SquareMillimetres, false),
                "the metric area is not the AWG size's", r.lblMinMetric);
        // The gauge found carries more than the requirement shown (cut to 8 characters).
        const float area =
            readBackSingle(GaugeArea(t, r.lblMinAWG.substr(2), 0, CircularMils, false).value());
        if (r.lblCmils.find('E') == std::string::npos)
            require(area > readBackSingle(r.lblCmils) * (1 - 1e-6F), "the AWG size is too small",
                    r.lblMinAWG);
    }
}

struct Computation {
    std::string_view name;
    void (*run)(const Fields&);
};

constexpr std::array<Computation, 6> kComputations{{
    {"area_weight", areaWeight},
    {"resistance", resistance},
    {"compare", comparison},
    {"conduit", conduit},
    {"voltage_drop", voltageDrop},
    {"conductor_size", conductorSize},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Fields f = fuzz::fields(data, size, 7);
    const Computation* chosen = nullptr;
    for (const Computation& c : kComputations)
        if (c.name == f[0]) chosen = &c;
    if (chosen == nullptr)
        chosen = &kComputations[f[0].empty() ? 0 : static_cast<unsigned char>(f[0][0]) % 6];
    chosen->run(f);
    return 0;
}
