// SPDX-License-Identifier: GPL-3.0-or-later
// A check that does not size anything, driven through the command line, batch and the JSON
// answer from its fields and rows alone: a shelf of a given span and the loads put on it,
// given one per row.

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <deque>
#include <sstream>
#include <vector>

#include "check/field_reading.h"
#include "cli/check_json.h"
#include "cli/field_options.h"

namespace ferrovolt {
namespace {

constexpr std::array<CheckField, 3> kShelfFields = {{
    {.key = "span",
     .option = "--span",
     .kind = InputKind::Number,
     .help = "Span in metres",
     .required = true},
    {.key = "load",
     .option = "--load",
     .kind = InputKind::Text,
     .help = "A load in kg; once for each",
     .rows = true},
    {.key = "strict", .option = "--strict", .kind = InputKind::Flag, .help = "Half the allowance"},
}};

constexpr std::array<CheckRow, 3> kShelfRows = {{
    {.key = "total_kg", .caption = "Total", .unit = "kg", .decimals = 1, .rounded = true},
    {.key = "loads", .caption = "Loads", .shape = RowShape::Texts},
    {.key = "holds", .caption = "Holds"},
}};

class ShelfCase final : public CheckCase {
public:
    explicit ShelfCase(const Check& check) : m_check(check) {}
    const Check& of() const override { return m_check; }
    void reset() override {
        m_span = 0;
        m_strict = false;
        m_total = 0;
        m_loads.clear();
    }
    std::optional<std::string> set(std::size_t field, std::string_view text) override {
        if (field == 0) return fields::setNumber<&ShelfCase::m_span>(*this, text);
        if (field == 2) return fields::setFlag<&ShelfCase::m_strict>(*this, text);
        const std::optional<double> kg = fields::number(text);
        if (!kg || *kg <= 0) return fields::quoted(text) + " is not a load in kg";
        m_loads.emplace_back(text);
        m_total += *kg;
        return std::nullopt;
    }
    std::optional<CheckRefusal> check() override {
        if (!(m_span > 0)) return CheckRefusal{"span", "must be more than 0"};
        return std::nullopt;
    }
    // 10 kg a metre, 5 when strict.
    CheckValue value(std::size_t row) const override {
        if (row == 0) return m_total;
        if (row == 2) return m_total <= (m_strict ? 5 : 10) * m_span;
        return {};
    }
    std::size_t itemCount(std::size_t row) const override { return row == 1 ? m_loads.size() : 0; }
    CheckValue item(std::size_t, std::size_t index, std::size_t) const override {
        return std::string_view(m_loads[index]);
    }
    void writeTrail(const TrailStepWriter& step) const override {
        step("Total", checkRowText(kShelfRows[0], m_total), "sum of the loads");
    }
    std::string sheet() const override { return "Total: " + rowText(0) + "\n"; }

private:
    const Check& m_check;
    double m_span = 0;
    bool m_strict = false;
    double m_total = 0;
    std::vector<std::string> m_loads;
};

class ShelfCheck final : public Check {
public:
    std::string_view key() const override { return "shelf"; }
    std::string_view name() const override { return "Shelf"; }
    std::string_view help() const override { return "A shelf's loads."; }
    std::span<const CheckField> fields() const override { return kShelfFields; }
    std::span<const CheckRow> rows() const override { return kShelfRows; }
    std::unique_ptr<CheckCase> newCheckCase() const override {
        return std::make_unique<ShelfCase>(*this);
    }
};

struct ShelfRun {
    int status;
    std::string out, err;
};

ShelfRun runShelf(std::vector<std::string> args) {
    static const ShelfCheck shelf;
    CLI::App app;
    CLI::App* command = app.add_subcommand("shelf");
    std::deque<GivenOption> given;
    for (const CheckField& field : shelf.fields())
        addFieldOption(*command, field, given.emplace_back());
    bool json = false;
    command->add_flag("--json", json);
    args.insert(args.begin(), "shelf");
    std::reverse(args.begin(), args.end());  // CLI11 takes them last first
    app.parse(args);
    std::ostringstream out, err;
    const int status = runCheck(shelf, given, json, out, err);
    return {status, out.str(), err.str()};
}

std::string batchLine(std::string_view line) {
    static const ShelfCheck shelf;
    FlatRequest request;
    EXPECT_EQ(request.read(line), FlatRequest::Status::Object);
    std::string out;
    appendCheckRequest(out, request, shelf);
    return out;
}

struct ShelfExample {
    const char* name;
    std::vector<std::string> args;
    const char* batch;
    const char* json;   // both answers, or the refusal
    const char* error;  // without --json; "" when answered
};

void PrintTo(const ShelfExample& c, std::ostream* out) {
    *out << c.name;
}

// 2 m hold 20 kg (10 kg a metre): 20 holds and 20.5 does not; strict, 10 kg.
const ShelfExample kShelf[] = {
    {"HoldsAtTheAllowance",
     {"--span", "2", "--load", "12", "--load", "8"},
     R"({"span":2,"load":["12","8"]})",
     R"({"total_kg":20.0,"loads":["12","8"],"holds":true,"trail":[{"step":"Total","value":"20 kg","source":"sum of the loads"}]})",
     ""},
    {"FailsJustAbove",
     {"--span", "2", "--load", "20.5"},
     R"({"span":"2","load":["20.5"]})",
     R"({"total_kg":20.5,"loads":["20.5"],"holds":false,"trail":[{"step":"Total","value":"20.5 kg","source":"sum of the loads"}]})",
     ""},
    {"StrictHalves",
     {"--span", "2", "--load", "10.5", "--strict"},
     R"({"span":2,"load":["10.5"],"strict":true})",
     R"({"total_kg":10.5,"loads":["10.5"],"holds":false,"trail":[{"step":"Total","value":"10.5 kg","source":"sum of the loads"}]})",
     ""},
    {"RowRefusedByItsEntry",
     {"--span", "2", "--load", "3", "--load", "x"},
     R"({"span":2,"load":["3","x"]})",
     R"({"refused":"load","entry":"x","reason":"\"x\" is not a load in kg"})",
     "ferrovolt-calc: --load x: \"x\" is not a load in kg\n"},
    {"FieldRefusedByItsOption",
     {"--span", "0"},
     R"({"span":0})",
     R"({"refused":"span","reason":"must be more than 0"})",
     "ferrovolt-calc: --span: must be more than 0\n"},
};

