// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill/fill_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "fill/chapter9_tables.h"
#include "fill/fill_lookup.h"
#include "fill/fill_packing.h"
#include "tables/units.h"

namespace ferrovolt {

namespace c9 = chapter9;

namespace {

// Areas are sums of four-place table values; a sum that equals its limit in decimal may land
// a hair above it in binary.
constexpr double kAreaTolerance = 1e-9;

// The smallest conductor the tables know (18 AWG solid bare, Table 8). A cable below it is no
// cable, and it bounds every count below: the largest raceway at 60 % takes some 15,000 of
// it, well within an int. (Found when the program starts: GCC's null-pointer sanitizer will not
// compare a table's address with nullptr in a constant expression.)
const double kSmallestDiameter = [] {
    double smallest = 1;
    for (const c9::ConductorType& type : c9::kConductorTypes)
        for (const c9::WireFamily* family : {type.family, type.more})
            if (family != nullptr)
                for (const c9::WireRow& row : family->rows) smallest = std::min(smallest, row.dia);
    return smallest;
}();

// Circles of any sizes whose areas are at most half the bore's can always be laid in it, the
// largest no wider than the bore (Fekete, Keldenich and Scheffer, "Packing Disks into Disks
// with Optimal Worst-Case Density", SoCG 2019): so 40 % of Table 1, even with Note 7's count
// rounded up, never needs the cross-section laid out; 60 % in a nipple may.
constexpr double kAlwaysLaid = 0.5;

// Above half the bore, the cross-section is laid out for so many conductors at most; more, at
// the 60 % of a nipple, lie with room to spare.
constexpr int kPackedAtMost = 40;

// The smallest bore, in diameters, that holds n equal circles (n = 1 to 9): the proven densest
// packings (Kravitz 1967, Pirl 1969; Graham, Lubachevsky et al., "Dense packings of congruent
// circles in a circle", 1998): 2 across, 1 + 2/√3, 1 + √2, 1 + √(2(1 + 1/√5)), 3 (a ring of
// five about one, or of six), 1 + 1/sin(π/7), 1 + √(2(2 + √2)). Laying them one by one finds
// no room for five where they fit, so equal conductors this few are judged by these.
constexpr std::array<double, 10> kEqualCircles = {0,
                                                  1,
                                                  2,
                                                  2.1547005383792515,
                                                  2.414213562373095,
                                                  2.7013016167040798,
                                                  3,
                                                  3,
                                                  3.3047648709624866,
                                                  3.613125929752753};

// Note 7: the count n = x, rounded up when its fraction is 0.8 or more.
int roundNote7(double x) {
    const double whole = std::floor(x + kAreaTolerance);
    return static_cast<int>(whole) + (x - whole >= c9::kNote7Fraction - kAreaTolerance ? 1 : 0);
}

double percentFor(int count, bool nipple) {
    if (nipple) return c9::kNipple;
    if (count == 1) return c9::kOneConductor;
    if (count == 2) return c9::kTwoConductors;
    return c9::kOverTwoConductors;
}

FillRule ruleFor(int count, bool nipple) {
    if (nipple) return FillRule::Nipple;
    if (count == 1) return FillRule::OneConductor;
    if (count == 2) return FillRule::TwoConductors;
    return FillRule::OverTwo;
}

// Table 1, or Note 7 for conductors all of one size and type, in a raceway of this area.
bool areasFitIn(const FillAnswer& a, bool same, double racewayArea) {
    if (same)
        return a.count <= fillMaxSame(racewayArea, a.items.front().area, a.inputs.nipple).count;
    return a.totalArea <= a.percent * racewayArea + kAreaTolerance;
}

FillRefusal rowRefusal(const FillRow& row, int at, std::string_view cell, std::string reason) {
    return FillRefusal{row.kind == FillItemKind::Wire ? "wire" : "cable", std::move(reason), at,
                       cell};
}

std::string sizeRefusal(const FillRow& row) {
    const auto type = static_cast<std::size_t>(row.type);
    std::string reason(c9::kConductorTypes[type].text);
    reason += " has no size ";
    if (row.size >= 0 && row.size < static_cast<int>(c9::kSizes.size()))
        reason += c9::kSizes[static_cast<std::size_t>(row.size)].label;
    else
        reason += "of that number";
    reason += " in ";
    reason += citationText(c9::kConductorTypes[type].family->source);
    return reason;
}

}  // namespace

MaxSame fillMaxSame(double racewayArea, double itemArea, bool nipple) {
    if (nipple) return {roundNote7(c9::kNipple * racewayArea / itemArea), c9::kNipple};
    const int over2 = roundNote7(c9::kOverTwoConductors * racewayArea / itemArea);
    if (over2 >= 3) return {over2, c9::kOverTwoConductors};
    if (roundNote7(c9::kTwoConductors * racewayArea / itemArea) >= 2)
        return {2, c9::kTwoConductors};
    return {roundNote7(c9::kOneConductor * racewayArea / itemArea) >= 1 ? 1 : 0, c9::kOneConductor};
}

bool fillAreasFit(const FillAnswer& a, double racewayArea) {
    return areasFitIn(a, a.maxSame.has_value(), racewayArea);
}

double fillAcross(const FillAnswer& a) {
    double largest = 0, second = 0;
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        const double d = a.items[i].diameter;
        if (d > largest) {
            second = a.inputs.rows[i].count > 1 ? d : largest;
            largest = d;
        } else if (d > second) {
            second = d;
        }
    }
    return a.count > 1 ? largest + second : largest;
}

