// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <istream>
#include <limits>
#include <memory>
#include <ostream>

#include "cli/circuit_json.h"
#include "cli/command.h"
#include "cli/fill_json.h"
#include "cli/json_answer.h"
#include "cli/outputs.h"
#include "cli/project_command.h"
#include "cli/request_fields.h"

namespace ferrovolt {

namespace {

// "field \"calc\" is out of range: it must be one of \"area_weight\", ..., \"circuit\"".
std::string unknownCalcMessage() {
    std::string message = "field \"calc\" is out of range: it must be one of ";
    for (const Command* command : calculatorCommands())
        message.append("\"").append(command->description().request).append("\", ");
    return message + "\"" + std::string(kCircuitRequest) + "\", \"" + std::string(kFillRequest) +
           "\", \"" + std::string(kProjectRequest) + "\"";
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

void BatchAnswerer::answer(std::string_view line, std::string& out) {
    // The reader takes no NUL byte and no blank line for an object, so a line read as one
    // holds neither; the others are looked at before they are answered.
    const FlatRequest::Status status = m_request.read(line);
    if (status != FlatRequest::Status::Object) {
        if (line.find('\0') != std::string_view::npos)
            return appendError(out, "NUL byte in the line");
        if (isBlank(line)) return appendError(out, "empty line");
    }
    switch (status) {
        case FlatRequest::Status::NotJson:
            return appendError(out, "not valid JSON");
        case FlatRequest::Status::NumberOutOfRange:
            return appendError(out, m_request.outOfRangeMessage());
        case FlatRequest::Status::NotObject:
            return appendError(out, "the request must be a JSON object");
        case FlatRequest::Status::Object:
            break;
    }

    RequestFields fields(m_request);
    const std::string_view name = fields.text("calc");
    if (!fields.ok()) return appendError(out, fields.error());
    if (name == kCircuitRequest) return appendCircuitRequest(out, m_request);
    if (name == kFillRequest) return appendFillRequest(out, m_request);
    if (name == kProjectRequest) return appendProjectRequest(out, line);
    const Command* command = commandForRequest(name);
    if (command == nullptr) {
        static const std::string unknown = unknownCalcMessage();
        return appendError(out, unknown);
    }
    Inputs inputs(command->description());
    if (!command->read(m_tables, fields, inputs)) return appendError(out, fields.error());
    command->answer(m_tables, inputs, out);
}

void answerRequest(const Tables& tables, std::string_view line, std::string& out) {
    BatchAnswerer(tables).answer(line, out);
}

std::size_t runBatch(const Tables& tables, std::istream& in, std::ostream& out,
                     std::size_t maxLineBytes) {
    // Answers are gathered and written in large blocks; a flush per line would cost more
    // than the computation.
    constexpr std::size_t kBlock = 1 << 16;
    std::string answers;
    answers.reserve(kBlock + 4096);
    BatchAnswerer answerer(tables);
    // One byte more than a line may hold, to tell a full line from a longer one, and one for
    // the terminating NUL that getline writes.
    const std::size_t size = maxLineBytes + 2;
    const auto line = std::make_unique_for_overwrite<char[]>(size);
    const auto room = static_cast<std::streamsize>(size);
    std::size_t count = 0;
    for (;;) {
        in.getline(line.get(), room);
        const auto read = static_cast<std::size_t>(in.gcount());
        // Every line read counts its line break, so nothing read is the end (or a failure).
        if (read == 0 || in.bad()) break;
        // A full buffer without the line break sets failbit: the line goes on.
        const bool cutShort = in.fail() && !in.eof();
        const bool ended = !in.fail() && !in.eof();  // the line break was read and counted
        const std::size_t length = read - (ended ? 1 : 0);
        if (cutShort || length > maxLineBytes) {
            if (cutShort) {
                in.clear();
                in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
                if (in.bad()) break;
            }
            appendError(answers, "line too long");
        } else {
            answerer.answer(std::string_view(line.get(), length), answers);
        }
        answers += '\n';
        ++count;
        if (answers.size() >= kBlock) {
            out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
            answers.clear();
        }
        if (in.eof()) break;
    }
    out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    out.flush();
    return count;
}

}  // namespace ferrovolt
