// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fill_command.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "cli/fill_json.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_sheet.h"

namespace ferrovolt {

namespace {

constexpr std::string_view kFillFooter =
    "Conductor areas from NEC 2023 Chapter 9 Table 5 (insulated conductors and fixture\n"
    "wires), Table 5A (compact aluminium, TYPE-compact) and Table 8 (bare, bare-solid); a\n"
    "cable counts as one conductor of its outside (major) diameter. Raceways from Table 4;\n"
    "one conductor may fill 53 %, two 31 %, more 40 %, a nipple 60 % (Note 4). Conductors\n"
    "all of one size and type are counted as Annex C counts them (Note 7).\n"
    "Lists: ferrovolt-calc list raceways, trade-sizes, fill-conductors.\n"
    "Exit status: 0 answered (whether or not they fit); 1 an input was refused (one line on\n"
    "standard error naming the option and the reason, or {\"refused\":FIELD,\"reason\":TEXT}\n"
    "with --json); 2 bad command-line input; 3 the output could not be written.";

// "{emt,ent,...}": the texts a shell's completion offers; a text not among them is refused
// by the fill itself, naming the option, rather than by the parser.
std::string racewayChoices() {
    std::string choices = "{";
    for (const chapter9::RacewayType& raceway : chapter9::kRaceways)
        (choices += raceway.key) += ',';
    return choices + "hdpe}";
}

std::string tradeSizeChoices() {
    std::string choices = "{";
    for (const chapter9::TradeSize& size : chapter9::kTradeSizes) (choices += size.trade) += ',';
    choices.back() = '}';
    return choices;
}

}  // namespace

FillCommand::FillCommand(CLI::App& app, bool& json) : m_json(json) {
    m_app = app.add_subcommand(
        "fill", "The smallest trade size of a raceway for mixed conductors and cables (NEC)");
    m_app
        ->add_option("--raceway", m_raceway,
                     "Raceway type: emt, ent, fmc, imc, lfnc-a, lfnc-b, lfmc, rmc, pvc-80, "
                     "pvc-40 (hdpe), pvc-a, pvc-eb")
        ->required()
        ->type_name(racewayChoices());
    m_app
        ->add_option("--size", m_size,
                     "Trade size to check (1/2, 3/4, 1, 1-1/4 ... 6) or metric designator "
                     "(16 ... 155); default: the smallest that holds them")
        ->type_name(tradeSizeChoices());
    m_app->add_flag("--nipple", m_nipple, "A nipple of 24 in (600 mm) or less: 60 % fill");
    m_app->add_option("--wire", m_wires,
                      "COUNTxSIZE:TYPE, as 3x12:THHN, 1x8:bare; once for each size and type");
    m_app->add_option("--cable", m_cables,
                      "COUNTxDIAMETER of a multiconductor cable, outside (major) diameter in "
                      "inches, as 2x0.52");
    m_app->add_flag("--metric", m_metric, "Cable diameters in millimetres");
    m_app->add_flag("--json", json, "Print one JSON object instead of the sheet");
    m_app->footer(std::string(kFillFooter));
}

bool FillCommand::parsed() const {
    return m_app->parsed();
}

int FillCommand::run(const CommandRun& given) const {
    std::ostream& out = given.out;
    std::ostream& err = given.err;
    const std::vector<std::string_view> wires(m_wires.begin(), m_wires.end());
    const std::vector<std::string_view> cables(m_cables.begin(), m_cables.end());
    const FillResult result = fillOfTexts(m_raceway, m_size, m_nipple, wires, cables, m_metric);
    const auto* refusal = std::get_if<FillRefusal>(&result);
    const std::optional<std::string_view> entry =
        refusal != nullptr ? fillRefusedEntry(*refusal, wires, cables) : std::nullopt;
    if (m_json) {
        std::string line;
        appendFillAnswer(line, result, entry);
        out << line << '\n';
    } else if (const auto* answer = std::get_if<FillAnswer>(&result)) {
        out << fillSheet(*answer);
    }
    if (refusal == nullptr) return kExitOk;
    if (!m_json) {
        // The option of the row at fault, and the row as it was given.
        err << kProgram << ": ";
        if (entry)
            err << (static_cast<std::size_t>(refusal->row) < wires.size() ? "--wire " : "--cable ")
                << *entry;
        else
            err << "--" << (refusal->field == "conductors" ? "wire" : refusal->field);
        err << ": " << oneLine(refusal->reason) << '\n';
    }
    return kExitRefused;
}

}  // namespace ferrovolt
