// SPDX-License-Identifier: GPL-3.0-or-later
// The project file: read strictly (each refusal names its JSON path), written in a stable
// order, saved without ever damaging the file it replaces.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include <unistd.h>

#include "project/project_file.h"
#include "source_tree.h"

namespace ferrovolt::project {
namespace {

// A small valid project; each refusal case replaces one piece of it.
std::string projectText(const std::string& supply, const std::string& boards,
                        const std::string& circuits, const std::string& code = "nec2023",
                        const std::string& head = R"("format":"ferrovolt-project","version":1)") {
    return "{" + head + R"(,"code":")" + code + R"(","supply":)" + supply + R"(,"boards":)" +
           boards + R"(,"circuits":)" + circuits + "}";
}

const std::string kSupply =
    R"({"available_fault_current":20000,"x_r":6,"volts":480,"phase":"three"})";
const std::string kBoards =
    R"([{"id":"MDP","fed_from":"supply","cable":null},)"
    R"({"id":"LP1","fed_from":"MDP","cable":{"length":100,"feet":true,"phase":"three","volts":480,"raceway":"steel"},"demand_factor":0.8}])";
const std::string kCircuits =
    R"([{"id":"L1","board":"LP1","cable":{"current":16,"length":150,"feet":true,"volts":277}}])";

struct Refusal {
    std::string name;
    std::string text;
    std::string path;
    std::string reason;  // a part of it
};

const std::vector<Refusal>& refusals() {
    static const std::vector<Refusal> cases = {
        {"MalformedJson", "{\"format\":\n\"ferrovolt-project\",,}", "", "is not JSON"},
        // Beyond a double: the parser throws another kind of error, which must be a refusal too.
        {"NumberBeyondADouble", "{\"format\":\"ferrovolt-project\",\"version\":1e400}", "",
         "is not JSON: number overflow parsing '1e400'"},
        {"NewerVersion",
         projectText(kSupply, kBoards, kCircuits, "nec2023",
                     R"("format":"ferrovolt-project","version":2)"),
         "/version", "reads version 2 project files; this one reads version 1"},
        {"UnknownKey",
         projectText(kSupply, kBoards, kCircuits, "nec2023",
                     R"("format":"ferrovolt-project","version":1,"colour":"red")"),
         "/colour", "is not a key"},
        {"WrongType",
         projectText(R"({"available_fault_current":"big","volts":480})", kBoards, kCircuits),
         "/supply/available_fault_current", "must be a number"},
        {"OutOfRange",
         projectText(kSupply, R"([{"id":"MDP","fed_from":"supply","demand_factor":1.5}])", "[]"),
         "/boards/0/demand_factor", "at most 1"},
        {"CableValueRefusedByTheCode",
         projectText(
             kSupply, kBoards,
             R"([{"id":"L1","board":"LP1","cable":{"current":16,"length":30,"volts":277,"phase":"four"}}])"),
         "/circuits/0/cable/phase", ""},
        {"Loop",
         projectText(kSupply, R"([{"id":"A","fed_from":"B"},{"id":"B","fed_from":"A"}])", "[]"),
         "/boards/0/fed_from", "makes a loop: A → B → A"},
        {"FedFromNothing", projectText(kSupply, R"([{"id":"A","fed_from":"MCC"}])", "[]"),
         "/boards/0/fed_from", "\"MCC\" is not a board"},
        {"CircuitOnNoBoard",
         projectText(
             kSupply, kBoards,
             R"([{"id":"L1","board":"LP9","cable":{"current":16,"length":10,"volts":277}}])"),
         "/circuits/0/board", "\"LP9\" is not a board"},
        {"TwoNodesOfOneId",
         projectText(
             kSupply, kBoards,
             R"([{"id":"LP1","board":"LP1","cable":{"current":16,"length":10,"volts":277}}])"),
         "/circuits/0/id", "\"LP1\" is given twice"},
        {"FieldOfTheOtherCode",
         projectText(
             kSupply, kBoards,
             R"([{"id":"L1","board":"LP1","cable":{"current":16,"length":10,"volts":277,"earthing":"TT"}}])"),
         "/circuits/0/cable/earthing", "is a field of IEC 60364-5-52:2009, not of NEC 2023"},
        {"SupplySettingOfTheOtherCode",
         projectText(
             R"({"transformer":{"kva":400,"percent_z":4,"x_r":3,"secondary_volts":400},"earthing":"TN-S"})",
             "[]", "[]"),
         "/supply/earthing", "is a setting of IEC 60364 projects"},
        {"RequiredFieldMissing",
         projectText(kSupply, kBoards,
                     R"([{"id":"L1","board":"LP1","cable":{"length":10,"volts":277}}])"),
         "/circuits/0/cable/current", "is missing"},
    };
    return cases;
}

class StrictReading : public testing::TestWithParam<std::size_t> {};

TEST_P(StrictReading, RefusesNamingThePath) {
    const Refusal& c = refusals()[GetParam()];
    const auto read = readProject(c.text);
    ASSERT_TRUE(std::holds_alternative<FileRefusal>(read)) << c.name;
    const FileRefusal& refusal = std::get<FileRefusal>(read);
    EXPECT_EQ(refusal.path, c.path);
    EXPECT_NE(refusal.reason.find(c.reason), std::string::npos) << refusal.reason;
}

INSTANTIATE_TEST_SUITE_P(Groups, StrictReading, testing::Range<std::size_t>(0, refusals().size()),
                         [](const auto& param) { return refusals()[param.param].name; });

// The line of the value at fault; of the key where the key has no place (unknown, or of the
// other code), whatever line its value is on; of the object where a key is missing; of the
// break in malformed JSON.
TEST(StrictReading, NamesTheLine) {
    const std::string head = "{\"format\": \"ferrovolt-project\",\n\"version\": 1,\n";
    const std::string supply =
        "\"supply\": {\"available_fault_current\": 20000, \"volts\": 480},\n";
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"{\"format\":\n\"ferrovolt-project\",,}", 2},
        {head + "\"code\": \"nec2023\",\n\"supply\": {\"volts\": 480,\n\"x_r\": -1}}", 5},
        {head + "\"code\": \"nec2023\",\n\"supply\":\n{\"x_r\": 3}}", 5},
        {head + "\"code\": \"nec2023\", \"a/b\":\n1}", 3},
        {head + "\"code\": \"nec2023\",\n" + supply +
             "\"boards\": [{\"id\": \"DB\", \"fed_from\": \"supply\"}],\n"
             "\"circuits\": [{\"id\": \"C\", \"board\": \"DB\", \"cable\": {\"current\": 16,\n"
             "\"earthing\":\n\"TT\"}}]}",
         7},
    };
    for (const auto& [text, line] : cases) {
        const auto read = readProject(text);
        ASSERT_TRUE(std::holds_alternative<FileRefusal>(read)) << text;
        EXPECT_EQ(std::get<FileRefusal>(read).line, line)
            << refusalText(std::get<FileRefusal>(read));
    }
}

