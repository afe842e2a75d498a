// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/schedule.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "check/common_fields.h"
#include "check/set_case.h"
#include "cli/cli_app.h"
#include "cli/code_fields.h"
#include "cli/command_output.h"
#include "codes/code_registry.h"
#include "csv/csv_reader.h"
#include "numtext/rounded_number.h"
#include "numtext/words.h"

namespace ferrovolt {

namespace {

using Fault = CsvRow::Fault;

// A header cell as a column name: a byte-order mark, case, a leading "--", a trailing unit
// in brackets and every character but letters and digits aside ("Max-Drop", "max drop",
// "--max-drop" and "max_drop (%)" are one name). The unit goes to `unit`, as unitKey()
// writes it.
struct ColumnName {
    std::string key;
    std::string unit;
};

// A unit as the header compares it: lower case, without blanks or degree sign.
std::string unitKey(std::string_view unit) {
    std::string key;
    for (const char c : unit) {
        if (c == ' ' || c == '\t' || c == '\xC2' || c == '\xB0') continue;  // "°" aside
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

ColumnName columnName(std::string_view cell) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // spreadsheets write one
    if (cell.starts_with(kByteOrderMark)) cell.remove_prefix(kByteOrderMark.size());
    const auto last = cell.find_last_not_of(" \t");
    cell = cell.substr(0, last == std::string_view::npos ? 0 : last + 1);
    ColumnName name;
    if (!cell.empty() && (cell.back() == ')' || cell.back() == ']')) {
        const auto open = cell.find_last_of(cell.back() == ')' ? '(' : '[');
        if (open != std::string_view::npos) {
            name.unit = unitKey(cell.substr(open + 1, cell.size() - open - 2));
            cell = cell.substr(0, open);
        }
    }
    for (const char c : cell) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || byte >= 0x80) name.key += static_cast<char>(std::tolower(byte));
    }
    return name;
}

// The unit an input is read in, as a header may give it in brackets ("current (A)"): the
// unit its field declares; an input without one takes any text there ("sets (no.)").
std::string_view unitOf(const CheckField& field) {
    if (field.key == keys::kLength) return "m";  // feet are given in a "feet" column, per row
    return field.unit;
}

// Whether a header's unit is an input's or a size's, the symbols also spelt in letters ("ohm",
// "mm2") and kcmil by its older name.
bool sameUnit(std::string_view header, std::string_view unit) {
    if (header == unitKey(unit)) return true;
    if (unit == "Ω") return header == "ohm" || header == "ohms";
    if (unit == "K·m/W") return header == "km/w" || header == "k.m/w" || header == "k*m/w";
    if (unit == "kcmil") return header == "mcm";
    if (unit == "mm²") return header == "mm2";
    return false;
}

// Columns that describe a circuit and are kept as they are without a word.
constexpr std::array<std::string_view, 14> kLabelColumns = {
    "circuit", "name",  "id",      "tag",      "description", "from",    "to",
    "note",    "notes", "comment", "comments", "remark",      "remarks", "location"};

// Every input by its column name, worked out once: a header of many columns looks each up.
const CheckField* fieldNamed(std::string_view key) {
    static const std::vector<std::pair<std::string, const CheckField*>> names = [] {
        std::vector<std::pair<std::string, const CheckField*>> all;
        for (const CheckField* field : everyCircuitField())
            all.emplace_back(columnName(field->key).key, field);
        return all;
    }();
    for (const auto& [name, field] : names)
        if (name == key) return field;
    return nullptr;
}

// The units a code writes its sizes in, from its size field's labels ("4 AWG", "350 kcmil").
std::vector<std::string_view> sizeUnits(const CheckField& field) {
    std::vector<std::string_view> units;
    for (const ChoiceText& size : field.shown) {
        const auto space = size.key.rfind(' ');
        if (space == std::string_view::npos) continue;
        const std::string_view unit = size.key.substr(space + 1);
        if (std::find(units.begin(), units.end(), unit) == units.end()) units.push_back(unit);
    }
    return units;
}

// How a code reads a size column whose header gives `unit`: nothing when the unit is none of
// the code's; else the code's unit that a bare number in the column is read in ("mm²"), or
// "" where the header names several ("AWG/kcmil") and a bare number is read as the code reads
// it.
std::optional<std::string_view> sizeUnitUnder(const CircuitCode& code, std::string_view unit) {
    const CheckField* field = code.field(keys::kSize);
    if (field == nullptr) return std::nullopt;
    const std::vector<std::string_view> units = sizeUnits(*field);
    std::optional<std::string_view> single;
    std::size_t parts = 0;
    for (std::string_view rest = unit; !rest.empty() || parts == 0; ++parts) {
        const auto slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        const auto own = std::find_if(units.begin(), units.end(),
                                      [&](std::string_view u) { return sameUnit(part, u); });
        if (own == units.end()) return std::nullopt;
        single = *own;
    }
    if (parts > 1) return std::string_view();
    return single;
}

// A code's size units as a refusal names them: "AWG or kcmil".
std::string sizeUnitsText(const CircuitCode& code) {
    std::string text;
    const CheckField* field = code.field(keys::kSize);
    if (field == nullptr) return text;
    const std::vector<std::string_view> units = sizeUnits(*field);
    for (std::size_t i = 0; i < units.size(); ++i)
        (text += i == 0 ? "" : i + 1 == units.size() ? " or " : ", ") += units[i];
    return text;
}

// A size cell without a unit of its own: no letter and no "²".
bool bareSize(std::string_view cell) {
    return std::none_of(cell.begin(), cell.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalpha(byte) || byte >= 0x80;
    });
}

