// SPDX-License-Identifier: GPL-3.0-or-later
// The tree checked top-down: a worked example carried through boards, a one-circuit project
// against the circuit alone, and the invariants over random trees.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <variant>

#include "check/circuit_code.h"
#include "codes/code_registry.h"
#include "project/project_engine.h"
#include "project/project_file.h"

namespace ferrovolt::project {
namespace {

Project read(const std::string& text) {
    auto read = readProject(text);
    if (auto* refusal = std::get_if<FileRefusal>(&read)) ADD_FAILURE() << refusalText(*refusal);
    return std::get<Project>(read);
}

const NodeAnswer& node(const ProjectAnswer& answer, std::string_view id) {
    for (const NodeAnswer& n : answer.nodes)
        if (n.id == id) return n;
    throw std::out_of_range(std::string(id));
}

bool fails(const NodeAnswer& n, std::string_view key) {
    for (const NodeFail& f : n.fails)
        if (f.key == key) return true;
    return false;
}

// 500 kVA, 480 V, 5.75 %, X/R 5 on an infinite bus; MDP at its terminals; SDB 100 ft of 4/0 Cu
// in steel below; a circuit of 60 ft of 10 AWG Cu below that.
std::string chain(std::string_view method, double breakingKa) {
    return std::string(R"({"format":"ferrovolt-project","version":1,"code":"nec2023",)") +
           R"("supply":{"transformer":{"kva":500,"percent_z":5.75,"x_r":5,"secondary_volts":480},"infinite_bus":true},)" +
           R"("boards":[{"id":"MDP","fed_from":"supply","cable":null,"breaking_capacity_ka":)" +
           std::to_string(breakingKa) + R"(},)" +
           R"({"id":"SDB","fed_from":"MDP","cable":{"length":100,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"4/0"}}],)" +
           R"("circuits":[{"id":"C1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}}],)" +
           R"("settings":{"fault_method":")" + std::string(method) + R"("}})";
}

struct ChainCase {
    std::string name;
    std::string method;
    double board, circuit;  // A, maximum at SDB and at C1's far end
};

class WorkedChain : public testing::TestWithParam<ChainCase> {};

// Impedance: Z_T 5.196 + j25.981 mΩ; + 4/0 (6.3 + j5.1 mΩ) → 8,362 A; + 10 AWG (72 + j3.78
// mΩ) → 3,063 A. Point-to-point: f 0.2502 → 8,366 A, then f = √3·60·8,366/(981·480) = 1.8465
// → 2,939 A. The feeder's current is the circuit's 20 A at 480 V three-phase, demand 1.
TEST_P(WorkedChain, CarriesTheFaultCurrentDown) {
    const ChainCase& c = GetParam();
    const ProjectAnswer answer = checkProject(read(chain(c.method, 50)));
    EXPECT_NEAR(node(answer, "MDP").at.iscMax, 10459, 1);
    EXPECT_NEAR(node(answer, "SDB").at.iscMax, c.board, 2);
    EXPECT_NEAR(node(answer, "C1").at.iscMax, c.circuit, 2);
    EXPECT_NEAR(node(answer, "SDB").designCurrent, 20, 1e-9);
    EXPECT_FALSE(node(answer, "C1").refusal);
}

INSTANTIATE_TEST_SUITE_P(Methods, WorkedChain,
                         testing::Values(ChainCase{"Impedance", "impedance", 8362, 3063},
                                         ChainCase{"PointToPoint", "point-to-point", 8366, 2939}),
                         [](const auto& param) { return param.param.name; });

// 10,459 A at MDP: a 10 kA interrupting rating fails 110.9, 11 kA meets it.
TEST(BreakingCapacity, FailsBelowTheMaximumOnly) {
    EXPECT_TRUE(
        fails(node(checkProject(read(chain("impedance", 10))), "MDP"), "breaking_capacity"));
    EXPECT_FALSE(
        fails(node(checkProject(read(chain("impedance", 11))), "MDP"), "breaking_capacity"));
}

