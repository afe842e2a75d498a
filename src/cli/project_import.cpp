// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_import.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <variant>

#include "check/circuit_code.h"
#include "cli/schedule.h"
#include "codes/code_registry.h"
#include "csv/csv_reader.h"
#include "numtext/number_text.h"
#include "numtext/words.h"
#include "project/project_file.h"

namespace ferrovolt::project {

namespace {

using Fault = CsvRow::Fault;

// The columns that place a row in the tree, by the name schedule columns are matched by.
constexpr std::string_view kIdColumn = "id";
constexpr std::string_view kBoardColumn = "board";
constexpr std::string_view kFedFromColumn = "fedfrom";
constexpr std::string_view kCodeColumn = "code";
// A board's own columns, as the file's keys.
constexpr std::string_view kDemandColumn = "demandfactor";
constexpr std::string_view kBreakingColumn = "breakingcapacity";  // in kA, or "…_ka"
constexpr std::string_view kBreakingKaColumn = "breakingcapacityka";

struct Placed {
    std::size_t line;
    std::string id;
    std::string above;  // the board's fed_from, the circuit's board
};

// A cell as the file would hold it: a number of a number input as a JSON number, true or
// false of a flag as a JSON flag, anything else as its text, which the case reads as it
// reads a batch request's text.
Json cellValue(const CheckField& field, std::string_view cell, std::string_view sizeUnit) {
    const std::string text(trimmed(cell));
    if (field.kind == InputKind::Size) return scheduleSizeText(text, sizeUnit);
    if (field.kind == InputKind::Flag && (text == "true" || text == "false")) return text == "true";
    if (field.kind == InputKind::Number && isNumber(text)) {
        if (const std::optional<double> x = readDouble(text)) {
            if (*x == std::floor(*x) && std::abs(*x) < 1e15) return static_cast<std::int64_t>(*x);
            return *x;
        }
    }
    return text;
}

bool empty(std::string_view cell) {
    return cell.find_first_not_of(" \t") == std::string_view::npos;
}

class Importer {
public:
    explicit Importer(Project base)
        : m_project(std::move(base)), m_code(*circuitCode(m_project.code)) {}

    // The header's reason for refusing the schedule; empty when it is taken.
    std::string header(const CsvRow& row);
    void row(const CsvRow& row);
    ImportedSchedule finish() &&;

private:
    void refuse(std::size_t line, std::string_view id, std::string text) {
        m_refused.emplace_back(line, "line " + std::to_string(line) + ": " +
                                         (id.empty() ? "" : std::string(id) + ": ") + text);
    }
    // Why a row is not placed under `above`, from the rows read: empty where it is a board.
    std::string under(std::string_view above) const;

    Project m_project;
    const CircuitCode& m_code;
    // The columns of a board's own settings, by the file's keys.
    std::array<std::pair<std::optional<std::size_t>, std::string_view>, 2> boardColumns() const {
        return {{{m_demand, "demand_factor"}, {m_breaking, "breaking_capacity_ka"}}};
    }
    // The board's settings of a row by the file's rules, into `board`; false where refused.
    bool boardSettings(const CsvRow& row, std::string_view id, Board& board);

