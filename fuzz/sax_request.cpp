// SPDX-License-Identifier: GPL-3.0-or-later
#include "sax_request.h"

#include <cstdint>
#include <limits>

#include <nlohmann/json.hpp>

namespace ferrovolt::fuzz {

namespace {

using Json = nlohmann::json;
using Kind = RequestValue::Kind;

// Collects the members of the outer object. Depth 1 is inside the outer object; a value
// that opens an array or object there is marked Nested, and of an array the elements are
// kept (those that open another array or object as Nested) while deeper contents are passed
// over.
class Handler {
public:
    explicit Handler(SaxRequest& request) : m_request(request) {}

    bool null() {
        return scalar([](SaxMember& m) { m.value.kind = Kind::Null; });
    }
    bool boolean(bool b) {
        return scalar([b](SaxMember& m) {
            m.value.kind = Kind::Bool;
            m.value.flag = b;
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
        return scalar([n](SaxMember& m) {
            m.value.kind = Kind::Fraction;
            m.value.number = n;
        });
    }
    bool string(Json::string_t& s) {
        return scalar([&s](SaxMember& m) {
            m.value.kind = Kind::Text;
            m.text = s;
        });
    }
    bool binary(Json::binary_t&) { return true; }
    bool start_object(std::size_t) {
        if (m_depth == 0)
            m_outerIsObject = true;
        else if (m_depth == 1)
            markNested();
        else if (m_depth == 2 && m_inArray)
            item().value.kind = Kind::Nested;
        ++m_depth;
        return true;
    }
    bool key(Json::string_t& name) {
        if (m_depth == 1) {
            m_request.members.push_back({name, {}, {}, {}});
            m_current = m_request.members.size();
        }
        return true;
    }
    bool end_object() {
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) {
        if (m_depth == 1) {
            markNested();
            m_inArray = m_current != 0;
            if (m_inArray) m_request.members[m_current - 1].value.array = true;
        } else if (m_depth == 2 && m_inArray) {
            item().value.kind = Kind::Nested;
        }
        ++m_depth;
        return true;
    }
    bool end_array() {
        if (--m_depth == 1) m_inArray = false;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        constexpr int kNumberOverflow = 406;
        m_numberOutOfRange = e.id == kNumberOverflow;
        return false;
    }

    bool outerIsObject() const { return m_outerIsObject; }
    bool numberOutOfRange() const { return m_numberOutOfRange; }
    // The member whose value was being read, counted from 1; 0 for none.
    std::size_t current() const { return m_current; }

private:
    bool integer(std::int64_t n, double number) {
        return scalar([n, number](SaxMember& m) {
            m.value.kind = Kind::Integer;
            m.value.integer = n;
            m.value.number = number;
        });
    }
    template <typename Set>
    bool scalar(Set set) {
        if (m_depth == 1 && m_current != 0) set(m_request.members[m_current - 1]);
        if (m_depth == 2 && m_inArray) set(item());
        return true;
    }
    // A new element of the array member being read.
    SaxMember& item() { return m_request.members[m_current - 1].items.emplace_back(); }
    void markNested() {
        if (m_current != 0) m_request.members[m_current - 1].value.kind = Kind::Nested;
    }

    SaxRequest& m_request;
    std::size_t m_current = 0;
    int m_depth = 0;
    bool m_inArray = false;  // within an array member, at depth 2
    bool m_outerIsObject = false;
    bool m_numberOutOfRange = false;
};

}  // namespace

SaxRequest readWithSax(std::string_view line) {
    SaxRequest request;
    Handler handler(request);
    if (!Json::sax_parse(line.begin(), line.end(), &handler)) {
        if (!handler.numberOutOfRange()) return request;
        request.status = FlatRequest::Status::NumberOutOfRange;
        if (!request.members.empty() && handler.current() == request.members.size())
            request.outOfRangeField = request.members.back().name;
        return request;
    }
    request.status =
        handler.outerIsObject() ? FlatRequest::Status::Object : FlatRequest::Status::NotObject;
    return request;
}

}  // namespace ferrovolt::fuzz
