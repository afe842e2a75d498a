// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/command.h"
#include "cli/json_answer.h"
#include "cli/outputs.h"

namespace ferrovolt {

// A command whose answer is one calculator's result, from `Derived::calc(tables, inputs)`:
// the printed rows and the batch answer are made from the same call.
template <typename Derived>
class ResultCommand : public Command {
public:
    using Command::Command;

    Outcome compute(const Tables& tables, const Inputs& in) const final {
        return outcomeOf(self().calc(tables, in));
    }

    void answer(const Tables& tables, const Inputs& in, std::string& out) const final {
        appendAnswerOf(out, self().calc(tables, in));
    }

private:
    const Derived& self() const { return static_cast<const Derived&>(*this); }
};

}  // namespace ferrovolt
