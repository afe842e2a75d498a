// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conduit and tubing fill by NEC Chapter 9: the smallest trade size of a raceway type that
// holds a set of conductors and cables of any sizes and types (or whether a given size holds
// them), the percentage of Table 1 that applies and why, and the whole calculation.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "code_base/trail_step.h"
#include "numtext/rounded_number.h"

namespace ferrovolt {

enum class FillItemKind { Wire, Cable };

// One line of the fill: `count` conductors of one size and type, or `count` cables of one
// outside (major) diameter.
struct FillRow {
    FillItemKind kind = FillItemKind::Wire;
    int count = 1;
    int type = 0;         // index into chapter9::kConductorTypes
    int size = 0;         // index into chapter9::kSizes
    double diameter = 0;  // in, a cable's
    bool metric = false;  // the cable's diameter was given in millimetres (for the trail)
};

struct FillInputs {
    int raceway = 0;               // index into chapter9::kRaceways
    std::optional<int> tradeSize;  // index into chapter9::kTradeSizes: check this size
    bool nipple = false;           // 24 in or less between enclosures (Note 4)
    std::vector<FillRow> rows;
};

// The most conductors and cables one fill takes.
inline constexpr int kMaxFillConductors = 10000;

// The rule of Table 1 that set the allowed percentage.
enum class FillRule { OneConductor, TwoConductors, OverTwo, Nipple };

// Whether the conductors can be laid in the raceway's bore, which the percentages of Table 1
// do not ensure for a few large conductors (two 4 AWG THHN take 54 % of a 1/2 in EMT nipple's
// area, within its 60 %, but are 0.648 in wide side by side in a 0.622 in bore).
enum class FillBore {
    Fits,
    TooNarrow,  // the two largest side by side are wider than the inside diameter
    NoRoom,     // the cross-section finds no place for every one of them
};

// A row as the fill counts it: its table's dimension and the area of all its items.
struct FillItem {
    double diameter = 0;  // in, each
    double area = 0;      // in², each
};

struct FillAnswer {
    int raceway = 0;
    int tradeSize = 0;  // index into kTradeSizes: the answer, the size given, or the largest
    bool sizeGiven = false;
    bool fits = false;
    int count = 0;           // conductors and cables, as Table 1 counts them
    double totalArea = 0;    // in², of every conductor and cable
    double racewayArea = 0;  // in², Table 4 total (100 %)
    double percent = 0;      // 0.40 ...
    double allowedArea = 0;  // in², racewayArea × percent
    double fillPercent = 0;  // 100 × totalArea ÷ racewayArea
    FillRule rule = FillRule::OverTwo;
    // All of one size and type: the Annex C count by Note 7, in this trade size.
    std::optional<int> maxSame;
    // A same-size fill whose areas exceed the allowed area but whose count Note 7 allows.
    bool byNote7 = false;
    std::optional<double> jamRatio;  // inside diameter ÷ conductor diameter, when it may jam
    // Where Table 1 (or Note 7) allows the fill in this trade size but the conductors cannot
    // be laid in its bore: the rule that fails. Fits wherever the areas decide.
    FillBore bore = FillBore::Fits;
    std::vector<FillItem> items;  // one per input row
    FillInputs inputs;
};

// An input the fill cannot answer for: the field ("raceway", "size", "wire", "cable",
// "conductors"), the row (0-based, among the rows) and the cell of the row at fault
// ("count", "size", "type", "diameter"; "" for the whole row).
struct FillRefusal {
    std::string_view field;
    std::string reason;
    int row = -1;
    std::string_view cell = {};
};

using FillResult = std::variant<FillAnswer, FillRefusal>;

// The fill of the inputs, whose rows name table entries by index (as the parse functions
// below give them).
FillResult checkFill(const FillInputs& inputs);

// The texts of the command line, batch and window, read into inputs or refused by field.
std::optional<int> fillRacewayOf(std::string_view text);    // "emt", "PVC-40", "hdpe"
std::optional<int> fillTradeSizeOf(std::string_view text);  // "1-1/4", "35"
// The trade size of a text where the raceway type has it: Table 4 makes some types in fewer
// sizes (EMT from 1/2 to 4).
std::optional<int> fillTradeSizeIn(int raceway, std::string_view text);
std::optional<int> fillConductorTypeOf(std::string_view text);  // "THWN-2", "rhh*"
std::optional<int> fillSizeOf(std::string_view text);           // "12", "1/0", "350 kcmil"
// A row's cells: the count, the size and the type of a wire, or the diameter of a cable.
std::variant<FillRow, FillRefusal> fillWireOf(std::string_view count, std::string_view size,
                                              std::string_view type);
std::variant<FillRow, FillRefusal> fillCableOf(std::string_view count, std::string_view diameter,
                                               bool metric);
// "3x12:THHN" and "2x0.5" as the command line and batch give them.
std::variant<FillRow, FillRefusal> fillWireText(std::string_view text);
std::variant<FillRow, FillRefusal> fillCableText(std::string_view text, bool metric);
// The trade size text, "1/2" or "1/2 (16)" with the metric designator.
std::string fillTradeText(int tradeSize, bool metric = true);
// The raceway's display name, "PVC Schedule 40 and HDPE".
std::string_view fillRacewayName(int raceway);
// "3 × 12 AWG THHN", "1 cable of 0.5 in".
std::string fillRowText(const FillRow& row);
// "40 %" and why: "over two conductors", "one conductor", "a nipple (Note 4)".
std::string fillRuleText(const FillAnswer& answer);
// The one-line verdict: "1-1/4 (35) EMT holds them: 0.4027 in² of 0.5984 in² allowed".
std::string fillVerdict(const FillAnswer& answer);
// The warnings of an answer (the jam of three conductors), one text each.
std::vector<std::string> fillWarnings(const FillAnswer& answer);

std::vector<TrailStep> fillTrail(const FillAnswer& answer);

}  // namespace ferrovolt
