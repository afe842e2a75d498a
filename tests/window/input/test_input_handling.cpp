// SPDX-License-Identifier: GPL-3.0-or-later
// The input handling driven as a user drives it: keys and clicks through the window, with
// the focus, the beeps and the button clicks that follow.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <memory>
#include <variant>
#include <vector>

#include "calc/voltage_drop.h"
#include "fake_system_services.h"
#include "window/frm_options.h"
#include "window/input/key_code.h"
#include "window/ss_tab.h"
#include "window/tab_tables.h"
#include "window_harness.h"

namespace {

// The real main window, started as the program starts it, with a record of every Calculate and
// tab header click. Controls of other tabs are out of reach until their tab is current: showing
// a tab forgets what came before.
struct Rig : ferrovolt::testing::WindowHarness {
    Rig() { startRecordingClicks(); }
    void showTab(int tab) {
        WindowHarness::showTab(tab);
        forget();
    }
};

// The tab's Calculate button: another control to click on the same tab.
QString calculateOf(int tab) {
    const std::string_view button =
        ferrovolt::kTabTables.at(static_cast<std::size_t>(tab)).calculate;
    return QString::fromLatin1(button.data(), static_cast<qsizetype>(button.size()));
}

}  // namespace

class InputHandlingTest : public QObject {
    Q_OBJECT

private slots:
    void keyCodes_data();
    void keyCodes();
    void lengthLimits_data();
    void lengthLimits();
    void typingOverSelection();
    void backspaceAndDeleteAlwaysWork();
    void clipboardShortcutsAreSwallowed();
    void nonNumberHoldsFocusSilently_data();
    void nonNumberHoldsFocusSilently();
    void listChecks_data();
    void listChecks();
    void gauge45PassesCheckAndIsRefusedByCalculation();
    void refusedMoveClicksNothing();
    void pressFromAnotherWindowStillAsks();
    void calculateFromList_data();
    void calculateFromList();
    void optionClicks_data();
    void optionClicks();
};

// ---- Character codes ----------------------------------------------------------------------

void InputHandlingTest::keyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // -1: types no character, not judged

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("digit") << int(Qt::Key_5) << none << "5" << 53;
    QTest::newRow("point") << int(Qt::Key_Period) << none << "." << 46;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << 55;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << 45;
    QTest::newRow("capital") << int(Qt::Key_A) << shift << "A" << 65;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("ctrl+backspace") << int(Qt::Key_Backspace) << ctrl << "" << 127;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << 9;
    QTest::newRow("backtab") << int(Qt::Key_Backtab) << shift << "" << 9;
    QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    QTest::newRow("ctrl+v from a test driver") << int(Qt::Key_V) << ctrl << "v" << 22;
    QTest::newRow("ctrl+v from X11") << int(Qt::Key_V) << ctrl << "\x16" << 22;
    QTest::newRow("ctrl+x") << int(Qt::Key_X) << ctrl << "\x18" << 24;
    QTest::newRow("ctrl+shift+z") << int(Qt::Key_Z) << (ctrl | shift) << "Z" << 26;
    QTest::newRow("delete from X11") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("left") << int(Qt::Key_Left) << none << "" << -1;
    QTest::newRow("ctrl+left") << int(Qt::Key_Left) << ctrl << "" << -1;
    QTest::newRow("home") << int(Qt::Key_Home) << none << "" << -1;
    QTest::newRow("f2") << int(Qt::Key_F2) << none << "" << -1;
    QTest::newRow("ctrl+digit") << int(Qt::Key_1) << ctrl << "1" << -1;
    QTest::newRow("composed text") << int(Qt::Key_unknown) << none << "12" << 0;
}

void InputHandlingTest::keyCodes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, expected);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(ferrovolt::typedCharacterCode(event).value_or(-1), expected);
}

// ---- Key filter ---------------------------------------------------------------------------

