// SPDX-License-Identifier: GPL-3.0-or-later
// Output must not change with the user's locale: a German locale writes "1,5" and groups
// thousands, and nothing of that may reach a result text or an answer.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <string>
#include <vector>

#include "cli_run.h"

namespace ferrovolt {
namespace {

constexpr const char* kGerman = "de_DE.UTF-8";

// Every calculator once, through batch and through the subcommands.
const std::string kRequests =
    R"j({"calc":"area_weight","gauge":"6/0","standard":"AWG (B&S)"})j"
    "\n"
    R"j({"calc":"resistance","gauge":"18","material":"Copper (Annealed)","temperature":"-12.5","unit":"F"})j"
    "\n"
    R"j({"calc":"compare","position":46,"unit":1})j"
    "\n"
    R"j({"calc":"gauge_area","gauge":"4/0","standard":0,"unit":2,"by_position":false})j"
    "\n"
    R"j({"calc":"conduit","inches":true,"size":"1 1/2","fill":60,"cable":"0.25"})j"
    "\n"
    R"j({"calc":"voltage_drop","length":"1234.5","feet":true,"current":"200","material":"Copper (Annealed)","supply":"480 Volts 3-phase","gauge":"500 Kcmil"})j"
    "\n"
    R"j({"calc":"conductor_size","length":"2500","feet":false,"current":"400","material":"Aluminium","three_phase":true,"volts":"480"})j"
    "\n";

std::string allOutputs() {
    std::string all = runCommand({"batch"}, kRequests).out;
    const std::vector<std::vector<std::string>> commands{
        {"area", "--gauge", "6/0"},
        {"resistance", "--temperature", "-12.5", "--unit", "F"},
        {"compare", "--unit", "inches"},
        {"conduit", "--inches", "--size", "1 1/2", "--cable", "0.25"},
        {"drop", "--length", "1234.5", "--feet"},
        {"size", "--length", "2500", "--current", "400", "--phase", "three", "--volts", "480"},
    };
    for (const auto& command : commands) {
        const CliRun run = runCommand(command);
        EXPECT_EQ(run.status, kExitOk) << run.err;
        all += run.out;
    }
    return all;
}

class GermanLocale : public testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, kGerman) == nullptr && !generateLocale()) {
            GTEST_SKIP() << kGerman << " is not installed and could not be generated here; "
                         << "install it (locale-gen) to run this test";
        }
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }

private:
    // Builds the locale into a folder beside the test and points the C library at it, so
    // the test needs no change to the system.
    static bool generateLocale() {
        namespace fs = std::filesystem;
        const fs::path folder = fs::current_path() / "locale";
        if (!fs::exists(folder / kGerman)) {
            fs::create_directories(folder);
            const std::string command =
                "localedef -i de_DE -f UTF-8 '" + (folder / kGerman).string() + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) != 0) return false;
        }
        ::setenv("LOCPATH", folder.c_str(), 1);
        return std::setlocale(LC_ALL, kGerman) != nullptr;
    }
};

TEST_F(GermanLocale, OutputIsTheSameAsUnderC) {
    const std::string underC = allOutputs();
    ASSERT_NE(underC.find("151.45630597"), std::string::npos) << underC;

    std::locale::global(std::locale(kGerman));  // sets the C library's locale too
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(allOutputs(), underC);
}

}  // namespace
}  // namespace ferrovolt
