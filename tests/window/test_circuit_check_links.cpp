// SPDX-License-Identifier: GPL-3.0-or-later
// The way from the tabs to the Circuit Check window: each tab's "Circuit check…" opens the
// one window filled with the tab's inputs, beside the main window on its screen, and the
// Conductor Sizing tab warns, in a line that opens the window and reads on any palette,
// while the size it shows cannot carry the current; both follow the current in Tab order.

#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <QScreen>
#include <QTableWidget>

#include "calc/voltage_drop.h"
#include "circuit_window/circuit_window.h"
#include "fill_window/fill_window.h"
#include "project/project_file.h"
#include "project_window/project_window.h"
#include "project_window/project_window_host.h"
#include "window_harness.h"
#include "window_kit/text_tone.h"

using ferrovolt::CircuitWindow;
using ferrovolt::testing::WindowHarness;

namespace {

QList<CircuitWindow*> circuitWindows() {
    QList<CircuitWindow*> found;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<CircuitWindow*>(top); window && window->isVisible())
            found.append(window);
    return found;
}

QString shown(CircuitWindow* w, const char* name) {
    if (auto* edit = w->findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
    return w->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
}

}  // namespace

class TestCircuitCheckLinks : public QObject {
    Q_OBJECT
private slots:
    void opensFilledWithTheTab_data();
    void opensFilledWithTheTab();
    void warnsWhileTheSizeIsTooSmall();
    void warningReadableOnEveryPalette();
    void linksFollowTheCurrentInTabOrder_data();
    void linksFollowTheCurrentInTabOrder();
    void everySupplyIsACircuit();
    void conduitTabCarriesItsConduit_data();
    void conduitTabCarriesItsConduit();
    void projectOpensOneProjectWindow();
    void addToProjectOpensTheProjectWindow();
    void closingAsksAboutTheProjectsUnsavedWork_data();
    void closingAsksAboutTheProjectsUnsavedWork();
};

void TestCircuitCheckLinks::conduitTabCarriesItsConduit_data() {
    QTest::addColumn<QString>("measure");
    QTest::addColumn<QString>("conduit");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QString>("tradeSize");  // as the fill window's list shows it
    QTest::addColumn<QString>("diameter");   // the cable row's, in inches
    // 100 mm is the tab's 4 in; 25 mm = 25 / 25.4 in = 0.98425 in.
    QTest::newRow("millimetres") << "optMeasure(0)"
                                 << "100"
                                 << "25"
                                 << "4 (103)"
                                 << "0.9843";
    QTest::newRow("inches") << "optMeasure(1)"
                            << "1 1/4"
                            << "1"
                            << "1-1/4 (35)"
                            << "1";
}

// The Conduit Capacity tab's "Conduit fill…" opens the fill window with the tab's conduit as
// that trade size of EMT and one cable of the tab's diameter.
void TestCircuitCheckLinks::conduitTabCarriesItsConduit() {
    QFETCH(QString, measure);
    QFETCH(QString, conduit);
    QFETCH(QString, cable);
    QFETCH(QString, tradeSize);
    QFETCH(QString, diameter);
    WindowHarness h;
    h.start();
    h.showTab(1);
    h.option(measure)->setChecked(true);
    h.combo(QStringLiteral("cmbDia"))->setEditText(conduit);
    h.field(QStringLiteral("txtCable"))->setText(cable);
    h.click(h.button(QStringLiteral("cmdConduitFill")));
    ferrovolt::FillWindow* fill = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<ferrovolt::FillWindow*>(top); found && found->isVisible())
            fill = found;
    QVERIFY(fill != nullptr);
    QCOMPARE(fill->findChild<QComboBox*>(QStringLiteral("raceway"))->currentText(),
             QStringLiteral("EMT"));
    QCOMPARE(fill->findChild<QComboBox*>(QStringLiteral("tradeSize"))->currentText(), tradeSize);
    const auto* rows = fill->findChild<QTableWidget*>(QStringLiteral("rows"));
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->item(0, 1)->text(), diameter);
    QCOMPARE(rows->item(0, 2)->text(), QStringLiteral("cable"));
}

