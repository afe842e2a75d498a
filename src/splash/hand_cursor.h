// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QString>
#include <optional>

namespace ferrovolt {

// The file of the hand pointer, looked for in the program's own folder.
inline constexpr char kHandCursorFileName[] = "hand32.ico";

// The full path of "hand32.ico" beside the running program.
QString handCursorPath();

// Reads the hand pointer afresh from the given icon file (every control that gets the pointer
// reads it anew); nothing when the file is missing or not a readable picture.
std::optional<QCursor> loadHandCursor(const QString& path = handCursorPath());

// The pointer of a link label: the hand from "hand32.ico", or the toolkit's own hand without it.
QCursor linkCursor(const QString& path = handCursorPath());

}  // namespace ferrovolt
