// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/field_options.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "check/field_applies.h"
#include "check/set_case.h"
#include "cli/check_json.h"
#include "cli/cli_app.h"
#include "cli/code_fields.h"
#include "cli/command_output.h"

namespace ferrovolt {

CLI::Option* addFieldOption(CLI::App& app, const CheckField& field, GivenOption& given,
                            const std::string& help) {
    given.isFlag = field.kind == InputKind::Flag;
    given.rows = field.rows;
    const std::string option(field.option);
    if (given.isFlag) return given.option = app.add_flag(option, given.flag, help);
    if (given.rows) return given.option = app.add_option(option, given.texts, help);
    given.option = app.add_option(option, given.text, help);
    if (field.kind == InputKind::Text && !field.choices.empty()) {
        std::string names = "{" + std::string(field.choices) + "}";
        for (char& c : names)
            if (c == '|') c = ',';
        given.option->type_name(names);
    }
    if (requiredAlways(field)) given.option->required();
    return given.option;
}

bool OptionSource::wasGiven(const GivenOption& given) {
    return given.option->count() > 0;
}

CheckRefusal OptionSource::notTaken(const CheckField& field) const {
    return notOfCode(m_check, field.key);
}

int printChecked(const CheckCase& checked, const std::optional<CheckRefusal>& refusal,
                 std::string_view option, std::optional<std::string_view> entry, bool json,
                 std::ostream& out, std::ostream& err) {
    if (json) {
        std::string line;
        refusal ? appendCheckRefusal(line, *refusal, entry) : appendCheckAnswer(line, checked);
        out << line << '\n';
    } else if (!refusal) {
        out << checked.sheet();
    }
    if (!refusal) return kExitOk;
    if (!json) {
        err << kProgram << ": " << option;
        if (entry) err << ' ' << *entry;
        err << ": " << oneLine(refusal->reason) << '\n';
    }
    return kExitRefused;
}

int missingOptionFailure(std::string_view option, std::ostream& err) {
    err << kProgram << ": " << option << " is required\n";
    return kExitUsage;
}

int runCheck(const Check& check, const std::deque<GivenOption>& given, bool json, std::ostream& out,
             std::ostream& err) {
    CheckCase& checked = freshCheckCase(check);
    OptionSource source(given, check);
    std::optional<CheckRefusal> refusal = setCase(checked, check.fields(), source);
    if (source.missingOption()) return missingOptionFailure(*source.missingOption(), err);
    if (!refusal) refusal = checked.check();
    std::optional<RefusedEntry> entry;
    std::string_view option;
    if (refusal) {
        entry = refusedEntry(check, *refusal, source);
        const CheckField* field = entry ? entry->field : check.field(refusal->field);
        option = field != nullptr ? field->option : refusal->field;
    }
    return printChecked(checked, refusal, option,
                        entry ? std::optional<std::string_view>(entry->text) : std::nullopt, json,
                        out, err);
}

}  // namespace ferrovolt