// What is written reads back and writes the same bytes, whatever order the keys came in.
TEST(ProjectFile, LoadThenSaveGivesTheSameBytes) {
    const auto first = readProject(projectText(kSupply, kBoards, kCircuits));
    ASSERT_TRUE(std::holds_alternative<Project>(first));
    const std::string written = writeProject(std::get<Project>(first));
    const auto second = readProject(written);
    ASSERT_TRUE(std::holds_alternative<Project>(second));
    EXPECT_EQ(writeProject(std::get<Project>(second)), written);
    // The cable's fields in the code's order, numbers as they were given.
    EXPECT_NE(written.find("\"length\": 100,\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\"demand_factor\": 0.8"), std::string::npos) << written;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The sample projects are read, and are written as the program writes them.
TEST(ProjectFile, SamplesAreAsSaved) {
    for (const char* name : {"nec2023-plant.fvproj", "iec60364-office.fvproj"}) {
        const std::string text = contents(ferrovolt::test::sourceTree() / "examples" / name);
        const auto read = readProject(text);
        ASSERT_TRUE(std::holds_alternative<Project>(read))
            << name << ": " << refusalText(std::get<FileRefusal>(read));
        EXPECT_EQ(writeProject(std::get<Project>(read)), text) << name;
    }
}

std::size_t entries(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

// A save that fails leaves what it would replace as it was, nothing beside it, and says why:
// into a folder that cannot be written (not for the superuser, who writes anyway), and over
// a path the rename cannot replace (a folder of that name). A save that can be made replaces
// the file whole.
TEST(ProjectFile, SavesAtomically) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ferrovolt-save-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto file = folder / "plant.fvproj";
    std::ofstream(file) << "old";
    const Project project =
        std::get<Project>(readProject(projectText(kSupply, kBoards, kCircuits)));
    if (geteuid() != 0) {
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const auto refused = saveProject(project, file);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        ASSERT_TRUE(refused);
        EXPECT_NE(refused->find("cannot write"), std::string::npos) << *refused;
        EXPECT_EQ(contents(file), "old");
    }
    const auto taken = folder / "taken.fvproj";
    std::filesystem::create_directories(taken / "inside");
    const auto refused = saveProject(project, taken);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("cannot replace"), std::string::npos) << *refused;
    EXPECT_TRUE(std::filesystem::is_directory(taken / "inside"));
    EXPECT_EQ(entries(folder), 2U);  // the file and the folder, no temporary left

    EXPECT_FALSE(saveProject(project, file));
    EXPECT_EQ(contents(file), writeProject(project));
    EXPECT_EQ(entries(folder), 2U);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ferrovolt::project