    std::optional<std::size_t> m_id, m_board, m_fedFrom, m_codeColumn, m_demand, m_breaking;
    std::vector<const CheckField*> m_fields;  // by column
    std::vector<std::string_view> m_sizeUnits;
    std::size_t m_columns = 0;
    std::size_t m_rows = 0;
    std::map<std::string, std::size_t, std::less<>> m_lines;  // each id taken, by its row's line
    std::set<std::string, std::less<>> m_refusedIds;
    std::vector<std::pair<Placed, Board>> m_boards;
    std::vector<std::pair<Placed, Circuit>> m_circuits;
    std::vector<std::pair<std::size_t, std::string>> m_refused;
    std::vector<std::string> m_unread;
};

std::string Importer::header(const CsvRow& row) {
    if (row.fault != Fault::None) return "the header cannot be read as CSV";
    m_columns = row.cells.size();
    const auto quoted = [&](std::size_t i) {
        return "column " + std::to_string(i + 1) + " \"" + std::string(row.cells[i]) + "\"";
    };
    std::vector<std::string> unread;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const ScheduleColumn column = scheduleColumn(row.cells[i], m_code);
        m_fields.push_back(column.field);
        m_sizeUnits.push_back(column.sizeUnit);
        const bool breaking = column.name == kBreakingColumn || column.name == kBreakingKaColumn;
        std::optional<std::size_t>* placing = column.name == kIdColumn        ? &m_id
                                              : column.name == kBoardColumn   ? &m_board
                                              : column.name == kFedFromColumn ? &m_fedFrom
                                              : column.name == kCodeColumn    ? &m_codeColumn
                                              : column.name == kDemandColumn  ? &m_demand
                                              : breaking                      ? &m_breaking
                                                                              : nullptr;
        if (column.name == kDemandColumn && !column.unit.empty())
            return quoted(i) + ": \"demand_factor\" is a factor, without a unit";
        if (breaking && !column.unit.empty() &&
            (column.unit != "ka" || column.name == kBreakingKaColumn))
            return quoted(i) + ": \"breaking_capacity\" is read in kA";
        if (placing != nullptr) {
            m_fields.back() = nullptr;
            if (*placing) return "columns " + quoted(**placing) + " and " + quoted(i) + " are one";
            *placing = i;
            continue;
        }
        if (!column.unitRefusal.empty()) return quoted(i) + ": " + column.unitRefusal;
        for (std::size_t j = 0; j + 1 < m_fields.size(); ++j)
            if (column.field != nullptr && m_fields[j] == column.field)
                return "columns " + quoted(j) + " and " + quoted(i) + " both give \"" +
                       std::string(column.field->key) + "\"";
        if (column.field == nullptr) unread.push_back(quoted(i));
    }
    if (!m_id) return "the header names no \"id\" column";
    if (!m_board && !m_fedFrom)
        return "the header names neither a \"board\" nor a \"fed_from\" column";
    m_unread = std::move(unread);
    return {};
}

void Importer::row(const CsvRow& row) {
    if (row.fault == Fault::NulByte) return;
    if (row.fault == Fault::None && row.blank()) return;
    ++m_rows;
    if (row.fault != Fault::None) return refuse(row.line, "", "the row cannot be read as CSV");
    if (row.cells.size() != m_columns)
        return refuse(row.line, "",
                      std::to_string(row.cells.size()) + " cells where the header has " +
                          std::to_string(m_columns));
    const std::string id(trimmed(row.cells[*m_id]));
    const std::string board(m_board ? trimmed(row.cells[*m_board]) : std::string_view());
    const std::string fedFrom(m_fedFrom ? trimmed(row.cells[*m_fedFrom]) : std::string_view());
    if (id.empty()) return refuse(row.line, "", "id: is empty");
    const auto taken = m_lines.find(id);
    if (taken != m_lines.end())
        return refuse(row.line, id,
                      "id: is given on line " + std::to_string(taken->second) + " too");
    m_lines.emplace(id, row.line);
    const auto refused = [&](std::string text) {
        m_refusedIds.insert(id);
        refuse(row.line, id, std::move(text));
    };
    if (id == "supply") return refused("id: \"supply\" names the origin");
    if (board.empty() == fedFrom.empty())
        return refused(board.empty() ? "gives neither a board (a circuit) nor fed_from (a board)"
                                     : "gives both a board (a circuit) and fed_from (a board)");
    if (m_codeColumn && !empty(row.cells[*m_codeColumn]) &&
        circuitCode(trimmed(row.cells[*m_codeColumn])) != &m_code)
        return refused("code: is \"" + std::string(trimmed(row.cells[*m_codeColumn])) +
                       "\", not the project's " + std::string(m_code.name()));
    Json cable = Json::object();
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] != nullptr && !empty(row.cells[i]))
            cable[std::string(m_fields[i]->key)] =
                cellValue(*m_fields[i], row.cells[i], m_sizeUnits[i]);
    const bool feeder = !fedFrom.empty();
    std::optional<Cable> read;
    if (!feeder || !cable.empty()) {
        auto got = readCable(cable, m_code, feeder);
        if (const auto* refusal = std::get_if<FileRefusal>(&got))
            return refused(refusal->path.substr(1) + ": " + refusal->reason);
        read = std::move(std::get<Cable>(got));
    }
    if (!feeder) {
        for (const auto& [column, key] : boardColumns())
            if (column && !empty(row.cells[*column]))
                return refused(std::string(key) + ": is a board's, and the row is a circuit");
    }
    if (feeder) {
        Board b;
        b.id = id;
        b.fedFrom = fedFrom;
        b.cable = std::move(read);
        if (!boardSettings(row, id, b)) return;
        m_boards.emplace_back(Placed{row.line, id, fedFrom}, std::move(b));
    } else {
        m_circuits.emplace_back(Placed{row.line, id, board}, Circuit{id, board, std::move(*read)});
    }
}

