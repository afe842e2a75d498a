// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One batch request line read into its top-level fields. Requests are flat, so the reader
// keeps only the members of the outer object, with nested values marked and skipped; this
// spares building a JSON document per line, which costs as much as a calculation.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt {

struct RequestValue {
    enum class Kind { Null, Bool, Integer, Fraction, Text, Nested };
    Kind kind = Kind::Null;
    bool flag = false;
    std::int64_t integer = 0;  // whole numbers beyond the int64 range saturate
    double number = 0;         // any number, whole or not
    std::string text;
};

class FlatRequest {
public:
    // NumberOutOfRange: valid JSON with a number beyond the range of a double, which the
    // reader cannot hold; reading stops there.
    enum class Status { Object, NotJson, NotObject, NumberOutOfRange };

    // Reads one line; the fields stay valid until the next read. Reusing one reader keeps
    // the field texts' storage from line to line.
    Status read(std::string_view line);

    // The member called `name`; the last one when a name repeats, as JSON readers commonly
    // take it. Null when absent.
    const RequestValue* find(std::string_view name) const;

    // After NumberOutOfRange: the error naming the request's field that holds the number.
    std::string outOfRangeMessage() const;

    // Used by the SAX handler while reading.
    RequestValue* startMember(const std::string& name);

private:
    struct Member {
        std::string name;
        RequestValue value;
    };
    std::vector<Member> m_members;  // the first m_count are this line's
    std::size_t m_count = 0;
    std::string m_outOfRangeField;  // empty when the number stands inside a nested value
};

}  // namespace ferrovolt
