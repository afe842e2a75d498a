// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/flat_request.h"

#include <limits>

#include <nlohmann/json.hpp>

namespace ferrovolt {

namespace {

using Json = nlohmann::json;

// Collects the members of the outer object. Depth 1 is inside the outer object; a value
// that opens an array or object there is marked Nested and its contents are passed over.
class Handler {
public:
    explicit Handler(FlatRequest& request) : m_request(request) {}

    bool null() {
        return scalar([](RequestValue& v) { v.kind = RequestValue::Kind::Null; });
    }
    bool boolean(bool b) {
        return scalar([b](RequestValue& v) {
            v.kind = RequestValue::Kind::Bool;
            v.flag = b;
        });
    }
    bool number_integer(Json::number_integer_t n) { return integer(n, static_cast<double>(n)); }
    bool number_unsigned(Json::number_unsigned_t n) {
        constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
        return integer(
            n > static_cast<Json::number_unsigned_t>(kMax) ? kMax : static_cast<std::int64_t>(n),
            static_cast<double>(n));
    }
    bool number_float(Json::number_float_t n, const Json::string_t&) {
        return scalar([n](RequestValue& v) {
            v.kind = RequestValue::Kind::Fraction;
            v.number = n;
        });
    }
    bool string(Json::string_t& s) {
        return scalar([&s](RequestValue& v) {
            v.kind = RequestValue::Kind::Text;
            v.text = s;
        });
    }
    bool binary(Json::binary_t&) { return true; }
    bool start_object(std::size_t) {
        if (m_depth == 0)
            m_outerIsObject = true;
        else if (m_depth == 1)
            markNested();
        ++m_depth;
        return true;
    }
    bool key(Json::string_t& name) {
        if (m_depth == 1) m_current = m_request.startMember(name);
        return true;
    }
    bool end_object() {
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) {
        if (m_depth == 1) markNested();
        ++m_depth;
        return true;
    }
    bool end_array() {
        --m_depth;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        constexpr int kNumberOverflow = 406;
        m_numberOutOfRange = e.id == kNumberOverflow;
        return false;
    }

    bool outerIsObject() const { return m_outerIsObject; }
    bool numberOutOfRange() const { return m_numberOutOfRange; }
    // The member whose value was being read, when that value belongs to the outer object.
    const RequestValue* current() const { return m_current; }

private:
    bool integer(std::int64_t n, double number) {
        return scalar([n, number](RequestValue& v) {
            v.kind = RequestValue::Kind::Integer;
            v.integer = n;
            v.number = number;
        });
    }
    template <typename Set>
    bool scalar(Set set) {
        if (m_depth == 1 && m_current != nullptr) set(*m_current);
        return true;
    }
    void markNested() {
        if (m_current != nullptr) m_current->kind = RequestValue::Kind::Nested;
    }

    FlatRequest& m_request;
    RequestValue* m_current = nullptr;
    int m_depth = 0;
    bool m_outerIsObject = false;
    bool m_numberOutOfRange = false;
};

}  // namespace

FlatRequest::Status FlatRequest::read(std::string_view line) {
    m_count = 0;
    Handler handler(*this);
    if (!Json::sax_parse(line.begin(), line.end(), &handler)) {
        if (!handler.numberOutOfRange()) return Status::NotJson;
        m_outOfRangeField.clear();
        if (m_count > 0 && handler.current() == &m_members[m_count - 1].value)
            m_outOfRangeField = m_members[m_count - 1].name;
        return Status::NumberOutOfRange;
    }
    return handler.outerIsObject() ? Status::Object : Status::NotObject;
}

std::string FlatRequest::outOfRangeMessage() const {
    if (m_outOfRangeField.empty()) return "a number in the request is out of range";
    return "field \"" + m_outOfRangeField + "\" is out of range: the number is too large";
}

const RequestValue* FlatRequest::find(std::string_view name) const {
    for (std::size_t i = m_count; i-- > 0;)
        if (m_members[i].name == name) return &m_members[i].value;
    return nullptr;
}

RequestValue* FlatRequest::startMember(const std::string& name) {
    if (m_count == m_members.size()) m_members.emplace_back();
    Member& member = m_members[m_count++];
    member.name = name;
    member.value.kind = RequestValue::Kind::Null;
    return &member.value;
}

}  // namespace ferrovolt
