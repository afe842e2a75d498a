// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/kit_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include "window_kit/result_rows.h"
#include "window_kit/status_line.h"

namespace ferrovolt {

namespace {

constexpr char kNamesListsProperty[] = "ferrovoltNamesListsByLabel";

class ResultValueAccessible : public QAccessibleWidget {
public:
    explicit ResultValueAccessible(ResultValue* value)
        : QAccessibleWidget(value, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* value = static_cast<const ResultValue*>(widget());
        switch (t) {
            case QAccessible::Name:
                return value->spokenText();
            case QAccessible::Value:
                return value->spokenValue();
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

// Drawn for the eye only: its value's name already says it.
class ResultCaptionAccessible : public QAccessibleWidget {
public:
    explicit ResultCaptionAccessible(QWidget* caption)
        : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A list named by its label, its whole entry as its value and, for a reader that reads no
// value of a list (AT-SPI has none but numbers), as its description, before the list's own
// (its unit).
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        // A reader that asked once is told of each new entry.
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] {
            QAccessibleEvent described(list, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&described);
        });
    }

    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Value) return list->currentText();
        if (t == QAccessible::Description) {
            const QString own = list->accessibleDescription();
            return own.isEmpty() ? list->currentText()
                                 : list->currentText() + QStringLiteral(", ") + own;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* kitAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (className == QLatin1String(ResultValue::staticMetaObject.className()))
        return new ResultValueAccessible(static_cast<ResultValue*>(widget));
    if (className == QLatin1String(ResultCaption::staticMetaObject.className()))
        return new ResultCaptionAccessible(widget);
    if (className == QLatin1String(StatusLine::staticMetaObject.className()) ||
        className == QLatin1String(VerdictLine::staticMetaObject.className()))
        return new StatusAccessible(static_cast<QLabel*>(widget));
    if (className == QLatin1String("QComboBox") &&
        widget->window()->property(kNamesListsProperty).toBool())
        return new NamedListAccessible(static_cast<QComboBox*>(widget));
    return nullptr;
}

}  // namespace

void installKitAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(kitAccessible);
        return true;
    }();
    (void)installed;
}

void nameListsByLabel(QWidget& window) {
    installKitAccessibility();
    window.setProperty(kNamesListsProperty, true);
}

QAccessibleInterface* namedListAccessible(QComboBox* list) {
    return new NamedListAccessible(list);
}

}  // namespace ferrovolt
