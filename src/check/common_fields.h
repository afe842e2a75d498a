// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs every code's circuit check takes in the same words: declared here once, each
// code pairing them with its own setter.

#include <string_view>

#include "check/circuit_code.h"

namespace ferrovolt {

// The keys a front end reads by name, each a field's or a row's that every code declares
// alike: a window carries these inputs over to the next code and follows the phase, the
// volts and the method; a schedule reads a length in metres and a size by its unit; the
// answer names its verdict.
namespace keys {
inline constexpr std::string_view kCurrent = "current";
inline constexpr std::string_view kLength = "length";
inline constexpr std::string_view kFeet = "feet";
inline constexpr std::string_view kPhase = "phase";
inline constexpr std::string_view kVolts = "volts";
inline constexpr std::string_view kMaterial = "material";
inline constexpr std::string_view kRaceway = "raceway";
inline constexpr std::string_view kMethod = "method";
inline constexpr std::string_view kDeviceRating = "device_rating";
inline constexpr std::string_view kSize = "size";
inline constexpr std::string_view kGovernedBy = "governed_by";
inline constexpr std::string_view kMeetsAll = "meets_all";
inline constexpr std::string_view kFails = "fails";
// The conduit fill's rows of wires, which a circuit's answer hands on (its raceway is
// kRaceway).
inline constexpr std::string_view kWire = "wire";
// The kind of load a circuit feeds (general, a motor, an air conditioner), which the inputs
// of a motor follow (`CheckField::when`).
inline constexpr std::string_view kLoad = "load";
}  // namespace keys

namespace fields {

// The window's groups every code has.
inline constexpr std::string_view kCircuitGroup = "Circuit";
inline constexpr std::string_view kInstallationGroup = "Installation";
inline constexpr std::string_view kFaultGroup = "Short circuit and a given size (optional)";

inline constexpr ChoiceText kLengthUnits[] = {{"false", "m"}, {"true", "ft"}};

inline constexpr CheckField kCurrent{.key = keys::kCurrent,
                                     .option = "--current",
                                     .kind = InputKind::Number,
                                     .help = "Design current in amperes",
                                     .required = true,
                                     .group = kCircuitGroup,
                                     .caption = "Design &current:",
                                     .unit = "A",
                                     .initial = "20"};

inline constexpr CheckField kLength{.key = keys::kLength,
                                    .option = "--length",
                                    .kind = InputKind::Number,
                                    .help = "One-way circuit length",
                                    .required = true,
                                    .group = kCircuitGroup,
                                    .caption = "One-way &length:",
                                    .initial = "30"};

inline constexpr CheckField kFeet{.key = keys::kFeet,
                                  .option = "--feet",
                                  .kind = InputKind::Flag,
                                  .help = "The length is in feet (default metres)",
                                  .group = kCircuitGroup,
                                  .caption = "Length unit",
                                  .shown = kLengthUnits,
                                  .placement = FieldPlacement::Beside};

inline constexpr CheckField kClearingTime{.key = "clearing_time",
                                          .option = "--clearing-time",
                                          .kind = InputKind::Number,
                                          .help = "Fault clearing time in seconds",
                                          .group = kFaultGroup,
                                          .caption = "Clearin&g time:",
                                          .unit = "s"};

}  // namespace fields
}  // namespace ferrovolt
