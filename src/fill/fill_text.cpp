// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a fill: its inputs read from the texts the command line, batch and window
// give, and the answer written as a verdict, warnings and the trail. The check itself writes
// no text.

#include <cctype>
#include <charconv>

#include "fill/chapter9_tables.h"
#include "fill/fill_check.h"
#include "fill/fill_lookup.h"
#include "numtext/number_text.h"
#include "numtext/words.h"
#include "tables/units.h"

namespace ferrovolt {

namespace c9 = chapter9;

namespace {

constexpr std::string_view kInput = "input";

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string number(int n) {
    char digits[16];
    char* const end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return std::string(digits, static_cast<std::size_t>(end - digits));
}

std::string area(double value) {
    return roundedNumberText(value, 4) + " in²";
}

// The count of a row: a whole number from 1 to the most one fill takes.
std::optional<FillRefusal> readCount(std::string_view text, FillRow& row, std::string_view field) {
    text = trimmed(text);
    long long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size())
        return FillRefusal{field, quoted(text) + " is not a whole number of conductors", -1,
                           "count"};
    // A count too long to read is too large, unless it is negative.
    const bool tooLarge =
        error == std::errc::result_out_of_range ? text.front() != '-' : count > kMaxFillConductors;
    if (!tooLarge && count <= 0)
        return FillRefusal{field, "the count must be a whole number of 1 or more", -1, "count"};
    if (tooLarge)
        return FillRefusal{"conductors", "more than 10000 conductors and cables in one raceway", -1,
                           "count"};
    row.count = static_cast<int>(count);
    return std::nullopt;
}

// "3x12:THHN" into its count (1 when none is given) and the rest.
std::string_view splitCount(std::string_view text, std::string_view& count) {
    const auto colon = text.find(':');
    const std::string_view head = text.substr(0, colon);
    const auto x = head.find_first_of("xX*");
    if (x == std::string_view::npos) {
        count = "1";
        return text;
    }
    count = text.substr(0, x);
    return text.substr(x + 1);
}

// The inside diameter of a trade size of a raceway type, in.
double insideDiameter(int raceway, int tradeSize) {
    for (const c9::RacewaySize& size : c9::kRaceways[static_cast<std::size_t>(raceway)].sizes)
        if (size.trade == tradeSize) return size.idIn;
    return 0;
}

std::string inches(double value) {
    return roundedNumberText(value, 4) + " in";
}

// Why the conductors cannot be laid in a bore that Table 1 would allow them.
std::string boreText(const FillAnswer& a, FillBore bore, double id) {
    if (bore == FillBore::TooNarrow)
        return (a.count > 1 ? "the two largest side by side are " : "the conductor is ") +
               inches(fillAcross(a)) + " across, wider than its " + inches(id) + " bore";
    return "they cannot all be laid side by side in its " + inches(id) + " bore";
}

// Why the trade size below the answer does not hold them, where its areas would.
FillBore belowBore(const FillAnswer& a, const c9::RacewaySize& below) {
    return fillAreasFit(a, below.area) ? fillBoreOf(a, below.idIn) : FillBore::Fits;
}

}  // namespace

