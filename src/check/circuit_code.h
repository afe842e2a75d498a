// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A code's circuit check: a check (check/check.h) that sizes, answering with a size, the
// criteria it applies and the one that governs, and for a given size the criteria it fails.
// The circuit command, the schedule, the calculation sheet, the Circuit Check window and its
// PDF are written against this alone. A code plugs in by implementing `CircuitCode` and
// `CircuitCase` over its own inputs, tables and rules, and by adding itself to
// `circuitCodes()` (codes/code_registry.h), above every code.

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "check/check.h"
#include "check/hand_on.h"
#include "check/origin.h"

namespace ferrovolt {

// A criterion as the answer names it: "voltage_drop", "voltage drop".
struct CriterionText {
    std::string_view key;
    std::string_view name;
};

class CircuitCode;

// One circuit under a code: a case that answers with a size.
class CircuitCase : public CheckCase {
public:
    virtual const CircuitCode& code() const = 0;
    const Check& of() const final;

    virtual std::string_view sizeLabel() const = 0;
    virtual std::size_t governingRow() const = 0;  // the criterion row that set the size
    virtual bool sizeGiven() const = 0;
    // Whether the answer says if it meets every criterion (meets_all): for a given size, and
    // where a code can find no size that meets one.
    virtual bool hasVerdict() const { return sizeGiven(); }
    virtual std::vector<CriterionText> fails() const = 0;  // the criteria it does not meet
    std::optional<bool> verdict() const final;
    const CircuitCase* sizing() const final { return this; }
    std::string sheet() const override;

    // The installation tree: what the point the cable leaves gives it (its maximum fault
    // current for the short-circuit withstand, its loop as Ze, the drop so far against the
    // limit from the origin), taken at the next check; nothing for a circuit alone.
    virtual void setOrigin(const std::optional<Origin>& origin) { (void)origin; }
    // What the last checked answer hands on at the cable's far end; nothing without an origin
    // or an answer.
    virtual std::optional<CableEnd> atEnd() const { return std::nullopt; }
    // What the last checked answer hands on to the conduit fill (its keys in `keys`): the
    // raceway and the conductors as the fill's field texts; nothing under a code whose answer
    // the fill does not take, or without an answer.
    virtual std::optional<HandOn> fillHandOn() const { return std::nullopt; }
};

// What a feeder of motors carries above its loads' own currents: a share of the largest
// motor's full-load current, by the code's rule.
struct LargestMotorRule {
    double share = 0;         // 0.25: the largest at 125 %
    std::string_view clause;  // "430.24", of the code's own edition
};

class CircuitCode : public Check {
public:
    virtual std::unique_ptr<CircuitCase> newCase() const = 0;
    std::unique_ptr<CheckCase> newCheckCase() const final { return newCase(); }

    // The installation tree sizes a feeder whose loads include motors by this rule; none under
    // a code that sizes a feeder from its loads' currents alone.
    virtual std::optional<LargestMotorRule> largestMotorRule() const { return std::nullopt; }
};

}  // namespace ferrovolt
