// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/result_rows.h"

#include <QAccessible>
#include <QGridLayout>

#include "window_kit/kit_accessibility.h"

namespace ferrovolt {

namespace {

void setBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

ResultValue::ResultValue(const QString& caption, QWidget* parent)
    : QLabel(parent), m_caption(caption) {
    installKitAccessibility();
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultValue::setResult(const QString& shown, const QString& spoken, bool governs) {
    m_spoken = spoken;
    m_governs = governs;
    setText(shown);
    setBold(this, governs);
    // The name changes with the governing mark even where the text stays.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

QString ResultValue::spokenText() const {
    if (m_spoken.isEmpty()) return m_caption;
    QString text = m_caption + QStringLiteral(": ") + m_spoken;
    if (m_governs) text += QStringLiteral(", governing");
    return text;
}

ResultCaption::ResultCaption(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    installKitAccessibility();
}

ResultRows::ResultRows(QGridLayout* grid, QWidget* owner) : m_grid(grid), m_owner(owner) {}

ResultValue* ResultRows::add(const QString& key, const QString& caption) {
    const int at = m_grid->rowCount();
    auto* captionLabel = new ResultCaption(caption, m_owner);
    auto* value = new ResultValue(caption, m_owner);
    value->setObjectName(key);
    m_grid->addWidget(captionLabel, at, 0);
    m_grid->addWidget(value, at, 1);
    m_rows.push_back({captionLabel, value});
    return value;
}

void ResultRows::show(std::size_t row, const QString& value, bool governs) {
    const Row& r = m_rows.at(row);
    r.value->setResult(value, value, governs);
    setBold(r.caption, governs);
    r.caption->setVisible(!value.isEmpty());
    r.value->setVisible(!value.isEmpty());
}

void ResultRows::clear() {
    for (const Row& r : m_rows) {
        r.value->setResult({}, {}, false);
        setBold(r.caption, false);
    }
}

}  // namespace ferrovolt
