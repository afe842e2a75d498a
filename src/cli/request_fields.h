#pragma once

// Reading the inputs of one batch request. Each reader either returns the field's value or
// records why the request cannot be answered; after the first fault the others do nothing,
// so the answer names the first field at fault in the order the calculator reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/flat_request.h"

namespace ferrovolt {

class RequestFields {
public:
    explicit RequestFields(const FlatRequest& request) : m_request(request) {}

    std::string_view text(const char* name);
    bool flag(const char* name);
    // A whole number from first to last.
    std::int64_t number(const char* name, std::int64_t first, std::int64_t last);
    // A whole number that must be `one` or `other`.
    std::int64_t numberOf(const char* name, std::int64_t one, std::int64_t other);
    // A text that must be one of `choices` (a "|" list such as "C|F|K"); its index.
    int choice(const char* name, std::string_view choices);

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }

private:
    const RequestValue* find(const char* name);
    std::optional<std::int64_t> wholeNumber(const char* name);
    void fail(std::string message);

    const FlatRequest& m_request;
    std::string m_error;
};

}  // namespace ferrovolt