std::optional<int> fillRacewayOf(std::string_view text) {
    text = trimmed(text);
    if (sameWord(text, "hdpe")) text = "pvc-40";
    for (std::size_t i = 0; i < c9::kRaceways.size(); ++i)
        if (sameWord(text, c9::kRaceways[i].key)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> fillTradeSizeOf(std::string_view text) {
    text = trimmed(text);
    std::string spelled(text);
    // "1 1/4" as "1-1/4".
    if (const auto space = spelled.find(' '); space != std::string::npos) spelled[space] = '-';
    for (std::size_t i = 0; i < c9::kTradeSizes.size(); ++i) {
        if (spelled == c9::kTradeSizes[i].trade) return static_cast<int>(i);
        if (spelled == number(c9::kTradeSizes[i].metric)) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> fillTradeSizeIn(int raceway, std::string_view text) {
    const std::optional<int> tradeSize = fillTradeSizeOf(text);
    if (!tradeSize) return std::nullopt;
    for (const c9::RacewaySize& size : c9::kRaceways[static_cast<std::size_t>(raceway)].sizes)
        if (size.trade == *tradeSize) return tradeSize;
    return std::nullopt;
}

std::optional<int> fillConductorTypeOf(std::string_view text) {
    text = trimmed(text);
    for (std::size_t i = 0; i < c9::kConductorTypes.size(); ++i)
        if (sameWord(text, c9::kConductorTypes[i].text)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> fillSizeOf(std::string_view text) {
    return awgSizeIn(c9::kSizes, text);
}

std::variant<FillRow, FillRefusal> fillWireOf(std::string_view count, std::string_view size,
                                              std::string_view type) {
    FillRow row;
    if (std::optional<FillRefusal> refusal = readCount(count, row, "wire")) return *refusal;
    const std::optional<int> t = fillConductorTypeOf(type);
    if (!t)
        return FillRefusal{"wire",
                           quoted(trimmed(type)) +
                               " is not a conductor type of Chapter 9 Tables 5, 5A or 8 "
                               "(ferrovolt-calc list fill-conductors)",
                           -1, "type"};
    const std::optional<int> s = fillSizeOf(size);
    if (!s)
        return FillRefusal{"wire", quoted(trimmed(size)) + " is not a conductor size", -1, "size"};
    row.type = *t;
    row.size = *s;
    if (fillWireRow(row.type, row.size, nullptr) == nullptr) {
        const c9::ConductorType& ct = c9::kConductorTypes[static_cast<std::size_t>(*t)];
        return FillRefusal{"wire",
                           std::string(ct.text) + " has no size " +
                               std::string(c9::kSizes[static_cast<std::size_t>(*s)].label) +
                               " in " + citationText(ct.family->source),
                           -1, "size"};
    }
    return row;
}

std::variant<FillRow, FillRefusal> fillCableOf(std::string_view count, std::string_view diameter,
                                               bool metric) {
    FillRow row;
    row.kind = FillItemKind::Cable;
    row.metric = metric;
    if (std::optional<FillRefusal> refusal = readCount(count, row, "cable")) return *refusal;
    const std::optional<double> d = readDouble(trimmed(diameter));
    if (!d || !(*d > 0))
        return FillRefusal{"cable",
                           quoted(trimmed(diameter)) + " is not a positive diameter in " +
                               (metric ? "millimetres" : "inches"),
                           -1, "diameter"};
    row.diameter = metric ? *d / kMillimetresPerInch : *d;
    return row;
}

std::variant<FillRow, FillRefusal> fillWireText(std::string_view text) {
    std::string_view count;
    const std::string_view rest = splitCount(trimmed(text), count);
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos)
        return FillRefusal{"wire", quoted(text) + " is not COUNTxSIZE:TYPE, as in 3x12:THHN", -1,
                           ""};
    return fillWireOf(count, rest.substr(0, colon), rest.substr(colon + 1));
}

std::variant<FillRow, FillRefusal> fillCableText(std::string_view text, bool metric) {
    std::string_view count;
    const std::string_view diameter = splitCount(trimmed(text), count);
    return fillCableOf(count, diameter, metric);
}

std::string fillTradeText(int tradeSize, bool metric) {
    const c9::TradeSize& t = c9::kTradeSizes[static_cast<std::size_t>(tradeSize)];
    std::string text(t.trade);
    if (metric) text += " (" + number(t.metric) + ")";
    return text;
}

std::string_view fillRacewayName(int raceway) {
    return c9::kRaceways[static_cast<std::size_t>(raceway)].name;
}

std::string fillRowText(const FillRow& row) {
    if (row.kind == FillItemKind::Cable) {
        std::string text = number(row.count) + (row.count == 1 ? " cable of " : " cables of ");
        if (row.metric)
            return text + roundedNumberText(row.diameter * kMillimetresPerInch, 3) + " mm";
        return text + roundedNumberText(row.diameter, 4) + " in";
    }
    return number(row.count) + " × " +
           std::string(c9::kSizes[static_cast<std::size_t>(row.size)].label) + " " +
           std::string(c9::kConductorTypes[static_cast<std::size_t>(row.type)].text);
}

std::string fillRuleText(const FillAnswer& a) {
    const std::string percent = roundedNumberText(100 * a.percent, 0) + " %";
    switch (a.rule) {
        case FillRule::OneConductor:
            return percent + " (one conductor)";
        case FillRule::TwoConductors:
            return percent + " (two conductors)";
        case FillRule::OverTwo:
            return percent + " (over two conductors)";
        case FillRule::Nipple:
            return percent + " (a nipple of 24 in or less, Note 4)";
    }
    return percent;
}

std::string fillVerdict(const FillAnswer& a) {
    const std::string raceway =
        std::string(fillRacewayName(a.raceway)) + " " + fillTradeText(a.tradeSize);
    if (!a.fits && a.bore != FillBore::Fits) {
        const std::string why = boreText(a, a.bore, insideDiameter(a.raceway, a.tradeSize));
        if (a.sizeGiven) return raceway + " does not hold them: " + why;
        return "No trade size of " + std::string(fillRacewayName(a.raceway)) +
               " holds them; in the largest, " + fillTradeText(a.tradeSize) + ", " + why;
    }
    if (a.fits && a.byNote7)
        return raceway + " holds them by Note 7: " + number(a.count) + " of at most " +
               number(*a.maxSame);
    if (a.fits)
        return raceway + " holds them: " + area(a.totalArea) + " of the " + area(a.allowedArea) +
               " allowed";
    const std::string against =
        a.maxSame ? number(a.count) + " where at most " + number(*a.maxSame) + " are allowed"
                  : area(a.totalArea) + " where " + area(a.allowedArea) + " are allowed";
    if (a.sizeGiven) return raceway + " does not hold them: " + against;
    return "No trade size of " + std::string(fillRacewayName(a.raceway)) +
           " holds them; the largest, " + fillTradeText(a.tradeSize) + ", takes " + against;
}

std::vector<std::string> fillWarnings(const FillAnswer& a) {
    std::vector<std::string> warnings;
    if (a.jamRatio)
        warnings.push_back("three conductors may jam: inside diameter ÷ conductor diameter = " +
                           roundedNumberText(*a.jamRatio, 2) + ", between 2.8 and 3.2");
    return warnings;
}

std::vector<TrailStep> fillTrail(const FillAnswer& a) {
    std::vector<TrailStep> trail;
    const FillInputs& in = a.inputs;
    const c9::RacewayType& raceway = c9::kRaceways[static_cast<std::size_t>(a.raceway)];
    trail.push_back({"Raceway", std::string(raceway.name) + ", " + std::string(raceway.article),
                     std::string(kInput)});
    trail.push_back({"Trade size",
                     a.sizeGiven ? fillTradeText(a.tradeSize) : "the smallest that holds them",
                     std::string(kInput)});
    if (in.nipple)
        trail.push_back(
            {"Nipple", "24 in (600 mm) or less between enclosures", std::string(kInput)});

    for (std::size_t i = 0; i < in.rows.size(); ++i) {
        const FillRow& row = in.rows[i];
        const FillItem& item = a.items[i];
        if (row.kind == FillItemKind::Cable) {
            trail.push_back(
                {fillRowText(row),
                 "π/4 × " + roundedNumberText(row.diameter, 4) + "² = " + area(item.area) +
                     (row.count > 1
                          ? ", × " + number(row.count) + " = " + area(item.area * row.count)
                          : std::string()) +
                     "; each cable counts as one conductor",
                 citationText(c9::kNote9)});
            continue;
        }
        const c9::WireFamily* family = nullptr;
        fillWireRow(row.type, row.size, &family);
        trail.push_back({fillRowText(row),
                         number(row.count) + " × " + area(item.area) + " = " +
                             area(item.area * row.count) + " (" + std::string(family->types) + ")",
                         citationText(family->source)});
    }
    trail.push_back(
        {"Conductor area", area(a.totalArea), citationText(a.maxSame ? c9::kNote7 : c9::kNote6)});
    trail.push_back(
        {"Allowed fill",
         number(a.count) + (a.count == 1 ? " conductor: " : " conductors: ") + fillRuleText(a),
         citationText(a.rule == FillRule::Nipple ? c9::kNote4 : c9::kTable1)});

    const auto sizes = raceway.sizes;
    if (!a.sizeGiven) {
        // The size below the answer, which does not hold them.
        for (std::size_t i = 1; a.fits && i < sizes.size(); ++i) {
            if (sizes[i].trade != a.tradeSize) continue;
            const c9::RacewaySize& below = sizes[i - 1];
            if (const FillBore bore = belowBore(a, below); bore != FillBore::Fits) {
                trail.push_back({std::string(raceway.name) + " " + fillTradeText(below.trade),
                                 "too small: " + boreText(a, bore, below.idIn),
                                 citationText(raceway.cite)});
                continue;
            }
            trail.push_back(
                {std::string(raceway.name) + " " + fillTradeText(below.trade),
                 "too small: " + roundedNumberText(below.area, 3) + " in² × " +
                     roundedNumberText(100 * a.percent, 0) +
                     " % = " + area(a.percent * below.area) +
                     (a.maxSame ? std::string() : " < " + area(a.totalArea)) +
                     (a.maxSame
                          ? ", " +
                                number(fillMaxSame(below.area, a.items.front().area, in.nipple)
                                           .count) +
                                " conductors at most"
                          : std::string()),
                 citationText(raceway.cite)});
        }
    }
    trail.push_back({std::string(raceway.name) + " " + fillTradeText(a.tradeSize),
                     roundedNumberText(a.racewayArea, 3) + " in² × " +
                         roundedNumberText(100 * a.percent, 0) + " % = " + area(a.allowedArea) +
                         " allowed",
                     citationText(raceway.cite)});
    if (a.maxSame) {
        const double areaEach = a.items.front().area;
        const double pct = fillMaxSame(a.racewayArea, areaEach, in.nipple).percent;
        trail.push_back({"Most of one size and type",
                         roundedNumberText(a.racewayArea, 3) + " in² × " +
                             roundedNumberText(100 * pct, 0) + " % ÷ " + area(areaEach) + " = " +
                             roundedNumberText(pct * a.racewayArea / areaEach, 2) + " → " +
                             number(*a.maxSame) + " (a fraction of 0.8 or more counts one more)",
                         citationText(c9::kNote7)});
    } else {
        trail.push_back({"Note 7", "not applied: the conductors are not all of one size and type",
                         citationText(c9::kNote7)});
    }
    if (a.bore != FillBore::Fits)
        trail.push_back({"Bore", boreText(a, a.bore, insideDiameter(a.raceway, a.tradeSize)),
                         citationText(raceway.cite)});
    trail.push_back({"Fill",
                     area(a.totalArea) + " ÷ " + roundedNumberText(a.racewayArea, 3) +
                         " in² = " + roundedNumberText(a.fillPercent, 3) + " %",
                     citationText(c9::kTable1)});
    for (const std::string& warning : fillWarnings(a))
        trail.push_back({"Warning", warning, citationText(c9::kTable1Note2)});
    trail.push_back({"Answer", fillVerdict(a), citationText(a.byNote7 ? c9::kNote7 : c9::kTable1)});
    return trail;
}

}  // namespace ferrovolt
