// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line under a window's buttons saying what a command did ("Copied the calculation to the
// clipboard."), which a screen reader announces as a notification when it appears.

#include <QLabel>

namespace ferrovolt {

class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    // Shows `text` and has a screen reader say it, even when it is the text already shown.
    void announce(const QString& text);
    // Empties the line, keeping its room so that the window does not move.
    void clearStatus();
};

}  // namespace ferrovolt
