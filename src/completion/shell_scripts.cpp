// SPDX-License-Identifier: GPL-3.0-or-later
// The completion scripts of bash, zsh and fish, written from the command model.

#include <sstream>

#include "command_model.h"

namespace ferrovolt {

namespace {

// A shell word in single quotes.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string functionName(const std::string& program) {
    std::string name = "_";
    for (char c : program) name += (c == '-') ? '_' : c;
    return name;
}

std::string joined(const std::vector<std::string>& words, const std::string& separator) {
    std::string out;
    for (const std::string& word : words) out += (out.empty() ? "" : separator) + word;
    return out;
}

std::vector<std::string> subcommandNames(const CompletionModel& model) {
    std::vector<std::string> names;
    for (const CompletionCommand& command : model.commands)
        if (!command.name.empty()) names.push_back(command.name);
    return names;
}

// Brackets and colons delimit zsh's option entries: keep them out of descriptions.
std::string zshText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '[' || c == ']') continue;
        if (c == ':' || c == '\'')
            out += ' ';
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string bashCompletion(const CompletionModel& model) {
    const std::string function = functionName(model.program);
    std::ostringstream out;
    out << "# bash completion for " << model.program << ", generated from its commands\n"
        << function << "() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        << "    local command='' i IFS=$'\\n'\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        case ${COMP_WORDS[i]} in\n"
        << "            " << joined(subcommandNames(model), "|")
        << ") command=${COMP_WORDS[i]}; break ;;\n"
        << "        esac\n"
        << "    done\n"
        << "    local words=''\n"
        << "    case $command:$prev in\n";
    for (const CompletionCommand& command : model.commands)
        for (const CompletionOption& option : command.options)
            // An option's value: one of its set, or any text (nothing to offer).
            if (option.takesValue)
                for (const std::string& name : option.names)
                    out << "        " << quoted(command.name + ":" + name)
                        << ") words=" << quoted(joined(option.choices, "\n")) << " ;;\n";
    out << "        *)\n"
        << "            case $command in\n";
    for (const CompletionCommand& command : model.commands) {
        std::vector<std::string> words;
        if (command.name.empty()) words = subcommandNames(model);
        for (const CompletionOption& option : command.options)
            words.insert(words.end(), option.names.begin(), option.names.end());
        words.insert(words.end(), command.argumentChoices.begin(), command.argumentChoices.end());
        out << "                " << quoted(command.name)
            << ") words=" << quoted(joined(words, "\n")) << " ;;\n";
    }
    out << "            esac ;;\n"
        << "    esac\n"
        << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "}\n"
        << "complete -F " << function << " " << model.program << "\n";
    return out.str();
}

std::string zshCompletion(const CompletionModel& model) {
    const std::string function = functionName(model.program);
    std::ostringstream out;
    out << "#compdef " << model.program << "\n"
        << "# zsh completion for " << model.program << ", generated from its commands\n\n"
        << function << "() {\n";
    const auto optionLines = [&out](const CompletionCommand& command) {
        for (const CompletionOption& option : command.options) {
            for (const std::string& name : option.names) {
                std::string line = name + "[" + zshText(option.description) + "]";
                if (option.takesValue) {
                    line += ":value:";
                    if (!option.choices.empty()) {
                        std::vector<std::string> choices;
                        for (const std::string& choice : option.choices)
                            choices.push_back(quoted(choice));
                        line += '(';
                        line += joined(choices, " ");
                        line += ')';
                    }
                }
                out << "        " << quoted(line) << " \\\n";
            }
        }
    };
    out << "    local -a commands\n    commands=(\n";
    for (const CompletionCommand& command : model.commands)
        if (!command.name.empty())
            out << "        " << quoted(command.name + ":" + zshText(command.description)) << "\n";
    out << "    )\n"
        << "    if (( CURRENT == 2 )); then\n"
        << "        _describe -t commands command commands\n"
        << "        _arguments \\\n";
    optionLines(model.commands.front());
    out << "            && return\n"
        << "        return\n"
        << "    fi\n"
        << "    local command=$words[2]\n"
        << "    shift words\n"
        << "    (( CURRENT-- ))\n"
        << "    case $command in\n";
    for (const CompletionCommand& command : model.commands) {
        if (command.name.empty()) continue;
        out << "    " << command.name << ")\n        _arguments \\\n";
        optionLines(command);
        if (!command.argumentChoices.empty()) {
            std::vector<std::string> choices;
            for (const std::string& choice : command.argumentChoices) choices.push_back(choice);
            out << "        " << quoted("1:argument:(" + joined(choices, " ") + ")") << " \\\n";
        }
        out << "        ;;\n";
    }
    out << "    esac\n"
        << "}\n\n"
        << function << " \"$@\"\n";
    return out.str();
}

std::string fishCompletion(const CompletionModel& model) {
    const std::string head = "complete -c " + model.program;
    std::ostringstream out;
    out << "# fish completion for " << model.program << ", generated from its commands\n"
        << head << " -f\n";
    for (const CompletionCommand& command : model.commands) {
        const std::string condition = command.name.empty()
                                          ? "__fish_use_subcommand"
                                          : "__fish_seen_subcommand_from " + command.name;
        if (!command.name.empty())
            out << head << " -n __fish_use_subcommand -a " << command.name << " -d "
                << quoted(command.description) << "\n";
        for (const CompletionOption& option : command.options) {
            out << head << " -n " << quoted(condition);
            for (const std::string& name : option.names)
                out << (name.rfind("--", 0) == 0 ? " -l " + name.substr(2)
                                                 : " -s " + name.substr(1));
            out << " -d " << quoted(option.description);
            if (option.takesValue) out << " -r";
            if (!option.choices.empty()) out << " -a " << quoted(joined(option.choices, "\n"));
            out << "\n";
        }
        if (!command.argumentChoices.empty())
            out << head << " -n " << quoted(condition) << " -a "
                << quoted(joined(command.argumentChoices, " ")) << "\n";
    }
    return out.str();
}

}  // namespace ferrovolt
