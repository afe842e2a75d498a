// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the metric circuit check is asked: the circuit, its installation under IEC 60364-5-52,
// its protective device and its fault. Each choice has its key, as the command line and the
// batch write it, and the words a window shows for it.

#include <array>
#include <optional>
#include <string_view>

#include "check/choice.h"
#include "iec60364/iec60364_tables.h"

namespace ferrovolt::iec60364 {

enum class Metal { Copper, Aluminium };
enum class Phase { Single, Three, Dc };
enum class Insulation { Pvc, Xlpe };
enum class Method { A1, A2, B1, B2, C, D1, D2, E, F, G };
enum class Layout { Trefoil, Flat, Horizontal, Vertical };
enum class DuctCables { Multicore, SingleCore };
enum class Device { Mcb, Cb, Gg, None, Am };
enum class Load { General, Motor };
enum class Use { Lighting, Other };
enum class Supply { Public, Private };
enum class Earthing { TnS, TnCS, Tt };

struct IecInputs {
    double current = 0;  // design current I_B, A
    double length = 0;   // one way, m
    Metal material = Metal::Copper;
    Phase phase = Phase::Single;
    double volts = 230;                      // line to line for three phase
    std::optional<double> maxDropPercent{};  // else Table G.52.1 by use and supply
    std::optional<Use> use{};                // Table G.52.1; other uses when none
    std::optional<Supply> supply{};          // Table G.52.1; public when none
    Insulation insulation = Insulation::Pvc;
    Method method = Method::C;
    std::optional<Layout> layout{};           // F: trefoil or flat; G: horizontal or vertical
    std::optional<int> loaded{};              // 2 or 3; else 2 for single phase and DC, 3 for three
    std::optional<double> ambient{};          // °C: air, or ground for D1/D2 (30 / 20 when none)
    std::optional<double> soilResistivity{};  // K·m/W, D1/D2 (2.5 when none)
    int grouping = 1;                         // circuits in the group, this circuit counted once
    std::optional<Arrangement> arrangement{};  // B.52.17 item, methods A to F (bunched when none)
    std::optional<Spacing> spacing{};          // B.52.18/B.52.19, D1/D2 (touching when none)
    std::optional<DuctCables> ducts{};         // D1: which part of B.52.19 (multicore when none)
    std::optional<double> thirdHarmonicPercent{};  // Annex E, four- and five-core cables
    Device device = Device::Mcb;
    std::optional<double> deviceRating{};  // I_n, A; else the next rating of the series ≥ I_B
    bool ggDeemed = false;                 // the national rule that deems I_n ≤ I_z enough for gG
    std::optional<double> powerFactor{};   // AC only; Annex G's 0.8 when none
    int sets = 1;                          // parallel sets; each counts as a circuit for grouping
    std::optional<double> faultCurrent{};  // A
    std::optional<double> clearingTime{};  // s
    std::optional<double> k{};             // overrides Table 43A
    std::optional<int> size{};             // index into kSizes: a size to check, not to choose

    // The fault path: the protective conductor, and automatic disconnection when an earthing
    // system is given.
    bool cpcSeparate = false;             // a separate conductor, not a core of the cable
    bool cpcProtected = false;            // a separate one protected against mechanical damage
    std::optional<double> u0{};           // V to earth; single phase only, else from the volts
    std::optional<Earthing> earthing{};   // no disconnection check without it
    std::optional<double> ze{};           // Ω, the loop impedance outside the circuit
    std::optional<Curve> curve{};         // MCB: I_a from its instantaneous range
    std::optional<double> tripCurrent{};  // I_a, A: operates the device within the time
    bool applyCmin = false;               // Zs_max = c_min U0 / I_a instead of U0 / I_a
    bool distribution = false;            // a distribution circuit (411.3.2.3, 411.3.2.4)
    std::optional<double> rcd{};          // I_Δn, A (TT)
    std::optional<double> ra{};           // Ω, the installation's earth electrode (TT)

