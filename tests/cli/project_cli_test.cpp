// SPDX-License-Identifier: GPL-3.0-or-later
// `project check`: a worked example through the JSON answer, the text tree of a sample
// project, and the exit statuses; `project import`: what a schedule's rows become, and a
// schedule imported then checked.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>
#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace ferrovolt {
namespace {

std::string written(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("ferrovolt-" + std::to_string(getpid()) + "-" + name);
    std::ofstream(path) << text;
    return path.string();
}

// 500 kVA, 480 V, 5.75 %, X/R 5 on an infinite bus; SDB 100 ft of 4/0 Cu in steel; a circuit
// of 60 ft of 10 AWG Cu in steel: by the ohmic sum 10,459 A, 8,362 A and 3,063 A; at the far
// end Z = 83.50 + j34.86 mΩ, X/R 0.4175, κ = 1.02 + 0.98·e^(−3/0.4175) = 1.0207.
const std::string kChain =
    R"({"format":"ferrovolt-project","version":1,"project":{"name":"Chain"},"code":"nec2023",)"
    R"("supply":{"transformer":{"kva":500,"percent_z":5.75,"x_r":5,"secondary_volts":480},"infinite_bus":true},)"
    R"("boards":[{"id":"SDB","fed_from":"supply","cable":{"length":100,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"4/0"},"breaking_capacity_ka":5}],)"
    R"("circuits":[{"id":"C1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}}]})";