// The plan-review worksheet: 300 kVA, 2 %Z × 0.9, 208 V on an infinite bus gives 46,262 A at
// MDP; F1 is 20 ft of two sets of 500 kcmil Cu in steel, f = √3·20·46,262/(22,185·2·208) =
// 0.1737, M = 0.852, 39,417 A. The load below is 800 A; half of it motors, 400 A × 4 = 1,600 A
// is added at MDP and at F1, so MDP's 47 kA devices fail with the motors and not without.
std::string plant(std::string_view motors) {
    return std::string(R"({"format":"ferrovolt-project","version":1,"code":"nec2023",)") +
           R"("supply":{"transformer":{"kva":300,"percent_z":2,"x_r":4,"secondary_volts":208,"tolerance":0.9},"infinite_bus":true},)" +
           R"("boards":[{"id":"MDP","fed_from":"supply","cable":null,"breaking_capacity_ka":47)" +
           (motors.empty() ? "" : R"(,"motor_load":{)" + std::string(motors) + "}") + "}," +
           R"({"id":"F1","fed_from":"MDP","cable":{"length":20,"feet":true,"phase":"three","volts":208,"raceway":"steel","size":"500","sets":2}}],)" +
           R"("circuits":[{"id":"M1","board":"F1","cable":{"current":800,"length":10,"feet":true,"phase":"three","volts":208,"raceway":"steel"}}],)" +
           R"("settings":{"fault_method":"point-to-point"}})";
}

// The pandapower case: 100 MVA at 10 kV, R/X 0.1; 400 kVA, u_k 6 %, u_R 0.5 %; c_max 1.05:
// 9,749.917 A at the terminals, so 1 % of it is 97.499 A: 4 × 24 A = 96 A is left out,
// 4 × 25 A = 100 A is added.
std::string office(std::string_view motors) {
    return std::string(R"({"format":"ferrovolt-project","version":1,"code":"iec60364",)") +
           R"("supply":{"transformer":{"kva":400,"percent_z":6,"percent_r":0.5,"primary_kv":10,"secondary_volts":400},)" +
           R"("source":{"mva_max":100,"mva_min":100,"r_x":0.1,"kv":10},"voltage_factor_class":6},)" +
           R"("boards":[{"id":"DB","fed_from":"supply","cable":null)" +
           (motors.empty() ? "" : R"(,"motor_load":{)" + std::string(motors) + "}") + "}]}";
}

struct MotorCase {
    std::string name;
    std::string (*project)(std::string_view);
    std::string motors, id;
    double maximum, term;  // A
    bool breakingFails;
};

class MotorContribution : public testing::TestWithParam<MotorCase> {};

TEST_P(MotorContribution, AddsToTheMaximumOnly) {
    const MotorCase& c = GetParam();
    const ProjectAnswer with = checkProject(read(c.project(c.motors)));
    const ProjectAnswer without = checkProject(read(c.project("")));
    const NodeAnswer& n = node(with, c.id);
    const NodeAnswer& bare = node(without, c.id);
    EXPECT_NEAR(maximumWithMotors(n.at), c.maximum, 2);
    EXPECT_NEAR(motorTerm(n.at), c.term, 1e-6);
    EXPECT_DOUBLE_EQ(n.at.iscMax, bare.at.iscMax);
    EXPECT_DOUBLE_EQ(n.at.iscMin, bare.at.iscMin);
    EXPECT_EQ(fails(n, "breaking_capacity"), c.breakingFails);
    EXPECT_FALSE(fails(bare, "breaking_capacity"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MotorContribution,
    testing::Values(
        MotorCase{"FlaAtTheBoard", plant, R"("fla":400)", "MDP", 46262 + 1600, 1600, true},
        MotorCase{"FlaBelowTheBoard", plant, R"("fla":400)", "F1", 39417 + 1600, 1600, false},
        MotorCase{"PercentOfTheLoad", plant, R"("percent":50)", "F1", 39417 + 1600, 1600, false},
        MotorCase{"IecAtMostOnePercentLeftOut", office, R"("fla":24)", "DB", 9749.917, 0, false},
        MotorCase{"IecOverOnePercentAdded", office, R"("fla":25)", "DB", 9749.917 + 100, 100,
                  false}),
    [](const auto& param) { return param.param.name; });

// No transformer is held between boards: under a 480Y/277 V board a circuit runs at 480 V or
// 277 V (within 1 %), and at 240 V it is refused.
TEST(CircuitVoltage, IsTheBoardsLineOrPhaseVoltage) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {R"("phase":"single","volts":277)", true}, {R"("phase":"single","volts":480)", true},
        {R"("phase":"three","volts":480)", true},  {R"("phase":"single","volts":240)", false},
        {R"("phase":"three","volts":277)", false},
    };
    for (const auto& [fields, accepted] : cases) {
        const std::string text =
            R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"available_fault_current":20000,"volts":480},)"
            R"("boards":[{"id":"DB","fed_from":"supply"}],"circuits":[{"id":"C","board":"DB","cable":{"current":20,"length":50,)" +
            fields + "}}]}";
        const ProjectAnswer answer = checkProject(read(text));
        const NodeAnswer& c = node(answer, "C");
        EXPECT_EQ(!c.refusal, accepted) << fields;
        if (!accepted) {
            EXPECT_EQ(c.refusal->field, "volts") << fields;
        }
    }
}

