// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builders for the kinds of control the tabs use, so that each tab's layout reads as a table
// of names, texts and twips rectangles. Every control gets its name as objectName.

#include <QString>

#include "window/twips.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrovolt {

class ClickLabel;

// Set on the groups and on the result labels of result lines: start-up takes their border away.
inline constexpr char kBorderUntilStartup[] = "ferrovoltBorderUntilStartup";
// A control's own tool tip, which a list's tip showing a cut entry whole gives back.
inline constexpr char kOwnToolTip[] = "ferrovoltOwnToolTip";

// The name of member `index` of a control array, as its objectName: "cmdCalc(2)".
QString arrayName(const char* name, int index);

// A static label: a heading above a field, or any fixed caption.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect place);

// A result label: empty, with a single-line border until start-up takes it away.
QLabel* addResult(QWidget* parent, const QString& name, TwipsRect place,
                  const QString& accessibleName);

// Columns of a results block: row caption, result label and unit caption (left, width).
struct ResultColumns {
    int captionLeft, captionWidth, resultLeft, resultWidth, unitLeft, unitWidth;
};

// One line of a results block: bold right-aligned row caption, result label, bold unit
// caption (none when `unit` is empty). The caption and unit are named after the result.
QLabel* addResultLine(QWidget* parent, const QString& name, const QString& caption,
                      const QString& unit, int top, int height, const ResultColumns& columns);

// An editable drop-down that takes the text exactly as typed: no completion, no insertion.
QComboBox* addCombo(QWidget* parent, const QString& name, const QString& text, TwipsRect place,
                    const QString& accessibleName);

// Whether `text` shows whole in the edit field of `combo`. A combo made by addCombo carries a
// text that does not as its tool tip and as its field's accessible description.
bool editTextFits(const QComboBox* combo, const QString& text);

// Sets a drop-down's edit text with the caret at its start, so that a long text shows its
// beginning in a narrow box.
void showEditText(QComboBox* combo, const QString& text);

// A single-line text field.
QLineEdit* addTextField(QWidget* parent, const QString& name, const QString& text, TwipsRect place,
                        const QString& accessibleName);

// A group that holds option buttons, with a single-line border until start-up removes it.
QFrame* addGroup(QWidget* parent, const QString& name, TwipsRect place);

// An option button; the buttons of one group exclude each other.
QRadioButton* addOption(QFrame* group, const QString& name, const QString& caption, TwipsRect place,
                        bool selected, const QString& toolTip = {});

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       TwipsRect place);

// The outline around a results block; it takes no clicks and stays behind the results.
QFrame* addRectangle(QWidget* parent, const QString& name, TwipsRect place);

// A link label: centred text in the theme's link colour (blue on a light theme) with the
// built-in hand pointer.
ClickLabel* addLink(QWidget* parent, int index, const QString& address, TwipsRect place);

// A clickable picture, stretched to its box or at its own size.
ClickLabel* addPicture(QWidget* parent, const QString& name, const QPixmap& picture,
                       TwipsRect place, bool stretched, const QString& toolTip,
                       const QString& accessibleName);

}  // namespace ferrovolt