TEST(ProjectCheck, AnswersTheWorkedExampleInJson) {
    const CliRun run = runCommand(
        {"project", "check", written("chain.fvproj", kChain), "--json", "--date", "2026-12-09"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["project"], "Chain");
    EXPECT_EQ(json["code"], "nec2023");
    ASSERT_EQ(json["nodes"].size(), 3U);
    const auto& supply = json["nodes"][0];
    const auto& board = json["nodes"][1];
    const auto& circuit = json["nodes"][2];
    EXPECT_EQ(supply["kind"], "supply");
    EXPECT_NEAR(supply["isc_max"].get<double>(), 10459, 1);
    // NEC 110.24(A): the service's available fault current with the date of the calculation.
    EXPECT_NEAR(supply["field_marking"]["available_fault_current"].get<double>(), 10459, 1);
    EXPECT_EQ(supply["field_marking"]["date"], "2026-12-09");
    EXPECT_FALSE(board.contains("field_marking"));
    EXPECT_EQ(board["fed_from"], "supply");
    EXPECT_NEAR(board["isc_max"].get<double>(), 8362, 2);
    // 8.36 kA against a 5 kA rating: the board fails 110.9.
    EXPECT_EQ(board["meets_all"], false);
    EXPECT_EQ(board["fails"], nlohmann::json::array({"breaking_capacity"}));
    EXPECT_EQ(circuit["size"], "10 AWG");
    EXPECT_EQ(circuit["method"], "impedance");
    EXPECT_NEAR(circuit["isc_max"].get<double>(), 3063, 2);
    EXPECT_NEAR(circuit["ip"].get<double>(), 1.0208 * std::sqrt(2.0) * 3063, 10);
    EXPECT_EQ(circuit["check"]["size"], "10 AWG");
    // The feeder carries the circuit's 20 A; its drop and the circuit's add up.
    EXPECT_NEAR(board["design_current"].get<double>(), 20, 1e-9);
    EXPECT_NEAR(circuit["cumulative_drop_percent"].get<double>(),
                board["drop_percent"].get<double>() + circuit["drop_percent"].get<double>(), 1e-3);
}

// SDB's motors, 100 A × 4 = 400 A, on top of its 8,362 A and C1's 3,063 A, as their own term.
TEST(ProjectCheck, GivesTheMotorsTermApart) {
    std::string text = kChain;
    const std::string at = R"("breaking_capacity_ka":5)";
    text.replace(text.find(at), at.size(), at + R"(,"motor_load":{"fla":100})");
    const std::string path = written("motors.fvproj", text);
    const auto json = nlohmann::json::parse(
        runCommand({"project", "check", path, "--json", "--date", "2026-12-09"}).out);
    const auto& board = json["nodes"][1];
    const auto& circuit = json["nodes"][2];
    EXPECT_EQ(json["nodes"][0]["motor_contribution"], 0);
    EXPECT_EQ(board["motor_contribution"], 400);
    EXPECT_NEAR(board["isc_max"].get<double>(), 8362 + 400, 2);
    EXPECT_EQ(circuit["motor_contribution"], 400);
    EXPECT_NEAR(circuit["isc_max"].get<double>(), 3063 + 400, 2);
    const std::string tree = runCommand({"project", "check", path, "--date", "2026-12-09"}).out;
    EXPECT_NE(tree.find("  SDB  4/0 AWG (Minimum by ampacity)  drop 0.06 % (left 4.94 %)  Isc max "
                        "8.76 kA (motors 0.4 kA)  min 6.87 kA  fails\n"),
              std::string::npos)
        << tree;
}

// A motor under IEC 60364 starts over its board's own impedance: per phase Z = c_max U0 / I″k3
// at the board's X/R (1.05 × 230.94 V / 16 130.9 A = 0.015032 Ω, X/R 4.934: R = 0.002986 Ω,
// X = 0.014733 Ω), then 16 mm² over 50 m (R = 0.070313 Ω, X = 0.004 Ω), against the motor's
// 328.372 A at cos φ 0.3 (Z_m = 0.70329 Ω): 1 − |Z_m + Z_c| / |Z_m + Z_c + Z_s| = 1.978 % at
// the board, 1 − |Z_m| / |Z_m + Z_c + Z_s| = 5.716 % at the motor.
TEST(ProjectCheck, AMotorStartsOverItsBoardsImpedance) {
    const std::string project =
        R"({"format":"ferrovolt-project","version":1,"project":{"name":"Motor"},"code":"iec60364",)"
        R"("supply":{"transformer":{"kva":630,"percent_z":6,"percent_r":1.206,"primary_kv":10,)"
        R"("secondary_volts":400},"voltage_factor_class":6,"earthing":"TN-C-S"},)"
        R"("boards":[{"id":"MDB","fed_from":"supply","cable":null}],)"
        R"("circuits":[{"id":"M1","board":"MDB","cable":{"load":"motor","kw":30,)"
        R"("efficiency":0.92,"motor_pf":0.86,"length":50,"phase":"three","volts":400}}]})";
    const CliRun run = runCommand({"project", "check", written("motor.fvproj", project), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& board = json["nodes"][1];
    const auto& motor = json["nodes"][2];
    EXPECT_NEAR(board["isc_max"].get<double>(), 16130.9, 0.1);
    EXPECT_NEAR(board["x_r"].get<double>(), 4.934, 0.001);
    EXPECT_NEAR(motor["design_current"].get<double>(), 54.729, 0.001);
    EXPECT_NEAR(motor["check"]["start_dip_board_percent"].get<double>(), 1.978, 0.001);
    EXPECT_NEAR(motor["check"]["start_dip_percent"].get<double>(), 5.716, 0.001);
}

// One row per cable under the header: the board's feeder fails on its breaking capacity, the
// circuit's answer columns are `schedule`'s (numbers without units).
TEST(ProjectSchedule, WritesEveryCableWithItsPath) {
    const CliRun run = runCommand({"project", "schedule", written("schedule.fvproj", kChain)});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header, board, circuit, more;
    std::getline(lines, header);
    std::getline(lines, board);
    std::getline(lines, circuit);
    EXPECT_FALSE(std::getline(lines, more));
    EXPECT_EQ(header.rfind("id,kind,board,path,cumulative_drop_percent,isc_max,isc_min,"
                           "loop_impedance,answer_size,",
                           0),
              0U);
    EXPECT_TRUE(header.ends_with(",answer_meets_all,answer_fails,answer_refused,answer_reason\r"));
    EXPECT_EQ(board.rfind("SDB,board,supply,supply > SDB,", 0), 0U) << board;
    EXPECT_NE(board.find(",false,breaking_capacity,,\r"), std::string::npos) << board;
    // 3,063 A at the circuit's far end; 20 A required of 10 AWG.
    EXPECT_EQ(circuit.rfind("C1,circuit,SDB,supply > SDB > C1,", 0), 0U) << circuit;
    EXPECT_NE(circuit.find(",3063,"), std::string::npos) << circuit;
    EXPECT_NE(circuit.find(",10 AWG,1,"), std::string::npos) << circuit;
}

struct Status {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::string err;  // a part of standard error
};

class ProjectCheckStatus : public testing::TestWithParam<Status> {};

TEST_P(ProjectCheckStatus, SaysHowItEnded) {
    const Status& c = GetParam();
    const CliRun run = runCommand(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectCheckStatus,
    testing::Values(
        Status{
            "FailingNodesAreAnswers", {"project", "check", written("fail.fvproj", kChain)}, 0, ""},
        Status{"StrictFailsOnThem",
               {"project", "check", written("strict.fvproj", kChain), "--strict"},
               4,
               ""},
        Status{
            "RefusedFileNamesThePath",
            {"project", "check",
             written(
                 "bad.fvproj",
                 R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"volts":-1}})")},
            1,
            "/supply/volts: must be more than 0"},
        Status{"NoFile", {"project", "check"}, 2, "FILE is required"},
        Status{"DateOfTheCalendar",
               {"project", "check", written("leap.fvproj", kChain), "--date", "2028-02-29"},
               0,
               ""},
        Status{"DateNotOfTheCalendar",
               {"project", "check", written("noday.fvproj", kChain), "--date", "2026-02-29"},
               2,
               "--date: \"2026-02-29\" is not a date: YYYY-MM-DD"}),
    [](const auto& param) { return param.param.name; });

// The chain's transformer as options.
const std::vector<std::string> kChainSupply{
    "--supply-transformer-kva", "500", "--supply-transformer-percent-z",       "5.75",
    "--supply-transformer-x-r", "5",   "--supply-transformer-secondary-volts", "480",
    "--supply-infinite-bus"};

const std::string kScheduleHeader =
    "id,board,fed_from,current (A),length,feet,phase,volts,raceway,size\n";

struct Import {
    std::string name;
    std::string rows;  // the schedule, header first
    std::vector<std::string> args;
    int status;
    std::string err;               // the whole of standard error
    std::string boards, circuits;  // the ids the project holds, in order
};

class ProjectImport : public testing::TestWithParam<Import> {};

TEST_P(ProjectImport, TakesOrNamesEveryRow) {
    const Import& c = GetParam();
    std::vector<std::string> args{"project", "import", written(c.name + ".csv", c.rows), "--code",
                                  "nec2023"};
    args.insert(args.end(), kChainSupply.begin(), kChainSupply.end());
    args.insert(args.end(), c.args.begin(), c.args.end());
    if (c.args.size() == 2 && c.args[0] == "--code") args.erase(args.begin() + 3, args.begin() + 5);
    const CliRun run = runCommand(args);
    EXPECT_EQ(run.status, c.status);
    // A refused schedule is named by its path, which is the test's own.
    if (c.status == 1)
        EXPECT_TRUE(run.err.ends_with(c.err)) << run.err;
    else
        EXPECT_EQ(run.err, c.err);
    if (run.status != 0 && run.status != 4) return;
    const auto json = nlohmann::json::parse(run.out);
    std::string boards, circuits;
    for (const auto& b : json["boards"]) boards += b["id"].get<std::string>() + " ";
    for (const auto& b : json["circuits"]) circuits += b["id"].get<std::string>() + " ";
    EXPECT_EQ(boards, c.boards);
    EXPECT_EQ(circuits, c.circuits);
}

const std::string kRefusals = kScheduleHeader +
                              "SDB,,supply,,100,true,three,480,steel,4/0\n"
                              "C1,SDB,,20,60,true,three,480,steel,10\n"
                              "C2,SDB,,abc,60,true,three,480,steel,10\n"
                              "C3,NOPE,,20,60,true,three,480,steel,10\n"
                              "C1,SDB,,20,60,true,three,480,steel,10\n"
                              "X1,,X2,,10,true,three,480,steel,\n"
                              "X2,,X1,,10,true,three,480,steel,\n"
                              "C4,X1,,20,60,true,three,480,steel,10\n"
                              "C5,SDB,,20,,true,three,480,steel,10\n"
                              "C6,SDB,SDB,20,60,true,three,480,steel,10\n"
                              "C7,SDB\n";

const std::string kRefusalsErr =
    "ferrovolt-calc: project import: line 4: C2: current: \"abc\" is not a number\n"
    "ferrovolt-calc: project import: line 5: C3: board: \"NOPE\" is not a board of the "
    "schedule\n"
    "ferrovolt-calc: project import: line 6: C1: id: is given on line 3 too\n"
    "ferrovolt-calc: project import: line 7: X1: fed_from: makes a loop: X1 → X2 → X1\n"
    "ferrovolt-calc: project import: line 8: X2: fed_from: makes a loop: X2 → X1 → X2\n"
    "ferrovolt-calc: project import: line 9: C4: board: \"X1\" is refused (line 7)\n"
    "ferrovolt-calc: project import: line 10: C5: length: is missing\n"
    "ferrovolt-calc: project import: line 11: C6: gives both a board (a circuit) and fed_from (a "
    "board)\n"
    "ferrovolt-calc: project import: line 12: 2 cells where the header has 10\n"
    "ferrovolt-calc: project import: 9 of 11 rows refused, not in the project\n";

// A board's demand factor and breaking capacity by the file's rules, each refusal with its line.
const std::string kBoardHeader =
    "id,board,fed_from,current (A),length,feet,phase,volts,raceway,size,demand_factor,"
    "breaking_capacity (kA)\n";
const std::string kBoardRows = kBoardHeader +
                               "MDB,,supply,,,,,,,,0.8,14\n"
                               "SDB,,MDB,,50,true,three,480,steel,,1.5,\n"
                               "SDC,,MDB,,50,true,three,480,steel,,,lots\n"
                               "C1,MDB,,20,60,true,three,480,steel,10,,10\n"
                               "C2,MDB,,20,60,true,three,480,steel,10,1,\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectImport,
    testing::Values(
        Import{"BoardSettingsRefusedByLine",
               kBoardRows,
               {},
               0,
               "ferrovolt-calc: project import: line 3: SDB: demand_factor: must be more than 0 "
               "and at most 1\n"
               "ferrovolt-calc: project import: line 4: SDC: breaking_capacity_ka: \"lots\" is "
               "not a number\n"
               "ferrovolt-calc: project import: line 5: C1: breaking_capacity_ka: is a board's, "
               "and the row is a circuit\n"
               "ferrovolt-calc: project import: line 6: C2: demand_factor: is a board's, and the "
               "row is a circuit\n"
               "ferrovolt-calc: project import: 4 of 5 rows refused, not in the project\n",
               "MDB ",
               ""},
        Import{"BreakingCapacityInAmperes",
               "id,board,fed_from,current,length,volts,breaking_capacity (A)\n",
               {},
               1,
               ": column 7 \"breaking_capacity (A)\": \"breaking_capacity\" is read in kA\n",
               "",
               ""},
        // A board at the terminals has no cable cells; a board may come after what it feeds.
        Import{"BoardsAndCircuitsInAnyOrder",
               kScheduleHeader + "C1,SUB,,20,60,true,three,480,steel,10\n"
                                 "SUB,,MDB,,50,true,three,480,steel,\n"
                                 "MDB,,supply,,,,,,,\n",
               {},
               0,
               "",
               "SUB MDB ",
               "C1 "},
        Import{"RefusedRowsNamedByLine", kRefusals, {}, 0, kRefusalsErr, "SDB ", "C1 "},
        Import{"StrictOnARefusedRow", kRefusals, {"--strict"}, 4, kRefusalsErr, "SDB ", "C1 "},
        Import{"FieldOfTheOtherCode",
               "id,board,fed_from,current,length,volts,earthing\nMDB,,supply,,,,\n"
               "L1,MDB,,16,10,277,TT\n",
               {},
               0,
               "ferrovolt-calc: project import: line 3: L1: earthing: is a field of IEC "
               "60364-5-52:2009, not of NEC 2023\n"
               "ferrovolt-calc: project import: 1 of 2 rows refused, not in the project\n",
               "MDB ",
               ""},
        Import{"NoIdColumn",
               "board,current,length,volts\nMDB,16,10,277\n",
               {},
               1,
               ".csv: the header names no \"id\" column\n",
               "",
               ""},
        Import{"SupplyOptionOutOfRange",
               kScheduleHeader,
               {"--supply-transformer-tolerance", "2"},
               2,
               "ferrovolt-calc: project import: --supply-transformer-tolerance: must be at least "
               "0.5 and at most 1.5\n",
               "",
               ""},
        Import{"NotACode",
               kScheduleHeader,
               {"--code", "nec"},
               2,
               "ferrovolt-calc: project import: --code: \"nec\" is not a code: nec2023 or "
               "iec60364\n",
               "",
               ""}),
    [](const auto& param) { return param.param.name; });

// The chain as a schedule, imported and checked: the fault currents of the file's chain
// (ProjectCheck above: 10,459 A, 8,362 A, 3,063 A), its board without a breaking capacity.
TEST(ProjectImport, ChecksAsTheProjectItWrites) {
    const std::string project = (std::filesystem::temp_directory_path() /
                                 ("ferrovolt-" + std::to_string(getpid()) + "-imported.fvproj"))
                                    .string();
    std::vector<std::string> args{
        "project",
        "import",
        written("chain.csv", kScheduleHeader + "SDB,,supply,,100,true,three,480,steel,4/0\n"
                                               "C1,SDB,,20,60,true,three,480,steel,10\n"),
        "--code",
        "nec2023",
        "-o",
        project};
    args.insert(args.end(), kChainSupply.begin(), kChainSupply.end());
    const CliRun imported = runCommand(args);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "");
    const CliRun checked = runCommand({"project", "check", project, "--date", "2026-12-09"});
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out,
              "Project:  (NEC 2023)\n"
              "supply  drop 0 %  Isc max 10.46 kA  min 10.46 kA  meets all\n"
              "  SDB  4/0 AWG (Minimum by ampacity)  drop 0.06 % (left 4.94 %)  Isc max 8.36 kA  "
              "min 6.87 kA  meets all\n"
              "    C1  10 AWG (Minimum by ampacity)  drop 0.51 %  Isc max 3.06 kA  min 1.65 kA  "
              "meets all\n"
              "\n"
              "Field marking (NEC 110.24(A)): available fault current 10459 A at the service, "
              "calculated 2026-12-09\n"
              "\n"
              "Defaults applied:\n"
              "  transformer %Z tolerance: 1.0, nameplate (default)\n");
}

