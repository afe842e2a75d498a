// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill/fill_check.h"

#include <cmath>
#include <numbers>

#include "fill/chapter9_tables.h"
#include "fill/fill_lookup.h"

namespace ferrovolt {

namespace c9 = chapter9;

namespace {

// Areas are sums of four-place table values; a sum that equals its limit in decimal may land
// a hair above it in binary.
constexpr double kAreaTolerance = 1e-9;

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

FillRefusal rowRefusal(const FillRow& row, int at, std::string_view cell, std::string reason) {
    return FillRefusal{row.kind == FillItemKind::Wire ? "wire" : "cable", std::move(reason), at,
                       cell};
}

std::string sizeRefusal(const FillRow& row) {
    const auto type = static_cast<std::size_t>(row.type);
    std::string reason(c9::kConductorTypes[type].text);
    reason += " has no size ";
    if (row.size >= 0 && row.size < static_cast<int>(c9::kSizes.size()))
        reason += c9::kSizes[static_cast<std::size_t>(row.size)];
    else
        reason += "of that number";
    reason += " in ";
    reason += c9::kConductorTypes[type].family->source;
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
        return FillRefusal{"raceway", "not a raceway type of Chapter 9 Table 4"};
    const c9::RacewayType& raceway = c9::kRaceways[static_cast<std::size_t>(in.raceway)];
    std::optional<std::size_t> given;
    if (in.tradeSize) {
        for (std::size_t i = 0; i < raceway.sizes.size(); ++i)
            if (raceway.sizes[i].trade == *in.tradeSize) given = i;
        if (!given)
            return FillRefusal{"size", std::string(raceway.name) + " has no trade size " +
                                           fillTradeText(*in.tradeSize) + " in " +
                                           std::string(c9::kTable4)};
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
    const double itemArea = a.items.front().area;
    const auto fitsIn = [&](const c9::RacewaySize& size) {
        if (same) return a.count <= fillMaxSame(size.area, itemArea, in.nipple).count;
        return a.totalArea <= a.percent * size.area + kAreaTolerance;
    };

    std::size_t chosen = raceway.sizes.size() - 1;
    if (given) {
        chosen = *given;
        a.fits = fitsIn(raceway.sizes[chosen]);
    } else {
        for (std::size_t i = 0; i < raceway.sizes.size(); ++i) {
            if (!fitsIn(raceway.sizes[i])) continue;
            chosen = i;
            a.fits = true;
            break;
        }
    }
    const c9::RacewaySize& size = raceway.sizes[chosen];
    a.tradeSize = size.trade;
    a.sizeGiven = given.has_value();
    a.racewayArea = size.area;
    a.allowedArea = a.percent * size.area;
    a.fillPercent = 100 * a.totalArea / size.area;
    if (same) {
        a.maxSame = fillMaxSame(size.area, itemArea, in.nipple).count;
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
    a.inputs = in;
    return a;
}

}  // namespace ferrovolt
