// SPDX-License-Identifier: GPL-3.0-or-later
#include "motors/motors.h"

#include <cmath>
#include <complex>
#include <cstddef>

#include "motors/motor_rules.h"
#include "numtext/rounded_number.h"

namespace ferrovolt::motors {

namespace {

constexpr double kSqrt3 = 1.7320508075688772;
constexpr double kDefaultStartMultiple = 6;
constexpr double kDefaultStartPowerFactor = 0.3;
// A horsepower given as 0.33 is the 1/3 hp row; no two rows are closer than 1/12 hp.
constexpr double kHpTolerance = 0.005;

MotorRefusal refuse(std::string_view field, std::string reason) {
    return MotorRefusal{field, std::move(reason)};
}

// A table's cells for a rated voltage: its rows' horsepower and the column's currents.
struct Column {
    const Citation* table = nullptr;
    std::size_t rows = 0;
    const Horsepower* (*size)(std::size_t) = nullptr;
    double (*cell)(std::size_t, std::size_t) = nullptr;
    std::size_t index = 0;
};

template <const auto& Table>
const Horsepower* sizeOf(std::size_t row) {
    return &Table[row].size;
}

template <const auto& Table>
double cellOf(std::size_t row, std::size_t col) {
    return Table[row].amps[col];
}

template <const auto& Table, const auto& Volts>
std::optional<Column> columnOf(int volts) {
    for (std::size_t c = 0; c < Volts.size(); ++c)
        if (Volts[c] == volts)
            return Column{&Table.cite, Table.size(), &sizeOf<Table>, &cellOf<Table>, c};
    return std::nullopt;
}

std::optional<Column> tableColumn(Supply supply, MotorType type, int volts) {
    if (supply == Supply::Dc) return columnOf<kTable430_247, kDcVolts>(volts);
    if (supply == Supply::SinglePhase) return columnOf<kTable430_248, kSinglePhaseVolts>(volts);
    if (type == MotorType::Synchronous)
        return columnOf<kTable430_250Synchronous, kSynchronousVolts>(volts);
    return columnOf<kTable430_250, kInductionVolts>(volts);
}

std::string_view tableName(Supply supply, MotorType type) {
    if (supply == Supply::Dc) return kTable430_247.cite.item;
    if (supply == Supply::SinglePhase) return kTable430_248.cite.item;
    return type == MotorType::Synchronous ? "Table 430.250 (synchronous)" : "Table 430.250";
}

std::string voltsList(Supply supply, MotorType type) {
    std::string list;
    auto add = [&list](const auto& volts) {
        for (std::size_t i = 0; i < volts.size(); ++i) {
            if (i > 0) list += i + 1 == volts.size() ? " or " : ", ";
            list += std::to_string(volts[i]);
        }
    };
    if (supply == Supply::Dc)
        add(kDcVolts);
    else if (supply == Supply::SinglePhase)
        add(kSinglePhaseVolts);
    else if (type == MotorType::Synchronous)
        add(kSynchronousVolts);
    else
        add(kInductionVolts);
    return list + " V";
}

std::string hpText(double hp) {
    return roundedNumberText(hp, 3) + " hp";
}

// The rows nearest a horsepower whose cell in the column is held, as "3 hp and 5 hp".
std::string nearestRows(const Column& col, double hp) {
    const Horsepower* below = nullptr;
    const Horsepower* above = nullptr;
    for (std::size_t r = 0; r < col.rows; ++r) {
        const Horsepower* size = col.size(r);
        if (col.cell(r, col.index) <= 0 || std::abs(size->hp - hp) <= kHpTolerance) continue;
        if (size->hp < hp) below = size;
        if (size->hp > hp && above == nullptr) above = size;
    }
    std::string text;
    if (below != nullptr && above != nullptr)
        text = "the nearest rows are " + std::string(below->label) + " hp and " +
               std::string(above->label) + " hp";
    else if (below != nullptr || above != nullptr)
        text =
            "the nearest row is " + std::string((below != nullptr ? below : above)->label) + " hp";
    return text;
}

}  // namespace

std::optional<int> ratedMotorVoltage(Supply supply, MotorType type, double volts) {
    const double whole = std::round(volts);
    if (whole != volts || whole <= 0 || whole > 100000) return std::nullopt;
    int v = static_cast<int>(whole);
    if (supply != Supply::Dc) {
        // The tables' currents serve system voltages of 110-120, 220-240, 440-480 and 550-600 V.
        if (v == 120) v = 115;
        if (v == 240) v = 230;
        if (v == 480) v = 460;
        if (v == 600) v = 575;
    }
    if (!tableColumn(supply, type, v)) return std::nullopt;
    return v;
}

std::variant<FullLoadCurrent, MotorRefusal> fullLoadCurrent(Supply supply, MotorType type,
                                                            double hp, double volts) {
    if (!(hp > 0)) return refuse("hp", "the horsepower must be more than 0");
    const std::optional<int> rated = ratedMotorVoltage(supply, type, volts);
    if (!rated)
        return refuse("volts", std::string(tableName(supply, type)) + " has no column for " +
                                   roundedNumberText(volts, 2) +
                                   " V; give the motor's rated voltage (" +
                                   voltsList(supply, type) + ")");
    const Column col = *tableColumn(supply, type, *rated);
    for (std::size_t r = 0; r < col.rows; ++r) {
        const Horsepower* size = col.size(r);
        if (std::abs(size->hp - hp) > kHpTolerance) continue;
        const double cell = col.cell(r, col.index);
        if (cell == kOneSource)
            return refuse("hp", std::string(tableName(supply, type)) + "'s " +
                                    std::string(size->label) + " hp, " + std::to_string(*rated) +
                                    " V cell is printed by one reproduction only and is not "
                                    "held; size this motor from its nameplate");
        if (cell == kNone) break;
        return FullLoadCurrent{cell, *col.table, size->label, *rated};
    }
    std::string reason = std::string(tableName(supply, type)) + " holds no " + hpText(hp) +
                         " row at " + std::to_string(*rated) + " V";
    const std::string nearest = nearestRows(col, hp);
    if (!nearest.empty()) reason += "; " + nearest;
    return refuse("hp", std::move(reason));
}

std::variant<BranchDevice, MotorRefusal> branchDeviceMax(double flc, Supply supply, MotorType type,
                                                         MotorDesign design, DeviceType device,
                                                         bool willNotStart) {
    if (!(flc > 0)) return refuse("flc", "the full-load current must be more than 0 A");
    const std::size_t rowIndex = deviceRowIndex(supply, type, design);
    const DeviceRow& row = kTable430_52C1[rowIndex];
    const double percent = row.percent[static_cast<std::size_t>(device)];
    if (percent == kOneSource)
        return refuse("device_type", "Table 430.52(C)(1)'s " + std::string(deviceTypeName(device)) +
                                         " cell for " + std::string(row.motor) +
                                         " is printed by one reproduction only and is not held");
    BranchDevice answer;
    answer.percent = percent;
    answer.row = row.motor;
    answer.tableMax = flc * percent / 100;
    if (device == DeviceType::InstantaneousTrip) {
        // A setting, not a rating: no next size up. A motor that will not start may have the
        // setting raised to the ceiling of 430.52(C)(3).
        answer.max = answer.tableMax;
        if (willNotStart) {
            const double ceiling =
                rowIndex == kEfficientRow ? kInstantaneousNoStartEfficient : kInstantaneousNoStart;
            answer.max = flc * ceiling / 100;
            answer.rule = DeviceRule::WillNotStart;
        }
        return answer;
    }
    if (willNotStart) {
        if (device != DeviceType::InverseTime)
            return refuse("will_not_start",
                          "430.52(C)(1) Exception No. 2's ceilings for fuses are printed by one "
                          "reproduction only and are not held");
        const double ceiling =
            flc <= kInverseTimeNoStartSplit ? kInverseTimeNoStartLow : kInverseTimeNoStartHigh;
        const int rating = standardRatingAtOrBelow(flc * ceiling / 100);
        if (rating == 0)
            return refuse("flc", "no standard rating is at or below " + amps(flc * ceiling / 100));
        answer.max = rating;
        answer.rule = DeviceRule::WillNotStart;
        return answer;
    }
    if (isStandardRating(answer.tableMax)) {
        answer.max = standardRatingAtOrAbove(answer.tableMax);
        return answer;
    }
    const int next = standardRatingAtOrAbove(answer.tableMax);
    if (next == 0)
        return refuse("flc", "no standard rating is at or above " + amps(answer.tableMax));
    answer.max = next;
    answer.rule = DeviceRule::NextSizeUp;
    return answer;
}

std::variant<Overload, MotorRefusal> overloadMax(double fla, std::optional<double> serviceFactor,
                                                 std::optional<double> temperatureRise,
                                                 bool willNotStart) {
    if (!(fla > 0)) return refuse("fla", "the nameplate current must be more than 0 A");
    if (serviceFactor && !(*serviceFactor >= 1))
        return refuse("service_factor", "the service factor must be 1 or more");
    if (temperatureRise && !(*temperatureRise > 0))
        return refuse("temperature_rise", "the temperature rise must be more than 0 °C");
    const bool high = (serviceFactor && *serviceFactor >= kServiceFactorHigh - 1e-9) ||
                      (temperatureRise && *temperatureRise <= kTemperatureRiseLow + 1e-9);
    const double percent = willNotStart ? (high ? kOverloadHighCeiling : kOverloadLowCeiling)
                                        : (high ? kOverloadHigh : kOverloadLow);
    return Overload{fla * percent / 100, percent};
}

std::variant<double, MotorRefusal> codeLetterCurrent(char letter, double hp, bool threePhase,
                                                     double ratedVolts) {
    const CodeLetterRow* row = codeLetterRow(letter);
    if (row == nullptr)
        return refuse("code_letter", "Table 430.7(B) has no letter " + std::string(1, letter) +
                                         ": the letters are A to V, without I, O and Q");
    if (!(hp > 0)) return refuse("hp", "the code letter needs the motor's horsepower");
    const double kva = hp * row->kvaPerHp;
    return 1000 * kva / (threePhase ? kSqrt3 * ratedVolts : ratedVolts);
}

StartDip startDip(double volts, bool threePhase, double lockedRotorAmps, double startPf,
                  Impedance toMotor, Impedance toPoint) {
    using C = std::complex<double>;
    // The source's voltage to neutral (three-phase) or across the loop (single-phase), and
    // the motor as the impedance that draws its locked-rotor current from it at the starting
    // power factor.
    const double e = threePhase ? volts / kSqrt3 : volts;
    const double sinSt = std::sqrt(1 - startPf * startPf);
    const C zm = std::polar(e / lockedRotorAmps, std::atan2(sinSt, startPf));
    const C path(toMotor.r, toMotor.x);
    const C downstream = path - C(toPoint.r, toPoint.x);
    // The voltage at the point over the source's, as the divider gives it; its magnitude is
    // what a meter there reads, which is the dip's meaning.
    const double remaining = std::abs(zm + downstream) / std::abs(zm + path);
    StartDip dip;
    dip.dividerPercent = 100 * (1 - remaining);
    // The constant-current estimate: the locked-rotor current through the upstream part at
    // the starting angle, the running-drop formula with I_LR and cos φ_st.
    dip.screeningPercent = 100 * lockedRotorAmps * (toPoint.r * startPf + toPoint.x * sinSt) / e;
    return dip;
}

namespace {

// The starting power factor and the dip limits, checked whether or not a starting current is
// known, so that a value given is never taken unread.
std::optional<MotorRefusal> startingInputs(const MotorInputs& in) {
    if (in.startPowerFactor && !(*in.startPowerFactor > 0 && *in.startPowerFactor < 1))
        return refuse("start_pf", "the starting power factor must be more than 0 and less than 1");
    const auto limitOk = [](double percent) { return percent > 0 && percent < 100; };
    if (!limitOk(in.dipLimitMotor) || !limitOk(in.dipLimitBoard))
        return refuse(limitOk(in.dipLimitMotor) ? "dip_limit_board" : "dip_limit_motor",
                      "must be more than 0 and less than 100 %");
    return std::nullopt;
}

// The locked-rotor current, its source, and the starting power factor, shared by both codes.
std::optional<MotorRefusal> startCurrent(const MotorInputs& in, double ratedAmps, double hp,
                                         double ratedVolts, MotorAnswer& a) {
    if (std::optional<MotorRefusal> refusal = startingInputs(in)) return refusal;
    const bool threePhase = in.supply == Supply::ThreePhase;
    if (in.lra) {
        if (!(*in.lra >= ratedAmps))
            return refuse("lra", "the locked-rotor current " + amps(*in.lra) + " is below the " +
                                     (a.flc ? "full-load" : "rated") + " current " +
                                     amps(ratedAmps));
        a.startCurrent = *in.lra;
        a.startFrom = StartFrom::Nameplate;
    } else if (in.codeLetter) {
        auto current = codeLetterCurrent(*in.codeLetter, hp, threePhase, ratedVolts);
        if (auto* no = std::get_if<MotorRefusal>(&current)) return std::move(*no);
        a.startCurrent = std::get<double>(current);
        a.startKva = hp * codeLetterRow(*in.codeLetter)->kvaPerHp;
        a.startFrom = StartFrom::CodeLetter;
    } else {
        const double k = in.startMultiple.value_or(kDefaultStartMultiple);
        if (!(k >= 1))
            return refuse("start_multiple",
                          "the starting current must be at least the "
                          "rated current (a multiple of 1 or more)");
        a.startCurrent = k * ratedAmps;
        a.startFrom = StartFrom::Multiple;
        a.startMultipleDefault = !in.startMultiple;
    }
    a.startPowerFactor = in.startPowerFactor.value_or(kDefaultStartPowerFactor);
    a.startPowerFactorDefault = !in.startPowerFactor;
    if (in.toBoard && !in.toMotor)
        return refuse("to_board", "the dip at the board needs the path to the motor too");
    if (!in.toMotor) return std::nullopt;
    const Impedance m = *in.toMotor;
    if (!(m.r >= 0 && m.x >= 0) || !(m.r > 0 || m.x > 0))
        return refuse("to_motor",
                      "the path's resistance and reactance must not be negative, "
                      "nor both 0");
    const StartDip atMotor =
        startDip(in.volts, threePhase, *a.startCurrent, a.startPowerFactor, m, m);
    a.startDipPercent = atMotor.dividerPercent;
    a.startDipScreeningPercent = atMotor.screeningPercent;
    if (in.toBoard) {
        const Impedance b = *in.toBoard;
        if (!(b.r >= 0 && b.x >= 0) || b.r > m.r || b.x > m.x)
            return refuse("to_board",
                          "the path to the board must be part of the path to the "
                          "motor: its resistance and reactance no larger");
        const StartDip atBoard =
            startDip(in.volts, threePhase, *a.startCurrent, a.startPowerFactor, m, b);
        a.startDipBoardPercent = atBoard.dividerPercent;
        a.startDipBoardScreeningPercent = atBoard.screeningPercent;
    }
    return std::nullopt;
}

}  // namespace

MotorResult necMotor(const MotorInputs& in) {
    if (in.type != MotorType::Induction && in.supply != Supply::ThreePhase)
        return refuse("motor_type",
                      "is three-phase only: Table 430.250 holds synchronous and wound-rotor "
                      "motors, Table 430.248 single-phase induction motors");
    if (in.type != MotorType::Induction && in.design != MotorDesign::Other)
        return refuse("motor_design",
                      "is a squirrel-cage induction motor's design letter: a synchronous or "
                      "wound-rotor motor has none");
    auto table = fullLoadCurrent(in.supply, in.type, in.hp, in.volts);
    if (auto* no = std::get_if<MotorRefusal>(&table)) return std::move(*no);
    const FullLoadCurrent& flc = std::get<FullLoadCurrent>(table);
    MotorAnswer a;
    a.code = kEdition;
    a.flc = flc.amps;
    a.flcTable = flc.table;
    a.hpLabel = flc.hpLabel;
    a.ratedVolts = flc.ratedVolts;
    a.designCurrent = flc.amps;
    if (in.type == MotorType::Synchronous && in.supply == Supply::ThreePhase) {
        const SynchronousFactor* factor = nullptr;
        for (const SynchronousFactor& f : kSynchronousFactors)
            if (std::abs(f.powerFactor - in.synchronousPowerFactor) < 1e-9) factor = &f;
        if (factor == nullptr)
            return refuse("synchronous_pf",
                          "Table 430.250 gives synchronous motors at unity, "
                          "0.9 and 0.8 power factor");
        a.synchronousMultiplier = factor->multiplier;
        a.flc = flc.amps * factor->multiplier;
        a.designCurrent = *a.flc;
    }

    if (in.duty == Duty::Continuous) {
        a.conductorPercent = kConductorPercent;
        a.conductorCurrent = *a.flc * kConductorPercent / 100;
    } else {
        if (!in.fla)
            return refuse("fla", "a motor on " +
                                     std::string(kTable430_22E[dutyRowIndex(in.duty)].duty) +
                                     " duty is sized from its nameplate current (430.22(E))");
        const std::optional<std::size_t> col = dutyColumn(in.dutyMinutes);
        if (!col)
            return refuse("duty_minutes",
                          "Table 430.22(E) rates motors for 5, 15, 30 or 60 minutes, or "
                          "continuously (0)");
        const DutyRow& row = kTable430_22E[dutyRowIndex(in.duty)];
        const double percent = row.percent[*col];
        if (percent == kOneSource)
            return refuse("duty", "Table 430.22(E)'s " + std::string(row.duty) +
                                      " row is not held: no second reproduction of it was "
                                      "found");
        if (percent == kNone)
            return refuse("duty_minutes",
                          "Table 430.22(E) gives no value for a continuous-rated "
                          "motor on " +
                              std::string(row.duty) + " duty");
        if (!(*in.fla > 0)) return refuse("fla", "the nameplate current must be more than 0 A");
        a.conductorPercent = percent;
        a.conductorFromNameplate = true;
        a.conductorCurrent = *in.fla * percent / 100;
    }

    a.terminals75 = in.terminals75Confirmed && in.design != MotorDesign::Other;

    if (in.fla) {
        auto overload = overloadMax(*in.fla, in.serviceFactor, in.temperatureRise, in.willNotStart);
        if (auto* no = std::get_if<MotorRefusal>(&overload)) return std::move(*no);
        a.overload = std::get<Overload>(overload).amps;
        a.overloadPercent = std::get<Overload>(overload).percent;
    } else if (in.serviceFactor && !(*in.serviceFactor >= 1)) {
        return refuse("service_factor", "the service factor must be 1 or more");
    }

    auto device =
        branchDeviceMax(*a.flc, in.supply, in.type, in.design, in.device, in.willNotStart);
    if (auto* no = std::get_if<MotorRefusal>(&device)) return std::move(*no);
    const BranchDevice& d = std::get<BranchDevice>(device);
    a.devicePercent = d.percent;
    a.tableMaxDevice = d.tableMax;
    a.maxDevice = d.max;
    a.deviceRule = d.rule;
    a.deviceRow = d.row;

    if (in.supply == Supply::Dc) {
        // The code letter, the starting power factor and the divider are an AC motor's.
        if (in.lra || in.codeLetter || in.startMultiple || in.startPowerFactor || in.toMotor)
            return refuse(in.lra                ? "lra"
                          : in.codeLetter       ? "code_letter"
                          : in.startMultiple    ? "start_multiple"
                          : in.startPowerFactor ? "start_pf"
                                                : "to_motor",
                          "the starting current and dip are worked out for AC motors only");
    } else if (auto no = startCurrent(in, *a.flc, in.hp, flc.ratedVolts, a)) {
        return std::move(*no);
    }
    a.inputs = in;
    return a;
}

MotorResult necHvac(double mca, double mop, const MotorInputs& start) {
    if (!(mca > 0)) return refuse("mca", "the minimum circuit ampacity must be more than 0 A");
    if (!(mop > 0))
        return refuse("mop", "the maximum overcurrent protection must be more than 0 A");
    if (mca > mop)
        return refuse("mca", "the minimum circuit ampacity " + amps(mca) +
                                 " is above the maximum overcurrent protection " + amps(mop));
    MotorAnswer a;
    a.code = kEdition;
    a.hvac = true;
    a.designCurrent = mca;
    a.conductorCurrent = mca;
    a.maxDevice = mop;
    a.tableMaxDevice = mop;
    a.inputs = start;
    a.inputs.fla = mca;
    if (std::optional<MotorRefusal> refusal = startingInputs(start)) return std::move(*refusal);
    if (start.lra) {
        if (!(*start.lra >= mca))
            return refuse("lra", "the locked-rotor current " + amps(*start.lra) +
                                     " is below the minimum circuit ampacity " + amps(mca));
        a.startCurrent = *start.lra;
        a.startFrom = StartFrom::Nameplate;
        a.startPowerFactor = start.startPowerFactor.value_or(kDefaultStartPowerFactor);
        a.startPowerFactorDefault = !start.startPowerFactor;
    }
    return a;
}

MotorResult iecMotor(const MotorInputs& in) {
    if (in.supply == Supply::Dc) return refuse("phase", "an IEC motor circuit here is AC");
    if (!(in.volts > 0)) return refuse("volts", "the voltage must be more than 0 V");
    MotorAnswer a;
    a.code = kIecEdition;
    const bool threePhase = in.supply == Supply::ThreePhase;
    if (in.fla) {
        if (!(*in.fla > 0)) return refuse("fla", "the nameplate current must be more than 0 A");
        a.designCurrent = *in.fla;
    } else {
        if (!in.kw) return refuse("kw", "give the rated power, or the nameplate current");
        if (!(*in.kw > 0)) return refuse("kw", "the rated power must be more than 0 kW");
        if (!in.efficiency || !(*in.efficiency > 0 && *in.efficiency <= 1))
            return refuse("efficiency", "the efficiency must be more than 0 and at most 1");
        if (!in.powerFactor || !(*in.powerFactor > 0 && *in.powerFactor <= 1))
            return refuse("motor_pf", "the power factor must be more than 0 and at most 1");
        // The rated power is the shaft's: the supply gives it over the efficiency.
        a.designCurrent = 1000 * *in.kw /
                          ((threePhase ? kSqrt3 : 1) * in.volts * *in.efficiency * *in.powerFactor);
    }
    a.conductorCurrent = a.designCurrent;
    if (auto no = startCurrent(in, a.designCurrent, in.hp, in.volts, a)) return std::move(*no);
    a.inputs = in;
    return a;
}

std::variant<FeederAnswer, MotorRefusal> necMotorFeeder(const FeederInputs& in) {
    if (in.motors.empty()) return refuse("motors", "a motor feeder needs at least one motor");
    if (!(in.nonContinuous >= 0) || !(in.continuous >= 0))
        return refuse("other_loads", "the other loads must not be negative");
    FeederAnswer a;
    double flcSum = 0;
    for (std::size_t i = 0; i < in.motors.size(); ++i) {
        const FeederMotor& m = in.motors[i];
        if (!(m.flc > 0)) return refuse("flc", "a motor's full-load current must be more than 0 A");
        if (!(m.branchDevice > 0))
            return refuse("branch_device", "a motor's branch device must be more than 0 A");
        flcSum += m.flc;
        // Of two equal, the first is the largest; the others are summed alike.
        if (m.flc > in.motors[a.largest].flc) a.largest = i;
        if (m.branchDevice > in.motors[a.largestDevice].branchDevice) a.largestDevice = i;
    }
    const double otherLoads = in.nonContinuous + in.continuous * kFeederLargestPercent / 100;
    a.conductorCurrent =
        flcSum + in.motors[a.largest].flc * (kFeederLargestPercent - 100) / 100 + otherLoads;
    const FeederMotor& big = in.motors[a.largestDevice];
    a.deviceSum = big.branchDevice + (flcSum - big.flc) + otherLoads;
    a.maxDevice = standardRatingAtOrBelow(a.deviceSum);
    if (a.maxDevice == 0)
        return refuse("branch_device", "no standard rating is at or below " + amps(a.deviceSum));
    return a;
}

std::string_view deviceTypeKey(DeviceType device) {
    switch (device) {
        case DeviceType::NonTimeDelayFuse:
            return "non-time-delay-fuse";
        case DeviceType::TimeDelayFuse:
            return "time-delay-fuse";
        case DeviceType::InstantaneousTrip:
            return "instantaneous";
        case DeviceType::InverseTime:
            break;
    }
    return "inverse-time";
}

std::string_view deviceRuleKey(DeviceRule rule) {
    switch (rule) {
        case DeviceRule::Table:
            return "table";
        case DeviceRule::NextSizeUp:
            return "next-size-up";
        case DeviceRule::WillNotStart:
            break;
    }
    return "will-not-start";
}

}  // namespace ferrovolt::motors
