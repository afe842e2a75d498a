// SPDX-License-Identifier: GPL-3.0-or-later
// "Copy results" in the context menu of each tab's results block, driven with the mouse as a
// user does: the copied text against the tab's labels, where the menu opens and where not,
// and that it leaves the focus and the checks of the fields alone.

#include <QClipboard>
#include <QMenu>

#include "window/twips.h"
#include "window_harness.h"

using ferrovolt::twips;
using ferrovolt::testing::WindowHarness;

namespace {

const QString kUntouched = QStringLiteral("clipboard untouched");

// Right-clicks `widget` at `position`; answers the menu that opened, or none.
QMenu* rightClick(QWidget* widget, QPoint position) {
    ferrovolt::test::realClick(widget, Qt::RightButton, {}, position);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QMenu* rightClick(QWidget* widget) {
    return rightClick(widget, widget->rect().center());
}

// Chooses the menu's first entry with the mouse.
void choose(QMenu* menu) {
    QAction* entry = menu->actions().value(0);
    QVERIFY(entry != nullptr);
    ferrovolt::test::realClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

// Steps on the shown tab: "name=text" sets a list's or a field's text, "name" clicks it.
void apply(const WindowHarness& h, const QStringList& steps) {
    for (const QString& step : steps) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (equals < 0) {
            h.click(h.get<QWidget>(step));
        } else if (auto* combo = h.window->findChild<QComboBox*>(step.left(equals))) {
            combo->setEditText(step.mid(equals + 1));
        } else {
            h.field(step.left(equals))->setText(step.mid(equals + 1));
        }
    }
}

QWidget* page(const WindowHarness& h, int tab) {
    return h.get<QWidget>(QStringLiteral("Shape1(%1)").arg(tab))->parentWidget();
}

}  // namespace

class TestResultsCopy : public QObject {
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->setText(kUntouched); }

