#include "cli/request_fields.h"

#include <utility>

namespace ferrovolt {

using Kind = RequestValue::Kind;

const RequestValue* RequestFields::find(const char* name) {
    if (!ok()) return nullptr;
    const RequestValue* value = m_request.find(name);
    if (value == nullptr) fail(std::string("missing field \"") + name + "\"");
    return value;
}

void RequestFields::fail(std::string message) {
    if (ok()) m_error = std::move(message);
}

std::string_view RequestFields::text(const char* name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return {};
    if (value->kind == Kind::Text) return value->text;
    fail(std::string("field \"") + name + "\" must be a string");
    return {};
}

bool RequestFields::flag(const char* name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return false;
    if (value->kind == Kind::Bool) return value->flag;
    fail(std::string("field \"") + name + "\" must be true or false");
    return false;
}

std::optional<std::int64_t> RequestFields::wholeNumber(const char* name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return std::nullopt;
    if (value->kind == Kind::Integer) return value->integer;
    fail(std::string("field \"") + name + "\" must be a whole number");
    return std::nullopt;
}

std::int64_t RequestFields::number(const char* name, std::int64_t first, std::int64_t last) {
    const std::optional<std::int64_t> n = wholeNumber(name);
    if (!n) return first;
    if (*n >= first && *n <= last) return *n;
    fail(std::string("field \"") + name + "\" is out of range: it must be from " +
         std::to_string(first) + " to " + std::to_string(last));
    return first;
}

std::int64_t RequestFields::numberOf(const char* name, std::int64_t one, std::int64_t other) {
    const std::optional<std::int64_t> n = wholeNumber(name);
    if (!n) return one;
    if (*n == one || *n == other) return *n;
    fail(std::string("field \"") + name + "\" is out of range: it must be " + std::to_string(one) +
         " or " + std::to_string(other));
    return one;
}

int RequestFields::choice(const char* name, std::string_view choices) {
    const std::string_view given = text(name);
    if (!ok()) return 0;
    int index = 0;
    std::string accepted;
    for (std::size_t start = 0; start <= choices.size(); ++index) {
        std::size_t bar = choices.find('|', start);
        if (bar == std::string_view::npos) bar = choices.size();
        const std::string_view option = choices.substr(start, bar - start);
        if (option == given) return index;
        accepted += accepted.empty() ? "\"" : ", \"";
        accepted.append(option).append("\"");
        start = bar + 1;
    }
    fail(std::string("field \"") + name + "\" is out of range: it must be one of " + accepted);
    return 0;
}

}  // namespace ferrovolt