// A project of one circuit on a board at the supply's terminals answers exactly as the circuit
// alone with the supply's fault current, clearing time and Ze typed in.
TEST(OneCircuitProject, AnswersAsTheCircuitCommand) {
    struct Case {
        std::string code, supply, fields, alone;
    };
    const std::vector<Case> cases = {
        {"nec2023", R"({"available_fault_current":20000,"x_r":6,"volts":480})",
         R"("current":40,"length":50,"phase":"three","volts":480,"clearing_time":0.02)",
         "fault_current=20000"},
        {"iec60364", R"({"volts":400,"ze":0.35,"ipf":6000,"earthing":"TN-S"})",
         R"("current":32,"length":40,"phase":"three","volts":400,"clearing_time":0.1,"earthing":"TN-C-S","curve":"B")",
         "fault_current=6000;ze=0.35"},
    };
    for (const Case& c : cases) {
        const std::string text =
            R"({"format":"ferrovolt-project","version":1,"code":")" + c.code + R"(","supply":)" +
            c.supply + R"(,"boards":[{"id":"DB","fed_from":"supply"}],)" +
            R"("circuits":[{"id":"C","board":"DB","cable":{)" + c.fields + "}}]}";
        const Project project = read(text);
        const ProjectAnswer answer = checkProject(project);
        const NodeAnswer& tree = node(answer, "C");
        ASSERT_TRUE(tree.checked && !tree.refusal)
            << c.code << ": " << (tree.refusal ? tree.refusal->reason : "");

        const CircuitCode& code = *circuitCode(c.code);
        auto alone = code.newCase();
        for (const auto& [key, value] : project.circuits[0].cable)
            alone->set(*code.fieldIndex(key), cableFieldText(value));
        std::string rest = c.alone;
        while (!rest.empty()) {
            const std::string pair = rest.substr(0, rest.find(';'));
            rest = rest.find(';') == std::string::npos ? "" : rest.substr(rest.find(';') + 1);
            const std::string key = pair.substr(0, pair.find('='));
            ASSERT_FALSE(alone->set(*code.fieldIndex(key), pair.substr(pair.find('=') + 1)));
        }
        ASSERT_FALSE(alone->check());
        for (std::size_t row = 0; row < code.rows().size(); ++row)
            EXPECT_EQ(tree.checked->rowText(row), alone->rowText(row))
                << c.code << " " << code.rows()[row].key;
    }
}

