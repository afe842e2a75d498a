// SPDX-License-Identifier: GPL-3.0-or-later
// GaugeArea with any gauge text, standard, unit mode and lookup kind. Input: four lines,
// the gauge text, the standard, the unit mode (decimal, any int) and the by-position flag.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace {

using namespace ferrovolt;
using fuzz::require;

// The position a text names: a label, or with byPosition a number rounded half to even.
std::optional<int> positionNamed(std::string_view gauge, bool byPosition) {
    if (!byPosition) {
        const std::vector<std::string> labels = gaugeListTexts();
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (labels[i] == gauge) return static_cast<int>(i) + 1;
        return std::nullopt;
    }
    const std::optional<double> value = readDouble(gauge);
    if (!value) return std::nullopt;
    const double whole = std::nearbyint(*value);  // the default rounding: half to even
    if (whole < 1 || whole > 46) return std::nullopt;
    return static_cast<int>(whole);
}

// BWG lacks 6/0, 5/0 and 37 to 40; US Standard (old) lacks 39 and 40.
bool standardHasGauge(int standard, int position) {
    if (standard == 1) return position > 2 && position < 43;
    if (standard == 3) return position < 45;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 4);
    const std::string_view gauge = f[0];
    const int standard = fuzz::intOf(f[1]);
    const int unit = fuzz::intOf(f[2]);
    const bool byPosition = fuzz::flagOf(f[3]);
    const Tables& t = fuzz::tables();

    const std::optional<std::string> area = GaugeArea(t, gauge, standard, unit, byPosition);
    require(area == GaugeArea(fuzz::exactTables(), gauge, standard, unit, byPosition),
            "derived and exact tables answer differently");
    const std::optional<int> position = positionNamed(gauge, byPosition);
    const bool known = position && standard >= 0 && standard < kStandardCount;
    require(area.has_value() == known, "an area for no gauge, or none for a gauge",
            std::string(gauge));
    if (!area) return 0;

    if (!standardHasGauge(standard, *position)) {
        require(*area == "N/A", "a standard without the gauge gave an area", *area);
        return 0;
    }
    fuzz::requireLabelText("area", *area);
    require(*area != "N/A" && *area != "", "a defined diameter gave no area", *area);
    if (unit < 0 || unit > 2) {
        require(*area == "0", "an unknown unit mode gave an area", *area);
        return 0;
    }
    require(readBackSingle(*area) > 0, "an area of a defined diameter is not positive", *area);

    // The same gauge by its position gives the same text.
    require(GaugeArea(t, std::to_string(*position), standard, unit, true) == area,
            "by label and by position differ");
    // Units agree within what rounding to 7 decimals leaves.
    const auto in = [&](int u) {
        return static_cast<double>(
            readBackSingle(GaugeArea(t, std::to_string(*position), standard, u, true).value()));
    };
    const double squareInches = in(1);
    const double mm = in(0);
    const double mils = in(2);
    require(std::fabs(mils - squareInches * 1270000) <= 1270000 * 0.5e-7 + mils * 1e-6,
            "circular mils and square inches disagree", *area);
    require(std::fabs(mm - squareInches * 645.16) <= 645.16 * 0.5e-7 + mm * 1e-6,
            "square millimetres and square inches disagree", *area);
    return 0;
}
