#pragma once

// The whole of `ferrovolt-calc` behind its main(): option parsing, the subcommands and
// their output. Taking the streams lets the tests run it without a process.

#include <iosfwd>

namespace ferrovolt {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;      // a calculator refused an input
inline constexpr int kExitUsage = 2;        // bad command-line input
inline constexpr int kExitWriteFailed = 3;  // the output could not be written

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace ferrovolt
