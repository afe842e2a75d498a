// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One batch request line read into its top-level fields. Requests are flat, so the reader
// keeps only the members of the outer object and the elements of a member that is an array
// (the fill's lists of conductors), with values nested deeper marked and checked but not
// kept. The whole line is checked as JSON (RFC 8259, a leading byte order mark allowed) in one
// pass without building a document; names and texts are views into the line, or into the
// reader's own buffer where escapes had to be undone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt {

struct RequestValue {
    enum class Kind { Null, Bool, Integer, Fraction, Text, Nested };
    Kind kind = Kind::Null;
    bool flag = false;
    bool array = false;        // a Nested member that is an array: its elements are kept
    std::int64_t integer = 0;  // whole numbers beyond the int64 range saturate
    double number = 0;         // any number, whole or not
    std::string_view text;
    std::uint32_t firstItem = 0;  // of an array member: where its elements start among the
    std::uint32_t itemCount = 0;  // reader's items, and how many there are
};

class FlatRequest {
public:
    // NumberOutOfRange: valid JSON up to a number beyond the range of a double, which the
    // reader cannot hold; reading stops there.
    enum class Status { Object, NotJson, NotObject, NumberOutOfRange };

    struct Member {
        std::string_view name;
        RequestValue value;
    };

    // Reads one line; the fields are views into `line` and into the reader, valid until the
    // next read while the line lives.
    Status read(std::string_view line);

    // The member called `name`; the last one when a name repeats, as JSON readers commonly
    // take it. Null when absent.
    const RequestValue* find(std::string_view name) const;
    // Likewise, looking first at member `next`, where a request written in its calculator's
    // order holds it; `next` becomes the member after the one found.
    const RequestValue* find(std::string_view name, std::size_t& next) const;

    // The members of the outer object in the order read (after NumberOutOfRange, those read
    // up to the number).
    std::span<const Member> members() const { return {m_members.data(), m_count}; }

    // The elements of an array member, in order; an element that is itself an array or an
    // object is Nested and holds nothing.
    std::span<const RequestValue> items(const RequestValue& array) const {
        return {m_items.data() + array.firstItem, array.itemCount};
    }

    // After NumberOutOfRange: the error naming the request's field that holds the number.
    std::string outOfRangeMessage() const;

private:
    friend class LineReader;
    RequestValue& addMember(std::string_view name);
    RequestValue& addItem();
    // Room for the line's texts with their escapes undone, which are never longer than it.
    char* unescapedRoom(std::size_t size);

    std::vector<Member> m_members;  // the first m_count are this line's
    std::size_t m_count = 0;
    std::vector<RequestValue> m_items;  // the first m_itemCount are this line's
    std::uint32_t m_itemCount = 0;
    std::uint64_t m_nameMarks = 0;        // a bit for each name read, from its length and end bytes
    bool m_namesDistinct = true;          // no two names share a bit, so none repeats
    bool m_outOfRangeNamed = false;       // the number stands in the last member's value
    std::unique_ptr<char[]> m_unescaped;  // texts with their escapes undone; never longer
    std::size_t m_unescapedSize = 0;      // than the line
    std::string m_nesting;                // the open arrays and objects of a nested value
};

}  // namespace ferrovolt
