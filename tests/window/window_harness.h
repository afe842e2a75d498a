// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts the real main window over the services fake, as the program does: construct,
// Form_Load, show, and make it the active window so that the focus can be observed.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <map>
#include <memory>
#include <vector>

#include "fake_system_services.h"
#include "real_clicks.h"
#include "window/frm_options.h"
#include "window/ss_tab.h"

namespace ferrovolt::testing {

class WindowHarness {
public:
    // A wait of six seconds lasts about a millisecond.
    explicit WindowHarness(double waitFactor = 0.0002) : services(waitFactor) {}

    // Declared before the window: the window's destructor may still reach the services and
    // report focus changes.
    FakeSystemServices services;
    QObject watcher;
    std::map<QString, int> clicks;      // every Calculate and tab header click, by name
    std::vector<QString> focusAtClick;  // the focus when each of them was pressed
    std::unique_ptr<frmOptions> window;

    void start() {
        window = std::make_unique<frmOptions>(services);
        window->Form_Load();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("main window not active");
    }

    // Starts the window as start() does, recording the clicks of every Calculate button and
    // tab header; wait for it with ready().
    void startRecordingClicks() {
        window = std::make_unique<frmOptions>(services);
        window->Form_Load();
        window->show();
        QApplication::setActiveWindow(window.get());
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            const QString name = button->objectName();
            if (name.startsWith("cmdCalc") || name.startsWith("SSTab_Tab")) {
                // Pressed comes before the click runs the calculation, which may move the focus.
                QObject::connect(button, &QAbstractButton::pressed, &watcher,
                                 [this] { focusAtClick.push_back(focusName()); });
                QObject::connect(button, &QAbstractButton::clicked, &watcher,
                                 [this, name] { ++clicks[name]; });
            }
        }
    }
    bool ready() { return QTest::qWaitForWindowActive(window.get()); }

    int currentTab() const { return tabs()->currentTab(); }

    // The control that holds the focus, named as the window names it.
    static QString focusName() {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                return w->objectName();
        return {};
    }

    // A starting point set from code; what follows it is driven by keys and clicks.
    void focus(const QString& name) {
        get<QWidget>(name)->setFocus(Qt::OtherFocusReason);
        forget();
    }

    void forget() {
        services.clear();
        clicks.clear();
        focusAtClick.clear();
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // Types character by character into the focused control; '\b' is a backspace.
    void type(const QString& text) const {
        for (const QChar c : text) {
            if (c == QLatin1Char('\b'))
                key(Qt::Key_Backspace);
            else
                QTest::keyClick(window->windowHandle(), c.toLatin1());
        }
    }

    // Selects the whole text of the focused field from the keyboard, then types over it.
    void retype(const QString& text) const {
        key(Qt::Key_End);
        key(Qt::Key_Home, Qt::ShiftModifier);
        type(text);
    }

    // An option button only reacts on its indicator and caption, at its left end.
    void click(const QString& name) const {
        QWidget* widget = get<QWidget>(name);
        const QPoint at = qobject_cast<QRadioButton*>(widget) != nullptr
                              ? QPoint(6, widget->height() / 2)
                              : widget->rect().center();
        test::realClick(widget, Qt::LeftButton, {}, at);
    }

    // The text a field, a drop-down or a label shows.
    QString text(const QString& name) const {
        if (auto* edit = window->findChild<QLineEdit*>(name)) return edit->text();
        if (auto* box = window->findChild<QComboBox*>(name)) return box->currentText();
        return label(name)->text();
    }

    int clicksOf(const QString& name) const {
        const auto found = clicks.find(name);
        return found == clicks.end() ? 0 : found->second;
    }

    template <typename T>
    T* get(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLabel* label(const QString& name) const { return get<QLabel>(name); }
    QComboBox* combo(const QString& name) const { return get<QComboBox>(name); }
    QLineEdit* field(const QString& name) const { return get<QLineEdit>(name); }
    QRadioButton* option(const QString& name) const { return get<QRadioButton>(name); }
    QPushButton* button(const QString& name) const { return get<QPushButton>(name); }
    SSTab* tabs() const { return get<SSTab>(QStringLiteral("SSTab")); }

    // The tab a control stands on, as the window places it; -1 for none.
    int tabOf(const QString& name) const { return tabs()->tabOf(get<QWidget>(name)); }

    // Clicks the tab's header as the user does.
    void showTab(int tab) const {
        test::realClick(tabs()->tabButton(tab));
        QCoreApplication::processEvents();
    }

    void click(QWidget* widget) const { test::realClick(widget); }

    // The edit text replaced as if typed over a full selection.
    static void typeInto(QComboBox* combo, const QString& text) {
        combo->setFocus();
        combo->lineEdit()->selectAll();
        combo->lineEdit()->del();
        QTest::keyClicks(combo->lineEdit(), text);
    }
};

}  // namespace ferrovolt::testing
