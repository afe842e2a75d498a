// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc schedule FILE.csv`: a cable schedule, one circuit a row under a header
// naming the inputs, written back with the circuit check's answer in added columns.

#include <iosfwd>
#include <string>

namespace ferrovolt {

// Returns the exit status: 0 every row answered (refused rows included), 2 the file cannot
// be read or is not a schedule, 3 the output could not be written.
int runSchedule(const std::string& path, std::ostream& out, std::ostream& err);

// The same over a schedule's text, for the tests and the benchmark.
int runScheduleText(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace ferrovolt
