// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/conduit_fill_link.h"

#include <QPushButton>

#include "circuit_window/circuit_window_host.h"
#include "fill_window/fill_window_host.h"
#include "window/controls.h"
#include "window/tab_conduit.h"

namespace ferrovolt {

namespace {

// Under the conduit diameter list, above the fill options, where the tab has no control.
constexpr TwipsRect kButtonPlace{400, 1860, 1335, 300};
constexpr char kButtonCaption[] = "Conduit &fill…";

}  // namespace

ConduitFillLink::ConduitFillLink(QWidget* mainWindow, SystemServices& services,
                                 const ConduitTab& conduit)
    : QObject(mainWindow), m_host(new FillWindowHost(mainWindow, &services)) {
    QWidget* page = conduit.calculate->parentWidget();
    QPushButton* open =
        addButton(page, QStringLiteral("cmdConduitFill"), kButtonCaption, kButtonPlace);
    open->setToolTip(
        QStringLiteral("Sizes a raceway for mixed conductors and cables by NEC Chapter 9"));
    open->setAccessibleName(QStringLiteral("Conduit fill"));
    connect(open, &QPushButton::clicked, this, [this] { m_host->open(); });

    // The Circuit Check window's "Conduit fill…" opens the same window, filled with the
    // circuit's conductors.
    if (auto* circuits = mainWindow->findChild<CircuitWindowHost*>())
        connect(circuits, &CircuitWindowHost::created, this, [this](CircuitWindow* window) {
            connect(window, &CircuitWindow::conduitFillRequested, this,
                    [this](const FillInputs& inputs, const QString& note) {
                        m_host->open(&inputs, note);
                    });
        });
}

ConduitFillLink::~ConduitFillLink() = default;

}  // namespace ferrovolt