void TestCircuitCheckLinks::opensFilledWithTheTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("choice");        // the supply, or the voltage button and the phase
    QTest::addColumn<QStringList>("expected");  // length, unit, current, material, phase, volts
    QTest::addColumn<QString>("note");
    QTest::newRow("voltage drop, 4-wire supply")
        << 4 << "Aluminium"
        << "277/480 3-phase 4-wire"
        << QStringList{"25", "ft", "40", "Aluminium", "Three phase", "480"} << "";
    QTest::newRow("voltage drop, single phase")
        << 4 << "Copper (Annealed)"
        << "120 Volts 1-phase" << QStringList{"25", "ft", "40", "Copper", "Single phase", "120"}
        << "";
    QTest::newRow("conductor sizing, three phase")
        << 5 << "Copper (Hard Drawn)"
        << "optVolts(1)" << QStringList{"25", "ft", "40", "Copper", "Three phase", "208"} << "";
    QTest::newRow("conductor sizing, another material")
        << 5 << "Gold"
        << "optVolts(5)" << QStringList{"25", "ft", "40", "Copper", "Three phase", "480"}
        << "Gold is not in the code's tables, which cover copper and aluminium: the check uses "
           "copper.";
}

void TestCircuitCheckLinks::opensFilledWithTheTab() {
    QFETCH(int, tab);
    QFETCH(QString, material);
    QFETCH(QString, choice);
    QFETCH(QStringList, expected);
    QFETCH(QString, note);
    WindowHarness h;
    h.start();
    h.showTab(tab);
    const QString index = tab == 4 ? QStringLiteral("(1)") : QStringLiteral("(2)");
    h.field(QStringLiteral("txtCCTlngth") + index)->setText(QStringLiteral("25"));
    h.option(tab == 4 ? QStringLiteral("optstd(3)") : QStringLiteral("optstd(4)"))
        ->setChecked(true);
    h.field(QStringLiteral("txtAmps") + index)->setText(QStringLiteral("40"));
    h.combo(QStringLiteral("cmbMaterial") + index)->setEditText(material);
    if (tab == 4) {
        h.combo(QStringLiteral("cmbVoltsPhase"))->setEditText(choice);
    } else {
        h.option(choice)->setChecked(true);
        h.option(QStringLiteral("optPhase(1)"))->setChecked(true);
    }
    QPushButton* open = h.button(QStringLiteral("cmdCircuitCheck") + index);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);  // its mnemonic
    QTRY_COMPARE(circuitWindows().size(), 1);  // a mnemonic presses the button for a moment
    h.click(open);                             // again: the same window comes forward
    const QList<CircuitWindow*> windows = circuitWindows();
    QCOMPARE(windows.size(), 1);
    CircuitWindow* w = windows.front();
    const char* const names[] = {"length", "feet", "current", "material", "phase", "volts"};
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(shown(w, names[i]), expected[i]);
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblNote"))->text(), note);
    QVERIFY(std::holds_alternative<ferrovolt::CircuitAnswer>(w->result()));
    QVERIFY(h.window->isVisible());
    // On the main window's screen, within its work area.
    QCOMPARE(w->screen(), h.window->screen());
    QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
}

