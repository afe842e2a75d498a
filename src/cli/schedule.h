// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc schedule FILE.csv`: a cable schedule, one circuit a row under a header
// naming the inputs, written back with the circuit check's answer in added columns.

#include <iosfwd>
#include <string>
#include <string_view>

namespace ferrovolt {

class CircuitCode;
struct CheckField;

// How a schedule reads one header cell under a code, for every reader of schedules: the input
// the column gives (none for a label or an unknown column), its name as columns are matched
// ("Max-Drop" and "max_drop (%)" are "maxdrop"), why the unit the header gives is not the
// input's (empty when it fits), for a size column whose header gives one of the code's units,
// the unit a bare number in it is read in, and the unit the header gives ("ka" of
// "Breaking capacity (kA)"; empty where none).
struct ScheduleColumn {
    const CheckField* field = nullptr;
    std::string name;
    std::string unitRefusal;
    std::string_view sizeUnit;
    std::string unit;
};
ScheduleColumn scheduleColumn(std::string_view cell, const CircuitCode& code);

// A cell of a size column as its case takes it: a bare number with the column's unit.
std::string scheduleSizeText(std::string_view cell, std::string_view sizeUnit);

// Returns the exit status: 0 every row answered (refused rows included), 2 the file cannot
// be read or is not a schedule, 3 the output could not be written.
int runSchedule(const std::string& path, std::ostream& out, std::ostream& err);

// The same over a schedule's text, for the tests and the benchmark.
int runScheduleText(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace ferrovolt
