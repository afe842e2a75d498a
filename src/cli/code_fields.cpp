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

std::optional<std::size_t> fieldOfKey(const CircuitCode& code, std::string_view key) {
    if (std::optional<std::size_t> own = code.fieldIndex(key)) return own;
    const std::span<const CheckField> fields = code.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!fields[i].alias.empty() && fields[i].alias == key) return i;
    return std::nullopt;
}

CheckRefusal GivenKeys::named(const CircuitCode& code, CheckRefusal refusal) const {
    const std::optional<std::size_t> field = code.fieldIndex(refusal.field);
    if (!field) return refusal;
    std::optional<std::string_view> as;
    for (const auto& [index, key] : m_keys)
        if (index == *field) as = key;  // the last given is the one set
    if (as) refusal.field = *as;
    return refusal;
}

CheckRefusal notOfCode(const CircuitCode& code, std::string_view key) {
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

CircuitCase& freshCase(const CircuitCode& code) {
    thread_local std::map<const CircuitCode*, std::unique_ptr<CircuitCase>> cases;
    std::unique_ptr<CircuitCase>& kept = cases[&code];
    if (kept == nullptr)
        kept = code.newCase();
    else
        kept->reset();
    return *kept;
}

}  // namespace ferrovolt
