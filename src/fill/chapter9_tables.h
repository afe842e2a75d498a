// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// NEC 2023 Chapter 9, the tables conduit and tubing fill is worked out from: Table 4 (the
// raceways), Table 5 (insulated conductors and fixture wires), Table 5A (compact aluminium)
// and Table 8 (bare conductors). Every table names the reproductions its cells were read from
// and checked against; a conflict between them is decided in the comment above the table.
//
// Edition: the cells were read from a page image of the 2011 code (GitHub
// adevenuto/conduitFillCalc @9341965, Table_4-conduit-dimensions.pdf and
// Table_5-wire-areas.pdf) and compared cell by cell with independent transcriptions; two
// reproductions labelled 2023 (antflix/NEC-AI-assistant Chapter_9-Table_4.json and
// Chapter_9-Table_5.json, and a Dart source headed "NEC 2023 Chapter 9 Table 4") agree with
// them in every cell they hold for these sizes, so the values are the 2023 values. The sizes
// the 2023 edition adds with a single doubtful reproduction are left out: EMT 5 and 6 (its
// only figures are RMC's), IMC 5 and 6 and LFNC-C (one source, the 40 % column only).

#include <array>
#include <span>
#include <string_view>

#include "code_base/awg_kcmil.h"
#include "code_base/citation.h"