void InputHandlingTest::lengthLimits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    struct Row {
        const char* name;
        const char* field;
        const char* typed;
        const char* expected;
    };
    const char* const digits19 = "1234567890123456789";
    const char* const digits20 = "12345678901234567890";
    // clang-format off
    const Row rows[] = {
        {"txtTemp takes 100, refuses 1000", "txtTemp", "1000", "100"},
        {"txtTemp takes 2.5", "txtTemp", "2.5", "2.5"},
        {"txtTemp refuses 12.5", "txtTemp", "12.5", "12."},
        {"txtCable takes 100, refuses 1000", "txtCable", "1000", "100"},
        {"txtAmps(1) takes 19 digits, not 20", "txtAmps(1)", digits20, digits19},
        {"txtAmps(2) takes 19 digits, not 20", "txtAmps(2)", digits20, digits19},
        {"txtCCTlngth(1) takes 19 digits, not 20", "txtCCTlngth(1)", digits20, digits19},
        {"txtCCTlngth(2) takes 19 digits, not 20", "txtCCTlngth(2)", digits20, digits19},
        {"sign, comma, blank, letters", "txtAmps(1)", "-1,2 a3E", "123"},
        {"second point", "txtCCTlngth(2)", "1.2.3", "1.2.3"},
        {"point first", "txtTemp", ".5", ".5"},
    };
    // clang-format on
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.field << row.typed << row.expected;
    }
}

void InputHandlingTest::lengthLimits() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(rig.tabOf(field));
    rig.focus(field);
    rig.retype("\b");
    QCOMPARE(rig.text(field), QString());
    rig.type(typed);
    QCOMPARE(rig.text(field), expected);
    QCOMPARE(rig.services.beeps(), 0);
}

void InputHandlingTest::typingOverSelection() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(2);
    rig.focus("txtTemp");
    rig.retype("100");
    rig.type("5");
    QCOMPARE(rig.text("txtTemp"), QString("100"));
    // Over the whole of a full field: one character remains.
    rig.retype("5");
    QCOMPARE(rig.text("txtTemp"), QString("5"));
    // Over part of it: judged on the text after the replacement.
    rig.retype("100");
    rig.key(Qt::Key_Left);
    rig.key(Qt::Key_Left, Qt::ShiftModifier);
    rig.type("7");
    QCOMPARE(rig.text("txtTemp"), QString("170"));
}

void InputHandlingTest::backspaceAndDeleteAlwaysWork() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(4);
    rig.focus("txtAmps(1)");
    rig.retype("250");
    rig.key(Qt::Key_Home);
    rig.key(Qt::Key_Delete);
    QCOMPARE(rig.text("txtAmps(1)"), QString("50"));
    rig.key(Qt::Key_End);
    rig.type("\b\b\b");
    QCOMPARE(rig.text("txtAmps(1)"), QString());
    QCOMPARE(rig.focusName(), QString("txtAmps(1)"));
}

void InputHandlingTest::clipboardShortcutsAreSwallowed() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(4);
    QApplication::clipboard()->setText("99");
    rig.focus("txtCCTlngth(1)");
    rig.retype("12");
    rig.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rig.text("txtCCTlngth(1)"), QString("12"));
    rig.key(Qt::Key_Home, Qt::ShiftModifier);
    rig.key(Qt::Key_X, Qt::ControlModifier);
    rig.key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(rig.text("txtCCTlngth(1)"), QString("12"));
    QCOMPARE(QApplication::clipboard()->text(), QString("99"));
    rig.type("3");
    rig.key(Qt::Key_Z, Qt::ControlModifier);
    rig.key(Qt::Key_Escape);
    QCOMPARE(rig.text("txtCCTlngth(1)"), QString("3"));
}

// ---- Checks before the focus leaves -------------------------------------------------------