// The column that names each row's code.
constexpr std::string_view kCodeColumn = "code";

std::string quotedText(std::string_view text) {
    return "\"" + oneLine(std::string(text)) + "\"";
}

// A row with a stray quote keeps its text in its reason, since it has no cells to write.
std::string withText(std::string reason, const CsvRow& row) {
    if (row.text.empty()) return reason;
    return reason + "; the row as read: " + std::string(row.text);
}

std::string faultReason(const CsvRow& row, std::size_t cells, std::size_t columns) {
    switch (row.fault) {
        case Fault::OpenQuote:
            return "a quote is left open at the end of line " + std::to_string(row.faultLine);
        case Fault::QuoteInCell:
            return "cell " + std::to_string(row.faultCell) +
                   " goes on after the quote that closes it";
        case Fault::CellTooLong:
            return "cell " + std::to_string(row.faultCell) + " is longer than 64 KiB";
        case Fault::RowTooLong:
            return "the row is longer than 1 MiB";
        case Fault::NulByte:
            return "line " + std::to_string(row.faultLine) +
                   " holds a NUL byte: the file is not a CSV text";
        case Fault::None:
            break;
    }
    std::string reason = std::to_string(cells) + (cells == 1 ? " cell" : " cells") +
                         " where the header has " + std::to_string(columns);
    // The cells beyond the header's are kept here, as CSV, since no column holds them.
    if (cells > columns) {
        reason += "; the cells beyond it: ";
        for (std::size_t i = columns; i < cells; ++i) {
            if (i > columns) reason += ',';
            appendCsvCell(reason, row.cells[i]);
        }
    }
    return reason;
}

