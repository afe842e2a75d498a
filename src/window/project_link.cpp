// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/project_link.h"

#include <QPushButton>

#include "circuit_window/circuit_window_host.h"
#include "project_window/project_window_host.h"
#include "window/controls.h"
#include "window/tab_voltage_drop.h"

namespace ferrovolt {

namespace {

// Under "Circuit check…", above the results.
constexpr TwipsRect kProjectPlace{3240, 2715, 1335, 300};

}  // namespace

ProjectLink::ProjectLink(QWidget* mainWindow, SystemServices& services, const VoltageDropTab& drop)
    : QObject(mainWindow), m_host(new ProjectWindowHost(mainWindow, &services)) {
    QWidget* page = drop.calculate->parentWidget();
    QPushButton* button =
        addButton(page, QStringLiteral("cmdProject"), QStringLiteral("Pro&ject…"), kProjectPlace);
    button->setToolTip(
        QStringLiteral("Checks a whole installation: its supply, boards and circuits"));
    button->setAccessibleName(QStringLiteral("Project"));
    if (auto* circuitCheck = page->findChild<QPushButton*>(arrayName("cmdCircuitCheck", 1)))
        QWidget::setTabOrder(circuitCheck, button);
    connect(button, &QPushButton::clicked, this, [this] { m_host->open(); });
    // The Circuit Check windows the tabs open add their circuit to the Project window, which
    // opens for it when it is not open.
    for (CircuitWindowHost* circuits : mainWindow->findChildren<CircuitWindowHost*>())
        connect(circuits, &CircuitWindowHost::created, this, [this](CircuitWindow* window) {
            connect(window, &CircuitWindow::addToProjectRequested, this,
                    [this, window] { m_host->open()->addCircuitFromCheck(*window); });
        });
}

ProjectLink::~ProjectLink() = default;

}  // namespace ferrovolt
