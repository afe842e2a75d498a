// SPDX-License-Identifier: GPL-3.0-or-later
// `project check`: a worked example through the JSON answer, the text tree of a sample
// project, and the exit statuses.

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
    const CliRun run = runCommand({"project", "check", written("chain.fvproj", kChain), "--json"});
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
        Status{"NoFile", {"project", "check"}, 2, "FILE is required"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace ferrovolt
