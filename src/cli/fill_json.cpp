// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fill_json.h"

#include "cli/check_json.h"
#include "fill/fill_case.h"

namespace ferrovolt {

void appendFillRequest(std::string& out, const FlatRequest& request) {
    appendCheckRequest(out, request, fillCheck());
}

}  // namespace ferrovolt
