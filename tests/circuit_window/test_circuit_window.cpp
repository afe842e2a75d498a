// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window through its controls: the answer follows every change at once,
// one row per criterion with the governing one in bold and, to a screen reader, in words,
// refusals in place of the answer with no value left behind, the calculation copied and
// saved as it is written and said so, readable colours on a light and a dark palette, and
// every input reachable on a small or scaled screen.
//
//   test_circuit_window --report FILE.pdf   writes the safety case's sheet
//   (scripts/check_report.sh)

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <iostream>

#include "circuit_window/circuit_report.h"
#include "circuit_window/circuit_window.h"
#include "dark_palette.h"
#include "nec2023/nec2023_sheet.h"
#include "window_kit/access_letters.h"
#include "window_kit/result_rows.h"
#include "window_kit/text_tone.h"

using ferrovolt::CircuitAnswer;
using ferrovolt::CircuitWindow;
using ferrovolt::ResultValue;

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

QString spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// What a screen reader can read of the window: the name of every object not hidden from it.
QStringList spokenNames(QAccessibleInterface* node) {
    QStringList names;
    if (!node->state().invisible && !node->text(QAccessible::Name).isEmpty())
        names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) names << spokenNames(child);
    return names;
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
    void colouredTextsAreReadable_data();
    void colouredTextsAreReadable();
    void fitsSmallScreens_data();
    void fitsSmallScreens();
    void deviceAndInsulationFamily();
};

