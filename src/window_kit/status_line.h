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

// The line under a window's answer saying its verdict or, when the inputs are refused, why:
// a screen reader announces a refusal as it appears, once for each new reason, as it does
// the status line, and reads a verdict when it comes to it.
class VerdictLine : public QLabel {
    Q_OBJECT
public:
    explicit VerdictLine(QWidget* parent);

    void showVerdict(const QString& text);
    void showRefusal(const QString& text);

private:
    bool m_refused = false;
};

}  // namespace ferrovolt
