// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/status_line.h"

#include <QAccessible>

#include "window_kit/kit_accessibility.h"

namespace ferrovolt {

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
    // A notification is spoken when it comes into view: shown again for each message.
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void StatusLine::clearStatus() {
    hide();
    clear();
}

}  // namespace ferrovolt
