// SPDX-License-Identifier: GPL-3.0-or-later
// The IEC 60364 tables against what must hold between their cells: larger conductors carry
// more, XLPE (90 °C) carries at least what PVC (70 °C) does, two loaded conductors at least
// what three do, and factors fall as conditions worsen. The temperature factors and k are also
// checked against the closed formulas that reproduce them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <span>
#include <string>

#include "iec60364/iec60364_tables.h"

namespace ferrovolt::iec60364 {
namespace {

// One Annex B table as cells by IEC 60228 size (0: no value held).
struct Grid {
    std::string name;
    std::vector<double> mm2;
    std::vector<std::vector<double>> columns;
};

template <class Table>
Grid grid(const Table& table, std::string name) {
    Grid g{std::move(name), {}, {}};
    g.columns.resize(table.rows.front().amps.size());
    for (const auto& row : table.rows) {
        g.mm2.push_back(row.mm2);
        for (std::size_t c = 0; c < row.amps.size(); ++c) g.columns[c].push_back(row.amps[c]);
    }
    return g;
}

// The cell of a grid at a size, 0 where it has none.
double at(const Grid& g, std::size_t column, double mm2) {
    for (std::size_t i = 0; i < g.mm2.size(); ++i)
        if (g.mm2[i] == mm2) return g.columns[column][i];
    return 0;
}

void expectRisingWithSize(const Grid& g) {
    for (std::size_t i = 1; i < g.mm2.size(); ++i) {
        EXPECT_GT(g.mm2[i], g.mm2[i - 1]) << g.name;
        bool known = false;
        for (const ConductorRow& size : kSizes) known = known || size.mm2 == g.mm2[i];
        EXPECT_TRUE(known) << g.name << " " << g.mm2[i] << " mm² is no IEC 60228 size";
    }
    for (std::size_t c = 0; c < g.columns.size(); ++c) {
        double last = 0;
        for (std::size_t i = 0; i < g.mm2.size(); ++i) {
            const double v = g.columns[c][i];
            if (v == 0) continue;
            EXPECT_GT(v, last) << g.name << " column " << c << " at " << g.mm2[i] << " mm²";
            last = v;
        }
    }
}

// Every cell both grids hold: `high` at least `low`.
void expectNotBelow(const Grid& high, const Grid& low) {
    for (std::size_t c = 0; c < low.columns.size(); ++c)
        for (std::size_t i = 0; i < low.mm2.size(); ++i) {
            const double l = low.columns[c][i], h = at(high, c, low.mm2[i]);
            if (l == 0 || h == 0) continue;
            EXPECT_GE(h, l) << high.name << " below " << low.name << ", column " << c << " at "
                            << low.mm2[i] << " mm²";
        }
}

TEST(IecTables, EnclosedMethodsRiseWithSizeInsulationAndFewerLoadedConductors) {
    const Grid pvc2cu = grid(kTableB52_2Copper, "B.52.2 Cu"),
               pvc2al = grid(kTableB52_2Aluminium, "B.52.2 Al"),
               xlpe2cu = grid(kTableB52_3Copper, "B.52.3 Cu"),
               xlpe2al = grid(kTableB52_3Aluminium, "B.52.3 Al"),
               pvc3cu = grid(kTableB52_4Copper, "B.52.4 Cu"),
               pvc3al = grid(kTableB52_4Aluminium, "B.52.4 Al"),
               xlpe3cu = grid(kTableB52_5Copper, "B.52.5 Cu"),
               xlpe3al = grid(kTableB52_5Aluminium, "B.52.5 Al");
    for (const Grid* g :
         {&pvc2cu, &pvc2al, &xlpe2cu, &xlpe2al, &pvc3cu, &pvc3al, &xlpe3cu, &xlpe3al})
        expectRisingWithSize(*g);
    expectNotBelow(xlpe2cu, pvc2cu);
    expectNotBelow(xlpe2al, pvc2al);
    expectNotBelow(xlpe3cu, pvc3cu);
    expectNotBelow(xlpe3al, pvc3al);
    expectNotBelow(pvc2cu, pvc3cu);
    expectNotBelow(pvc2al, pvc3al);
    expectNotBelow(xlpe2cu, xlpe3cu);
    expectNotBelow(xlpe2al, xlpe3al);
    // Copper carries more than aluminium of the same size.
    expectNotBelow(pvc2cu, pvc2al);
    expectNotBelow(xlpe3cu, xlpe3al);
    // The 2009 B1 set from 150 mm², not NBR 5410's (309, 353, 415, 477).
    EXPECT_EQ(at(pvc2cu, 2, 150), 300);
    // Aluminium D2 starts at 16 mm²; the table prints nothing below.
    EXPECT_EQ(at(pvc2al, 6, 10), 0);
    EXPECT_GT(at(pvc2al, 6, 16), 0);
}

TEST(IecTables, FreeAirRisesWithSizeAndInsulation) {
    const Grid pvcCu = grid(kTableB52_10, "B.52.10"), pvcAl = grid(kTableB52_11, "B.52.11"),
               xlpeCu = grid(kTableB52_12, "B.52.12"), xlpeAl = grid(kTableB52_13, "B.52.13");
    for (const Grid* g : {&pvcCu, &pvcAl, &xlpeCu, &xlpeAl}) {
        expectRisingWithSize(*g);
        // E and F: two loaded conductors carry more than three, where both are held.
        for (std::size_t i = 0; i < g->mm2.size(); ++i)
            for (std::size_t c : {0u, 2u}) {
                if (g->columns[c][i] == 0 || g->columns[c + 1][i] == 0) continue;
                EXPECT_GE(g->columns[c][i], g->columns[c + 1][i]) << g->name;
            }
    }
    expectNotBelow(xlpeCu, pvcCu);
    expectNotBelow(xlpeAl, pvcAl);
    // Single-source cells are not held: aluminium F-2, G above 300 mm², G for XLPE.
    for (const Grid* g : {&pvcAl, &xlpeAl})
        for (double v : g->columns[2]) EXPECT_EQ(v, 0) << g->name;
    EXPECT_EQ(at(pvcCu, 4, 400), 0);
    for (double v : xlpeCu.columns[4]) EXPECT_EQ(v, 0);
}

TEST(IecTables, Iec60228ResistanceFallsWithSize) {
    double cu = 1e9, al = 1e9, flexible = 1e9, mm2 = 0;
    for (const ConductorRow& row : kSizes) {
        EXPECT_GT(row.mm2, mm2);
        mm2 = row.mm2;
        if (row.copperClass2 != 0) {
            EXPECT_LT(row.copperClass2, cu) << row.label;
            cu = row.copperClass2;
        }
        if (row.aluminium != 0) {
            EXPECT_LT(row.aluminium, al) << row.label;
            EXPECT_GT(row.aluminium, row.copperClass2) << row.label;
            al = row.aluminium;
        }
        EXPECT_LT(row.copperClass5, flexible) << row.label;
        flexible = row.copperClass5;
    }
}

// B.52.14 and B.52.15 against √((θmax − θ)/(θmax − θref)) to two places.
TEST(IecTables, TemperatureFactorsFollowTheirFormula) {
    struct Case {
        const CodeTable<TemperatureRow, 2>* table;
        double reference;
    };
    for (const Case c : {Case{&kTableB52_14, 30}, Case{&kTableB52_15, 20}}) {
        for (std::size_t r = 0; r < 2; ++r) {
            const double maxC = r == 0 ? 70 : 90;
            double last = 2;
            for (std::size_t i = 0; i < kTemperatures.size(); ++i) {
                const double f = c.table->rows[r].factor[i];
                if (f == 0) {
                    EXPECT_GE(kTemperatures[i], maxC - 5) << "a gap in " << c.table->cite.item;
                    continue;
                }
                EXPECT_LT(f, last);
                last = f;
                EXPECT_NEAR(f, std::sqrt((maxC - kTemperatures[i]) / (maxC - c.reference)), 0.0051)
                    << c.table->cite.item << " at " << kTemperatures[i] << " °C";
            }
        }
    }
}

TEST(IecTables, SoilFactorsFallWithResistivity) {
    for (const SoilRow& row : kTableB52_16.rows) {
        for (std::size_t i = 1; i < row.factor.size(); ++i)
            EXPECT_LT(row.factor[i], row.factor[i - 1]) << row.laying;
        EXPECT_EQ(row.factor[5], 1.0) << "2.5 K·m/W is the reference";
    }
}

// Factors by circuit count (columns) and clearance (rows): never up with more circuits, never
// down with more room.
template <class Rows>
void expectGroupingOrder(const Rows& rows, const char* name) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& f = rows[r].factor;
        for (std::size_t i = 1; i < f.size(); ++i) {
            if (f[i] != 0) {
                EXPECT_LE(f[i], f[i - 1]) << name << " row " << r;
            }
        }
        for (std::size_t i = 0; r > 0 && i < f.size(); ++i) {
            if (f[i] != 0) {
                EXPECT_GE(f[i], rows[r - 1].factor[i]) << name << " row " << r;
            }
        }
    }
}

