// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way from the Conduit Capacity tab to the Conduit Fill window: a "Conduit fill…" button
// in space the tab's own controls leave free, which carries the tab's conduit and cable over.

#include <QObject>
#include <QString>

#include "fill/fill_check.h"

namespace ferrovolt {

class FillWindowHost;
class SystemServices;
struct ConduitTab;
struct Tables;

// The tab's conduit as the EMT of its trade size (none where EMT has not that size), one cable
// of its cable diameter and, for its 60 % fill, a nipple; with a note saying so.
struct ConduitTabFill {
    FillInputs inputs;
    QString note;
};
ConduitTabFill conduitTabFill(const ConduitTab& conduit, const Tables& tables);

class ConduitFillLink : public QObject {
    Q_OBJECT
public:
    // Made after the Circuit Check links, whose window it also serves.
    ConduitFillLink(QWidget* mainWindow, SystemServices& services, const ConduitTab& conduit,
                    const Tables& tables);
    ~ConduitFillLink() override;

private:
    FillWindowHost* m_host;
};

}  // namespace ferrovolt
