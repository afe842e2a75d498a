// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the motor rules and their trail both read from the tables: which row and column an
// input picks, and the standard ratings of Table 240.6(A). Internal to src/motors/.

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "code_base/nec_standard_ratings.h"
#include "motors/motor_tables.h"
#include "motors/motors.h"
#include "numtext/rounded_number.h"

namespace ferrovolt::motors {

inline constexpr std::string_view kIecEdition = "IEC 60364";
// IEC 60364-5-52:2009 Annex G, NOTE 1: a larger drop than Table G.52.1's may be accepted while
// a motor starts, within its equipment standard's limits (scribd document 599637287, the
// Annex G page; cabledatasheet.com's page on the 60364-5-52 limits).
inline constexpr Citation kIecStartNote = {"IEC 60364-5-52:2009", "Annex G, NOTE 1"};
inline constexpr Citation kRuleFeederOtherLoads = {kEdition, "430.63"};

inline constexpr std::size_t kEfficientRow = 2;  // Table 430.52(C)(1)'s Design B energy-efficient

inline std::size_t deviceRowIndex(Supply supply, MotorType type, MotorDesign design) {
    if (supply == Supply::Dc) return 5;
    if (supply == Supply::SinglePhase) return 0;
    if (type == MotorType::WoundRotor) return 4;
    if (type == MotorType::Synchronous) return 3;
    return design == MotorDesign::BEnergyEfficient ? kEfficientRow : 1;
}

inline std::string_view deviceTypeName(DeviceType device) {
    switch (device) {
        case DeviceType::NonTimeDelayFuse:
            return "nontime-delay fuse";
        case DeviceType::TimeDelayFuse:
            return "dual-element (time-delay) fuse";
        case DeviceType::InstantaneousTrip:
            return "instantaneous-trip breaker";
        case DeviceType::InverseTime:
            break;
    }
    return "inverse-time breaker";
}

inline std::size_t dutyRowIndex(Duty duty) {
    switch (duty) {
        case Duty::ShortTime:
            return 0;
        case Duty::Intermittent:
            return 1;
        case Duty::Periodic:
            return 2;
        case Duty::Continuous:
        case Duty::Varying:
            break;
    }
    return 3;
}

inline std::optional<std::size_t> dutyColumn(int minutes) {
    switch (minutes) {
        case 5:
            return 0;
        case 15:
            return 1;
        case 30:
        case 60:
            return 2;
        case 0:
            return 3;
        default:
            return std::nullopt;
    }
}

inline const CodeLetterRow* codeLetterRow(char letter) {
    const char upper =
        letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    for (const CodeLetterRow& row : kTable430_7B)
        if (row.letter == upper) return &row;
    return nullptr;
}

// A product such as 2.5 × 13.8 lands a hair off the rating it means.
inline constexpr double kRatingTolerance = 1e-9;

inline bool isStandardRating(double amps) {
    for (const int rating : nec2023::kTable240_6A)
        if (std::abs(rating - amps) <= kRatingTolerance * rating) return true;
    return false;
}

// The smallest standard rating at or above `amps`; 0 above the largest.
inline int standardRatingAtOrAbove(double amps) {
    for (const int rating : nec2023::kTable240_6A)
        if (rating * (1 + kRatingTolerance) >= amps) return rating;
    return 0;
}

// The largest standard rating at or below `amps`; 0 below the smallest.
inline int standardRatingAtOrBelow(double amps) {
    int below = 0;
    for (const int rating : nec2023::kTable240_6A)
        if (rating * (1 - kRatingTolerance) <= amps) below = rating;
    return below;
}

inline std::string amps(double value) {
    return roundedNumberText(value, 2) + " A";
}

}  // namespace ferrovolt::motors
