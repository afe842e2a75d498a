// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Any check's JSON answer, shared by --json and batch: its rows by key, a sizing case's
// verdict, and the trail, {"row":...,"trail":[{"step":...,"value":...,"source":...},...]};
// or {"refused":FIELD,"entry":ROW,"reason":"..."}; one line without its line break. And a
// batch object read as a source of field texts for setCase.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "check/check.h"
#include "check/field_applies.h"
#include "cli/flat_request.h"

namespace ferrovolt {

// The answer of the case's last check.
void appendCheckAnswer(std::string& out, const CheckCase& checked);
// The refusal; one of a row names the row as it was given ("entry").
void appendCheckRefusal(std::string& out, const CheckRefusal& refusal,
                        std::optional<std::string_view> entry = std::nullopt);

// A batch object's members as field texts: a text as it is, a JSON number by its shortest
// plain decimals (100 and "100" are the same input), true and false for a flag, an array of
// texts for an input of rows. A member of the wrong type, or a required one missing, is an
// error of the request rather than a refusal of the check: `error()` says which.
class RequestSource {
public:
    RequestSource(const FlatRequest& request, const Check& check)
        : m_request(request), m_check(check) {}

    template <class Put>
    std::optional<CheckRefusal> given(const CheckField& field, std::size_t, const Put& put) {
        const RequestValue* member = m_request.find(field.key);
        // setCase hands the check's own declaration where the check takes the key.
        const auto own = [&] { return m_check.fieldOfKey(field.key).has_value(); };
        if (member == nullptr || member->kind == RequestValue::Kind::Null) {
            if (requiredAlways(field) && own())
                return fail("missing field \"" + std::string(field.key) + "\"");
            return std::nullopt;
        }
        if (!own()) return put({});  // refused as another check's input, whatever its type
        if (field.rows) {
            if (!member->array) return fail(mustBe(field, "an array of strings"));
            for (const RequestValue& item : m_request.items(*member)) {
                if (item.kind != RequestValue::Kind::Text)
                    return fail(mustBe(field, "an array of strings"));
            }
            for (const RequestValue& item : m_request.items(*member))
                if (std::optional<CheckRefusal> refusal = put(item.text)) return refusal;
            return std::nullopt;
        }
        const std::optional<std::string_view> text = textOf(field, *member);
        if (!text) return CheckRefusal{};  // the error is kept
        return put(*text);
    }

    CheckRefusal notTaken(const CheckField& field) const;
    // A field required where it applies, missing where it does: an error of the request.
    CheckRefusal missing(const CheckField& field) {
        return fail("missing field \"" + std::string(field.key) + "\"");
    }

    // The error of the request, where the refusal setCase returned is one.
    const std::optional<std::string>& error() const { return m_error; }

private:
    std::optional<std::string_view> textOf(const CheckField& field, const RequestValue& member);
    CheckRefusal fail(std::string error);
    static std::string mustBe(const CheckField& field, std::string_view what);

    const FlatRequest& m_request;
    const Check& m_check;
    std::array<char, 400> m_digits{};  // the longest plain decimals of a double fit
    std::optional<std::string> m_error;
};

// Answers one batch request of a check that is not a circuit code's: the answer, the
// refusal, or {"error":"..."}.
void appendCheckRequest(std::string& out, const FlatRequest& request, const Check& check);

}  // namespace ferrovolt
