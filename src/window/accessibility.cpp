// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "window/click_label.h"
#include "window/group_captions.h"
#include "window/result_label.h"
#include "window/ss_tab.h"
#include "window/tab_tables.h"
#include "window_kit/kit_accessibility.h"

namespace ferrovolt {

namespace {

constexpr char kGroupProperty[] = "ferrovoltGroup";
constexpr char kLinkPrefix[] = "URL_Label1(";

QString trimmed(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

// The caption of the chosen option of a group.
QString chosenCaption(const QWidget* group) {
    if (group == nullptr) return {};
    for (const QAbstractButton* option :
         group->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (option->isChecked()) return option->text();
    return {};
}

QString unitOf(const QLabel& label) {
    const QWidget* page = label.parentWidget();
    if (page == nullptr) return {};
    const QString unitLabel = label.property(kResultUnitLabel).toString();
    if (!unitLabel.isEmpty()) {
        const auto* unit = page->findChild<QLabel*>(unitLabel, Qt::FindDirectChildrenOnly);
        return unit != nullptr ? trimmed(unit->text()) : QString();
    }
    const QString group = label.property(kResultUnitGroup).toString();
    if (!group.isEmpty())
        return chosenCaption(page->findChild<QWidget*>(group, Qt::FindDirectChildrenOnly));
    return {};
}

// A result label: named by caption, value and unit; its value alone as value.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
            case QAccessible::Name:
                return spokenResult(*label);
            case QAccessible::Value:
                return trimmed(label->text());
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

// A frame of the window: a group of option buttons is a grouping (marked once the window
// is built, so asked each time), any other frame a plain part of the window.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* frame) : QAccessibleWidget(frame) {}

    QAccessible::Role role() const override {
        return widget()->property(kGroupProperty).toBool() ? QAccessible::Grouping
                                                           : QAccessibleWidget::role();
    }
};

int tabIndex(const SSTab* tabs, const QWidget* button) {
    for (int i = 0; i < SSTab::kTabCount; ++i)
        if (tabs->tabButton(i) == button) return i;
    return -1;
}

// A header of the tab control: a page tab, selected while its page shows; pressing it asks
// the window to switch, as a click on it does. Made while the tab control is still being
// built, so it finds its place among the headers when asked.
class TabAccessible : public QAccessibleWidget {
public:
    TabAccessible(QToolButton* button, SSTab* tabs)
        : QAccessibleWidget(button, QAccessible::PageTab), m_tabs(tabs) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = false;
        state.checked = false;
        state.selectable = true;
        state.selected = m_tabs->currentTab() == tabIndex(m_tabs, widget());
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            m_tabs->requestTab(tabIndex(m_tabs, widget()));
        else
            QAccessibleWidget::doAction(action);
    }

private:
    SSTab* m_tabs;
};

// A link label or a clickable picture: pressing it does what a click does.
class ClickAccessible : public QAccessibleWidget {
public:
    ClickAccessible(ClickLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<ClickLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* windowAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (className == QLatin1String(ResultLabel::staticMetaObject.className()))
        return new ResultAccessible(static_cast<QLabel*>(widget));
    if (className == QLatin1String("QComboBox") &&
        widget->window()->objectName() == QLatin1String("frmOptions"))
        return namedListAccessible(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("QToolButton")) {
        if (auto* tabs = qobject_cast<SSTab*>(widget->parentWidget()))
            return new TabAccessible(static_cast<QToolButton*>(widget), tabs);
    }
    if (className == QLatin1String("QFrame") &&
        widget->window()->objectName() == QLatin1String("frmOptions"))
        return new FrameAccessible(widget);
    if (auto* click = qobject_cast<ClickLabel*>(widget);
        click != nullptr && className == QLatin1String(ClickLabel::staticMetaObject.className())) {
        const bool link = click->objectName().startsWith(QLatin1String(kLinkPrefix));
        return new ClickAccessible(click, link ? QAccessible::Link : QAccessible::Button);
    }
    return nullptr;
}

}  // namespace

void markResult(QLabel* label, const QString& caption) {
    label->setProperty(kResultCaption, caption);
    // An accessible name would stand in for the text and silence its changes.
    label->setAccessibleName(QString());
}

QString spokenResult(const QLabel& label) {
    const QString caption = label.property(kResultCaption).toString();
    const QString value = trimmed(label.text());
    if (value.isEmpty()) return caption;
    const QString unit = unitOf(label);
    QString text = caption + QStringLiteral(": ") + value;
    if (!unit.isEmpty()) text += QLatin1Char(' ') + unit;
    return text;
}

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    (void)installed;
}

void setUpAccessibility(QWidget& window) {
    // Every field and list is named by the heading over it, as the tab tables pair them.
    const auto named = [&window](std::string_view name) {
        return window.findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    };
    for (const TabTable& table : kTabTables) {
        for (const TabInput& field : readingInputs(table)) {
            auto* heading = qobject_cast<QLabel*>(named(field.heading));
            QWidget* input = named(field.control);
            if (field.heading.empty() || heading == nullptr || input == nullptr) continue;
            heading->setBuddy(input);
            // Named by the heading as it reads now: start-up still changes one.
            input->setAccessibleName(QString());
            if (auto* combo = qobject_cast<QComboBox*>(input))
                combo->lineEdit()->setAccessibleName(heading->text());
        }
    }
    for (const GroupCaption& group : kGroupCaptions) {
        const QString name =
            QString::fromLatin1(group.group.data(), static_cast<qsizetype>(group.group.size()));
        if (auto* frame = window.findChild<QFrame*>(name)) {
            frame->setProperty(kGroupProperty, true);
            frame->setAccessibleName(QString::fromLatin1(group.caption));
        }
    }
}

}  // namespace ferrovolt
