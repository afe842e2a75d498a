// SPDX-License-Identifier: GPL-3.0-or-later
// Each calculator driven through its tab's controls: worked examples, refusals, and the
// option buttons that recalculate at once.

#include <QScrollBar>

#include "window_harness.h"

using ferrovolt::testing::WindowHarness;

namespace {

QStringList textsOf(const WindowHarness& h, const QStringList& labels) {
    QStringList texts;
    for (const QString& name : labels) texts.append(h.label(name)->text());
    return texts;
}

const QStringList kAreaWeightLabels{"Dia_mm",    "Dia_inch", "Area_mm", "Area_inches",
                                    "Area_mils", "Pounds",   "Kilos"};
const QStringList kResistanceLabels{"Kilo_mtr", "Kilo_Km", "Pounds_f", "Ohms_mtr",
                                    "Ohms_km",  "Ohms_Kf", "Ohms_f",   "Ohms_mile"};
const QStringList kConduitLabels{"CondArea", "UseableArea", "CableArea", "CableQty"};
const QStringList kDropLabels{"lblCMA", "lblDrop", "lblPCdrop", "lblVoltsOut"};
const QStringList kSizingLabels{"lblCmils", "lblMinAWG", "lblMinMetric", "lblNomMetric"};

}  // namespace

class TestWindowCalculators : public QObject {
    Q_OBJECT

private slots:
    void areaWeight_data() {
        QTest::addColumn<QString>("gauge");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("18 AWG, the start-up state")
            << "18"
            << "AWG (B&S)"
            << QStringList{"1.023696",     "0.040303",     "0.823061",    "0.0012757",
                           "1620.1989434", "4.9141782126", "0.7313177869"};
        QTest::newRow("6/0 AWG") << "6/0"
                                 << "AWG (B&S)"
                                 << QStringList{"14.732",      "0.58",         "170.4564",
                                                "0.2642079",   "335544.07030", "1017.7289439",
                                                "151.45630597"};
        QTest::newRow("6/0 lacks in BWG")
            << "6/0"
            << "BWG (Stubs Iron Wire)" << QStringList(7, QStringLiteral("N/A"));
    }

    void areaWeight() {
        QFETCH(QString, gauge);
        QFETCH(QString, standard);
        QFETCH(QStringList, expected);
        WindowHarness h;
        h.start();
        h.combo("cmbAWG(0)")->setEditText(gauge);
        h.combo("cmbStandards")->setEditText(standard);
        h.click(h.button("cmdCalc(0)"));
        QCOMPARE(textsOf(h, kAreaWeightLabels), expected);
        QCOMPARE(h.services.beeps(), 0);
    }

    void resistance_data() {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("unit");
        QTest::newRow("20 Celsius") << "20"
                                    << "optTemp(0)";
        QTest::newRow("68 Fahrenheit is exactly 20 Celsius") << "68"
                                                             << "optTemp(1)";
    }

    void resistance() {
        QFETCH(QString, temperature);
        QFETCH(QString, unit);
        WindowHarness h;
        h.start();
        h.showTab(2);
        h.field("txtTemp")->setText(temperature);
        // A unit button recalculates at once.
        h.click(h.option(unit));
        h.click(h.button("cmdCalc(2)"));
        QCOMPARE(textsOf(h, kResistanceLabels),
                 (QStringList{"0.0073132", "7.313178", "4.9141783", "0.0209474", "20.9474",
                              "6.3845", "0.0063845", "33.71016"}));
    }

