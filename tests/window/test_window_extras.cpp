// SPDX-License-Identifier: GPL-3.0-or-later
// The information notes, the about window behind the logos and the link labels.

#include <QTimer>

#include "splash/web_site.h"
#include "window_harness.h"

using ferrovolt::testing::WindowHarness;

namespace {

const QString kDisclaimer = QStringLiteral(
    "All information and formulae contained in this program is presented in good faith.\r"
    "'Quorel' will not be held responsible for damage occurring through the use of this program.\r"
    "Any critical calculations should be checked against relevant local standards.");

const QString kSizing = QStringLiteral(
    "This Calculator will help you to determine the minimum size of a cable or conductor needed "
    "based on a\r\n"
    "Design Current and a maximum 4% Voltage Drop.\r\n"
    "This tool is designed as a guide for quick checking purposes only and does not substitute "
    "basic design.\r\n"
    "This calculator assumes a cable of the following defaults, Multicore, P.V.C. Insulated and "
    "Non Armoured.\r\n"
    "It does not take into consideration other derating factors such as minimum ampacity, "
    "temperature,\r\n"
    "mounting methods and permissible future upgrading based on any applicable Regulations.\r\n"
    "It assumes certain material properties such as Resistivity and Temperature (20c).\r\n\r\n"
    "For further details on allowable ampacities of conductors, temperature and mounting methods, "
    "consult the\r\n"
    "NEC (National Electric Code), I.E.E (Institution Of Electrical Engineers) or your local "
    "Standards Body.\r\n"
    "    https://www.nfpa.org/NEC\r\n"
    "    https://www.theiet.org\r\n"
    "for further details.");

bool splashShown() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmSplash") && top->isVisible()) return true;
    return false;
}

}  // namespace

class TestWindowExtras : public QObject {
    Q_OBJECT

private slots:
    void notes_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("Area / Weight") << 0 << 0 << kDisclaimer;
        QTest::newRow("Conduit Capacity") << 1 << 3 << kDisclaimer;
        QTest::newRow("Resistivity shows the disclaimer") << 2 << 4 << kDisclaimer;
        QTest::newRow("Voltage Drop") << 4 << 1 << kSizing;
        QTest::newRow("Conductor Sizing") << 5 << 2 << kSizing;
    }

    void notes() {
        QFETCH(int, tab);
        QFETCH(int, index);
        QFETCH(QString, text);
        WindowHarness h;
        h.start();
        h.showTab(tab);
        h.click(h.label(QStringLiteral("imgInfo(%1)").arg(index)));
        QCOMPARE(h.services.notes().size(), std::size_t{1});
        QCOMPARE(h.services.notes()[0].title, QStringLiteral("Ferrovolt Information."));
        QCOMPARE(h.services.notes()[0].text, text);
    }

    void linksOpenTheOneAddress_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("index");
        QTest::newRow("Compare Gauges") << 3 << 0;
        QTest::newRow("Resistivity") << 2 << 1;
        QTest::newRow("Area / Weight") << 0 << 2;
        QTest::newRow("Conduit Capacity") << 1 << 3;
        QTest::newRow("Voltage Drop") << 4 << 4;
        QTest::newRow("Conductor Sizing") << 5 << 5;
    }

    void linksOpenTheOneAddress() {
        QFETCH(int, tab);
        QFETCH(int, index);
        WindowHarness h;
        h.start();
        h.showTab(tab);
        QLabel* link = h.label(QStringLiteral("URL_Label1(%1)").arg(index));
        QCOMPARE(link->text(), ferrovolt::makerAddress());
        h.click(link);
        QCOMPARE(h.services.addresses().size(), std::size_t{1});
        QCOMPARE(h.services.addresses()[0], ferrovolt::makerAddress());
    }

    // The logo shows the about window for the wait and takes it away again.
    void logoShowsTheAboutWindowForItsWait() {
        bool shownDuringWait = false;
        WindowHarness h(0.05);  // six seconds last 300 ms
        h.start();
        h.showTab(2);
        QTimer::singleShot(30, h.window.get(),
                           [&shownDuringWait] { shownDuringWait = splashShown(); });
        QElapsedTimer clock;
        clock.start();
        h.click(h.label("Image1(4)"));
        QVERIFY(shownDuringWait);
        QVERIFY(clock.elapsed() >= 295);
        QVERIFY(!splashShown());
    }

    // A second click during the wait keeps the window up until its own wait is over, past
    // the end of the first; then it goes, once.
    void secondLogoClickKeepsTheAboutWindowLonger() {
        bool shownAfterFirstWait = false;
        WindowHarness h(0.1);  // six seconds last 600 ms
        h.start();
        QLabel* logo = h.label("Image1(0)");
        QTimer::singleShot(100, h.window.get(), [&h, logo] { h.click(logo); });
        QTimer::singleShot(650, h.window.get(),
                           [&shownAfterFirstWait] { shownAfterFirstWait = splashShown(); });
        QElapsedTimer clock;
        clock.start();
        h.click(logo);
        QVERIFY(shownAfterFirstWait);
        QVERIFY(clock.elapsed() >= 695);
        QVERIFY(!splashShown());
    }
};

QTEST_MAIN(TestWindowExtras)
#include "test_window_extras.moc"