FillBore fillBoreOf(const FillAnswer& a, double insideDiameter) {
    if (fillAcross(a) > insideDiameter + kAreaTolerance) return FillBore::TooNarrow;
    if (a.totalArea <= kAlwaysLaid * std::numbers::pi / 4 * insideDiameter * insideDiameter)
        return FillBore::Fits;
    bool equal = true;
    for (const FillItem& item : a.items) equal = equal && item.diameter == a.items[0].diameter;
    if (equal && a.count < static_cast<int>(kEqualCircles.size()))
        return insideDiameter + kAreaTolerance >=
                       a.items[0].diameter * kEqualCircles[static_cast<std::size_t>(a.count)]
                   ? FillBore::Fits
                   : FillBore::NoRoom;
    if (a.count > kPackedAtMost) return FillBore::Fits;
    std::vector<PackedCircle> circles;
    for (std::size_t i = 0; i < a.items.size(); ++i)
        for (int n = 0; n < a.inputs.rows[i].count; ++n)
            circles.push_back({0, 0, a.items[i].diameter / 2, static_cast<int>(i)});
    return packCircles(insideDiameter / 2, std::move(circles)).notLaid == 0 ? FillBore::Fits
                                                                            : FillBore::NoRoom;
}

const c9::WireRow* fillWireRow(int type, int size, const c9::WireFamily** family) {
    const c9::ConductorType& t = c9::kConductorTypes[static_cast<std::size_t>(type)];
    for (const c9::WireFamily* f : {t.family, t.more}) {
        if (f == nullptr) continue;
        for (const c9::WireRow& row : f->rows) {
            if (row.size != size) continue;
            if (family != nullptr) *family = f;
            return &row;
        }
    }
    return nullptr;
}

