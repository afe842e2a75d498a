// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A check's fields as command-line options: one option per field (a flag, a text, or for an
// input of rows an option given once per row), what each was given read back as field texts
// for setCase, and the answer or refusal printed as every check's command prints it.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/check.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ferrovolt {

// What one option was given; CLI11 keeps the addresses, so these live in a deque.
struct GivenOption {
    std::string text;
    bool flag = false;
    std::vector<std::string> texts;  // an input of rows'
    bool isFlag = false;
    bool rows = false;
    CLI::Option* option = nullptr;
};

// Adds the field's option with its help: a flag, an option given once per row, or a text
// whose accepted texts, where a field of text lists them, are its type name ("{emt,ent}"): a
// text not among them is refused by the check, naming the option, rather than by the parser.
CLI::Option* addFieldOption(CLI::App& app, const CheckField& field, GivenOption& given,
                            const std::string& help);
inline CLI::Option* addFieldOption(CLI::App& app, const CheckField& field, GivenOption& given) {
    return addFieldOption(app, field, given, std::string(field.help));
}

// The options' texts as a source for setCase, by the position of the field among those the
// options were made from.
class OptionSource {
public:
    OptionSource(const std::deque<GivenOption>& given, const Check& check)
        : m_given(given), m_check(check) {}

    template <class Put>
    std::optional<CheckRefusal> given(const CheckField&, std::size_t position,
                                      const Put& put) const {
        const GivenOption& option = m_given[position];
        if (!wasGiven(option)) return std::nullopt;
        if (option.rows) {
            for (const std::string& text : option.texts)
                if (std::optional<CheckRefusal> refusal = put(text)) return refusal;
            return std::nullopt;
        }
        return put(option.isFlag ? (option.flag ? "true" : "false")
                                 : std::string_view(option.text));
    }

    CheckRefusal notTaken(const CheckField& field) const;
    // A field required where it applies, missing where it does: an error of the command line
    // as the parser words one of an option required everywhere.
    CheckRefusal missing(const CheckField& field) {
        m_missing = field.option;
        return CheckRefusal{field.key, "is required"};
    }
    // The option missing, where the refusal setCase returned is that.
    std::optional<std::string_view> missingOption() const { return m_missing; }

private:
    static bool wasGiven(const GivenOption& given);

    const std::deque<GivenOption>& m_given;
    const Check& m_check;
    std::optional<std::string_view> m_missing;
};

// Says, as the parser does, that an option is required; the exit status.
int missingOptionFailure(std::string_view option, std::ostream& err);

// Prints the case's answer (its sheet, or with --json its JSON answer) or the refusal (on
// standard error as "ferrovolt-calc: OPTION: REASON", the option followed by the row as given
// for a row at fault; or with --json as the JSON refusal); the exit status.
int printChecked(const CheckCase& checked, const std::optional<CheckRefusal>& refusal,
                 std::string_view option, std::optional<std::string_view> entry, bool json,
                 std::ostream& out, std::ostream& err);

// Sets a case of the check from the options made for its own fields (in their order), checks
// it and prints it as printChecked does; the exit status.
int runCheck(const Check& check, const std::deque<GivenOption>& given, bool json, std::ostream& out,
             std::ostream& err);

}  // namespace ferrovolt
