// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A motor's circuit in the metric check: the design current the motor rules give, and the
// dip while it starts over the source at the origin and the chosen cable. Inside the check
// only.

#include <optional>
#include <variant>

#include "iec60364/iec60364_check.h"

namespace ferrovolt::iec60364::detail {

// The motor's inputs checked and its design current, before any table is read.
std::variant<MotorCircuit, IecRefusal> motorDesign(const IecInputs& in);

// The starting dips over the answer's size, where the source at the origin is known.
std::optional<IecRefusal> motorStart(const IecInputs& in, IecAnswer& a);

}  // namespace ferrovolt::iec60364::detail
