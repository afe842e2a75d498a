// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the command line in this process, as `ferrovolt-calc ARGS < input` would.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace ferrovolt {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCommand(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "ferrovolt-calc");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

// The answers as they were before they listed their "rows": the tests of the "outputs"
// contract compare with this, each line's rows taken out.
inline std::string outputsOnly(std::string text) {
    const std::string rows = ",\"rows\":[";
    for (auto start = text.find(rows); start != std::string::npos; start = text.find(rows, start)) {
        auto end = start + rows.size();
        while (end < text.size() &&
               !(text[end] == ']' && (text[end - 1] == '}' || text[end - 1] == '[')))
            ++end;
        text.erase(start, end + 1 - start);
    }
    return text;
}

}  // namespace ferrovolt