    // After a worked example every tab copies its inputs and its result lines as they stand.
    // The row names where the right-click lands: every kind of label in a block opens the menu.
    void copiedText_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("clickOn");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Area / Weight 18 AWG, on a result")
            << 0 << QStringList{"cmdCalc(0)"} << "Dia_mm"
            << "Wire Standard: AWG (B&S)\nGauge: 18\n"
               "Diameter: 1.023696 Millimeters\nDiameter: 0.040303 Inches\n"
               "Area: 0.823061 Sq Millimeters\nArea: 0.0012757 Sq Inches\n"
               "Area: 1620.1989434 Circular Mils\nPounds: 4.9141782126 1000 feet\n"
               "Kilos: 0.7313177869 100 metres";
        QTest::newRow("Conduit Capacity as shown, on a unit set by the calculation")
            << 1 << QStringList{} << "lblStandard(1)"
            << "Conduit Diameter: 100\nSize unit: Millimeters\nCable Diameter: 25\n"
               "Fill: 40% fill as per US National Electric Code.\n"
               "Conduit Area: 7853.9816339 Sq mm\nPermissible Area: 3141.5926535 Sq mm\n"
               "Cable Area: 490.87385212 Sq mm\nCable Quantity: 6";
        QTest::newRow("Resistivity 68 Fahrenheit, on a unit caption")
            << 2 << QStringList{"txtTemp=68", "optTemp(1)"} << "lblUnit_Ohms_f"
            << QString::fromUtf8(
                   "AWG: 18\nMaterial: Copper (Annealed)\n\u00b0Temp: 68\n"
                   "Temperature unit: \u00b0F\n"
                   "Weight: 0.0073132 Kilos/Metre\nWeight: 7.313178 Kilos/Kmtr\n"
                   "Weight: 4.9141783 Lbs/1000 feet\nDC Resistance: 0.0209474 Ohms/Metre\n"
                   "DC Resistance: 20.9474 Ohms/Kmtr\nDC Resistance: 33.71016 Ohms/Mile\n"
                   "DC Resistance: 6.3845 Ohms/1000 Ft\nDC Resistance: 0.0063845 Ohms/Foot");
        QTest::newRow("Compare Gauges 18 in circular mils, on a standard's name")
            << 3 << QStringList{"optGauge(2)"} << "lblStandardName(2)"
            << "Gauge: 18\nArea unit: Circular Mils\n"
               "AWG (B&S): 1620.199\nBWG (Stubs Iron Wire): 2394.891\n"
               "US Standard (old): 2493.639\nSWG: 2298.138\nUS Steel Wire: 2250.509";
        QTest::newRow("Voltage Drop 500 kcmil in feet, on a row caption")
            << 4
            << QStringList{"cmbMaterial(1)=Copper (Annealed)", "txtAmps(1)=200",
                           "cmbVoltsPhase=480 Volts 3-phase", "cmbGauge=500 Kcmil", "optstd(3)"}
            << "lblCaption_lblPCdrop"
            << "Wire Gauge: 500 Kcmil\nMaterial: Copper (Annealed)\n"
               "Select Voltage and Phase: 480 Volts 3-phase\nEnter Load in AMPS: 200\n"
               "Enter 1 way circuit length: 100\nLength unit: Ft\n"
               "Voltage Drop across Cable: 0.7\nVoltage available to the load: 479.3\n"
               "Percent Voltage Drop: 0.1\nCircular Mils area of conductor: 500000";
        QTest::newRow("Conductor Sizing as calculated, on a result")
            << 5 << QStringList{"cmdCalc4(2)"} << "lblMinAWG"
            << "Material: Aluminium\nEnter 1 way circuit length: 100\nLength unit: Mtr\n"
               "Voltage: 240 Volts\nPhase: Single Phase\nEnter Load in AMPS: 10\n"
               "Circular Mils required: 11611.46\nMinimum cable size AWG: # 9\n"
               "Minimum cable size Metric: 6.63413\nNominal cable size Metric: 10.0";
    }

    void copiedText() {
        QFETCH(int, tab);
        QFETCH(QStringList, steps);
        QFETCH(QString, clickOn);
        QFETCH(QString, expected);
        WindowHarness h;
        h.start();
        if (tab != 0) h.showTab(tab);
        apply(h, steps);

        QMenu* menu = rightClick(h.get<QWidget>(clickOn));
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Copy results"));
        choose(menu);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(h.services.beeps(), 0);
    }

    // The menu belongs to the block: its outline, empty spots inside included, and nothing else.
    void menuPlaces_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");  // none: the page, at `place`
        QTest::addColumn<QPoint>("place");     // in twips on the page
        QTest::addColumn<bool>("opens");
        QTest::newRow("inside the outline, off every label")
            << 0 << "" << QPoint(1800, 2220) << true;
        QTest::newRow("beside the outline") << 0 << "" << QPoint(3400, 2220) << false;
        QTest::newRow("between the rows of Compare boxes") << 3 << "" << QPoint(300, 3900) << true;
        QTest::newRow("a field's heading") << 0 << "lblHeading_cmbAWG(0)" << QPoint() << false;
        QTest::newRow("the Compare gauge") << 3 << "lblGauge" << QPoint() << false;
    }

    void menuPlaces() {
        QFETCH(int, tab);
        QFETCH(QString, control);
        QFETCH(QPoint, place);
        QFETCH(bool, opens);
        WindowHarness h;
        h.start();
        if (tab != 0) h.showTab(tab);
        QMenu* menu = control.isEmpty()
                          ? rightClick(page(h, tab), QPoint(twips(place.x()), twips(place.y())))
                          : rightClick(h.get<QWidget>(control));
        QCOMPARE(menu != nullptr, opens);
        if (menu != nullptr) {
            QCOMPARE(menu->actions().size(), 1);
            menu->close();
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), kUntouched);
    }

    // Before the first calculation the inputs are copied with every result line empty.
    void beforeAnyCalculation() {
        WindowHarness h;
        h.start();
        QMenu* menu = rightClick(h.label("Area_mils"));
        QVERIFY(menu != nullptr);
        choose(menu);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Wire Standard: AWG (B&S)\nGauge: 18\nDiameter:\nDiameter:\n"
                                "Area:\nArea:\nArea:\nPounds:\nKilos:"));
    }

    // A field holding a text its check refuses keeps the focus through the menu, without a
    // beep and without the list's recalculation on leaving; the check still guards it after.
    void refusedFieldKeepsFocus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("copiedLine");
        QTest::addColumn<int>("beepsOnTab");
        QTest::newRow("list with a size it does not offer") << "cmbGauge"
                                                            << "99 AWG"
                                                            << "Wire Gauge: 99 AWG" << 1;
        QTest::newRow("empty current") << "txtAmps(1)"
                                       << ""
                                       << "Enter Load in AMPS:" << 0;
    }

    void refusedFieldKeepsFocus() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, copiedLine);
        QFETCH(int, beepsOnTab);
        WindowHarness h;
        h.start();
        h.showTab(4);
        QWidget* field = h.get<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(field)) {
            WindowHarness::typeInto(combo, text);
        } else {
            field->setFocus();
            h.field(name)->clear();
            QTest::keyClicks(field, text);
        }
        QVERIFY(field->hasFocus());

        QMenu* menu = rightClick(h.label("lblDrop"));
        QVERIFY(menu != nullptr);
        QCOMPARE(h.services.beeps(), 0);
        choose(menu);
        QVERIFY(field->hasFocus());
        QCOMPARE(h.services.beeps(), 0);
        QCOMPARE(h.label("lblDrop")->text(), QString());
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(copiedLine), qPrintable(lines.join(QLatin1Char('|'))));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(field->hasFocus());
        QCOMPARE(h.services.beeps(), beepsOnTab);
    }
};

QTEST_MAIN(TestResultsCopy)
#include "test_results_copy.moc"
