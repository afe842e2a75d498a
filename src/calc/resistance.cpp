// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/resistance.h"

#include <cstddef>
#include <utility>
#include <variant>

#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"

namespace ferrovolt {
namespace {

constexpr float kReferenceCelsius = 20.0F;
constexpr double kFeetPerMile = 5280;

// A derived double shown rounded to 7 decimals.
std::string shown(double value) {
    return formatRoundedDouble(value, 7);
}

// The temperature in Celsius, or nothing when it lies below absolute zero.
std::optional<float> toCelsius(float t, TempUnit unit) {
    switch (unit) {
        case TempUnit::Fahrenheit:
            if (static_cast<double>(t) < -459.67) return std::nullopt;
            return static_cast<float>((static_cast<double>(t) - 32) * (5.0 / 9.0));
        case TempUnit::Kelvin:
            if (t < 0.0F) return std::nullopt;
            return static_cast<float>(static_cast<double>(t) - 273.15);
        case TempUnit::Celsius:
            break;
    }
    if (static_cast<double>(t) < -273.15) return std::nullopt;
    return t;
}

// The texts of a gauge position and a resistivity in ohm-square-millimetres per metre, made
// in place in the answer.
Answer<ResistanceResult> resistanceAnswer(const Tables& tables, int position, float rhoM) {
    const float d = gaugeDiameter(tables, position, 0);
    const auto dm = static_cast<float>(static_cast<double>(d) * kMillimetresPerInch);
    const double halfMm = static_cast<double>(dm) / 2;
    const auto am = static_cast<float>(halfMm * kPi * halfMm);

    Answer<ResistanceResult> answer{std::in_place_type<ResistanceResult>};
    ResistanceResult& out = std::get<ResistanceResult>(answer);
    // The weights are copper's, whatever the material and temperature.
    if (tables.Derived) {
        const GaugeWeights& weights = tables.GaugeWeightTexts[static_cast<std::size_t>(position)];
        out.Pounds_f = weights.Pounds_f;
        out.Kilo_Km = weights.Kilo_Km;
        out.Kilo_mtr = weights.Kilo_mtr;
    } else {
        GaugeWeights weights = exactGaugeWeights(tables, position);
        out.Pounds_f = std::move(weights.Pounds_f);
        out.Kilo_Km = std::move(weights.Kilo_Km);
        out.Kilo_mtr = std::move(weights.Kilo_mtr);
    }
    // Every derived value follows from the shown text of the value it derives from.
    const auto perMetre = static_cast<float>(static_cast<double>(rhoM) / static_cast<double>(am));
    if (tables.Derived) {
        // The same texts, with their values carried along instead of read back.
        constexpr auto kWhole = std::string_view::npos;
        const double metre = showRoundedSingle(out.Ohms_mtr, perMetre, 7);
        const double foot = showRoundedDouble(out.Ohms_f, metre / kFeetPerMetre, 7, kWhole);
        showRoundedDouble(out.Ohms_km, metre * 1000, 7, kWhole);
        showRoundedDouble(out.Ohms_Kf, foot * 1000, 7, kWhole);
        showRoundedDouble(out.Ohms_mile, foot * kFeetPerMile, 7, kWhole);
    } else {
        out.Ohms_mtr = formatSingle(roundSingle(perMetre, 7));
        out.Ohms_km = shown(readBackDouble(out.Ohms_mtr) * 1000);
        out.Ohms_f = shown(readBackDouble(out.Ohms_mtr) / kFeetPerMetre);
        out.Ohms_Kf = shown(readBackDouble(out.Ohms_f) * 1000);
        out.Ohms_mile = shown(readBackDouble(out.Ohms_f) * kFeetPerMile);
    }
    return answer;
}

}  // namespace

Answer<ResistanceResult> CalcResistance(const Tables& tables, std::string_view gauge,
                                        std::string_view material, std::string_view temperature,
                                        TempUnit unit) {
    const std::optional<int> position = gaugePositionOfLabel(tables, gauge);
    if (!position) return Refusal{Field::Gauge};
    const std::optional<int> row = materialRowOfName(tables, material);
    if (!row) return Refusal{Field::Material};
    const std::optional<float> entered = readSingle(temperature);
    if (!entered) return unreadableNumber(Field::Temperature, temperature);
    const std::optional<float> celsius = toCelsius(*entered, unit);
    if (!celsius) return Refusal{Field::Temperature, Reason::BelowAbsoluteZero};

    const float rho20 = materialValue(tables, *row, 1);
    const float alpha = materialValue(tables, *row, 2);
    float rho = rho20;
    if (*celsius != kReferenceCelsius) {
        // Proportional correction from 20 C with the material's coefficient. Where the factor
        // reaches 0 (about -234.5 C for annealed copper) the straight line has left the metal's
        // real behaviour and would give no or negative resistance.
        const double delta = static_cast<double>(*celsius) - static_cast<double>(kReferenceCelsius);
        const double factor = 1 + static_cast<double>(alpha) * delta;
        if (factor <= 0) return Refusal{Field::Temperature, Reason::NoResistance};
        rho = static_cast<float>(static_cast<double>(rho20) * factor);
    }
    const auto rhoM = static_cast<float>(static_cast<double>(rho) / 100);

    return resistanceAnswer(tables, *position, rhoM);
}

}  // namespace ferrovolt
