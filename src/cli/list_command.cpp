// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_command.h"

#include <ostream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/calculator_options.h"
#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "cli/list_texts.h"

namespace ferrovolt {

namespace {

std::vector<std::string> topics() {
    const std::vector<std::string_view> all = listTopics();
    return {all.begin(), all.end()};
}

}  // namespace

ListCommand::ListCommand(CLI::App& app, bool& json) : m_json(json) {
    m_app = app.add_subcommand("list", "Print the accepted texts, one per line");
    m_app->add_option("topic", m_topic, "What to list")->check(oneOf(topics()));
    m_app->add_flag("--inches", m_inches, "Conduit sizes in inches (default millimetres)");
    m_app->add_flag("--json", json, "Print one JSON object {\"topic\":TOPIC,\"texts\":[...]}");
}

bool ListCommand::parsed() const {
    return m_app->parsed();
}

int ListCommand::run(const CommandRun& given) const {
    const Tables& tables = given.tables;
    std::ostream& out = given.out;
    std::ostream& err = given.err;
    if (m_topic.empty()) {
        err << kProgram << ": list: a topic is required: one of ";
        const std::vector<std::string_view> all = listTopics();
        for (std::string_view topic : all) err << topic << (topic == all.back() ? "\n" : ", ");
        return kExitUsage;
    }
    const std::vector<std::string> texts = listTexts(tables, m_topic, m_inches);
    if (m_json) {
        const nlohmann::ordered_json json{{"topic", m_topic}, {"texts", texts}};
        out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return kExitOk;
    }
    for (const std::string& text : texts) out << text << '\n';
    return kExitOk;
}

}  // namespace ferrovolt