// Random trees of boards and circuits of given sizes under one transformer: along every path the
// maximum and minimum fault currents never rise and the drop from the origin never falls;
// lengthening one circuit changes no value anywhere else.
TEST(RandomTrees, KeepTheInvariants) {
    std::mt19937 random(32);
    for (int round = 0; round < 20; ++round) {
        std::uniform_int_distribution<int> boardCount(1, 6), circuitCount(1, 12), length(10, 200);
        const int boards = boardCount(random);
        std::string text =
            R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"transformer":{"kva":750,"percent_z":5.75,"x_r":6,"secondary_volts":480}},"boards":[)";
        for (int b = 0; b < boards; ++b) {
            const std::string from =
                b == 0 ? "supply"
                       : "B" + std::to_string(std::uniform_int_distribution<int>(0, b - 1)(random));
            text += std::string(b ? "," : "") + R"({"id":"B)" + std::to_string(b) +
                    R"(","fed_from":")" + from + R"(","cable":{"length":)" +
                    std::to_string(length(random)) +
                    R"(,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"500"}})";
        }
        text += R"(],"circuits":[)";
        const int circuits = boards + circuitCount(random);
        for (int c = 0; c < circuits; ++c) {
            // Every board has a load below it: the first circuits go one to each.
            const int board =
                c < boards ? c : std::uniform_int_distribution<int>(0, boards - 1)(random);
            const bool three = random() % 2 == 0;
            text += std::string(c ? "," : "") + R"({"id":"C)" + std::to_string(c) +
                    R"(","board":"B)" + std::to_string(board) + R"(","cable":{"current":)" +
                    std::to_string(std::uniform_int_distribution<int>(5, 60)(random)) +
                    R"(,"length":)" + std::to_string(length(random)) + R"(,"feet":true,"phase":")" +
                    (three ? "three\",\"volts\":480" : "single\",\"volts\":277") +
                    R"(,"size":"6"}})";
        }
        text += "]}";
        Project project = read(text);
        const ProjectAnswer answer = checkProject(project);
        std::map<std::string, const NodeAnswer*> byId;
        for (const NodeAnswer& n : answer.nodes) byId[n.id] = &n;
        for (const NodeAnswer& n : answer.nodes) {
            if (n.kind == NodeKind::Supply) continue;
            ASSERT_FALSE(n.refusal) << n.id << ": " << n.refusal->reason << "\n" << text;
            const NodeAnswer& up = *byId.at(n.fedFrom);
            EXPECT_LE(n.at.iscMax, up.at.iscMax * (1 + 1e-12)) << n.id;
            EXPECT_LE(n.at.iscMin, up.at.iscMin * (1 + 1e-12)) << n.id;
            EXPECT_GE(n.at.dropPercent, up.at.dropPercent) << n.id;
        }
        // One circuit longer: every other circuit and every board is as it was, save the
        // boards its load passes through, whose currents do not change either (the load is
        // the same), so nothing else moves.
        project.circuits[0].cable.push_back({"length", Json(999)});
        for (auto it = project.circuits[0].cable.begin(); it != project.circuits[0].cable.end();
             ++it)
            if (it->first == "length") {
                project.circuits[0].cable.erase(it);
                break;
            }
        const ProjectAnswer changed = checkProject(project);
        ASSERT_EQ(changed.nodes.size(), answer.nodes.size());
        for (std::size_t i = 0; i < answer.nodes.size(); ++i) {
            if (answer.nodes[i].id == "C0") continue;
            EXPECT_EQ(changed.nodes[i].at.iscMax, answer.nodes[i].at.iscMax) << answer.nodes[i].id;
            EXPECT_EQ(changed.nodes[i].at.iscMin, answer.nodes[i].at.iscMin) << answer.nodes[i].id;
            EXPECT_EQ(changed.nodes[i].at.dropPercent, answer.nodes[i].at.dropPercent)
                << answer.nodes[i].id;
        }
    }
}

}  // namespace
}  // namespace ferrovolt::project

