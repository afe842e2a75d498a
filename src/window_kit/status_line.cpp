// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/status_line.h"

#include <QAccessible>

#include "window_kit/kit_accessibility.h"

namespace ferrovolt {

namespace {

void alert(QLabel* line) {
    // A notification is spoken when it comes into view.
    line->hide();
    line->show();
    QAccessibleEvent alert(line, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    installKitAccessibility();
    setObjectName(QStringLiteral("lblStatus"));
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

void StatusLine::announce(const QString& text) {
    setText(text);
    // Shown again for each message, even the same one.
    alert(this);
}

void StatusLine::clearStatus() {
    hide();
    clear();
}

VerdictLine::VerdictLine(QWidget* parent) : QLabel(parent) {
    installKitAccessibility();
    setWordWrap(true);
}

void VerdictLine::showVerdict(const QString& text) {
    m_refused = false;
    setText(text);
}

void VerdictLine::showRefusal(const QString& text) {
    // Typing on in a refused field keeps the reason: it is said once, not at each key.
    const bool known = m_refused && text == this->text();
    m_refused = true;
    setText(text);
    if (!known && isVisible()) alert(this);
}

}  // namespace ferrovolt
