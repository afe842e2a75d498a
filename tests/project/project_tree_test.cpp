// SPDX-License-Identifier: GPL-3.0-or-later
// The tree kept between changes: after each kind of change its answers are a whole check's,
// and it checked again exactly the nodes the change reaches.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <variant>

#include "project/project_file.h"
#include "project/project_tree.h"
#include "source_tree.h"

namespace ferrovolt::project {
namespace {

// MDP at the terminals of 500 kVA; SDB (4/0, its current the loads' sum) and PB below it
// (1/0, the same), LB (1/0, 60 A given) and EB (no cable, nothing on it) beside them.
const std::string kTree =
    R"({"format":"ferrovolt-project","version":1,"code":"nec2023",)"
    R"("supply":{"transformer":{"kva":500,"percent_z":5.75,"x_r":5,"secondary_volts":480},"infinite_bus":true},)"
    R"("boards":[{"id":"MDP","fed_from":"supply","cable":null},)"
    R"({"id":"SDB","fed_from":"MDP","cable":{"length":100,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"4/0"}},)"
    R"({"id":"PB","fed_from":"SDB","cable":{"length":80,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"1/0"}},)"
    R"({"id":"LB","fed_from":"MDP","cable":{"current":60,"length":50,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"1/0"}},)"
    R"({"id":"EB","fed_from":"SDB","cable":null}],)"
    R"("circuits":[)"
    R"({"id":"M1","board":"MDP","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}},)"
    R"({"id":"S1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}},)"
    R"({"id":"S2","board":"SDB","cable":{"current":16,"length":90,"feet":true,"volts":277,"raceway":"steel","size":"10"}},)"
    R"({"id":"P1","board":"PB","cable":{"current":20,"length":40,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}},)"
    R"({"id":"L1","board":"LB","cable":{"current":30,"length":40,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"8"}}]})";

Project base() {
    return std::get<Project>(readProject(kTree));
}

Cable with(Cable cable, const std::string& key, const Json& value) {
    for (auto& [k, v] : cable)
        if (k == key) v = value;
    return cable;
}

Circuit circuitWith(const InstallationTree& tree, std::size_t index, const std::string& key,
                    const Json& value) {
    Circuit c = tree.project().circuits[index];
    c.cable = with(c.cable, key, value);
    return c;
}

Cable feeder(const std::string& size) {
    return {{"current", 40}, {"length", 30},       {"feet", true}, {"phase", "three"},
            {"volts", 480},  {"raceway", "steel"}, {"size", size}};
}

