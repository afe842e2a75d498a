// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/list_entries.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace ferrovolt {

namespace {

constexpr char kOwnTip[] = "ferrovoltOwnTip";
// Between an entry's icon and its text, as the styles draw it.
constexpr int kIconGap = 4;
// A label keeps a pixel each side free of text.
constexpr int kTextMargins = 2;

QStyleOptionComboBox optionOf(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = false;
    option.frame = list.hasFrame();
    option.subControls = QStyle::SC_All;
    option.currentText = list.currentText();
    option.currentIcon = list.itemIcon(list.currentIndex());
    option.iconSize = list.iconSize();
    if (list.view()->isVisible()) option.state |= QStyle::State_On;
    return option;
}

// The room the box leaves for its entry's text.
int textRoom(const QComboBox& list, const QStyleOptionComboBox& option) {
    int room =
        list.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
            .width() -
        kTextMargins;
    if (!option.currentIcon.isNull()) room -= option.iconSize.width() + kIconGap;
    return room;
}

class EntryCutter : public QObject {
public:
    explicit EntryCutter(QComboBox* list) : QObject(list), m_list(list) {
        list->setProperty(kOwnTip, list->toolTip());
        connect(list, &QComboBox::currentIndexChanged, this, [this] { sayWhole(); });
        sayWhole();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_list) return false;
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) sayWhole();
        if (event->type() != QEvent::Paint || m_list->isEditable()) return false;
        QStylePainter painter(m_list);
        QStyleOptionComboBox option = optionOf(*m_list);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        option.currentText = m_list->fontMetrics().elidedText(option.currentText, Qt::ElideRight,
                                                              textRoom(*m_list, option));
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return true;
    }

private:
    // The whole entry as the tip while it is cut; the list's own tip while it fits.
    void sayWhole() {
        const QString own = m_list->property(kOwnTip).toString();
        m_list->setToolTip(entryFits(*m_list) ? own : m_list->currentText());
    }

    QComboBox* m_list;
};

}  // namespace

void cutLongEntries(QComboBox& list, int letters) {
    list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list.setMinimumContentsLength(letters);
    list.installEventFilter(new EntryCutter(&list));
}

bool entryFits(const QComboBox& list) {
    const QStyleOptionComboBox option = optionOf(list);
    return list.fontMetrics().horizontalAdvance(option.currentText) <= textRoom(list, option);
}

}  // namespace ferrovolt
