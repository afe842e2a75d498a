// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A result label: a label that a calculator writes into. Its own class, so that assistive
// technology can tell it from a caption and read it with its caption and unit.

#include <QLabel>

namespace ferrovolt {

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    explicit ResultLabel(QWidget* parent) : QLabel(parent) {}
};

}  // namespace ferrovolt
