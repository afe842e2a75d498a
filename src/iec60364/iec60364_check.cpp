// SPDX-License-Identifier: GPL-3.0-or-later
#include "iec60364/iec60364_check.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "check/criteria_search.h"
#include "check/fault_inputs.h"
#include "iec60364/iec60364_fault.h"
#include "iec60364/iec60364_motor.h"
#include "iec60364/iec60364_steps.h"
#include "numtext/number_text.h"

namespace ferrovolt::iec60364 {

namespace {

using detail::kSlack;
using detail::positive;
using detail::refuse;

std::string cited(const Citation& cite) {
    return citationText(cite);
}

std::string_view methodKey(Method method) {
    return keyOf(kMethods, method);
}

bool inGround(Method method) {
    return method == Method::D1 || method == Method::D2;
}

int loadedOf(const IecInputs& in) {
    return in.loaded.value_or(in.phase == Phase::Three ? 3 : 2);
}

// The checks of single inputs, before any table is read.
std::optional<IecRefusal> invalid(const IecInputs& in) {
    if (!positive(in.current)) return refuse("current", "must be more than 0 A");
    if (!positive(in.length)) return refuse("length", "must be more than 0 m");
    if (!positive(in.volts)) return refuse("volts", "must be more than 0 V");
    const bool dc = in.phase == Phase::Dc;
    if (in.volts > (dc ? kMaxVoltsDc : kMaxVoltsAc))
        return refuse("volts", roundedNumberText(in.volts, 3) +
                                   " V is above the low-voltage scope of " +
                                   std::string(kScope.document) + " (" +
                                   (dc ? "1500 V DC" : "1000 V AC") + ")");
    if (in.maxDropPercent && (!positive(*in.maxDropPercent) || *in.maxDropPercent >= 100))
        return refuse("max_drop", "must be more than 0 and less than 100 %");
    if (in.maxDropPercent && (in.use || in.supply))
        return refuse("max_drop",
                      "is given with a use or supply: give either the limit or the "
                      "use and supply of " +
                          cited(kTableG52_1.cite));
    if (in.loaded && *in.loaded != 2 && *in.loaded != 3) return refuse("loaded", "must be 2 or 3");
    // The two-loaded columns are for single phase and DC; a three-phase circuit carries its
    // current on three lines and takes the three-loaded column.
    if (in.loaded == 2 && in.phase == Phase::Three)
        return refuse("loaded",
                      "2 is for single phase and DC: a three-phase circuit has 3 loaded "
                      "conductors (Annex B's three-loaded columns)");
    if (in.grouping < 1) return refuse("grouping", "must be 1 or more circuits");
    if (in.sets < 1) return refuse("sets", "must be 1 or more");
    // No grouping table goes beyond 20 circuits, and each parallel set counts as one.
    if (in.grouping > 20)
        return refuse("grouping", std::to_string(in.grouping) +
                                      " circuits are beyond the grouping tables (at most 20)");
    if (in.sets > 20)
        return refuse("sets", std::to_string(in.sets) +
                                  " sets count as as many circuits, beyond the grouping tables "
                                  "(at most 20)");
    if (in.ambient && !std::isfinite(*in.ambient))
        return refuse("ambient", "must be a temperature in °C");
    if (in.soilResistivity && !positive(*in.soilResistivity))
        return refuse("soil_resistivity", "must be more than 0 K·m/W");
    if (in.thirdHarmonicPercent && (!std::isfinite(*in.thirdHarmonicPercent) ||
                                    *in.thirdHarmonicPercent < 0 || *in.thirdHarmonicPercent > 100))
        return refuse("third_harmonic", "must be from 0 to 100 %");
    if (in.powerFactor && dc) return refuse("pf", "does not apply to a DC circuit");
    if (in.powerFactor && (!positive(*in.powerFactor) || *in.powerFactor > 1))
        return refuse("pf", "must be more than 0 and at most 1");
    if (in.deviceRating && in.device == Device::None)
        return refuse("device_rating", "is given with no device");
    if (in.deviceRating && !positive(*in.deviceRating))
        return refuse("device_rating", "must be more than 0 A");
    if (in.ggDeemed && in.device != Device::Gg)
        return refuse("gg_deemed", "applies to gG fuses only");
    if (auto refusal =
            faultInputsRefusal(in.faultCurrent, in.clearingTime, in.k, cited(kShortCircuitRule)))
        return refusal;
    if (in.size && (*in.size < 0 || *in.size >= kSizeCount))
        return refuse("size", "is not a size of " + cited(kIec60228Table.cite));
    return detail::invalidFaultPath(in);
}

std::string notHeld(std::string_view what) {
    return std::string(what) +
           " is printed in one published reproduction only, so Ferrovolt does not hold it";
}

// One Annex B table of a material and insulation, whatever its number of rows.
template <class Row>
struct TableView {
    const Citation* cite;
    std::span<const Row> rows;
};

template <class Row, std::size_t N>
TableView<Row> view(const CodeTable<Row, N>& table) {
    return {&table.cite, table.rows};
}

// The column `index` of a table, by size index; the rows of every table and the sizes ascend.
template <class Row>
AmpacityColumn fill(const TableView<Row>& table, std::size_t index, std::string_view name) {
    AmpacityColumn column;
    column.cite = table.cite;
    column.name = name;
    std::size_t s = 0;
    for (const Row& row : table.rows) {
        while (kSizes[s].mm2 < row.mm2) ++s;
        column.amps[s] = row.amps[index];
    }
    return column;
}

// Methods A1 to D2: B.52.2–B.52.5 by loaded conductors, insulation and material.
AmpacityColumn enclosedColumn(const IecInputs& in, int loaded) {
    const bool copper = in.material == Metal::Copper, pvc = in.insulation == Insulation::Pvc;
    const TableView<EnclosedRow> table =
        loaded == 2 ? (pvc ? (copper ? view(kTableB52_2Copper) : view(kTableB52_2Aluminium))
                           : (copper ? view(kTableB52_3Copper) : view(kTableB52_3Aluminium)))
                    : (pvc ? (copper ? view(kTableB52_4Copper) : view(kTableB52_4Aluminium))
                           : (copper ? view(kTableB52_5Copper) : view(kTableB52_5Aluminium)));
    static constexpr std::string_view kNames[2][7] = {
        {"method A1, 2 loaded conductors", "method A2, 2 loaded conductors",
         "method B1, 2 loaded conductors", "method B2, 2 loaded conductors",
         "method C, 2 loaded conductors", "method D1, 2 loaded conductors",
         "method D2, 2 loaded conductors"},
        {"method A1, 3 loaded conductors", "method A2, 3 loaded conductors",
         "method B1, 3 loaded conductors", "method B2, 3 loaded conductors",
         "method C, 3 loaded conductors", "method D1, 3 loaded conductors",
         "method D2, 3 loaded conductors"}};
    const auto index = static_cast<std::size_t>(in.method);
    return fill(table, index, kNames[loaded == 3][index]);
}

// A column of B.52.10–B.52.13 (E-2, E-3, F-2, F-3, G) and its name.
struct FreeAirColumn {
    std::size_t index;
    std::string_view name;
};

// The free-air column of method E, F or G, with the layout it takes.
std::variant<FreeAirColumn, IecRefusal> freeAirColumn(const IecInputs& in, int loaded,
                                                      std::optional<Layout>& layout) {
    const bool copper = in.material == Metal::Copper;
    if (in.method == Method::E)
        return FreeAirColumn{loaded == 2 ? 0u : 1u,
                             loaded == 2 ? "method E, 2 loaded conductors, multicore"
                                         : "method E, 3 loaded conductors, multicore"};
    if (in.method == Method::F && loaded == 2) {
        if (in.layout && *in.layout != Layout::Flat)
            return refuse("layout", "two loaded single-core cables of method F lie flat, touching");
        if (!copper)
            return refuse("method", notHeld("method F with two loaded aluminium conductors "
                                            "(Tables B.52.11, B.52.13)"));
        layout = Layout::Flat;
        return FreeAirColumn{2, "method F, 2 single-core cables touching"};
    }
    if (in.method == Method::F) {
        if (in.layout == Layout::Flat)
            return refuse("layout", notHeld("method F with three cables flat and touching"));
        if (in.layout && *in.layout != Layout::Trefoil)
            return refuse("layout", "method F lies in trefoil or flat");
        layout = Layout::Trefoil;
        return FreeAirColumn{3, "method F, 3 single-core cables in trefoil"};
    }
    if (loaded != 3) return refuse("loaded", "method G is tabulated for three loaded conductors");
    if (in.layout == Layout::Vertical)
        return refuse("layout", notHeld("method G spaced vertically"));
    if (in.layout && *in.layout != Layout::Horizontal)
        return refuse("layout", "method G is spaced, horizontal or vertical");
    if (!copper)
        return refuse("material",
                      "method G for aluminium is found in no published reproduction, so "
                      "Ferrovolt does not hold it");
    if (in.insulation != Insulation::Pvc)
        return refuse("insulation", notHeld("method G for XLPE or EPR"));
    layout = Layout::Horizontal;
    return FreeAirColumn{4, "method G, single-core cables spaced horizontally"};
}

// The Annex B column of the method, layout, material, insulation and loaded conductors.
std::variant<AmpacityColumn, IecRefusal> ampacityColumn(const IecInputs& in, int loaded,
                                                        std::optional<Layout>& layout) {
    if (in.layout && in.method != Method::F && in.method != Method::G)
        return refuse("layout", "applies to methods F and G only");
    if (in.method <= Method::D2) return enclosedColumn(in, loaded);
    auto column = freeAirColumn(in, loaded, layout);
    if (auto* refusal = std::get_if<IecRefusal>(&column)) return std::move(*refusal);
    const auto [index, name] = std::get<FreeAirColumn>(column);
    const bool copper = in.material == Metal::Copper;
    const TableView<FreeAirRow> table = in.insulation == Insulation::Pvc
                                            ? (copper ? view(kTableB52_10) : view(kTableB52_11))
                                            : (copper ? view(kTableB52_12) : view(kTableB52_13));
    return fill(table, index, name);
}

// The factor of a temperature table at an ambient: the column of the next printed
// temperature at or above it.
std::variant<double, IecRefusal> temperatureFactor(const CodeTable<TemperatureRow, 2>& table,
                                                   Insulation insulation, double ambient,
                                                   double& column) {
    const TemperatureRow& row = table.rows[insulation == Insulation::Pvc ? 0 : 1];
    double last = 0;
    for (std::size_t i = 0; i < kTemperatures.size(); ++i)
        if (row.factor[i] != 0) last = kTemperatures[i];
    if (ambient < kTemperatures.front() || ambient > last)
        return refuse("ambient", roundedNumberText(ambient, 2) + " °C is outside " +
                                     cited(table.cite) + ": its " + std::string(row.insulation) +
                                     " row runs from " +
                                     roundedNumberText(kTemperatures.front(), 0) + " to " +
                                     roundedNumberText(last, 0) + " °C");
    for (std::size_t i = 0; i < kTemperatures.size(); ++i)
        if (ambient <= kTemperatures[i] + kSlack) {
            column = kTemperatures[i];
            return row.factor[i];
        }
    return 1.0;  // not reached: the range was checked
}

// The first column of counts at or above `count`, or nothing beyond the last.
template <std::size_t N>
std::optional<std::size_t> countColumn(const std::array<int, N>& counts, int count) {
    for (std::size_t i = 0; i < N; ++i)
        if (count <= counts[i]) return i;
    return std::nullopt;
}

bool fits(const GroupingRow& row, Method method) {
    return std::string_view(row.methods).find(methodKey(method)) != std::string_view::npos;
}

// C_g for `a.circuits` circuits grouped as the inputs say.
std::string circuitsText(int n) {
    return std::to_string(n) + " circuits";
}

// Method D2, B.52.18 by the clearance between cables.
std::optional<IecRefusal> buriedGrouping(const IecInputs& in, IecAnswer& a) {
    if (in.ducts) return refuse("ducts", "applies to method D1 only");
    const Spacing spacing = in.spacing.value_or(Spacing::Touching);
    const auto row =
        std::find_if(kTableB52_18.rows.begin(), kTableB52_18.rows.end(),
                     [spacing](const GroundGroupingRow& r) { return r.spacing == spacing; });
    if (row == kTableB52_18.rows.end())
        return refuse("spacing", "is not a clearance of " + cited(kTableB52_18.cite) +
                                     " (touching, one diameter, 0.125, 0.25, 0.5 m)");
    if (a.circuits == 1) return std::nullopt;
    const auto col = countColumn(kGroundCounts, a.circuits);
    if (!col)
        return refuse("grouping", circuitsText(a.circuits) + " are beyond " +
                                      cited(kTableB52_18.cite) + " (at most 20)");
    a.groupingFactor = row->factor[*col];
    a.groupingColumn = kGroundCounts[*col];
    return std::nullopt;
}

// Method D1, B.52.19 part A (multicore cables) or B (single-core circuits) by the clearance
// between ducts.
std::optional<IecRefusal> ductGrouping(const IecInputs& in, IecAnswer& a) {
    const Spacing spacing = in.spacing.value_or(Spacing::Touching);
    if (spacing == Spacing::OneDiameter || spacing == Spacing::M0_125)
        return refuse("spacing", "is not a clearance of " + cited(kTableB52_19A.cite) +
                                     " (touching, 0.25, 0.5, 1 m)");
    const std::size_t row = spacing == Spacing::Touching ? 0
                            : spacing == Spacing::M0_25  ? 1
                            : spacing == Spacing::M0_5   ? 2
                                                         : 3;
    const int n = a.circuits;
    if (n == 1) return std::nullopt;
    const auto col = static_cast<std::size_t>(n - 2);
    if (in.ducts.value_or(DuctCables::Multicore) == DuctCables::SingleCore) {
        if (n > 6)
            return refuse("grouping", circuitsText(n) + " of single-core cables in ducts: " +
                                          cited(kTableB52_19B.cite) +
                                          " is held up to 6 (its 7 to 9 circuit values are "
                                          "printed in one published reproduction only)");
        a.groupingFactor = kTableB52_19B.rows[row].factor[col];
    } else {
        if (n > kDuctCounts.back())
            return refuse("grouping", circuitsText(n) + " in ducts: " + cited(kTableB52_19A.cite) +
                                          " is held up to 12 cables (its 13 to 20 cable values "
                                          "are printed in one published reproduction only)");
        a.groupingFactor = kTableB52_19A.rows[row].factor[col];
    }
    a.groupingColumn = n;
    return std::nullopt;
}

// Methods A to F, B.52.17 by arrangement.
std::optional<IecRefusal> airGrouping(const IecInputs& in, IecAnswer& a) {
    const Arrangement arrangement = in.arrangement.value_or(Arrangement::Bunched);
    const GroupingRow& row = kTableB52_17.rows[static_cast<std::size_t>(arrangement)];
    if (!fits(row, in.method))
        return refuse("arrangement",
                      "item " + std::to_string(row.item) + " of " + cited(kTableB52_17.cite) +
                          " (" + std::string(row.arrangement) + ") applies to method " +
                          std::string(row.methods) + ", not " + std::string(methodKey(in.method)));
    const auto col = countColumn(kGroupCounts, a.circuits);
    if (!col)
        return refuse("grouping", circuitsText(a.circuits) + " are beyond " +
                                      cited(kTableB52_17.cite) + " (at most 20)");
    // Items 2 to 5 print nothing beyond 9 circuits: no further reduction.
    std::size_t c = *col;
    while (row.factor[c] == 0) --c;
    a.groupingFactor = row.factor[c];
    a.groupingColumn = kGroupCounts[c];
    return std::nullopt;
}

// C_g for `a.circuits` circuits grouped as the inputs say.
std::optional<IecRefusal> groupingFactor(const IecInputs& in, IecAnswer& a) {
    if (inGround(in.method)) {
        if (in.arrangement)
            return refuse("arrangement",
                          "applies to methods A to F; in the ground the spacing is given");
        return in.method == Method::D2 ? buriedGrouping(in, a) : ductGrouping(in, a);
    }
    if (in.spacing) return refuse("spacing", "applies to methods D1 and D2 only");
    if (in.ducts) return refuse("ducts", "applies to method D1 only");
    if (in.method != Method::G) return airGrouping(in, a);
    if (in.arrangement) return refuse("arrangement", "does not apply to method G");
    if (a.circuits > 1)
        return refuse("grouping", "groups of spaced single-core cables (method G) are not in " +
                                      cited(kTableB52_17.cite) +
                                      ", and their own tables are not held");
    return std::nullopt;
}

std::optional<IecRefusal> soilFactor(const IecInputs& in, IecAnswer& a) {
    if (!in.soilResistivity) return std::nullopt;
    if (!inGround(in.method))
        return refuse("soil_resistivity", "applies in the ground only (methods D1 and D2)");
    const double rho = *in.soilResistivity;
    if (rho < kResistivities.front() || rho > kResistivities.back() + kSlack)
        return refuse("soil_resistivity", roundedNumberText(rho, 3) + " K·m/W is outside " +
                                              cited(kTableB52_16.cite) + " (0.5 to 3 K·m/W)");
    const SoilRow& row = kTableB52_16.rows[in.method == Method::D1 ? 0 : 1];
    for (std::size_t i = 0; i < kResistivities.size(); ++i)
        if (rho <= kResistivities[i] + kSlack) {
            a.soilFactor = row.factor[i];
            a.soilResistivity = kResistivities[i];
            break;
        }
    return std::nullopt;
}

std::optional<IecRefusal> harmonicFactor(const IecInputs& in, IecAnswer& a) {
    if (!in.thirdHarmonicPercent) return std::nullopt;
    if (in.phase != Phase::Three || a.loaded != 3)
        return refuse("third_harmonic",
                      "applies to four- and five-core cables of three-phase circuits with three "
                      "loaded conductors");
    if (in.method == Method::A1 || in.method == Method::B1 || in.method == Method::F ||
        in.method == Method::G)
        return refuse("third_harmonic", "applies to four- and five-core cables; method " +
                                            std::string(methodKey(in.method)) +
                                            " is of single-core cables");
    const double h = *in.thirdHarmonicPercent;
    for (const HarmonicRow& row : kTableE52_1.rows)
        if (h <= row.upToPercent) {
            a.harmonicFactor = row.factor;
            a.onNeutral = row.onNeutral;
            break;
        }
    a.neutralCurrent = 3 * h / 100 * in.current;
    return std::nullopt;
}

// The device's rating and what 433.1 asks of I_z for it.
std::optional<IecRefusal> device(const IecInputs& in, IecAnswer& a) {
    a.device = in.device;
    if (in.device == Device::None) {
        a.izPerRating = 1;
        return std::nullopt;
    }
    if (in.device == Device::Am && !in.deviceRating)
        return refuse("device_rating",
                      "is needed for an aM fuse: its rating is chosen with the motor's starter, "
                      "give I_n");
    if (in.deviceRating) {
        a.rating = *in.deviceRating;
        a.ratingGiven = true;
        if (a.rating + kSlack < in.current)
            return refuse("device_rating", roundedNumberText(a.rating, 3) +
                                               " A is below the design current " +
                                               roundedNumberText(in.current, 3) +
                                               " A: " + cited(kOverloadRule) + " needs I_B ≤ I_n");
        // A rating the device's standard has no series for is no such device; a cb has no
        // series and takes its setting.
        const auto beyond = [&a](const auto& series) -> std::optional<IecRefusal> {
            if (a.rating <= series.rows.back() + kSlack) return std::nullopt;
            return refuse("device_rating", roundedNumberText(a.rating, 3) +
                                               " A is above the range of " + cited(series.cite) +
                                               " (" + roundedNumberText(series.rows.front(), 3) +
                                               " to " + roundedNumberText(series.rows.back(), 3) +
                                               " A)");
        };
        if (in.device == Device::Mcb)
            if (auto refusal = beyond(kMcbRatings)) return refusal;
        if (in.device == Device::Gg)
            if (auto refusal = beyond(kGgRatings)) return refusal;
    } else if (in.device == Device::Cb) {
        return refuse("device_rating",
                      "is needed for a cb: IEC 60947-2 sets no series of ratings, give the "
                      "setting I_r");
    } else {
        const auto next = [&in](const auto& series,
                                std::string_view instead) -> std::variant<double, IecRefusal> {
            for (double rating : series.rows)
                if (rating + kSlack >= in.current) return rating;
            return refuse("device", roundedNumberText(in.current, 3) +
                                        " A is above the largest rating of " + cited(series.cite) +
                                        " (" + roundedNumberText(series.rows.back(), 3) +
                                        " A): " + std::string(instead));
        };
        auto rating = in.device == Device::Mcb ? next(kMcbRatings, "use a cb or a gG fuse")
                                               : next(kGgRatings, "use a cb with its setting");
        if (auto* refusal = std::get_if<IecRefusal>(&rating)) return std::move(*refusal);
        a.rating = std::get<double>(rating);
    }
    // An aM fuse breaks short circuits only: the motor's overload relay protects the cable
    // against overload, so the fuse asks nothing of I_z beyond I_B.
    if (in.device == Device::Am) {
        a.izPerRating = 1;
        return std::nullopt;
    }
    if (in.device == Device::Gg && a.rating <= 4 + kSlack)
        return refuse("device_rating",
                      "gG fuses of 4 A and less: their conventional fusing current is not held; "
                      "give a rating above 4 A");
    const std::size_t row = in.device == Device::Mcb  ? 0
                            : in.device == Device::Cb ? 1
                            : a.rating < 16 - kSlack  ? 2
                                                      : 3;
    a.i2Multiple = kConventionalTripping[row].i2;
    a.izPerRating = in.ggDeemed ? 1.0 : std::max(1.0, a.i2Multiple / 1.45);
    return std::nullopt;
}

std::optional<IecRefusal> dropLimit(const IecInputs& in, IecAnswer& a) {
    if (in.maxDropPercent) {
        a.maxDropPercent = *in.maxDropPercent;
        return std::nullopt;
    }
    a.dropLimit = &kTableG52_1.rows[in.supply.value_or(Supply::Public) == Supply::Public ? 0 : 1];
    a.maxDropPercent =
        in.use.value_or(Use::Other) == Use::Lighting ? a.dropLimit->lighting : a.dropLimit->other;
    return std::nullopt;
}

double kOf(const IecInputs& in, double mm2, const KColumn*& column) {
    if (in.k) {
        column = nullptr;
        return *in.k;
    }
    if (in.insulation == Insulation::Xlpe)
        column = &kTable43A.rows[3];
    else
        column = &kTable43A.rows[mm2 <= 300 + kSlack ? 0 : 1];
    return in.material == Metal::Copper ? column->copper : column->aluminium;
}

std::string sizeText(int size, Metal material) {
    return std::string(kSizes[static_cast<std::size_t>(size)].label) +
           (material == Metal::Copper ? " copper" : " aluminium");
}

// The Annex B column, and a given size it must hold.
std::optional<IecRefusal> installation(const IecInputs& in, IecAnswer& a) {
    auto column = ampacityColumn(in, a.loaded, a.layout);
    if (auto* refusal = std::get_if<IecRefusal>(&column)) return std::move(*refusal);
    a.column = std::get<AmpacityColumn>(column);
    if (in.size && a.column.amps[static_cast<std::size_t>(*in.size)] == 0)
        return refuse("size", sizeText(*in.size, in.material) + " has no value held in " +
                                  cited(*a.column.cite) + ", " + std::string(a.column.name));
    return std::nullopt;
}

// C_a, C_g, C_s and C_h.
std::optional<IecRefusal> factors(const IecInputs& in, IecAnswer& a) {
    a.ambient = in.ambient.value_or(inGround(in.method) ? 20 : 30);
    auto factor = temperatureFactor(inGround(in.method) ? kTableB52_15 : kTableB52_14,
                                    in.insulation, a.ambient, a.ambient);
    if (auto* refusal = std::get_if<IecRefusal>(&factor)) return std::move(*refusal);
    a.ambientFactor = std::get<double>(factor);
    a.circuits = in.grouping + in.sets - 1;
    a.groupingColumn = a.circuits;
    if (auto refusal = groupingFactor(in, a)) return refusal;
    if (auto refusal = soilFactor(in, a)) return refusal;
    return harmonicFactor(in, a);
}

double product(const IecAnswer& a) {
    return a.ambientFactor * a.groupingFactor * a.soilFactor * a.harmonicFactor;
}

// The largest size the column holds.
int largestHeld(const IecAnswer& a) {
    int s = kSizeCount - 1;
    while (a.column.amps[static_cast<std::size_t>(s)] == 0) --s;
    return s;
}

std::string largestLabel(const IecAnswer& a) {
    return std::string(kSizes[static_cast<std::size_t>(largestHeld(a))].label);
}

// Where no size meets a criterion, a size to choose is refused with the reason and its remedy;
// a given size is answered failing it, with the reason, never passed.
std::optional<IecRefusal> noneMeets(const IecInputs& in, IecAnswer& a, IecCriterion criterion,
                                    std::string_view field, std::string reason,
                                    std::string_view remedy) {
    if (!in.size) return refuse(field, reason + std::string(remedy));
    const auto c = static_cast<std::size_t>(criterion);
    a.unmet[c] = std::move(reason);
    a.fails[c] = true;
    a.meetsAll = false;
    return std::nullopt;
}

// 433.1: I_t × C ≥ the larger of what the device asks and, sized on the neutral, I_N.
std::optional<IecRefusal> byAmpacity(const IecInputs& in, IecAnswer& a) {
    const double protectedCurrent = in.device == Device::None || in.device == Device::Am
                                        ? in.current
                                        : a.rating * a.izPerRating;
    a.requiredIz = std::max(protectedCurrent, a.onNeutral ? a.neutralCurrent : 0.0) / in.sets;
    a.requiredIt = a.requiredIz / product(a);
    for (int s = 0; s < kSizeCount; ++s) {
        const double it = a.column.amps[static_cast<std::size_t>(s)];
        if (it != 0 && it * product(a) + kSlack >= a.requiredIz) {
            a.byAmpacity = s;
            return std::nullopt;
        }
    }
    // The capacity asked follows the device's rating where one was given.
    return noneMeets(in, a, IecCriterion::Ampacity, a.ratingGiven ? "device_rating" : "current",
                     roundedNumberText(a.requiredIz, 3) + " A per set is more than " +
                         largestLabel(a) + " carries in " + cited(*a.column.cite) + ", " +
                         std::string(a.column.name) + ", with these factors",
                     ": use parallel sets");
}

// The drop of Annex G.
struct Circuit {
    const IecInputs& in;
    double b;     // 1 three phase, 2 single phase and DC
    double rho1;  // Ω·mm²/m
    double cos, sin;

