// SPDX-License-Identifier: GPL-3.0-or-later
// The main window after start-up, the lists of each tab, and the hand pointer file.

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <optional>

#include "window/tab_tables.h"
#include "window_harness.h"

using ferrovolt::testing::WindowHarness;

namespace {

// Every result label of the window.
const QStringList kResultLabels{
    "Dia_mm",    "Dia_inch",     "Area_mm",     "Area_inches", "Area_mils", "Pounds",
    "Kilos",     "CondArea",     "UseableArea", "CableArea",   "CableQty",  "Kilo_mtr",
    "Kilo_Km",   "Pounds_f",     "Ohms_mtr",    "Ohms_km",     "Ohms_mile", "Ohms_Kf",
    "Ohms_f",    "lblDrop",      "lblVoltsOut", "lblPCdrop",   "lblCMA",    "lblCmils",
    "lblMinAWG", "lblMinMetric", "lblNomMetric"};

const QStringList kGroups{"Frame1", "Frame2(0)", "Frame2(1)", "Frame3",
                          "Frame4", "Frame5",    "Frame6",    "Frame7"};

QString handFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("hand32.ico");
}

// Whether the window's pages exist when the splash is first painted and when it goes.
class SplashWatch : public QObject {
public:
    explicit SplashWatch(const WindowHarness& harness) : m_harness(harness) {
        qApp->installEventFilter(this);
    }
    std::optional<bool> pagesAtPaint;
    std::optional<bool> pagesAtEnd;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !pagesAtPaint &&
            watched->objectName() == QStringLiteral("frmSplash")) {
            pagesAtPaint = pagesBuilt();
            connect(watched, &QObject::destroyed, this, [this] { pagesAtEnd = pagesBuilt(); });
        }
        return false;
    }

private:
    bool pagesBuilt() const {
        return m_harness.window && m_harness.window->findChild<QWidget*>("SSTab") != nullptr;
    }
    const WindowHarness& m_harness;
};

}  // namespace

class TestWindowStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QFile::remove(handFile()); }

    void startsOnAreaWeightWithNothingCalculated() {
        WindowHarness h;
        h.start();
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Ferrovolt 2.0"));
        QCOMPARE(h.tabs()->currentTab(), 0);
        QCOMPARE(h.window->size(), QSize(360, 389));
        QCOMPARE(h.window->minimumSize(), h.window->maximumSize());
        QCOMPARE(h.combo("cmbStandards")->currentText(), QStringLiteral("AWG (B&S)"));
        QCOMPARE(h.combo("cmbStandards")->count(), 5);
        QCOMPARE(h.combo("cmbAWG(0)")->currentText(), QStringLiteral("18"));
        QCOMPARE(h.combo("cmbAWG(0)")->count(), 46);
        for (const QString& name : kResultLabels)
            QVERIFY2(h.label(name)->text().isEmpty(), qPrintable(name));
        // Only tab 0 is filled at start-up.
        QCOMPARE(h.combo("cmbMaterial(0)")->count(), 0);
        QCOMPARE(h.combo("cmbGauge")->count(), 0);
        QCOMPARE(h.combo("cmbDia")->count(), 0);
        QCOMPARE(h.services.beeps(), 0);
        QVERIFY(h.services.notes().empty());
    }

    void startUpDecoratesTheControls() {
        WindowHarness h;
        h.start();
        QCOMPARE(h.option("optTemp(0)")->text(), QStringLiteral("\u00B0C"));
        QCOMPARE(h.option("optTemp(1)")->text(), QStringLiteral("\u00B0F"));
        QCOMPARE(h.option("optTemp(2)")->text(), QStringLiteral("\u00B0K"));
        QVERIFY(h.option("optTemp(0)")->isChecked());
        QCOMPARE(h.label("Label3(18)")->text(), QStringLiteral("\u00B0Temp"));
        for (const QString& name : kGroups)
            QVERIFY2(h.get<QFrame>(name)->frameShape() == QFrame::NoFrame, qPrintable(name));
        for (const QString& name : kResultLabels)
            QVERIFY2(h.label(name)->frameShape() == QFrame::NoFrame, qPrintable(name));
        for (int s = 0; s < 5; ++s)
            QCOMPARE(h.label(QStringLiteral("lblGaugeArray(%1)").arg(s))->frameShape(),
                     QFrame::Box);
        QCOMPARE(h.label("lblGauge")->frameShape(), QFrame::Box);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(h.label(QStringLiteral("Image1(%1)").arg(i))->toolTip(),
                     QStringLiteral("Click for 'About' info."));
            QCOMPARE(h.label(QStringLiteral("imgInfo(%1)").arg(i))->toolTip(),
                     QStringLiteral("Click Me."));
        }
    }

    void opensCentredAfterTheSplashHasGone() {
        WindowHarness h;
        h.start();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = h.window->frameGeometry();
        // Centred on the size known before the first show, which lacks the window frame.
        const QSize decoration = frame.size() - h.window->size();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= decoration.width() / 2 + 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= decoration.height() / 2 + 1);
        QCOMPARE(h.window->findChildren<QWidget*>("frmSplash").size(), 0);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(top->objectName() != QStringLiteral("frmSplash") || !top->isVisible());
    }

    // The splash goes up before the pages of the window are built; they are built during its
    // wait, so that the window follows the splash at once.
    void buildsThePagesWhileTheSplashIsUp() {
        WindowHarness h(0.05);  // a wait of 0.3 s, long enough for the splash to be painted
        SplashWatch watch(h);
        h.start();
        QCOMPARE(watch.pagesAtPaint, std::optional<bool>(false));
        QCOMPARE(watch.pagesAtEnd, std::optional<bool>(true));
        QCOMPARE(h.tabs()->currentTab(), 0);
    }

    void listsOfEachTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("textPosition");  // of the default text in the list, from 1

        QTest::newRow("standards") << 0 << "cmbStandards" << 5 << "AWG (B&S)"
                                   << "US Steel Wire"
                                   << "AWG (B&S)" << 1;
        QTest::newRow("gauges of tab 0") << 0 << "cmbAWG(0)" << 46 << "6/0"
                                         << "40"
                                         << "18" << 24;
        QTest::newRow("conduit sizes") << 1 << "cmbDia" << 11 << "16"
                                       << "150"
                                       << "100" << 9;
        QTest::newRow("materials of tab 2") << 2 << "cmbMaterial(0)" << 11 << "Aluminium"
                                            << "Platinum"
                                            << "Copper (Annealed)" << 3;
        QTest::newRow("gauges of tab 2") << 2 << "cmbAWG(2)" << 46 << "6/0"
                                         << "40"
                                         << "18" << 24;
        QTest::newRow("materials of tab 4") << 4 << "cmbMaterial(1)" << 11 << "Aluminium"
                                            << "Platinum"
                                            << "Aluminium" << 1;
        QTest::newRow("conductor sizes") << 4 << "cmbGauge" << 61 << "2000 Kcmil"
                                         << "40 AWG"
                                         << "18 AWG" << 39;
        QTest::newRow("supplies") << 4 << "cmbVoltsPhase" << 9 << "120 Volts 1-phase"
                                  << "48V DC or 1-phase AC"
                                  << "240 Volts 1-phase" << 2;
        QTest::newRow("materials of tab 5") << 5 << "cmbMaterial(2)" << 11 << "Aluminium"
                                            << "Platinum"
                                            << "Aluminium" << 1;
    }

    // Showing a tab fills its lists; leaving and coming back rebuilds them from scratch and
    // puts the default text back, whatever the user had typed.
    void listsOfEachTab() {
        QFETCH(int, tab);
        QFETCH(QString, combo);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, text);
        QFETCH(int, textPosition);

        WindowHarness h;
        h.start();
        for (int round = 0; round < 2; ++round) {
            h.showTab(tab);
            QComboBox* list = h.combo(combo);
            QCOMPARE(list->count(), count);
            QCOMPARE(list->itemText(0), first);
            QCOMPARE(list->itemText(count - 1), last);
            QCOMPARE(list->currentText(), text);
            QCOMPARE(list->currentIndex(), -1);  // the text is set, no entry is selected
            QCOMPARE(list->itemText(textPosition - 1), text);
            QStringList items;
            for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
            QCOMPARE(items.removeDuplicates(), 0);
            QVERIFY(!items.contains("Silver") && !items.contains("Tin") &&
                    !items.contains("Tungsten"));
            // Pick another entry, as the user may, before leaving the tab.
            list->setCurrentIndex(count - 2);
            h.showTab(tab == 3 ? 0 : 3);
        }
    }

    // The checks compare the text exactly as typed: the drop-downs neither complete a text
    // nor swap it for a list entry of another case when Enter is pressed.
    // Every name that the tab tables give "Copy results" and the tests stands on its tab.
    void tabTablesNameControlsOfTheirTab() {
        WindowHarness h;
        h.start();
        const auto q = [](std::string_view name) {
            return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        };
        for (int tab = 0; tab < ferrovolt::kTabTableCount; ++tab) {
            const ferrovolt::TabTable& table = ferrovolt::kTabTables.at(std::size_t(tab));
            QStringList names;
            if (!table.calculate.empty()) names << q(table.calculate);
            for (const auto& control : table.controls) names << q(control.name);
            for (const auto& input : ferrovolt::readingInputs(table)) {
                names << q(input.control);
                if (!input.heading.empty()) names << q(input.heading);
            }
            if (table.rows != nullptr)
                for (const auto& row : table.rows->rows)
                    names << q(row.label) << QStringLiteral("lblCaption_") + q(row.label);
            for (const auto& line : table.results) names << q(line.result) << q(line.caption);
            for (const QString& name : names) {
                const auto* control = h.window->findChild<QWidget*>(name);
                QVERIFY2(control != nullptr, qPrintable(name));
                QCOMPARE(h.tabs()->tabOf(control), tab);
            }
        }
    }

    void dropDownsKeepTheTextAsTyped() {
        WindowHarness h;
        h.start();
        QComboBox* standards = h.combo("cmbStandards");
        h.click(standards->lineEdit());
        WindowHarness::typeInto(standards, "awg (b&s)");
        QCOMPARE(standards->currentText(), QStringLiteral("awg (b&s)"));
        QTest::keyClick(standards->lineEdit(), Qt::Key_Return);
        QCOMPARE(standards->currentText(), QStringLiteral("awg (b&s)"));
        WindowHarness::typeInto(standards, "S");
        QCOMPARE(standards->currentText(), QStringLiteral("S"));
        QCOMPARE(standards->count(), 5);
    }

    void showingTheSizingTabKeepsItsOptions() {
        WindowHarness h;
        h.start();
        h.showTab(5);
        h.click(h.option("optVolts(5)"));
        h.click(h.option("optPhase(1)"));
        h.showTab(0);
        h.showTab(5);
        QVERIFY(h.option("optVolts(5)")->isChecked());
        QVERIFY(h.option("optPhase(1)")->isChecked());
        QCOMPARE(h.combo("cmbMaterial(2)")->currentText(), QStringLiteral("Aluminium"));
    }

    // Without hand32.ico the program starts all the same; the links keep a built-in hand
    // and the pictures the ordinary pointer.
    void startsWithoutTheHandPointerFile() {
        QVERIFY(!QFile::exists(handFile()));
        WindowHarness h;
        h.start();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(h.label(QStringLiteral("URL_Label1(%1)").arg(i))->cursor().shape(),
                     Qt::PointingHandCursor);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(h.label(QStringLiteral("Image1(%1)").arg(i))->cursor().shape(),
                     Qt::ArrowCursor);
            QCOMPARE(h.label(QStringLiteral("imgInfo(%1)").arg(i))->cursor().shape(),
                     Qt::ArrowCursor);
        }
        h.showTab(4);
        h.click(h.button("cmdCalc4(1)"));
        QVERIFY(!h.label("lblDrop")->text().isEmpty());
    }

    void takesTheHandFromTheFileBesideTheProgram() {
        QImage picture(32, 32, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter(&picture).fillRect(10, 0, 4, 20, Qt::black);
        QVERIFY(picture.save(handFile(), "ICO"));
        WindowHarness h;
        h.start();
        QFile::remove(handFile());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(h.label(QStringLiteral("URL_Label1(%1)").arg(i))->cursor().shape(),
                     Qt::BitmapCursor);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(h.label(QStringLiteral("Image1(%1)").arg(i))->cursor().shape(),
                     Qt::BitmapCursor);
            QCOMPARE(h.label(QStringLiteral("imgInfo(%1)").arg(i))->cursor().shape(),
                     Qt::BitmapCursor);
        }
    }

    void cleanupTestCase() { QFile::remove(handFile()); }
};

QTEST_MAIN(TestWindowStartup)
#include "test_window_startup.moc"