FillResult checkFill(const FillInputs& in) {
    if (in.raceway < 0 || in.raceway >= static_cast<int>(c9::kRaceways.size()))
        return FillRefusal{"raceway", "not a raceway type of " + std::string(c9::kTable4.item)};
    const c9::RacewayType& raceway = c9::kRaceways[static_cast<std::size_t>(in.raceway)];
    std::optional<std::size_t> given;
    if (in.tradeSize) {
        for (std::size_t i = 0; i < raceway.sizes.size(); ++i)
            if (raceway.sizes[i].trade == *in.tradeSize) given = i;
        if (!given)
            return FillRefusal{"size", std::string(raceway.name) + " has no trade size " +
                                           fillTradeText(*in.tradeSize) + " in " +
                                           citationText(raceway.cite)};
    }
    if (in.rows.empty())
        return FillRefusal{"wire", "enter at least one conductor or cable", -1, "count"};

    FillAnswer a;
    a.items.reserve(in.rows.size());
    const c9::WireRow* sameRow = nullptr;
    double sameDiameter = 0;
    bool same = true;
    long long count = 0;
    for (std::size_t i = 0; i < in.rows.size(); ++i) {
        const FillRow& row = in.rows[i];
        const int at = static_cast<int>(i);
        if (row.count <= 0)
            return rowRefusal(row, at, "count", "the count must be a whole number of 1 or more");
        count += row.count;
        if (count > kMaxFillConductors)
            return FillRefusal{"conductors", "more than 10000 conductors and cables in one raceway",
                               at, "count"};
        FillItem item;
        if (row.kind == FillItemKind::Cable) {
            if (!(row.diameter > 0) || !std::isfinite(row.diameter))
                return rowRefusal(row, at, "diameter", "the diameter must be a positive number");
            if (row.diameter < kSmallestDiameter)
                return rowRefusal(
                    row, at, "diameter",
                    "the diameter must be at least " +
                        (row.metric
                             ? roundedNumberText(kSmallestDiameter * kMillimetresPerInch, 3) + " mm"
                             : roundedNumberText(kSmallestDiameter, 3) + " in") +
                        ", the smallest conductor of Chapter 9 (18 AWG bare, "
                        "Table 8)");
            item.diameter = row.diameter;
            item.area = std::numbers::pi / 4 * row.diameter * row.diameter;
            same = same && sameRow == nullptr && (i == 0 || sameDiameter == row.diameter);
            sameDiameter = row.diameter;
        } else {
            if (row.type < 0 || row.type >= static_cast<int>(c9::kConductorTypes.size()))
                return rowRefusal(row, at, "type", "not a conductor type of Chapter 9");
            const c9::WireRow* wire =
                row.size >= 0 && row.size < static_cast<int>(c9::kSizes.size())
                    ? fillWireRow(row.type, row.size, nullptr)
                    : nullptr;
            if (wire == nullptr) return rowRefusal(row, at, "size", sizeRefusal(row));
            item.diameter = wire->dia;
            item.area = wire->area;
            same = same && (i == 0 || sameRow == wire);
            sameRow = wire;
        }
        a.items.push_back(item);
        a.totalArea += item.area * row.count;
    }

    a.raceway = in.raceway;
    a.count = static_cast<int>(count);
    a.percent = percentFor(a.count, in.nipple);
    a.rule = ruleFor(a.count, in.nipple);
    a.inputs = in;
    const auto areasFit = [&](const c9::RacewaySize& size) {
        return areasFitIn(a, same, size.area);
    };
    // Where the areas allow the fill, whether the conductors can be laid in the bore.
    const auto boreIn = [&](const c9::RacewaySize& size) {
        return areasFit(size) ? fillBoreOf(a, size.idIn) : FillBore::Fits;
    };

    std::size_t chosen = raceway.sizes.size() - 1;
    if (given) {
        chosen = *given;
        a.bore = boreIn(raceway.sizes[chosen]);
        a.fits = areasFit(raceway.sizes[chosen]) && a.bore == FillBore::Fits;
    } else {
        for (std::size_t i = 0; i < raceway.sizes.size(); ++i) {
            if (!areasFit(raceway.sizes[i]) || boreIn(raceway.sizes[i]) != FillBore::Fits) continue;
            chosen = i;
            a.fits = true;
            break;
        }
        if (!a.fits) a.bore = boreIn(raceway.sizes[chosen]);
    }
    const c9::RacewaySize& size = raceway.sizes[chosen];
    a.tradeSize = size.trade;
    a.sizeGiven = given.has_value();
    a.racewayArea = size.area;
    a.allowedArea = a.percent * size.area;
    a.fillPercent = 100 * a.totalArea / size.area;
    if (same) {
        a.maxSame = fillMaxSame(size.area, a.items.front().area, in.nipple).count;
        a.byNote7 = a.fits && a.totalArea > a.allowedArea + kAreaTolerance;
    }
    if (a.count == 3) {
        for (const FillItem& item : a.items) {
            const double ratio = size.idIn / item.diameter;
            if (ratio >= c9::kJamLow && ratio <= c9::kJamHigh) {
                a.jamRatio = ratio;
                break;
            }
        }
    }
    return a;
}

}  // namespace ferrovolt
