// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SSTab: six tabs drawn in two rows of three over one page area. QTabWidget draws one row
// only, so the header is a grid of checkable buttons over a stack of pages. Positions of
// the controls on a page count from the top-left corner of the whole control, header
// included, so a page covers the header area too (the header buttons stay on top).

#include <QString>
#include <QWidget>
#include <array>

class QButtonGroup;
class QFrame;
class QStackedWidget;
class QToolButton;

namespace ferrovolt {

class SSTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabCount = 6;
    static constexpr int kTabsPerRow = 3;
    static constexpr int kRowHeightTwips = 300;

    SSTab(const std::array<QString, kTabCount>& captions, int initialTab, QWidget* parent);

    int currentTab() const { return m_current; }
    // Makes a tab current; a change reports currentChanged, setting the current tab does not.
    void setCurrentTab(int tab);

    QWidget* page(int tab) const { return m_pages.at(static_cast<std::size_t>(tab)); }
    // The tab whose page holds `control`; -1 for a control on no page.
    int tabOf(const QWidget* control) const;
    QToolButton* tabButton(int tab) const { return m_buttons.at(static_cast<std::size_t>(tab)); }

    // Asks the window for a tab, from the keyboard or an assistive technology: the window
    // switches through the same check as a click on the tab's header.
    void requestTab(int tab) { emit tabRequested(tab); }

signals:
    // After the current tab changed; carries the tab that was current before.
    void currentChanged(int previousTab);
    void tabRequested(int tab);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutHeader();
    // The current tab's caption stands out in bold.
    void markCurrent();

    std::array<QToolButton*, kTabCount> m_buttons{};
    std::array<QWidget*, kTabCount> m_pages{};
    QButtonGroup* m_group = nullptr;
    QFrame* m_panel = nullptr;
    QStackedWidget* m_stack = nullptr;
    int m_current = 0;
};

}  // namespace ferrovolt
