// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input/key_press_filter.h"

#include <QKeyEvent>
#include <QWidget>
#include <utility>

#include "window/input/key_code.h"

namespace ferrovolt {

void KeyPressFilter::watch(QWidget& field, KeyHandler handler) {
    m_handlers[&field] = std::move(handler);
    field.installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto found = m_handlers.find(watched);
    if (found == m_handlers.end()) {
        return false;
    }
    const std::optional<int> code = typedCharacterCode(*static_cast<QKeyEvent*>(event));
    if (!code) {
        return false;
    }
    int keyAscii = *code;
    found->second(keyAscii);
    return keyAscii == 0;
}

}  // namespace ferrovolt