void TestCircuitCheckLinks::warnsWhileTheSizeIsTooSmall() {
    struct Step {
        const char* current;
        const char* length;
        const char* material;
        const char* warning;  // its accessible text, or none
    };
    const Step steps[] = {
        // The window's terminals follow 110.14(C)(1): 60 °C for a 100 A device.
        {"100", "1", "Copper (Annealed)",
         "Too small for 100 A: at least 1 AWG by ampacity — Circuit check…"},
        {"10", "100", "Copper (Annealed)", nullptr},  // # 9 carries 10 A
        {"100", "1", "Aluminium",
         "Too small for 100 A: at least 1/0 AWG by ampacity — Circuit check…"},
        {"100", "1", "Iron", nullptr},  // the code's tables cover no iron
        {"60", "5", "Copper (Annealed)",
         "Too small for 60 A: at least 4 AWG by ampacity — Circuit check…"},
    };
    WindowHarness h;
    h.start();
    h.showTab(5);
    QPushButton* warning = h.button(QStringLiteral("cmdCircuitWarning"));
    QVERIFY(!warning->isVisible());
    for (const Step& step : steps) {
        h.field(QStringLiteral("txtAmps(2)"))->setText(QString::fromLatin1(step.current));
        h.field(QStringLiteral("txtCCTlngth(2)"))->setText(QString::fromLatin1(step.length));
        h.combo(QStringLiteral("cmbMaterial(2)"))->setEditText(QString::fromLatin1(step.material));
        h.click(h.button(QStringLiteral("cmdCalc4(2)")));
        QCOMPARE(warning->isVisible(), step.warning != nullptr);
        if (!step.warning) continue;
        QCOMPARE(warning->accessibleName(), QString::fromUtf8(step.warning));
        // The window it opens shows the size the warning names as its minimum by ampacity.
        warning->setFocus(Qt::TabFocusReason);
        QTest::keyClick(warning, Qt::Key_Return);
        QCOMPARE(circuitWindows().size(), 1);
        const QString size =
            circuitWindows().front()->findChild<QLabel*>(QStringLiteral("by_ampacity"))->text();
        QVERIFY2(warning->accessibleName().contains(QStringLiteral("at least ") + size + ' '),
                 qPrintable(size));
        circuitWindows().front()->close();
    }
    QCOMPARE(h.label(QStringLiteral("lblMinAWG"))->text(), QStringLiteral("# 16"));
    QCOMPARE(h.services.beeps(), 0);

    // The line opens the window for the tab's circuit, from the keyboard and the mouse.
    QVERIFY(circuitWindows().isEmpty());
    warning->setFocus(Qt::TabFocusReason);
    QTest::keyClick(warning, Qt::Key_Return);
    QCOMPARE(circuitWindows().size(), 1);
    QCOMPARE(shown(circuitWindows().front(), "current"), QStringLiteral("60"));
    circuitWindows().front()->close();
    ferrovolt::test::realClick(warning, Qt::LeftButton, {},
                               QPoint(4, warning->fontMetrics().height() / 2));
    QCOMPARE(circuitWindows().size(), 1);
}

namespace {

// The Conductor Sizing tab with its warning shown.
QPushButton* shownWarning(WindowHarness& h) {
    h.showTab(5);
    h.field(QStringLiteral("txtAmps(2)"))->setText(QStringLiteral("100"));
    h.field(QStringLiteral("txtCCTlngth(2)"))->setText(QStringLiteral("1"));
    h.click(h.button(QStringLiteral("cmdCalc4(2)")));
    return h.button(QStringLiteral("cmdCircuitWarning"));
}

}  // namespace

// The warning's text against the page behind it, on a dark palette the window opens with and
// on the light one chosen while it is open.
void TestCircuitCheckLinks::warningReadableOnEveryPalette() {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    WindowHarness h;
    h.start();
    QPushButton* warning = shownWarning(h);
    QVERIFY(warning->isVisible());
    auto* text = warning->findChild<QLabel*>();
    for (const QPalette& palette : {dark, light}) {
        QApplication::setPalette(palette);
        const double ratio = ferrovolt::contrastRatio(text->palette().color(QPalette::WindowText),
                                                      ferrovolt::backgroundBehind(*text));
        QVERIFY2(ratio >= ferrovolt::kTextContrast, qPrintable(QString::number(ratio)));
    }
}

void TestCircuitCheckLinks::linksFollowTheCurrentInTabOrder_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");  // from the current on, by Tab
    QTest::newRow("voltage drop") << 4
                                  << QStringList{"txtAmps(1)", "cmdCircuitCheck(1)", "cmdProject",
                                                 "txtCCTlngth(1)"};
    QTest::newRow("conductor sizing")
        << 5 << QStringList{"txtAmps(2)", "cmdCircuitCheck(2)", "cmdCircuitWarning", "Shape1(5)"};
}

// "Circuit check…" and the warning stand under the current and above the results: the
// keyboard reaches them from the current, before the results, and goes back the same way.
void TestCircuitCheckLinks::linksFollowTheCurrentInTabOrder() {
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    WindowHarness h;
    h.start();
    if (tab == 5) shownWarning(h);
    h.showTab(tab);
    h.focus(order.front());
    QStringList forward{h.focusName()};
    while (forward.size() < order.size()) {
        h.key(Qt::Key_Tab);
        forward << h.focusName();
    }
    QCOMPARE(forward, order);
    QStringList back{h.focusName()};
    while (back.size() < order.size()) {
        h.key(Qt::Key_Backtab);
        back.prepend(h.focusName());
    }
    QCOMPARE(back, order);
}

// The Voltage Drop tab's list and the circuits it hands over name the same supplies.
void TestCircuitCheckLinks::everySupplyIsACircuit() {
    QCOMPARE(ferrovolt::kSupplyCircuits.size(), ferrovolt::SupplyTable.size());
    for (const ferrovolt::Supply& supply : ferrovolt::SupplyTable)
        QVERIFY2(ferrovolt::supplyCircuit(supply.text) != nullptr, supply.text.data());
}

