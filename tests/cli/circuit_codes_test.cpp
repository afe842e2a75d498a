// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit check's codes behind one interface: a code of the tests' own plugs into the
// sheet and the JSON answer; IEC 60364 through the command line, batch and the schedule.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "check/check_sheet.h"
#include "cli/batch.h"
#include "cli/circuit_json.h"
#include "cli/schedule.h"
#include "cli_run.h"
#include "filled_tables.h"

namespace ferrovolt {
namespace {

// A code that sizes by one rule: the size is the load in tens, rounded up.
constexpr CheckField kFakeFields[] = {
    {.key = "load",
     .option = "--load",
     .kind = InputKind::Number,
     .help = "Load",
     .required = true},
};
constexpr CheckRow kFakeRows[] = {
    {.key = "size", .caption = "Size", .headline = true},
    {.key = "governed_by", .caption = "Governed by"},
    {.key = "by_load", .caption = "Minimum by load", .criterion = true},
    {.key = "margin", .caption = "Margin", .unit = "A", .decimals = 2, .absent = "None."},
};

class FakeCode final : public CircuitCode {
public:
    std::string_view key() const override { return "fake"; }
    std::string_view name() const override { return "Fake 1"; }
    std::string_view help() const override { return "Sizes by the load alone."; }
    std::span<const CheckField> fields() const override { return kFakeFields; }
    std::span<const CheckRow> rows() const override { return kFakeRows; }
    std::unique_ptr<CircuitCase> newCase() const override;
};

const FakeCode kFake;

class FakeCase final : public CircuitCase {
public:
    const CircuitCode& code() const override { return kFake; }
    void reset() override { m_load = 0; }
    std::optional<std::string> set(std::size_t, std::string_view text) override {
        m_load = std::stod(std::string(text));
        return std::nullopt;
    }
    std::optional<CheckRefusal> check() override {
        if (m_load <= 0) return CheckRefusal{"load", "is not above 0"};
        m_label = std::to_string(static_cast<int>((m_load + 9.999) / 10)) + " units";
        return std::nullopt;
    }
    CheckValue value(std::size_t row) const override {
        switch (row) {
            case 0:
            case 2:
                return std::string_view(m_label);
            case 1:
                return std::string_view("load");
            default:
                return m_load > 50 ? CheckValue{} : CheckValue{50 - m_load};
        }
    }
    std::string_view sizeLabel() const override { return m_label; }
    std::size_t governingRow() const override { return 2; }
    bool sizeGiven() const override { return false; }
    std::vector<CriterionText> fails() const override { return {}; }
    void writeTrail(const TrailStepWriter& step) const override {
        step("Load", std::to_string(static_cast<int>(m_load)) + " A", "input");
        step("Answer", m_label, "Fake 1 rule 1");
    }

private:
    double m_load = 0;
    std::string m_label;
};

std::unique_ptr<CircuitCase> FakeCode::newCase() const {
    return std::make_unique<FakeCase>();
}

TEST(CircuitCodes, ACodeOfItsOwnPlugsIntoTheSheetAndTheJsonAnswer) {
    struct Case {
        std::string_view load;
        std::string sheetRows;
        std::string json;
    };
    const Case cases[] = {
        {"42",
         "Size                            : 5 units\n"
         "Governed by                     : load\n"
         "Minimum by load                 : 5 units\n"
         "Margin                          : 8 A\n",
         R"({"size":"5 units","governed_by":"load","by_load":"5 units","margin":8.0,)"
         R"("trail":[{"step":"Load","value":"42 A","source":"input"},)"
         R"({"step":"Answer","value":"5 units","source":"Fake 1 rule 1"}]})"},
        {"61",
         "Size                            : 7 units\n"
         "Governed by                     : load\n"
         "Minimum by load                 : 7 units\n"
         "Margin                          : None.\n",
         R"({"size":"7 units","governed_by":"load","by_load":"7 units","margin":null,)"
         R"("trail":[{"step":"Load","value":"61 A","source":"input"},)"
         R"({"step":"Answer","value":"7 units","source":"Fake 1 rule 1"}]})"},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<CircuitCase> checked = kFake.newCase();
        ASSERT_FALSE(checked->set(*kFake.fieldIndex("load"), c.load));
        ASSERT_FALSE(checked->check());
        const std::string sheet = checkSheet(*checked);
        EXPECT_TRUE(sheet.starts_with("Circuit check, Fake 1\n\n  Load: " + std::string(c.load) +
                                      " A\n  Answer: "))
            << sheet;
        EXPECT_NE(sheet.find("      Fake 1 rule 1\n\n" + c.sheetRows + "\n"), std::string::npos)
            << sheet;
        std::string json;
        appendCheckAnswer(json, *checked);
        EXPECT_EQ(json, c.json);
    }
}

nlohmann::json answerOf(std::vector<std::string> args) {
    args.insert(args.begin(), {"circuit", "--code", "iec60364"});
    args.emplace_back("--json");
    const CliRun run = runCommand(args);
    EXPECT_EQ(run.status, 0) << run.err << run.out;
    return nlohmann::json::parse(run.out);
}

// The reference's worked examples, end to end through the command line.
TEST(CircuitCodes, IecWorkedExamplesThroughTheCommandLine) {
    struct Case {
        std::string_view name;
        std::vector<std::string> args;
        std::string size, governedBy, cpc;
    };
    const Case cases[] = {
        // W3: 150 kW at cos φ 0.85, 400 V, single cores touching in free air: 95 mm².
        {"W3",
         {"--current", "255", "--length", "20", "--volts", "400", "--phase", "three", "--method",
          "F", "--layout", "trefoil", "--device", "none", "--pf", "0.85"},
         "95 mm²",
         "ampacity",
         "50 mm²"},
        // W10: DC 12 V, 10 A over 5 m within 3 %: 6.25 mm² by the drop, so 10 mm².
        {"W10",
         {"--current", "10", "--length", "5", "--volts", "12", "--phase", "dc", "--max-drop", "3"},
         "10 mm²",
         "voltage_drop",
         "10 mm²"},
        // W11: 3000 A for 0.1 s with k = 115: S ≥ 8.25 mm², so 10 mm².
        {"W11",
         {"--current", "10", "--length", "5", "--volts", "230", "--fault-current", "3000",
          "--clearing-time", "0.1", "--k", "115"},
         "10 mm²",
         "short_circuit",
         "10 mm²"},
        // A 60 m final circuit on a B32 with Ze 0.8 Ω: 4 mm² carries it, 6 mm² disconnects.
        {"loop",
         {"--current", "32", "--length", "60", "--volts", "230", "--max-drop", "10", "--earthing",
          "TN-S", "--ze", "0.8", "--curve", "B"},
         "6 mm²",
         "fault_loop",
         "6 mm²"},
    };
    for (const Case& c : cases) {
        const nlohmann::json json = answerOf(c.args);
        EXPECT_EQ(json["size"], c.size) << c.name;
        EXPECT_EQ(json["governed_by"], c.governedBy) << c.name;
        EXPECT_EQ(json["cpc"], c.cpc) << c.name;
        EXPECT_EQ(json["code"], "IEC 60364-5-52:2009") << c.name;
    }
    const nlohmann::json loop = answerOf(cases[3].args);
    EXPECT_EQ(loop["zs_max"].get<double>(), 230 / (5 * 32.0));  // U0 / I_a, I_a = 5 I_n
    EXPECT_LT(loop["zs"].get<double>(), loop["zs_max"].get<double>());
    EXPECT_EQ(loop["disconnection_time"], 0.4);
    EXPECT_GT(loop["max_length_m"].get<double>(), 60);
}

TEST(CircuitCodes, NoSizeThatDisconnectsFailsTheLoopAndMeetsAllIsFalse) {
    const nlohmann::json json = answerOf({"--current", "32", "--length", "30", "--volts", "230",
                                          "--earthing", "TN-S", "--ze", "1.5", "--curve", "B"});
    EXPECT_EQ(json["meets_all"], false);
    EXPECT_EQ(json["fails"], nlohmann::json::array({"fault_loop"}));
    EXPECT_EQ(json["disconnects"], "no");
    // Ze 1.5 Ω alone is above Zs_max = 230 / 160 = 1.4375 Ω: no run at all, said with why.
    EXPECT_TRUE(json["max_length_m"].is_null());
    const CliRun sheet =
        runCommand({"circuit", "--code", "iec60364", "--current", "32", "--length", "30", "--volts",
                    "230", "--earthing", "TN-S", "--ze", "1.5", "--curve", "B"});
    EXPECT_NE(sheet.out.find("Longest run that disconnects    : none: Ze = 1.5 Ω alone is not "
                             "below Zs_max = 1.438 Ω\n"),
              std::string::npos)
        << sheet.out;
}

// The earth-fault inputs of the code's fields, from the command line: the separate protective
// conductor's minimum with and without mechanical protection, and U0 of a 400 V single-phase
// load, needed and then taken (Zs_max = 230 / (5 × 10 A) = 4.6 Ω, not 400 / 50 = 8 Ω).
TEST(CircuitCodes, EarthFaultInputsComeFromTheCodesFields) {
    const std::vector<std::string> line = {"--current", "10",  "--length",      "5",
                                           "--volts",   "230", "--cpc-separate"};
    EXPECT_EQ(answerOf(line)["cpc"], "4 mm²");
    std::vector<std::string> guarded = line;
    guarded.emplace_back("--cpc-protected");
    EXPECT_EQ(answerOf(guarded)["cpc"], "2.5 mm²");

    const std::vector<std::string> across = {
        "circuit", "--code",     "iec60364", "--current", "10", "--length", "20", "--volts",
        "400",     "--earthing", "TN-S",     "--ze",      "1",  "--curve",  "B"};
    const CliRun refused = runCommand(across);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(
        refused.err.starts_with("ferrovolt-calc: --u0: is needed for a single-phase "
                                "circuit of 400 V"))
        << refused.err;
    std::vector<std::string> given(across.begin() + 3, across.end());
    given.insert(given.end(), {"--u0", "230"});
    EXPECT_EQ(answerOf(given)["zs_max"].get<double>(), 4.6);
}

TEST(CircuitCodes, RefusalsNameTheOptionAndTheCode) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<std::string> circuit = {"circuit", "--current", "32", "--length",
                                              "30",      "--volts",   "230"};
    const Case cases[] = {
        {{"--code", "iec60364", "--raceway", "pvc"},
         "ferrovolt-calc: --raceway: is an input of NEC 2023, not of IEC 60364-5-52:2009\n"},
        {{"--method", "C"},
         "ferrovolt-calc: --method: is an input of IEC 60364-5-52:2009, not of NEC 2023\n"},
        {{"--code", "iec60364", "--device", "gg", "--curve", "B"},
         "ferrovolt-calc: --curve: applies to an MCB (IEC 60898-1) only\n"},
        {{"--code", "iec60364", "--insulation", "75"},
         "ferrovolt-calc: --insulation: \"75\" is not one of pvc,xlpe\n"},
        {{"--insulation", "xlpe"},
         "ferrovolt-calc: --insulation: \"xlpe\" is not one of 60,75,90\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = circuit;
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = runCommand(args);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(runCommand({"circuit", "--code", "bs7671", "--current", "1", "--length", "1",
                          "--volts", "230"})
                  .status,
              2);
}

TEST(CircuitCodes, BatchAndScheduleTakeEachCircuitsCode) {
    const CliRun cli = runCommand({"circuit", "--code", "iec60364", "--current", "20", "--length",
                                   "25", "--volts", "230", "--method", "B2", "--json"});
    std::string batch;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","code":"iec60364","current":20,"length":25,"volts":230,)"
                  R"("method":"B2"})",
                  batch);
    EXPECT_EQ(batch + "\n", cli.out);
    std::string refused;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","current":20,"length":25,"volts":230,"method":"B2"})",
                  refused);
    EXPECT_EQ(nlohmann::json::parse(refused)["refused"], "method");