struct ChangeCase {
    std::string name;
    std::function<std::optional<std::string>(InstallationTree&)> change;
    std::vector<std::string> rechecked;  // in the order the tree visits them
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class TreeChange : public testing::TestWithParam<ChangeCase> {};

// Every answer to the last bit, in checkProject()'s order: the numbers in hexadecimal, the
// refusal, the failures, and the case's whole sheet with its trail.
std::vector<std::string> exactly(const std::vector<const NodeAnswer*>& nodes) {
    std::vector<std::string> texts;
    for (const NodeAnswer* n : nodes) {
        std::ostringstream out;
        out << std::hexfloat << n->id << ' ' << nodeKindKey(n->kind) << ' ' << n->fedFrom << ' '
            << n->depth << ' ' << n->reached << ' ' << n->designCurrent << ' ' << n->dropPercent
            << ' ' << n->dropLimitPercent << ' ' << n->at.dropPercent << ' ' << n->at.iscMax << ' '
            << n->at.iscMin << ' ' << n->at.ik1Max << ' ' << n->at.xOverR << ' ' << n->at.loopMin.r
            << ' ' << n->at.loopMin.x << ' ' << n->peak;
        out << ' ' << n->motorFeederCurrent.value_or(-1) << ' ' << n->feederDeviceMax.value_or(-1)
            << ' ' << n->startDipPercent.value_or(-1);
        if (n->refusal) out << " refused: " << n->refusal->field << ' ' << n->refusal->reason;
        for (const NodeFail& f : n->fails) out << " fails " << f.name;
        if (n->checked) out << '\n' << n->checked->sheet();
        texts.push_back(out.str());
    }
    return texts;
}

std::vector<std::string> wholeCheck(const Project& project) {
    const ProjectAnswer whole = checkProject(project);
    std::vector<const NodeAnswer*> nodes;
    for (const NodeAnswer& n : whole.nodes) nodes.push_back(&n);
    return exactly(nodes);
}

TEST_P(TreeChange, AnswersAsAWholeCheckAndRechecksOnlyWhatItReaches) {
    InstallationTree tree(base());
    ASSERT_EQ(tree.recheckedCount(), 10u);  // the first check is whole: 5 boards, 5 circuits
    ASSERT_EQ(GetParam().change(tree), std::nullopt);
    EXPECT_EQ(tree.rechecked(), GetParam().rechecked);
    EXPECT_EQ(tree.recheckedCount(), GetParam().rechecked.size());

    EXPECT_EQ(exactly(tree.nodes()), wholeCheck(tree.project()));
}

// Circuits by index: M1 0, S1 1, S2 2, P1 3, L1 4. MDP has no cable, so its busbar is the
// supply's whatever its load; LB's feeder gives its own current, so its busbar keeps its drop.
INSTANTIATE_TEST_SUITE_P(
    Changes, TreeChange,
    testing::Values(ChangeCase{"CircuitLengthLeavesTheLoadsAbove",
                               [](InstallationTree& tree) {
                                   return tree.setCircuit(circuitWith(tree, 1, "length", 75));
                               },
                               {"S1"}},
                    ChangeCase{"CircuitCurrentRechecksThePathAndBelowEachChangedBusbar",
                               [](InstallationTree& tree) {
                                   return tree.setCircuit(circuitWith(tree, 3, "current", 30));
                               },
                               {"MDP", "SDB", "S1", "S2", "PB", "P1", "EB"}},
                    ChangeCase{"CircuitUnderAGivenFeederCurrentStopsAtItsBoard",
                               [](InstallationTree& tree) {
                                   return tree.setCircuit(circuitWith(tree, 4, "current", 40));
                               },
                               {"MDP", "LB", "L1"}},
                    ChangeCase{"FeederResizedRechecksItsSubtree",
                               [](InstallationTree& tree) {
                                   Board b = tree.project().boards[1];
                                   b.cable = with(*b.cable, "size", "250");
                                   return tree.setBoard(b);
                               },
                               {"SDB", "S1", "S2", "PB", "P1", "EB"}},
                    ChangeCase{"BoardMovedRechecksBothPathsAndItsSubtree",
                               [](InstallationTree& tree) { return tree.moveBoard("PB", "LB"); },
                               {"MDP", "SDB", "S1", "S2", "EB", "LB", "PB", "P1"}},
                    ChangeCase{"CircuitMoved",
                               [](InstallationTree& tree) { return tree.moveCircuit("S2", "LB"); },
                               {"MDP", "SDB", "S1", "PB", "P1", "EB", "LB", "S2"}},
                    ChangeCase{
                        "BoardInsertedWithItsOwnCurrent",
                        [](InstallationTree& tree) {
                            return tree.insertBoard({"NB", "PB", feeder("8"), 1, std::nullopt});
                        },
                        {"NB"}},
                    ChangeCase{"CircuitInserted",
                               [](InstallationTree& tree) {
                                   Circuit c = tree.project().circuits[3];
                                   c.id = "P2";
                                   return tree.insertCircuit(c);
                               },
                               {"MDP", "SDB", "S1", "S2", "PB", "P1", "P2", "EB"}},
                    // SDB's feeder and PB's take a quarter of the motor's table current more.
                    ChangeCase{"MotorInsertedWidensTheFeedersAbove",
                               [](InstallationTree& tree) {
                                   Circuit c = tree.project().circuits[3];
                                   c.id = "P2";
                                   std::erase_if(c.cable, [](const auto& field) {
                                       return field.first == "current";
                                   });
                                   c.cable.push_back({"load", "motor"});
                                   c.cable.push_back({"hp", 25});
                                   return tree.insertCircuit(c);
                               },
                               {"MDP", "SDB", "S1", "S2", "PB", "P1", "P2", "EB"}},
                    ChangeCase{"CircuitRemoved",
                               [](InstallationTree& tree) { return tree.removeCircuit("M1"); },
                               {"MDP"}},
                    ChangeCase{"EmptyBoardRemovedReachesNothing",
                               [](InstallationTree& tree) { return tree.removeBoard("EB"); },
                               {}}),
    [](const auto& param) { return param.param.name; });

// Both samples under a random run of changes of every kind (feeders there are sized by the
// loads below them, so a busbar moves with them): after each, every answer is a whole check's.
TEST(RandomChanges, AlwaysAnswerAsAWholeCheck) {
    for (const char* sample : {"nec2023-plant.fvproj", "iec60364-office.fvproj"}) {
        SCOPED_TRACE(sample);
        std::ifstream in(ferrovolt::test::sourceTree() / "examples" / sample);
        std::stringstream text;
        text << in.rdbuf();
        InstallationTree tree(std::get<Project>(readProject(text.str())));
        std::mt19937 random(7);
        const auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
        };
        for (int step = 0; step < 60; ++step) {
            const Project& p = tree.project();
            const std::string board = p.boards[pick(p.boards.size())].id;
            Circuit c = p.circuits[pick(p.circuits.size())];
            const std::string id = "N" + std::to_string(step);
            const double number = 5.0 + static_cast<double>(pick(60));
            std::optional<std::string> refused;
            switch (pick(7)) {
                case 0:
                    refused = tree.setCircuit({c.id, c.board, with(c.cable, "current", number)});
                    break;
                case 1:
                    refused = tree.setCircuit({c.id, c.board, with(c.cable, "length", number)});
                    break;
                case 2:
                    refused = tree.insertCircuit({id, board, c.cable});
                    break;
                case 3:
                    refused = tree.moveCircuit(c.id, board);
                    break;
                case 4:  // a copy of the last board's feeder: refused as the sum of no load
                    refused = tree.insertBoard({id, board, p.boards.back().cable, 0.8, 10});
                    break;
                case 5:
                    refused = tree.moveBoard(p.boards[pick(p.boards.size())].id, board);
                    break;
                default:
                    if (p.circuits.size() > 2) refused = tree.removeCircuit(c.id);
            }
            if (refused) {  // only a move that would close a loop
                EXPECT_NE(refused->find("a cycle"), std::string::npos) << *refused;
            }
            ASSERT_EQ(exactly(tree.nodes()), wholeCheck(tree.project())) << "after step " << step;
        }
    }
}