TEST(IecTables, GroupingFactorsFallWithCircuits) {
    for (const GroupingRow& row : kTableB52_17.rows) {
        for (std::size_t i = 1; i < row.factor.size(); ++i) {
            if (row.factor[i] != 0) {
                EXPECT_LE(row.factor[i], row.factor[i - 1]) << row.item;
            }
        }
        EXPECT_LE(row.factor[0], 1.0);
    }
    EXPECT_EQ(kTableB52_17.rows[0].factor.back(), 0.38);  // item 1 alone runs to 20 circuits
    expectGroupingOrder(kTableB52_18.rows, "B.52.18");
    expectGroupingOrder(kTableB52_19A.rows, "B.52.19 A");
    expectGroupingOrder(kTableB52_19B.rows, "B.52.19 B");
}

TEST(IecTables, HarmonicBandsCoverEveryPercentage) {
    double from = 0;
    for (const HarmonicRow& row : kTableE52_1.rows) {
        EXPECT_EQ(row.abovePercent, from);
        EXPECT_GT(row.upToPercent, row.abovePercent);
        from = row.upToPercent;
    }
    EXPECT_EQ(from, 100);
}

// Table 43A against IEC 60949's k = K √ln((β + θf)/(β + θi)), Cu K 226 β 234.5, Al 148, 228.
TEST(IecTables, KValuesFollowTheAdiabaticFormula) {
    for (const KColumn& k : kTable43A.rows) {
        EXPECT_NEAR(k.copper, 226 * std::sqrt(std::log((234.5 + k.finalC) / (234.5 + k.initialC))),
                    0.6)
            << k.insulation;
        EXPECT_NEAR(k.aluminium, 148 * std::sqrt(std::log((228 + k.finalC) / (228 + k.initialC))),
                    0.6)
            << k.insulation;
    }
}

TEST(IecTables, DropLimitsAndDeviceSeriesAreOrdered) {
    const auto& limits = kTableG52_1.rows;
    EXPECT_GT(limits[1].lighting, limits[0].lighting);
    EXPECT_GT(limits[1].other, limits[0].other);
    for (const DropLimitRow& row : limits) EXPECT_GT(row.other, row.lighting);
    for (std::span<const double> series :
         {std::span<const double>(kMcbRatings.rows), std::span<const double>(kGgRatings.rows)})
        for (std::size_t i = 1; i < series.size(); ++i) EXPECT_GT(series[i], series[i - 1]);
}

}  // namespace
}  // namespace ferrovolt::iec60364
