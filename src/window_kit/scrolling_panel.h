// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A panel of inputs that scrolls up and down when the window is too short for it (a small or
// scaled screen), never sideways: it asks for the width of its inputs and the height of all
// of them, takes less height when that is all there is, and brings each input into view as
// it takes the focus (by Tab, mnemonic or click). It asks again as its content changes (rows
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int sideWidth() const;
};

}  // namespace ferrovolt
