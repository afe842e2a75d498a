// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A subcommand of the program's one CLI11 app, as the app runs it: every command (the six
// calculators, circuit and schedule, fill, list, batch) registers its options on the app
// and answers when it was the one given.

#include <iosfwd>

#include "tables/tables.h"

namespace ferrovolt {

// What a command runs with.
struct CommandRun {
    const Tables& tables;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

class Subcommand {
public:
    virtual ~Subcommand() = default;
    // Whether the command line named this command.
    virtual bool parsed() const = 0;
    // Answers; returns the exit status.
    virtual int run(const CommandRun& run) const = 0;
};

}  // namespace ferrovolt
