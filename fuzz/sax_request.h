// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A batch request line read through nlohmann's SAX interface, as batch read its lines before
// it had a reader of its own: the reference that fuzz_batch compares FlatRequest with.

#include <string>
#include <string_view>
#include <vector>

#include "cli/flat_request.h"

namespace ferrovolt::fuzz {

struct SaxMember {
    std::string name;
    RequestValue value;  // its text in `text`
    std::string text;
    std::vector<SaxMember> items;  // of an array member (value.array): its elements, unnamed
};

struct SaxRequest {
    FlatRequest::Status status = FlatRequest::Status::NotJson;
    std::vector<SaxMember> members;
    std::string outOfRangeField;  // empty when the number stands in no member of the object
};

SaxRequest readWithSax(std::string_view line);

}  // namespace ferrovolt::fuzz
