// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the IEC 60364 check takes, declared once for every front end: each field as the
// command line, batch, the schedule and the window read it, with its setter.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "check/circuit_code.h"
#include "iec60364/iec60364_inputs.h"

namespace ferrovolt::iec60364 {

// The inputs as the fields set them: the check's, and a length that may be given in feet.
struct IecForm : IecInputs {
    bool feet = false;
};

struct IecField : CheckField {
    std::optional<std::string> (*set)(IecForm&, std::string_view text);
};

extern const std::array<IecField, 50> kIecFields;

// The check's inputs: the length in metres.
IecInputs checkedInputs(const IecForm& form);

}  // namespace ferrovolt::iec60364
