#include "cli/json_answer.h"

#include <nlohmann/json.hpp>

namespace ferrovolt {

namespace {

// Keeps the window's row order in the answer, which a reader comparing lines expects.
using OrderedJson = nlohmann::ordered_json;

void appendDump(std::string& out, const OrderedJson& value) {
    out += value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void appendAnswer(std::string& out, const Outcome& outcome) {
    OrderedJson answer;
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        answer["refused"] = fieldName(refusal->field);
    } else {
        OrderedJson outputs = OrderedJson::object();
        for (const OutputRow& row : std::get<Outputs>(outcome)) outputs[row.name] = row.text;
        answer["outputs"] = std::move(outputs);
    }
    appendDump(out, answer);
}

void appendError(std::string& out, std::string_view message) {
    OrderedJson answer;
    answer["error"] = message;
    appendDump(out, answer);
}

}  // namespace ferrovolt
