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
    // {"refused":FIELD} or {"error":"..."}. An empty line is answered with an error too, so
    // that answer n always belongs to line n.
    void answer(std::string_view line, std::string& out);

private:
    const Tables& m_tables;
    FlatRequest m_request;
};

// One line answered on its own, as BatchAnswerer::answer.
void answerRequest(const Tables& tables, std::string_view line, std::string& out);

// Answers every line of `in` on `out`; returns how many lines were answered.
std::size_t runBatch(const Tables& tables, std::istream& in, std::ostream& out);

}  // namespace ferrovolt
