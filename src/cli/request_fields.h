// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the inputs of one batch request. Each reader either returns the field's value or
// records why the request cannot be answered; after the first fault the others do nothing,
// so the answer names the first field at fault in the order the calculator reads them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/flat_request.h"

namespace ferrovolt {

class RequestFields {
public:
    explicit RequestFields(const FlatRequest& request) : m_request(request) {}

    std::string_view text(std::string_view name);
    bool flag(std::string_view name);
    // A whole number from first to last.
    std::int64_t number(std::string_view name, std::int64_t first, std::int64_t last);
    // A whole number that must be `one` or `other`.
    std::int64_t numberOf(std::string_view name, std::int64_t one, std::int64_t other);
    // A text that must be one of `choices` (a "|" list such as "C|F|K"); its index.
    int choice(std::string_view name, std::string_view choices);
    // Likewise; the accepted text itself.
    std::string_view choiceText(std::string_view name, std::string_view choices);
    // A number text, or a JSON number written as its shortest text that reads back the same,
    // in plain decimals: 100 and "100" are the same input.
    std::string_view numberText(std::string_view name);

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }

private:
    const RequestValue* find(std::string_view name);
    std::optional<std::int64_t> wholeNumber(std::string_view name);
    void fail(std::string message);

    const FlatRequest& m_request;
    std::string m_error;
    std::array<std::string, 4> m_numberTexts;  // the JSON numbers given for number texts
    std::size_t m_numberCount = 0;
    std::size_t m_next = 0;  // the member after the last one found
};

}  // namespace ferrovolt
