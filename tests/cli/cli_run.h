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

}  // namespace ferrovolt
