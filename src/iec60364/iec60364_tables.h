// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The IEC 60364 tables the metric circuit check reads, one row per printed line, as published
// reproductions give them. A cell ships only where two reproductions agree; each table names
// them beside it, and where sources disagree the choice is written there. A 0 means the table
// holds no value: the standard prints none, or the value rests on a single reproduction and is
// left out (said beside the table). The check refuses there rather than taking a neighbour.
// Every table carries its citation, which is what the trail prints.

#include <array>
#include <cstddef>
#include <string_view>

#include "code_base/citation.h"

namespace ferrovolt::iec60364 {

inline constexpr std::string_view kPart52 = "IEC 60364-5-52:2009";
inline constexpr std::string_view kPart43 = "IEC 60364-4-43:2008";
// The reproductions of these product standards give no edition; none is claimed.
inline constexpr std::string_view kIec60228 = "IEC 60228";
inline constexpr std::string_view kIec60898 = "IEC 60898-1";
inline constexpr std::string_view kIec60947 = "IEC 60947-2";
inline constexpr std::string_view kIec60269 = "IEC 60269-1";

// ---------------------------------------------------------------------------------------
// IEC 60228: nominal cross-sections and the maximum DC resistance at 20 °C (Ω/km) of plain
// copper class 1 (solid), class 2 (stranded), aluminium classes 1 and 2, copper class 5
// (flexible). Read from IS 8130:2013 (India's adoption of IEC 60228) Tables 1–3; checked
// against uecables.com and mycableengineering.com (class 2 and 5 copper, class 2 aluminium,
// 1–630 mm²) and a Polish calculator (1.5–35 mm²): all agree. Left out (0): class 2 at 0.5
// and 0.75 mm² (one reproduction), solid copper from 185 mm² (the two disagree: one prints
// 0.101 … 0.0465, IS 8130 none), aluminium below 10 mm² (IS 8130's Indian rows, not IEC).
// Every size index of the check is an index into this table.
struct ConductorRow {
    double mm2;
    std::string_view label;  // "25 mm²"
    double copperClass1, copperClass2, aluminium, copperClass5;
};

inline constexpr CodeTable<ConductorRow, 22> kIec60228Table = {
    {kIec60228, "Tables 1–3"},
    {{
        {0.5, "0.5 mm²", 36.0, 0, 0, 39.0},
        {0.75, "0.75 mm²", 24.5, 0, 0, 26.0},
        {1, "1 mm²", 18.1, 18.1, 0, 19.5},
        {1.5, "1.5 mm²", 12.1, 12.1, 0, 13.3},
        {2.5, "2.5 mm²", 7.41, 7.41, 0, 7.98},
        {4, "4 mm²", 4.61, 4.61, 0, 4.95},
        {6, "6 mm²", 3.08, 3.08, 0, 3.30},
        {10, "10 mm²", 1.83, 1.83, 3.08, 1.91},
        {16, "16 mm²", 1.15, 1.15, 1.91, 1.21},
        {25, "25 mm²", 0.727, 0.727, 1.20, 0.780},
        {35, "35 mm²", 0.524, 0.524, 0.868, 0.554},
        {50, "50 mm²", 0.387, 0.387, 0.641, 0.386},
        {70, "70 mm²", 0.268, 0.268, 0.443, 0.272},
        {95, "95 mm²", 0.193, 0.193, 0.320, 0.206},
        {120, "120 mm²", 0.153, 0.153, 0.253, 0.161},
        {150, "150 mm²", 0.124, 0.124, 0.206, 0.129},
        {185, "185 mm²", 0, 0.0991, 0.164, 0.106},
        {240, "240 mm²", 0, 0.0754, 0.125, 0.0801},
        {300, "300 mm²", 0, 0.0601, 0.100, 0.0641},
        {400, "400 mm²", 0, 0.0470, 0.0778, 0.0486},
        {500, "500 mm²", 0, 0.0366, 0.0605, 0.0384},
        {630, "630 mm²", 0, 0.0283, 0.0469, 0.0287},
    }},
    {"IS 8130:2013 Tables 1–3", "uecables.com and mycableengineering.com"},
};

inline constexpr auto& kSizes = kIec60228Table.rows;
inline constexpr int kSizeCount = static_cast<int>(kSizes.size());

// ---------------------------------------------------------------------------------------
// Annex B current-carrying capacities (A): conductor at 70 °C (PVC) or 90 °C (XLPE/EPR),
// 30 °C in air, 20 °C in ground at 2.5 K·m/W (D1, D2), one circuit.

// A row of Tables B.52.2–B.52.5: methods A1, A2, B1, B2, C, D1, D2.
struct EnclosedRow {
    double mm2;
    std::array<double, 7> amps;
};

// B.52.2, PVC, two loaded conductors. Read from john3volts3/Conducteur-Section iz-data.js
// (S1). Copper checked against a Belgian NBN HD 60364-5-52 calculator and a second IEC data
// file (every column), with further agreeing copies per column; aluminium A1, A2, B1 against
// that second data file only (the two agree everywhere), the other aluminium columns against
// a Danish DS/HD 60364 tool or a French module as well. Chosen: A1 2.5 mm² 19.5 (BS 7671
// prints 20, a UK value), A1/A2 1.5 mm² 14.5/14 (DIN VDE prints 15.5/15), D2 10 mm² 64 (one
// copy's 61 is a typo). Aluminium D2 has no value below 16 mm² (one copy repeats D1 there).
inline constexpr CodeTable<EnclosedRow, 16> kTableB52_2Copper = {
    {kPart52, "Table B.52.2"},
    {{
        {1.5, {14.5, 14, 17.5, 16.5, 19.5, 22, 22}},
        {2.5, {19.5, 18.5, 24, 23, 27, 29, 28}},
        {4, {26, 25, 32, 30, 36, 37, 38}},
        {6, {34, 32, 41, 38, 46, 46, 48}},
        {10, {46, 43, 57, 52, 63, 60, 64}},
        {16, {61, 57, 76, 69, 85, 78, 83}},
        {25, {80, 75, 101, 90, 112, 99, 110}},
        {35, {99, 92, 125, 111, 138, 119, 132}},
        {50, {119, 110, 151, 133, 168, 140, 156}},
        {70, {151, 139, 192, 168, 213, 173, 192}},
        {95, {182, 167, 232, 201, 258, 204, 230}},
        {120, {210, 192, 269, 232, 299, 231, 261}},
        {150, {240, 219, 300, 258, 344, 261, 293}},
        {185, {273, 248, 341, 294, 392, 292, 331}},
        {240, {321, 291, 400, 344, 461, 336, 382}},
        {300, {367, 334, 458, 394, 530, 379, 427}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "a Belgian NBN HD 60364-5-52 calculator and a second IEC data file"},
};
inline constexpr CodeTable<EnclosedRow, 15> kTableB52_2Aluminium = {
    {kPart52, "Table B.52.2"},
    {{
        {2.5, {15, 14.5, 18.5, 17.5, 21, 22, 0}},
        {4, {20, 19.5, 25, 24, 28, 29, 0}},
        {6, {26, 25, 32, 30, 36, 36, 0}},
        {10, {36, 33, 44, 41, 49, 47, 0}},
        {16, {48, 44, 60, 54, 66, 61, 63}},
        {25, {63, 58, 79, 71, 83, 77, 82}},
        {35, {77, 71, 97, 86, 103, 93, 98}},
        {50, {93, 86, 118, 104, 125, 109, 117}},
        {70, {118, 108, 150, 131, 160, 135, 145}},
        {95, {142, 130, 181, 157, 195, 159, 173}},
        {120, {164, 150, 210, 181, 226, 180, 200}},
        {150, {189, 172, 234, 201, 261, 204, 224}},
        {185, {215, 195, 266, 230, 298, 228, 255}},
        {240, {252, 229, 312, 269, 352, 262, 298}},
        {300, {289, 263, 358, 308, 406, 296, 336}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)", "a second IEC data file"},
};

// B.52.3, XLPE or EPR, two loaded conductors. Read from S1; copper checked against the
// Belgian calculator and the second IEC data file (with BS 7671 4E1A for A1, B1), aluminium
// A1, A2, B1, C against the second data file only, B2 and D1 also against the Danish tool.
// Chosen: Al D2 120 mm² 233 (three sources; one prints 223). Kept on purpose: aluminium C
// below B1 from 25 to 120 mm², printed so by both.
inline constexpr CodeTable<EnclosedRow, 16> kTableB52_3Copper = {
    {kPart52, "Table B.52.3"},
    {{
        {1.5, {19, 18.5, 23, 22, 24, 25, 27}},
        {2.5, {26, 25, 31, 30, 33, 33, 35}},
        {4, {35, 33, 42, 40, 45, 43, 46}},
        {6, {45, 42, 54, 51, 58, 53, 58}},
        {10, {61, 57, 75, 69, 80, 71, 77}},
        {16, {81, 76, 100, 91, 107, 91, 100}},
        {25, {106, 99, 133, 119, 138, 116, 129}},
        {35, {131, 121, 164, 146, 171, 139, 155}},
        {50, {158, 145, 198, 175, 209, 164, 183}},
        {70, {200, 183, 253, 221, 269, 203, 225}},
        {95, {241, 220, 306, 265, 328, 239, 270}},
        {120, {278, 253, 354, 305, 382, 271, 306}},
        {150, {318, 290, 393, 334, 441, 306, 343}},
        {185, {362, 329, 449, 384, 506, 343, 387}},
        {240, {424, 386, 528, 459, 599, 395, 448}},
        {300, {486, 442, 603, 532, 693, 446, 502}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "the Belgian calculator and a second IEC data file"},
};
inline constexpr CodeTable<EnclosedRow, 15> kTableB52_3Aluminium = {
    {kPart52, "Table B.52.3"},
    {{
        {2.5, {20, 19.5, 25, 23, 26, 26, 0}},
        {4, {27, 26, 33, 31, 35, 33, 0}},
        {6, {35, 33, 43, 40, 45, 42, 0}},
        {10, {48, 45, 59, 54, 62, 55, 0}},
        {16, {64, 60, 79, 72, 84, 71, 76}},
        {25, {84, 78, 105, 94, 101, 90, 98}},
        {35, {103, 96, 130, 115, 126, 108, 117}},
        {50, {125, 115, 157, 138, 154, 128, 139}},
        {70, {158, 145, 200, 175, 198, 158, 170}},
        {95, {191, 175, 242, 210, 241, 186, 204}},
        {120, {220, 201, 281, 242, 280, 211, 233}},
        {150, {253, 230, 307, 261, 324, 238, 261}},
        {185, {288, 262, 351, 300, 371, 267, 296}},
        {240, {338, 307, 412, 358, 439, 307, 343}},
        {300, {387, 352, 471, 415, 508, 346, 386}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)", "a second IEC data file"},
};

// B.52.4, PVC, three loaded conductors. Read from S1; checked against the second IEC data file
// and the Belgian calculator (copper), and an LV calculator that states a cell-by-cell check
// against the 2009 text (aluminium A1, B1, C, D1). Chosen: A1 240 mm² 286 (six sources; one
// prints 266), A1 16 mm² 56.
inline constexpr CodeTable<EnclosedRow, 16> kTableB52_4Copper = {
    {kPart52, "Table B.52.4"},
    {{
        {1.5, {13.5, 13, 15.5, 15, 17.5, 18, 19}},
        {2.5, {18, 17.5, 21, 20, 24, 24, 24}},
        {4, {24, 23, 28, 27, 32, 30, 33}},
        {6, {31, 29, 36, 34, 41, 38, 41}},
        {10, {42, 39, 50, 46, 57, 50, 54}},
        {16, {56, 52, 68, 62, 76, 64, 70}},
        {25, {73, 68, 89, 80, 96, 82, 92}},
        {35, {89, 83, 110, 99, 119, 98, 110}},
        {50, {108, 99, 134, 118, 144, 116, 130}},
        {70, {136, 125, 171, 149, 184, 143, 162}},
        {95, {164, 150, 207, 179, 223, 169, 193}},
        {120, {188, 172, 239, 206, 259, 192, 220}},
        {150, {216, 196, 262, 225, 299, 217, 246}},
        {185, {245, 223, 296, 255, 341, 243, 278}},
        {240, {286, 261, 346, 297, 403, 280, 320}},
        {300, {328, 298, 394, 339, 464, 316, 359}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "a second IEC data file and the Belgian calculator"},
};
inline constexpr CodeTable<EnclosedRow, 15> kTableB52_4Aluminium = {
    {kPart52, "Table B.52.4"},
    {{
        {2.5, {14, 13.5, 16.5, 15.5, 18.5, 18.5, 0}},
        {4, {18.5, 17.5, 22, 21, 25, 24, 0}},
        {6, {24, 23, 28, 27, 32, 30, 0}},
        {10, {32, 31, 39, 36, 44, 39, 0}},
        {16, {43, 41, 53, 48, 59, 50, 53}},
        {25, {57, 53, 70, 62, 73, 64, 69}},
        {35, {70, 65, 86, 77, 90, 77, 83}},
        {50, {84, 78, 104, 92, 110, 91, 99}},
        {70, {107, 98, 133, 116, 140, 112, 122}},
        {95, {129, 118, 161, 139, 170, 132, 148}},
        {120, {149, 135, 186, 160, 197, 150, 169}},
        {150, {170, 155, 204, 176, 227, 169, 189}},
        {185, {194, 176, 230, 199, 259, 190, 214}},
        {240, {227, 207, 269, 232, 305, 218, 250}},
        {300, {261, 237, 306, 265, 351, 247, 282}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "an LV calculator checked against the 2009 text"},
};

// B.52.5, XLPE or EPR, three loaded conductors. Read from S1; checked as B.52.4 (aluminium A2
// against the second data file only). Chosen: Al D2 from S1 with the Danish tool and a
// PV-plant script (the second data file repeats D1 there and is rejected).
inline constexpr CodeTable<EnclosedRow, 16> kTableB52_5Copper = {
    {kPart52, "Table B.52.5"},
    {{
        {1.5, {17, 16.5, 20, 19.5, 22, 21, 23}},
        {2.5, {23, 22, 28, 26, 30, 28, 30}},
        {4, {31, 30, 37, 35, 40, 36, 39}},
        {6, {40, 38, 48, 44, 52, 44, 49}},
        {10, {54, 51, 66, 60, 71, 58, 65}},
        {16, {73, 68, 88, 80, 96, 75, 84}},
        {25, {95, 89, 117, 105, 119, 96, 107}},
        {35, {117, 109, 144, 128, 147, 115, 129}},
        {50, {141, 130, 175, 154, 179, 135, 153}},
        {70, {179, 164, 222, 194, 229, 167, 188}},
        {95, {216, 197, 269, 233, 278, 197, 226}},
        {120, {249, 227, 312, 268, 322, 223, 257}},
        {150, {285, 259, 342, 300, 371, 251, 287}},
        {185, {324, 295, 384, 340, 424, 281, 324}},
        {240, {380, 346, 450, 398, 500, 324, 375}},
        {300, {435, 396, 514, 455, 576, 365, 419}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "a second IEC data file and the Belgian calculator"},
};
inline constexpr CodeTable<EnclosedRow, 15> kTableB52_5Aluminium = {
    {kPart52, "Table B.52.5"},
    {{
        {2.5, {19, 18, 22, 21, 24, 22, 0}},
        {4, {25, 24, 29, 28, 32, 28, 0}},
        {6, {32, 31, 38, 35, 41, 35, 0}},
        {10, {44, 41, 52, 48, 57, 46, 0}},
        {16, {58, 55, 71, 64, 76, 59, 64}},
        {25, {76, 71, 93, 84, 90, 75, 82}},
        {35, {94, 87, 116, 103, 112, 90, 98}},
        {50, {113, 104, 140, 124, 136, 106, 117}},
        {70, {142, 131, 179, 156, 174, 130, 144}},
        {95, {171, 157, 217, 188, 211, 154, 172}},
        {120, {197, 180, 251, 216, 245, 174, 197}},
        {150, {226, 206, 267, 240, 283, 197, 220}},
        {185, {256, 233, 300, 272, 323, 220, 250}},
        {240, {300, 273, 351, 318, 382, 253, 290}},
        {300, {344, 313, 402, 364, 440, 286, 326}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "an LV calculator checked against the 2009 text"},
};

// The method B1 values from 150 mm² are the 2009 set (300/341/400/458 for Cu PVC 2 loaded),
// printed by every reproduction of the 2009 edition, its national adoptions and BS 7671; the
// higher set (309/353/…) belongs to NBR 5410:2004 and is not used.

// A row of Tables B.52.10–B.52.13, free air: E with 2 and 3 loaded conductors (multicore),
// F with 2 single-core cables touching, F with 3 in trefoil, G single-core spaced horizontally.
// Methods F and G start at 25 mm²; E stops at 300 mm².
struct FreeAirRow {
    double mm2;
    std::array<double, 5> amps;
};

// B.52.10, PVC, copper. Read from S1; E-2 checked against the Danish tool and a German formula
// book, E-3 also against a Russian plug-in citing ГОСТ Р 50571.5.52, F-2 against BS 7671 4D1A
// and the formula book, F-3 against 4D1A and the LV calculator (F-3 400 mm² 656: four sources;
// one prints 659). G horizontal read from the formula book, checked against the second data
// file and a NEN 1010 spreadsheet for 25–300 mm²; its 400–630 mm² cells rest on the spreadsheet
// alone and are left out. Left out as single-source columns: F flat touching, G vertical.
inline constexpr CodeTable<FreeAirRow, 19> kTableB52_10 = {
    {kPart52, "Table B.52.10"},
    {{
        // clang-format off
        {1.5, {22, 18.5, 0, 0, 0}},
        {2.5, {30, 25, 0, 0, 0}},
        {4, {40, 34, 0, 0, 0}},
        {6, {51, 43, 0, 0, 0}},
        {10, {70, 60, 0, 0, 0}},
        {16, {94, 80, 0, 0, 0}},
        {25, {119, 101, 131, 110, 146}},
        {35, {148, 126, 162, 137, 181}},
        {50, {180, 153, 196, 167, 219}},
        {70, {232, 196, 251, 216, 281}},
        {95, {282, 238, 304, 264, 341}},
        {120, {328, 276, 352, 308, 396}},
        {150, {379, 319, 406, 356, 456}},
        {185, {434, 364, 463, 409, 521}},
        {240, {514, 430, 546, 485, 615}},
        {300, {593, 497, 629, 561, 709}},
        {400, {0, 0, 754, 656, 0}},
        {500, {0, 0, 868, 749, 0}},
        {630, {0, 0, 1005, 855, 0}},
        // clang-format on
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "a Danish DS/HD 60364 tool, a German formula book, BS 7671 4D1A"},
};

// B.52.11, PVC, aluminium. Read from S1; E-2 checked against the Danish tool and the Russian
// plug-in (the second data file prints other values, outvoted three to one), E-3 and F-3 also
// against the LV calculator. F-2 rests on S1 alone and is left out (0). No G column was found.
inline constexpr CodeTable<FreeAirRow, 18> kTableB52_11 = {
    {kPart52, "Table B.52.11"},
    {{
        // clang-format off
        {2.5, {23, 19.5, 0, 0, 0}},
        {4, {31, 26, 0, 0, 0}},
        {6, {39, 33, 0, 0, 0}},
        {10, {54, 46, 0, 0, 0}},
        {16, {73, 61, 0, 0, 0}},
        {25, {89, 78, 0, 84, 0}},
        {35, {111, 96, 0, 105, 0}},
        {50, {135, 117, 0, 128, 0}},
        {70, {173, 150, 0, 166, 0}},
        {95, {210, 183, 0, 203, 0}},
        {120, {244, 212, 0, 237, 0}},
        {150, {282, 245, 0, 274, 0}},
        {185, {322, 280, 0, 315, 0}},
        {240, {380, 330, 0, 375, 0}},
        {300, {439, 381, 0, 434, 0}},
        {400, {0, 0, 0, 526, 0}},
        {500, {0, 0, 0, 610, 0}},
        {630, {0, 0, 0, 711, 0}},
        // clang-format on
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)",
     "the Danish tool and a Russian plug-in (ГОСТ Р 50571.5.52)"},
};

// B.52.12, XLPE or EPR, copper. Read from S1; E-2 and F-2 checked against the second data file
// and BS 7671 4E1A, E-3 and F-3 against the LV calculator and 4E1A. The G columns for XLPE
// rest on one reproduction each and are left out.
inline constexpr CodeTable<FreeAirRow, 19> kTableB52_12 = {
    {kPart52, "Table B.52.12"},
    {{
        // clang-format off
        {1.5, {26, 23, 0, 0, 0}},
        {2.5, {36, 32, 0, 0, 0}},
        {4, {49, 42, 0, 0, 0}},
        {6, {63, 54, 0, 0, 0}},
        {10, {86, 75, 0, 0, 0}},
        {16, {115, 100, 0, 0, 0}},
        {25, {149, 127, 161, 135, 0}},
        {35, {185, 158, 200, 169, 0}},
        {50, {225, 192, 242, 207, 0}},
        {70, {289, 246, 310, 268, 0}},
        {95, {352, 298, 377, 328, 0}},
        {120, {410, 346, 437, 383, 0}},
        {150, {473, 399, 504, 444, 0}},
        {185, {542, 456, 575, 510, 0}},
        {240, {641, 538, 679, 607, 0}},
        {300, {741, 621, 783, 703, 0}},
        {400, {0, 0, 940, 823, 0}},
        {500, {0, 0, 1083, 946, 0}},
        {630, {0, 0, 1254, 1088, 0}},
        // clang-format on
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)", "a second IEC data file and BS 7671 4E1A"},
};

// B.52.13, XLPE or EPR, aluminium. Read from S1; E-2 checked against the Danish tool, E-3 and
// F-3 against the LV calculator. F-2 rests on S1 alone and is left out (0); no G was found.
inline constexpr CodeTable<FreeAirRow, 18> kTableB52_13 = {
    {kPart52, "Table B.52.13"},
    {{
        // clang-format off
        {2.5, {28, 24, 0, 0, 0}},
        {4, {38, 32, 0, 0, 0}},
        {6, {49, 42, 0, 0, 0}},
        {10, {67, 58, 0, 0, 0}},
        {16, {91, 77, 0, 0, 0}},
        {25, {108, 97, 0, 103, 0}},
        {35, {135, 120, 0, 129, 0}},
        {50, {164, 146, 0, 159, 0}},
        {70, {211, 187, 0, 206, 0}},
        {95, {257, 227, 0, 253, 0}},
        {120, {300, 263, 0, 296, 0}},
        {150, {346, 304, 0, 343, 0}},
        {185, {397, 347, 0, 395, 0}},
        {240, {470, 409, 0, 471, 0}},
        {300, {543, 471, 0, 547, 0}},
        {400, {0, 0, 0, 663, 0}},
        {500, {0, 0, 0, 770, 0}},
        {630, {0, 0, 0, 899, 0}},
        // clang-format on
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)", "the Danish tool and the LV calculator"},
};

// ---------------------------------------------------------------------------------------
// Correction factors. A value between two printed columns takes the column on the unsafe
// side of it (the higher temperature, resistivity or count): never interpolated, never
// beyond the table.

// A row of a temperature table: its factors at kTemperatures, 0 where the table ends.
struct TemperatureRow {
    std::string_view insulation;
    std::array<double, 15> factor;
};

inline constexpr std::array<double, 15> kTemperatures = {10, 15, 20, 25, 30, 35, 40, 45,
                                                         50, 55, 60, 65, 70, 75, 80};

// B.52.14, ambient air other than 30 °C. Read from the second IEC data file, the Belgian
// calculator and China's design atlas 19DX101-1 Table 6.22; checked against NBR 5410, the LV
// calculator and the derated tables of a compressor maker's manuals. Each cell equals
// √((θmax − θa)/(θmax − 30)) to two places.
inline constexpr CodeTable<TemperatureRow, 2> kTableB52_14 = {
    {kPart52, "Table B.52.14"},
    {{
        {"PVC", {1.22, 1.17, 1.12, 1.06, 1.00, 0.94, 0.87, 0.79, 0.71, 0.61, 0.50, 0, 0, 0, 0}},
        {"XLPE and EPR",
         {1.15, 1.12, 1.08, 1.04, 1.00, 0.96, 0.91, 0.87, 0.82, 0.76, 0.71, 0.65, 0.58, 0.50,
          0.41}},
    }},
    {"a second IEC data file, the Belgian calculator, 19DX101-1 Table 6.22", "NBR 5410"},
};

// B.52.15, ground other than 20 °C (D1, D2). Read from 19DX101-1 Table 6.24 and the LV
// calculator; checked against NBR 5410, the second data file and the PV-plant script (to
// 60 °C). Each cell equals √((θmax − θg)/(θmax − 20)) to two places.
inline constexpr CodeTable<TemperatureRow, 2> kTableB52_15 = {
    {kPart52, "Table B.52.15"},
    {{
        {"PVC", {1.10, 1.05, 1.00, 0.95, 0.89, 0.84, 0.77, 0.71, 0.63, 0.55, 0.45, 0, 0, 0, 0}},
        {"XLPE and EPR",
         {1.07, 1.04, 1.00, 0.96, 0.93, 0.89, 0.85, 0.80, 0.76, 0.71, 0.65, 0.60, 0.53, 0.46,
          0.38}},
    }},
    {"19DX101-1 Table 6.24 and the LV calculator", "NBR 5410 and a second IEC data file"},
};

// B.52.16, soil thermal resistivity other than 2.5 K·m/W, at kResistivities. Read from the
// second data file and the PV-plant script; checked against a Korean calculator and a Java
// grouping library. The table covers 0.5–3 K·m/W only.
struct SoilRow {
    std::string_view laying;
    std::array<double, 7> factor;
};

inline constexpr std::array<double, 7> kResistivities = {0.5, 0.7, 1, 1.5, 2, 2.5, 3};

inline constexpr CodeTable<SoilRow, 2> kTableB52_16 = {
    {kPart52, "Table B.52.16"},
    {{
        {"in buried ducts (D1)", {1.28, 1.20, 1.18, 1.10, 1.05, 1.00, 0.96}},
        {"direct in ground (D2)", {1.88, 1.62, 1.50, 1.28, 1.12, 1.00, 0.90}},
    }},
    {"a second IEC data file and a PV-plant script",
     "a Korean calculator and a Java grouping library"},
};

// B.52.17, grouping of circuits or multicore cables, at kGroupCounts circuits. Read from S1
// grouping-data.js and NBR 5410 Table 42 (identical); checked against the Java grouping
// library (items 1–5) and three more for item 1. Chosen: item 5 at 5 circuits 0.80 (one copy
// prints 0.79). Items 2–5 print nothing beyond 9 circuits: no further reduction, the 9-circuit
// value holds (0 here).
enum class Arrangement { Bunched, SingleLayerWall, SingleLayerCeiling, PerforatedTray, Ladder };

struct GroupingRow {
    int item;
    std::string_view arrangement;
    std::array<double, 12> factor;
    std::string_view methods;  // the reference methods the item applies to
};

inline constexpr std::array<int, 12> kGroupCounts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 20};

inline constexpr CodeTable<GroupingRow, 5> kTableB52_17 = {
    {kPart52, "Table B.52.17"},
    {{
        {1,
         "bunched in air, on a surface, embedded or enclosed",
         {1.00, 0.80, 0.70, 0.65, 0.60, 0.57, 0.54, 0.52, 0.50, 0.45, 0.41, 0.38},
         "A1 A2 B1 B2 C E F"},
        {2,
         "single layer on a wall, floor or unperforated tray",
         {1.00, 0.85, 0.79, 0.75, 0.73, 0.72, 0.72, 0.71, 0.70, 0, 0, 0},
         "C"},
        {3,
         "single layer fixed directly under a wooden ceiling",
         {0.95, 0.81, 0.72, 0.68, 0.66, 0.64, 0.63, 0.62, 0.61, 0, 0, 0},
         "C"},
        {4,
         "single layer on a perforated horizontal or vertical tray",
         {1.00, 0.88, 0.82, 0.77, 0.75, 0.73, 0.73, 0.72, 0.72, 0, 0, 0},
         "E F"},
        {5,
         "single layer on ladder supports or cleats",
         {1.00, 0.87, 0.82, 0.80, 0.80, 0.79, 0.79, 0.78, 0.78, 0, 0, 0},
         "E F"},
    }},
    {"S1 grouping-data.js and NBR 5410 Table 42", "the Java grouping library"},
};

// The clearance between circuits laid in the ground (B.52.18, B.52.19).
enum class Spacing { Touching, OneDiameter, M0_125, M0_25, M0_5, M1_0 };

struct GroundGroupingRow {
    Spacing spacing;
    std::array<double, 11> factor;
};

inline constexpr std::array<int, 11> kGroundCounts = {2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 20};

// B.52.18, cables direct in the ground (D2), cable to cable, at kGroundCounts circuits. Read
// from the second data file and the PV-plant script (all counts); checked against S1 and the
// Java library (2–9 circuits). All agree.
inline constexpr CodeTable<GroundGroupingRow, 5> kTableB52_18 = {
    {kPart52, "Table B.52.18"},
    {{
        {Spacing::Touching, {0.75, 0.65, 0.60, 0.55, 0.50, 0.45, 0.43, 0.41, 0.36, 0.32, 0.29}},
        {Spacing::OneDiameter, {0.80, 0.70, 0.60, 0.55, 0.55, 0.51, 0.48, 0.46, 0.42, 0.38, 0.35}},
        {Spacing::M0_125, {0.85, 0.75, 0.70, 0.65, 0.60, 0.59, 0.57, 0.55, 0.51, 0.47, 0.44}},
        {Spacing::M0_25, {0.90, 0.80, 0.75, 0.70, 0.70, 0.67, 0.65, 0.63, 0.59, 0.56, 0.53}},
        {Spacing::M0_5, {0.90, 0.85, 0.80, 0.80, 0.80, 0.76, 0.75, 0.74, 0.71, 0.68, 0.66}},
    }},
    {"a second IEC data file and the PV-plant script", "S1 and the Java library"},
};

// B.52.19 A, multicore cables in single-way ducts in the ground (D1), duct to duct, for 2 to
// 12 cables (kDuctCounts). Read from 19DX101-1 Table 6.27 and the second data file; checked
// against S1 and the Java library (2–9). The printed 13–20 cable columns rest on 19DX101-1
// alone and are left out: above 12 cables the check refuses.
struct DuctRow {
    Spacing spacing;
    std::array<double, 11> factor;
};

inline constexpr std::array<int, 11> kDuctCounts = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

inline constexpr CodeTable<DuctRow, 4> kTableB52_19A = {
    {kPart52, "Table B.52.19"},
    {{
        {Spacing::Touching, {0.85, 0.75, 0.70, 0.65, 0.60, 0.57, 0.54, 0.52, 0.49, 0.47, 0.45}},
        {Spacing::M0_25, {0.90, 0.85, 0.80, 0.80, 0.80, 0.76, 0.74, 0.73, 0.72, 0.70, 0.69}},
        {Spacing::M0_5, {0.95, 0.90, 0.85, 0.85, 0.80, 0.80, 0.78, 0.77, 0.76, 0.75, 0.74}},
        {Spacing::M1_0, {0.95, 0.95, 0.90, 0.90, 0.90, 0.88, 0.88, 0.87, 0.86, 0.86, 0.85}},
    }},
    {"19DX101-1 Table 6.27 and a second IEC data file", "S1 and the Java library"},
};

// B.52.19 B, single-core cables in non-magnetic single-way ducts (D1), circuits of two or
// three cables, for 2 to 6 circuits. Read from S1; checked against the Java library. Its 7–9
// circuit columns rest on the Java library alone and are left out.
struct SingleCoreDuctRow {
    Spacing spacing;
    std::array<double, 5> factor;  // 2 … 6 circuits
};

inline constexpr CodeTable<SingleCoreDuctRow, 4> kTableB52_19B = {
    {kPart52, "Table B.52.19"},
    {{
        {Spacing::Touching, {0.80, 0.70, 0.65, 0.60, 0.60}},
        {Spacing::M0_25, {0.90, 0.80, 0.75, 0.70, 0.70}},
        {Spacing::M0_5, {0.90, 0.85, 0.80, 0.80, 0.80}},
        {Spacing::M1_0, {0.95, 0.90, 0.90, 0.90, 0.90}},
    }},
    {"john3volts3/Conducteur-Section iz-data.js (S1)", "the Java library"},
};

// Annex E (Table E.52.1), third-harmonic currents in four- and five-core cables: above
// `abovePercent` up to `upToPercent` of third harmonic, the size is chosen on the line or the
// neutral current (3 × h × I_line) with this factor. Read from the LV calculator; checked
// against the Danish tool (0.86 for a neutral carrying harmonics). Two sources, medium.
struct HarmonicRow {
    double abovePercent, upToPercent;
    bool onNeutral;
    double factor;
};

inline constexpr CodeTable<HarmonicRow, 4> kTableE52_1 = {
    {kPart52, "Table E.52.1"},
    {{
        {0, 15, false, 1.0},
        {15, 33, false, 0.86},
        {33, 45, true, 0.86},
        {45, 100, true, 1.0},
    }},
    {"the LV calculator", "the Danish tool"},
};

// ---------------------------------------------------------------------------------------
// Voltage drop, Annex G: u = b (ρ1 L / S cos φ + λ L sin φ) I_B with ρ1 = 1.25 ρ20 taken as
// 0.0225 (copper) and 0.036 Ω·mm²/m (aluminium), λ = 0.08 mΩ/m. Read from the Belgian
// calculator; checked against a French Annex G implementation (b, ρ1) and S1's manual.
struct AnnexGConstants {
    double rho1Copper, rho1Aluminium;  // Ω·mm²/m
    double lambda;                     // Ω/m
    double defaultPowerFactor;         // when none is given (Annex G takes cos φ 0.8)
};

inline constexpr AnnexGConstants kAnnexG = {0.0225, 0.036, 0.08e-3, 0.8};
inline constexpr Citation kAnnexGCite = {kPart52, "Annex G"};

// Table G.52.1, the largest drop from the origin of the installation to any load, %. Read from
// the Korean KEC data module (KEC 232.3.9 adopts it) and the LV calculator; checked against
// S1's manual.
struct DropLimitRow {
    std::string_view installation;
    double lighting, other;
};

inline constexpr CodeTable<DropLimitRow, 2> kTableG52_1 = {
    {kPart52, "Table G.52.1"},
    {{
        {"A: supplied directly from a public LV distribution system", 3, 5},
        {"B: supplied from a private LV supply", 6, 8},
    }},
    {"the Korean KEC data module and the LV calculator", "S1's manual"},
};

// ---------------------------------------------------------------------------------------
// Short circuit, 434.5.2: S ≥ I √t / k for faults of up to 5 s.

// Table 43A of IEC 60364-4-43, k of line conductors (A·s^½/mm²), one entry per printed column.
// Read from mycableengineering.com and the NICEIC pocket guide; checked against a BS 7671 43A
// data file, the LV calculator and the closed formula of IEC 60949 (every cell within 0.5).
// Left out: PVC 90 °C above 300 mm² (no second reproduction) and the mineral-insulated
// columns (no reproduction found).
struct KColumn {
    std::string_view insulation;
    double maxMm2;  // the column holds up to this size (0: any)
    double initialC, finalC;
    double copper, aluminium;
};

inline constexpr CodeTable<KColumn, 5> kTable43A = {
    {kPart43, "Table 43A"},
    {{
        {"PVC", 300, 70, 160, 115, 76},
        {"PVC above 300 mm²", 0, 70, 140, 103, 68},
        {"PVC 90 °C", 300, 90, 160, 100, 66},
        {"XLPE and EPR", 0, 90, 250, 143, 94},
        {"rubber 60 °C", 0, 60, 200, 141, 93},
    }},
    {"mycableengineering.com and the NICEIC pocket guide",
     "a BS 7671 43A data file, the LV calculator, IEC 60949"},
};

inline constexpr Citation kShortCircuitRule = {kPart43, "434.5.2"};

// ---------------------------------------------------------------------------------------
// Minimum cross-sections of 524.1 (Table 52.2) for power and lighting cables in fixed
// installations. Copper 1.5 mm²: every reproduction. Aluminium: BS 7671 and the Danish DS/HD
// tool print 16 mm²; whether the IEC table itself prints 10 could not be seen, so the larger,
// 16, is taken.
struct MinimumSizeRow {
    std::string_view material;
    double mm2;
};

inline constexpr CodeTable<MinimumSizeRow, 2> kTable52_2 = {
    {kPart52, "524.1, Table 52.2"},
    {{
        {"copper", 1.5},
        {"aluminium", 16},
    }},
    {"BS 7671", "the Danish DS/HD tool"},
};

// ---------------------------------------------------------------------------------------
// Overload protection, 433.1: I_B ≤ I_n ≤ I_z (1) and I_2 ≤ 1.45 I_z (2).
inline constexpr Citation kOverloadRule = {kPart43, "433.1"};

// The conventional tripping (fusing) current I_2 of a device, as a multiple of I_n, for
// ratings of at least `fromRating`. MCB from two quotations of IEC 60898-1 (a switchgear
// maker's FAQ, a Hager catalogue); cb from two notes on IEC 60947-2 (1.3 I_r); gG from NF C
// 15-100 notes and a design help page (1.6 I_n from 16 A, 1.9 I_n above 4 A). No reproduction
// gives I_2 of gG fuses of 4 A and less, so they are refused.
struct TrippingRow {
    Citation cite;
    double fromRating;  // A; the row holds from this rating (exclusive when `above`)
    bool above;
    double i2;  // × I_n
};

inline constexpr std::array<TrippingRow, 4> kConventionalTripping = {{
    {{kIec60898, "conventional tripping current"}, 0, false, 1.45},
    {{kIec60947, "conventional tripping current"}, 0, false, 1.30},
    {{kIec60269, "Table 2, I_f"}, 4, true, 1.9},
    {{kIec60269, "Table 2, I_f"}, 16, false, 1.6},
}};

// The preferred ratings of IEC 60898-1 MCBs (A), as quoted in two datasheets' lists.
inline constexpr CodeTable<double, 14> kMcbRatings = {
    {kIec60898, "preferred rated currents"},
    {{6, 8, 10, 13, 16, 20, 25, 32, 40, 50, 63, 80, 100, 125}},
    {"a datasheet list of IEC 60898-1 ratings", "a second datasheet list"},
};

// The ratings of IEC 60269-1 gG fuse-links (A), from a Romanian design tool (full list) and a
// second list to 1000 A. National extras (35, 224, 300 A) are not in it. IEC 60947-2 sets no
// series for circuit breakers: their rating is the setting the maker offers, given as input.
inline constexpr CodeTable<double, 26> kGgRatings = {
    {kIec60269, "rated currents"},
    {{2,  4,   6,   8,   10,  12,  16,  20,  25,  32,  40,  50,   63,
      80, 100, 125, 160, 200, 250, 315, 400, 500, 630, 800, 1000, 1250}},
    {"a Romanian design tool", "a second list to 1000 A"},
};

// ---------------------------------------------------------------------------------------
// The fault path: the protective conductor (IEC 60364-5-54, 543.1) and automatic disconnection
// of supply (IEC 60364-4-41, 411). No reproduction of 5-54 gives its edition; none is claimed.
inline constexpr std::string_view kPart54 = "IEC 60364-5-54";
inline constexpr std::string_view kPart41 = "IEC 60364-4-41:2005";

// Table 54.2, the protective conductor of the same metal as the line conductors of area S.
// Read from an Indonesian installation tool (S ≤ 16 → S; 16 < S ≤ 35 → 16; S > 35 → S/2, to
// the next standard size) and a grounding calculator's notes on 5-54; both agree, and a
// feeder schedule applying the table (150 → 70, 240 → 120, 16 → 16 mm²) follows them.
enum class CpcRule { SameAsLine, Sixteen, HalfLine };

struct CpcBand {
    double upToMm2;  // the band holds S up to this area (0: any above)
    CpcRule rule;
    std::string_view text;
};

inline constexpr CodeTable<CpcBand, 3> kTable54_2 = {
    {kPart54, "Table 54.2"},
    {{
        {16, CpcRule::SameAsLine, "S ≤ 16 mm²: S"},
        {35, CpcRule::Sixteen, "16 mm² < S ≤ 35 mm²: 16 mm²"},
        {0, CpcRule::HalfLine, "S > 35 mm²: S/2"},
    }},
    {"an Indonesian installation tool", "a grounding calculator's notes on 5-54"},
};

// 543.1.2: S = √(I²t) / k for a protective conductor, with k from Annex A of 5-54. Table A.54.2
// (a separate insulated conductor, from 30 °C) and A.54.3 (a core of a multicore cable, from the
// line conductors' temperature, the values of Table 43A). Read from the LV sizing calculator
// (S15: 143, 176, 95, 116) and the NICEIC pocket guide (143, 95); every cell checked against
// the closed formula of Annex A (Cu 142.9, 133.3, 175.8; Al 94.5, 88.2, 116.2).
inline constexpr CodeTable<KColumn, 3> kTableA54_2 = {
    {kPart54, "Table A.54.2"},
    {{
        {"PVC", 300, 30, 160, 143, 95},
        {"PVC above 300 mm²", 0, 30, 140, 133, 88},
        {"XLPE and EPR", 0, 30, 250, 176, 116},
    }},
    {"the LV sizing calculator and the NICEIC pocket guide", "the closed formula of Annex A"},
};

inline constexpr CodeTable<KColumn, 3> kTableA54_3 = {
    {kPart54, "Table A.54.3"},
    {{
        {"PVC", 300, 70, 160, 115, 76},
        {"PVC above 300 mm²", 0, 70, 140, 103, 68},
        {"XLPE and EPR", 0, 90, 250, 143, 94},
    }},
    {"the LV sizing calculator and the NICEIC pocket guide", "the closed formula of Annex A"},
};

inline constexpr Citation kCpcRule = {kPart54, "543.1.2"};

// 543.1.3: a protective conductor that is neither a core of a cable nor in an enclosure with the
// line conductors is at least 2.5 mm² copper where it is protected against mechanical damage and
// 4 mm² where it is not. Read from China's adoption of 5-54 (GB/T 16895.3-2017, 543.1.3, as a
// design tool's rule catalogue quotes it) and a UK regulations study guide (2.5 / 4 mm²). Its
// aluminium minimum, 16 mm² either way in GB/T only, is the 524.1 floor the check applies already.
struct SeparateCpcMinimum {
    bool mechanicallyProtected;
    double copperMm2;
    std::string_view text;
};

inline constexpr CodeTable<SeparateCpcMinimum, 2> kSeparateCpcMinimums = {
    {kPart54, "543.1.3"},
    {{
        {true, 2.5, "with mechanical protection"},
        {false, 4, "without mechanical protection"},
    }},
    {"GB/T 16895.3-2017 543.1.3", "a UK regulations study guide"},
};

// The conductor resistance at θ: R_θ = R_20 (1 + α_20 (θ − 20)), with the α_20 of IEC
// 60287-1-1 (copper 0.00393, aluminium 0.00403 K⁻¹; read from a cable thermal analysis
// program's IEC tables and an LV calculator, checked against S1's manual). Line conductors run
// at the largest operating temperature of their insulation (PVC 70 °C, XLPE and EPR 90 °C, the
// conductor temperature of every Annex B table).
struct TemperatureCoefficient {
    std::string_view metal;
    double alpha20;  // K⁻¹
};

inline constexpr CodeTable<TemperatureCoefficient, 2> kAlpha20 = {
    {"IEC 60287-1-1", "Table 1"},
    {{
        {"copper", 0.00393},
        {"aluminium", 0.00403},
    }},
    {"a cable thermal analysis program's IEC tables and an LV calculator", "S1's manual"},
};

struct OperatingTemperature {
    std::string_view insulation;
    double celsius;
};

inline constexpr CodeTable<OperatingTemperature, 2> kTable52_1 = {
    {kPart52, "Table 52.1"},
    {{
        {"PVC", 70},
        {"XLPE and EPR", 90},
    }},
    {"the Annex B tables' conductor temperatures", "S1's manual"},
};

// Table 41.1, the longest disconnection time (s) of final circuits of up to 32 A, AC, by U0.
// The edges are given as U0 and as the line-to-line voltage of the same nominal system
// (IEC 60038: 120/208, 230/400, 400/690 V), so a 400 V three-phase circuit (U0 = 400/√3 =
// 230.9 V) is read in the 230 V row, as the table means. Read from a Python installation
// library's IEC 60364-4-41 function and an Austrian course summary; checked against a German
// note (230 and 400 V rows, TN and TT). 0: not held. TT above 400 V (0.04 s) rests on one
// reproduction; the DC columns on one as well, so DC circuits are not checked.
struct DisconnectionRow {
    double u0UpTo;    // V; the row holds above the previous row's edge (0: any above)
    double lineUpTo;  // V, the line-to-line voltage of the same edge
    std::string_view band;
    double tn, tt;  // s
};

inline constexpr double kMinU0 = 50;  // Table 41.1 begins above 50 V

inline constexpr CodeTable<DisconnectionRow, 4> kTable41_1 = {
    {kPart41, "Table 41.1"},
    {{
        {120, 208, "50 V < U0 ≤ 120 V", 0.8, 0.3},
        {230, 400, "120 V < U0 ≤ 230 V", 0.4, 0.2},
        {400, 690, "230 V < U0 ≤ 400 V", 0.2, 0.07},
        {0, 0, "U0 > 400 V", 0.1, 0},
    }},
    {"a Python installation library's 4-41 function and an Austrian course summary",
     "a German note"},
};

// Distribution circuits and final circuits above 32 A: 5 s in TN (411.3.2.3), 1 s in TT
// (411.3.2.4). A UK constants file and the German note agree.
inline constexpr double kFinalCircuitMaxRating = 32;
inline constexpr double kDistributionTimeTn = 5, kDistributionTimeTt = 1;
inline constexpr Citation kDistributionRuleTn = {kPart41, "411.3.2.3"};
inline constexpr Citation kDistributionRuleTt = {kPart41, "411.3.2.4"};

// 411.4.4 (TN) and 411.5.4 (TT with an overcurrent device): Zs × I_a ≤ U0. 411.5.3 (TT with an
// RCD): R_A × I_Δn ≤ 50 V.
inline constexpr Citation kLoopRuleTn = {kPart41, "411.4.4"};
inline constexpr Citation kLoopRuleTt = {kPart41, "411.5.4"};
inline constexpr Citation kRcdRuleTt = {kPart41, "411.5.3"};
inline constexpr double kTouchVoltageLimit = 50;  // V

// The longest operating time of a general (not time-delayed) RCD at a multiple of I_Δn, IEC
// 61008-1 and IEC 61009-1: 300 ms at I_Δn, 150 ms at 2 I_Δn, 40 ms at 5 I_Δn. Read from an
// installation tester's manual (its trip-time ranges for RCDs under EN 61557: 0–300, 0–150,
// 0–40 ms) and an RCD note in an electronics project (0.30, 0.15, 0.04 s); two more tester
// manuals print the I_Δn and 5 I_Δn rows alike. An RCD disconnects within the time of Table 41.1
// only where the fault current reaches the multiple whose time is within it.
struct RcdTimeRow {
    double multiple;  // × I_Δn
    double seconds;
};

inline constexpr CodeTable<RcdTimeRow, 3> kRcdTimes = {
    {"IEC 61008-1 and IEC 61009-1", "operating times, general type"},
    {{
        {1, 0.3},
        {2, 0.15},
        {5, 0.04},
    }},
    {"an installation tester's manual", "an RCD note in an electronics project"},
};

// The instantaneous tripping ranges of IEC 60898-1 (× I_n): the breaker trips within 0.1 s at
// the upper limit, which is the I_a of the loop check. Quoted alike by a UK electricians'
// course (B 3–5, C 5–10, D 10–20, two copies) and a UK protection reference's test file (B 3–5);
// the published maximum loop impedances (BS 7671 Table 41.3) follow the upper limits.
enum class Curve { B, C, D };

struct CurveRow {
    Curve curve;
    double from, upTo;  // × I_n
};

inline constexpr CodeTable<CurveRow, 3> kMcbCurves = {
    {kIec60898, "instantaneous tripping ranges"},
    {{
        {Curve::B, 3, 5},
        {Curve::C, 5, 10},
        {Curve::D, 10, 20},
    }},
    {"a UK electricians' course", "a UK protection reference's test file"},
};
inline constexpr double kMcbInstantaneousTime = 0.1;  // s, at the upper limit

// The voltage factor c_min of IEC 60909-0 Table 1 for low-voltage minimum fault currents, 0.95
// (pandapower's documentation and an equation registry agree). 411.4.4 itself has no factor; a
// national rule may apply it to the loop limit.
inline constexpr double kCmin = 0.95;
inline constexpr Citation kCminCite = {"IEC 60909-0", "Table 1, c_min"};

// The low-voltage scope of IEC 60364: nominal voltages up to 1000 V AC and 1500 V DC.
inline constexpr double kMaxVoltsAc = 1000;
inline constexpr double kMaxVoltsDc = 1500;

// A single-phase circuit above this voltage is taken to be connected across two lines (400 V of
// a 230/400 V system), so its U0 to earth is not its voltage and is asked for.
inline constexpr double kSinglePhaseMaxU0 = 250;
inline constexpr Citation kScope = {"IEC 60364-1", "scope"};

}  // namespace ferrovolt::iec60364
