// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill/fill_case.h"

#include <array>
#include <vector>

#include "check/common_fields.h"
#include "check/field_reading.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_check.h"
#include "fill/fill_sheet.h"

namespace ferrovolt {

namespace {

namespace c9 = chapter9;

constexpr std::string_view kFillHelp =
    "Conductor areas from NEC 2023 Chapter 9 Table 5 (insulated conductors and fixture\n"
    "wires), Table 5A (compact aluminium, TYPE-compact) and Table 8 (bare, bare-solid); a\n"
    "cable counts as one conductor of its outside (major) diameter. Raceways from Table 4;\n"
    "one conductor may fill 53 %, two 31 %, more 40 %, a nipple 60 % (Note 4). Conductors\n"
    "all of one size and type are counted as Annex C counts them (Note 7).\n"
    "Lists: ferrovolt-calc list raceways, trade-sizes, fill-conductors.\n"
    "Exit status: 0 answered (whether or not they fit); 1 an input was refused (one line on\n"
    "standard error naming the option and the reason, or {\"refused\":FIELD,\"reason\":TEXT}\n"
    "with --json); 2 bad command-line input; 3 the output could not be written.";

enum Field : std::size_t { kRaceway, kSize, kNipple, kWire, kCable, kMetric };

// The accepted texts of the raceway and the trade size, from the tables: a shell's completion
// offers them, and a text not among them is refused by the fill itself, naming the option.
std::string racewayTexts() {
    std::string texts;
    for (const c9::RacewayType& raceway : c9::kRaceways) (texts += raceway.key) += '|';
    return texts + "hdpe";
}

std::string tradeSizeTexts() {
    std::string texts;
    for (const c9::TradeSize& size : c9::kTradeSizes) (texts += size.trade) += '|';
    texts.pop_back();
    return texts;
}

// The entries `list` shows: the raceway types (HDPE is read as PVC Schedule 40, and listed
// beside it), the trade sizes with their metric designators, the conductor types.
std::span<const ChoiceText> racewayEntries() {
    static const std::vector<ChoiceText> entries = [] {
        std::vector<ChoiceText> all;
        for (const c9::RacewayType& raceway : c9::kRaceways) {
            all.push_back({raceway.key, raceway.key});
            if (raceway.key == "pvc-40") all.push_back({"hdpe", "hdpe"});
        }
        return all;
    }();
    return entries;
}

std::span<const ChoiceText> tradeSizeEntries() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const c9::TradeSize& size : c9::kTradeSizes)
            all.push_back(std::string(size.trade) + " " + std::to_string(size.metric));
        return all;
    }();
    static const std::vector<ChoiceText> entries = [] {
        std::vector<ChoiceText> all;
        for (std::size_t i = 0; i < c9::kTradeSizes.size(); ++i)
            all.push_back({c9::kTradeSizes[i].trade, texts[i]});
        return all;
    }();
    return entries;
}

std::span<const ChoiceText> conductorTypeEntries() {
    static const std::vector<ChoiceText> entries = [] {
        std::vector<ChoiceText> all;
        for (const c9::ConductorType& type : c9::kConductorTypes)
            all.push_back({type.text, type.text});
        return all;
    }();
    return entries;
}

std::span<const CheckField> declaredFields() {
    static const std::string raceways = racewayTexts();
    static const std::string tradeSizes = tradeSizeTexts();
    static const std::array<CheckField, 6> all = {{
        {.key = keys::kRaceway,
         .option = "--raceway",
         .kind = InputKind::Text,
         .choices = raceways,
         .help =
             "Raceway type: emt, ent, fmc, imc, lfnc-a, lfnc-b, lfmc, rmc, pvc-80, pvc-40 (hdpe), "
             "pvc-a, pvc-eb",
         .required = true,
         .shown = racewayEntries(),
         .list = "raceways"},
        {.key = "size",
         .option = "--size",
         .kind = InputKind::Text,
         .choices = tradeSizes,
         .help =
             "Trade size to check (1/2, 3/4, 1, 1-1/4 ... 6) or metric designator (16 ... 155); "
             "default: the smallest that holds them",
         .shown = tradeSizeEntries(),
         .list = "trade-sizes"},
        {.key = "nipple",
         .option = "--nipple",
         .kind = InputKind::Flag,
         .help = "A nipple of 24 in (600 mm) or less: 60 % fill"},
        // An input of rows: one text per row, refused by its row.
        {.key = keys::kWire,
         .option = "--wire",
         .kind = InputKind::Text,
         .help = "COUNTxSIZE:TYPE, as 3x12:THHN, 1x8:bare; once for each size and type",
         .shown = conductorTypeEntries(),
         .rows = true,
         .list = "fill-conductors"},
        {.key = "cable",
         .option = "--cable",
         .kind = InputKind::Text,
         .help = "COUNTxDIAMETER of a multiconductor cable, outside (major) diameter in inches, "
                 "as 2x0.52",
         .rows = true},
        {.key = "metric",
         .option = "--metric",
         .kind = InputKind::Flag,
         .help = "Cable diameters in millimetres"},
    }};
    return all;
}

