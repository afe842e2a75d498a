// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help of `ferrovolt-calc batch`: every request and its fields, from the calculators'
// descriptions.

#include <string>

namespace ferrovolt {

std::string batchRequestsHelp();

}  // namespace ferrovolt
