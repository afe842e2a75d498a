// SPDX-License-Identifier: GPL-3.0-or-later
// The batch reader of ferrovolt-calc with any bytes: every line gets exactly one answer
// line, valid JSON with exactly one of "outputs" (with its "rows"), "refused" or "error"; outputs
// carry only the names of their calculator with texts the core can write; a refusal names a real
// field; a line with a NUL byte is an error, a line past the length limit "line too long".
// The request reader agrees with nlohmann's SAX reader (sax_request.h) on every line: whether
// it is JSON, an object or holds a number out of range, and each member's name, kind and value.
// Any text is written as a JSON string as nlohmann writes it, and an answer of any texts is the
// same whether its texts are copied as they stand or escaped piece by piece.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "check/circuit_code.h"
#include "cli/batch.h"
#include "cli/command.h"
#include "cli/json_answer.h"
#include "cli/json_rows.h"
#include "cli/request_fields.h"
#include "codes/code_registry.h"
#include "fuzz_support.h"
#include "result_forms.h"
#include "sax_request.h"

namespace {

using namespace ferrovolt;
using fuzz::require;

const std::set<std::string, std::less<>> kFieldNames{
    "gauge",   "standard", "material", "temperature", "length",
    "current", "supply",   "volts",    "size",        "cable"};

// The output names of each calculator, in the order the answers list them.
const std::vector<std::pair<std::string, std::vector<std::string>>> kOutputNames{
    {"area_weight",
     {"Dia_mm", "Dia_inch", "Area_mm", "Area_inches", "Area_mils", "Pounds", "Kilos"}},
    {"resistance",
     {"Kilo_mtr", "Kilo_Km", "Pounds_f", "Ohms_mtr", "Ohms_km", "Ohms_mile", "Ohms_Kf", "Ohms_f"}},
    {"compare",
     {"lblGauge", "lblGaugeArray(0)", "lblGaugeArray(1)", "lblGaugeArray(2)", "lblGaugeArray(3)",
      "lblGaugeArray(4)"}},
    {"gauge_area", {"area"}},
    {"conduit", {"CondArea", "UseableArea", "CableArea", "CableQty"}},
    {"voltage_drop", {"lblDrop", "lblVoltsOut", "lblPCdrop", "lblCMA"}},
    {"conductor_size", {"lblCmils", "lblMinAWG", "lblMinMetric", "lblNomMetric"}},
};

// Whether a key is an input of some code, or the code itself.
bool circuitInput(const std::string& key) {
    if (key == "code") return true;
    for (const CircuitCode* code : circuitCodes())
        if (code->field(key) != nullptr) return true;
    return false;
}

// The code an answer names in its "code" row.
const CircuitCode* answeringCode(const nlohmann::ordered_json& json) {
    for (const CircuitCode* code : circuitCodes())
        if (json.contains("code") && json["code"] == code->name()) return code;
    return nullptr;
}

// The circuit check answers its own object: every result row of its code and the trail, or
// a refusal naming one of the codes' declared inputs with the reason.
void checkCircuitAnswer(const nlohmann::ordered_json& json, const std::string& answer) {
    if (json.contains("error")) {
        require(json.size() == 1 && json["error"].is_string(), "a malformed error", answer);
        return;
    }
    if (json.contains("refused")) {
        // A refusal of one wire or cable entry names it as well.
        const bool entry = json.contains("entry");
        require(json.size() == (entry ? 3U : 2U) && json["refused"].is_string() &&
                    (!entry || json["entry"].is_string()) && json["reason"].is_string() &&
                    !json["reason"].get<std::string>().empty() &&
                    circuitInput(json["refused"].get<std::string>()),
                "a circuit refusal names no input", answer);
        return;
    }
    const CircuitCode* code = answeringCode(json);
    require(code != nullptr, "a circuit answer names no code", answer);
    // A row of one kind of load (a motor's) is there with the others of that kind, or none.
    std::map<std::string_view, bool> kinds;
    for (const CheckRow& row : code->rows()) {
        if (row.when.empty()) {
            require(json.contains(row.key), "a circuit answer lacks a row", answer);
            continue;
        }
        const auto [kind, first] = kinds.try_emplace(row.when, json.contains(row.key));
        require(first || kind->second == json.contains(row.key),
                "a circuit answer has some of a load's rows only", answer);
    }
    require(json["size"].is_string() && json["trail"].is_array() && !json["trail"].empty(),
            "a circuit answer without size or trail", answer);
}

// The conduit fill answers its own object too: the answer with its trail, or a refusal naming
// one of its fields with the reason.
void checkFillAnswer(const nlohmann::ordered_json& json, const std::string& answer) {
    if (json.contains("error")) {
        require(json.size() == 1 && json["error"].is_string(), "a malformed error", answer);
        return;
    }
    if (json.contains("refused")) {
        static const std::set<std::string> fields{"raceway", "size", "wire", "cable", "conductors"};
        // A refusal of one wire or cable entry names it as well.
        const bool entry = json.contains("entry");
        require(json.size() == (entry ? 3U : 2U) && json["refused"].is_string() &&
                    (!entry || json["entry"].is_string()) && json["reason"].is_string() &&
                    !json["reason"].get<std::string>().empty() &&
                    fields.contains(json["refused"].get<std::string>()),
                "a fill refusal names no field", answer);
        return;
    }
    for (const char* key : {"raceway", "trade_size", "metric_designator", "conductors",
                            "total_area_in2", "allowed_area_in2", "allowed_percent", "fill_percent",
                            "fits", "max_same", "rule", "warnings", "trail"})
        require(json.contains(key), "a fill answer lacks a key", answer);
    require(json["trail"].is_array() && !json["trail"].empty(), "a fill answer without a trail",
            answer);
}

// A project is answered as one object with exactly one of its outputs (`project check
// --json`'s object), a refusal naming a JSON path in the request's project with the reason, or
// an error.
void checkProjectAnswer(const nlohmann::ordered_json& json, const std::string& answer) {
    require(json.is_object() && json.size() >= 1, "a project answer is not an object", answer);
    const int kinds = static_cast<int>(json.contains("outputs")) +
                      static_cast<int>(json.contains("refused")) +
                      static_cast<int>(json.contains("error"));
    require(kinds == 1, "a project answer without exactly one of outputs, refused, error", answer);
    if (json.contains("error")) {
        require(json.size() == 1 && json["error"].is_string(), "a malformed error", answer);
        return;
    }
    if (json.contains("refused")) {
        require(json.size() == 2 && json["refused"].is_string() &&
                    json["refused"].get<std::string>().starts_with("/project") &&
                    json["reason"].is_string() && !json["reason"].get<std::string>().empty(),
                "a project refusal names no path", answer);
        return;
    }
    const nlohmann::ordered_json& outputs = json["outputs"];
    require(json.size() == 1 && outputs.is_object() && outputs["nodes"].is_array() &&
                !outputs["nodes"].empty() && outputs["nodes"][0]["kind"] == "supply",
            "project outputs without the supply's node", answer);
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameValue(const RequestValue& got, const fuzz::SaxMember& want) {
    using Kind = RequestValue::Kind;
    return got.kind == Kind::Bool ? got.flag == want.value.flag
           : got.kind == Kind::Integer
               ? got.integer == want.value.integer && sameBits(got.number, want.value.number)
           : got.kind == Kind::Fraction ? sameBits(got.number, want.value.number)
           : got.kind == Kind::Text     ? got.text == want.text
                                        : true;
}

void checkReader(FlatRequest& request, std::string_view line) {
    using Status = FlatRequest::Status;
    const Status status = request.read(line);
    const fuzz::SaxRequest expected = fuzz::readWithSax(line);
    require(status == expected.status, "the reader and nlohmann's take the line otherwise", line);
    if (status == Status::NumberOutOfRange) {
        const std::string message = expected.outOfRangeField.empty()
                                        ? "a number in the request is out of range"
                                        : "field \"" + expected.outOfRangeField +
                                              "\" is out of range: the number is too large";
        require(request.outOfRangeMessage() == message, "another field out of range", line);
    }
    if (status != Status::Object && status != Status::NumberOutOfRange) return;
    const auto members = request.members();
    require(members.size() == expected.members.size(), "members read differ in number", line);
    for (std::size_t i = 0; i < members.size(); ++i) {
        const RequestValue& got = members[i].value;
        const fuzz::SaxMember& want = expected.members[i];
        require(members[i].name == want.name && got.kind == want.value.kind,
                "a member's name or kind differs", line);
        require(sameValue(got, want), "a member's value differs", line);
        require(got.array == want.value.array, "an array member is read otherwise", line);
        if (got.array) {
            const auto items = request.items(got);
            require(items.size() == want.items.size(), "an array's elements differ in number",
                    line);
            for (std::size_t k = 0; k < items.size(); ++k)
                require(
                    items[k].kind == want.items[k].value.kind && sameValue(items[k], want.items[k]),
                    "an array's element differs", line);
        }
        // Looked for from any member, a name finds the member that counts: its last.
        std::size_t next = (i * 7 + line.size()) % (members.size() + 1);
        require(request.find(members[i].name, next) == request.find(members[i].name),
                "a name looked for from a member finds another", line);
    }
}

// The line as a JSON string, and as the texts of every calculator's rows.
void checkWriter(std::string_view line) {
    std::string written;
    appendString(written, line);
    require(written ==
                nlohmann::json(line).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
            "a text written otherwise than nlohmann writes it", written);
    for (const Command* command : calculatorCommands()) {
        Outputs outputs(command->description());
        std::size_t start = 0;
        for (std::size_t i = 0; i < command->description().rows.size(); ++i) {
            const std::size_t end = std::min(line.size(), start + i % 3 * 4 + 3);
            if (i % 2 == 0)
                outputs.push(std::string(line.substr(start, end - start)));
            else
                outputs.push(std::string(line.substr(start, end - start)), line.substr(0, i));
            start = end;
        }
        std::string fast;
        std::string escaped;
        appendOutputs(fast, outputs);
        appendOutputsEscaped(escaped, outputs);
        require(fast == escaped, "an answer written two ways differs", fast);
    }
}

void checkAnswer(std::string_view line, const std::string& answer) {
    require(answer.find('\n') == std::string::npos, "an answer spans lines", answer);
    if (const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        request.is_object() && request.contains("calc") && request["calc"] == "circuit") {
        const auto json = nlohmann::ordered_json::parse(answer, nullptr, false);
        require(!json.is_discarded() && json.is_object(), "an answer is not a JSON object", answer);
        return checkCircuitAnswer(json, answer);
    }
    if (const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        request.is_object() && request.contains("calc") && request["calc"] == "project") {
        const auto json = nlohmann::ordered_json::parse(answer, nullptr, false);
        require(!json.is_discarded(), "an answer is not JSON", answer);
        return checkProjectAnswer(json, answer);
    }
    if (const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        request.is_object() && request.contains("calc") && request["calc"] == "fill") {
        const auto json = nlohmann::ordered_json::parse(answer, nullptr, false);
        require(!json.is_discarded() && json.is_object(), "an answer is not a JSON object", answer);
        return checkFillAnswer(json, answer);
    }
    // Ordered, to see the outputs in the order the answer writes them.
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(answer, nullptr, false);
    const bool withRows =
        json.is_object() && json.size() == 2 && json.contains("outputs") && json.contains("rows");
    require(!json.is_discarded() && json.is_object() && (json.size() == 1 || withRows),
            "an answer is not one JSON object with one member, or outputs with rows", answer);
    const std::string key = json.begin().key();
    const nlohmann::ordered_json& value = json.begin().value();
    if (key == "error") {
        require(value.is_string() && !value.get<std::string>().empty(), "an error without text",
                answer);
        return;
    }
    if (key == "refused") {
        require(value.is_string() && kFieldNames.count(value.get<std::string>()) == 1,
                "a refusal names no input", answer);
        return;
    }
    require(key == "outputs" && value.is_object(), "an answer of unknown kind", answer);
    // Outputs come only for a request that is a JSON object naming its calculator.
    const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
    require(request.is_object() && request.contains("calc") && request["calc"].is_string(),
            "outputs for a request without calc", answer);
    const std::string calc = request["calc"].get<std::string>();
    const std::vector<std::string>* names = nullptr;
    for (const auto& [name, list] : kOutputNames)
        if (name == calc) names = &list;
    require(names != nullptr, "outputs for an unknown calc", answer);
    require(value.size() == names->size(), "outputs of another calculator", answer);
    std::size_t i = 0;
    for (const auto& [name, text] : value.items()) {
        require(text.is_string(), "an output that is not a text", answer);
        require(name == (*names)[i++], "outputs out of order or misnamed", answer);
    }
    for (const auto& name : *names) {
        fuzz::requireLabelText(name, value[name].get<std::string>());
    }
    // The rows repeat the outputs' texts in their order, each with its number or null.
    const nlohmann::ordered_json& rows = json["rows"];
    require(rows.is_array() && rows.size() == names->size(), "rows unlike the outputs", answer);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        require(rows[r]["text"] == value[(*names)[r]], "a row's text unlike its output", answer);
        require(rows[r]["value"].is_null() || rows[r]["value"].is_number(),
                "a row's value is neither a number nor null", answer);
    }
    if (calc == "conductor_size") {
        const std::string group = testing::sizingGroupFault(
            value["lblMinAWG"].get<std::string>(), value["lblMinMetric"].get<std::string>(),
            value["lblNomMetric"].get<std::string>());
        require(group.empty(), "sizing texts do not stand together", group);
    }
}

// A request that reaches its calculator is answered from its result in place as `--json`
// writes it from the outcome.
void checkAnswerInPlace(FlatRequest& request, std::string_view line, const std::string& answer) {
    if (request.read(line) != FlatRequest::Status::Object) return;
    RequestFields fields(request);
    const Command* command = commandForRequest(fields.text("calc"));
    if (command == nullptr) return;
    Inputs inputs(command->description());
    if (!command->read(fuzz::tables(), fields, inputs)) return;
    std::string outcome;
    appendAnswer(outcome, command->compute(fuzz::tables(), inputs));
    require(answer == outcome, "an answer written in place differs from its outcome's", answer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const Tables& t = fuzz::tables();

    // Line by line, as answerRequest sees them; one reader for all, as batch reuses it.
    static FlatRequest request;
    std::vector<std::string_view> lines;
    std::vector<std::string> answers;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        std::string first;
        std::string second;
        answerRequest(t, line, first);
        answerRequest(t, line, second);
        require(first == second, "same line, other answer", first);
        // nlohmann's reader ends the text at a NUL byte; batch answers such a line unread.
        if (line.find('\0') == std::string_view::npos) checkReader(request, line);
        checkWriter(line);
        checkAnswer(line, first);
        checkAnswerInPlace(request, line, first);
        // Whatever follows a NUL byte counts: such a line is never answered as a request.
        if (line.find('\0') != std::string_view::npos)
            require(first.rfind("{\"error\":", 0) == 0, "a line with a NUL byte answered", first);
        lines.push_back(line);
        answers.push_back(std::move(first));
        start = end + 1;
    }

    // The whole input as a stream, with the 1 MiB line limit and with a small one so that
    // long lines are met: one answer line per request line, in order, a line past the limit
    // answered "line too long" and the others as on their own.
    for (const std::size_t limit : {kMaxLineBytes, std::size_t{64}}) {
        std::istringstream in{std::string(input)};
        std::ostringstream out;
        const std::size_t answered = runBatch(t, in, out, limit);
        require(answered == lines.size(), "lines answered differ from lines read",
                std::to_string(answered));
        std::istringstream text(out.str());
        std::string answer;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            require(static_cast<bool>(std::getline(text, answer)), "an answer line is missing",
                    std::to_string(i));
            const std::string expected =
                lines[i].size() > limit ? R"j({"error":"line too long"})j" : answers[i];
            require(answer == expected, "the stream answers a line otherwise", answer);
        }
        require(!std::getline(text, answer), "more answer lines than request lines", answer);
    }
    return 0;
}
