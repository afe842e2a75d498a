// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The motor rules: what NEC Articles 430 and 440 and the IEC practice ask of a motor's circuit
// (the current it is sized from, the conductor's current, the overload, the largest
// short-circuit and ground-fault device), what a feeder of motors asks, and the voltage dip
// while a motor starts. Plain functions over numbers; an answer keeps what it was worked out
// from, and its trail is written only when asked for (motorTrail), from the same numbers.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "code_base/citation.h"
#include "code_base/trail_step.h"

namespace ferrovolt::motors {

enum class Supply { SinglePhase, ThreePhase, Dc };
// The kind of AC motor, which picks the full-load table's columns and the device table's row.
enum class MotorType { Induction, Synchronous, WoundRotor };
// The design letter, which matters to the device table only as "energy-efficient or not".
enum class MotorDesign { Other, B, C, D, BEnergyEfficient };
enum class DeviceType { NonTimeDelayFuse, TimeDelayFuse, InstantaneousTrip, InverseTime };
enum class Duty { Continuous, ShortTime, Intermittent, Periodic, Varying };

// An input the rules cannot answer for, named by its key ("hp", "code_letter", ...).
struct MotorRefusal {
    std::string_view field;
    std::string reason;
};

// Resistance and reactance in ohms of the path from the source to a point: per phase for a
// three-phase motor, the whole loop (out and back) for a single-phase one.
struct Impedance {
    double r = 0;
    double x = 0;
};

// One motor or one air conditioner, as a circuit's fields give it. Fields left empty are not
// defaulted from the tables: the rules that need them are left out, or refuse.
struct MotorInputs {
    Supply supply = Supply::ThreePhase;
    double volts = 0;  // the system's (or for dc the armature's) voltage
    // NEC: the horsepower; IEC: the rated (shaft) power, with efficiency and power factor, or
    // the nameplate current.
    double hp = 0;
    std::optional<double> kw;
    std::optional<double> efficiency;   // 0 to 1
    std::optional<double> powerFactor;  // running, 0 to 1
    MotorType type = MotorType::Induction;
    double synchronousPowerFactor = 1;  // a synchronous motor's rated power factor: 1, 0.9, 0.8
    MotorDesign design = MotorDesign::Other;
    DeviceType device = DeviceType::InverseTime;
    // The nameplate: full-load current, service factor, temperature rise (°C).
    std::optional<double> fla;
    std::optional<double> serviceFactor;
    std::optional<double> temperatureRise;
    Duty duty = Duty::Continuous;
    int dutyMinutes = 0;        // 5, 15, 30 or 60; 0 for a continuous-rated motor on that duty
    bool willNotStart = false;  // the user says the motor will not start on the first values
    bool terminals75Confirmed = false;  // the user confirms 75 °C terminations at both ends
    // Starting: the locked-rotor current from the nameplate, else the code letter, else a
    // multiple of the rated current; the starting power factor.
    std::optional<double> lra;
    std::optional<char> codeLetter;
    std::optional<double> startMultiple;
    std::optional<double> startPowerFactor;
    // The path's impedance from the source to the motor's terminals and to its board; the
    // dips are worked out where these are given.
    std::optional<Impedance> toMotor;
    std::optional<Impedance> toBoard;
    double dipLimitMotor = 15;  // %, design criteria, not code
    double dipLimitBoard = 10;
};

// Where the locked-rotor current came from.
enum class StartFrom { Nameplate, CodeLetter, Multiple };

// The branch device rule that set the maximum: the table percentage, rounded up to the next
// standard rating (Exception No. 1), or the ceiling for a motor that will not start.
enum class DeviceRule { Table, NextSizeUp, WillNotStart };

struct MotorAnswer {
    std::string_view code;  // "NEC 2023", "IEC 60364"
    // The current the motor rules size from: the NEC table's full-load current, the IEC
    // design current, or the air conditioner's minimum circuit ampacity.
    double designCurrent = 0;
    std::optional<double> flc;         // NEC table full-load current
    double synchronousMultiplier = 1;  // the table's unity figure times this
    Citation flcTable = {};            // the table and its edition
    std::string_view hpLabel;          // "7-1/2"
    int ratedVolts = 0;                // the table's column
    double conductorCurrent = 0;
    double conductorPercent = 100;        // of the current below
    bool conductorFromNameplate = false;  // 430.22(E): percent of the nameplate current
    // 110.14(C)(1)(a)(4): the 75 °C column for a circuit of 100 A or less, for a Design B, C or
    // D motor whose terminations are confirmed 75 °C; else the circuit's own rule (60 °C there).
    bool terminals75 = false;
    std::optional<double> overload;  // A, when the nameplate current is given
    double overloadPercent = 0;
    // The branch short-circuit and ground-fault device: the table's percentage of the full-load
    // current, and the largest rating it permits (a standard rating, or for an
    // instantaneous-trip breaker a setting).
    double devicePercent = 0;
    double tableMaxDevice = 0;
    double maxDevice = 0;
    DeviceRule deviceRule = DeviceRule::Table;
    std::string_view deviceRow;  // Table 430.52(C)(1)'s motor row
    bool hvac = false;
    std::optional<double> startCurrent;
    StartFrom startFrom = StartFrom::Nameplate;
    double startKva = 0;  // the locked-rotor kVA, from the code letter
    double startPowerFactor = 0;
    bool startPowerFactorDefault = false;
    bool startMultipleDefault = false;
    std::optional<double> startDipPercent;  // at the motor's terminals, the divider
    std::optional<double> startDipBoardPercent;
    std::optional<double> startDipScreeningPercent;  // the constant-current estimate
    std::optional<double> startDipBoardScreeningPercent;
    MotorInputs inputs;
};

using MotorResult = std::variant<MotorAnswer, MotorRefusal>;

// An NEC motor branch circuit (Article 430).
MotorResult necMotor(const MotorInputs& inputs);
// An NEC air conditioner or refrigerating unit (Article 440), from its minimum circuit
// ampacity and maximum overcurrent protection; its compressor's locked-rotor current from the
// nameplate (`start.lra`, with `start.startPowerFactor`), where given, for the starting dip.
MotorResult necHvac(double mca, double mop, const MotorInputs& start = {});
// An IEC motor circuit: the design current, and the starting dip.
MotorResult iecMotor(const MotorInputs& inputs);

// The answer's trail, step by step, each with its clause.
std::vector<TrailStep> motorTrail(const MotorAnswer& answer);

// The tables' voltage column for a system voltage: 480 V takes the 460 V column, 240 V the
// 230 V, 600 V the 575 V, 120 V the 115 V; a rated voltage takes its own. Nothing where the
// table has no column for it (never between two columns). DC takes the armature voltage as is.
std::optional<int> ratedMotorVoltage(Supply supply, MotorType type, double volts);

// The table full-load current of a motor (430.6(A)(1)), or why there is none.
struct FullLoadCurrent {
    double amps = 0;
    Citation table;
    std::string_view hpLabel;
    int ratedVolts = 0;
};
std::variant<FullLoadCurrent, MotorRefusal> fullLoadCurrent(Supply supply, MotorType type,
                                                            double hp, double volts);

// Table 430.52(C)(1) for a full-load current, with Exceptions No. 1 and No. 2 and
// 430.52(C)(3) Exception No. 1.
struct BranchDevice {
    double percent = 0;
    double tableMax = 0;  // percent × full-load current
    double max = 0;       // the largest rating or setting permitted
    DeviceRule rule = DeviceRule::Table;
    std::string_view row;
};
std::variant<BranchDevice, MotorRefusal> branchDeviceMax(double flc, Supply supply, MotorType type,
                                                         MotorDesign design, DeviceType device,
                                                         bool willNotStart);

// 430.32(A)(1) and (C): the overload's largest rating from the nameplate current.
struct Overload {
    double amps = 0;
    double percent = 0;
};
std::variant<Overload, MotorRefusal> overloadMax(double fla, std::optional<double> serviceFactor,
                                                 std::optional<double> temperatureRise,
                                                 bool willNotStart);

// The locked-rotor current from the code letter (Table 430.7(B)): the upper end of the
// letter's kVA per horsepower, times the horsepower, at the rated motor voltage. Never a
// multiple of the full-load current.
std::variant<double, MotorRefusal> codeLetterCurrent(char letter, double hp, bool threePhase,
                                                     double ratedVolts);

// The dip while the motor starts, percent of the source voltage: the motor as the constant
// impedance of its locked-rotor current at the starting power factor, against the path to
// the point. `toPoint` is the part of `toMotor` upstream of the point (the whole of it for
// the motor's terminals). Three-phase: line-to-line volts and per-phase impedances.
struct StartDip {
    double dividerPercent = 0;
    double screeningPercent = 0;
};
StartDip startDip(double volts, bool threePhase, double lockedRotorAmps, double startPf,
                  Impedance toMotor, Impedance toPoint);

// A feeder of motors (430.24, 430.62(A)): per motor its table full-load current and its
// branch device's largest rating (after Exception No. 1), and the other loads. The caller
// adds per line: single-phase motors on different lines of a three-wire feeder are not summed.
// The exceptions are the caller's too: a duty-cycle motor counts with its 430.22(E) current
// (430.24 Exception No. 1), and a branch instantaneous-trip breaker as if it were the feeder
// device's type at that type's Table 430.52(C)(1) percentage (430.62(A) Exception No. 1).
struct FeederMotor {
    double flc = 0;
    double branchDevice = 0;
};
struct FeederInputs {
    std::span<const FeederMotor> motors;
    double nonContinuous = 0;  // A, other loads
    double continuous = 0;
};
struct FeederAnswer {
    double conductorCurrent = 0;  // 430.24
    std::size_t largest = 0;      // the motor taken at 125 %
    double deviceSum = 0;         // the largest branch device plus the others' full-load current
    std::size_t largestDevice = 0;
    int maxDevice = 0;  // the standard rating at or below deviceSum
};
std::variant<FeederAnswer, MotorRefusal> necMotorFeeder(const FeederInputs& inputs);
std::vector<TrailStep> feederTrail(const FeederInputs& inputs, const FeederAnswer& answer);

// The rule that set an answer's largest branch device, as one text: the table's row, device
// and percentage, and the exception that raised it ("" for an IEC answer).
std::string deviceRuleText(const MotorAnswer& answer);

// The names of the inputs, as the command line and the files spell them.
std::string_view deviceTypeKey(DeviceType device);  // "inverse-time"
std::string_view deviceRuleKey(DeviceRule rule);    // "next-size-up"

}  // namespace ferrovolt::motors
