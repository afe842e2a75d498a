// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard_commands.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

#include "window/ss_tab.h"

namespace ferrovolt {

namespace {

// +1 for the next tab, -1 for the previous, 0 for a key that switches none.
int tabStep(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (modifiers == Qt::ControlModifier) {
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_PageDown) return 1;
        if (key.key() == Qt::Key_PageUp) return -1;
    }
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
        (key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Tab))
        return -1;
    return 0;
}

bool hasSelectedText(QWidget* focused) {
    if (auto* combo = qobject_cast<QComboBox*>(focused); combo != nullptr && combo->lineEdit())
        return combo->lineEdit()->hasSelectedText();
    if (auto* field = qobject_cast<QLineEdit*>(focused)) return field->hasSelectedText();
    return false;
}

}  // namespace

KeyboardCommands::KeyboardCommands(QWidget& window, SSTab& tabs, CopyResults copyResults)
    : QObject(&window), m_window(window), m_tabs(tabs), m_copyResults(std::move(copyResults)) {
    qApp->installEventFilter(this);
}

KeyboardCommands::~KeyboardCommands() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool KeyboardCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key reaches the focused widget once; an open list or menu keeps its own keys.
    if (widget->window() != &m_window || QApplication::activePopupWidget() != nullptr) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (const int step = tabStep(*key); step != 0) {
        const int count = SSTab::kTabCount;
        m_tabs.requestTab((m_tabs.currentTab() + step + count) % count);
        return true;
    }
    if (key->matches(QKeySequence::Copy) && !hasSelectedText(m_window.focusWidget())) {
        m_copyResults(m_tabs.currentTab());
        return true;
    }
    return false;
}

}  // namespace ferrovolt