// "Project…" on the Voltage Drop tab opens the Project window with a new project; pressed
// again, it brings the same window forward.
void TestCircuitCheckLinks::projectOpensOneProjectWindow() {
    WindowHarness h;
    h.start();
    h.showTab(4);
    const auto projectWindows = [] {
        int shown = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<ferrovolt::ProjectWindow*>(top);
                window && window->isVisible())
                ++shown;
        return shown;
    };
    QCOMPARE(projectWindows(), 0);
    h.click(QStringLiteral("cmdProject"));
    QTRY_COMPARE(projectWindows(), 1);
    h.click(QStringLiteral("cmdProject"));
    QCOMPARE(projectWindows(), 1);
}

// The Voltage Drop tab's circuit, checked in the Circuit Check window, goes by "Add to
// project…" onto the board picked of a Project window that opens for it, with the tab's
// current.
void TestCircuitCheckLinks::addToProjectOpensTheProjectWindow() {
    WindowHarness h;
    h.start();
    h.showTab(4);
    h.field(QStringLiteral("txtAmps(1)"))->setText(QStringLiteral("40"));
    h.click(h.button(QStringLiteral("cmdCircuitCheck(1)")));
    QTRY_COMPARE(circuitWindows().size(), 1);
    CircuitWindow* check = circuitWindows().front();
    QCOMPARE(check->code().key(), std::string_view("nec2023"));
    ferrovolt::ProjectWindowHost* host = h.window->findChild<ferrovolt::ProjectWindowHost*>();
    QVERIFY(host->window() == nullptr);
    QTimer::singleShot(0, check, [] {
        if (auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
            ask->accept();  // the new project's one board, MDP
    });
    h.click(check->findChild<QPushButton*>(QStringLiteral("cmdAddToProject")));
    ferrovolt::ProjectWindow* project = host->window();
    QVERIFY(project != nullptr && project->isVisible());
    const ferrovolt::project::Project& added = project->document().tree().project();
    QCOMPARE(added.circuits.size(), std::size_t{1});
    QCOMPARE(added.circuits[0].board, std::string("MDP"));
    std::string current;
    for (const auto& [key, value] : added.circuits[0].cable)
        if (key == "current") current = ferrovolt::project::cableFieldText(value);
    QCOMPARE(current, std::string("40"));
    QCOMPARE(project->statusText(), QStringLiteral("Added circuit C1 to MDP."));
    // Nothing left behind for the next start to offer back.
    project->document().undoStack().setClean();
    project->close();
}

void TestCircuitCheckLinks::closingAsksAboutTheProjectsUnsavedWork_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer");  // the button pressed in the question, if one is asked
    QTest::addColumn<bool>("closes");
    QTest::newRow("unsaved, Cancel keeps both open") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("unsaved, Discard lets both go") << true << int(QMessageBox::Discard) << true;
    QTest::newRow("nothing unsaved, nothing asked") << false << int(QMessageBox::Cancel) << true;
}

// Closing the main window while the Project window has unsaved changes asks as closing the
// Project window does: Save, Discard or Cancel.
void TestCircuitCheckLinks::closingAsksAboutTheProjectsUnsavedWork() {
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    WindowHarness h;
    h.start();
    h.showTab(4);
    h.click(QStringLiteral("cmdProject"));
    ferrovolt::ProjectWindow* project = nullptr;
    QTRY_VERIFY((project = h.window->findChild<ferrovolt::ProjectWindowHost*>()->window()));
    QTRY_VERIFY(project->isVisible());
    if (edited) QVERIFY(project->addBoard());
    int asked = 0;
    QTimer::singleShot(0, project, [&asked, answer] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++asked;
            question->button(static_cast<QMessageBox::StandardButton>(answer))->click();
        }
    });
    QCOMPARE(h.window->close(), closes);
    QCOMPARE(asked, edited ? 1 : 0);
    QCOMPARE(h.window->isVisible(), !closes);
    QCOMPARE(project->isVisible(), !closes);
    QCOMPARE(project->document().modified(), edited);
    // Nothing left behind for the next start to offer back.
    project->document().undoStack().setClean();
    project->close();
    QVERIFY(!QFile::exists(project->recoveryFile().path()));
}

QTEST_MAIN(TestCircuitCheckLinks)
#include "test_circuit_check_links.moc"
