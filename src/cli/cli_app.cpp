#include "cli/cli_app.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "cli/batch.h"
#include "cli/circuit_command.h"
#include "cli/command_output.h"
#include "cli/list_texts.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

#ifndef FERROVOLT_VERSION
#error "FERROVOLT_VERSION comes from the project version in CMake"
#endif

namespace ferrovolt {

namespace {

constexpr std::string_view kFooter =
    "Exit status: 0 results printed; 1 an input was refused (one line on standard error\n"
    "naming the option, or {\"refused\":FIELD} on standard output with --json); 2 bad\n"
    "command-line input (one line on standard error); 3 the output could not be written.\n"
    "\n"
    "batch reads one JSON request per line on standard input and writes one JSON answer\n"
    "per line, in order: {\"outputs\":{NAME:TEXT,...}}, {\"refused\":FIELD}, or\n"
    "{\"error\":\"...\"} for a line that is empty, not JSON, lacks a field, has a field of\n"
    "the wrong type or a number out of range, holds a NUL byte or is longer than 1 MiB;\n"
    "the batch then goes on. Fields a calculator does not read are ignored. batch exits\n"
    "with 0 once every line is answered, 2 when standard input cannot be read.";

constexpr std::string_view kBatchRequests =
    "Requests, one JSON object per line, with \"calc\" and its inputs:\n"
    "  area_weight     gauge, standard (texts)\n"
    "  resistance      gauge, material, temperature (texts), unit (\"C\", \"F\" or \"K\")\n"
    "  compare         position (1 to 46), unit (0 mm2, 1 sq in, 2 circular mils)\n"
    "  gauge_area      gauge (text), standard (0 to 4), unit (0 to 3), by_position (bool)\n"
    "  conduit         inches (bool), size (text), fill (40 or 60), cable (text)\n"
    "  voltage_drop    length (text), feet (bool), current, material, supply, gauge (texts)\n"
    "  conductor_size  length (text), feet (bool), current, material (texts),\n"
    "                  three_phase (bool), volts (\"120\" to \"480\")\n"
    "  circuit         the options of `circuit` in snake_case (max_drop, fault_current, ...),\n"
    "                  numbers as numbers or texts, flags as bools; answers its JSON object\n"
    "Answers name each result by its label in the window (Dia_mm, lblDrop, ...); gauge_area\n"
    "answers {\"outputs\":{\"area\":TEXT}}, with \"\" where the gauge has no value.";

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string all;
    for (const std::string& text : texts) {
        if (!all.empty()) all.append(separator);
        all += text;
    }
    return all;
}

// A choice among fixed texts; the error names every accepted text.
CLI::Validator oneOf(std::vector<std::string> choices) {
    const std::string accepted = joined(choices, ", ");
    return CLI::Validator(
        [choices = std::move(choices), accepted](std::string& value) -> std::string {
            if (std::find(choices.begin(), choices.end(), value) != choices.end()) return {};
            return "\"" + value + "\" is not one of: " + accepted;
        },
        "{" + joined(choices, ",") + "}");
}

// Every command's inputs, with the window's initial inputs as defaults.
struct AreaInputs {
    std::string gauge = "18", standard = "AWG (B&S)";
};
struct ResistanceInputs {
    std::string gauge = "18", material = "Copper (Annealed)", temperature = "20", unit = "C";
};
struct CompareInputs {
    std::string gauge = "18", unit = "mm";
};
struct ConduitInputs {
    bool inches = false;
    std::string size, cable, fill = "40";  // size and cable default by measure
};
struct DropInputs {
    std::string length = "100", current = "10", material = "Aluminium",
                supply = "240 Volts 1-phase", gauge = "18 AWG";
    bool feet = false;
};
struct SizeInputs {
    std::string length = "100", current = "10", material = "Aluminium", phase = "single",
                volts = "240";
    bool feet = false;
};

CLI::App* addCalc(CLI::App& app, const char* name, const char* description, bool& json) {
    CLI::App* sub = app.add_subcommand(name, description);
    sub->add_flag("--json", json, "Print one JSON object instead of the rows");
    sub->footer(std::string(kFooter));
    return sub;
}

std::vector<std::string> dropLimitTags() {
    std::vector<std::string> tags;
    for (const DropLimit& limit : DropLimitTable) tags.emplace_back(limit.tag);
    return tags;
}

std::vector<std::string> topics() {
    return {std::begin(kListTopics), std::end(kListTopics)};
}

// Flushes the output; kExitOk, or kExitWriteFailed with one line on standard error.
int flushed(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return kExitOk;
    err << kProgram << ": the output could not be written\n";
    return kExitWriteFailed;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, const CliInspector& inspect) {
    CLI::App app(
        "Ferrovolt calculators for electricians: wire gauges, resistance, conduit "
        "fill, voltage drop and conductor sizing.",
        std::string(kProgram));
    app.set_version_flag("--version", std::string(kProgram) + " " + FERROVOLT_VERSION);
    app.footer(std::string(kFooter));
    app.require_subcommand(0, 1);
    bool json = false;

    AreaInputs area;
    CLI::App* areaCmd = addCalc(app, "area", "Diameter, area and copper weight of a gauge", json);
    areaCmd->add_option("--gauge", area.gauge, "Gauge label (list gauges)")->capture_default_str();
    areaCmd->add_option("--standard", area.standard, "Wire standard (list standards)")
        ->capture_default_str();

    ResistanceInputs res;
    CLI::App* resCmd = addCalc(app, "resistance",
                               "DC resistance and copper weight per length of an AWG gauge", json);
    resCmd->add_option("--gauge", res.gauge, "AWG gauge label (list gauges)")
        ->capture_default_str();
    resCmd->add_option("--material", res.material, "Material (list materials)")
        ->capture_default_str();
    resCmd->add_option("--temperature", res.temperature, "Temperature")->capture_default_str();
    resCmd->add_option("--unit", res.unit, "Temperature unit")
        ->check(oneOf({"C", "F", "K"}))
        ->capture_default_str();

    CompareInputs cmp;
    CLI::App* cmpCmd = addCalc(app, "compare", "Area of one gauge under all five standards", json);
    cmpCmd->add_option("--gauge", cmp.gauge, "Gauge label")
        ->check(oneOf(gaugeListTexts()))
        ->capture_default_str();
    cmpCmd->add_option("--unit", cmp.unit, "Sq Millimeters, Sq Inches or Circular Mils")
        ->check(oneOf({"mm", "inches", "mils"}))
        ->capture_default_str();

    ConduitInputs con;
    CLI::App* conCmd = addCalc(app, "conduit", "How many cables fit a conduit", json);
    conCmd->add_flag("--inches", con.inches, "Inch trade sizes and inches (default millimetres)");
    CLI::Option* sizeOpt =
        conCmd->add_option("--size", con.size, "Conduit size (list conduits); default 100 or 4");
    CLI::Option* cableOpt =
        conCmd->add_option("--cable", con.cable, "Cable diameter; default 25 or 1");
    conCmd->add_option("--fill", con.fill, "Fill in percent")
        ->check(oneOf({"40", "60"}))
        ->capture_default_str();

    DropInputs drop;
    CLI::App* dropCmd = addCalc(app, "drop", "Voltage drop along a circuit", json);
    dropCmd->add_option("--length", drop.length, "One-way circuit length")->capture_default_str();
    dropCmd->add_flag("--feet", drop.feet, "The length is in feet (default metres)");
    dropCmd->add_option("--current", drop.current, "Load in amperes")->capture_default_str();
    dropCmd->add_option("--material", drop.material, "Material (list materials)")
        ->capture_default_str();
    dropCmd->add_option("--supply", drop.supply, "Voltage and phase (list supplies)")
        ->capture_default_str();
    dropCmd->add_option("--gauge", drop.gauge, "Wire gauge (list conductors)")
        ->capture_default_str();

    SizeInputs size;
    CLI::App* sizeCmd = addCalc(app, "size", "Smallest conductor within the drop limit", json);
    sizeCmd->add_option("--length", size.length, "One-way circuit length")->capture_default_str();
    sizeCmd->add_flag("--feet", size.feet, "The length is in feet (default metres)");
    sizeCmd->add_option("--current", size.current, "Load in amperes")->capture_default_str();
    sizeCmd->add_option("--material", size.material, "Material (list materials)")
        ->capture_default_str();
    sizeCmd->add_option("--phase", size.phase, "Single or three phase")
        ->check(oneOf({"single", "three"}))
        ->capture_default_str();
    sizeCmd->add_option("--volts", size.volts, "Nominal voltage")
        ->check(oneOf(dropLimitTags()))
        ->capture_default_str();

    CircuitCommands circuit(app, json);

    std::string topic;
    bool listInches = false;
    CLI::App* listCmd = app.add_subcommand("list", "Print the accepted texts, one per line");
    listCmd->add_option("topic", topic, "What to list")->check(oneOf(topics()));
    listCmd->add_flag("--inches", listInches, "Conduit sizes in inches (default millimetres)");

    CLI::App* batchCmd = app.add_subcommand(
        "batch", "Answer JSON Lines requests from standard input, one answer per line");
    batchCmd->footer(std::string(kBatchRequests) + "\n\n" + std::string(kFooter));

    if (inspect) {
        inspect(app);
        return kExitOk;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            app.exit(e, out, err);  // --help or --version
            return flushed(out, err);
        }
        err << kProgram << ": ";
        if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr && app.get_subcommands().empty())
            err << "unknown command: the command is one of: area, resistance, compare, "
                   "conduit, drop, size, circuit, schedule, list, batch\n";
        else
            err << oneLine(e.what()) << '\n';
        return kExitUsage;
    }

    Tables tables;
    InitTables(tables);
    int status = kExitOk;
    if (areaCmd->parsed()) {
        status = report(
            outcomeOf(CalcAreaWeight(tables, area.gauge, area.standard)), json,
            {{Field::Gauge, &area.gauge, "gauges"}, {Field::Standard, &area.standard, "standards"}},
            out, err);
    } else if (resCmd->parsed()) {
        const TempUnit unit = res.unit == "F"   ? TempUnit::Fahrenheit
                              : res.unit == "K" ? TempUnit::Kelvin
                                                : TempUnit::Celsius;
        status = report(
            outcomeOf(CalcResistance(tables, res.gauge, res.material, res.temperature, unit)), json,
            {{Field::Gauge, &res.gauge, "gauges"},
             {Field::Material, &res.material, "materials"},
             {Field::Temperature, &res.temperature, ""}},
            out, err);
    } else if (cmpCmd->parsed()) {
        const int position = *gaugePositionOfLabel(tables, cmp.gauge);  // checked by oneOf
        const int unit = cmp.unit == "inches" ? SquareInches
                         : cmp.unit == "mils" ? CircularMils
                                              : SquareMillimetres;
        status = report(outputsOf(CalcComparison(tables, position, unit)), json, {}, out, err);
    } else if (conCmd->parsed()) {
        if (sizeOpt->count() == 0) con.size = con.inches ? "4" : "100";
        if (cableOpt->count() == 0) con.cable = con.inches ? "1" : "25";
        status = report(
            outcomeOf(
                CalcConduitCapacity(tables, con.inches, con.size, con.fill == "40", con.cable),
                con.inches),
            json,
            {{Field::ConduitSize, &con.size, con.inches ? "conduits --inches" : "conduits"},
             {Field::Cable, &con.cable, ""}},
            out, err);
    } else if (dropCmd->parsed()) {
        status = report(outcomeOf(CalcVoltageDrop(tables, drop.length, !drop.feet, drop.current,
                                                  drop.material, drop.supply, drop.gauge)),
                        json,
                        {{Field::Length, &drop.length, ""},
                         {Field::Current, &drop.current, ""},
                         {Field::Material, &drop.material, "materials"},
                         {Field::Supply, &drop.supply, "supplies"},
                         {Field::Gauge, &drop.gauge, "conductors"}},
                        out, err);
    } else if (sizeCmd->parsed()) {
        status =
            report(outcomeOf(CalcConductorSize(tables, size.length, !size.feet, size.current,
                                               size.material, size.phase == "single", size.volts)),
                   json,
                   {{Field::Length, &size.length, ""},
                    {Field::Current, &size.current, ""},
                    {Field::Material, &size.material, "materials"},
                    {Field::Volts, &size.volts, ""}},
                   out, err);
    } else if (circuit.parsed()) {
        status = circuit.run(out, err);
    } else if (listCmd->parsed() && topic.empty()) {
        err << kProgram << ": list: a topic is required: one of " << joined(topics(), ", ") << '\n';
        return kExitUsage;
    } else if (listCmd->parsed()) {
        for (const std::string& text : listTexts(tables, topic, listInches)) out << text << '\n';
    } else if (batchCmd->parsed()) {
        runBatch(tables, in, out);
        if (in.bad()) {
            // A directory or a closed descriptor is no input, not an empty one.
            out.flush();
            err << kProgram << ": batch: standard input could not be read\n";
            return kExitUsage;
        }
    } else {
        out << app.help();
    }
    const int written = flushed(out, err);
    return written == kExitOk ? status : written;
}

}  // namespace ferrovolt
