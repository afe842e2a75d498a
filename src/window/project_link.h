// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way from the main window to the Project window: a "Project…" button on the Voltage
// Drop tab, under its "Circuit check…", in space the tab's own controls leave free; the
// Circuit Check windows' "Add to project…".

#include <QObject>

namespace ferrovolt {

class ProjectWindowHost;
class SystemServices;
struct VoltageDropTab;

class ProjectLink : public QObject {
    Q_OBJECT
public:
    // Made after the Circuit Check links: the button follows theirs in the Tab order.
    ProjectLink(QWidget* mainWindow, SystemServices& services, const VoltageDropTab& drop);
    ~ProjectLink() override;

private:
    ProjectWindowHost* m_host;
};

}  // namespace ferrovolt
