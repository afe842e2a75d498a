// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One calculator on the command line and in batch. Its description (describe/) says what it
// takes and answers; the command only turns its inputs into the call of its computation, so
// the options, the batch reader, the help and the refusal hints are all made from the
// description by the code around it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cli/outputs.h"
#include "describe/description.h"
#include "tables/tables.h"

namespace ferrovolt {

class RequestFields;

// The most inputs a calculator takes.
inline constexpr std::size_t kMaxInputs = 8;

// An input's place among its calculator's declared inputs, found once from its key
// (Command::input), so that a batch line reads and passes its inputs without comparing keys.
struct InputIndex {
    std::size_t at;
};

// The inputs of one request: a text or a flag for each declared input, by its key or its
// index, and a whole number where a batch request gives one instead of a text.
class Inputs {
public:
    explicit Inputs(const CalculatorDescription& calculator) : m_calculator(&calculator) {}

    // The index of a declared input; a key not declared stops the program.
    static InputIndex indexOf(const CalculatorDescription& calculator, std::string_view key);

    std::string_view text(InputIndex input) const { return m_texts[input.at]; }
    bool flag(InputIndex input) const { return m_flags[input.at]; }
    int number(InputIndex input) const { return m_numbers[input.at]; }
    void putText(InputIndex input, std::string_view text) { m_texts[input.at] = text; }
    void putFlag(InputIndex input, bool flag) { m_flags[input.at] = flag; }
    void putNumber(InputIndex input, std::int64_t n) { m_numbers[input.at] = static_cast<int>(n); }

    std::string_view text(std::string_view key) const { return m_texts[indexOf(key)]; }
    bool flag(std::string_view key) const { return m_flags[indexOf(key)]; }
    void setText(std::size_t index, std::string_view text) { m_texts[index] = text; }
    void setFlag(std::size_t index, bool flag) { m_flags[index] = flag; }
    int number(std::string_view key) const { return m_numbers[indexOf(key)]; }
    // By key, for a command that reads its own request.
    void putText(std::string_view key, std::string_view text) { m_texts[indexOf(key)] = text; }
    void putFlag(std::string_view key, bool flag) { m_flags[indexOf(key)] = flag; }
    void putNumber(std::string_view key, std::int64_t n) {
        m_numbers[indexOf(key)] = static_cast<int>(n);
    }

private:
    std::size_t indexOf(std::string_view key) const { return indexOf(*m_calculator, key).at; }

    const CalculatorDescription* m_calculator;
    std::array<std::string_view, kMaxInputs> m_texts{};
    std::array<bool, kMaxInputs> m_flags{};
    std::array<int, kMaxInputs> m_numbers{};
};

class Command {
public:
    explicit Command(const CalculatorDescription& description) : m_description(description) {}
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    const CalculatorDescription& description() const { return m_description; }

    virtual Outcome compute(const Tables& tables, const Inputs& inputs) const = 0;

    // Appends the JSON answer to the inputs, as appendAnswer(compute(...)) writes it; a command
    // writes it straight from its result, so that a batch line moves none of its texts.
    virtual void answer(const Tables& tables, const Inputs& inputs, std::string& out) const;

    // Reads a batch request's fields in the declared order; false at the first fault, which
    // `fields` then names. A command whose request differs from its options reads its own.
    virtual bool read(const Tables& tables, RequestFields& fields, Inputs& inputs) const;

    // The default of an input, which may follow the inputs declared before it.
    virtual std::string_view defaultText(const InputDescription& input, const Inputs&) const {
        return input.defaultText;
    }

    // The `ferrovolt-calc list` arguments that print the accepted texts of a refused input.
    virtual std::string listHint(const InputDescription& input, const Inputs&) const {
        return std::string(input.list);
    }

protected:
    InputIndex input(std::string_view key) const { return Inputs::indexOf(m_description, key); }

private:
    const CalculatorDescription& m_description;
};

// Every calculator in the order of the help and the batch contract; gauge_area, which has
// no subcommand, among them.
std::span<const Command* const> calculatorCommands();

// The command that answers batch requests with this "calc"; null for none.
const Command* commandForRequest(std::string_view calc);

}  // namespace ferrovolt