void InputHandlingTest::nonNumberHoldsFocusSilently_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("fix");  // '\b' is a backspace

    // clang-format off
    const char* const rows[][4] = {
        {"empty current", "txtAmps(1)", "", "5"},
        {"empty design current", "txtAmps(2)", "", "5"},
        {"empty length", "txtCCTlngth(1)", "", "5"},
        {"two points", "txtCCTlngth(2)", "1.2.3", "\b\b"},
        {"point alone", "txtTemp", ".", "5"},
        {"empty cable", "txtCable", "", "12."},
    };
    // clang-format on
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << row[1] << row[2] << row[3];
    }
}

void InputHandlingTest::nonNumberHoldsFocusSilently() {
    QFETCH(QString, field);
    QFETCH(QString, bad);
    QFETCH(QString, fix);
    Rig rig;
    QVERIFY(rig.ready());
    const int tab = rig.tabOf(field);
    rig.showTab(tab);
    rig.focus(field);
    rig.retype("\b");
    rig.type(bad);

    rig.key(Qt::Key_Tab);
    QCOMPARE(rig.focusName(), field);
    rig.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(rig.focusName(), field);
    rig.click(calculateOf(tab));
    QCOMPARE(rig.focusName(), field);
    QCOMPARE(rig.clicksOf(calculateOf(tab)), 0);
    QCOMPARE(rig.services.beeps(), 0);

    rig.type(fix);
    rig.key(Qt::Key_Tab);
    QVERIFY(rig.focusName() != field);
    QCOMPARE(rig.services.beeps(), 0);
}

void InputHandlingTest::listChecks_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("pressed");  // the button its leave handler presses, or none

    // clang-format off
    const char* const rows[][5] = {
        {"standard in lower case", "cmbStandards", "awg (b&s)", "SWG", "cmdCalc(0)"},
        {"standard abridged", "cmbStandards", "AWG", "US Steel Wire", "cmdCalc(0)"},
        {"supply in lower case", "cmbVoltsPhase", "240 volts 1-phase", "120 Volts 1-phase", "cmdCalc4(1)"},
        {"supply with double blank", "cmbVoltsPhase", "480  Volts 3-phase", "480 Volts 3-phase", "cmdCalc4(1)"},
        {"resistivity material in lower case", "cmbMaterial(0)", "copper (annealed)", "Gold", ""},
        {"silver is not offered", "cmbMaterial(1)", "Silver", "Copper (Annealed)", "cmdCalc4(1)"},
        {"material with trailing blank", "cmbMaterial(2)", "Aluminium ", "Iron", "cmdCalc4(2)"},
        {"gauge with trailing blank", "cmbGauge", "18 AWG ", "10 AWG", "cmdCalc4(1)"},
        {"gauge in lower case", "cmbGauge", "18 awg", "500 Kcmil", "cmdCalc4(1)"},
        {"gauge past 46", "cmbGauge", "47 AWG", "4/0 AWG", "cmdCalc4(1)"},
    };
    // clang-format on
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << row[1] << row[2] << row[3] << row[4];
    }
}

void InputHandlingTest::listChecks() {
    QFETCH(QString, list);
    QFETCH(QString, bad);
    QFETCH(QString, good);
    QFETCH(QString, pressed);
    Rig rig;
    QVERIFY(rig.ready());
    const int tab = rig.tabOf(list);
    rig.showTab(tab);
    rig.focus(list);
    rig.retype(bad);
    QCOMPARE(rig.text(list), bad);

    rig.key(Qt::Key_Tab);
    QCOMPARE(rig.services.beeps(), 1);
    QCOMPARE(rig.focusName(), list);
    rig.click(calculateOf(tab));
    QCOMPARE(rig.services.beeps(), 2);
    QCOMPARE(rig.focusName(), list);
    QCOMPARE(rig.clicksOf(calculateOf(tab)), 0);

    rig.retype(good);
    QCOMPARE(rig.text(list), good);
    rig.key(Qt::Key_Tab);
    QCOMPARE(rig.services.beeps(), 2);
    QVERIFY(rig.focusName() != list);
    if (pressed.isEmpty()) {
        QCOMPARE(rig.clicks.size(), std::size_t{0});
    } else {
        QCOMPARE(rig.clicksOf(pressed), 1);
        QCOMPARE(rig.clicks.size(), std::size_t{1});
    }
}

