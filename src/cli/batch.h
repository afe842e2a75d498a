// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc batch`: JSON Lines in, one JSON Lines answer per line out, in order.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/flat_request.h"
#include "tables/tables.h"

namespace ferrovolt {

// Answers request lines one after the other, reusing its reading buffers.
class BatchAnswerer {
public:
    explicit BatchAnswerer(const Tables& tables) : m_tables(tables) {}

    // Appends the answer to one request line (without its line break): {"outputs":{...}},
    // {"refused":FIELD} or {"error":"..."}. An empty line, and one holding a NUL byte, are
    // answered with an error too, so that answer n always belongs to line n.
    void answer(std::string_view line, std::string& out);

private:
    const Tables& m_tables;
    FlatRequest m_request;
};

// One line answered on its own, as BatchAnswerer::answer.
void answerRequest(const Tables& tables, std::string_view line, std::string& out);

// The longest request line read; a longer one is answered {"error":"line too long"} and
// passed over without being held in memory.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Answers every line of `in` on `out`; returns how many lines were answered. A stream that
// cannot be read is left bad (in.bad()), with the lines before it answered.
std::size_t runBatch(const Tables& tables, std::istream& in, std::ostream& out,
                     std::size_t maxLineBytes = kMaxLineBytes);

}  // namespace ferrovolt
