// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The accepted texts that `ferrovolt-calc list` prints, one per line.

#include <string>
#include <string_view>
#include <vector>

#include "tables/tables.h"

namespace ferrovolt {

// The topics, in the order the help names them: the calculators', then those the checks'
// fields list their entries under (the fill's, then each circuit code's, in their fields'
// order).
std::vector<std::string_view> listTopics();

// The texts of a topic; a check's field's entries as "key: what it is" where the words do not
// begin with the key (the reference methods' do); conduit sizes in the inch column when
// `inches`. Empty for an unknown topic.
std::vector<std::string> listTexts(const Tables& tables, std::string_view topic, bool inches);

}  // namespace ferrovolt
