// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole of `ferrovolt-calc` behind its main(): option parsing, the subcommands and
// their output. Taking the streams lets the tests run it without a process.

#include <functional>
#include <iosfwd>

namespace CLI {
class App;
}

namespace ferrovolt {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;      // a calculator refused an input
inline constexpr int kExitUsage = 2;        // bad command-line input
inline constexpr int kExitWriteFailed = 3;  // the output could not be written

// Given `inspect`, runCli hands it the app with every command and option declared and
// returns without parsing: the shell completions are generated from it.
using CliInspector = std::function<void(const CLI::App& app)>;

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, const CliInspector& inspect = {});

}  // namespace ferrovolt
