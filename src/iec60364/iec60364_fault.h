// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fault path of the metric circuit check: the protective conductor (IEC 60364-5-54, 543.1)
// and automatic disconnection of supply (IEC 60364-4-41, 411). Inside the check only.

#include <optional>

#include "iec60364/iec60364_check.h"

namespace ferrovolt::iec60364::detail {

// The checks of the fault-path inputs alone, before any table is read.
std::optional<IecRefusal> invalidFaultPath(const IecInputs& in);

// The protective conductor of the answer's size and, with an earthing system, the loop. Where
// the loop needs more than `a.size` (not a given size), the size is raised to the first one
// the ampacity column holds that disconnects in time, governed by the fault loop; where none
// can, the answer fails the fault loop with the reason.
std::optional<IecRefusal> faultPath(const IecInputs& in, IecAnswer& a);

}  // namespace ferrovolt::iec60364::detail
