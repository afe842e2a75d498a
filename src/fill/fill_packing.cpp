// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill/fill_packing.h"

#include <algorithm>
#include <cmath>

#include "fill/chapter9_tables.h"

namespace ferrovolt {

namespace {

constexpr double kTouch = 1e-9;  // in: circles this close count as touching, not overlapping

struct Point {
    double x, y;
};

// The points at distance a from p and b from q; none when the circles do not meet.
int meet(Point p, double a, Point q, double b, Point out[2]) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double d = std::hypot(dx, dy);
    if (d < kTouch || d > a + b + kTouch || d < std::abs(a - b) - kTouch) return 0;
    const double along = (a * a - b * b + d * d) / (2 * d);
    const double across = std::sqrt(std::max(0.0, a * a - along * along));
    const Point mid{p.x + along * dx / d, p.y + along * dy / d};
    out[0] = {mid.x - across * dy / d, mid.y + across * dx / d};
    out[1] = {mid.x + across * dy / d, mid.y - across * dx / d};
    return 2;
}

// Where the next circle goes: as low as it can rest, or else against the wall (a ring first,
// as five or more conductors of one size lie when they barely fit).
enum class Lay { Lowest, Wall };

class Packer {
public:
    Packer(double radius, Lay lay) : m_radius(radius), m_lay(lay) {}

    bool place(double r, int row) {
        bool found = false;
        Point best{0, 0};
        // The lowest place (or the one furthest out), then the one nearest the middle; the
        // cheap comparison first.
        const auto consider = [&](Point c) {
            if (found && m_lay == Lay::Wall) {
                const double out = std::hypot(c.x, c.y), bestOut = std::hypot(best.x, best.y);
                if (out < bestOut - kTouch) return;
                if (out > bestOut + kTouch && fits(c, r)) {
                    best = c;
                    return;
                }
            }
            const bool better =
                !found || c.y < best.y - kTouch ||
                (std::abs(c.y - best.y) <= kTouch && std::abs(c.x) < std::abs(best.x));
            if (!better || !fits(c, r)) return;
            best = c;
            found = true;
        };
        if (m_circles.empty()) consider({0, -(m_radius - r)});
        Point points[2];
        for (std::size_t i = 0; i < m_circles.size(); ++i) {
            const PackedCircle& a = m_circles[i];
            const Point pa{a.x, a.y};
            for (int k = 0, n = meet({0, 0}, m_radius - r, pa, a.r + r, points); k < n; ++k)
                consider(points[k]);
            for (std::size_t j = i + 1; j < m_circles.size(); ++j) {
                const PackedCircle& b = m_circles[j];
                for (int k = 0, n = meet(pa, a.r + r, {b.x, b.y}, b.r + r, points); k < n; ++k)
                    consider(points[k]);
            }
        }
        if (!found) return false;
        m_circles.push_back({best.x, best.y, r, row});
        return true;
    }

    std::vector<PackedCircle> take() { return std::move(m_circles); }

private:
    bool fits(Point c, double r) const {
        if (std::hypot(c.x, c.y) > m_radius - r + kTouch) return false;
        for (const PackedCircle& other : m_circles)
            if (std::hypot(c.x - other.x, c.y - other.y) < r + other.r - kTouch) return false;
        return true;
    }

    double m_radius;
    Lay m_lay;
    std::vector<PackedCircle> m_circles;
};

}  // namespace

FillPacking packCircles(double radius, std::vector<PackedCircle> wanted) {
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const PackedCircle& a, const PackedCircle& b) { return a.r > b.r; });
    const auto lay = [&](Lay how) {
        FillPacking packing;
        packing.radius = radius;
        Packer packer(radius, how);
        for (const PackedCircle& circle : wanted)
            if (!packer.place(circle.r, circle.row)) ++packing.notLaid;
        packing.circles = packer.take();
        return packing;
    };
    FillPacking lowest = lay(Lay::Lowest);
    if (lowest.notLaid == 0) return lowest;
    FillPacking wall = lay(Lay::Wall);
    return wall.notLaid < lowest.notLaid ? wall : lowest;
}

FillPacking packFill(const FillAnswer& answer, std::size_t limit) {
    double radius = 0;
    const auto& sizes = chapter9::kRaceways[static_cast<std::size_t>(answer.raceway)].sizes;
    for (const chapter9::RacewaySize& size : sizes)
        if (size.trade == answer.tradeSize) radius = size.idIn / 2;

    std::vector<PackedCircle> wanted;
    for (std::size_t i = 0; i < answer.items.size(); ++i)
        for (int n = 0; n < answer.inputs.rows[i].count && wanted.size() <= limit; ++n)
            wanted.push_back({0, 0, answer.items[i].diameter / 2, static_cast<int>(i)});
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const PackedCircle& a, const PackedCircle& b) { return a.r > b.r; });
    if (wanted.size() > limit) wanted.resize(limit);
    const int left = answer.count - static_cast<int>(wanted.size());
    FillPacking packing = packCircles(radius, std::move(wanted));
    packing.notLaid += left;
    return packing;
}

}  // namespace ferrovolt