class Schedule {
public:
    Schedule(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // Reads the header; false, with the reason on standard error, when it is not a schedule's.
    bool header(const CsvRow& row);
    void answer(const CsvRow& row);
    std::size_t refused() const { return m_refused; }
    std::size_t failing() const { return m_failing; }
    std::size_t rows() const { return m_rows; }
    // Writes what is gathered once it is a block, or always; false once the output failed.
    bool flush(bool always);

private:
    bool refuseHeader(const std::string& reason) {
        m_err << kProgram << ": schedule: " << reason << '\n';
        return false;
    }
    void refuse(std::string_view field, std::string_view reason);
    // A size column whose header gives a unit: the reason when no code in play reads it.
    std::optional<std::string> sizeHeader(std::string_view cell, const std::string& unit);

    std::ostream& m_out;
    std::ostream& m_err;
    // The answer's rows: the default code's, and with a code column every code's, each key
    // once; for each code, its row of each (none where it has no such row).
    std::vector<const CheckRow*> answerRows() const;
    std::size_t answerCells() const { return m_answerRows.size() + (m_verdicts ? 2 : 0); }
    struct CodeColumns {
        const CircuitCode* code;
        std::vector<std::optional<std::size_t>> fieldOf;  // by column
        std::vector<std::optional<std::size_t>> rowOf;    // by answer row
        // Under a size column whose header gives a unit: nothing where the code does not
        // read that unit, else the unit a bare number is read in ("" where the header names
        // several of the code's).
        std::optional<std::string_view> sizeUnit;
    };
    const CodeColumns& columnsOf(const CircuitCode& code);
    std::optional<CheckRefusal> read(const CsvRow& row, const CircuitCode& code);

    std::vector<const CheckField*> m_columns;   // the input each column sets, or null
    std::optional<std::size_t> m_codeColumn;    // the column naming each row's code
    std::optional<std::size_t> m_sizeColumn;    // the size column, where its header gives a unit
    std::string m_sizeHeader;                   // that column's header cell
    std::string m_sizeHeaderUnit;               // and its unit, as unitKey() writes it
    std::vector<const CheckRow*> m_answerRows;  // the answer's rows
    std::vector<CodeColumns> m_codes;
    // The answer says whether it meets every criterion: a column gives the size to check,
    // or rows of several codes may find no size that meets one.
    bool m_verdicts = false;
    std::size_t m_refused = 0;
    std::size_t m_failing = 0;  // answered rows that fail a criterion
    std::size_t m_rows = 0;
    std::string m_text;
};

bool Schedule::flush(bool always) {
    if (always || m_text.size() >= (std::size_t{1} << 16)) {
        m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
        m_text.clear();
    }
    return static_cast<bool>(m_out);
}

std::vector<const CheckRow*> Schedule::answerRows() const {
    std::vector<const CheckRow*> rows;
    for (const CircuitCode* code : circuitCodes()) {
        if (code != &defaultCircuitCode() && !m_codeColumn) break;
        for (const CheckRow& row : code->rows())
            if (std::none_of(rows.begin(), rows.end(),
                             [&](const CheckRow* r) { return r->key == row.key; }))
                rows.push_back(&row);
    }
    return rows;
}

const Schedule::CodeColumns& Schedule::columnsOf(const CircuitCode& code) {
    for (const CodeColumns& kept : m_codes)
        if (kept.code == &code) return kept;
    CodeColumns columns{&code, {}, {}, std::nullopt};
    for (const CheckField* field : m_columns)
        columns.fieldOf.push_back(field ? code.fieldOfKey(field->key) : std::nullopt);
    if (m_sizeColumn) columns.sizeUnit = sizeUnitUnder(code, m_sizeHeaderUnit);
    for (const CheckRow* row : m_answerRows) columns.rowOf.push_back(code.rowIndex(row->key));
    return m_codes.emplace_back(std::move(columns));
}

std::vector<std::string> answerColumnNames(std::span<const CheckRow* const> rows, bool sizeGiven) {
    std::vector<std::string> names{"answer_line"};
    for (const CheckRow* row : rows) names.push_back("answer_" + std::string(row->key));
    if (sizeGiven) {
        names.push_back("answer_" + std::string(keys::kMeetsAll));
        names.push_back("answer_" + std::string(keys::kFails));
    }
    names.emplace_back("answer_refused");
    names.emplace_back("answer_reason");
    return names;
}

bool Schedule::header(const CsvRow& row) {
    if (row.fault == Fault::NulByte) return refuseHeader(faultReason(row, 0, 0));
    if (row.fault != Fault::None)
        return refuseHeader("the header cannot be read: " + faultReason(row, 0, 0));
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        if (columnName(row.cells[i]).key != kCodeColumn) continue;
        if (m_codeColumn)
            return refuseHeader("columns " + std::to_string(*m_codeColumn + 1) + " " +
                                quotedText(row.cells[*m_codeColumn]) + " and " +
                                std::to_string(i + 1) + " " + quotedText(row.cells[i]) +
                                " both give \"" + std::string(kCodeColumn) + "\"");
        m_codeColumn = i;
    }
    m_answerRows = answerRows();
    m_verdicts = m_codeColumn.has_value();
    std::vector<std::string> answerKeys;
    for (const std::string& name : answerColumnNames(m_answerRows, true))
        answerKeys.push_back(columnName(name).key);
    std::erase_if(m_answerRows, [&row](const CheckRow* answer) {
        return !answer->follows.empty() &&
               std::none_of(row.cells.begin(), row.cells.end(), [answer](const auto& cell) {
                   return columnName(cell).key == answer->follows;
               });
    });
    // The columns kept unread, counted, the first few named: a header of many is one line.
    constexpr std::size_t kUnreadNamed = 10;
    std::vector<std::pair<std::string, bool>> unread;  // "4 \"Fault Amps\"", whether unnamed
    std::size_t unreadCount = 0;
    // The column of each input given so far, for one given twice.
    std::vector<std::pair<const CheckField*, std::size_t>> given;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::string_view cell = row.cells[i];
        const ColumnName name = columnName(cell);
        const CheckField* field = fieldNamed(name.key);
        m_columns.push_back(field);
        if (i == m_codeColumn) continue;
        const auto column = [&] {
            return "column " + std::to_string(i + 1) + " " + quotedText(cell);
        };
        if (field != nullptr) {
            for (const auto& [earlier, j] : given)
                if (earlier == field)
                    return refuseHeader("columns " + std::to_string(j + 1) + " " +
                                        quotedText(row.cells[j]) + " and " + std::to_string(i + 1) +
                                        " " + quotedText(cell) + " both give \"" +
                                        std::string(field->key) + "\"");
            given.emplace_back(field, i);
            if (field->kind == InputKind::Size && !name.unit.empty()) {
                if (std::optional<std::string> reason = sizeHeader(cell, name.unit))
                    return refuseHeader(column() + ": " + *reason);
                m_sizeColumn = i;
            } else if (const std::string_view unit = unitOf(*field);
                       !unit.empty() && !name.unit.empty() && !sameUnit(name.unit, unit)) {
                return refuseHeader(column() + ": \"" + std::string(field->key) + "\" is read in " +
                                    std::string(unit));
            }
            m_verdicts = m_verdicts || field->key == keys::kSize;
        } else if (std::find(answerKeys.begin(), answerKeys.end(), name.key) != answerKeys.end()) {
            return refuseHeader(column() +
                                " is a column of the answer: remove an earlier answer's columns");
        } else if (std::find(kLabelColumns.begin(), kLabelColumns.end(), name.key) ==
                   kLabelColumns.end()) {
            if (++unreadCount <= kUnreadNamed)
                unread.emplace_back(std::to_string(i + 1) + " " + quotedText(cell),
                                    name.key.empty());
        }
    }
    for (const CircuitCode* code : circuitCodes()) {
        if (code != &defaultCircuitCode() && !m_codeColumn) break;
        const auto hasColumn = [&](std::string_view key) {
            return std::any_of(m_columns.begin(), m_columns.end(),
                               [&](const CheckField* f) { return f != nullptr && f->key == key; });
        };
        for (const CheckField& field : code->fields()) {
            // One required where it applies needs its column where every row takes the
            // default of the field it follows, and that default is where it applies.
            const std::optional<FieldCondition> condition = conditionOf(field);
            const bool required = requiredAlways(field) ||
                                  (field.required && condition && !hasColumn(condition->key) &&
                                   fieldApplies(code->fields(), field, std::string_view()));
            if (required && !hasColumn(field.key))
                return refuseHeader("the header names no \"" + std::string(field.key) +
                                    "\" column");
        }
    }
    if (unreadCount == 1) {
        m_err << kProgram << ": schedule: column " << unread.front().first
              << (unread.front().second ? " has no name" : " names no input")
              << ": kept as it is, not read\n";
    } else if (unreadCount > 1) {
        std::string line =
            std::to_string(unreadCount) + " columns name no input, kept as they are, not read: ";
        for (std::size_t i = 0; i < unread.size(); ++i) {
            line += i == 0 ? "" : i + 1 == unreadCount ? " and " : ", ";
            line += unread[i].first;
            if (unread[i].second) line += " (no name)";
        }
        if (unreadCount > unread.size())
            line += " and " + std::to_string(unreadCount - unread.size()) + " more";
        m_err << kProgram << ": schedule: " << line << '\n';
    }
    for (const std::string_view cell : row.cells) {
        appendCsvCell(m_text, cell);
        m_text += ',';
    }
    std::string separator;
    for (const std::string& name : answerColumnNames(m_answerRows, m_verdicts)) {
        m_text += separator;
        m_text += name;
        separator = ",";
    }
    m_text += "\r\n";
    return true;
}

