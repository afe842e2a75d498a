// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ferrovolt {

class SystemServices;

// Returns after the given seconds of the services' clock, processing every window event
// meanwhile, so handlers (even another wait) can run nested inside it; a nested wait that
// outlasts this one makes this one return right after it. Zero or less returns at once and
// processes nothing.
void WaitSeconds(SystemServices& services, float seconds);

}  // namespace ferrovolt