struct RefusedCase {
    std::string name;
    std::function<std::optional<std::string>(InstallationTree&)> change;
    std::string reason;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class TreeRefusal : public testing::TestWithParam<RefusedCase> {};

TEST_P(TreeRefusal, NamesTheReasonAndChangesNothing) {
    InstallationTree tree(base());
    EXPECT_EQ(GetParam().change(tree), GetParam().reason);
    EXPECT_EQ(writeProject(tree.project()), writeProject(base()));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, TreeRefusal,
    testing::Values(RefusedCase{"MoveUnderItsOwnSubtree",
                                [](InstallationTree& tree) { return tree.moveBoard("SDB", "PB"); },
                                "board PB is fed from SDB: a cycle"},
                    RefusedCase{"MoveUnderAMissingBoard",
                                [](InstallationTree& tree) { return tree.moveCircuit("S1", "XB"); },
                                "no board XB"},
                    RefusedCase{
                        "InsertATakenId",
                        [](InstallationTree& tree) {
                            return tree.insertBoard({"S1", "MDP", std::nullopt, 1, std::nullopt});
                        },
                        "the id S1 is taken"},
                    RefusedCase{"AFieldOfTheOtherCode",
                                [](InstallationTree& tree) {
                                    Circuit c = tree.project().circuits[0];
                                    c.cable.emplace_back("earthing", "TN-S");
                                    return tree.setCircuit(c);
                                },
                                "earthing is not a field of NEC 2023"},
                    RefusedCase{"RemoveABoardThatFeedsSomething",
                                [](InstallationTree& tree) { return tree.removeBoard("SDB"); },
                                "board SDB still feeds 4 nodes"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace ferrovolt::project
