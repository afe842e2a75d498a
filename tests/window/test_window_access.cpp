// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard-only user get from the window: the accessible name,
// role and value of inputs and results after a calculation, the page tabs, and the keyboard
// commands (tab switching through the field check, copying results, reaching the clickable
// labels and the gauge scroll bar).

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <map>

#include "window/click_label.h"
#include "window_harness.h"

using ferrovolt::testing::WindowHarness;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return iface;
}

class WindowAccess : public QObject {
    Q_OBJECT

private slots:
    void inputsAndResults_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* tag, int tab, const char* control, QAccessible::Role role,
                            const char* name, const char* value) {
            QTest::newRow(tag) << tab << QString::fromUtf8(control) << int(role)
                               << QString::fromUtf8(name) << QString::fromUtf8(value);
        };
        row("standard list", 0, "cmbStandards", QAccessible::ComboBox, "Wire Standard",
            "AWG (B&S)");
        row("gauge list", 0, "cmbAWG(0)", QAccessible::ComboBox, "Gauge", "18");
        row("diameter", 0, "Dia_mm", QAccessible::StaticText, "Diameter: 1.023696 Millimeters",
            "1.023696");
        row("circular mils", 0, "Area_mils", QAccessible::StaticText,
            "Area: 1620.1989434 Circular Mils", "1620.1989434");
        row("cable field", 1, "txtCable", QAccessible::EditableText, "Cable Diameter", "25");
        row("conduit area", 1, "CondArea", QAccessible::StaticText,
            "Conduit Area: 7853.9816339 Sq mm", "7853.9816339");
        row("quantity", 1, "CableQty", QAccessible::StaticText, "Cable Quantity: 6", "6");
        row("fill group", 1, "Frame2(1)", QAccessible::Grouping, "Fill", "");
        row("temperature field", 2, "txtTemp", QAccessible::EditableText, "°Temp", "20");
        row("temperature group", 2, "Frame3", QAccessible::Grouping, "Temperature unit", "");
        row("gauge box", 3, "lblGauge", QAccessible::StaticText, "Gauge: 18", "18");
        row("amps", 4, "txtAmps(1)", QAccessible::EditableText, "Enter Load in AMPS", "10");
        row("volts list", 4, "cmbVoltsPhase", QAccessible::ComboBox, "Select Voltage and Phase",
            "240 Volts 1-phase");
        row("phase group", 5, "Frame7", QAccessible::Grouping, "Phase", "");
        row("tab header", 5, "SSTab_Tab(2)", QAccessible::PageTab, "Resistivity", "");
        row("link", 5, "URL_Label1(5)", QAccessible::Link, "www.ferrovolt.example", "");
        row("information sign", 5, "imgInfo(2)", QAccessible::Button, "Information", "");
    }

    void inputsAndResults() {
        QFETCH(int, tab);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        WindowHarness h;
        h.start();
        h.showTab(tab);
        const char* calculate[] = {"cmdCalc(0)", "cmdCalc2",    "cmdCalc(2)",
                                   nullptr,      "cmdCalc4(1)", "cmdCalc4(2)"};
        if (calculate[tab] != nullptr) h.click(h.button(QLatin1String(calculate[tab])));
        QAccessibleInterface* iface = accessible(h.get<QWidget>(control));
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        if (!value.isEmpty()) QCOMPARE(iface->text(QAccessible::Value), value);
    }

    // The heading over a field is its label; a compare box tells its standard and unit.
    void relationsAndCompareBoxes() {
        WindowHarness h;
        h.start();
        const auto labels =
            accessible(h.combo(QStringLiteral("cmbAWG(0)")))->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), h.label(QStringLiteral("lblHeading_cmbAWG(0)")));

        h.showTab(3);
        h.click(h.option(QStringLiteral("optGauge(2)")));
        QLabel* box = h.label(QStringLiteral("lblGaugeArray(0)"));
        QVERIFY(!box->text().trimmed().isEmpty());
        QCOMPARE(accessible(box)->text(QAccessible::Name), QStringLiteral("AWG (B&S): ") +
                                                               box->text().trimmed() +
                                                               QStringLiteral(" Circular Mils"));
    }

    // Every way to another tab passes the same check as a click on its header: with a list
    // holding a text not in it, the tab stays and the list beeps; with a good text it goes.
    void switchingTabs_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("expectedTab");
        for (const bool refused : {false, true}) {
            const auto row = [refused](const char* way, int tab) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(
                    QLatin1String(way), refused ? QStringLiteral("refused") : QString())))
                    << QString::fromLatin1(way) << refused << (refused ? 4 : tab);
            };
            row("click", 0);
            row("press action", 0);
            row("Ctrl+Tab", 5);
            row("Ctrl+PageDown", 5);
            row("Ctrl+Shift+Tab", 3);
            row("Ctrl+PageUp", 3);
        }
    }

    void switchingTabs() {
        QFETCH(QString, way);
        QFETCH(bool, refused);
        QFETCH(int, expectedTab);
        WindowHarness h;
        h.start();
        h.showTab(4);
        QComboBox* gauge = h.combo(QStringLiteral("cmbGauge"));
        WindowHarness::typeInto(gauge, refused ? QStringLiteral("zz") : QStringLiteral("12 AWG"));
        QWidget* focused = QApplication::focusWidget();
        const int beeps = h.services.beeps();
        if (way == QLatin1String("click")) {
            h.showTab(0);
        } else if (way == QLatin1String("press action")) {
            accessible(h.tabs()->tabButton(0))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        } else {
            const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
            const std::map<QString, QKeyCombination> chords{
                {QStringLiteral("Ctrl+Tab"), QKeyCombination(ctrl, Qt::Key_Tab)},
                {QStringLiteral("Ctrl+PageDown"), QKeyCombination(ctrl, Qt::Key_PageDown)},
                {QStringLiteral("Ctrl+Shift+Tab"),
                 QKeyCombination(ctrl | Qt::ShiftModifier, Qt::Key_Backtab)},
                {QStringLiteral("Ctrl+PageUp"), QKeyCombination(ctrl, Qt::Key_PageUp)}};
            const QKeyCombination chord = chords.at(way);
            QTest::keyClick(focused, chord.key(), chord.keyboardModifiers());
        }
        QCoreApplication::processEvents();
        QCOMPARE(h.tabs()->currentTab(), expectedTab);
        QCOMPARE(h.services.beeps() - beeps, refused ? 1 : 0);
        if (refused) QVERIFY(gauge->hasFocus());
    }

    // Ctrl+C copies the tab's results unless text is selected; the Menu key and Shift+F10 on
    // the results block open "Copy results".
    void copyingResults() {
        WindowHarness h;
        h.start();
        h.click(h.button(QStringLiteral("cmdCalc(0)")));
        QComboBox* gauge = h.combo(QStringLiteral("cmbAWG(0)"));
        gauge->setFocus();
        gauge->lineEdit()->deselect();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(gauge, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(QGuiApplication::clipboard()->text().contains(
                     QStringLiteral("Diameter: 1.023696 Millimeters")),
                 qPrintable(QGuiApplication::clipboard()->text()));
        gauge->lineEdit()->selectAll();
        QTest::keyClick(gauge, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("18"));

        auto* outline = h.get<QWidget>(QStringLiteral("Shape1(0)"));
        QCOMPARE(outline->focusPolicy(), Qt::TabFocus);
        auto* menu = h.get<QMenu>(QStringLiteral("mnuResults(0)"));
        for (const QKeyCombination chord :
             {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
            outline->setFocus();
            QTest::keyClick(outline, chord.key(), chord.keyboardModifiers());
            QTRY_VERIFY(menu->isVisible());
            menu->close();
        }
    }

    // The link labels take the theme's link colour: legible on a dark theme, blue on a light.
    void linkColourFollowsTheTheme() {
        const QPalette saved = QApplication::palette();
        QPalette dark = saved;
        dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
        QApplication::setPalette(dark);
        {
            WindowHarness h;
            h.start();
            for (int i = 0; i < 6; ++i)
                QCOMPARE(h.label(QStringLiteral("URL_Label1(%1)").arg(i))
                             ->palette()
                             .color(QPalette::WindowText),
                         QColor(0x8a, 0xb4, 0xf8));
        }
        QApplication::setPalette(saved);
    }

    // The Tab key reaches the scroll bar, the link, the logo and the information sign; the
    // arrow keys move the gauge, Space and Enter act as a click.
    void reachingByKeyboard() {
        WindowHarness h;
        h.start();
        h.showTab(3);
        auto* scroll = h.get<QScrollBar>(QStringLiteral("VScroll1"));
        QVERIFY(scroll->focusPolicy() & Qt::TabFocus);
        scroll->setFocus(Qt::TabFocusReason);
        QTest::keyClick(scroll, Qt::Key_Down);
        QCOMPARE(scroll->value(), 25);
        QVERIFY(h.label(QStringLiteral("lblGauge"))->text() != QStringLiteral("18"));

        h.showTab(0);
        for (const char* name : {"URL_Label1(2)", "Image1(0)", "imgInfo(0)"}) {
            auto* label = h.get<ferrovolt::ClickLabel>(QLatin1String(name));
            QCOMPARE(label->focusPolicy(), Qt::TabFocus);
            QSignalSpy clicks(label, &ferrovolt::ClickLabel::clicked);
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClick(label, Qt::Key_Space);
            QTest::keyClick(label, Qt::Key_Return);
            QCOMPARE(clicks.size(), 2);
        }
        QCOMPARE(h.services.addresses().size(), 2u);
        QCOMPARE(h.services.notes().size(), 2u);
    }
};

}  // namespace

QTEST_MAIN(WindowAccess)
#include "test_window_access.moc"
