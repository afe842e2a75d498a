// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small line drawings of the reference installation methods of IEC 60364-5-52 Table B.52.1,
// drawn at run time in the palette's own text colour: conduit in an insulated wall (A1, A2),
// conduit on a wall (B1, B2), a cable fixed on a wall (C), a duct in the ground (D1), a cable
// direct in the ground (D2), a cable on a tray in free air (E), single cores touching (F) and
// spaced (G) in free air.

#include <QIcon>
#include <QPalette>
#include <QSize>
#include <string_view>

namespace ferrovolt {

// The size the drawings are made for.
inline constexpr QSize kMethodPictureSize{40, 28};

// The drawing of a method by its key ("A1" … "G"), readable on the palette's base colour;
// a null icon for a key it has no drawing of.
QIcon methodPicture(std::string_view method, const QPalette& palette);

}  // namespace ferrovolt
