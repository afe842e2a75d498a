// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ferrovolt {

// The program's icon at every rendered size: the window icon.
QIcon programIcon();

// The logo shown on the calculator tabs (64 x 64, drawn stretched into its box).
QPixmap logoPicture();

// The information sign of the calculator tabs: 16 x 16, with a 32 x 32 form for dense screens.
QIcon infoIcon();

}  // namespace ferrovolt