// The name and a board's settings as the file holds them: 0.8 and 14 kA, a whole number
// written as one.
TEST(ProjectImport, KeepsTheNameAndTheBoardsSettings) {
    std::vector<std::string> args{
        "project", "import",  written("settings.csv", kBoardHeader + "MDB,,supply,,,,,,,,0.8,14\n"),
        "--code",  "nec2023", "--name",
        "Plant 2"};
    args.insert(args.end(), kChainSupply.begin(), kChainSupply.end());
    const CliRun run = runCommand(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"name\": \"Plant 2\","), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"demand_factor\": 0.8,\n      \"breaking_capacity_ka\": 14\n"),
              std::string::npos)
        << run.out;
}

// A batch line with a project answers as `project check --json` under "outputs": the chain's
// 10,459 A at the supply (500 kVA / (√3 · 480 V · 5.75 %)).
TEST(ProjectBatch, AnswersAsCheckJsonUnderOutputs) {
    const CliRun batch = runCommand({"batch"}, R"({"calc":"project","project":)" + kChain + "}\n");
    const CliRun check =
        runCommand({"project", "check", written("batch.fvproj", kChain), "--json"});
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(batch.out, "{\"outputs\":" + check.out.substr(0, check.out.size() - 1) + "}\n");
    const auto json = nlohmann::json::parse(batch.out);
    EXPECT_NEAR(json["outputs"]["nodes"][0]["isc_max"].get<double>(), 10459, 1);
}

struct BatchLine {
    std::string name;
    std::string line;
    std::string answer;
};

class ProjectBatchRefusal : public testing::TestWithParam<BatchLine> {};

TEST_P(ProjectBatchRefusal, AnswersOneLine) {
    const CliRun run = runCommand({"batch"}, GetParam().line + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().answer + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectBatchRefusal,
    testing::Values(
        BatchLine{
            "RefusedByItsPath",
            R"({"calc":"project","project":{"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"volts":-1}}})",
            R"({"refused":"/project/supply/volts","reason":"must be more than 0 and at most 1000"})"},
        BatchLine{"NoProject", R"({"calc":"project"})", R"({"error":"missing field \"project\""})"},
        BatchLine{"ProjectNotAnObject", R"({"calc":"project","project":[]})",
                  R"({"error":"field \"project\" must be an object"})"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace ferrovolt