namespace ferrovolt::project {
namespace {

// A board's load counts a motor circuit by its table full-load current and an air conditioner
// by its minimum circuit ampacity, as their checks size them: 25 hp at 480 V three phase takes
// the 460 V column, 34 A; 26 A MCA at 480 V; with a 20 A general circuit, 80 A, and the
// motor's quarter more by 430.24 (an air conditioner's MCA has its own): 88.5 A on SDB.
TEST(LoadKinds, BoardCountsEachByTheCurrentItsCheckTakes) {
    std::string text = chain("impedance", 50);
    const std::string general =
        R"({"id":"C1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}})";
    text.replace(
        text.find(general), general.size(),
        general +
            R"(,{"id":"M1","board":"SDB","cable":{"load":"motor","hp":25,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel"}})"
            R"(,{"id":"A1","board":"SDB","cable":{"load":"hvac","mca":26,"mop":40,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel"}})");
    const ProjectAnswer answer = checkProject(read(text));
    EXPECT_NEAR(node(answer, "M1").designCurrent, 34, 1e-9);
    EXPECT_NEAR(node(answer, "A1").designCurrent, 26, 1e-9);
    EXPECT_NEAR(node(answer, "SDB").designCurrent, 88.5, 1e-9);
    EXPECT_FALSE(node(answer, "M1").refusal);
}

// 430.24 and 430.62(A) at a board of two motors and a 20 A load, 480 V three phase: 25 hp
// (34 A, inverse-time 250 % = 85 A → 90 A) and 10 hp (14 A → 35 A). The feeder carries
// 1.25 × 34 + 14 + 20 = 76.5 A; its device is at most 90 + 14 + 20 = 124 A, down to 110 A.
// The dip at the busbar while the 25 hp motor starts is its circuit's, from the tree's fault
// current and X/R there, less than at the motor's own terminals.
TEST(LoadKinds, BoardOfMotorsGivesItsFeederAndTheDip) {
    std::string text = chain("impedance", 50);
    const std::string general =
        R"({"id":"C1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}})";
    text.replace(
        text.find(general), general.size(),
        general +
            R"(,{"id":"M1","board":"SDB","cable":{"load":"motor","hp":25,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel"}})"
            R"(,{"id":"M2","board":"SDB","cable":{"load":"motor","hp":10,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel"}})");
    const ProjectAnswer answer = checkProject(read(text));
    const NodeAnswer& sdb = node(answer, "SDB");
    ASSERT_TRUE(sdb.motorFeederCurrent);
    EXPECT_NEAR(*sdb.motorFeederCurrent, 76.5, 1e-9);
    EXPECT_NEAR(sdb.designCurrent, 76.5, 1e-9);  // the feeder's cable is sized from it
    EXPECT_EQ(sdb.feederDeviceMax, 110);
    ASSERT_TRUE(sdb.startDipPercent);
    const CircuitCase& m1 = *node(answer, "M1").checked;
    const double atMotor = std::get<double>(m1.value(*m1.of().rowIndex("start_dip_percent")));
    EXPECT_GT(*sdb.startDipPercent, 0);
    EXPECT_LT(*sdb.startDipPercent, atMotor);
    EXPECT_FALSE(node(answer, "MDP").motorFeederCurrent);  // no motor circuit of its own
}

// Under IEC 60364 a motor is rated by its power: 30 kW at η 0.92 and cos φ 0.86, 400 V three
// phase, takes 30,000 / (√3 × 400 × 0.92 × 0.86) = 54.729 A, which its board counts beside a
// 20 A circuit: 74.729 A on its feeder.
TEST(LoadKinds, IecBoardCountsAMotorByItsRatedPower) {
    std::string text = office("");
    text.replace(text.find(R"("cable":null)"), 12,
                 R"("cable":{"phase":"three","volts":400,"length":20})");
    text.pop_back();
    text += R"(,"circuits":[{"id":"M1","board":"DB","cable":{"load":"motor","kw":30,)"
            R"("efficiency":0.92,"motor_pf":0.86,"phase":"three","volts":400,"length":50}},)"
            R"({"id":"C1","board":"DB","cable":{"current":20,"phase":"three","volts":400,)"
            R"("length":50}}]})";
    const ProjectAnswer answer = checkProject(read(text));
    EXPECT_FALSE(node(answer, "M1").refusal);
    EXPECT_NEAR(node(answer, "M1").designCurrent, 54.729, 0.001);
    EXPECT_NEAR(node(answer, "DB").designCurrent, 74.729, 0.001);
}

}  // namespace
}  // namespace ferrovolt::project
