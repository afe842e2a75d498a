// SPDX-License-Identifier: GPL-3.0-or-later
// A motor circuit through every front end, which take its inputs from the code's field list:
// the command line, a batch object and a schedule row answer alike; an input of one kind of
// load given under another is refused naming the load; and the lists of the motor's inputs.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/schedule.h"
#include "cli_run.h"
#include "filled_tables.h"

namespace ferrovolt {
namespace {

// W1: 7½ hp at 230 V three phase: 22 A table current, 27.5 A conductor current, 10 AWG at
// 60 °C (30 A), and a 60 A inverse-time breaker (55 A, the next standard rating up).
TEST(MotorCircuit, EveryFrontEndAnswersAlike) {
    const CliRun run = runCommand({"circuit", "--load", "motor", "--hp", "7.5", "--phase", "three",
                                   "--volts", "230", "--length", "10", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto command = nlohmann::json::parse(run.out);

    std::string line;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","load":"motor","hp":7.5,"phase":"three","volts":230,)"
                  R"("length":10,"device_type":"inverse-time"})",
                  line);
    const auto batch = nlohmann::json::parse(line);

    std::istringstream in(
        "load,hp,phase,volts,length,current\nmotor,7.5,three,230,10,\n"
        "general,,single,240,10,20\n");
    std::ostringstream out, err;
    ASSERT_EQ(runScheduleText(in, out, err), 0) << err.str();
    const std::string schedule = out.str();

    for (const auto& json : {command, batch}) {
        EXPECT_EQ(json["size"], "10 AWG");
        EXPECT_EQ(json["flc"], 22);
        EXPECT_EQ(json["conductor_current"], 27.5);
        EXPECT_EQ(json["max_device"], 60);
        EXPECT_EQ(json["device_rule"], "next-size-up");
        EXPECT_EQ(json["start_current"], 132);  // 6 × 22 A, the stated default multiple
        EXPECT_TRUE(json["start_dip_percent"].is_null());
        EXPECT_TRUE(json["overload"].is_null());  // no nameplate current given
    }
    // The motor's columns follow the load column; a general row leaves them empty.
    EXPECT_NE(schedule.find(",answer_design_current,answer_flc,answer_conductor_current,"),
              std::string::npos)
        << schedule;
    EXPECT_NE(schedule.find("motor,7.5,three,230,10,,2,10 AWG,"), std::string::npos) << schedule;
    EXPECT_NE(schedule.find(",22,22,27.5,,60,next-size-up,132,"), std::string::npos) << schedule;
    EXPECT_NE(schedule.find("general,,single,240,10,20,3,12 AWG,1,12 AWG,ampacity,20,20,12 AWG,"
                            "14 AWG,,12 AWG,2.268,0.945,237.732,20,20,load_125,,NEC 2023,,,,,,,,,"
                            ",,\r\n"),
              std::string::npos)
        << schedule;
}

TEST(MotorCircuit, AGeneralAnswerHasNoMotorKeys) {
    const CliRun run =
        runCommand({"circuit", "--current", "20", "--volts", "240", "--length", "10", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    for (const char* key : {"design_current", "flc", "max_device", "start_dip_board_percent"})
        EXPECT_FALSE(json.contains(key)) << key;
}

struct Refused {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err;
};

const Refused kRefused[] = {
    {"HorsepowerOfAGeneralLoad",
     {"circuit", "--current", "20", "--hp", "3", "--volts", "240", "--length", "10"},
     1,
     "ferrovolt-calc: --hp: applies only where load is motor\n"},
    {"CurrentOfAMotor",
     {"circuit", "--load", "motor", "--hp", "3", "--current", "20", "--volts", "240", "--length",
      "10"},
     1,
     "ferrovolt-calc: --current: applies only where load is general\n"},
    {"MotorWithoutHorsepower",
     {"circuit", "--load", "motor", "--volts", "240", "--length", "10"},
     2,
     "ferrovolt-calc: --hp is required\n"},
    {"GeneralLoadWithoutCurrent",
     {"circuit", "--volts", "240", "--length", "10"},
     2,
     "ferrovolt-calc: --current is required\n"},
    {"AirConditionerWithoutMop",
     {"circuit", "--load", "hvac", "--mca", "20", "--volts", "240", "--length", "10"},
     2,
     "ferrovolt-calc: --mop is required\n"},
};

class MotorCircuitRefusal : public testing::TestWithParam<Refused> {};

TEST_P(MotorCircuitRefusal, NamesTheOption) {
    const CliRun run = runCommand(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(Circuit, MotorCircuitRefusal, testing::ValuesIn(kRefused),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(MotorCircuit, BatchRefusesAnInputOfAnotherLoad) {
    std::string line;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","current":20,"mca":20,"volts":240,"length":10})", line);
    EXPECT_EQ(line, R"({"refused":"mca","reason":"applies only where load is hvac"})");
}

TEST(MotorCircuit, ListsTheHorsepowerRowsAndTheDeviceTypes) {
    const CliRun motors = runCommand({"list", "motors"});
    ASSERT_EQ(motors.status, 0);
    EXPECT_NE(motors.out.find("1/6 hp (0.167): single phase 115, 200, 208, 230 V\n"),
              std::string::npos)
        << motors.out;
    EXPECT_NE(motors.out.find("7-1/2 hp (7.5): single phase 115, 200, 208, 230 V; three phase "
                              "200, 208, 230, 460, 575 V\n"),
              std::string::npos)
        << motors.out;
    EXPECT_NE(motors.out.find("500 hp: three phase 460, 575, 2300 V\n"), std::string::npos);
    const CliRun devices = runCommand({"list", "device-types"});
    EXPECT_EQ(devices.out,
              "inverse-time: Inverse-time breaker\ninstantaneous: Instantaneous-trip breaker\n"
              "time-delay-fuse: Time-delay (dual-element) fuse\n"
              "non-time-delay-fuse: Non-time-delay fuse\n");
}

}  // namespace
}  // namespace ferrovolt