bool Importer::boardSettings(const CsvRow& row, std::string_view id, Board& board) {
    Json object{{"id", id}, {"fed_from", board.fedFrom}};
    for (const auto& [column, key] : boardColumns()) {
        if (!column || empty(row.cells[*column])) continue;
        const std::string text(trimmed(row.cells[*column]));
        const std::optional<double> x = isNumber(text) ? readDouble(text) : std::nullopt;
        if (!x) {
            m_refusedIds.emplace(id);
            refuse(row.line, id, std::string(key) + ": \"" + text + "\" is not a number");
            return false;
        }
        object[std::string(key)] = *x;
    }
    const auto read = readBoard(object, m_code);
    if (const auto* refusal = std::get_if<FileRefusal>(&read)) {
        m_refusedIds.emplace(id);
        refuse(row.line, id, refusal->path.substr(1) + ": " + refusal->reason);
        return false;
    }
    board.demandFactor = std::get<Board>(read).demandFactor;
    board.breakingCapacityKa = std::get<Board>(read).breakingCapacityKa;
    return true;
}

std::string Importer::under(std::string_view above) const {
    if (m_refusedIds.count(above) != 0)
        return "\"" + std::string(above) + "\" is refused (line " +
               std::to_string(m_lines.find(above)->second) + ")";
    const bool board = std::any_of(m_boards.begin(), m_boards.end(),
                                   [&](const auto& b) { return b.first.id == above; });
    if (!board) return "\"" + std::string(above) + "\" is not a board of the schedule";
    return {};
}

ImportedSchedule Importer::finish() && {
    // The boards that reach the supply, found from it down; the others are refused with what
    // keeps each from it, and so is every circuit on one of them.
    std::set<std::string, std::less<>> reached;
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [placed, board] : m_boards)
            if (reached.count(placed.id) == 0 &&
                (placed.above == "supply" || reached.count(placed.above) != 0)) {
                reached.insert(placed.id);
                grew = true;
            }
    }
    std::map<std::string_view, std::string_view> feeds;
    for (const auto& [placed, board] : m_boards) feeds[placed.id] = placed.above;
    for (auto& [placed, board] : m_boards) {
        if (reached.count(placed.id) != 0) {
            m_project.boards.push_back(std::move(board));
            continue;
        }
        std::string why = under(placed.above);
        if (why.empty()) {
            std::string loop = placed.id;
            std::string_view next = placed.above;
            for (std::size_t steps = 0; steps < m_boards.size() && next != placed.id; ++steps) {
                loop += " → " + std::string(next);
                const auto up = feeds.find(next);
                next = up == feeds.end() ? std::string_view() : up->second;
            }
            why = next == placed.id ? "makes a loop: " + loop + " → " + placed.id
                                    : "\"" + placed.above + "\" does not reach the supply";
        }
        refuse(placed.line, placed.id, "fed_from: " + why);
    }
    for (const auto& [placed, board] : m_boards)
        if (reached.count(placed.id) == 0) m_refusedIds.insert(placed.id);
    for (auto& [placed, circuit] : m_circuits) {
        if (reached.count(placed.above) != 0) {
            m_project.circuits.push_back(std::move(circuit));
            continue;
        }
        const std::string why = under(placed.above);
        refuse(
            placed.line, placed.id,
            "board: " + (why.empty() ? "\"" + placed.above + "\" does not reach the supply" : why));
    }
    std::stable_sort(m_refused.begin(), m_refused.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ImportedSchedule out;
    out.project = std::move(m_project);
    out.rows = m_rows;
    out.unreadColumns = std::move(m_unread);
    for (auto& [line, text] : m_refused) out.refusedRows.push_back(std::move(text));
    return out;
}

}  // namespace

ImportedSchedule importSchedule(std::istream& csv, Project base) {
    const auto refused = [](std::string reason) {
        ImportedSchedule out;
        out.refusal = std::move(reason);
        return out;
    };
    CsvReader reader(csv);
    CsvRow row;
    if (!reader.next(row))
        return refused(reader.readFailed() ? "cannot be read"
                                           : "is empty: its first row must name the columns");
    Importer importer(std::move(base));
    if (std::string refusal = importer.header(row); !refusal.empty())
        return refused(std::move(refusal));
    while (reader.next(row)) {
        if (row.fault == Fault::NulByte)
            return refused("line " + std::to_string(row.faultLine) +
                           " holds a NUL byte: not a CSV text");
        importer.row(row);
    }
    if (reader.readFailed()) return refused("cannot be read");
    return std::move(importer).finish();
}

}  // namespace ferrovolt::project