class ShelfFrontEnds : public ::testing::TestWithParam<ShelfExample> {};

TEST_P(ShelfFrontEnds, AnswerAlikeFromTheFieldsAlone) {
    const ShelfExample& c = GetParam();
    const bool refused = *c.error != '\0';
    std::vector<std::string> json = c.args;
    json.emplace_back("--json");
    const ShelfRun asJson = runShelf(json);
    EXPECT_EQ(asJson.status, refused ? 1 : 0);
    EXPECT_EQ(asJson.out, std::string(c.json) + "\n");
    EXPECT_EQ(batchLine(c.batch), c.json);
    const ShelfRun plain = runShelf(c.args);
    EXPECT_EQ(plain.status, asJson.status);
    EXPECT_EQ(plain.err, c.error);
    EXPECT_EQ(plain.out.empty(), refused) << plain.out;  // the sheet, or nothing
}

INSTANTIATE_TEST_SUITE_P(Shelf, ShelfFrontEnds, ::testing::ValuesIn(kShelf),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ShelfFrontEnds, BatchErrorsAreTheRequests) {
    EXPECT_EQ(batchLine(R"({"load":["3"]})"), R"({"error":"missing field \"span\""})");
    EXPECT_EQ(batchLine(R"({"span":2,"load":"3"})"),
              R"({"error":"field \"load\" must be an array of strings"})");
    EXPECT_EQ(batchLine(R"({"span":2,"strict":1})"),
              R"({"error":"field \"strict\" must be true or false"})");
}

}  // namespace
}  // namespace ferrovolt
