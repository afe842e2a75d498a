// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers built as a JSON document (the circuit check's and the conduit fill's), written as
// one line, any text that is not UTF-8 replaced.

#include <nlohmann/json.hpp>
#include <string>

namespace ferrovolt {

inline void appendJson(std::string& out, const nlohmann::ordered_json& json) {
    out += json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace ferrovolt
