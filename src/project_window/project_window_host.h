// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One Project window at a time, opened beside the main window and kept open with it: opening
// it again brings the same window forward. Closing the main window ends the program, so it
// first asks about the Project window's unsaved work as closing that window does; Cancel
// keeps both open.

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_main;
    SystemServices* m_services;
    QPointer<ProjectWindow> m_window;
};

}  // namespace ferrovolt