    // A motor: its design current from the rated (shaft) power, efficiency and power factor,
    // or the nameplate current; what it draws while it starts; and the dips that start may
    // cause, held to design criteria, not to the code.
    Load load = Load::General;
    std::optional<double> kw{};
    std::optional<double> efficiency{};
    std::optional<double> motorPowerFactor{};
    std::optional<double> fla{};  // A, the nameplate current
    std::optional<double> lra{};  // A, the nameplate locked-rotor current
    std::optional<double>
        startMultiple{};  // I_st / I_n, where the locked-rotor current is not given
    std::optional<double> startPowerFactor{};
    double dipLimitMotor = 15;  // %, at the motor's terminals
    double dipLimitBoard = 10;  // %, at the board the circuit leaves
    // The source's impedance where the circuit leaves, Ω, from the installation tree: per phase
    // for three phase, the loop for single phase. Else the fault current or Ze stands for it.
    std::optional<double> sourceR{}, sourceX{};
};

// A choice as the front ends offer it: its key and the words that say what it is.
inline constexpr std::array<Choice<Metal>, 2> kMetals = {{
    {Metal::Copper, "copper", "Copper"},
    {Metal::Aluminium, "aluminium", "Aluminium"},
}};

inline constexpr std::array<Choice<Phase>, 3> kPhases = {{
    {Phase::Single, "single", "Single phase"},
    {Phase::Three, "three", "Three phase"},
    {Phase::Dc, "dc", "DC"},
}};

inline constexpr std::array<Choice<Insulation>, 2> kInsulations = {{
    {Insulation::Pvc, "pvc", "PVC (70 °C)"},
    {Insulation::Xlpe, "xlpe", "XLPE or EPR (90 °C)"},
}};

// The reference methods in the words of Table B.52.1.
inline constexpr std::array<Choice<Method>, 10> kMethods = {{
    {Method::A1, "A1",
     "A1: insulated conductors or single-core cables in conduit in a thermally insulated wall"},
    {Method::A2, "A2", "A2: multicore cable in conduit in a thermally insulated wall"},
    {Method::B1, "B1",
     "B1: insulated conductors or single-core cables in conduit on or in a masonry or wooden "
     "wall"},
    {Method::B2, "B2", "B2: multicore cable in conduit on a wall"},
    {Method::C, "C", "C: single-core or multicore cable fixed on a wall"},
    {Method::D1, "D1", "D1: cables in ducts in the ground"},
    {Method::D2, "D2", "D2: sheathed cables laid directly in the ground"},
    {Method::E, "E", "E: multicore cable in free air"},
    {Method::F, "F", "F: single-core cables touching in free air"},
    {Method::G, "G", "G: single-core cables spaced in free air"},
}};

inline constexpr std::array<Choice<Layout>, 4> kLayouts = {{
    {Layout::Trefoil, "trefoil", "Trefoil"},
    {Layout::Flat, "flat", "Flat, touching"},
    {Layout::Horizontal, "horizontal", "Spaced, horizontal"},
    {Layout::Vertical, "vertical", "Spaced, vertical"},
}};

inline constexpr std::array<Choice<Arrangement>, 5> kArrangements = {{
    {Arrangement::Bunched, "bunched", "Bunched in air, on a surface, embedded or enclosed"},
    {Arrangement::SingleLayerWall, "single-layer-wall",
     "Single layer on a wall, floor or unperforated tray"},
    {Arrangement::SingleLayerCeiling, "single-layer-ceiling",
     "Single layer fixed directly under a wooden ceiling"},
    {Arrangement::PerforatedTray, "perforated-tray", "Single layer on a perforated tray"},
    {Arrangement::Ladder, "ladder", "Single layer on ladder supports or cleats"},
}};

inline constexpr std::array<Choice<Spacing>, 6> kSpacings = {{
    {Spacing::Touching, "touching", "Touching"},
    {Spacing::OneDiameter, "one-diameter", "One cable diameter"},
    {Spacing::M0_125, "0.125", "0.125 m"},
    {Spacing::M0_25, "0.25", "0.25 m"},
    {Spacing::M0_5, "0.5", "0.5 m"},
    {Spacing::M1_0, "1", "1 m"},
}};

inline constexpr std::array<Choice<DuctCables>, 2> kDuctCables = {{
    {DuctCables::Multicore, "multicore", "Multicore cables, one per duct"},
    {DuctCables::SingleCore, "single-core", "Single-core cables, one circuit per duct"},
}};

inline constexpr std::array<Choice<Device>, 5> kDevices = {{
    {Device::Mcb, "mcb", "Circuit-breaker, IEC 60898-1"},
    {Device::Cb, "cb", "Circuit-breaker, IEC 60947-2"},
    {Device::Gg, "gg", "Fuse gG, IEC 60269"},
    {Device::Am, "am", "Fuse aM, IEC 60269 (motor circuits: short circuit only)"},
    {Device::None, "none", "None"},
}};

// An air conditioner is a matter of NEC Article 440, which IEC 60364 has no counterpart of.
inline constexpr std::array<Choice<Load>, 2> kLoads = {{
    {Load::General, "general", "General"},
    {Load::Motor, "motor", "Motor"},
}};

inline constexpr std::array<Choice<Use>, 2> kUses = {{
    {Use::Lighting, "lighting", "Lighting"},
    {Use::Other, "other", "Other uses"},
}};

inline constexpr std::array<Choice<Supply>, 2> kSupplies = {{
    {Supply::Public, "public", "Public LV supply"},
    {Supply::Private, "private", "Private supply"},
}};

inline constexpr std::array<Choice<Earthing>, 3> kEarthings = {{
    {Earthing::TnS, "TN-S", "TN-S: separate neutral and protective conductors"},
    {Earthing::TnCS, "TN-C-S", "TN-C-S: combined PEN conductor in the supply"},
    {Earthing::Tt, "TT", "TT: the installation's own earth electrode"},
}};

inline constexpr std::array<Choice<Curve>, 3> kCurves = {{
    {Curve::B, "B", "B: 3 to 5 I_n"},
    {Curve::C, "C", "C: 5 to 10 I_n"},
    {Curve::D, "D", "D: 10 to 20 I_n"},
}};

}  // namespace ferrovolt::iec60364
