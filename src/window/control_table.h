// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tab's input controls as a table: one row per control, in the order the controls are made,
// which is also the order the Tab key visits them. The builder makes the controls from the
// rows; the tab takes the ones it keeps by name, checked while compiling, so a misspelt or
// missing name stops the build.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "window/twips.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ferrovolt {

enum class ControlKind {
    Heading,  // the caption over a field
    Combo,    // an editable drop-down
    Text,     // a single-line text field
    Group,    // a group of option buttons
    Option,   // an option button of the group above it
};

struct ControlRow {
    ControlKind kind;
    std::string_view name;  // objectName: "cmbGauge", "optstd(1)"
    std::string_view text;  // a heading's or an option's caption, a field's initial text
    TwipsRect place;        // on the page; an option's in its group
    // A field: the heading whose caption names it to assistive technology.
    std::string_view heading = {};
    bool selected = false;  // an option chosen at start
    std::string_view toolTip = {};
    std::string_view tag = {};  // an option's tag (kTagProperty), where the tab reads one
};

constexpr ControlRow headingRow(std::string_view name, std::string_view text, TwipsRect place) {
    return {ControlKind::Heading, name, text, place};
}
constexpr ControlRow comboRow(std::string_view name, std::string_view text, TwipsRect place,
                              std::string_view heading, std::string_view toolTip = {}) {
    return {ControlKind::Combo, name, text, place, heading, false, toolTip};
}
constexpr ControlRow textRow(std::string_view name, std::string_view text, TwipsRect place,
                             std::string_view heading) {
    return {ControlKind::Text, name, text, place, heading};
}
constexpr ControlRow groupRow(std::string_view name, TwipsRect place) {
    return {ControlKind::Group, name, {}, place};
}
constexpr ControlRow optionRow(std::string_view name, std::string_view text, TwipsRect place,
                               bool selected = false, std::string_view toolTip = {},
                               std::string_view tag = {}) {
    return {ControlKind::Option, name, text, place, {}, selected, toolTip, tag};
}

// Two tables one after the other.
template <std::size_t A, std::size_t B>
constexpr std::array<ControlRow, A + B> join(const std::array<ControlRow, A>& first,
                                             const std::array<ControlRow, B>& second) {
    std::array<ControlRow, A + B> rows{};
    for (std::size_t i = 0; i < A; ++i) rows[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) rows[A + i] = second[i];
    return rows;
}

// A row of a table, known to be of kind `Kind`.
template <ControlKind Kind>
struct RowOf {
    std::size_t index;
};

template <std::size_t N>
consteval std::size_t rowIndex(const std::array<ControlRow, N>& rows, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].name == name) return i;
    throw "no control of that name in the table";
}

// The row named `name`; not being in the table, or being of another kind, fails the build.
template <ControlKind Kind, std::size_t N>
consteval RowOf<Kind> row(const std::array<ControlRow, N>& rows, std::string_view name) {
    const std::size_t index = rowIndex(rows, name);
    if (rows[index].kind != Kind) throw "the control is of another kind";
    return {index};
}

// Whether every field names a heading of the table and every option follows a group.
template <std::size_t N>
consteval bool wellFormed(const std::array<ControlRow, N>& rows) {
    bool inGroup = false;
    for (const ControlRow& r : rows) {
        if (r.kind == ControlKind::Group) inGroup = true;
        if (r.kind == ControlKind::Option && !inGroup) return false;
        if (r.kind == ControlKind::Combo || r.kind == ControlKind::Text) {
            if (rows[rowIndex(rows, r.heading)].kind != ControlKind::Heading) return false;
        }
    }
    return true;
}

// The controls made from a table, in the order of its rows.
class BuiltControls {
public:
    QLabel* get(RowOf<ControlKind::Heading> r) const;
    QComboBox* get(RowOf<ControlKind::Combo> r) const;
    QLineEdit* get(RowOf<ControlKind::Text> r) const;
    QFrame* get(RowOf<ControlKind::Group> r) const;
    QRadioButton* get(RowOf<ControlKind::Option> r) const;
    // The N option buttons of a group, in the order of their rows; another count stops the
    // program at once, so that every window test fails on it.
    template <std::size_t N>
    std::array<QRadioButton*, N> options(RowOf<ControlKind::Group> group) const {
        std::array<QRadioButton*, N> found{};
        for (std::size_t i = 0; i < N; ++i) found[i] = option(group.index + 1 + i, N);
        return found;
    }

private:
    QRadioButton* option(std::size_t index, std::size_t count) const;
    friend BuiltControls buildControls(QWidget* page, std::span<const ControlRow> rows);
    std::vector<QWidget*> m_widgets;
};

BuiltControls buildControls(QWidget* page, std::span<const ControlRow> rows);

}  // namespace ferrovolt