// The conductors as the answer lists them, one per row given.
constexpr std::array<CheckColumn, 4> kConductorColumns = {{
    {.key = "row"},
    {.key = "count"},
    {.key = "diameter_in", .decimals = 4, .rounded = true},
    {.key = "area_in2", .decimals = 4, .rounded = true},
}};

enum Row : std::size_t {
    kRacewayName,
    kTradeSize,
    kMetricDesignator,
    kConductors,
    kCount,
    kTotalArea,
    kRacewayArea,
    kAllowedArea,
    kAllowedPercent,
    kFillPercent,
    kFits,
    kSizeGiven,
    kMaxSame,
    kByNote7,
    kRule,
    kVerdict,
    kWarnings,
};

// The answer's rows in the order the JSON answer writes them; the areas in in², rounded as
// the sheet shows them but for the raceway's, which is Table 4's own figure. The sheet's
// captioned rows are kFillRows (fill/fill_sheet.h).
constexpr std::array<CheckRow, 17> kDeclaredRows = {{
    {.key = "raceway"},
    {.key = "trade_size"},
    {.key = "metric_designator"},
    {.key = "conductors", .shape = RowShape::Table, .columns = kConductorColumns},
    {.key = "count"},
    {.key = "total_area_in2", .decimals = 4, .rounded = true},
    {.key = "raceway_area_in2", .decimals = 4},
    {.key = "allowed_area_in2", .decimals = 4, .rounded = true},
    {.key = "allowed_percent", .rounded = true},
    {.key = "fill_percent", .decimals = 3, .rounded = true},
    {.key = "fits"},
    {.key = "size_given"},
    {.key = "max_same"},
    {.key = "by_note_7"},
    {.key = "rule"},
    {.key = "verdict"},
    {.key = "warnings", .shape = RowShape::Texts},
}};

CheckRefusal refusalOf(FillRefusal refusal) {
    return {refusal.field, std::move(refusal.reason), refusal.row, refusal.cell};
}

class FillCase final : public CheckCase {
public:
    explicit FillCase(const Check& check) : m_check(check) {}

    const Check& of() const override { return m_check; }

    void reset() override {
        m_in = FillInputs{};
        m_raceway.clear();
        m_size.clear();
        m_metric = false;
        m_wires.clear();
        m_cables.clear();
    }

    std::optional<std::string> set(std::size_t field, std::string_view text) override {
        switch (field) {
            case kRaceway:
                m_raceway = text;
                return std::nullopt;
            case kSize:
                m_size = text;
                return std::nullopt;
            case kNipple:
                return fields::setFlag<&FillInputs::nipple>(m_in, text);
            case kWire:
                m_wires.emplace_back(text);
                return std::nullopt;
            case kCable:
                m_cables.emplace_back(text);
                return std::nullopt;
            case kMetric:
                return fields::setFlag<&FillCase::m_metric>(*this, text);
            default:
                return "is not an input of the fill";
        }
    }

    // The texts are read once every input is set (a cable's diameter is in the unit --metric
    // gives, wherever it comes among them), and refused in the order of the fields.
    std::optional<CheckRefusal> check() override {
        const std::optional<int> type = fillRacewayOf(m_raceway);
        if (!type)
            return CheckRefusal{"raceway",
                                fields::quoted(m_raceway) +
                                    " is not a raceway type (ferrovolt-calc list raceways)"};
        m_in.raceway = *type;
        m_in.tradeSize.reset();
        if (!m_size.empty()) {
            m_in.tradeSize = fillTradeSizeOf(m_size);
            if (!m_in.tradeSize)
                return CheckRefusal{"size", fields::quoted(m_size) +
                                                " is not a trade size or metric designator "
                                                "(ferrovolt-calc list trade-sizes)"};
        }
        m_in.rows.clear();
        m_in.rows.reserve(m_wires.size() + m_cables.size());
        int at = 0;
        const auto add =
            [&](std::variant<FillRow, FillRefusal> row) -> std::optional<CheckRefusal> {
            if (auto* refusal = std::get_if<FillRefusal>(&row)) {
                refusal->row = at;
                return refusalOf(std::move(*refusal));
            }
            m_in.rows.push_back(std::get<FillRow>(row));
            ++at;
            return std::nullopt;
        };
        for (const std::string& wire : m_wires)
            if (std::optional<CheckRefusal> refusal = add(fillWireText(wire))) return refusal;
        for (const std::string& cable : m_cables)
            if (std::optional<CheckRefusal> refusal = add(fillCableText(cable, m_metric)))
                return refusal;
        FillResult result = checkFill(m_in);
        if (auto* refusal = std::get_if<FillRefusal>(&result))
            return refusalOf(std::move(*refusal));
        m_answer = std::get<FillAnswer>(std::move(result));
        m_rowTexts.clear();
        for (const FillRow& given : m_answer.inputs.rows) m_rowTexts.push_back(fillRowText(given));
        m_rule = fillRuleText(m_answer);
        m_verdict = fillVerdict(m_answer);
        m_warnings = fillWarnings(m_answer);
        return std::nullopt;
    }