void TestCircuitWindow::answersEveryChange_data() {
    QTest::addColumn<QString>("terminals");
    QTest::addColumn<QString>("faultCurrent");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("governing");  // the row in bold
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QString>("egc");
    // clang-format off
    const char* const rows[][8] = {
        {"75 °C terminals", "75 °C", "", "3 AWG", "by_ampacity", "3 AWG, governed by ampacity", "0.156 V", "8 AWG"},
        {"60 °C terminals", "60 °C", "", "1 AWG", "by_ampacity", "1 AWG, governed by ampacity", "0.1 V", "8 AWG"},
        // 10 kA for 1 s needs 187,470 cmil with k 105.27 (copper, 75 to 150 °C); the 8 AWG
        // grounding conductor rises with 3 AWG to 4/0 AWG: 16,510 × 211,600 / 52,620 cmil.
        {"fault current", "75 °C", "10000", "4/0 AWG", "by_short_circuit",
         "4/0 AWG, governed by short circuit", "0.049 V", "2 AWG"},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                              << QString::fromUtf8(row[3]) << QString::fromUtf8(row[4])
                              << QString::fromUtf8(row[5]) << QString::fromUtf8(row[6])
                              << QString::fromUtf8(row[7]);
}

void TestCircuitWindow::answersEveryChange() {
    QFETCH(QString, terminals);
    QFETCH(QString, faultCurrent);
    QFETCH(QString, size);
    QFETCH(QString, governing);
    QFETCH(QString, verdict);
    QFETCH(QString, drop);
    QFETCH(QString, egc);
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
    QCOMPARE(label(w, "egc")->text(), egc);
    QCOMPARE(spoken(label(w, "egc")), QStringLiteral("Equipment grounding conductor: ") + egc);
    QCOMPARE(label(w, "code")->text(), QStringLiteral("NEC 2023"));
    for (const char* row :
         {"by_ampacity", "by_voltage_drop", "by_short_circuit", "by_small_conductor"}) {
        QLabel* value = label(w, row);
        QCOMPARE(value->font().bold(), governing == QLatin1String(row));
        QCOMPARE(value->isVisible(),
                 !faultCurrent.isEmpty() || std::strcmp(row, "by_short_circuit") != 0);
        // Read with its caption, and the governing row said to govern.
        const QString caption = static_cast<ResultValue*>(value)->caption();
        QCOMPARE(spoken(value),
                 value->text().isEmpty()
                     ? caption
                     : caption + QStringLiteral(": ") + value->text() +
                           (governing == QLatin1String(row) ? QStringLiteral(", governing")
                                                            : QString()));
    }
    // Each row shown is read once: its caption beside it is not read again.
    const QStringList names = spokenNames(QAccessible::queryAccessibleInterface(&w));
    for (ResultValue* value : w.findChildren<ResultValue*>()) {
        if (!value->isVisible()) continue;
        const QString said = value->caption() + QStringLiteral(": ");
        QCOMPARE(names.filter(
                     QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(said))),
                 QStringList{spoken(value)});
    }
    for (auto* caption : w.findChildren<ferrovolt::ResultCaption*>())
        QVERIFY(QAccessible::queryAccessibleInterface(caption)->state().invisible);
    QCOMPARE(label(w, governing.toLatin1().constData())->text(), size);
    QCOMPARE(spoken(label(w, "lblSize")), QStringLiteral("Size: ") + size + ", governing");
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
        << "Ambient temperature: 71 °C is beyond NEC 2023 Table 310.15(B)(1)(1): its 75 °C "
           "column ends at 70 °C";
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
    // Nothing of the answer before is left for the eye or the ear.
    for (ResultValue* value : w.findChildren<ResultValue*>()) {
        QCOMPARE(spoken(value), value->caption());
        QVERIFY2(!value->font().bold() || value == label(w, "lblSize"),
                 qPrintable(value->caption()));
    }
    for (auto* caption : w.findChildren<ferrovolt::ResultCaption*>())
        QVERIFY2(!caption->font().bold(), qPrintable(caption->text()));
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
    // The status line says what each command did, as a notification a screen reader speaks.
    QLabel* status = label(w, "lblStatus");
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->role(), QAccessible::Notification);
    QCOMPARE(spoken(status), QStringLiteral("Copied the calculation for 3 AWG to the clipboard."));
    QCOMPARE(copied,
             QString::fromStdString(ferrovolt::circuitSheet(std::get<CircuitAnswer>(w.result()))));
    QVERIFY(copied.contains(QStringLiteral("(a): 3 AWG: 75 °C column 100 A ≥ 100 A")));
    QVERIFY(copied.contains(QStringLiteral("Governed by                     : ampacity")));
    QVERIFY(copied.contains(QStringLiteral("Equipment grounding conductor   : 8 AWG")));
    // The PDF is laid out from the same rows.
    QVERIFY(circuitReportHtml(*w.answer(), w.givenInputs())
                .contains(QStringLiteral("<td>Equipment grounding conductor</td><td>8 AWG</td>")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(w.saveReport(path), std::optional<QString>());
    QCOMPARE(spoken(status),
             QStringLiteral("Saved the report to %1.")
                 .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    // Its whole trail at 9 pt or more takes a second page rather than a smaller type.
    QCOMPARE(bytes.count(QByteArray("/Type /Page\n")), 2);
    QVERIFY(w.saveReport(dir.filePath(QStringLiteral("no/such/folder.pdf"))).has_value());
    QVERIFY(status->text().startsWith(QStringLiteral("The report was not saved: ")));
    type(w, "current", QStringLiteral("90"));  // a new answer: the line no longer applies
    QVERIFY(status->isHidden());
}

void TestCircuitWindow::keyboardAndScreenReader() {
    CircuitWindow w;
    w.resize(w.sizeHint());  // the inputs whole, not scrolled sideways
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The code comes first, above the panel: Tab starts there.
    w.findChild<QComboBox*>(QStringLiteral("code"))->setFocus();
    QStringList order;
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr && order.size() < 40;
         focus = QApplication::focusWidget()) {
        if (order.contains(focus->objectName())) break;
        order << focus->objectName();
        // Named by its label, the length unit's list too, not by what it shows.
        QVERIFY2(!focus->accessibleName().isEmpty(), qPrintable(focus->objectName()));
        QCOMPARE(spoken(focus), focus->accessibleName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The last stops, after the sheet's buttons: "Conduit fill…" for the circuit's raceway,
    // then "Add to project…".
    QCOMPARE(order.takeLast(), QStringLiteral("cmdAddToProject"));
    QCOMPARE(order.takeLast(), QStringLiteral("cmdConduitFill"));
    QCOMPARE(order, (QStringList{"code",          "load",          "current",
                                 "continuous",    "length",        "feet",
                                 "material",      "phase",         "volts",
                                 "max_drop",      "insulation",    "insulation_family",
                                 "terminals",     "ambient",       "ambient_method",
                                 "conductors",    "raceway",       "pf",
                                 "sets",          "device_rating", "conservative_125",
                                 "fault_current", "clearing_time", "k",
                                 "fault_divided", "size",          "cmdShowTrail",
                                 "cmdCopy",       "cmdSaveReport"}));
    // Each labelled input is reached by its label's mnemonic where the alphabet has a letter
    // of its caption left, by none otherwise; no letter twice.
    int buddies = 0;
    QSet<QChar> letters;
    QSet<int> controlColumn;  // where the code's list and the controls of the groups begin
    for (const QLabel* caption : w.findChildren<QLabel*>()) {
        // A motor's inputs are hidden under a general load.
        if (caption->buddy() == nullptr || !caption->isVisibleTo(&w)) continue;
        ++buddies;
        const QChar letter = ferrovolt::accessLetter(caption->text());
        // Each letter of "Parallel sets" is a command's (E, S) or an input's own (P, A, R, L, T),
        // and so is each of "Clearing time" (E; C, L, A, R, I, N, G, T, M), which gives up its
        // G to the terminals, whose T the load type takes.
        QVERIFY2(caption->text() == QStringLiteral("Parallel sets:") ||
                     caption->text() == QStringLiteral("Clearing time:") || !letter.isNull(),
                 qPrintable(caption->text()));
        QVERIFY2(letter.isNull() || !letters.contains(letter), qPrintable(caption->text()));
        letters << letter;
        controlColumn << caption->buddy()->mapTo(&w, QPoint()).x();
    }
    QCOMPARE(buddies, 21);  // the code's list and the 20 inputs with a label
    QCOMPARE(controlColumn.size(), 1);
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("k"));
}

void TestCircuitWindow::colouredTextsAreReadable_data() {
    QTest::addColumn<bool>("darkFirst");
    QTest::newRow("light, then dark") << false;
    QTest::newRow("dark, then light") << true;
}

// Every coloured text (the note of a material the code does not cover, a refusal) reaches
// the contrast of readable text on its background, on the palette the window opens with and
// on the one chosen while it is open.
void TestCircuitWindow::colouredTextsAreReadable() {
    QFETCH(bool, darkFirst);
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkFirst ? ferrovolt::test::darkPalette() : light);
    CircuitWindow w;
    w.show();
    ferrovolt::CircuitPrefill gold;
    gold.current = "100";
    gold.length = "1";
    gold.material = "Gold";
    w.prefill(gold);
    type(w, "length", QStringLiteral("x"));
    for (const QPalette& palette :
         {QApplication::palette(), darkFirst ? light : ferrovolt::test::darkPalette()}) {
        QApplication::setPalette(palette);
        int coloured = 0;
        for (QWidget* text : w.findChildren<QWidget*>()) {
            if (!text->property(ferrovolt::kTextToneProperty).isValid()) continue;
            ++coloured;
            const double ratio = ferrovolt::contrastRatio(
                text->palette().color(text->foregroundRole()), ferrovolt::backgroundBehind(*text));
            QVERIFY2(ratio >= ferrovolt::kTextContrast,
                     qPrintable(QStringLiteral("%1: %2:1").arg(text->objectName()).arg(ratio)));
        }
        QCOMPARE(coloured, 2);  // the note and the refusal
    }
    QApplication::setPalette(light);
}

void TestCircuitWindow::fitsSmallScreens_data() {
    QTest::addColumn<QSize>("screen");  // in pixels
    QTest::addColumn<double>("scale");
    QTest::newRow("1280 x 720 at 100 %") << QSize(1280, 720) << 1.0;
    QTest::newRow("1920 x 1080 at 200 %") << QSize(1920, 1080) << 2.0;
}

// The window fits the screen less a panel and its frame, and every input comes into view
// when the keyboard reaches it; the answer, buttons and statement stay in view.
void TestCircuitWindow::fitsSmallScreens() {
    QFETCH(QSize, screen);
    QFETCH(double, scale);
    constexpr int kPanel = 48, kTitleBar = 32, kBorder = 4;  // at 100 %
    const QSize room(static_cast<int>(screen.width() / scale) - 2 * kBorder,
                     static_cast<int>(screen.height() / scale) - kPanel - kTitleBar - kBorder);
    CircuitWindow w;
    w.show();
    const QSize least = w.minimumSizeHint().expandedTo(w.minimumSize());
    QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
             qPrintable(QStringLiteral("needs %1 x %2").arg(least.width()).arg(least.height())));
    w.resize(room);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* panel = w.findChild<QScrollArea*>();
    QVERIFY(panel != nullptr);
    const auto inView = [&w](QWidget* widget, QWidget* frame) {
        const QRect at(widget->mapTo(frame, QPoint()), widget->size());
        return frame->rect().contains(at) &&
               w.rect().contains(QRect(widget->mapTo(&w, QPoint()), widget->size()));
    };
    QSet<QWidget*> inputs;  // every control of the panel the keyboard can reach
    for (QWidget* control : panel->widget()->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) != 0 &&
            qobject_cast<QAbstractSpinBox*>(control->parentWidget()) == nullptr &&
            control->isVisibleTo(panel->widget()))  // a motor's inputs hidden under a load
            inputs << control;
    QSet<QWidget*> reached;
    QWidget* first = w.findChild<QWidget*>(QStringLiteral("load"));
    if (first == nullptr) first = w.findChild<QLineEdit*>(QStringLiteral("current"));
    first->setFocus();
    for (QWidget* focus = QApplication::focusWidget(); panel->widget()->isAncestorOf(focus);
         focus = QApplication::focusWidget()) {
        reached << focus;
        QVERIFY2(inView(focus, panel->viewport()), qPrintable(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(reached, inputs);
    for (QWidget* shown : w.findChildren<QWidget*>())
        if (shown->isVisible() && !panel->isAncestorOf(shown))
            QVERIFY2(inView(shown, &w), qPrintable(shown->objectName()));
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);  // by its mnemonic, from below
    QVERIFY(inView(w.findChild<QLineEdit*>(QStringLiteral("current")), panel->viewport()));
}

// The device is an input and a row; the insulation family sets the short-circuit limit.
void TestCircuitWindow::deviceAndInsulationFamily() {
    CircuitWindow w;
    w.show();
    safetyCase(w);
    choose(w, "terminals", QStringLiteral("75 °C"));
    QCOMPARE(label(w, "device")->text(), QStringLiteral("100 A"));
    QCOMPARE(label(w, "ampacity_set_by")->text(), QStringLiteral("load_125"));
    // 3 AWG's 100 A takes a 100 A device at most (240.4(B)); 2 AWG's 115 A takes 125 A.
    type(w, "device_rating", QStringLiteral("125"));
    QCOMPARE(label(w, "lblSize")->text(), QStringLiteral("2 AWG"));
    QCOMPARE(label(w, "ampacity_set_by")->text(), QStringLiteral("protection"));
    type(w, "device_rating", QString());
    choose(w, "insulation", QStringLiteral("90 °C"));
    type(w, "fault_current", QStringLiteral("100000"));
    type(w, "clearing_time", QStringLiteral("0.016666666666666666"));
    QCOMPARE(label(w, "by_short_circuit")->text(), QStringLiteral("300 kcmil"));
    choose(w, "insulation_family", QStringLiteral("Thermoset, 250 °C"));
    QCOMPARE(label(w, "by_short_circuit")->text(), QStringLiteral("4/0 AWG"));
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
