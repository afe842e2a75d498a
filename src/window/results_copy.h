// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Copy results": the context menu of each calculator tab's results block (its outline and
// every row caption, result label and unit caption in it) offers one action that puts the
// tab's inputs and results on the clipboard as plain text, one "caption: value unit" line
// each, in the order they stand on the tab.
//
// From the keyboard: the outline of each block is a tab stop (its line thickens while it has
// the focus), and the Menu key or Shift+F10 on it opens the menu.
//
// It only adds a menu: a right-click on a label moves no focus and runs no check, so a field
// that holds a refused text keeps the focus, silently, while the menu is open. It finds the
// controls by objectName and knows nothing of the window's class.

#include <QObject>
#include <QString>
#include <array>
#include <vector>

class QFrame;
class QMenu;
class QPoint;
class QWidget;

namespace ferrovolt {

class ResultsCopy : public QObject {
    Q_OBJECT
public:
    static constexpr int kTabCount = 6;

    // Owned by `window` as its child; builds after every tab's controls exist.
    explicit ResultsCopy(QWidget& window);

    // Puts the text of "Copy results" for `tab` on the clipboard.
    void copyResults(int tab) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct InputLine {
        QWidget* heading;      // none for a group of option buttons, which has
        QString groupCaption;  // this caption of ours instead
        QWidget* control;      // a drop-down, a text field, a label or a group
    };
    struct ResultLine {
        QWidget* caption;
        QWidget* result;
        QWidget* unit;  // none where the line shows no unit
    };
    struct Block {
        QWidget* page = nullptr;
        QFrame* outline = nullptr;
        std::vector<InputLine> inputs;
        std::vector<ResultLine> results;
        QMenu* menu = nullptr;
    };

    void buildBlock(int tab);
    // What "Copy results" puts on the clipboard for `tab`, read from the controls now.
    QString resultsText(int tab) const;
    // Whether a right-click on `hit` (nothing: the page itself) at `position` on the page
    // falls on the block.
    bool isInBlock(const Block& block, QWidget* hit, const QPoint& position) const;
    // Opens the block's menu at the middle of its outline, for the keyboard.
    void popUpAtOutline(const Block& block) const;

    QWidget& m_window;
    std::array<Block, kTabCount> m_blocks{};
};

}  // namespace ferrovolt
