// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The NEC 2023 Article 430 tables the motor rules read, as published reproductions give them.
// A cell ships only where two reproductions print the same value: kNone marks a cell the code
// leaves blank, kOneSource a cell that is printed but was found in one reproduction only, which
// the rules refuse rather than answer from.
//
// The values of Tables 430.247, 430.248 and 430.250 are the same in the 1999, 2008 and 2017
// reproductions, and no change summary for 2020 or 2023 reports a change; they are named by the
// 2023 edition on that ground.

#include <array>
#include <string_view>

#include "code_base/citation.h"

namespace ferrovolt::motors {

inline constexpr std::string_view kEdition = "NEC 2023";

inline constexpr double kNone = 0;        // the code gives no value
inline constexpr double kOneSource = -1;  // printed, but by one reproduction only

// A horsepower row's size as the tables print it: 0.5 is "1/2", 7.5 is "7-1/2".
struct Horsepower {
    double hp;
    std::string_view label;
};

// Table 430.250, induction (squirrel-cage and wound-rotor) motors, amperes, by rated motor
// voltage 115, 200, 208, 230, 460, 575, 2300 V. Read from the 2008 table on scribd (document
// 250218196); checked against the 1999 Table 430-150 (paigewire.com) and the 2017 reproduction
// in a maker's data bulletin (8536DB0901R09/16 p. 49), with five more reproductions besides;
// every cell has at least three that agree. Where one reproduction dissents (1 hp 200 V 4.9,
// 1/2 hp 230 V 2.1, 1/2 hp 575 V 0.8, 3/4 hp 230 V 3.1, 1-1/2 hp 575 V 2.1, and four cells of
// the 400 to 500 hp rows) the majority value is kept.
struct InductionRow {
    Horsepower size;
    std::array<double, 7> amps;
};

inline constexpr std::array<int, 7> kInductionVolts = {115, 200, 208, 230, 460, 575, 2300};

inline constexpr CodeTable<InductionRow, 27> kTable430_250 = {
    {kEdition, "Table 430.250"},
    {{
        {{0.5, "1/2"}, {4.4, 2.5, 2.4, 2.2, 1.1, 0.9, kNone}},
        {{0.75, "3/4"}, {6.4, 3.7, 3.5, 3.2, 1.6, 1.3, kNone}},
        {{1, "1"}, {8.4, 4.8, 4.6, 4.2, 2.1, 1.7, kNone}},
        {{1.5, "1-1/2"}, {12.0, 6.9, 6.6, 6.0, 3.0, 2.4, kNone}},
        {{2, "2"}, {13.6, 7.8, 7.5, 6.8, 3.4, 2.7, kNone}},
        {{3, "3"}, {kNone, 11.0, 10.6, 9.6, 4.8, 3.9, kNone}},
        {{5, "5"}, {kNone, 17.5, 16.7, 15.2, 7.6, 6.1, kNone}},
        {{7.5, "7-1/2"}, {kNone, 25.3, 24.2, 22, 11, 9, kNone}},
        {{10, "10"}, {kNone, 32.2, 30.8, 28, 14, 11, kNone}},
        {{15, "15"}, {kNone, 48.3, 46.2, 42, 21, 17, kNone}},
        {{20, "20"}, {kNone, 62.1, 59.4, 54, 27, 22, kNone}},
        {{25, "25"}, {kNone, 78.2, 74.8, 68, 34, 27, kNone}},
        {{30, "30"}, {kNone, 92, 88, 80, 40, 32, kNone}},
        {{40, "40"}, {kNone, 120, 114, 104, 52, 41, kNone}},
        {{50, "50"}, {kNone, 150, 143, 130, 65, 52, kNone}},
        {{60, "60"}, {kNone, 177, 169, 154, 77, 62, 16}},
        {{75, "75"}, {kNone, 221, 211, 192, 96, 77, 20}},
        {{100, "100"}, {kNone, 285, 273, 248, 124, 99, 26}},
        {{125, "125"}, {kNone, 359, 343, 312, 156, 125, 31}},
        {{150, "150"}, {kNone, 414, 396, 360, 180, 144, 37}},
        {{200, "200"}, {kNone, 552, 528, 480, 240, 192, 49}},
        {{250, "250"}, {kNone, kNone, kNone, kNone, 302, 242, 60}},
        {{300, "300"}, {kNone, kNone, kNone, kNone, 361, 289, 72}},
        {{350, "350"}, {kNone, kNone, kNone, kNone, 414, 336, 83}},
        {{400, "400"}, {kNone, kNone, kNone, kNone, 477, 382, 95}},
        {{450, "450"}, {kNone, kNone, kNone, kNone, 515, 412, 103}},
        {{500, "500"}, {kNone, kNone, kNone, kNone, 590, 472, 118}},
    }},
    {"scribd document 250218196 (NEC 2008 Table 430.250)",
     "paigewire.com 430-150 (NEC 1999), Square D 8536DB0901R09/16 p. 49 (NEC 2017)"},
};

// Table 430.250, synchronous motors at unity power factor, amperes, by rated motor voltage
// 230, 460, 575, 2300 V. The 230 and 460 V columns are read from the 2008 table on scribd
// and checked against the 1999 table (paigewire.com); the 575 and 2300 V columns are printed
// by the 2008 reproduction alone.
struct SynchronousRow {
    Horsepower size;
    std::array<double, 4> amps;
};

inline constexpr std::array<int, 4> kSynchronousVolts = {230, 460, 575, 2300};

inline constexpr CodeTable<SynchronousRow, 10> kTable430_250Synchronous = {
    {kEdition, "Table 430.250"},
    {{
        {{25, "25"}, {53, 26, kOneSource, kNone}},
        {{30, "30"}, {63, 32, kOneSource, kNone}},
        {{40, "40"}, {83, 41, kOneSource, kNone}},
        {{50, "50"}, {104, 52, kOneSource, kNone}},
        {{60, "60"}, {123, 61, kOneSource, kOneSource}},
        {{75, "75"}, {155, 78, kOneSource, kOneSource}},
        {{100, "100"}, {202, 101, kOneSource, kOneSource}},
        {{125, "125"}, {253, 126, kOneSource, kOneSource}},
        {{150, "150"}, {302, 151, kOneSource, kOneSource}},
        {{200, "200"}, {400, 201, kOneSource, kOneSource}},
    }},
    {"scribd document 250218196 (NEC 2008 Table 430.250)", "paigewire.com 430-150 (NEC 1999)"},
};

// The table's footnote: synchronous motors at 0.9 and 0.8 power factor take the unity figures
// times 1.1 and 1.25 (the 2008 table on scribd, klocknermoeller.com hp, solar365.com NEC 2008
// p. 38).
struct SynchronousFactor {
    double powerFactor;
    double multiplier;
};
inline constexpr std::array<SynchronousFactor, 3> kSynchronousFactors = {{
    {1.0, 1.0},
    {0.9, 1.1},
    {0.8, 1.25},
}};

// Table 430.248, single-phase motors, amperes, by rated motor voltage 115, 200, 208, 230 V.
// Read from the 1999 Table 430-148 (paigewire.com); checked against sparky-hq.com
// tables/motor-fla and a distributor's fuse-rating guide (elliottelectric.com); no
// reproduction disagrees.
struct SinglePhaseRow {
    Horsepower size;
    std::array<double, 4> amps;
};

inline constexpr std::array<int, 4> kSinglePhaseVolts = {115, 200, 208, 230};

inline constexpr CodeTable<SinglePhaseRow, 12> kTable430_248 = {
    {kEdition, "Table 430.248"},
    {{
        {{1.0 / 6, "1/6"}, {4.4, 2.5, 2.4, 2.2}},
        {{0.25, "1/4"}, {5.8, 3.3, 3.2, 2.9}},
        {{1.0 / 3, "1/3"}, {7.2, 4.1, 4.0, 3.6}},
        {{0.5, "1/2"}, {9.8, 5.6, 5.4, 4.9}},
        {{0.75, "3/4"}, {13.8, 7.9, 7.6, 6.9}},
        {{1, "1"}, {16, 9.2, 8.8, 8.0}},
        {{1.5, "1-1/2"}, {20, 11.5, 11.0, 10}},
        {{2, "2"}, {24, 13.8, 13.2, 12}},
        {{3, "3"}, {34, 19.6, 18.7, 17}},
        {{5, "5"}, {56, 32.2, 30.8, 28}},
        {{7.5, "7-1/2"}, {80, 46.0, 44.0, 40}},
        {{10, "10"}, {100, 57.5, 55.0, 50}},
    }},
    {"paigewire.com 430-148 (NEC 1999)", "sparky-hq.com tables/motor-fla, elliottelectric.com"},
};

// Table 430.247, direct-current motors, amperes, by armature voltage rating 90, 120, 180,
// 240, 500, 550 V (average dc at base speed). Read from the 2007 reprint in Herman,
// Industrial Motor Control; checked against the 2008 text on solar365.com, which prints the
// rows up to 7-1/2 hp (its 7-1/2 hp 550 V cell is cut off) and agrees wherever it prints. The
// rows from 10 hp are in the first reproduction only.
struct DcRow {
    Horsepower size;
    std::array<double, 6> amps;
};

inline constexpr std::array<int, 6> kDcVolts = {90, 120, 180, 240, 500, 550};

inline constexpr double k1 = kOneSource;  // short, for the rows below

inline constexpr CodeTable<DcRow, 23> kTable430_247 = {
    {kEdition, "Table 430.247"},
    {{
        {{0.25, "1/4"}, {4.0, 3.1, 2.0, 1.6, kNone, kNone}},
        {{1.0 / 3, "1/3"}, {5.2, 4.1, 2.6, 2.0, kNone, kNone}},
        {{0.5, "1/2"}, {6.8, 5.4, 3.4, 2.7, kNone, kNone}},
        {{0.75, "3/4"}, {9.6, 7.6, 4.8, 3.8, kNone, kNone}},
        {{1, "1"}, {12.2, 9.5, 6.1, 4.7, kNone, kNone}},
        {{1.5, "1-1/2"}, {kNone, 13.2, 8.3, 6.6, kNone, kNone}},
        {{2, "2"}, {kNone, 17, 10.8, 8.5, kNone, kNone}},
        {{3, "3"}, {kNone, 25, 16, 12.2, kNone, kNone}},
        {{5, "5"}, {kNone, 40, 27, 20, kNone, kNone}},
        {{7.5, "7-1/2"}, {kNone, 58, kNone, 29, 13.6, k1}},
        {{10, "10"}, {kNone, k1, kNone, k1, k1, k1}},
        {{15, "15"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{20, "20"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{25, "25"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{30, "30"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{40, "40"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{50, "50"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{60, "60"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{75, "75"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{100, "100"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{125, "125"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{150, "150"}, {kNone, kNone, kNone, k1, k1, k1}},
        {{200, "200"}, {kNone, kNone, kNone, k1, k1, k1}},
    }},
    {"Herman, Industrial Motor Control (NEC 2007 reprint)",
     "solar365.com NEC 2008 Article 430 p. 36 (rows to 7-1/2 hp)"},
};

// Table 430.7(B): locked-rotor indicating code letters, the upper end of each letter's range
// of kilovolt-amperes per horsepower with locked rotor (A from 0; V is "22.4 and up", so its
// figure is a lower bound). There is no I, O or Q. Read from kvatools.io motor_dashboard;
// checked against electrikaltechnician.blogspot.com (2018/05; its H row repeats J's range, a
// misprint) and engineeringtoolbox.com locked-rotor-code-d_917 (its B row ends at 3.55, which
// overlaps C; the other reproductions end it at 3.54).
struct CodeLetterRow {
    char letter;
    double kvaPerHp;
};

inline constexpr CodeTable<CodeLetterRow, 19> kTable430_7B = {
    {kEdition, "Table 430.7(B)"},
    {{
        {'A', 3.14},  {'B', 3.54},  {'C', 3.99},  {'D', 4.49},  {'E', 4.99},
        {'F', 5.59},  {'G', 6.29},  {'H', 7.09},  {'J', 7.99},  {'K', 8.99},
        {'L', 9.99},  {'M', 11.19}, {'N', 12.49}, {'P', 13.99}, {'R', 15.99},
        {'S', 17.99}, {'T', 19.99}, {'U', 22.39}, {'V', 22.4},
    }},
    {"kvatools.io motor_dashboard",
     "electrikaltechnician.blogspot.com 2018/05, engineeringtoolbox.com locked-rotor-code-d_917"},
};

// Table 430.52(C)(1): the largest rating or setting of the branch short-circuit and
// ground-fault device, percent of the table full-load current, by device: nontime-delay fuse,
// dual-element (time-delay) fuse, instantaneous-trip breaker, inverse-time breaker. Read from
// the 2011 Table 430.52 (buildmyowncabin.com); checked against the older Table 430-152
// (fliphtml5.com), a handbook page (scribd document 251666700) for wound-rotor and dc, an NFPA
// forum answer for the 1100 % of Design B energy-efficient motors, and a maker's FAQ (FA87877)
// for the 250 % of inverse-time breakers. The older table gives dc instantaneous-trip 200 %;
// the 2008 and 2011 reproductions 250 %, kept. The fuse and inverse-time cells of the Design B
// energy-efficient row are printed by the 2011 table alone. The 2023 table names Design B
// premium-efficiency motors with the energy-efficient ones.
struct DeviceRow {
    std::string_view motor;
    std::array<double, 4> percent;
};

inline constexpr CodeTable<DeviceRow, 6> kTable430_52C1 = {
    {kEdition, "Table 430.52(C)(1)"},
    {{
        {"single-phase motors", {300, 175, 800, 250}},
        {"AC polyphase motors other than wound-rotor", {300, 175, 800, 250}},
        {"Design B energy-efficient and premium-efficiency motors",
         {kOneSource, kOneSource, 1100, kOneSource}},
        {"synchronous motors", {300, 175, 800, 250}},
        {"wound-rotor motors", {150, 150, 800, 150}},
        {"DC (constant voltage) motors", {150, 150, 250, 150}},
    }},
    {"buildmyowncabin.com nec2011_table430.52",
     "fliphtml5.com Table 430-152, scribd document 251666700, community.nfpa.org thread 37132"},
};

// Table 430.22(E): conductor ampacity for duty other than continuous, percent of the nameplate
// current, by the motor's time rating 5, 15, 30 and 60 minutes, continuous. Only the
// intermittent row is printed by two reproductions (solar365.com NEC 2008 p. 8; an
// electriciantalk.com thread on Table 430.22(E), 85/90/140); the short-time and periodic rows
// rest on the first alone, and the varying-duty row's timed cells were found in none.
struct DutyRow {
    std::string_view duty;
    std::array<double, 4> percent;  // 5-min, 15-min, 30- and 60-min, continuous rated
};

inline constexpr CodeTable<DutyRow, 4> kTable430_22E = {
    {kEdition, "Table 430.22(E)"},
    {{
        {"short-time", {kOneSource, kOneSource, kOneSource, kNone}},
        {"intermittent", {85, 85, 90, 140}},
        {"periodic", {kOneSource, kOneSource, kOneSource, kOneSource}},
        {"varying", {kOneSource, kOneSource, kOneSource, kOneSource}},
    }},
    {"solar365.com NEC 2008 Article 430 p. 8", "electriciantalk.com, Question on Table 430.22(E)"},
};

// The rules' percentages. 430.22(A) 125 %; 430.32(A)(1) 125 % for a service factor of 1.15 or
// more or a marked rise of 40 °C or less, else 115 %, and 430.32(C) 140 % / 130 % where that
// will not start the motor (solar365.com NEC 2008 pp. 9, 11, 12; forum threads quoting the
// 2023 text; a maker's overload-sizing page); 430.52(C)(1) Exception No. 2 for an inverse-time
// breaker 400 % of a full-load current up to 100 A, 300 % above (solar365 p. 17; a maker's FAQ
// FA87877; a distributor's "Motors, Part 19"); 430.52(C)(3) Exception No. 1 for an
// instantaneous-trip breaker 1300 %, 1700 % for Design B energy-efficient motors (an NFPA forum
// answer, thread 37132; a knowledge-base page on 430.52 instantaneous settings). The fuse
// ceilings of Exception No. 2 are printed by the 2008 text alone and are not held.
inline constexpr double kConductorPercent = 125;
inline constexpr double kOverloadHigh = 125, kOverloadLow = 115;
inline constexpr double kOverloadHighCeiling = 140, kOverloadLowCeiling = 130;
inline constexpr double kServiceFactorHigh = 1.15;  // and up: the higher overload percentages
inline constexpr double kTemperatureRiseLow = 40;   // °C, and below: likewise
inline constexpr double kInverseTimeNoStartLow = 400, kInverseTimeNoStartHigh = 300;
inline constexpr double kInverseTimeNoStartSplit = 100;  // A of full-load current
inline constexpr double kInstantaneousNoStart = 1300, kInstantaneousNoStartEfficient = 1700;
inline constexpr double kFeederLargestPercent = 125;  // 430.24(1)

// The clauses the rules and their trail cite. The 2023 text may have made 430.52(C)(1)'s two
// exceptions list items (a) and (b) (a 2024 article on the 2023 code cites the next size up as
// 430.52(C)(1)(a)); until that is read from the 2023 text both forms are cited.
inline constexpr Citation kRuleTableCurrent = {kEdition, "430.6(A)(1)"};
inline constexpr Citation kRuleConductor = {kEdition, "430.22(A)"};
inline constexpr Citation kRuleDutyConductor = {kEdition, "430.22(E)"};
inline constexpr Citation kRuleOverload = {kEdition, "430.32(A)(1)"};
inline constexpr Citation kRuleOverloadCeiling = {kEdition, "430.32(C)"};
inline constexpr Citation kRuleNextSizeUp = {kEdition, "430.52(C)(1) Exception No. 1 [(C)(1)(a)]"};
inline constexpr Citation kRuleWillNotStart = {kEdition,
                                               "430.52(C)(1) Exception No. 2 [(C)(1)(b)]"};
inline constexpr Citation kRuleInstantaneousNoStart = {kEdition, "430.52(C)(3) Exception No. 1"};
inline constexpr Citation kRuleSmallConductors = {kEdition, "240.4(G)"};
// Design B, C and D motors may have 75 °C conductors used at their 75 °C ampacity in circuits
// of 100 A or less (the text as an engineerboards.com thread, 36163, quotes it; an ecmweb.com
// forum answer on motor terminal temperatures). Whether the breaker's end may then be rated
// 60 °C is disputed, so the 75 °C column is taken only when the terminations are confirmed.
inline constexpr Citation kRuleMotorTerminals = {kEdition, "110.14(C)(1)(a)(4)"};
inline constexpr Citation kRuleLockedRotor = {kEdition, "430.7(B)"};
inline constexpr Citation kRuleFeederConductor = {kEdition, "430.24"};
inline constexpr Citation kRuleFeederDevice = {kEdition, "430.62(A)"};
inline constexpr Citation kRuleHvacDevice = {kEdition, "440.22"};
inline constexpr Citation kRuleHvacConductor = {kEdition, "Article 440"};

}  // namespace ferrovolt::motors
