// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ferrovolt {

// The sans serif face the twips layout is measured for, built into the program so that
// captions fit their boxes whatever fonts the machine has: Liberation Sans, regular and bold.
// The first call adds it to the application's fonts; call after QApplication exists.
QString interfaceFamily();

// The window's text font: the built-in face at 8.25 point, which is 11 pixels at 96 dpi,
// the density the twips layout assumes. Set in pixels so that a screen reporting another
// density scales the whole window through Qt rather than the texts alone.
QFont interfaceFont(bool bold = false);

}  // namespace ferrovolt
