// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An installation as one tree under one code: the supply at its origin, the boards fed from
// it or from one another, and the final circuits on the boards. Every cable is the code's
// circuit check; what each gets from above is worked out by the engine (project_engine.h).

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ferrovolt::project {

using Json = nlohmann::ordered_json;

struct Identification {
    std::string name, client, reference, engineer, notes;
};

struct Network {  // the utility's network feeding a transformer
    double mvaMax = 0, mvaMin = 0;
    std::optional<double> rOverX;
    double kv = 0;
};

struct Transformer {
    double kva = 0;
    double percentZ = 0;
    std::optional<double> xOverR, percentR;
    double primaryKv = 0;
    double secondaryVolts = 0;
    std::optional<std::string> phase;  // "three" when none
    std::optional<double> tolerance;   // on %Z (NEC); 1.0 when none
};

struct Supply {
    std::optional<double> availableFaultCurrent, xOverR, volts;
    std::optional<std::string> phase;
    std::optional<Network> source;
    std::optional<Transformer> transformer;
    bool infiniteBus = false;
    std::optional<double> voltageFactorClass;  // IEC: 6 or 10 (% tolerance of the LV voltage)
    std::optional<std::string> earthing;
    std::optional<double> ze, ipf;
};

// A cable's inputs: the code's circuit-check fields by key, as JSON values (numbers, texts,
// flags), in the code's field order.
using Cable = std::vector<std::pair<std::string, Json>>;

// The motors running at a board, for what they feed into a fault: their full-load current, or
// a percentage of the board's design current. One of the two.
struct MotorLoad {
    std::optional<double> fla;      // A
    std::optional<double> percent;  // of the board's load
};

struct Board {
    std::string id;
    std::string fedFrom;  // "supply" or a board's id
    std::optional<Cable> cable;
    double demandFactor = 1;
    std::optional<double> breakingCapacityKa;
    std::optional<MotorLoad> motorLoad = std::nullopt;  // none: no motor contribution
};

struct Circuit {
    std::string id;
    std::string board;
    Cable cable;
};

enum class FaultSetting { PointToPoint, Impedance };

struct Project {
    Identification identification;
    std::string code;  // "nec2023", "iec60364"
    Supply supply;
    std::vector<Board> boards;
    std::vector<Circuit> circuits;
    FaultSetting faultMethod = FaultSetting::Impedance;
};

}  // namespace ferrovolt::project
