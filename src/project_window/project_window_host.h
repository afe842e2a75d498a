// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Project window at a time, opened beside the main window and kept open with it: opening
// it again brings the same window forward.

#include <QObject>
#include <QPointer>

#include "project_window/project_window.h"

namespace ferrovolt {

class ProjectWindowHost : public QObject {
    Q_OBJECT
public:
    // The window is placed beside `mainWindow` and goes when the host goes.
    ProjectWindowHost(QWidget* mainWindow, SystemServices* services);
    ~ProjectWindowHost() override;

    ProjectWindow* open();
    ProjectWindow* window() const { return m_window; }

private:
    QWidget* m_main;
    SystemServices* m_services;
    QPointer<ProjectWindow> m_window;
};

}  // namespace ferrovolt
