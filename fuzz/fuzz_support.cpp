// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "filled_tables.h"
#include "result_forms.h"

namespace ferrovolt::fuzz {

const Tables& tables() {
    return filledTables();
}

const Tables& exactTables() {
    static const Tables plain = [] {
        Tables t = tables();
        t.Derived = false;
        return t;
    }();
    return plain;
}

void fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "\n*** property broken: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    if (!detail.empty())
        std::fprintf(stderr, "    %.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size,
                                     std::size_t count) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (out.size() + 1 < count) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) break;
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    // The last field keeps the rest, line breaks included.
    out.push_back(start <= text.size() ? text.substr(start) : std::string_view{});
    out.resize(count);
    return out;
}

bool flagOf(std::string_view field) {
    return !field.empty() && (static_cast<unsigned char>(field[0]) & 1U) != 0;
}

int intOf(std::string_view field) {
    long long value = 0;
    const char* first = field.data();
    if (!field.empty() && field[0] == '+') ++first;
    std::from_chars(first, field.data() + field.size(), value);
    return static_cast<int>(static_cast<unsigned long long>(value));
}

void requireLabelText(std::string_view label, std::string_view text) {
    const std::string fault = testing::labelTextFault(label, text);
    if (!fault.empty()) fail("result text out of form", fault);
}

}  // namespace ferrovolt::fuzz
