// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ss_tab.h"

#include <algorithm>

#include <QButtonGroup>
#include <QFrame>
#include <QStackedWidget>
#include <QToolButton>

#include "window/twips.h"

namespace ferrovolt {

SSTab::SSTab(const std::array<QString, kTabCount>& captions, int initialTab, QWidget* parent)
    : QWidget(parent), m_current(initialTab) {
    m_panel = new QFrame(this);
    m_panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_stack = new QStackedWidget(this);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int i = 0; i < kTabCount; ++i) {
        auto* page = new QWidget(m_stack);
        page->setObjectName(QStringLiteral("SSTab_Page(%1)").arg(i));
        m_stack->addWidget(page);
        m_pages[static_cast<std::size_t>(i)] = page;

        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SSTab_Tab(%1)").arg(i));
        button->setText(captions[static_cast<std::size_t>(i)]);
        button->setAccessibleName(captions[static_cast<std::size_t>(i)]);
        button->setCheckable(true);
        button->setAutoRaise(false);
        // A click on a tab must take the focus, so that the check of the field being left
        // runs before the tab changes.
        button->setFocusPolicy(Qt::StrongFocus);
        m_group->addButton(button, i);
        m_buttons[static_cast<std::size_t>(i)] = button;
    }
    m_buttons[static_cast<std::size_t>(m_current)]->setChecked(true);
    m_stack->setCurrentIndex(m_current);
    markCurrent();
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { setCurrentTab(id); });
    layoutHeader();
}

void SSTab::setCurrentTab(int tab) {
    if (tab < 0 || tab >= kTabCount) return;
    m_buttons[static_cast<std::size_t>(tab)]->setChecked(true);
    if (tab == m_current) return;
    const int previous = m_current;
    m_current = tab;
    m_stack->setCurrentIndex(tab);
    markCurrent();
    emit currentChanged(previous);
}

void SSTab::markCurrent() {
    for (int i = 0; i < kTabCount; ++i) {
        QToolButton* button = m_buttons[static_cast<std::size_t>(i)];
        QFont font = button->font();
        font.setBold(i == m_current);
        button->setFont(font);
    }
}

void SSTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutHeader();
}

void SSTab::layoutHeader() {
    const int rowHeight = twips(kRowHeightTwips);
    const int headerHeight = rowHeight * (kTabCount / kTabsPerRow);
    for (int i = 0; i < kTabCount; ++i) {
        const int row = i / kTabsPerRow;
        const int column = i % kTabsPerRow;
        const int left = width() * column / kTabsPerRow;
        const int right = width() * (column + 1) / kTabsPerRow;
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(left, row * rowHeight, right - left,
                                                            rowHeight);
        m_buttons[static_cast<std::size_t>(i)]->raise();
    }
    m_panel->setGeometry(0, headerHeight, width(), height() - headerHeight);
    m_panel->lower();
    m_stack->setGeometry(0, 0, width(), height());
}

int SSTab::tabOf(const QWidget* control) const {
    for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        const auto* found = std::find(m_pages.begin(), m_pages.end(), w);
        if (found != m_pages.end()) return static_cast<int>(found - m_pages.begin());
    }
    return -1;
}

}  // namespace ferrovolt