    CheckValue value(std::size_t row) const override {
        const FillAnswer& a = m_answer;
        const c9::TradeSize& trade = c9::kTradeSizes[static_cast<std::size_t>(a.tradeSize)];
        switch (row) {
            case kRacewayName:
                return fillRacewayName(a.raceway);
            case kTradeSize:
                return trade.trade;
            case kMetricDesignator:
                return static_cast<double>(trade.metric);
            case kCount:
                return static_cast<double>(a.count);
            case kTotalArea:
                return a.totalArea;
            case kRacewayArea:
                return a.racewayArea;
            case kAllowedArea:
                return a.allowedArea;
            case kAllowedPercent:
                return 100 * a.percent;
            case kFillPercent:
                return a.fillPercent;
            case kFits:
                return a.fits;
            case kSizeGiven:
                return a.sizeGiven;
            case kMaxSame:
                return a.maxSame ? CheckValue(static_cast<double>(*a.maxSame)) : CheckValue{};
            case kByNote7:
                return a.byNote7;
            case kRule:
                return std::string_view(m_rule);
            case kVerdict:
                return std::string_view(m_verdict);
            default:
                return {};
        }
    }

    std::size_t itemCount(std::size_t row) const override {
        if (row == kConductors) return m_answer.items.size();
        if (row == kWarnings) return m_warnings.size();
        return 0;
    }

    CheckValue item(std::size_t row, std::size_t index, std::size_t column) const override {
        if (row == kWarnings) return std::string_view(m_warnings[index]);
        if (row != kConductors) return {};
        switch (column) {
            case 0:
                return std::string_view(m_rowTexts[index]);
            case 1:
                return static_cast<double>(m_answer.inputs.rows[index].count);
            case 2:
                return m_answer.items[index].diameter;
            case 3:
                return m_answer.items[index].area;
            default:
                return {};
        }
    }

    std::optional<bool> verdict() const override { return m_answer.fits; }

    void writeTrail(const TrailStepWriter& step) const override {
        for (const TrailStep& each : fillTrail(m_answer)) step(each.step, each.value, each.source);
    }

    std::string sheet() const override { return fillSheet(m_answer); }

    const FillAnswer& answer() const { return m_answer; }

private:
    const Check& m_check;
    FillInputs m_in;
    std::string m_raceway;
    std::string m_size;
    bool m_metric = false;
    std::vector<std::string> m_wires;
    std::vector<std::string> m_cables;
    FillAnswer m_answer;
    std::vector<std::string> m_rowTexts;
    std::string m_rule;
    std::string m_verdict;
    std::vector<std::string> m_warnings;
};

class FillCheck final : public Check {
public:
    std::string_view key() const override { return "fill"; }
    std::string_view name() const override { return "NEC 2023 Chapter 9"; }
    std::string_view help() const override { return kFillHelp; }
    std::span<const CheckField> fields() const override { return declaredFields(); }
    std::span<const CheckRow> rows() const override { return kDeclaredRows; }
    std::unique_ptr<CheckCase> newCheckCase() const override {
        return std::make_unique<FillCase>(*this);
    }
};

}  // namespace

FillInputs fillInputsHandedOn(const HandOn& handOn) {
    FillInputs in;
    if (const std::vector<std::string>* raceway = handedTexts(handOn, keys::kRaceway))
        if (!raceway->empty()) in.raceway = fillRacewayOf(raceway->front()).value_or(0);
    if (const std::vector<std::string>* wires = handedTexts(handOn, keys::kWire))
        for (const std::string& wire : *wires) {
            auto row = fillWireText(wire);
            if (auto* read = std::get_if<FillRow>(&row)) in.rows.push_back(*read);
        }
    return in;
}

const FillAnswer* fillAnswer(const CheckCase& checked) {
    const auto* fill = dynamic_cast<const FillCase*>(&checked);
    return fill != nullptr ? &fill->answer() : nullptr;
}

const Check& fillCheck() {
    static const FillCheck check;
    return check;
}

}  // namespace ferrovolt
