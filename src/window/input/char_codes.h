// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The character codes that the key filter of the numeric fields speaks in.

namespace ferrovolt::charcode {

inline constexpr int kNone = 0;  // a key that types no single character
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kLineFeed = 10;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kPoint = 46;
inline constexpr int kDigitZero = 48;
inline constexpr int kDigitNine = 57;
inline constexpr int kDelete = 127;

}  // namespace ferrovolt::charcode
