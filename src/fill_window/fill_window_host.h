// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Conduit Fill window at a time, opened beside the window it is opened from and kept open
// with it: opening it again brings the same window forward.

#include <QObject>
#include <QPointer>

#include "fill_window/fill_window.h"

namespace ferrovolt {

class FillWindowHost : public QObject {
    Q_OBJECT
public:
    // The window is placed beside `parent` and goes when the host goes.
    FillWindowHost(QWidget* parent, SystemServices* services);
    ~FillWindowHost() override;

    // Shows the window, filled with these inputs when given.
    FillWindow* open(const FillInputs* prefill = nullptr, const QString& note = {});
    FillWindow* window() const { return m_window; }

private:
    QWidget* m_parent;
    SystemServices* m_services;
    QPointer<FillWindow> m_window;
};

}  // namespace ferrovolt