    Circuit(const IecInputs& inputs, double powerFactor)
        : in(inputs),
          b(in.phase == Phase::Three ? 1.0 : 2.0),
          rho1(in.material == Metal::Copper ? kAnnexG.rho1Copper : kAnnexG.rho1Aluminium),
          cos(powerFactor),
          sin(std::sqrt(1 - powerFactor * powerFactor)) {}

    double dropVolts(double mm2) const {
        const double length = in.length / in.sets;
        return b * (rho1 * length / mm2 * cos + kAnnexG.lambda * length * sin) * in.current;
    }
};

std::optional<IecRefusal> byVoltageDrop(const IecInputs& in, IecAnswer& a) {
    a.u0 = in.phase == Phase::Three ? in.volts / std::sqrt(3.0) : in.volts;
    a.powerFactor =
        in.phase == Phase::Dc ? 1.0 : in.powerFactor.value_or(kAnnexG.defaultPowerFactor);
    const Circuit c(in, a.powerFactor);
    for (int s = 0; s < kSizeCount; ++s) {
        if (a.column.amps[static_cast<std::size_t>(s)] == 0) continue;
        const double mm2 = kSizes[static_cast<std::size_t>(s)].mm2;
        if (c.dropVolts(mm2) * 100 / a.u0 <= a.maxDropPercent + kSlack) {
            a.byVoltageDrop = s;
            return std::nullopt;
        }
    }
    return noneMeets(in, a, IecCriterion::VoltageDrop, "max_drop",
                     "no size up to " + largestLabel(a) + " keeps the drop within " +
                         roundedNumberText(a.maxDropPercent, 3) + " % over this length",
                     ": use parallel sets");
}

// 434.5.2: S ≥ I √t / k, per conductor.
std::optional<IecRefusal> byShortCircuit(const IecInputs& in, IecAnswer& a) {
    if (!in.faultCurrent) return std::nullopt;
    const double need = *in.faultCurrent * std::sqrt(*in.clearingTime);
    const KColumn* column = nullptr;
    for (int s = 0; s < kSizeCount; ++s) {
        if (a.column.amps[static_cast<std::size_t>(s)] == 0) continue;
        const double mm2 = kSizes[static_cast<std::size_t>(s)].mm2;
        if (mm2 + kSlack < need / kOf(in, mm2, column)) continue;
        a.byShortCircuit = s;
        return std::nullopt;
    }
    const double k = kOf(in, kSizes[static_cast<std::size_t>(largestHeld(a))].mm2, column);
    return noneMeets(in, a, IecCriterion::ShortCircuit, "fault_current",
                     "needs " + roundedNumberText(need / k, 2) +
                         " mm² per conductor, more than the largest size held for this method (" +
                         largestLabel(a) + ")",
                     "");
}

// 524.1, the largest minimum, the fault path and what a given size fails; the answer's own
// numbers.
std::optional<IecRefusal> conclude(const IecInputs& in, IecAnswer& a) {
    const double minimum = kTable52_2.rows[in.material == Metal::Copper ? 0 : 1].mm2;
    a.byMinimumSize = 0;
    while (a.column.amps[static_cast<std::size_t>(a.byMinimumSize)] == 0 ||
           kSizes[static_cast<std::size_t>(a.byMinimumSize)].mm2 + kSlack < minimum)
        ++a.byMinimumSize;

    const std::array<std::optional<int>, 4> minimums{a.byAmpacity, a.byVoltageDrop,
                                                     a.byShortCircuit, a.byMinimumSize};
    a.governedBy = static_cast<IecCriterion>(governingCriterion(minimums));
    a.size = in.size.value_or(*minimums[static_cast<std::size_t>(a.governedBy)]);
    a.sizeGiven = in.size.has_value();
    if (a.sizeGiven) {
        for (const std::size_t failed : failedCriteria(minimums, a.size)) {
            a.fails[failed] = true;
            a.meetsAll = false;
        }
    }
    if (std::optional<IecRefusal> refusal = detail::faultPath(in, a)) return refusal;
    const ConductorRow& size = kSizes[static_cast<std::size_t>(a.size)];
    a.sizeLabel = size.label;
    a.tabulated = a.column.amps[static_cast<std::size_t>(a.size)];
    a.iz = a.tabulated * product(a);
    if (in.faultCurrent) {
        a.k = kOf(in, size.mm2, a.kColumn);
        a.shortCircuitMm2 = *in.faultCurrent * std::sqrt(*in.clearingTime) / *a.k;
    }
    a.dropVolts = Circuit(in, a.powerFactor).dropVolts(size.mm2);
    a.dropPercent = a.dropVolts * 100 / a.u0;
    return std::nullopt;
}

// What the load asks of the other inputs; a motor's design current and its running power
// factor in place of the ones a general load is given.
std::variant<std::optional<MotorCircuit>, IecRefusal> load(IecInputs& in) {
    if (in.load == Load::General) {
        if (in.device == Device::Am)
            return refuse("device",
                          "an aM fuse breaks short circuits only, so it protects a motor's "
                          "circuit, whose relay takes the overload: give load motor");
        return std::nullopt;
    }
    if (in.current != 0)
        return refuse("current",
                      "is worked out for a motor: from kw, efficiency and motor_pf, or its "
                      "nameplate fla");
    if (in.powerFactor) return refuse("pf", "is the motor's motor_pf for a motor load");
    auto design = detail::motorDesign(in);
    if (auto* refusal = std::get_if<IecRefusal>(&design)) return std::move(*refusal);
    MotorCircuit motor = std::get<MotorCircuit>(std::move(design));
    in.current = motor.motor.designCurrent;
    in.powerFactor = in.motorPowerFactor;
    return motor;
}

}  // namespace

IecResult checkIecCircuit(const IecInputs& given) {
    IecInputs in = given;
    auto motor = load(in);
    if (auto* refusal = std::get_if<IecRefusal>(&motor)) return std::move(*refusal);
    if (std::optional<IecRefusal> refusal = invalid(in)) return std::move(*refusal);
    IecAnswer a;
    a.inputs = in;
    a.motor = std::get<std::optional<MotorCircuit>>(std::move(motor));
    a.sets = in.sets;
    a.loaded = loadedOf(in);
    for (const auto step :
         {installation, factors, device, dropLimit, byAmpacity, byVoltageDrop, byShortCircuit})
        if (std::optional<IecRefusal> refusal = step(in, a)) return std::move(*refusal);
    if (std::optional<IecRefusal> refusal = conclude(in, a)) return std::move(*refusal);
    if (a.motor)
        if (std::optional<IecRefusal> refusal = detail::motorStart(in, a))
            return std::move(*refusal);
    return a;
}

std::string_view iecCriterionKey(IecCriterion criterion) {
    constexpr std::string_view kKeys[] = {"ampacity", "voltage_drop", "short_circuit",
                                          "minimum_size", "fault_loop"};
    return kKeys[static_cast<int>(criterion)];
}

std::string_view iecCriterionName(IecCriterion criterion) {
    constexpr std::string_view kNames[] = {"ampacity", "voltage drop", "short circuit",
                                           "minimum size", "earth-fault loop"};
    return kNames[static_cast<int>(criterion)];
}

std::optional<int> iecSizeOf(std::string_view label) {
    while (!label.empty() && label.front() == ' ') label.remove_prefix(1);
    while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
    for (std::string_view unit : {"mm²", "mm2"})
        if (label.size() >= unit.size() && label.substr(label.size() - unit.size()) == unit) {
            label.remove_suffix(unit.size());
            break;
        }
    while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
    if (!isNumber(label)) return std::nullopt;
    const std::optional<double> mm2 = readDouble(label);
    for (int s = 0; mm2 && s < kSizeCount; ++s)
        if (kSizes[static_cast<std::size_t>(s)].mm2 == *mm2) return s;
    return std::nullopt;
}

}  // namespace ferrovolt::iec60364
