// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The NEC 2023 tables the circuit check reads, as published reproductions give them. Each
// table names the two reproductions its cells were read from and checked against; where they
// disagree, the choice is written beside the table. A 0 (or a row that is missing) means the
// code gives no value there, and the check refuses rather than filling the gap.

#include <array>
#include <string_view>

#include "code_base/awg_kcmil.h"
#include "code_base/citation.h"
#include "code_base/nec_standard_ratings.h"

namespace ferrovolt::nec2023 {

inline constexpr std::string_view kEdition = "NEC 2023";

// The conductor sizes of Table 310.16, smallest first, with their area in circular mils from
// Chapter 9 Table 8 (the trade ladder's). Every index below is an index into this list.
inline constexpr auto kSizes = awgSizesFrom<28>("14 AWG");

// Table 8 gives the areas to four significant figures, so a ratio of two of them is good to
// about 5 parts in 10,000: an area raised in proportion (250.122(B)) that exceeds a size by no
// more than that is that size. Raising 10 AWG as 6 AWG is raised to 4 AWG gives 16,511.5 cmil,
// which is 8 AWG (16,510), as two gauges up is two gauges up in the AWG series.
inline constexpr double kAreaPrecision = 5e-4;

inline constexpr int kSize1Awg = 8;    // the largest size 110.14(C)(1)(a) names
inline constexpr int kSize1_0Awg = 9;  // the smallest size 310.10(G) allows in parallel

// Table 310.16: allowable ampacity (A) of not more than three current-carrying conductors
// at 30 °C, by insulation column 60/75/90 °C, copper and aluminium, one row per kSizes entry.
// Read from intrysys.com/tools/electrical/wire-ampacity-chart ("NFPA 70 (NEC) 2023, Table
// 310.16"). Checked against the NEC 2014 reproduction on scribd (document 602627451), which
// agrees on every cell from 14 AWG to 500 kcmil (and 600 kcmil copper), and against older
// editions (GE SG 400 manual for copper, Southwire AlumaFlex cut sheet for aluminium), which
// agree except on the cells later editions changed (Cu 14/12 AWG 60 °C, Cu 3 and 1 AWG
// 90 °C, Cu 600, 1500, 2000 kcmil 60 °C, Al 6 AWG 90 °C, Al 300 and 700 kcmil): those take
// the 2023 value, the edition this table is named by. Aluminium 600 kcmil 75/90 °C, 800, 900
// and 1250–2000 kcmil were found in one reproduction only.
struct AmpacityRow {
    std::array<int, 3> copper;     // 60, 75, 90 °C
    std::array<int, 3> aluminium;  // 60, 75, 90 °C; 0 where the code gives none
};

inline constexpr CodeTable<AmpacityRow, 28> kTable310_16 = {
    {kEdition, "Table 310.16"},
    {{
        {{15, 20, 25}, {0, 0, 0}},           // 14 AWG
        {{20, 25, 30}, {15, 20, 25}},        // 12 AWG
        {{30, 35, 40}, {25, 30, 35}},        // 10 AWG
        {{40, 50, 55}, {35, 40, 45}},        // 8 AWG
        {{55, 65, 75}, {40, 50, 55}},        // 6 AWG
        {{70, 85, 95}, {55, 65, 75}},        // 4 AWG
        {{85, 100, 115}, {65, 75, 85}},      // 3 AWG
        {{95, 115, 130}, {75, 90, 100}},     // 2 AWG
        {{110, 130, 145}, {85, 100, 115}},   // 1 AWG
        {{125, 150, 170}, {100, 120, 135}},  // 1/0
        {{145, 175, 195}, {115, 135, 150}},  // 2/0
        {{165, 200, 225}, {130, 155, 175}},  // 3/0
        {{195, 230, 260}, {150, 180, 205}},  // 4/0
        {{215, 255, 290}, {170, 205, 230}},  // 250
        {{240, 285, 320}, {195, 230, 260}},  // 300
        {{260, 310, 350}, {210, 250, 280}},  // 350
        {{280, 335, 380}, {225, 270, 305}},  // 400
        {{320, 380, 430}, {260, 310, 350}},  // 500
        {{350, 420, 475}, {285, 340, 385}},  // 600
        {{385, 460, 520}, {315, 375, 425}},  // 700
        {{400, 475, 535}, {320, 385, 435}},  // 750
        {{410, 490, 555}, {330, 395, 445}},  // 800
        {{435, 520, 585}, {355, 425, 480}},  // 900
        {{455, 545, 615}, {375, 445, 500}},  // 1000
        {{495, 590, 665}, {405, 485, 545}},  // 1250
        {{525, 625, 705}, {435, 520, 585}},  // 1500
        {{545, 650, 735}, {455, 545, 615}},  // 1750
        {{555, 665, 750}, {470, 560, 630}},  // 2000
    }},
    {"intrysys.com/tools/electrical/wire-ampacity-chart",
     "NEC 2014 on scribd (document 602627451)"},
};

// Table 310.15(B)(1)(1): ambient correction for tables based on 30 °C, by insulation column
// (numbered Table 310.15(B)(1) before 2023, when the 40 °C-based table beside it became
// Table 310.15(B)(1)(2); the 2023 number is read from the 2023 tables NFPA reproduces as the
// base text of the CMP-6 first-draft public inputs, and from a 2023 wire-size tool's table
// list, "Table 310.15(B)(1)(1) — ambient temperature correction, 30 °C base").
// Each row covers ambients above the previous row's limit up to its own (°C, the table's
// whole-degree bands read as "up to"); the first row covers everything at or below 10 °C.
// Read from up.codes (IRC Table E3705.2, marked [310.15(B)(1)]); checked against the
// equation of 310.15(B), √((Tc − Ta)/(Tc − 30)) at each row's upper ambient, which gives
// every cell to two places, and spot cells in worked examples (0.88, 0.82, 0.76). Not to be
// confused with the 40 °C-based Table 310.15(B)(1)(2).
struct AmbientRow {
    double upTo;                   // °C
    std::array<double, 3> factor;  // 60, 75, 90 °C; 0 where the column has ended
};

inline constexpr CodeTable<AmbientRow, 16> kTable310_15B1 = {
    {kEdition, "Table 310.15(B)(1)(1)"},
    {{
        {10, {1.29, 1.20, 1.15}},
        {15, {1.22, 1.15, 1.12}},
        {20, {1.15, 1.11, 1.08}},
        {25, {1.08, 1.05, 1.04}},
        {30, {1.00, 1.00, 1.00}},
        {35, {0.91, 0.94, 0.96}},
        {40, {0.82, 0.88, 0.91}},
        {45, {0.71, 0.82, 0.87}},
        {50, {0.58, 0.75, 0.82}},
        {55, {0.41, 0.67, 0.76}},
        {60, {0, 0.58, 0.71}},
        {65, {0, 0.47, 0.65}},
        {70, {0, 0.33, 0.58}},
        {75, {0, 0, 0.50}},
        {80, {0, 0, 0.41}},
        {85, {0, 0, 0.29}},
    }},
    {"up.codes, IRC Table E3705.2 [310.15(B)(1)]",
     "the equation of 310.15(B), and worked examples' cells"},
};

// Table 310.15(C)(1): adjustment for more than three current-carrying conductors in a
// raceway or cable, applied after the ambient correction. Read from tradehub.tools
// nec-310-15-c-1-ampacity-adjustment; checked against buildmyowncabin.com (NEC 2014 Table
// 310.15(B)(3)(a), same values under the older number). Rows: up to this many conductors.
struct AdjustmentRow {
    int upTo;
    double factor;
};

inline constexpr CodeTable<AdjustmentRow, 7> kTable310_15C1 = {
    {kEdition, "Table 310.15(C)(1)"},
    {{
        {3, 1.00},
        {6, 0.80},
        {9, 0.70},
        {20, 0.50},
        {30, 0.45},
        {40, 0.40},
        {2147483647, 0.35},  // 41 and above
    }},
    {"tradehub.tools nec-310-15-c-1-ampacity-adjustment",
     "buildmyowncabin.com, NEC 2014 Table 310.15(B)(3)(a)"},
};

// Chapter 9 Table 9: AC resistance and reactance, 600 V cables, three-phase, 60 Hz, 75 °C,
// three single conductors in conduit, ohms to neutral per 1000 ft. The table has no rows for
// 700, 800, 900 kcmil or above 1000 kcmil. Read from studylib.net/doc/18564968 (a maker's
// "Engineering Data" reproduction); checked against sfasoft.com/look/29 ("A.C. for 600 Volt").
// Conflict: brunsengineering.com/nec-table-9 gives 1/0 copper in aluminium conduit as 0.12;
// both sources above and the scribd copy of the table (0.43 Ω/km) give 0.13, which is taken
// (it is also the larger, so the drop is not understated).
struct Table9Row {
    int size;                         // index into kSizes
    double xPvcAluminium, xSteel;     // reactance by raceway
    std::array<double, 3> rCopper;    // PVC, aluminium, steel raceway
    std::array<double, 3> rAluminum;  // PVC, aluminium, steel raceway; 0 for 14 AWG
};

inline constexpr CodeTable<Table9Row, 21> kChapter9Table9 = {
    {kEdition, "Chapter 9 Table 9"},
    {{
        {0, 0.058, 0.073, {3.1, 3.1, 3.1}, {0, 0, 0}},
        {1, 0.054, 0.068, {2.0, 2.0, 2.0}, {3.2, 3.2, 3.2}},
        {2, 0.050, 0.063, {1.2, 1.2, 1.2}, {2.0, 2.0, 2.0}},
        {3, 0.052, 0.065, {0.78, 0.78, 0.78}, {1.3, 1.3, 1.3}},
        {4, 0.051, 0.064, {0.49, 0.49, 0.49}, {0.81, 0.81, 0.81}},
        {5, 0.048, 0.060, {0.31, 0.31, 0.31}, {0.51, 0.51, 0.51}},
        {6, 0.047, 0.059, {0.25, 0.25, 0.25}, {0.40, 0.41, 0.40}},
        {7, 0.045, 0.057, {0.19, 0.20, 0.20}, {0.32, 0.32, 0.32}},
        {8, 0.046, 0.057, {0.15, 0.16, 0.16}, {0.25, 0.26, 0.25}},
        {9, 0.044, 0.055, {0.12, 0.13, 0.12}, {0.20, 0.21, 0.20}},
        {10, 0.043, 0.054, {0.10, 0.10, 0.10}, {0.16, 0.16, 0.16}},
        {11, 0.042, 0.052, {0.077, 0.082, 0.079}, {0.13, 0.13, 0.13}},
        {12, 0.041, 0.051, {0.062, 0.067, 0.063}, {0.10, 0.11, 0.10}},
        {13, 0.041, 0.052, {0.052, 0.057, 0.054}, {0.085, 0.090, 0.086}},
        {14, 0.041, 0.051, {0.044, 0.049, 0.045}, {0.071, 0.076, 0.072}},
        {15, 0.040, 0.050, {0.038, 0.043, 0.039}, {0.061, 0.066, 0.063}},
        {16, 0.040, 0.049, {0.033, 0.038, 0.035}, {0.054, 0.059, 0.055}},
        {17, 0.039, 0.048, {0.027, 0.032, 0.029}, {0.043, 0.048, 0.045}},
        {18, 0.039, 0.048, {0.023, 0.028, 0.025}, {0.036, 0.041, 0.038}},
        {20, 0.038, 0.048, {0.019, 0.024, 0.021}, {0.029, 0.034, 0.031}},
        {23, 0.037, 0.046, {0.015, 0.019, 0.018}, {0.023, 0.027, 0.025}},
    }},
    {"studylib.net/doc/18564968", "sfasoft.com/look/29"},
};

// 240.4(D): the largest overcurrent device for the small conductors, copper and aluminium
// (0: no limit given). Read from alanwire.com/resources/allowable-ampacities (Cu and Al);
// checked against encorewire.com wire_size_table and tradehub.tools nec-240-4-d.
struct SmallConductorRow {
    int size;  // index into kSizes
    int copper, aluminium;
};

inline constexpr CodeTable<SmallConductorRow, 3> kSection240_4D = {
    {kEdition, "240.4(D)"},
    {{
        {0, 15, 0},
        {1, 20, 15},
        {2, 30, 25},
    }},
    {"alanwire.com/resources/allowable-ampacities", "encorewire.com wire_size_table"},
};

// 240.4(B) lets a device up to this rating protect a conductor whose ampacity falls between
// two standard ratings; above it, 240.4(C) asks the ampacity to reach the device rating.
inline constexpr int kNextSizeUpLimit = 800;
// 110.14(C)(1): terminations of circuits rated up to this take the 60 °C column, above it
// the 75 °C column.
inline constexpr int kTerminal60UpTo = 100;

// ICEA P-32-382's short-circuit withstand of insulated conductors, (I/A)² t = c log10((T2 +
// β)/(T1 + β)), A in circular mils: c and β by material, and the final temperature by
// insulation family. Read from Okonite engineering data F125 and the Cooper Bussmann
// "Conductor Short-Circuit Protection" paper (copper, 0.0297 and 234; aluminium, 0.0125 and
// 228; 150 °C thermoplastic, 250 °C thermoset); the copper constants are checked against the
// ICEA formula as a tutorbin.com question quotes it, and the Okonite 90 → 250 °C copper
// figure 0.07195 A/√s per cmil follows from them.
struct IceaConstants {
    double c;     // (A/cmil)² s per decade
    double beta;  // °C
};
inline constexpr IceaConstants kIceaCopper = {0.0297, 234};
inline constexpr IceaConstants kIceaAluminium = {0.0125, 228};
inline constexpr double kThermoplasticFinalC = 150;
inline constexpr double kThermosetFinalC = 250;

// Table 250.122: the smallest equipment grounding conductor by the rating of the device ahead
// of it, rows "not exceeding" that rating, as indexes into kSizes (-1: the code gives no value
// that two reproductions agree on). Read from brunsengineering.com/nec-table-250-122 ("Source:
// NFPA 70", copper and aluminium, 15 to 6000 A); copper checked against intrysys.com
// tools/electrical/ground-wire-size-chart ("NFPA 70 (NEC) 2023, Table 250.122", every row) and
// aluminium against the older Table 250-95 on scribd (document 768710860), which agrees from
// 15 to 3000 A. Above 3000 A the older table gives aluminium 800, 1200, 1200 kcmil and Bruns
// 750, 1250, 1250 kcmil; no second reproduction of the current values was found, so those
// three aluminium cells are left without a value and the check says so.
struct EgcRow {
    int upTo;  // A, the device rating not exceeded
    int copper, aluminium;
};

inline constexpr CodeTable<EgcRow, 19> kTable250_122 = {
    {kEdition, "Table 250.122"},
    {{
        {15, 0, 1},      // 14 / 12 AWG
        {20, 1, 2},      // 12 / 10 AWG
        {60, 2, 3},      // 10 / 8 AWG
        {100, 3, 4},     // 8 / 6 AWG
        {200, 4, 5},     // 6 / 4 AWG
        {300, 5, 7},     // 4 / 2 AWG
        {400, 6, 8},     // 3 / 1 AWG
        {500, 7, 9},     // 2 / 1/0 AWG
        {600, 8, 10},    // 1 / 2/0 AWG
        {800, 9, 11},    // 1/0 / 3/0 AWG
        {1000, 10, 12},  // 2/0 / 4/0 AWG
        {1200, 11, 13},  // 3/0 AWG / 250 kcmil
        {1600, 12, 15},  // 4/0 AWG / 350 kcmil
        {2000, 13, 16},  // 250 / 400 kcmil
        {2500, 15, 18},  // 350 / 600 kcmil
        {3000, 16, 18},  // 400 / 600 kcmil
        {4000, 17, -1},  // 500 kcmil / (750 or 800 kcmil)
        {5000, 19, -1},  // 700 kcmil / (1200 or 1250 kcmil)
        {6000, 21, -1},  // 800 kcmil / (1200 or 1250 kcmil)
    }},
    {"brunsengineering.com/nec-table-250-122",
     "intrysys.com ground-wire-size-chart (copper), scribd document 768710860 (aluminium)"},
};

// The clauses the check and its trail cite, in the 2023 numbering. 210.19(A)(1)(a)/(b),
// 215.2(A)(1)(a)/(b), 210.20(A) and 215.3 as two NEC 2023 sizing tools cite them (a feeder
// and a branch-circuit reference list, and a 2023 conductor sizer's own comments); 240.4(B),
// (C), 240.6(A) as callout.app's NEC 2023 pages and risingedgeservices.com quote them;
// 310.10(G) (310.10(H) before 2020) as cablesizecalculator.com and a 2023 sizing guide give
// it; 110.14(C)(1)(a), (b) from the 2023 text as zanemeyers' NFPA 70 notes reproduce it;
// 250.122(A), (B) and (F) as mikeholt.com's 250.122 notes and sparkshift.app's NEC 2023
// page for 250.122 give them.
inline constexpr Citation kRuleLoad125 = {kEdition, "210.19(A)(1)(a), 215.2(A)(1)(a)"};
inline constexpr Citation kRuleAfterFactors = {kEdition, "210.19(A)(1)(b), 215.2(A)(1)(b)"};
inline constexpr Citation kRuleNextSizeUp = {kEdition, "240.4(B)"};
inline constexpr Citation kRuleAboveLimit = {kEdition, "240.4(C)"};
inline constexpr Citation kRuleTerminals = {kEdition, "110.14(C)(1)"};
inline constexpr Citation kRuleParallel = {kEdition, "310.10(G)"};
inline constexpr Citation kRuleParallelMinimum = {kEdition, "310.10(G)(1)"};
inline constexpr Citation kRuleBranchDevice = {kEdition, "210.20(A)"};
inline constexpr Citation kRuleFeederDevice = {kEdition, "215.3"};
inline constexpr Citation kRuleEgcCap = {kEdition, "250.122(A)"};
inline constexpr Citation kRuleEgcIncrease = {kEdition, "250.122(B)"};
inline constexpr Citation kRuleEgcParallel = {kEdition, "250.122(F)"};
inline constexpr Citation kRuleAmbient = {kEdition, "310.15(B)"};  // its equation
// Voltage drop is a recommendation of informational notes, not a requirement (90.5(C)).
inline constexpr Citation kDropNotes = {kEdition, "210.19(A) and 215.2(A) informational notes"};
// Conductors above 2000 V are sized by Article 311; Table 310.16 ends at 2000 V.
inline constexpr double kMaxVolts = 2000;

}  // namespace ferrovolt::nec2023
