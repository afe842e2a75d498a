// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/batch.h"
#include "cli/batch_help.h"
#include "cli/calculator_options.h"
#include "cli/circuit_command.h"
#include "cli/command_output.h"
#include "cli/fill_command.h"
#include "cli/list_command.h"
#include "cli/project_command.h"

#ifndef FERROVOLT_VERSION
#error "FERROVOLT_VERSION comes from the project version in CMake"
#endif

namespace ferrovolt {

namespace {

constexpr std::string_view kBatchHelp =
    "batch reads one JSON request per line on standard input and writes one JSON answer\n"
    "per line, in order: {\"outputs\":{NAME:TEXT,...},\"rows\":[...]}, {\"refused\":FIELD},\n"
    "or {\"error\":\"...\"} for a line that is empty, not JSON, lacks a field, has a field of\n"
    "the wrong type or a number out of range, holds a NUL byte or is longer than 1 MiB;\n"
    "the batch then goes on. Fields a calculator does not read are ignored. batch exits\n"
    "with 0 once every line is answered, 2 when standard input cannot be read.";

// Flushes the output; kExitOk, or kExitWriteFailed with one line on standard error.
int flushed(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return kExitOk;
    err << kProgram << ": the output could not be written\n";
    return kExitWriteFailed;
}

// "area, resistance, ..., batch": every subcommand, in the order of the help.
std::string commandNames(CLI::App& app) {
    std::string names;
    for (const CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        if (!names.empty()) names += ", ";
        names += sub->get_name();
    }
    return names;
}

// Reports a command line that does not parse; --help and --version end here too.
int parseFailure(CLI::App& app, const CLI::ParseError& e, std::ostream& out, std::ostream& err) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
        app.exit(e, out, err);
        return flushed(out, err);
    }
    err << kProgram << ": ";
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr && app.get_subcommands().empty())
        err << "unknown command: the command is one of: " << commandNames(app) << '\n';
    else
        err << oneLine(e.what()) << '\n';
    return kExitUsage;
}

class BatchCommand final : public Subcommand {
public:
    BatchCommand(CLI::App& app, const std::string& footer) {
        m_app = app.add_subcommand(
            "batch", "Answer JSON Lines requests from standard input, one answer per line");
        m_app->footer(batchRequestsHelp() + "\n\n" + footer);
    }
    bool parsed() const override { return m_app->parsed(); }
    int run(const CommandRun& given) const override {
        runBatch(given.tables, given.in, given.out);
        if (!given.in.bad()) return kExitOk;
        // A directory or a closed descriptor is no input, not an empty one.
        given.out.flush();
        given.err << kProgram << ": batch: standard input could not be read\n";
        return kExitUsage;
    }

private:
    CLI::App* m_app;
};

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, const CliInspector& inspect) {
    CLI::App app(
        "Ferrovolt calculators for electricians: wire gauges, resistance, conduit "
        "fill, voltage drop and conductor sizing.",
        std::string(kProgram));
    app.set_version_flag("--version", std::string(kProgram) + " " + FERROVOLT_VERSION);
    const std::string footer = std::string(kExitStatusHelp) + "\n\n" + std::string(kBatchHelp);
    app.footer(footer);
    app.require_subcommand(0, 1);
    bool json = false;

    Tables tables;
    InitTables(tables);
    // Every command, in the order of the help.
    std::vector<std::unique_ptr<Subcommand>> commands;
    for (const Command* command : calculatorCommands())
        if (!command->description().command.empty())
            commands.push_back(std::make_unique<CalculatorOptions>(app, *command, tables, json));
    commands.push_back(std::make_unique<CircuitCommands>(app, json));
    commands.push_back(std::make_unique<FillCommand>(app, json));
    commands.push_back(std::make_unique<ProjectCommand>(app, json));
    commands.push_back(std::make_unique<ListCommand>(app, json));
    commands.push_back(std::make_unique<BatchCommand>(app, footer));

    if (inspect) {
        inspect(app);
        return kExitOk;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return parseFailure(app, e, out, err);
    }

    int status = kExitOk;
    const auto given = std::find_if(commands.begin(), commands.end(),
                                    [](const auto& command) { return command->parsed(); });
    if (given != commands.end())
        status = (*given)->run({tables, in, out, err});
    else
        out << app.help();
    // A subcommand that ended so has reported it already.
    if (status == kExitUsage || status == kExitWriteFailed) return status;
    const int written = flushed(out, err);
    return written == kExitOk ? status : written;
}

}  // namespace ferrovolt
