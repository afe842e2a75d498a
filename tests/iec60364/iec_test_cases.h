// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the IEC 60364 check's tests share to build their cases.

#include <cctype>
#include <string>

#include "iec60364/iec60364_check.h"

namespace ferrovolt::iec60364 {

// A case's name as GoogleTest takes it: every character but a letter or a digit made '_'.
inline std::string testName(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

// The inputs with one of them changed.
constexpr IecInputs change(IecInputs in, auto IecInputs::*field, auto value) {
    in.*field = value;
    return in;
}

}  // namespace ferrovolt::iec60364
