// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's keyboard commands beyond moving the focus:
// - Ctrl+Tab and Ctrl+PageDown go to the next tab, Ctrl+Shift+Tab and Ctrl+PageUp to the
//   previous one (round the ends), asked of the window as a click on the header would be;
// - Ctrl+C copies the current tab's results when no text is selected in the focused field
//   (with a selection it copies the selection, as ever).
// Every other key passes untouched, the keys of the numeric fields among them.

#include <QObject>
#include <functional>

class QWidget;

namespace ferrovolt {

class SSTab;

class KeyboardCommands : public QObject {
    Q_OBJECT
public:
    using CopyResults = std::function<void(int tab)>;

    // Watches the application's key presses inside `window`; owned by the window.
    KeyboardCommands(QWidget& window, SSTab& tabs, CopyResults copyResults);
    ~KeyboardCommands() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    SSTab& m_tabs;
    CopyResults m_copyResults;
};

}  // namespace ferrovolt