void InputHandlingTest::gauge45PassesCheckAndIsRefusedByCalculation() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(4);
    rig.focus("cmbGauge");
    rig.retype("10 AWG");
    rig.click("txtAmps(1)");
    const QString drop = rig.text("lblDrop");
    QCOMPARE(rig.clicksOf("cmdCalc4(1)"), 1);
    QVERIFY(!drop.isEmpty());
    QCOMPARE(rig.focusName(), QString("txtAmps(1)"));

    rig.focus("cmbGauge");
    rig.retype("45 AWG");
    rig.click("txtAmps(1)");
    // The check let the focus go; the calculation that leaving started refused the gauge
    // and took the focus back with its one beep.
    QCOMPARE(rig.clicksOf("cmdCalc4(1)"), 1);
    QCOMPARE(rig.services.beeps(), 1);
    QCOMPARE(rig.focusName(), QString("cmbGauge"));
    QCOMPARE(rig.text("lblDrop"), drop);
}

void InputHandlingTest::refusedMoveClicksNothing() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(4);
    rig.focus("txtAmps(1)");
    rig.retype("\b");

    rig.click("cmdCalc4(1)");
    rig.click("optstd(3)");
    rig.click("SSTab_Tab(0)");
    QCOMPARE(rig.clicks.size(), std::size_t{0});
    QVERIFY(!rig.get<QAbstractButton>("optstd(3)")->isChecked());
    QCOMPARE(rig.currentTab(), 4);
    QCOMPARE(rig.focusName(), QString("txtAmps(1)"));
    QCOMPARE(rig.services.beeps(), 0);
    // A picture takes no focus, so its note shows and the field keeps the focus.
    rig.click("imgInfo(1)");
    QCOMPARE(rig.services.notes().size(), std::size_t{1});
    QCOMPARE(rig.focusName(), QString("txtAmps(1)"));

    // A list with a refused text beeps at each attempt, the tab header's among them.
    rig.focus("cmbGauge");
    rig.retype("18 AWG ");
    rig.click("SSTab_Tab(0)");
    rig.click("optstd(3)");
    QCOMPARE(rig.services.beeps(), 2);
    QCOMPARE(rig.clicks.size(), std::size_t{0});
    QCOMPARE(rig.currentTab(), 4);
    QVERIFY(!rig.get<QAbstractButton>("optstd(3)")->isChecked());
    QCOMPARE(rig.focusName(), QString("cmbGauge"));

    // Once the texts are right the same clicks act, each after the list was left.
    rig.focus("txtAmps(1)");
    rig.type("10");
    rig.focus("cmbGauge");
    rig.retype("18 AWG");
    rig.click("optstd(3)");
    QVERIFY(rig.get<QAbstractButton>("optstd(3)")->isChecked());
    QVERIFY(rig.clicksOf("cmdCalc4(1)") >= 1);
    QCOMPARE(rig.focusAtClick.front(), QString("optstd(3)"));
    rig.focus("cmbGauge");
    rig.click("SSTab_Tab(0)");
    QCOMPARE(rig.clicksOf("cmdCalc4(1)"), 1);
    QCOMPARE(rig.currentTab(), 0);
    QCOMPARE(rig.services.beeps(), 0);
}

