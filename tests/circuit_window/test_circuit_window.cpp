// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window through its controls: the answer follows every change at once,
// one row per criterion with the governing one in bold, refusals in place of the answer, and
// the calculation copied and saved as it is written.
//
//   test_circuit_window --report FILE.pdf   writes the safety case's sheet
//   (scripts/check_report.sh)

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <iostream>

#include "circuit/circuit_sheet.h"
#include "circuit_window/circuit_window.h"

using ferrovolt::CircuitAnswer;
using ferrovolt::CircuitWindow;

namespace {

// Replaces a field's text as typed by the user; each key press recalculates.
void type(CircuitWindow& w, const char* field, const QString& text) {
    auto* edit = w.findChild<QLineEdit*>(QString::fromLatin1(field));
    QVERIFY(edit != nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void choose(CircuitWindow& w, const char* list, const QString& shown) {
    auto* combo = w.findChild<QComboBox*>(QString::fromLatin1(list));
    QVERIFY(combo != nullptr);
    const int index = combo->findText(shown);
    QVERIFY2(index >= 0, qPrintable(shown));
    combo->setCurrentIndex(index);
}

QLabel* label(CircuitWindow& w, const char* name) {
    return w.findChild<QLabel*>(QString::fromLatin1(name));
}

// The safety case: 100 A over 1 m at 240 V single phase, copper, non-continuous.
void safetyCase(CircuitWindow& w) {
    type(w, "current", QStringLiteral("100"));
    type(w, "length", QStringLiteral("1"));
    type(w, "volts", QStringLiteral("240"));
}

}  // namespace

class TestCircuitWindow : public QObject {
    Q_OBJECT
private slots:
    void answersEveryChange_data();
    void answersEveryChange();
    void refusesInPlaceOfTheAnswer_data();
    void refusesInPlaceOfTheAnswer();
    void copyAndReportGiveTheCalculation();
    void keyboardAndScreenReader();
};

void TestCircuitWindow::answersEveryChange_data() {
    QTest::addColumn<QString>("terminals");
    QTest::addColumn<QString>("faultCurrent");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("governing");  // the row in bold
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("drop");
    // clang-format off
    const char* const rows[][7] = {
        {"75 °C terminals", "75 °C", "", "3 AWG", "by_ampacity", "3 AWG, governed by ampacity", "0.156 V"},
        {"60 °C terminals", "60 °C", "", "1 AWG", "by_ampacity", "1 AWG, governed by ampacity", "0.1 V"},
        // 10 kA for 1 s needs 187,470 cmil with k 105.27 (copper, 75 to 150 °C).
        {"fault current", "75 °C", "10000", "4/0 AWG", "by_short_circuit",
         "4/0 AWG, governed by short circuit", "0.049 V"},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                              << QString::fromUtf8(row[3]) << QString::fromUtf8(row[4])
                              << QString::fromUtf8(row[5]) << QString::fromUtf8(row[6]);
}

void TestCircuitWindow::answersEveryChange() {
    QFETCH(QString, terminals);
    QFETCH(QString, faultCurrent);
    QFETCH(QString, size);
    QFETCH(QString, governing);
    QFETCH(QString, verdict);
    QFETCH(QString, drop);
    CircuitWindow w;
    w.show();
    safetyCase(w);
    choose(w, "terminals", terminals);
    if (!faultCurrent.isEmpty()) {
        type(w, "fault_current", faultCurrent);
        type(w, "clearing_time", QStringLiteral("1"));
    }
    // No event is processed between the last change and these reads.
    QCOMPARE(label(w, "lblSize")->text(), size);
    QVERIFY(label(w, "lblSize")->font().bold());
    QCOMPARE(label(w, "lblVerdict")->text(), verdict);
    QCOMPARE(label(w, "drop_volts")->text(), drop);
    QCOMPARE(label(w, "code")->text(), QStringLiteral("NEC 2023"));
    for (const char* row :
         {"by_ampacity", "by_voltage_drop", "by_short_circuit", "by_small_conductor"}) {
        QLabel* value = label(w, row);
        QCOMPARE(value->font().bold(), governing == QLatin1String(row));
        QCOMPARE(value->isVisible(),
                 !faultCurrent.isEmpty() || std::strcmp(row, "by_short_circuit") != 0);
        QVERIFY(value->accessibleName().endsWith(QStringLiteral(": ") + value->text()));
    }
    QCOMPARE(label(w, governing.toLatin1().constData())->text(), size);
}

void TestCircuitWindow::refusesInPlaceOfTheAnswer_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty current") << QByteArray("current") << ""
                                   << "Design current: enter a number";
    QTest::newRow("not a number") << QByteArray("length") << "1.2.3"
                                  << "One-way length: \"1.2.3\" is not a number";
    QTest::newRow("ambient beyond the table")
        << QByteArray("ambient") << "71"
        << "Ambient temperature: 71 °C is beyond NEC 2023 Table 310.15(B)(1): its 75 °C column "
           "ends at 70 °C";
    QTest::newRow("fault without time") << QByteArray("fault_current") << "5000"
                                        << "Clearing time: is needed with a fault current";
}

void TestCircuitWindow::refusesInPlaceOfTheAnswer() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CircuitWindow w;
    w.show();
    safetyCase(w);
    type(w, field.constData(), text);
    QCOMPARE(label(w, "lblVerdict")->text(), message);
    QCOMPARE(label(w, "lblSize")->text(), QStringLiteral("—"));
    QCOMPARE(label(w, "by_ampacity")->text(), QString());
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdCopy"))->isEnabled());
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdSaveReport"))->isEnabled());
}

void TestCircuitWindow::copyAndReportGiveTheCalculation() {
    CircuitWindow w;
    w.show();
    safetyCase(w);
    choose(w, "terminals", QStringLiteral("75 °C"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdCopy")), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied,
             QString::fromStdString(ferrovolt::circuitSheet(std::get<CircuitAnswer>(w.result()))));
    QVERIFY(copied.contains(QStringLiteral("NEC 2023 Table 310.16, 75 °C column: 100 A")));
    QVERIFY(copied.contains(QStringLiteral("Governed by                     : ampacity")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(w.saveReport(path), std::optional<QString>());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(bytes.count(QByteArray("/Type /Page\n")), 1);  // one page
    QVERIFY(w.saveReport(dir.filePath(QStringLiteral("no/such/folder.pdf"))).has_value());
}

void TestCircuitWindow::keyboardAndScreenReader() {
    CircuitWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.findChild<QLineEdit*>(QStringLiteral("current"))->setFocus();
    QStringList order;
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr && order.size() < 40;
         focus = QApplication::focusWidget()) {
        if (order.contains(focus->objectName())) break;
        order << focus->objectName();
        QVERIFY2(!focus->accessibleName().isEmpty(), qPrintable(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The last stop, after the sheet's buttons: "Conduit fill…" for the circuit's raceway.
    QCOMPARE(order.takeLast(), QStringLiteral("cmdConduitFill"));
    QCOMPARE(
        order,
        (QStringList{"current",      "continuous",     "length",        "feet",       "material",
                     "phase",        "volts",          "max_drop",      "insulation", "terminals",
                     "ambient",      "ambient_method", "conductors",    "raceway",    "pf",
                     "sets",         "fault_current",  "clearing_time", "k",          "size",
                     "cmdShowTrail", "cmdCopy",        "cmdSaveReport"}));
    // Each labelled input is reached by its label's mnemonic.
    int buddies = 0;
    for (const QLabel* caption : w.findChildren<QLabel*>()) {
        if (caption->buddy() == nullptr) continue;
        ++buddies;
        QVERIFY2(caption->text().contains(QLatin1Char('&')), qPrintable(caption->text()));
    }
    QCOMPARE(buddies, 18);
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("k"));
}

// With --report FILE, writes the safety case's sheet for a person to look at.
int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--report") == 0) {
        QApplication application(argc, argv);
        CircuitWindow w;
        safetyCase(w);
        choose(w, "terminals", QStringLiteral("75 °C"));
        type(w, "fault_current", QStringLiteral("10000"));
        type(w, "clearing_time", QStringLiteral("0.05"));
        if (const std::optional<QString> reason = w.saveReport(QString::fromLocal8Bit(argv[2]))) {
            std::cerr << reason->toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    QApplication application(argc, argv);
    TestCircuitWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_circuit_window.moc"