    std::istringstream in(
        "code,current,length,volts,method,raceway\n"
        "nec2023,20,25,240,,pvc\n"
        "iec60364,20,25,230,B2,\n"
        "iec60364,20,25,230,B2,pvc\n"
        "cec,20,25,230,,\n");
    std::ostringstream out, err;
    EXPECT_EQ(runScheduleText(in, out, err), 0);
    std::istringstream lines(out.str());
    std::string header, nec, iec, wrongInput, wrongCode;
    std::getline(lines, header);
    std::getline(lines, nec);
    std::getline(lines, iec);
    std::getline(lines, wrongInput);
    std::getline(lines, wrongCode);
    EXPECT_NE(header.find("answer_egc"), std::string::npos);
    EXPECT_NE(header.find("answer_cpc"), std::string::npos);
    EXPECT_NE(nec.find(",NEC 2023,"), std::string::npos) << nec;
    EXPECT_NE(iec.find(",IEC 60364-5-52:2009,"), std::string::npos) << iec;
    EXPECT_NE(iec.find(",2.5 mm²,"), std::string::npos) << iec;
    EXPECT_NE(wrongInput.find(",raceway,\"is an input of NEC 2023, not of IEC 60364-5-52:2009\""),
              std::string::npos)
        << wrongInput;
    EXPECT_NE(wrongCode.find(",code,\"\"\"cec\"\" is not one of nec2023,iec60364\""),
              std::string::npos)
        << wrongCode;
}

// A motor under IEC 60364 alike through the command line, batch and the schedule, its rows
// where a load is given and nowhere else; its refusals named by option. The 30 kW motor of
// the check's own tests: I_B = 30 000 / (√3 × 400 × 0.92 × 0.86) = 54.729 A, 6 × I_B =
// 328.372 A while starting, 16 mm² behind a 63 A MCB, 6.747 % at the motor, 3.050 % at the board.
TEST(CircuitCodes, IecMotorThroughEveryFrontEnd) {
    const std::vector<std::string> motor = {"--load",
                                            "motor",
                                            "--kw",
                                            "30",
                                            "--efficiency",
                                            "0.92",
                                            "--motor-pf",
                                            "0.86",
                                            "--phase",
                                            "three",
                                            "--volts",
                                            "400",
                                            "--length",
                                            "50",
                                            "--fault-current",
                                            "10000",
                                            "--clearing-time",
                                            "0.01"};
    const nlohmann::json json = answerOf(motor);
    EXPECT_EQ(json["size"], "16 mm²");
    EXPECT_NEAR(json["design_current"].get<double>(), 54.729, 0.001);
    EXPECT_NEAR(json["start_current"].get<double>(), 328.372, 0.001);
    EXPECT_NEAR(json["start_dip_percent"].get<double>(), 6.747, 0.001);
    EXPECT_NEAR(json["start_dip_board_percent"].get<double>(), 3.050, 0.001);
    // Without the source at the origin there is no dip to give: a motor's row, without value.
    std::vector<std::string> sourceless(motor.begin(), motor.end() - 4);
    EXPECT_TRUE(answerOf(sourceless).at("start_dip_percent").is_null());
    const nlohmann::json general =
        answerOf({"--current", "20", "--length", "10", "--volts", "230"});
    for (const char* key : {"design_current", "start_current", "start_dip_percent"})
        EXPECT_FALSE(general.contains(key)) << key;

    std::string batch;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","code":"iec60364","load":"motor","kw":30,)"
                  R"("efficiency":0.92,"motor_pf":0.86,"phase":"three","volts":400,"length":50,)"
                  R"("fault_current":10000,"clearing_time":0.01})",
                  batch);
    EXPECT_EQ(nlohmann::json::parse(batch), json);
    std::string hvac;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","code":"iec60364","load":"hvac","length":10,"volts":230})",
                  hvac);
    EXPECT_EQ(
        nlohmann::json::parse(hvac),
        nlohmann::json::parse(
            R"({"refused":"load","reason":"an air conditioner is sized by )"
            R"(NEC Article 440, which IEC 60364 has no counterpart of: give general or motor"})"));

    std::istringstream in(
        "code,load,kw,efficiency,motor_pf,current,phase,volts,length\n"
        "iec60364,motor,30,0.92,0.86,,three,400,50\n"
        "iec60364,general,,,,20,single,230,10\n");
    std::ostringstream out, err;
    EXPECT_EQ(runScheduleText(in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string header, motorRow, generalRow;
    std::getline(lines, header);
    std::getline(lines, motorRow);
    std::getline(lines, generalRow);
    // The motor's rows of every code in the schedule, NEC 2023's (the first code) among them.
    EXPECT_NE(header.find(",answer_design_current,answer_flc,answer_conductor_current,answer_"
                          "overload,answer_max_device,answer_device_rule,answer_start_current,"),
              std::string::npos)
        << header;
    EXPECT_NE(motorRow.find(",54.729,,,,,,328.372,"), std::string::npos) << motorRow;
    std::istringstream plain("code,current,volts,length\niec60364,20,230,10\n");
    std::ostringstream plainOut;
    EXPECT_EQ(runScheduleText(plain, plainOut, err), 0);
    EXPECT_EQ(plainOut.str().find("answer_design_current"), std::string::npos);

    struct Refusal {
        std::vector<std::string> args;
        std::string err;
    };
    const Refusal refusals[] = {
        {{"--load", "motor", "--kw", "30", "--efficiency", "1.2", "--motor-pf", "0.86"},
         "ferrovolt-calc: --efficiency: must be more than 0 and at most 1\n"},
        {{"--load", "motor", "--fla", "50", "--lra", "40"},
         "ferrovolt-calc: --lra: the locked-rotor current 40 A is below the rated current "
         "50 A\n"},
        {{"--current", "20", "--device", "am", "--device-rating", "25"},
         "ferrovolt-calc: --device: an aM fuse breaks short circuits only, so it protects a "
         "motor's circuit, whose relay takes the overload: give load motor\n"},
    };
    for (const Refusal& r : refusals) {
        std::vector<std::string> args = {"circuit", "--code",  "iec60364", "--length",
                                         "10",      "--volts", "230"};
        args.insert(args.end(), r.args.begin(), r.args.end());
        const CliRun run = runCommand(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, r.err);
    }
}

}  // namespace
}  // namespace ferrovolt
