// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Circuit Check window at a time, opened beside the main window (or over it, on its
// screen) and kept open with it: opening it again brings the same window forward.

#include <QObject>
#include <QPointer>

#include "circuit_window/circuit_prefill.h"
#include "circuit_window/circuit_window.h"

class QWidget;

namespace ferrovolt {

class CircuitWindowHost : public QObject {
    Q_OBJECT
public:
    // The window is placed beside `mainWindow` and goes when the host goes.
    explicit CircuitWindowHost(QWidget* mainWindow);
    ~CircuitWindowHost() override;

    // Shows the window, filled with a tab's inputs when given.
    CircuitWindow* open(const CircuitPrefill* prefill = nullptr);
    CircuitWindow* window() const { return m_window; }

signals:
    // A new window was made (the first time it opens, or after it was closed and deleted).
    void created(ferrovolt::CircuitWindow* window);

private:
    QWidget* m_main;
    QPointer<CircuitWindow> m_window;
};

}  // namespace ferrovolt