    // Showing the tab calculates with the defaults of the measure; the measure and fill
    // buttons recalculate at once.
    void conduitCapacity() {
        WindowHarness h;
        h.start();
        h.showTab(1);
        QCOMPARE(textsOf(h, kConduitLabels),
                 (QStringList{"7853.9816339", "3141.5926535", "490.87385212", "6"}));
        QCOMPARE(h.label("lblStandard(0)")->text(), QStringLiteral("Sq mm"));

        h.click(h.option("optCapacity(1)"));
        QCOMPARE(textsOf(h, kConduitLabels),
                 (QStringList{"7853.9816339", "4712.3889803", "490.87385212", "9"}));

        h.click(h.option("optCapacity(0)"));
        h.click(h.option("optMeasure(1)"));
        QCOMPARE(h.combo("cmbDia")->currentText(), QStringLiteral("4"));
        QCOMPARE(h.field("txtCable")->text(), QStringLiteral("1"));
        QCOMPARE(h.combo("cmbDia")->itemText(0), QStringLiteral("1/2"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(h.label(QStringLiteral("lblStandard(%1)").arg(i))->text(),
                     QStringLiteral("Sq Inches"));
        QCOMPARE(textsOf(h, kConduitLabels),
                 (QStringList{"12.566370614", "5.0265482456", "0.7853981633", "6"}));
        QCOMPARE(h.services.beeps(), 0);
    }

    void voltageDrop() {
        WindowHarness h;
        h.start();
        h.showTab(4);
        h.combo("cmbMaterial(1)")->setEditText("Copper (Annealed)");
        h.field("txtCCTlngth(1)")->setText("100");
        h.field("txtAmps(1)")->setText("200");
        h.combo("cmbVoltsPhase")->setEditText("480 Volts 3-phase");
        h.combo("cmbGauge")->setEditText("500 Kcmil");
        h.click(h.button("cmdCalc4(1)"));
        QCOMPARE(textsOf(h, kDropLabels), (QStringList{"500000", "2.4", "0.5", "477.6"}));

        // "Ft" recalculates at once with the length taken in feet.
        h.click(h.option("optstd(3)"));
        QCOMPARE(textsOf(h, kDropLabels), (QStringList{"500000", "0.7", "0.1", "479.3"}));
        QCOMPARE(h.services.beeps(), 0);
    }

    // Past a working circuit: the drop keeps its magnitude in exponent form, and no voltage
    // is shown at the load once the drop takes the whole supply.
    void voltageDropBeyondTheSupply_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("gauge");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("drop larger than the supply")
            << "40"
            << "18 AWG" << QStringList{"1620.199", "275.2", "114.7", "Out of range."};
        QTest::newRow("drop past seven digits")
            << "9999999999999999999"
            << "10 AWG" << QStringList{"10356.58", "1.1E+19", "4.6E+18", "Out of range."};
    }

    void voltageDropBeyondTheSupply() {
        QFETCH(QString, current);
        QFETCH(QString, gauge);
        QFETCH(QStringList, expected);
        WindowHarness h;
        h.start();
        h.showTab(4);
        h.field("txtAmps(1)")->setText(current);
        h.combo("cmbGauge")->setEditText(gauge);
        h.click(h.button("cmdCalc4(1)"));
        QCOMPARE(textsOf(h, kDropLabels), expected);
        QCOMPARE(h.services.beeps(), 0);
    }

    void conductorSizing() {
        WindowHarness h;
        h.start();
        h.showTab(5);
        h.click(h.button("cmdCalc4(2)"));
        QCOMPARE(textsOf(h, kSizingLabels), (QStringList{"11611.46", "# 9", "6.63413", "10.0"}));
        QCOMPARE(h.services.beeps(), 0);
    }

    void refusals_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("badText");
        QTest::addColumn<QStringList>("labels");

        QTest::newRow("gauge with a trailing blank") << 0 << "cmdCalc(0)"
                                                     << "cmbAWG(0)"
                                                     << "18 " << kAreaWeightLabels;
        QTest::newRow("standard not one of the five") << 0 << "cmdCalc(0)"
                                                      << "cmbStandards"
                                                      << "AWG" << kAreaWeightLabels;
        QTest::newRow("empty AWG gauge") << 2 << "cmdCalc(2)"
                                         << "cmbAWG(2)"
                                         << "" << kResistanceLabels;
        QTest::newRow("unknown material") << 2 << "cmdCalc(2)"
                                          << "cmbMaterial(0)"
                                          << "Copper" << kResistanceLabels;
        QTest::newRow("temperature where copper keeps no resistance")
            << 2 << "cmdCalc(2)"
            << "txtTemp"
            << "-250" << kResistanceLabels;
        QTest::newRow("conduit size of no measure") << 1 << "cmdCalc2"
                                                    << "cmbDia"
                                                    << "17" << kConduitLabels;
        QTest::newRow("empty length") << 4 << "cmdCalc4(1)"
                                      << "txtCCTlngth(1)"
                                      << "" << kDropLabels;
        QTest::newRow("empty current") << 4 << "cmdCalc4(1)"
                                       << "txtAmps(1)"
                                       << "" << kDropLabels;
        QTest::newRow("unknown supply") << 4 << "cmdCalc4(1)"
                                        << "cmbVoltsPhase"
                                        << "240 Volts" << kDropLabels;
        QTest::newRow("gauge in lower case") << 4 << "cmdCalc4(1)"
                                             << "cmbGauge"
                                             << "18 awg" << kDropLabels;
        QTest::newRow("empty sizing length") << 5 << "cmdCalc4(2)"
                                             << "txtCCTlngth(2)"
                                             << "" << kSizingLabels;
        QTest::newRow("sizing material not offered") << 5 << "cmdCalc4(2)"
                                                     << "cmbMaterial(2)"
                                                     << "copper" << kSizingLabels;
    }