void InputHandlingTest::pressFromAnotherWindowStillAsks() {
    Rig rig;
    QVERIFY(rig.ready());
    rig.showTab(4);
    rig.focus("cmbGauge");
    rig.retype("12 AWG");
    rig.focus("txtAmps(1)");
    rig.retype("\b");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));

    // The window keeps its focus child while inactive: a press on it is still a move.
    rig.click("cmdCalc4(1)");
    QCOMPARE(rig.clicks.size(), std::size_t{0});
    QCOMPARE(rig.window->focusWidget()->objectName(), QString("txtAmps(1)"));

    // Leaving a list for another program and coming back is no leave; moving on is one.
    rig.type("5");
    rig.focus("cmbGauge");
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(rig.window.get());
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QCOMPARE(rig.focusName(), QString("cmbGauge"));
    QCOMPARE(rig.clicks.size(), std::size_t{0});
    rig.click("txtAmps(1)");
    QCOMPARE(rig.clicksOf("cmdCalc4(1)"), 1);
    const auto expected = ferrovolt::CalcVoltageDrop(rig.window->tables(), "100", true, "5",
                                                     "Aluminium", "240 Volts 1-phase", "12 AWG");
    QCOMPARE(rig.text("lblDrop").toStdString(),
             std::get<ferrovolt::VoltageDropResult>(expected).lblDrop);
}

// ---- Recalculation ------------------------------------------------------------------------

void InputHandlingTest::calculateFromList_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("calculations");

    QTest::newRow("cmbStandards") << "cmbStandards" << 2;
    QTest::newRow("cmbAWG(0)") << "cmbAWG(0)" << 2;
    QTest::newRow("cmbAWG(2)") << "cmbAWG(2)" << 2;
    QTest::newRow("cmbMaterial(0) does not recalculate on leaving") << "cmbMaterial(0)" << 1;
    QTest::newRow("cmbGauge") << "cmbGauge" << 2;
    QTest::newRow("cmbVoltsPhase") << "cmbVoltsPhase" << 2;
    QTest::newRow("cmbMaterial(1)") << "cmbMaterial(1)" << 2;
    QTest::newRow("cmbMaterial(2)") << "cmbMaterial(2)" << 2;
}

void InputHandlingTest::calculateFromList() {
    QFETCH(QString, list);
    QFETCH(int, calculations);
    Rig rig;
    QVERIFY(rig.ready());
    const int tab = rig.tabOf(list);
    rig.showTab(tab);
    rig.focus(list);
    const QString button = calculateOf(tab);
    rig.click(button);
    QCOMPARE(rig.clicksOf(button), calculations);
    // The focus had moved to the button before the leave handler pressed it.
    QCOMPARE(rig.focusAtClick, std::vector<QString>(std::size_t(calculations), button));
}

void InputHandlingTest::optionClicks_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("pressed");  // none when the click selects nothing new

    // clang-format off
    const char* const rows[][3] = {
        {"Fahrenheit", "optTemp(1)", "cmdCalc(2)"},
        {"kelvin", "optTemp(2)", "cmdCalc(2)"},
        {"Celsius already selected", "optTemp(0)", ""},
        {"three phase", "optPhase(1)", "cmdCalc4(2)"},
        {"120 volts", "optVolts(0)", "cmdCalc4(2)"},
        {"208 volts", "optVolts(1)", "cmdCalc4(2)"},
        {"240 volts already selected", "optVolts(2)", ""},
        {"277 volts", "optVolts(3)", "cmdCalc4(2)"},
        {"415 volts", "optVolts(4)", "cmdCalc4(2)"},
        {"480 volts", "optVolts(5)", "cmdCalc4(2)"},
    };
    // clang-format on
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << row[1] << row[2];
    }
}

void InputHandlingTest::optionClicks() {
    QFETCH(QString, option);
    QFETCH(QString, pressed);
    Rig rig;
    QVERIFY(rig.ready());
    const int tab = rig.tabOf(option);
    rig.showTab(tab);
    rig.focus(calculateOf(tab));
    rig.click(option);
    QVERIFY(rig.get<QAbstractButton>(option)->isChecked());
    if (pressed.isEmpty()) {
        QCOMPARE(rig.clicks.size(), std::size_t{0});
    } else {
        QCOMPARE(rig.clicksOf(pressed), 1);
        QCOMPARE(rig.clicks.size(), std::size_t{1});
    }
}

QTEST_MAIN(InputHandlingTest)
#include "test_input_handling.moc"