std::optional<std::string> Schedule::sizeHeader(std::string_view cell, const std::string& unit) {
    m_sizeHeader = cell;
    m_sizeHeaderUnit = unit;
    std::string units;
    for (const CircuitCode* code : circuitCodes()) {
        if (code != &defaultCircuitCode() && !m_codeColumn) break;
        if (sizeUnitUnder(*code, unit)) return std::nullopt;
        if (!units.empty()) units += " or ";
        units += sizeUnitsText(*code);
        if (m_codeColumn) (units += " (") += std::string(code->name()) += ")";
    }
    return "\"size\" is read in " + units;
}

// The row's answer columns empty but for its refusal.
void Schedule::refuse(std::string_view field, std::string_view reason) {
    ++m_refused;
    m_text.append(answerCells(), ',');
    m_text += field;
    m_text += ',';
    appendCsvCell(m_text, reason);
    m_text += "\r\n";
}

void Schedule::answer(const CsvRow& row) {
    ++m_rows;
    const bool shaped = row.fault == Fault::None && row.cells.size() == m_columns.size();
    // A row taken apart is written back as it came, its cells under the header's columns (the
    // cells beyond them in its reason), so that a schedule written over itself loses nothing;
    // one that cannot be taken apart has no cells to write.
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (i < row.cells.size()) appendCsvCell(m_text, row.cells[i]);
        m_text += ',';
    }
    m_text += std::to_string(row.line);
    m_text += ',';
    if (row.fault == Fault::None && row.blank()) {
        m_text.append(answerCells() + 1, ',');
        m_text += "\r\n";
        return;
    }
    if (!shaped)
        return refuse("row", withText(faultReason(row, row.cells.size(), m_columns.size()), row));

    const CircuitCode* code = &defaultCircuitCode();
    if (m_codeColumn && row.cells[*m_codeColumn].find_first_not_of(" \t") != std::string::npos) {
        code = circuitCode(row.cells[*m_codeColumn]);
        if (code == nullptr) {
            const CheckRefusal refused = unknownCode(trimmed(row.cells[*m_codeColumn]));
            return refuse(refused.field, refused.reason);
        }
    }
    if (std::optional<CheckRefusal> refused = read(row, *code))
        return refuse(refused->field, refused->reason);

    const CircuitCase& checked = freshCase(*code);
    const CodeColumns& columns = columnsOf(*code);
    for (std::size_t i = 0; i < m_answerRows.size(); ++i) {
        const CheckRow& answerRow = *m_answerRows[i];
        const CheckValue value = columns.rowOf[i] ? checked.value(*columns.rowOf[i]) : CheckValue{};
        if (const auto* number = std::get_if<double>(&value))
            appendRoundedNumber(m_text, *number, answerRow.decimals);
        else if (const auto* text = std::get_if<std::string_view>(&value))
            appendCsvCell(m_text, *text);
        else if (columns.rowOf[i])
            appendCsvCell(m_text, answerRow.absent);  // "Out of range." where the sheet says it
        m_text += ',';
    }
    if (m_verdicts) {
        if (checked.hasVerdict()) {
            const std::vector<CriterionText> fails = checked.fails();
            m_text += fails.empty() ? "true," : "false,";
            m_failing += fails.empty() ? 0 : 1;
            std::string_view separator;
            for (const CriterionText& criterion : fails) {
                m_text += separator;
                m_text += criterion.key;
                separator = ";";
            }
        } else {
            m_text += ',';
        }
        m_text += ',';
    }
    m_text += ",\r\n";
}

