// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A panel of inputs that scrolls up and down when the window is too short for it (a small or
// scaled screen): it asks for the width of its inputs and the height of all of them, takes
// less height when that is all there is, and brings each input into view as it takes the
// focus (by Tab, mnemonic or click). Where allowed, and only on a screen narrower than its
// inputs (a laptop's at 200 %), it scrolls sideways too. It asks again as its content changes (rows
// shown or hidden, another set of inputs).

#include <QScrollArea>

namespace ferrovolt {

class ScrollingPanel : public QScrollArea {
    Q_OBJECT
public:
    // Takes `content`, laid out already.
    ScrollingPanel(QWidget* content, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The least height, in lines of text, it keeps where the window is short: a few inputs
    // or rows, so that it still shows where it scrolls.
    void setLeastLines(int lines);
    // Scrolls sideways where the window is narrower than its content, keeping a few words'
    // width; else it asks for the whole width.
    void allowSideways();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int sideWidth() const;

    int m_leastLines = 12;
    bool m_sideways = false;
};

}  // namespace ferrovolt