    // A refusal beeps once, puts the focus on the field at fault and leaves every result.
    void refusals() {
        QFETCH(int, tab);
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, badText);
        QFETCH(QStringList, labels);

        WindowHarness h;
        h.start();
        h.showTab(tab);
        h.button(button)->click();
        const QStringList before = textsOf(h, labels);
        QVERIFY(!before.first().isEmpty());
        QCOMPARE(h.services.beeps(), 0);

        QWidget* faulty = h.get<QWidget>(field);
        if (auto* combo = qobject_cast<QComboBox*>(faulty))
            combo->setEditText(badText);
        else
            qobject_cast<QLineEdit*>(faulty)->setText(badText);
        h.button(button)->setFocus();
        h.button(button)->click();

        QCOMPARE(h.services.beeps(), 1);
        QCOMPARE(QApplication::focusWidget(), faulty);
        QCOMPARE(textsOf(h, labels), before);
    }

    // Leaving a tab from a list whose text is refused still beeps, but the focus stays on
    // the tab now shown.
    void refusalOfTheTabLeftKeepsTheFocusOnTheTabShown() {
        WindowHarness h;
        h.start();
        QComboBox* gauge = h.combo("cmbAWG(0)");
        h.click(gauge);
        WindowHarness::typeInto(gauge, "99");
        const QStringList before = textsOf(h, kAreaWeightLabels);
        h.showTab(5);
        QCOMPARE(h.tabs()->currentTab(), 5);
        QVERIFY(h.services.beeps() >= 1);
        QVERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(QApplication::focusWidget()->isVisible());
        QCOMPARE(textsOf(h, kAreaWeightLabels), before);
    }

    // Until the first redraw the tab shows "18" and empty boxes; the first step of the bar
    // draws in square millimetres.
    void compareGaugesFirstVisit() {
        WindowHarness h;
        h.start();
        h.showTab(3);
        auto* bar = h.get<QScrollBar>("VScroll1");
        QCOMPARE(bar->value(), 24);
        QCOMPARE(h.label("lblGauge")->text(), QStringLiteral("18"));
        for (int s = 0; s < 5; ++s)
            QVERIFY(h.label(QStringLiteral("lblGaugeArray(%1)").arg(s))->text().isEmpty());

        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(h.label("lblGauge")->text(), QStringLiteral("19"));
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(h.label("lblGauge")->text(), QStringLiteral("18"));
        const QStringList boxes{"lblGaugeArray(0)", "lblGaugeArray(1)", "lblGaugeArray(2)",
                                "lblGaugeArray(3)", "lblGaugeArray(4)"};
        QCOMPARE(textsOf(h, boxes),
                 (QStringList{"0.823061 ", "1.216605 ", "1.167454 ", "1.266769 ", "1.143259 "}));

        h.click(h.option("optGauge(2)"));
        QCOMPARE(textsOf(h, boxes),
                 (QStringList{"1620.199 ", "2394.891 ", "2298.138 ", "2493.639 ", "2250.509 "}));

        // Coming back to the tab puts the bar back on "18", in the unit last chosen.
        bar->setValue(46);
        QCOMPARE(textsOf(h, boxes),
                 (QStringList{"9.859586 ", "N/A ", "22.98138 ", "N/A ", "48.87533 "}));
        h.showTab(0);
        h.showTab(3);
        QCOMPARE(h.label("lblGauge")->text(), QStringLiteral("18"));
        QCOMPARE(h.label("lblGaugeArray(0)")->text(), QStringLiteral("1620.199 "));
    }
};

QTEST_MAIN(TestWindowCalculators)
#include "test_window_calculators.moc"