// Sets the row's inputs on a fresh case of its code and checks it; the refusal, if any.
std::optional<CheckRefusal> Schedule::read(const CsvRow& row, const CircuitCode& code) {
    CircuitCase& checked = freshCase(code);
    const CodeColumns& columns = columnsOf(code);
    GivenKeys givenKeys;
    const auto empty = [&row](std::size_t i) {
        return row.cells[i].find_first_not_of(" \t") == std::string::npos;
    };
    std::string withUnit;
    // The row's cells by column: an empty cell takes the default.
    auto cells = sourceOf(
        [&](const CheckField& field, std::size_t i,
            const auto& put) -> std::optional<CheckRefusal> {
            if (i == m_codeColumn || empty(i)) return std::nullopt;
            std::string_view text = row.cells[i];
            if (i == m_sizeColumn && columns.fieldOf[i]) {
                if (!columns.sizeUnit)
                    return CheckRefusal{field.key, "column " + std::to_string(i + 1) + " " +
                                                       quotedText(m_sizeHeader) +
                                                       " gives sizes in another unit than " +
                                                       std::string(code.name()) + "'s (" +
                                                       sizeUnitsText(code) + ")"};
                // A bare number is read in the header's unit, not the code's first.
                if (!columns.sizeUnit->empty() && bareSize(text)) {
                    ((withUnit = trimmed(text)) += ' ') += *columns.sizeUnit;
                    text = withUnit;
                }
            }
            return put(text);
        },
        [&code](const CheckField& field) { return notOfCode(code, field.key); });
    if (std::optional<CheckRefusal> refusal = setCase(checked, m_columns, cells, &givenKeys))
        return refusal;
    const std::span<const CheckField> fields = code.fields();
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (columns.fieldOf[i] && requiredAlways(fields[*columns.fieldOf[i]]) && empty(i))
            return CheckRefusal{m_columns[i]->key, "is empty"};
    }
    std::optional<CheckRefusal> refusal = checked.check();
    if (refusal) refusal = givenKeys.named(code, std::move(*refusal));
    return refusal;
}

}  // namespace

