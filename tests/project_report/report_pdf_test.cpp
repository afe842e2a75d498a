// SPDX-License-Identifier: GPL-3.0-or-later
// `project report` read back from its PDF by poppler-utils: the schedule of a 300-circuit
// project row by row in the tree's order under a header on every page, "Page N of M" on each
// page; each cable's sheet on a new page; the document's information and the embedded face;
// the exit statuses; the diagram as SVG; and a cancelled report that leaves no file.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

#include "../cli/cli_run.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project_report/project_report.h"

namespace ferrovolt {
namespace {

std::filesystem::path temporary(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("ferrovolt-report-" + std::to_string(getpid()) + "-" + name);
}

std::string written(const std::string& name, const std::string& text) {
    const auto path = temporary(name);
    std::ofstream(path) << text;
    return path.string();
}

bool hasTool(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    pclose(pipe);
    return text;
}

std::vector<std::string> pagesOf(const std::string& pdf) {
    std::vector<std::string> pages;
    std::istringstream text(output("pdftotext -layout '" + pdf + "' -"));
    for (std::string page; std::getline(text, page, '\f');) pages.push_back(page);
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos)
        pages.pop_back();
    return pages;
}

int pdfPages(const std::string& pdf) {
    const std::string info = output("pdfinfo '" + pdf + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

#define REQUIRE_POPPLER()                                                     \
    if (!hasTool("pdftotext") || !hasTool("pdfinfo") || !hasTool("pdffonts")) \
    GTEST_SKIP() << "poppler-utils is not installed (scripts/install_deps.sh installs it)"

// 300 circuits C001 to C300 on three panels under a main board at the terminals, every
// seventh too long for its 12 AWG at 16 A, so that it fails on the drop.
std::string generated300() {
    std::string text =
        R"({"format":"ferrovolt-project","version":1,"project":{"name":"Plant 300",)"
        R"("reference":"PR-300","engineer":"A. Engineer"},"code":"nec2023","supply":{"transformer":)"
        R"({"kva":1500,"percent_z":5.75,"x_r":6,"secondary_volts":480}},"boards":[)"
        R"({"id":"MDP","fed_from":"supply","cable":null})";
    for (int p = 1; p <= 3; ++p)
        text += R"(,{"id":"P)" + std::to_string(p) +
                R"(","fed_from":"MDP","cable":{"length":80,"feet":true,"phase":"three",)"
                R"("volts":480,"raceway":"steel","sets":2,"size":"500"}})";
    text += R"(],"circuits":[)";
    for (int c = 1; c <= 300; ++c) {
        char id[8];
        std::snprintf(id, sizeof id, "C%03d", c);
        text += std::string(c > 1 ? "," : "") + R"({"id":")" + id + R"(","board":"P)" +
                std::to_string(1 + c % 3) + R"(","cable":{"current":16,"length":)" +
                (c % 7 == 0 ? "400" : "60") +
                R"(,"feet":true,"volts":277,"raceway":"steel","size":"12"}})";
    }
    return text + "]}";
}

// The chain of the project tests: a board that fails its breaking capacity, one circuit.
const std::string kChain =
    R"({"format":"ferrovolt-project","version":1,"project":{"name":"Chain","reference":"CH-1",)"
    R"("engineer":"A. Engineer"},"code":"nec2023",)"
    R"("supply":{"transformer":{"kva":500,"percent_z":5.75,"x_r":5,"secondary_volts":480},"infinite_bus":true},)"
    R"("boards":[{"id":"SDB","fed_from":"supply","cable":{"length":100,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"4/0"},"breaking_capacity_ka":5}],)"
    R"("circuits":[{"id":"C1","board":"SDB","cable":{"current":20,"length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel","size":"10"}}]})";

TEST(ReportPdf, SchedulesEveryCableInOrderOnNumberedPages) {
    REQUIRE_POPPLER();
    const std::string project = written("plant300.fvproj", generated300());
    const std::string pdf = temporary("schedule.pdf").string();
    const CliRun run =
        runCommand({"project", "report", project, "-o", pdf, "--sections", "schedule"});
    ASSERT_EQ(run.status, 0) << run.err;

    // The tree's order, as `project schedule` writes it.
    std::vector<std::string> expected;
    std::istringstream csv(runCommand({"project", "schedule", project}).out);
    std::string line;
    std::getline(csv, line);
    while (std::getline(csv, line)) expected.push_back(line.substr(0, line.find(',')));
    ASSERT_EQ(expected.size(), 303U);  // 3 feeders and 300 circuits

    const std::vector<std::string> pages = pagesOf(pdf);
    const int count = pdfPages(pdf);
    ASSERT_EQ(static_cast<int>(pages.size()), count);
    ASSERT_GT(count, 1);
    std::vector<std::string> read;
    std::vector<std::size_t> rowsOnPage;
    for (int p = 0; p < count; ++p) {
        const std::string& page = pages[static_cast<std::size_t>(p)];
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_NE(page.find("Page " + std::to_string(p + 1) + " of " + std::to_string(count)),
                  std::string::npos);
        EXPECT_NE(page.find("Governed by"), std::string::npos);  // the header, on every page
        EXPECT_NE(page.find("Reference PR-300"), std::string::npos);
        std::istringstream lines(page);
        std::size_t rows = 0;  // in lines of text: a verdict that runs on takes two
        for (std::string l; std::getline(lines, l);) {
            const std::string first = l.substr(0, l.find(' '));
            if ((first.size() == 4 && first[0] == 'C') || (first.size() == 2 && first[0] == 'P')) {
                read.push_back(first);
                ++rows;
            } else if (l.find("cumulative voltage drop") != std::string::npos) {
                ++rows;
            }
        }
        rowsOnPage.push_back(rows);
    }
    EXPECT_EQ(read, expected);
    // A row is never split, so a page ends a line short of the fullest at most; and no page
    // more than the rows need.
    const std::size_t fullest = *std::max_element(rowsOnPage.begin(), rowsOnPage.end());
    std::size_t lines = 0;
    for (std::size_t p = 0; p < rowsOnPage.size(); ++p) {
        lines += rowsOnPage[p];
        if (p + 1 < rowsOnPage.size()) {
            EXPECT_GE(rowsOnPage[p] + 1, fullest) << "page " << p + 1;
        }
    }
    EXPECT_GT(lines, (static_cast<std::size_t>(count) - 1) * (fullest - 1));
    // C007 is 400 ft of 12 AWG at 16 A on 277 V: past the drop limit.
    const auto c007 = std::find_if(pages.begin(), pages.end(), [](const std::string& p) {
        return p.find("C007") != std::string::npos;
    });
    ASSERT_NE(c007, pages.end());
    const std::string row = c007->substr(c007->find("C007"), 200);
    EXPECT_NE(row.substr(0, row.find('\n')).find("fails: voltage drop"), std::string::npos) << row;
}

TEST(ReportPdf, StartsEachCablesSheetOnANewPage) {
    REQUIRE_POPPLER();
    const std::string pdf = temporary("sheets.pdf").string();
    const CliRun run = runCommand({"project", "report", written("chain.fvproj", kChain), "-o", pdf,
                                   "--sections", "cover,sheets", "--paper", "letter"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> pages = pagesOf(pdf);
    ASSERT_EQ(static_cast<int>(pages.size()), pdfPages(pdf));
    // The cover, then each sheet from the head of a page: the feeder's, then the circuit's.
    std::vector<std::string> firstLines;
    for (const std::string& page : pages) {
        std::istringstream lines(page);
        std::string l;
        std::getline(lines, l);  // the header
        while (std::getline(lines, l) && l.find_first_not_of(' ') == std::string::npos) {
        }
        firstLines.push_back(l.substr(l.find_first_not_of(' ')));
    }
    ASSERT_GE(firstLines.size(), 3U);
    EXPECT_EQ(firstLines[0], "Calculation package");
    const auto starts = [&](const std::string& title) {
        return std::count(firstLines.begin(), firstLines.end(), title);
    };
    EXPECT_EQ(starts("Feeder to board SDB, from supply"), 1);
    EXPECT_EQ(starts("Circuit C1 on board SDB"), 1);
    // The feeder fails NEC 110.9, and the cover counts it; the statement is on the cover.
    EXPECT_NE(pages[0].find("Meet every criterion"), std::string::npos);
    EXPECT_NE(pages[0].find("does not replace"), std::string::npos);
    EXPECT_NE(pages[0].find("1         interrupting rating below the available fault current (NEC "
                            "110.9)"),
              std::string::npos)
        << pages[0];
    const std::string info = output("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
}

TEST(ReportPdf, NamesItselfAndEmbedsTheBundledFace) {
    REQUIRE_POPPLER();
    const std::string pdf = temporary("info.pdf").string();
    const CliRun run = runCommand({"project", "report", written("info.fvproj", kChain), "-o", pdf,
                                   "--paper", "a4", "--sections", "cover"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string info = output("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Title:           Chain: calculation package\n"), std::string::npos)
        << info;
    EXPECT_NE(info.find("Author:          A. Engineer\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Subject:         Cable calculations under NEC 2023\n"), std::string::npos);
    EXPECT_NE(info.find("Creator:         Ferrovolt " FERROVOLT_VERSION "\n"), std::string::npos);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(info.find("(A4)"), std::string::npos);
    // Every face the PDF uses is the bundled one, embedded.
    std::istringstream fonts(output("pdffonts '" + pdf + "'"));
    std::string l;
    std::getline(fonts, l);
    std::getline(fonts, l);
    int faces = 0;
    while (std::getline(fonts, l)) {
        ++faces;
        EXPECT_EQ(l.rfind("LiberationSans", 0), 0U) << l;
        EXPECT_NE(l.find(" yes "), std::string::npos) << l;  // the "emb" column
    }
    EXPECT_EQ(faces, 2);  // regular and bold
}

struct Status {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::string err;  // a part of standard error
};

class ReportStatus : public testing::TestWithParam<Status> {};

TEST_P(ReportStatus, SaysHowItEnded) {
    const Status& c = GetParam();
    const auto out = temporary(c.name + ".pdf");
    std::vector<std::string> args = c.args;
    for (std::string& arg : args)
        if (arg == "OUT") arg = out.string();
    const CliRun run = runCommand(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.err.empty() ? 0 : 1) << run.err;
    EXPECT_EQ(std::filesystem::exists(out), c.status == 0);
}

const std::string kRefused =
    R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"volts":-1}})";

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportStatus,
    testing::Values(
        Status{"Written", {"project", "report", written("ok.fvproj", kChain), "-o", "OUT"}, 0, ""},
        Status{"RefusedFileNamesThePath",
               {"project", "report", written("bad.fvproj", kRefused), "-o", "OUT"},
               1,
               "/supply/volts: must be more than 0"},
        Status{"NoOutput", {"project", "report", written("none.fvproj", kChain)}, 2, "-o OUT.pdf"},
        Status{"UnknownPaper",
               {"project", "report", written("paper.fvproj", kChain), "-o", "OUT", "--paper", "a3"},
               2,
               "--paper: \"a3\" is not a paper: a4 or letter"},
        Status{"UnknownSection",
               {"project", "report", written("sections.fvproj", kChain), "-o", "OUT", "--sections",
                "cover,index"},
               2,
               "--sections: \"cover,index\" is not a list of sections"},
        Status{"FolderMissing",
               {"project", "report", written("folder.fvproj", kChain), "-o",
                "/nonexistent-ferrovolt/out.pdf"},
               3,
               "/nonexistent-ferrovolt/out.pdf cannot be written"}),
    [](const auto& param) { return param.param.name; });

// The diagram as a picture: a box a node, its label as text, the failing board signed.
TEST(ReportSvg, DrawsEveryNodeAndSignsTheFailingOne) {
    const auto svg = temporary("chain.svg");
    const CliRun run =
        runCommand({"project", "report", written("svg.fvproj", kChain), "--svg", svg.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::stringstream text;
    text << std::ifstream(svg).rdbuf();
    const std::string s = text.str();
    EXPECT_EQ(s.rfind("<?xml", 0), 0U);
    const auto count = [&s](const std::string& part) {
        std::size_t n = 0;
        for (auto at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("fill=\"white\" stroke=\"black\""), 3U);  // the supply, SDB and C1
    EXPECT_EQ(count("<title>fails</title>"), 1U);             // SDB: 8.36 kA on a 5 kA board
    EXPECT_NE(s.find(">Board SDB</text>"), std::string::npos);
    EXPECT_NE(s.find("breaking capacity 5 kA TOO LOW</text>"), std::string::npos);
    EXPECT_NE(s.find(">C1  10 AWG · 60 ft · meets all</text>"), std::string::npos);
}

// Cancelled after its first page: the file it would replace is left as it was, and a new
// one is not made.
TEST(ReportLibrary, CancelledLeavesNoFile) {
    const project::Project p = std::get<project::Project>(project::readProject(kChain));
    const project::ProjectAnswer answer = project::checkProject(p);
    const auto kept = temporary("kept.pdf");
    std::ofstream(kept) << "before";
    const auto fresh = temporary("fresh.pdf");
    std::filesystem::remove(fresh);
    int calls = 0;
    for (const auto& path : {kept, fresh}) {
        const package::ReportOutcome outcome = package::writeProjectReport(
            p, answer, {}, QString::fromStdString(path.string()), [&calls](int done, int total) {
                ++calls;
                EXPECT_GT(total, 1);
                return done < 1;
            });
        EXPECT_EQ(outcome.end, package::ReportEnd::Cancelled);
        EXPECT_EQ(outcome.pages, 1);
    }
    EXPECT_EQ(calls, 2);
    std::stringstream text;
    text << std::ifstream(kept).rdbuf();
    EXPECT_EQ(text.str(), "before");
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

}  // namespace
}  // namespace ferrovolt