namespace ferrovolt::chapter9 {

inline constexpr std::string_view kEdition = "NEC 2023";

// Where each rule and table is found; the trail prints these.
inline constexpr Citation kTable1 = {kEdition, "Chapter 9 Table 1"};
inline constexpr Citation kTable1Note2 = {kEdition, "Chapter 9 Table 1 Informational Note 2"};
inline constexpr Citation kTable4 = {kEdition, "Chapter 9 Table 4"};
inline constexpr Citation kTable5 = {kEdition, "Chapter 9 Table 5"};
inline constexpr Citation kTable5A = {kEdition, "Chapter 9 Table 5A"};
inline constexpr Citation kTable8 = {kEdition, "Chapter 9 Table 8, Note 8 to the tables"};
inline constexpr Citation kNote4 = {kEdition, "Chapter 9 Note 4 to the tables"};
inline constexpr Citation kNote6 = {kEdition, "Chapter 9 Note 6 to the tables"};
inline constexpr Citation kNote7 = {kEdition, "Chapter 9 Note 7 to the tables"};
inline constexpr Citation kNote9 = {kEdition, "Chapter 9 Notes 5 and 9 to the tables"};

// The reproductions each table's cells were read from and checked against; the conflicts
// between them are decided above the tables.
inline constexpr Reproductions kTable4Sources = {
    "NEC 2011 page image: GitHub adevenuto/conduitFillCalc @9341965, "
    "Table_4-conduit-dimensions.pdf",
    "GitHub Samuel-DeSantis/cs client/src/data/conduit.js and haleelee/conduit-fill dims data; "
    "the 2023 40 % column of antflix/NEC-AI-assistant Chapter_9-Table_4.json"};
inline constexpr Reproductions kTable5Sources = {
    "NEC 2011 page image: GitHub adevenuto/conduitFillCalc @9341965, Table_5-wire-areas.pdf",
    "haleelee/conduit-fill dims data/conductor-dims.json; the 2023 areas of "
    "antflix/NEC-AI-assistant Chapter_9-Table_5.json"};
inline constexpr Reproductions kTable5ASources = {
    "NEC 2011 page image: GitHub adevenuto/conduitFillCalc @9341965, Table_5-wire-areas.pdf",
    "haleelee/conduit-fill dims data/conductor-dims.json (compact rows)"};
inline constexpr Reproductions kTable8Sources = {
    "NEC 2011 page image, p. 70-721",
    "π/4 × the overall diameter² of every row; ecmweb.com How to Use Chapter 9 (2011), 8 AWG "
    "solid"};

// Table 1: the largest part of a raceway's total area that conductors may fill, by their
// number; Note 4 allows 60 % in a nipple of 24 in (600 mm) or less. The same in the 2011
// handbook scan, thenecwiki.com (2017/2020) and steeltubeinstitute.org.
inline constexpr double kOneConductor = 0.53;
inline constexpr double kTwoConductors = 0.31;
inline constexpr double kOverTwoConductors = 0.40;
inline constexpr double kNipple = 0.60;
// Note 7: a fraction of this or more rounds the count up.
inline constexpr double kNote7Fraction = 0.8;
// Table 1 Informational Note 2: three conductors may jam at these inside-diameter ratios.
inline constexpr double kJamLow = 2.8;
inline constexpr double kJamHigh = 3.2;

// The trade sizes of Table 4 with their metric designators, smallest first.
struct TradeSize {
    std::string_view trade;  // "1-1/4"
    int metric;              // 35
};

inline constexpr std::array<TradeSize, 13> kTradeSizes = {{
    {"3/8", 12},
    {"1/2", 16},
    {"3/4", 21},
    {"1", 27},
    {"1-1/4", 35},
    {"1-1/2", 41},
    {"2", 53},
    {"2-1/2", 63},
    {"3", 78},
    {"3-1/2", 91},
    {"4", 103},
    {"5", 129},
    {"6", 155},
}};

// One row of Table 4: the trade size (index into kTradeSizes), the inside diameter, the
// total area (100 %) the fill is computed from, and the printed percentage columns (60, 53,
// 31 and 40 %), kept to check the row against itself.
struct RacewaySize {
    int trade;
    double idIn, idMm;
    double area;  // in²
    std::array<double, 4> printed;
};

// Table 4, every raceway type with the trade sizes it has; a size missing from a type is
// "—" in the code (not made or not permitted) and has no row here. Read from the 2011 page
// image (T4-A) and checked cell by cell against GitHub Samuel-DeSantis/cs
// client/src/data/conduit.js and haleelee/conduit-fill "dims data": all agree except two
// slips of the former, decided here: FMC 3-1/2 has an inside diameter of 3.500 in (its
// area 9.621 in² implies it; 3.834 was copied from the EMT row), and the PVC-40 row it
// labels "1.25" is 3/4. The 2023 40 % column (antflix) agrees in every cell but ENT, where
// it repeats the PVC-40 row: a copy slip, so ENT keeps the row the other three agree on.
// The pre-2002 table differs by 0.001-0.002 in² in a few cells and is not used.
// LFNC-B corresponds to 356.2(2), LFNC-A to 356.2(1); LFNC-B and LFMC share their figures.
inline constexpr CodeTable<RacewaySize, 10> kEmt = {
    kTable4,
    {{
        {1, 0.622, 15.8, 0.304, {0.182, 0.161, 0.094, 0.122}},     // 1/2
        {2, 0.824, 20.9, 0.533, {0.320, 0.283, 0.165, 0.213}},     // 3/4
        {3, 1.049, 26.6, 0.864, {0.519, 0.458, 0.268, 0.346}},     // 1
        {4, 1.380, 35.1, 1.496, {0.897, 0.793, 0.464, 0.598}},     // 1-1/4
        {5, 1.610, 40.9, 2.036, {1.221, 1.079, 0.631, 0.814}},     // 1-1/2
        {6, 2.067, 52.5, 3.356, {2.013, 1.778, 1.040, 1.342}},     // 2
        {7, 2.731, 69.4, 5.858, {3.515, 3.105, 1.816, 2.343}},     // 2-1/2
        {8, 3.356, 85.2, 8.846, {5.307, 4.688, 2.742, 3.538}},     // 3
        {9, 3.834, 97.4, 11.545, {6.927, 6.119, 3.579, 4.618}},    // 3-1/2
        {10, 4.334, 110.1, 14.753, {8.852, 7.819, 4.573, 5.901}},  // 4
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 6> kEnt = {
    kTable4,
    {{
        {1, 0.560, 14.2, 0.246, {0.148, 0.131, 0.076, 0.099}},  // 1/2
        {2, 0.760, 19.3, 0.454, {0.272, 0.240, 0.141, 0.181}},  // 3/4
        {3, 1.000, 25.4, 0.785, {0.471, 0.416, 0.243, 0.314}},  // 1
        {4, 1.340, 34.0, 1.410, {0.846, 0.747, 0.437, 0.564}},  // 1-1/4
        {5, 1.570, 39.9, 1.936, {1.162, 1.026, 0.600, 0.774}},  // 1-1/2
        {6, 2.020, 51.3, 3.205, {1.923, 1.699, 0.993, 1.282}},  // 2
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 11> kFmc = {
    kTable4,
    {{
        {0, 0.384, 9.7, 0.116, {0.069, 0.061, 0.036, 0.046}},      // 3/8
        {1, 0.635, 16.1, 0.317, {0.190, 0.168, 0.098, 0.127}},     // 1/2
        {2, 0.824, 20.9, 0.533, {0.320, 0.283, 0.165, 0.213}},     // 3/4
        {3, 1.020, 25.9, 0.817, {0.490, 0.433, 0.253, 0.327}},     // 1
        {4, 1.275, 32.4, 1.277, {0.766, 0.677, 0.396, 0.511}},     // 1-1/4
        {5, 1.538, 39.1, 1.858, {1.115, 0.985, 0.576, 0.743}},     // 1-1/2
        {6, 2.040, 51.8, 3.269, {1.961, 1.732, 1.013, 1.307}},     // 2
        {7, 2.500, 63.5, 4.909, {2.945, 2.602, 1.522, 1.963}},     // 2-1/2
        {8, 3.000, 76.2, 7.069, {4.241, 3.746, 2.191, 2.827}},     // 3
        {9, 3.500, 88.9, 9.621, {5.773, 5.099, 2.983, 3.848}},     // 3-1/2
        {10, 4.000, 101.6, 12.566, {7.540, 6.660, 3.896, 5.027}},  // 4
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 10> kImc = {
    kTable4,
    {{
        {1, 0.660, 16.8, 0.342, {0.205, 0.181, 0.106, 0.137}},     // 1/2
        {2, 0.864, 21.9, 0.586, {0.352, 0.311, 0.182, 0.235}},     // 3/4
        {3, 1.105, 28.1, 0.959, {0.575, 0.508, 0.297, 0.384}},     // 1
        {4, 1.448, 36.8, 1.647, {0.988, 0.873, 0.510, 0.659}},     // 1-1/4
        {5, 1.683, 42.7, 2.225, {1.335, 1.179, 0.690, 0.890}},     // 1-1/2
        {6, 2.150, 54.6, 3.630, {2.178, 1.924, 1.125, 1.452}},     // 2
        {7, 2.557, 64.9, 5.135, {3.081, 2.722, 1.592, 2.054}},     // 2-1/2
        {8, 3.176, 80.7, 7.922, {4.753, 4.199, 2.456, 3.169}},     // 3
        {9, 3.671, 93.2, 10.584, {6.351, 5.610, 3.281, 4.234}},    // 3-1/2
        {10, 4.166, 105.4, 13.631, {8.179, 7.224, 4.226, 5.452}},  // 4
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 7> kLfncA = {
    kTable4,
    {{
        {0, 0.495, 12.6, 0.192, {0.115, 0.102, 0.060, 0.077}},  // 3/8
        {1, 0.630, 16.0, 0.312, {0.187, 0.165, 0.097, 0.125}},  // 1/2
        {2, 0.825, 21.0, 0.535, {0.321, 0.283, 0.166, 0.214}},  // 3/4
        {3, 1.043, 26.5, 0.854, {0.513, 0.453, 0.265, 0.342}},  // 1
        {4, 1.383, 35.1, 1.502, {0.901, 0.796, 0.466, 0.601}},  // 1-1/4
        {5, 1.603, 40.7, 2.018, {1.211, 1.070, 0.626, 0.807}},  // 1-1/2
        {6, 2.063, 52.4, 3.343, {2.006, 1.772, 1.036, 1.337}},  // 2
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 7> kLfncB = {
    kTable4,
    {{
        {0, 0.494, 12.5, 0.192, {0.115, 0.102, 0.059, 0.077}},  // 3/8
        {1, 0.632, 16.1, 0.314, {0.188, 0.166, 0.097, 0.125}},  // 1/2
        {2, 0.830, 21.1, 0.541, {0.325, 0.287, 0.168, 0.216}},  // 3/4
        {3, 1.054, 26.8, 0.873, {0.524, 0.462, 0.270, 0.349}},  // 1
        {4, 1.395, 35.4, 1.528, {0.917, 0.810, 0.474, 0.611}},  // 1-1/4
        {5, 1.588, 40.3, 1.981, {1.188, 1.050, 0.614, 0.792}},  // 1-1/2
        {6, 2.033, 51.6, 3.246, {1.948, 1.720, 1.006, 1.298}},  // 2
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 11> kLfmc = {
    kTable4,
    {{
        {0, 0.494, 12.5, 0.192, {0.115, 0.102, 0.059, 0.077}},     // 3/8
        {1, 0.632, 16.1, 0.314, {0.188, 0.166, 0.097, 0.125}},     // 1/2
        {2, 0.830, 21.1, 0.541, {0.325, 0.287, 0.168, 0.216}},     // 3/4
        {3, 1.054, 26.8, 0.873, {0.524, 0.462, 0.270, 0.349}},     // 1
        {4, 1.395, 35.4, 1.528, {0.917, 0.810, 0.474, 0.611}},     // 1-1/4
        {5, 1.588, 40.3, 1.981, {1.188, 1.050, 0.614, 0.792}},     // 1-1/2
        {6, 2.033, 51.6, 3.246, {1.948, 1.720, 1.006, 1.298}},     // 2
        {7, 2.493, 63.3, 4.881, {2.929, 2.587, 1.513, 1.953}},     // 2-1/2
        {8, 3.085, 78.4, 7.475, {4.485, 3.962, 2.317, 2.990}},     // 3
        {9, 3.520, 89.4, 9.731, {5.839, 5.158, 3.017, 3.893}},     // 3-1/2
        {10, 4.020, 102.1, 12.692, {7.615, 6.727, 3.935, 5.077}},  // 4
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 12> kRmc = {
    kTable4,
    {{
        {1, 0.632, 16.1, 0.314, {0.188, 0.166, 0.097, 0.125}},        // 1/2
        {2, 0.836, 21.2, 0.549, {0.329, 0.291, 0.170, 0.220}},        // 3/4
        {3, 1.063, 27.0, 0.887, {0.532, 0.470, 0.275, 0.355}},        // 1
        {4, 1.394, 35.4, 1.526, {0.916, 0.809, 0.473, 0.610}},        // 1-1/4
        {5, 1.624, 41.2, 2.071, {1.243, 1.098, 0.642, 0.829}},        // 1-1/2
        {6, 2.083, 52.9, 3.408, {2.045, 1.806, 1.056, 1.363}},        // 2
        {7, 2.489, 63.2, 4.866, {2.919, 2.579, 1.508, 1.946}},        // 2-1/2
        {8, 3.090, 78.5, 7.499, {4.499, 3.974, 2.325, 3.000}},        // 3
        {9, 3.570, 90.7, 10.010, {6.006, 5.305, 3.103, 4.004}},       // 3-1/2
        {10, 4.050, 102.9, 12.882, {7.729, 6.828, 3.994, 5.153}},     // 4
        {11, 5.073, 128.9, 20.212, {12.127, 10.713, 6.266, 8.085}},   // 5
        {12, 6.093, 154.8, 29.158, {17.495, 15.454, 9.039, 11.663}},  // 6
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 12> kPvc80 = {
    kTable4,
    {{
        {1, 0.526, 13.4, 0.217, {0.130, 0.115, 0.067, 0.087}},        // 1/2
        {2, 0.722, 18.3, 0.409, {0.246, 0.217, 0.127, 0.164}},        // 3/4
        {3, 0.936, 23.8, 0.688, {0.413, 0.365, 0.213, 0.275}},        // 1
        {4, 1.255, 31.9, 1.237, {0.742, 0.656, 0.383, 0.495}},        // 1-1/4
        {5, 1.476, 37.5, 1.711, {1.027, 0.907, 0.530, 0.684}},        // 1-1/2
        {6, 1.913, 48.6, 2.874, {1.725, 1.523, 0.891, 1.150}},        // 2
        {7, 2.290, 58.2, 4.119, {2.471, 2.183, 1.277, 1.647}},        // 2-1/2
        {8, 2.864, 72.7, 6.442, {3.865, 3.414, 1.997, 2.577}},        // 3
        {9, 3.326, 84.5, 8.688, {5.213, 4.605, 2.693, 3.475}},        // 3-1/2
        {10, 3.786, 96.2, 11.258, {6.755, 5.967, 3.490, 4.503}},      // 4
        {11, 4.768, 121.1, 17.855, {10.713, 9.463, 5.535, 7.142}},    // 5
        {12, 5.709, 145.0, 25.598, {15.359, 13.567, 7.935, 10.239}},  // 6
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 12> kPvc40 = {
    kTable4,
    {{
        {1, 0.602, 15.3, 0.285, {0.171, 0.151, 0.088, 0.114}},        // 1/2
        {2, 0.804, 20.4, 0.508, {0.305, 0.269, 0.157, 0.203}},        // 3/4
        {3, 1.029, 26.1, 0.832, {0.499, 0.441, 0.258, 0.333}},        // 1
        {4, 1.360, 34.5, 1.453, {0.872, 0.770, 0.450, 0.581}},        // 1-1/4
        {5, 1.590, 40.4, 1.986, {1.191, 1.052, 0.616, 0.794}},        // 1-1/2
        {6, 2.047, 52.0, 3.291, {1.975, 1.744, 1.020, 1.316}},        // 2
        {7, 2.445, 62.1, 4.695, {2.817, 2.488, 1.455, 1.878}},        // 2-1/2
        {8, 3.042, 77.3, 7.268, {4.361, 3.852, 2.253, 2.907}},        // 3
        {9, 3.521, 89.4, 9.737, {5.842, 5.161, 3.018, 3.895}},        // 3-1/2
        {10, 3.998, 101.5, 12.554, {7.532, 6.654, 3.892, 5.022}},     // 4
        {11, 5.016, 127.4, 19.761, {11.856, 10.473, 6.126, 7.904}},   // 5
        {12, 6.031, 153.2, 28.567, {17.140, 15.141, 8.856, 11.427}},  // 6
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 10> kPvcA = {
    kTable4,
    {{
        {1, 0.700, 17.8, 0.385, {0.231, 0.204, 0.119, 0.154}},     // 1/2
        {2, 0.910, 23.1, 0.650, {0.390, 0.345, 0.202, 0.260}},     // 3/4
        {3, 1.175, 29.8, 1.084, {0.651, 0.575, 0.336, 0.434}},     // 1
        {4, 1.500, 38.1, 1.767, {1.060, 0.937, 0.548, 0.707}},     // 1-1/4
        {5, 1.720, 43.7, 2.324, {1.394, 1.231, 0.720, 0.929}},     // 1-1/2
        {6, 2.155, 54.7, 3.647, {2.188, 1.933, 1.131, 1.459}},     // 2
        {7, 2.635, 66.9, 5.453, {3.272, 2.890, 1.690, 2.181}},     // 2-1/2
        {8, 3.230, 82.0, 8.194, {4.916, 4.343, 2.540, 3.278}},     // 3
        {9, 3.690, 93.7, 10.694, {6.416, 5.668, 3.315, 4.278}},    // 3-1/2
        {10, 4.180, 106.2, 13.723, {8.234, 7.273, 4.254, 5.489}},  // 4
    }},
    kTable4Sources};
inline constexpr CodeTable<RacewaySize, 6> kPvcEb = {
    kTable4,
    {{
        {6, 2.221, 56.4, 3.874, {2.325, 2.053, 1.201, 1.550}},        // 2
        {8, 3.330, 84.6, 8.709, {5.226, 4.616, 2.700, 3.484}},        // 3
        {9, 3.804, 96.6, 11.365, {6.819, 6.023, 3.523, 4.546}},       // 3-1/2
        {10, 4.289, 108.9, 14.448, {8.669, 7.657, 4.479, 5.779}},     // 4
        {11, 5.316, 135.0, 22.195, {13.317, 11.763, 6.881, 8.878}},   // 5
        {12, 6.336, 160.9, 31.530, {18.918, 16.711, 9.774, 12.612}},  // 6
    }},
    kTable4Sources};

// A raceway type, with the rows and the citation of its part of Table 4.
struct RacewayType {
    std::string_view key;      // the command line's text: "pvc-40"
    std::string_view name;     // "PVC Schedule 40 and HDPE"
    std::string_view article;  // "Art. 352, 353"
    std::span<const RacewaySize> sizes;
    Citation cite;  // kTable4
};

inline constexpr std::array<RacewayType, 12> kRaceways = {{
    {"emt", "EMT", "Article 358", kEmt.rows, kEmt.cite},
    {"ent", "ENT", "Article 362", kEnt.rows, kEnt.cite},
    {"fmc", "FMC", "Article 348", kFmc.rows, kFmc.cite},
    {"imc", "IMC", "Article 342", kImc.rows, kImc.cite},
    {"lfnc-a", "LFNC-A", "Article 356", kLfncA.rows, kLfncA.cite},
    {"lfnc-b", "LFNC-B", "Article 356", kLfncB.rows, kLfncB.cite},
    {"lfmc", "LFMC", "Article 350", kLfmc.rows, kLfmc.cite},
    {"rmc", "RMC", "Article 344", kRmc.rows, kRmc.cite},
    {"pvc-80", "PVC Schedule 80", "Article 352", kPvc80.rows, kPvc80.cite},
    {"pvc-40", "PVC Schedule 40 and HDPE", "Articles 352 and 353", kPvc40.rows, kPvc40.cite},
    {"pvc-a", "PVC Type A", "Article 352", kPvcA.rows, kPvcA.cite},
    {"pvc-eb", "PVC Type EB", "Article 352", kPvcEb.rows, kPvcEb.cite},
}};

// The conductor sizes of Chapter 9, smallest first: fixture wires from 18 AWG, building
// wire from 14 AWG to 2000 kcmil. Every size index below is an index into this list.
inline constexpr auto kSizes = awgSizesFrom<30>("18 AWG");

// One conductor of a dimension table: size index, overall diameter (in) and area (in²) as
// printed.
struct WireRow {
    int size;
    double dia;
    double area;
};

// Table 5, the power types, 14 AWG to 2000 kcmil (THHN to 1000 kcmil). Read from the 2011
// page image (T5-A) and checked against haleelee/conduit-fill conductor-dims.json, the 2023
// antflix Chapter_9-Table_5.json (areas) and buildmyowncabin.com's 2008 Table 5: every cell
// agrees, except XHHW 1500 kcmil, 2.0157 in² until 2011 and 2.0156 in 2023, which is
// π/4 × 1.602² correctly rounded: 2.0156 is taken. Types RHH, RHW and RHW-2 with an outer
// covering have rows of their own; without it (RHH* ...) they have their own rows from 14
// to 8 AWG and share the TW row from 6 AWG up.
inline constexpr CodeTable<WireRow, 28> kRhh = {
    kTable5,
    {{
        {2, 0.193, 0.0293},  {3, 0.212, 0.0353},  {4, 0.236, 0.0437},  {5, 0.326, 0.0835},
        {6, 0.364, 0.1041},  {7, 0.412, 0.1333},  {8, 0.440, 0.1521},  {9, 0.472, 0.1750},
        {10, 0.582, 0.2660}, {11, 0.622, 0.3039}, {12, 0.668, 0.3505}, {13, 0.720, 0.4072},
        {14, 0.778, 0.4754}, {15, 0.895, 0.6291}, {16, 0.950, 0.7088}, {17, 1.001, 0.7870},
        {18, 1.048, 0.8626}, {19, 1.133, 1.0082}, {20, 1.243, 1.2135}, {21, 1.314, 1.3561},
        {22, 1.348, 1.4272}, {23, 1.380, 1.4957}, {24, 1.444, 1.6377}, {25, 1.502, 1.7719},
        {26, 1.729, 2.3479}, {27, 1.852, 2.6938}, {28, 1.966, 3.0357}, {29, 2.072, 3.3719},
    }},
    kTable5Sources};
inline constexpr CodeTable<WireRow, 4> kRhhBare = {kTable5,
                                                   {{
                                                       {2, 0.163, 0.0209},
                                                       {3, 0.182, 0.0260},
                                                       {4, 0.206, 0.0333},
                                                       {5, 0.266, 0.0556},
                                                   }},
                                                   kTable5Sources};
inline constexpr CodeTable<WireRow, 28> kTw = {
    kTable5,
    {{
        {2, 0.133, 0.0139},  {3, 0.152, 0.0181},  {4, 0.176, 0.0243},  {5, 0.236, 0.0437},
        {6, 0.304, 0.0726},  {7, 0.352, 0.0973},  {8, 0.380, 0.1134},  {9, 0.412, 0.1333},
        {10, 0.492, 0.1901}, {11, 0.532, 0.2223}, {12, 0.578, 0.2624}, {13, 0.630, 0.3117},
        {14, 0.688, 0.3718}, {15, 0.765, 0.4596}, {16, 0.820, 0.5281}, {17, 0.871, 0.5958},
        {18, 0.918, 0.6619}, {19, 1.003, 0.7901}, {20, 1.113, 0.9729}, {21, 1.184, 1.1010},
        {22, 1.218, 1.1652}, {23, 1.250, 1.2272}, {24, 1.314, 1.3561}, {25, 1.372, 1.4784},
        {26, 1.539, 1.8602}, {27, 1.662, 2.1695}, {28, 1.776, 2.4773}, {29, 1.882, 2.7818},
    }},
    kTable5Sources};
inline constexpr CodeTable<WireRow, 24> kThhn = {
    kTable5,
    {{
        {2, 0.111, 0.0097},  {3, 0.130, 0.0133},  {4, 0.164, 0.0211},  {5, 0.216, 0.0366},
        {6, 0.254, 0.0507},  {7, 0.324, 0.0824},  {8, 0.352, 0.0973},  {9, 0.384, 0.1158},
        {10, 0.446, 0.1562}, {11, 0.486, 0.1855}, {12, 0.532, 0.2223}, {13, 0.584, 0.2679},
        {14, 0.642, 0.3237}, {15, 0.711, 0.3970}, {16, 0.766, 0.4608}, {17, 0.817, 0.5242},
        {18, 0.864, 0.5863}, {19, 0.949, 0.7073}, {20, 1.051, 0.8676}, {21, 1.122, 0.9887},
        {22, 1.156, 1.0496}, {23, 1.188, 1.1085}, {24, 1.252, 1.2311}, {25, 1.310, 1.3478},
    }},
    kTable5Sources};
inline constexpr CodeTable<WireRow, 28> kXhhw = {
    kTable5,
    {{
        {2, 0.133, 0.0139},  {3, 0.152, 0.0181},  {4, 0.176, 0.0243},  {5, 0.236, 0.0437},
        {6, 0.274, 0.0590},  {7, 0.322, 0.0814},  {8, 0.350, 0.0962},  {9, 0.382, 0.1146},
        {10, 0.442, 0.1534}, {11, 0.482, 0.1825}, {12, 0.528, 0.2190}, {13, 0.580, 0.2642},
        {14, 0.638, 0.3197}, {15, 0.705, 0.3904}, {16, 0.760, 0.4536}, {17, 0.811, 0.5166},
        {18, 0.858, 0.5782}, {19, 0.943, 0.6984}, {20, 1.053, 0.8709}, {21, 1.124, 0.9923},
        {22, 1.158, 1.0532}, {23, 1.190, 1.1122}, {24, 1.254, 1.2351}, {25, 1.312, 1.3519},
        {26, 1.479, 1.7180}, {27, 1.602, 2.0156}, {28, 1.716, 2.3127}, {29, 1.822, 2.6073},
    }},
    kTable5Sources};
inline constexpr CodeTable<WireRow, 13> kTfe = {kTable5,
                                                {{
                                                    {2, 0.113, 0.0100},
                                                    {3, 0.132, 0.0137},
                                                    {4, 0.156, 0.0191},
                                                    {5, 0.206, 0.0333},
                                                    {6, 0.244, 0.0468},
                                                    {7, 0.292, 0.0670},
                                                    {8, 0.320, 0.0804},
                                                    {9, 0.352, 0.0973},
                                                    {10, 0.422, 0.1399},
                                                    {11, 0.462, 0.1676},
                                                    {12, 0.508, 0.2027},
                                                    {13, 0.560, 0.2463},
                                                    {14, 0.618, 0.3000},
                                                }},
                                                kTable5Sources};
inline constexpr CodeTable<WireRow, 13> kZ = {kTable5,
                                              {{
                                                  {2, 0.103, 0.0083},
                                                  {3, 0.122, 0.0117},
                                                  {4, 0.156, 0.0191},
                                                  {5, 0.196, 0.0302},
                                                  {6, 0.234, 0.0430},
                                                  {7, 0.282, 0.0625},
                                                  {8, 0.330, 0.0855},
                                                  {9, 0.362, 0.1029},
                                                  {10, 0.402, 0.1269},
                                                  {11, 0.462, 0.1676},
                                                  {12, 0.508, 0.2027},
                                                  {13, 0.560, 0.2463},
                                                  {14, 0.618, 0.3000},
                                              }},
                                              kTable5Sources};

// Table 5, the fixture wires and small sizes (2011 page image, checked against
// haleelee/conduit-fill and the 2023 antflix areas). RFH-1, TF, TFF, XF and XFF 18 AWG:
// the 2011 page prints 0.0080 in², which does not match its own diameter 0.106 in; the
// 2023 reproduction prints 0.0088, which does, and the 2011 Annex C counts follow 0.0088:
// 0.0088 is taken. KF-2/KFF-2 18, 16 and 12 AWG: 2023 prints 0.0030/0.0043/0.0092, the 2011
// page and the second transcription 0.0031/0.0044/0.0093, which match the diameters: these
// are taken.
inline constexpr CodeTable<WireRow, 2> kRfh2 = {
    kTable5, {{{0, 0.136, 0.0145}, {1, 0.148, 0.0172}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 3> kSf2 = {
    kTable5, {{{0, 0.121, 0.0115}, {1, 0.133, 0.0139}, {2, 0.148, 0.0172}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 1> kSf1 = {kTable5, {{{0, 0.091, 0.0065}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 1> kRfh1 = {kTable5, {{{0, 0.106, 0.0088}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 2> kTf = {
    kTable5, {{{0, 0.106, 0.0088}, {1, 0.118, 0.0109}}}, kTable5Sources};
// XF and XFF: 18 and 16 AWG with TF, 14 AWG with TW, 12 and 10 AWG with RHH*.
inline constexpr CodeTable<WireRow, 5> kXf = {kTable5,
                                              {{{0, 0.106, 0.0088},
                                                {1, 0.118, 0.0109},
                                                {2, 0.133, 0.0139},
                                                {3, 0.182, 0.0260},
                                                {4, 0.206, 0.0333}}},
                                              kTable5Sources};
inline constexpr CodeTable<WireRow, 2> kTfn = {
    kTable5, {{{0, 0.084, 0.0055}, {1, 0.096, 0.0072}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 3> kPf = {
    kTable5, {{{0, 0.086, 0.0058}, {1, 0.098, 0.0075}, {2, 0.113, 0.0100}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 3> kZf = {
    kTable5, {{{0, 0.076, 0.0045}, {1, 0.088, 0.0061}, {2, 0.103, 0.0083}}}, kTable5Sources};
inline constexpr CodeTable<WireRow, 5> kKf2 = {kTable5,
                                               {{{0, 0.063, 0.0031},
                                                 {1, 0.075, 0.0044},
                                                 {2, 0.090, 0.0064},
                                                 {3, 0.109, 0.0093},
                                                 {4, 0.133, 0.0139}}},
                                               kTable5Sources};
inline constexpr CodeTable<WireRow, 5> kKf1 = {kTable5,
                                               {{{0, 0.057, 0.0026},
                                                 {1, 0.069, 0.0037},
                                                 {2, 0.084, 0.0055},
                                                 {3, 0.103, 0.0083},
                                                 {4, 0.127, 0.0127}}},
                                               kTable5Sources};

// Table 5A, compact aluminium building wire (RHH and RHW without outer covering, or USE;
// THW and THHW; THHN; XHHW), 8 AWG to 1000 kcmil; no 800 kcmil, no THHN 8 AWG. The 2011
// page image and haleelee/conduit-fill agree in every cell. The printed areas sit up to
// 0.0001 in² below π/4·d² (truncated, not rounded) and are used as printed. No 2023
// reproduction was found.
//
// Table 8, bare conductors (Note 8): the overall diameter and area of the circumscribing
// circle, solid 18 to 8 AWG and stranded 18 AWG to 2000 kcmil. 2011 page image; the areas
// are π/4·d² to the three printed places, and ecmweb.com's 2011 worked example takes the
// same 0.013 in² for 8 AWG solid. The areas have three places only; they are used as
// printed, as the published examples do.
inline constexpr CodeTable<WireRow, 19> kCompactRhh = {
    kTable5A,
    {{
        {5, 0.260, 0.0531},  {6, 0.295, 0.0683},  {7, 0.335, 0.0881},  {9, 0.390, 0.1194},
        {10, 0.465, 0.1698}, {11, 0.500, 0.1963}, {12, 0.540, 0.2290}, {13, 0.590, 0.2733},
        {14, 0.640, 0.3217}, {15, 0.715, 0.4015}, {16, 0.765, 0.4596}, {17, 0.810, 0.5153},
        {18, 0.855, 0.5741}, {19, 0.930, 0.6793}, {20, 1.035, 0.8413}, {21, 1.100, 0.9503},
        {22, 1.135, 1.0118}, {24, 1.240, 1.2076}, {25, 1.285, 1.2968},
    }},
    kTable5ASources};
inline constexpr CodeTable<WireRow, 19> kCompactThw = {
    kTable5A,
    {{
        {5, 0.255, 0.0510},  {6, 0.290, 0.0660},  {7, 0.335, 0.0881},  {9, 0.390, 0.1194},
        {10, 0.465, 0.1698}, {11, 0.500, 0.1963}, {12, 0.545, 0.2332}, {13, 0.590, 0.2733},
        {14, 0.645, 0.3267}, {15, 0.725, 0.4128}, {16, 0.775, 0.4717}, {17, 0.820, 0.5281},
        {18, 0.865, 0.5876}, {19, 0.940, 0.6939}, {20, 1.050, 0.8659}, {21, 1.110, 0.9676},
        {22, 1.150, 1.0386}, {24, 1.224, 1.1766}, {25, 1.285, 1.2968},
    }},
    kTable5ASources};
inline constexpr CodeTable<WireRow, 18> kCompactThhn = {kTable5A,
                                                        {{
                                                            {6, 0.240, 0.0452},
                                                            {7, 0.305, 0.0730},
                                                            {9, 0.360, 0.1017},
                                                            {10, 0.415, 0.1352},
                                                            {11, 0.450, 0.1590},
                                                            {12, 0.495, 0.1924},
                                                            {13, 0.540, 0.2290},
                                                            {14, 0.595, 0.2780},
                                                            {15, 0.670, 0.3525},
                                                            {16, 0.720, 0.4071},
                                                            {17, 0.770, 0.4656},
                                                            {18, 0.815, 0.5216},
                                                            {19, 0.885, 0.6151},
                                                            {20, 0.985, 0.7620},
                                                            {21, 1.050, 0.8659},
                                                            {22, 1.075, 0.9076},
                                                            {24, 1.194, 1.1196},
                                                            {25, 1.255, 1.2370},
                                                        }},
                                                        kTable5ASources};
inline constexpr CodeTable<WireRow, 19> kCompactXhhw = {
    kTable5A,
    {{
        {5, 0.224, 0.0394},  {6, 0.260, 0.0530},  {7, 0.305, 0.0730},  {9, 0.360, 0.1017},
        {10, 0.415, 0.1352}, {11, 0.450, 0.1590}, {12, 0.490, 0.1885}, {13, 0.540, 0.2290},
        {14, 0.590, 0.2733}, {15, 0.660, 0.3421}, {16, 0.715, 0.4015}, {17, 0.760, 0.4536},
        {18, 0.800, 0.5026}, {19, 0.880, 0.6082}, {20, 0.980, 0.7542}, {21, 1.050, 0.8659},
        {22, 1.090, 0.9331}, {24, 1.169, 1.0733}, {25, 1.230, 1.1882},
    }},
    kTable5ASources};
inline constexpr CodeTable<WireRow, 6> kBareSolid = {kTable8,
                                                     {{
                                                         {0, 0.040, 0.001},
                                                         {1, 0.051, 0.002},
                                                         {2, 0.064, 0.003},
                                                         {3, 0.081, 0.005},
                                                         {4, 0.102, 0.008},
                                                         {5, 0.128, 0.013},
                                                     }},
                                                     kTable8Sources};
inline constexpr CodeTable<WireRow, 30> kBareStranded = {
    kTable8,
    {{
        {0, 0.046, 0.002},  {1, 0.058, 0.003},  {2, 0.073, 0.004},  {3, 0.092, 0.006},
        {4, 0.116, 0.011},  {5, 0.146, 0.017},  {6, 0.184, 0.027},  {7, 0.232, 0.042},
        {8, 0.260, 0.053},  {9, 0.292, 0.067},  {10, 0.332, 0.087}, {11, 0.372, 0.109},
        {12, 0.418, 0.137}, {13, 0.470, 0.173}, {14, 0.528, 0.219}, {15, 0.575, 0.260},
        {16, 0.630, 0.312}, {17, 0.681, 0.364}, {18, 0.728, 0.416}, {19, 0.813, 0.519},
        {20, 0.893, 0.626}, {21, 0.964, 0.730}, {22, 0.998, 0.782}, {23, 1.030, 0.834},
        {24, 1.094, 0.940}, {25, 1.152, 1.042}, {26, 1.289, 1.305}, {27, 1.412, 1.566},
        {28, 1.526, 1.829}, {29, 1.632, 2.092},
    }},
    kTable8Sources};

// A set of rows of one table, under the type names that table gives it.
struct WireFamily {
    std::string_view types;  // "THHN, THWN, THWN-2"
    Citation source;         // its table's: kTable5 ...
    std::span<const WireRow> rows;
};

inline constexpr WireFamily kFamilyRhh{"RHH, RHW, RHW-2", kRhh.cite, kRhh.rows};
inline constexpr WireFamily kFamilyRhhBare{"RHH*, RHW*, RHW-2*", kRhhBare.cite, kRhhBare.rows};
inline constexpr WireFamily kFamilyTw{"TW, THW, THHW, THW-2", kTw.cite, kTw.rows};
inline constexpr WireFamily kFamilyRhhBareLarge{"RHH*, RHW*, RHW-2*", kTw.cite,
                                                std::span(kTw.rows).subspan(4)};
inline constexpr WireFamily kFamilyThhn{"THHN, THWN, THWN-2", kThhn.cite, kThhn.rows};
inline constexpr WireFamily kFamilyXhhw{"XHHW, XHHW-2, XHH", kXhhw.cite, kXhhw.rows};
inline constexpr WireFamily kFamilyZw{"ZW", kXhhw.cite, std::span(kXhhw.rows).first(8)};
inline constexpr WireFamily kFamilyTfe{"TFE, PFAH", kTfe.cite, kTfe.rows};
inline constexpr WireFamily kFamilyFep{"FEP, FEPB", kTfe.cite, std::span(kTfe.rows).first(8)};
inline constexpr WireFamily kFamilyPfa{"PFA", kTfe.cite, kTfe.rows};
inline constexpr WireFamily kFamilyZ{"Z", kZ.cite, kZ.rows};
inline constexpr WireFamily kFamilyRfh2{"RFH-2, FFH-2, RFHH-2", kRfh2.cite, kRfh2.rows};
inline constexpr WireFamily kFamilySf2{"SF-2, SFF-2", kSf2.cite, kSf2.rows};
inline constexpr WireFamily kFamilySf1{"SF-1, SFF-1", kSf1.cite, kSf1.rows};
inline constexpr WireFamily kFamilyRfh1{"RFH-1", kRfh1.cite, kRfh1.rows};
inline constexpr WireFamily kFamilyTf{"TF, TFF", kTf.cite, kTf.rows};
inline constexpr WireFamily kFamilyXf{"XF, XFF", kXf.cite, kXf.rows};
inline constexpr WireFamily kFamilyTfn{"TFN, TFFN", kTfn.cite, kTfn.rows};
inline constexpr WireFamily kFamilyPf{"PF, PFF, PGF, PGFF, PAF, PAFF, PTF, PTFF", kPf.cite,
                                      kPf.rows};
inline constexpr WireFamily kFamilyZf{"ZF, ZFF, ZHF", kZf.cite, kZf.rows};
inline constexpr WireFamily kFamilyKf2{"KF-2, KFF-2", kKf2.cite, kKf2.rows};
inline constexpr WireFamily kFamilyKf1{"KF-1, KFF-1", kKf1.cite, kKf1.rows};
inline constexpr WireFamily kFamilyCompactRhh{"compact RHH*, RHW*, USE", kCompactRhh.cite,
                                              kCompactRhh.rows};
inline constexpr WireFamily kFamilyCompactThw{"compact THW, THHW", kCompactThw.cite,
                                              kCompactThw.rows};
inline constexpr WireFamily kFamilyCompactThhn{"compact THHN", kCompactThhn.cite,
                                               kCompactThhn.rows};
inline constexpr WireFamily kFamilyCompactXhhw{"compact XHHW", kCompactXhhw.cite,
                                               kCompactXhhw.rows};
inline constexpr WireFamily kFamilyBare{"bare, stranded", kBareStranded.cite, kBareStranded.rows};
inline constexpr WireFamily kFamilyBareSolid{"bare, solid", kBareSolid.cite, kBareSolid.rows};

// A conductor type as the user names it, and the rows it is read from: the first family
// that has the size; the second, where given, continues the first (RHH* from 6 AWG up).
struct ConductorType {
    std::string_view text;  // "THWN-2", "RHH*", "XHHW-compact", "bare"
    const WireFamily* family;
    const WireFamily* more = nullptr;
};

inline constexpr auto kConductorTypes = std::to_array<ConductorType>({
    {"THHN", &kFamilyThhn},
    {"THWN", &kFamilyThhn},
    {"THWN-2", &kFamilyThhn},
    {"XHHW", &kFamilyXhhw},
    {"XHHW-2", &kFamilyXhhw},
    {"XHH", &kFamilyXhhw},
    {"ZW", &kFamilyZw},
    {"TW", &kFamilyTw},
    {"THW", &kFamilyTw},
    {"THHW", &kFamilyTw},
    {"THW-2", &kFamilyTw},
    {"RHH", &kFamilyRhh},
    {"RHW", &kFamilyRhh},
    {"RHW-2", &kFamilyRhh},
    {"RHH*", &kFamilyRhhBare, &kFamilyRhhBareLarge},
    {"RHW*", &kFamilyRhhBare, &kFamilyRhhBareLarge},
    {"RHW-2*", &kFamilyRhhBare, &kFamilyRhhBareLarge},
    {"TFE", &kFamilyTfe},
    {"PFAH", &kFamilyTfe},
    {"PFA", &kFamilyPfa},
    {"FEP", &kFamilyFep},
    {"FEPB", &kFamilyFep},
    {"Z", &kFamilyZ},
    {"TF", &kFamilyTf},
    {"TFF", &kFamilyTf},
    {"TFN", &kFamilyTfn},
    {"TFFN", &kFamilyTfn},
    {"XF", &kFamilyXf},
    {"XFF", &kFamilyXf},
    {"RFH-1", &kFamilyRfh1},
    {"RFH-2", &kFamilyRfh2},
    {"FFH-2", &kFamilyRfh2},
    {"RFHH-2", &kFamilyRfh2},
    {"SF-1", &kFamilySf1},
    {"SFF-1", &kFamilySf1},
    {"SF-2", &kFamilySf2},
    {"SFF-2", &kFamilySf2},
    {"PF", &kFamilyPf},
    {"PFF", &kFamilyPf},
    {"PGF", &kFamilyPf},
    {"PGFF", &kFamilyPf},
    {"PAF", &kFamilyPf},
    {"PAFF", &kFamilyPf},
    {"PTF", &kFamilyPf},
    {"PTFF", &kFamilyPf},
    {"ZF", &kFamilyZf},
    {"ZFF", &kFamilyZf},
    {"ZHF", &kFamilyZf},
    {"KF-1", &kFamilyKf1},
    {"KFF-1", &kFamilyKf1},
    {"KF-2", &kFamilyKf2},
    {"KFF-2", &kFamilyKf2},
    {"RHH-compact", &kFamilyCompactRhh},
    {"RHW-compact", &kFamilyCompactRhh},
    {"USE-compact", &kFamilyCompactRhh},
    {"THW-compact", &kFamilyCompactThw},
    {"THHW-compact", &kFamilyCompactThw},
    {"THHN-compact", &kFamilyCompactThhn},
    {"XHHW-compact", &kFamilyCompactXhhw},
    {"bare", &kFamilyBare},
    {"bare-solid", &kFamilyBareSolid},
});

}  // namespace ferrovolt::chapter9