ScheduleColumn scheduleColumn(std::string_view cell, const CircuitCode& code) {
    const ColumnName name = columnName(cell);
    ScheduleColumn column{fieldNamed(name.key), name.key, {}, {}, name.unit};
    if (column.field == nullptr || name.unit.empty()) return column;
    if (column.field->kind == InputKind::Size) {
        const std::optional<std::string_view> unit = sizeUnitUnder(code, name.unit);
        if (unit)
            column.sizeUnit = *unit;
        else
            column.unitRefusal = "\"size\" is read in " + sizeUnitsText(code);
    } else if (const std::string_view unit = unitOf(*column.field);
               !unit.empty() && !sameUnit(name.unit, unit)) {
        column.unitRefusal =
            "\"" + std::string(column.field->key) + "\" is read in " + std::string(unit);
    }
    return column;
}

std::string scheduleSizeText(std::string_view cell, std::string_view sizeUnit) {
    std::string text(trimmed(cell));
    if (!sizeUnit.empty() && bareSize(text)) (text += ' ') += sizeUnit;
    return text;
}

int runScheduleText(std::istream& in, std::ostream& out, std::ostream& err) {
    CsvReader reader(in);
    CsvRow row;
    const auto failed = [&](std::string_view reason) {
        err << kProgram << ": schedule: " << reason << '\n';
        return kExitUsage;
    };
    if (!reader.next(row)) {
        return failed(reader.readFailed()
                          ? "the file could not be read"
                          : "the file is empty: its first row must name the inputs");
    }
    Schedule schedule(out, err);
    if (!schedule.header(row)) return kExitUsage;
    bool written = true;
    while (written && reader.next(row)) {
        if (row.fault == Fault::NulByte) {
            schedule.flush(true);
            return failed(faultReason(row, 0, 0));
        }
        schedule.answer(row);
        written = schedule.flush(false);
    }
    written = written && schedule.flush(true);
    if (written) out.flush();
    if (!written || !out) {
        // Reported here once; the caller adds nothing.
        err << kProgram << ": the output could not be written\n";
        return kExitWriteFailed;
    }
    if (reader.readFailed()) return failed("the file could not be read");
    const std::string rows =
        " of " + std::to_string(schedule.rows()) + (schedule.rows() == 1 ? " row" : " rows");
    if (schedule.refused() > 0 && schedule.failing() > 0) {
        err << kProgram << ": schedule: " << schedule.refused() << rows << " refused and "
            << schedule.failing()
            << " failing a criterion; answer_refused, answer_reason and answer_fails say why\n";
    } else if (schedule.refused() > 0) {
        err << kProgram << ": schedule: " << schedule.refused() << rows
            << " refused; answer_refused and answer_reason say why\n";
    } else if (schedule.failing() > 0) {
        err << kProgram << ": schedule: " << schedule.failing() << rows
            << " failing a criterion; answer_fails says which\n";
    }
    return kExitOk;
}

int runSchedule(const std::string& path, std::ostream& out, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << kProgram << ": schedule: " << oneLine(path) << " cannot be opened\n";
        return kExitUsage;
    }
    return runScheduleText(file, out, err);
}

}  // namespace ferrovolt
