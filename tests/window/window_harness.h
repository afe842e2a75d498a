#pragma once

// Starts the real main window over the services fake, as the program does: construct,
// Form_Load, show, and make it the active window so that the focus can be observed.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "fake_system_services.h"
#include "window/frm_options.h"
#include "window/ss_tab.h"

namespace ferrovolt::testing {

class WindowHarness {
public:
    // A wait of six seconds lasts about a millisecond.
    explicit WindowHarness(double waitFactor = 0.0002) : services(waitFactor) {}

    // Declared before the window: the window's destructor may still reach the services.
    FakeSystemServices services;
    std::unique_ptr<frmOptions> window;

    void start() {
        window = std::make_unique<frmOptions>(services);
        window->Form_Load();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("main window not active");
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

    // Clicks the tab's header as the user does.
    void showTab(int tab) const {
        QTest::mouseClick(tabs()->tabButton(tab), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void click(QWidget* widget) const {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // The edit text replaced as if typed over a full selection.
    static void typeInto(QComboBox* combo, const QString& text) {
        combo->setFocus();
        combo->lineEdit()->selectAll();
        combo->lineEdit()->del();
        QTest::keyClicks(combo->lineEdit(), text);
    }
};

}  // namespace ferrovolt::testing
