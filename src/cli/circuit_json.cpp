// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/circuit_json.h"

#include "check/common_fields.h"
#include "check/set_case.h"
#include "cli/code_fields.h"
#include "cli/json_answer.h"
#include "codes/code_registry.h"

namespace ferrovolt {

void appendCircuitRequest(std::string& out, const FlatRequest& request) {
    using Kind = RequestValue::Kind;
    const CircuitCode* code = &defaultCircuitCode();
    if (const RequestValue* member = request.find("code");
        member != nullptr && member->kind != Kind::Null) {
        if (member->kind != Kind::Text) return appendError(out, "field \"code\" must be a string");
        code = circuitCode(member->text);
        if (code == nullptr) return appendCheckRefusal(out, unknownCode(member->text));
    }
    CircuitCase& checked = freshCase(*code);
    // Every code's inputs: one of another code given is refused naming both.
    RequestSource source(request, *code);
    GivenKeys keys;
    std::optional<CheckRefusal> refusal = setCase(checked, everyCircuitField(), source, &keys);
    if (source.error()) return appendError(out, *source.error());
    if (!refusal && (refusal = checked.check())) refusal = keys.named(*code, std::move(*refusal));
    if (refusal) return appendCheckRefusal(out, *refusal);
    appendCheckAnswer(out, checked);
}

}  // namespace ferrovolt
