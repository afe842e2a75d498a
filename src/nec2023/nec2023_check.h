// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check: the smallest conductor that meets every criterion the code applies
// (current-carrying capacity, voltage drop, short-circuit withstand, the small-conductor
// rule), which criterion set it, and the whole chain of tables and factors behind it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "check/circuit_code.h"
#include "code_base/trail_step.h"
#include "motors/motors.h"

namespace ferrovolt {

enum class Material { Copper, Aluminium };
enum class Raceway { Pvc, Aluminium, Steel };
enum class TerminalRating { Auto, C60, C75 };
enum class AmbientMethod { Table, Equation };
enum class Criterion { Ampacity, VoltageDrop, ShortCircuit, SmallConductor };
enum class InsulationFamily { Thermoplastic, Thermoset };
// What the circuit feeds: a load sized from its design current, a motor (Article 430, sized
// from the table's full-load current) or an air conditioner (Article 440, from its nameplate's
// minimum circuit ampacity and maximum overcurrent protection).
enum class LoadKind { General, Motor, Hvac };
// The rule that set the ampacity minimum: 125 % of a continuous load before any factor, the
// load after correction and adjustment, the protection of the conductor by its device, (by
// choice) 125 % after the factors, or the smallest size allowed in parallel (1/0 AWG), which
// sets in parallel take even where each carries less.
enum class AmpacityRule { Load125, AfterFactors, Protection, Combined125, Parallel };

struct CircuitInputs {
    double current = 0;  // design current, A
    bool continuous = false;
    double length = 0;  // one way
    bool feet = false;  // length in feet, else metres
    Material material = Material::Copper;
    bool threePhase = false;
    double volts = 240;
    double maxDropPercent = 3;
    int insulation = 75;  // °C: 60, 75 or 90
    InsulationFamily insulationFamily = InsulationFamily::Thermoplastic;
    TerminalRating terminals = TerminalRating::Auto;
    double ambient = 30;  // °C
    AmbientMethod ambientMethod = AmbientMethod::Table;
    int conductors = 3;  // current-carrying conductors in the raceway
    Raceway raceway = Raceway::Pvc;
    double powerFactor = 0.85;
    int sets = 1;
    std::optional<double> faultCurrent;  // A
    std::optional<double> clearingTime;  // s
    std::optional<double> k;             // overrides the computed k
    bool faultDivided = false;           // each parallel set carries its share of the fault
    std::optional<double> device;        // the overcurrent device's rating, A
    bool conservative125 = false;        // 125 % of a continuous load after the factors too
    std::optional<int> size;             // a size to check instead of choosing one
    LoadKind load = LoadKind::General;
    // A motor's horsepower, nameplate and choices; its supply and volts are the circuit's.
    motors::MotorInputs motor;
    std::optional<double> mca, mop;  // an air conditioner's nameplate, A
    // At the circuit's origin, for the starting dip: the available fault current (A) and X/R.
    std::optional<double> availableFault, xr;
};

// The calculation behind an answer, kept as what it was worked out from: its texts are
// written only when asked for (circuitTrail), from these inputs and the answer's numbers.
struct CircuitTrail {
    CircuitInputs inputs;
    bool ampacityOnly = false;  // the answer of checkAmpacity: the trail ends at that criterion
};

struct CircuitAnswer {
    std::string_view code;  // "NEC 2023"
    int size = 0;           // index into the code's sizes
    std::string_view sizeLabel;
    int sets = 1;
    bool sizeGiven = false;
    Criterion governedBy = Criterion::Ampacity;
    std::vector<Criterion> fails;  // criteria a given size does not meet
    double requiredAmpacity = 0;   // per set: the load, 125 % of it when continuous
    double ampacity = 0;           // of the answer, after every factor and the terminal cap
    int terminalRating = 75;       // °C column the terminals cap at
    double device = 0;             // the overcurrent device's rating, A
    bool deviceGiven = false;
    bool deviceStandard = true;  // a rating of Table 240.6(A)
    // The ampacity minimum as the three rules of the code find it, and the one that set it.
    int byLoad125 = 0, byAfterFactors = 0, byProtection = 0;
    AmpacityRule ampacityRule = AmpacityRule::Load125;
    double ambientFactor = 1, adjustmentFactor = 1;
    int byAmpacity = 0, bySmallConductor = 0;
    // -1 where no size of Chapter 9 Table 9 keeps the drop within the limit: only a given
    // size is answered then, failing the drop.
    int byVoltageDrop = 0;
    std::optional<int> byShortCircuit;
    std::optional<double> k;                 // the k used, when asked
    std::optional<double> shortCircuitCmil;  // the area the fault needs
    double dropVolts = 0, dropPercent = 0;
    std::optional<double> loadVolts;          // none when the drop reaches the supply
    std::optional<int> maxOvercurrentDevice;  // 240.4(D), for the small conductors
    // The equipment grounding conductor of each set, of the circuit's material: by the
    // device's row of the code's table, raised in proportion to the area where the conductors
    // are larger than the ampacity and the device need, and never larger than the conductors.
    // None where the table gives no value for the device.
    std::optional<int> egc;
    // A motor's or an air conditioner's answer under Articles 430 and 440, which set the
    // current the conductor is sized from, the device and the current of the drop.
    std::optional<motors::MotorAnswer> motor;
    int egcByTable = -1;  // the table's size for the device; -1: none
    int egcBase = 0;      // the smallest size the load and the device need, before a raise to 1/0
    double egcRatio = 1;  // the conductors' area over the base's
    bool egcRaised = false, egcCapped = false;
    CircuitTrail trail;
};

using CircuitRefusal = CheckRefusal;

using CircuitResult = std::variant<CircuitAnswer, CircuitRefusal>;

CircuitResult checkCircuit(const CircuitInputs& inputs);

// The ampacity criterion alone, as a quick check of a conductor found some other way: the
// inputs are checked as by checkCircuit, and the answer holds the inputs' part of the trail,
// the required ampacity and `byAmpacity`; the other criteria are not run.
CircuitResult checkAmpacity(const CircuitInputs& inputs);

// The answer's trail, step by step.
std::vector<TrailStep> circuitTrail(const CircuitAnswer& answer);

// The same steps handed one at a time to `step`, whose texts last only for the call: the way
// to write the trail into a text of one's own without keeping the steps.
void writeCircuitTrail(const CircuitAnswer& answer, const TrailStepWriter& step);

std::string_view criterionKey(Criterion criterion);   // "voltage_drop"
std::string_view criterionName(Criterion criterion);  // "voltage drop"

// The code's sizes, smallest first, and the index of a size label ("3 AWG", "2/0",
// "350 kcmil", "350"); nothing when the code has no such size.
int circuitSizeCount();
std::string_view circuitSizeLabel(int size);
std::optional<int> circuitSizeOf(std::string_view label);
// A size's area in circular mils.
double circuitSizeCmil(int size);

// k for the adiabatic check, from the material and the conductor's initial and final
// temperatures (°C), by the closed formula of IEC 60949 that reproduces the values IEC
// 60364-5-54 tabulates.
double adiabaticK(Material material, double initialC, double finalC);

// The same k by ICEA P-32-382, which the NEC check uses: √(c log10((T2 + β)/(T1 + β))) per
// circular mil, written per mm² so that S = I √t / k holds in mm².
double iceaK(Material material, double initialC, double finalC);

std::string_view ampacityRuleKey(AmpacityRule rule);  // "protection"

}  // namespace ferrovolt
