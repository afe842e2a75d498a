// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/code_fields.h"
#include "codes/code_registry.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace ferrovolt {

std::span<const CheckField* const> everyCircuitField() {
    static const std::vector<const CheckField*> fields = [] {
        std::vector<const CheckField*> all;
        for (const CircuitCode* code : circuitCodes())
            for (const CheckField& field : code->fields())
                if (std::none_of(all.begin(), all.end(),
                                 [&](const CheckField* f) { return f->key == field.key; }))
                    all.push_back(&field);
        return all;
    }();
    return fields;
}

CheckRefusal notOfCode(const Check& code, std::string_view key) {
    std::string owners;
    for (const CircuitCode* other : circuitCodes())
        if (other->field(key) != nullptr)
            (owners += owners.empty() ? "" : " and ") += other->name();
    return {key, (owners.empty() ? std::string("is not an input") : "is an input of " + owners) +
                     ", not of " + std::string(code.name())};
}

CheckRefusal unknownCode(std::string_view text) {
    std::string codes;
    for (const CircuitCode* code : circuitCodes())
        (codes += codes.empty() ? "" : ",") += code->key();
    return {"code", "\"" + std::string(text) + "\" is not one of " + codes};
}

CheckCase& freshCheckCase(const Check& check) {
    thread_local std::map<const Check*, std::unique_ptr<CheckCase>> cases;
    std::unique_ptr<CheckCase>& kept = cases[&check];
    if (kept == nullptr)
        kept = check.newCheckCase();
    else
        kept->reset();
    return *kept;
}

CircuitCase& freshCase(const CircuitCode& code) {
    // A code's cases are made by its newCase().
    return static_cast<CircuitCase&>(freshCheckCase(code));
}

}  // namespace ferrovolt
