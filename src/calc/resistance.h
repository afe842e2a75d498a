// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

enum class TempUnit { Celsius, Fahrenheit, Kelvin };

// The eight texts of the Resistivity tab.
struct ResistanceResult {
    std::string Kilo_mtr, Kilo_Km, Pounds_f, Ohms_mtr, Ohms_km, Ohms_mile, Ohms_Kf, Ohms_f;
    bool operator==(const ResistanceResult&) const = default;
};

// DC resistance and copper weight per length of an AWG gauge in a material at a temperature.
// Refuses, in this order: a gauge not among the 46 labels, a material matching no row, a
// temperature that is not a number, lies below absolute zero, or where the material's
// resistance would fall to zero or below.
Answer<ResistanceResult> CalcResistance(const Tables& tables, std::string_view gauge,
                                        std::string_view material, std::string_view temperature,
                                        TempUnit unit);

}  // namespace ferrovolt
