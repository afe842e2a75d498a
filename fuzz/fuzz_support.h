// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzz target shares: the filled tables, the input split into fields, and the
// failure that libFuzzer records as a finding (an abort, with the reason on stderr).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/tables.h"

namespace ferrovolt::fuzz {

const Tables& tables();
// The same tables without their derived values: every answer worked out from the texts.
const Tables& exactTables();

// Reports a broken property and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(std::string_view what, std::string_view detail = {});

inline void require(bool holds, std::string_view what, std::string_view detail = {}) {
    if (!holds) fail(what, detail);
}

// The input as text fields, one per line; missing fields read as empty texts.
std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size, std::size_t count);

// A field as a flag: "1" (or any text starting with an odd character) is set.
bool flagOf(std::string_view field);

// A field as any int: its decimal value wrapped to int, 0 when it has none.
int intOf(std::string_view field);

// Aborts when a result label shows a text the core cannot write there.
void requireLabelText(std::string_view label, std::string_view text);

}  // namespace ferrovolt::fuzz
