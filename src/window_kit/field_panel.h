// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A check's inputs in a window: one labelled control per field, in group boxes by the field's
// group, made from the check's own description of its fields (or a window's declarations of
// some of them by key), with their units, defaults, entries and access letters; and the
// panel as one more source of field texts for `setCase`. A field the installation tree gives
// (check/origin.h) can be shown as given rather than typed.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/check.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace ferrovolt {

class FieldPanel : public QObject {
    Q_OBJECT
public:
    // One input: the check's field (an index into its fields()), the declaration the panel
    // shows, and its control (for an input of rows, the window's widget, or null).
    struct Input {
        std::size_t field;
        const CheckField* shown;
        QWidget* control;
        QString caption;  // its label without the mnemonic
    };

    // The controls are the window's children.
    explicit FieldPanel(QWidget* window);

    // Called for each control as it is made, before the panel follows its changes: what a
    // window adds of its own (a drawing by entry, a signal of its own).
    void setMade(std::function<void(const CheckField&, QWidget*)> made);
    // The widget that shows an input of rows, laid across its row; null where another input
    // of rows shows it too. Without it, inputs of rows are not shown.
    void setRowsWidget(std::function<QWidget*(const CheckField&)> widget);
    // The texts of an input of rows, one per row, as the window reads its widget.
    void setRowsTexts(std::function<std::vector<std::string>(const CheckField&)> texts);
    // How a refused input is heard; silent without it.
    void setBeep(std::function<void()> beep);
    // A list whose longest entry has more letters than this shows that many, cut with an
    // ellipsis and said whole in its tip.
    void setListLetters(int letters) { m_listLetters = letters; }

    // Builds the group boxes of `fields` (the check's own declarations, or a window's of some
    // of them by key), in the order their groups first come, into `into` from `at`; the
    // panel's earlier boxes are deleted. `taken` are the access letters of the window's own
    // commands: the captions take the others in the order they are laid out. The declarations
    // outlive the panel.
    void build(const Check& check, std::vector<const CheckField*> fields, QBoxLayout* into, int at,
               const QList<QChar>& taken);
    // Every field of the check.
    void build(const Check& check, QBoxLayout* into, int at, const QList<QChar>& taken);

    const std::vector<Input>& inputs() const { return m_inputs; }
    const std::vector<QGroupBox*>& groups() const { return m_groups; }
    const std::vector<QGridLayout*>& grids() const { return m_grids; }
    // The control of a key; null when the panel shows none.
    QWidget* control(std::string_view key) const;
    // Its caption without the mnemonic; the key itself when the panel shows no such input.
    QString captionOf(std::string_view key) const;

    // The control's text as the check's fields read it: a field's text, a list's key,
    // "true" or "false", a count.
    static std::string textOf(const QWidget* control);
    // Puts such a text in the control; false when it takes no such text.
    static bool setText(QWidget* control, const QString& text);

    // Whether the input of a key applies while the panel's inputs read as they do (its
    // `when`, check/field_applies.h); one that does not is hidden. True for a key not shown.
    bool applies(std::string_view key) const;

    // Sets the case from the panel's inputs, in the order they are laid out: a disabled input
    // or one that does not apply is not read (a given one is), an empty one is not given, or
    // refused when required.
    std::optional<CheckRefusal> setCase(CheckCase& target) const;
    // The words a window shows for a refusal: "Caption: reason".
    QString refusalText(const CheckRefusal& refusal) const;
    // A refusal as a person hears it: the beep, and the focus on the input at fault, kept
    // where it already is. The control at fault; null when the panel shows none.
    QWidget* refuse(const CheckRefusal& refusal);

    // Shows the field of `key` as given rather than typed (by the installation tree above,
    // check/origin.h): its text, read-only, and the note beside it. An empty note makes it
    // an input again, with the text it holds.
    void setGiven(std::string_view key, const QString& text, const QString& note);
    bool isGiven(std::string_view key) const;
    // The keys of the panel's inputs that an origin gives (check/origin.h), in panel order.
    std::vector<std::string_view> originKeys() const;

signals:
    // An input changed, by a person or by the program.
    void changed();

private:
    QWidget* makeControl(const CheckField& field, const QString& caption);
    void addInput(QGridLayout* grid, std::size_t field, const CheckField& shown,
                  const QString& caption);
    const Input* inputOf(std::string_view key) const;
    bool applies(const Input& input) const;
    // Shows the inputs that apply and hides the others with their caption and unit (out of
    // the tab order and said to be invisible to assistive tools, not merely disabled), and a
    // group box none of whose inputs apply.
    void showWhatApplies();

    QWidget* m_window;
    const Check* m_check = nullptr;
    std::function<void(const CheckField&, QWidget*)> m_made;
    std::function<QWidget*(const CheckField&)> m_rowsWidget;
    std::function<std::vector<std::string>(const CheckField&)> m_rowsTexts;
    std::function<void()> m_beep;
    int m_listLetters = 24;
    std::vector<QGroupBox*> m_groups;
    std::vector<QGridLayout*> m_grids;
    std::vector<Input> m_inputs;
    // Each input's caption and unit labels, by the index of its input; null where none.
    std::vector<std::pair<QWidget*, QWidget*>> m_labels;
    std::vector<std::size_t> m_inputGroups;  // each input's group box, by its index
    struct Given {
        QWidget* control;
        QLabel* note;
    };
    std::vector<Given> m_given;
};

}  // namespace ferrovolt
