// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check under IEC 60364-5-52:2009: the smallest conductor of IEC 60228 that meets
// overload protection (433.1), voltage drop (Annex G), short circuit (434.5.2) and the minimum
// size (524.1), which criterion set it, the device, I_z with each factor, and the trail of
// tables behind it. An input it cannot answer for is refused, naming the field and the reason.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "check/circuit_code.h"
#include "code_base/trail_step.h"
#include "iec60364/iec60364_inputs.h"
#include "iec60364/iec60364_tables.h"
#include "motors/motors.h"

namespace ferrovolt::iec60364 {

enum class IecCriterion { Ampacity, VoltageDrop, ShortCircuit, MinimumSize, FaultLoop };
inline constexpr int kCriterionCount = 5;

// The column of Annex B a circuit is sized from, with the capacity it gives each size (0 where
// the table holds none).
struct AmpacityColumn {
    const Citation* cite = nullptr;
    std::string_view name;  // "method C, 3 loaded conductors"
    std::array<double, kSizeCount> amps{};
};

// The protective conductor of 543.1: by Table 54.2, or by 543.1.2 with a fault current.
struct ProtectiveConductor {
    int size = 0;  // index into kSizes
    std::string_view sizeLabel;
    bool separate = false;
    const CpcBand* band = nullptr;     // the row of Table 54.2, when sized by it
    const KColumn* kColumn = nullptr;  // Table A.54.2 or A.54.3, when sized by 543.1.2
    double k = 0;
    double neededMm2 = 0;         // I √t / k, by 543.1.2
    bool raisedWithLine = false;  // raised by Table 54.2 with the line size for the loop
    bool meets = true;            // some size of IEC 60228 meets 543.1.2; else the largest, failed
    const SeparateCpcMinimum* separateMinimum = nullptr;  // 543.1.3, where it set the size
};

// Automatic disconnection (411) of the answer's size.
struct FaultLoop {
    Earthing earthing = Earthing::TnS;
    double u0 = 0;                                   // V
    double disconnectionTime = 0;                    // s
    const DisconnectionRow* row = nullptr;           // of Table 41.1; none for 411.3.2.3/411.3.2.4
    bool byRcd = false;                              // TT with an RCD: R_A × I_Δn ≤ 50 V
    const RcdTimeRow* rcdTime = nullptr;             // the multiple of I_Δn that is in time
    double ia = 0;                                   // A
    std::optional<Curve> curve;                      // I_a from the curve's upper limit
    double cmin = 1;                                 // the factor applied to U0
    std::optional<double> zsMax;                     // Ω
    std::optional<double> ze;                        // Ω
    double lineTemperature = 0, cpcTemperature = 0;  // °C
    double lineFactor = 1, cpcFactor = 1;            // R_θ / R_20
    double r1 = 0, r2 = 0;                           // Ω over the run, per set, at temperature
    std::optional<double> zs;                        // Ω
    std::optional<double> maxLength;                 // m, the longest run that disconnects in time
    double touchVolts = 0;                           // R_A × I_Δn, V
    std::optional<int> bySize;                       // the smallest size that disconnects in time
    // The largest size below it that the loop raised the line from, with its loop, Ω.
    std::optional<int> failedSize, failedCpc;
    double failedZs = 0;
    bool holds = true;
    std::string reason;  // why no size disconnects in time
};

// Where the source's impedance at the circuit's origin, which the starting dip is worked out
// from, was taken.
enum class StartSource { None, Tree, FaultCurrent, Ze };

// A motor's circuit: the motor rules' answer (design current, starting current, the dips where
// the source is known), and the impedances the dips were worked out over, Ω: per phase for
// three phase, the loop for single phase.
struct MotorCircuit {
    motors::MotorAnswer motor;
    StartSource source = StartSource::None;
    double sourceOhms = 0;  // |Z| at the origin
    motors::Impedance sourcePath, cable;
};

struct IecAnswer {
    int size = 0;  // index into kSizes
    std::string_view sizeLabel;
    int sets = 1;
    bool sizeGiven = false;
    IecCriterion governedBy = IecCriterion::Ampacity;
    std::array<bool, kCriterionCount> fails{};  // by criterion, for a given size
    bool meetsAll = true;

    // The protective device and 433.1.
    Device device = Device::Mcb;
    double rating = 0;  // I_n, A; 0 with no device
    bool ratingGiven = false;
    double i2Multiple = 0;   // I_2 / I_n; 0 with no device
    double izPerRating = 0;  // 433.1 needs I_z ≥ this × I_n (1 when condition (2) adds nothing)
    double requiredIz = 0;   // per set, A
    double requiredIt = 0;   // per set, before the factors, A

    // Current-carrying capacity: I_z = I_t × C_a × C_g × C_s × C_h.
    int loaded = 2;
    std::optional<Layout> layout;  // F and G
    AmpacityColumn column;
    double tabulated = 0;  // I_t of the answer, A
    double iz = 0;         // of the answer, per set, A
    double ambient = 30;   // °C, of the row taken
    double ambientFactor = 1, groupingFactor = 1, soilFactor = 1, harmonicFactor = 1;
    int circuits = 1;              // grouped, parallel sets included
    int groupingColumn = 1;        // the circuit count of the column taken
    double soilResistivity = 2.5;  // K·m/W, of the column taken
    bool onNeutral = false;        // Annex E: sized on the neutral current
    double neutralCurrent = 0;     // A

    // Each criterion's smallest size; none for a criterion no size meets (a given size is then
    // answered, failing it, with `unmet` saying why) or, for short circuit, without a fault.
    std::optional<int> byAmpacity, byVoltageDrop, byShortCircuit;
    int byMinimumSize = 0;
    std::array<std::string, kCriterionCount> unmet{};
    std::optional<double> k;                // the k used, with a fault
    const KColumn* kColumn = nullptr;       // its column of Table 43A, unless given
    std::optional<double> shortCircuitMm2;  // the area the fault needs

    double u0 = 0;  // V, the voltage the drop is a percentage of
    double powerFactor = 1;
    double maxDropPercent = 0;
    const DropLimitRow* dropLimit = nullptr;  // the row of Table G.52.1, unless given
    double dropVolts = 0, dropPercent = 0;

    ProtectiveConductor cpc;
    std::optional<FaultLoop> loop;      // with an earthing system
    std::optional<MotorCircuit> motor;  // with a motor load

    IecInputs inputs;  // what the trail is written from
};

// An input the check cannot answer for, named by its key ("ambient", "method", ...).
using IecRefusal = CheckRefusal;

using IecResult = std::variant<IecAnswer, IecRefusal>;

// The smallest size meeting every criterion, or a check of `inputs.size`.
IecResult checkIecCircuit(const IecInputs& inputs);

// The answer's trail, step by step; every source is the citation a table or rule carries.
std::vector<TrailStep> iecTrail(const IecAnswer& answer);

std::string_view iecCriterionKey(IecCriterion criterion);   // "minimum_size"
std::string_view iecCriterionName(IecCriterion criterion);  // "minimum size"

// Why no run is short enough to disconnect in time, where the loop has no longest run.
std::string noRunReason(const FaultLoop& loop);

// The index in kSizes of a size written "25 mm²", "25 mm2", "25mm2" or "25"; nothing when
// IEC 60228 has no such size.
std::optional<int> iecSizeOf(std::string_view label);

}  // namespace ferrovolt::iec60364
