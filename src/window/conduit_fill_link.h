// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way from the Conduit Capacity tab to the Conduit Fill window: a "Conduit fill…" button
// in space the tab's own controls leave free.

#include <QObject>

namespace ferrovolt {

class FillWindowHost;
class SystemServices;
struct ConduitTab;

class ConduitFillLink : public QObject {
    Q_OBJECT
public:
    // Made after the Circuit Check links, whose window it also serves.
    ConduitFillLink(QWidget* mainWindow, SystemServices& services, const ConduitTab& conduit);
    ~ConduitFillLink() override;

private:
    FillWindowHost* m_host;
};

}  // namespace ferrovolt
