#include "cli/request_fields.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace ferrovolt {

const nlohmann::json* RequestFields::find(const char* name) {
    if (!ok()) return nullptr;
    const auto it = m_request.find(name);
    if (it == m_request.end()) {
        fail(std::string("missing field \"") + name + "\"");
        return nullptr;
    }
    return &*it;
}

void RequestFields::fail(std::string message) {
    if (ok()) m_error = std::move(message);
}

std::string_view RequestFields::text(const char* name) {
    const nlohmann::json* value = find(name);
    if (value == nullptr) return {};
    if (const auto* s = value->get_ptr<const nlohmann::json::string_t*>()) return *s;
    fail(std::string("field \"") + name + "\" must be a string");
    return {};
}

bool RequestFields::flag(const char* name) {
    const nlohmann::json* value = find(name);
    if (value == nullptr) return false;
    if (const auto* b = value->get_ptr<const nlohmann::json::boolean_t*>()) return *b;
    fail(std::string("field \"") + name + "\" must be true or false");
    return false;
}

std::optional<std::int64_t> RequestFields::wholeNumber(const char* name) {
    const nlohmann::json* value = find(name);
    if (value == nullptr) return std::nullopt;
    if (const auto* u = value->get_ptr<const nlohmann::json::number_unsigned_t*>()) {
        // Beyond int64 is out of every range anyway.
        constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
        return *u > static_cast<std::uint64_t>(kMax) ? kMax : static_cast<std::int64_t>(*u);
    }
    if (const auto* i = value->get_ptr<const nlohmann::json::number_integer_t*>()) return *i;
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
    fail(std::string("field \"") + name + "\" is out of range: it must be " +
         std::to_string(one) + " or " + std::to_string(other));
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
