// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "window/accessibility.h"
#include "window/click_label.h"
#include "window/result_label.h"

namespace ferrovolt {

namespace {

// An option button answers a click anywhere in its box, not only on its circle and caption.
class OptionButton : public QRadioButton {
public:
    OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

template <typename Widget>
Widget* place(Widget* widget, const QString& name, TwipsRect where) {
    widget->setObjectName(name);
    widget->setGeometry(toPixels(where));
    return widget;
}

QLabel* boldLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect where,
                  Qt::Alignment alignment) {
    QLabel* label = addLabel(parent, name, text, where);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// "Diameter :" is read out as "Diameter".
QString spoken(const QString& caption) {
    QString text = caption;
    if (text.endsWith(QStringLiteral(" :"))) text.chop(2);
    return text;
}

}  // namespace

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, TwipsRect where) {
    auto* label = place(new QLabel(parent), name, where);
    // Plain text: "AWG (B&S)" shows its "&", and nothing is read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel* addResult(QWidget* parent, const QString& name, TwipsRect where,
                  const QString& accessibleName) {
    auto* label = place(new ResultLabel(parent), name, where);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAccessibleName(accessibleName);
    return label;
}

QLabel* addResultLine(QWidget* parent, const QString& name, const QString& caption,
                      const QString& unit, int top, int height, const ResultColumns& columns) {
    boldLabel(parent, QStringLiteral("lblCaption_") + name, caption,
              {columns.captionLeft, top, columns.captionWidth, height}, Qt::AlignRight);
    QLabel* result = addResult(parent, name, {columns.resultLeft, top, columns.resultWidth, height},
                               spoken(caption));
    markResult(result, spoken(caption));
    result->setProperty(kBorderUntilStartup, true);
    if (!unit.isEmpty()) {
        boldLabel(parent, QStringLiteral("lblUnit_") + name, unit,
                  {columns.unitLeft, top, columns.unitWidth, height}, Qt::AlignLeft);
        result->setProperty(kResultUnitLabel, QString(QStringLiteral("lblUnit_") + name));
    }
    return result;
}

QComboBox* addCombo(QWidget* parent, const QString& name, const QString& text, TwipsRect where,
                    const QString& accessibleName) {
    auto* combo = place(new QComboBox(parent), name, where);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The checks compare the text exactly as typed: a completer would change its case, and
    // without one Enter matches list entries case-sensitively.
    combo->setCompleter(nullptr);
    // A text wider than the box ("Copper (Hard Drawn)") is read whole in a tool tip, and
    // assistive technology gets it as the field's description.
    QObject::connect(
        combo->lineEdit(), &QLineEdit::textChanged, combo, [combo](const QString& shown) {
            const QString whole = editTextFits(combo, shown) ? QString() : shown;
            // The list's own tip while the entry fits.
            combo->setToolTip(whole.isEmpty() ? combo->property(kOwnToolTip).toString() : whole);
            combo->lineEdit()->setAccessibleDescription(whole);
        });
    showEditText(combo, text);
    combo->setAccessibleName(accessibleName);
    return combo;
}

bool editTextFits(const QComboBox* combo, const QString& text) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    // A frameless line edit keeps 2 pixels each side free of text.
    constexpr int kLineEditMargins = 4;
    const QFontMetricsF metrics(combo->lineEdit() != nullptr ? combo->lineEdit()->font()
                                                             : combo->font());
    return metrics.horizontalAdvance(text) <= field.width() - kLineEditMargins;
}

void showEditText(QComboBox* combo, const QString& text) {
    combo->setEditText(text);
    combo->lineEdit()->setCursorPosition(0);
}

QLineEdit* addTextField(QWidget* parent, const QString& name, const QString& text, TwipsRect where,
                        const QString& accessibleName) {
    auto* field = place(new QLineEdit(parent), name, where);
    field->setText(text);
    field->setAccessibleName(accessibleName);
    return field;
}

QFrame* addGroup(QWidget* parent, const QString& name, TwipsRect where) {
    auto* group = place(new QFrame(parent), name, where);
    group->setFrameStyle(QFrame::Box | QFrame::Plain);
    group->setLineWidth(1);
    group->setProperty(kBorderUntilStartup, true);
    return group;
}

QRadioButton* addOption(QFrame* group, const QString& name, const QString& caption, TwipsRect where,
                        bool selected, const QString& toolTip) {
    QRadioButton* option = place(new OptionButton(caption, group), name, where);
    option->setChecked(selected);
    if (!toolTip.isEmpty()) option->setToolTip(toolTip);
    return option;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       TwipsRect where) {
    auto* button = place(new QPushButton(caption, parent), name, where);
    button->setAutoDefault(false);
    return button;
}

QFrame* addRectangle(QWidget* parent, const QString& name, TwipsRect where) {
    auto* rectangle = place(new QFrame(parent), name, where);
    rectangle->setFrameStyle(QFrame::Box | QFrame::Plain);
    rectangle->setLineWidth(1);
    rectangle->setAttribute(Qt::WA_TransparentForMouseEvents);
    rectangle->lower();
    return rectangle;
}

ClickLabel* addLink(QWidget* parent, int index, const QString& address, TwipsRect where) {
    auto* link = place(new ClickLabel(parent), arrayName("URL_Label1", index), where);
    link->setTextFormat(Qt::PlainText);
    link->setText(address);
    link->setAlignment(Qt::AlignCenter);
    // The theme's link colour: blue on the usual light palette, a light blue on a dark one.
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    link->setAccessibleName(address);
    return link;
}

ClickLabel* addPicture(QWidget* parent, const QString& name, const QPixmap& picture,
                       TwipsRect where, bool stretched, const QString& toolTip,
                       const QString& accessibleName) {
    auto* label = place(new ClickLabel(parent), name, where);
    label->setPixmap(picture);
    label->setScaledContents(stretched);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!toolTip.isEmpty()) label->setToolTip(toolTip);
    label->setAccessibleName(accessibleName);
    return label;
}

}  // namespace ferrovolt
