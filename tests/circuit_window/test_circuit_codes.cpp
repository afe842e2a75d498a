// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window under each code of the circuit check: the panel is the code's
// fields, named, labelled and in Tab order whichever code it was switched from; the chosen
// code is remembered for the next window; a 415 V supply handed over by a tab is checked
// under IEC 60364, its reference methods said in words and drawn; and its answer shows the
// code's own rows.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "check/circuit_code.h"
#include "circuit_window/circuit_report.h"
#include "circuit_window/circuit_window.h"
#include "circuit_window/window_text.h"
#include "codes/code_registry.h"
#include "dark_palette.h"
#include "iec60364/iec60364_inputs.h"
#include "screen_fit.h"
#include "window_kit/access_letters.h"
#include "window_kit/placement.h"
#include "window_kit/result_rows.h"
#include "window_kit/text_tone.h"

using ferrovolt::CircuitCode;
using ferrovolt::CircuitWindow;

namespace {

const CircuitCode& code(const char* key) {
    const CircuitCode* found = ferrovolt::circuitCode(key);
    Q_ASSERT(found != nullptr);
    return *found;
}

// Chooses a code as a user does, by the keyboard.
void chooseCode(CircuitWindow& w, const CircuitCode& wanted) {
    auto* list = w.findChild<QComboBox*>(QStringLiteral("code"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentText() != ferrovolt::qt(wanted.name()) &&
           list->currentIndex() < list->count() - 1)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(&w.code(), &wanted);
}

void activate(CircuitWindow& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class TestCircuitCodes : public QObject {
    Q_OBJECT
private slots:
    void panelIsTheCodesFields_data();
    void panelIsTheCodesFields();
    void codeIsRemembered();
    void supplyChoosesTheCode_data();
    void supplyChoosesTheCode();
    void methodsSaidAndDrawn();
    void answersWithTheCodesRows();
    void motorFieldsFollowTheLoad();
    void fitsSmallScreens_data();
    void fitsSmallScreens();
    void usualVoltageUntilTyped();
    void inputsTheMethodReads_data();
    void inputsTheMethodReads();
    void listsAndRefusalsAreSaid_data();
    void listsAndRefusalsAreSaid();
    void accessLettersOnce_data();
    void accessLettersOnce();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void motorInputsShowUnderAMotor_data();
    void motorInputsShowUnderAMotor();
};

void TestCircuitCodes::panelIsTheCodesFields_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("IEC after NEC") << QByteArray("nec2023") << QByteArray("iec60364");
    QTest::newRow("NEC after IEC") << QByteArray("iec60364") << QByteArray("nec2023");
}

// Every field has its control, named by its key and, to a screen reader, by its caption;
// each caption's mnemonic reaches it; Tab goes from the code down the panel, group by group,
// then to the sheet's buttons. The current typed under one code stays under the other.
void TestCircuitCodes::panelIsTheCodesFields() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    CircuitWindow w(code(from.constData()));
    activate(w);
    w.findChild<QLineEdit*>(QStringLiteral("current"))->setText(QStringLiteral("42"));
    chooseCode(w, code(to.constData()));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("current"))->text(), QStringLiteral("42"));

    const QWidget* panel = w.findChild<QScrollArea*>()->widget();
    QStringList groups;
    for (const ferrovolt::CheckField& field : w.code().fields())
        if (!groups.contains(ferrovolt::qt(field.group))) groups << ferrovolt::qt(field.group);
    QStringList expected{QStringLiteral("code")};
    for (const QString& group : groups)
        for (const ferrovolt::CheckField& field : w.code().fields()) {
            if (ferrovolt::qt(field.group) != group) continue;
            auto* control = panel->findChild<QWidget*>(ferrovolt::qt(field.key));
            QVERIFY2(control != nullptr, field.key.data());
            QCOMPARE(control->accessibleName(), ferrovolt::plain(ferrovolt::qt(field.caption)));
            // An input the method chosen does not read is passed by Tab and says why; one that
            // does not apply to the load is hidden.
            if (control->isEnabled() && control->isVisibleTo(panel))
                expected << ferrovolt::qt(field.key);
            QCOMPARE(control->accessibleDescription(),
                     control->isEnabled() ? ferrovolt::qt(field.unit) : control->toolTip());
            if (field.placement != ferrovolt::FieldPlacement::Row) continue;
            int labels = 0;
            for (const QLabel* caption : w.findChildren<QLabel*>())
                if (caption->buddy() == control) {
                    ++labels;
                    QCOMPARE(ferrovolt::plain(caption->text()),
                             ferrovolt::plain(ferrovolt::qt(field.caption)));
                }
            QCOMPARE(labels, 1);
        }
    expected << QStringLiteral("cmdShowTrail") << QStringLiteral("cmdCopy")
             << QStringLiteral("cmdSaveReport");
    if (w.findChild<QWidget*>(QStringLiteral("cmdConduitFill"))->isEnabled())
        expected << QStringLiteral("cmdConduitFill");
    expected << QStringLiteral("cmdAddToProject");

    w.findChild<QComboBox*>(QStringLiteral("code"))->setFocus();
    QStringList order;
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr && order.size() < 80;
         focus = QApplication::focusWidget()) {
        if (order.contains(focus->objectName())) break;
        order << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(order, expected);
}

// The code chosen in one window opens the next.
void TestCircuitCodes::codeIsRemembered() {
    for (const char* key : {"iec60364", "nec2023", "iec60364"}) {
        {
            CircuitWindow w;
            activate(w);
            chooseCode(w, code(key));
        }
        CircuitWindow next;
        QCOMPARE(next.code().key(), std::string_view(key));
        QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("code"))->currentText(),
                 ferrovolt::qt(code(key).name()));
    }
}

void TestCircuitCodes::supplyChoosesTheCode_data() {
    QTest::addColumn<double>("volts");
    QTest::addColumn<bool>("threePhase");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("phase");
    QTest::newRow("415 V opens IEC")
        << 415.0 << true << QByteArray("nec2023") << QByteArray("iec60364") << "Three phase";
    QTest::newRow("480 V keeps NEC")
        << 480.0 << true << QByteArray("nec2023") << QByteArray("nec2023") << "Three phase";
    QTest::newRow("240 V keeps IEC")
        << 240.0 << false << QByteArray("iec60364") << QByteArray("iec60364") << "Single phase";
}

// The Conductor Sizing tab's 415 V is a supply of the countries that wire by IEC 60364.
void TestCircuitCodes::supplyChoosesTheCode() {
    QFETCH(double, volts);
    QFETCH(bool, threePhase);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, phase);
    CircuitWindow w(code(before.constData()));
    ferrovolt::CircuitPrefill tab;
    tab.current = "40";
    tab.length = "25";
    tab.material = "Copper (Annealed)";
    tab.volts = volts;
    tab.threePhase = threePhase;
    w.prefill(tab);
    QCOMPARE(w.code().key(), std::string_view(after.constData()));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("volts"))->text(),
             QString::number(static_cast<int>(volts)));
    QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("phase"))->currentText(), phase);
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("current"))->text(), QStringLiteral("40"));
    QVERIFY(w.answer() != nullptr);
}

// Each reference method in the words of Table B.52.1, with a drawing of its own.
void TestCircuitCodes::methodsSaidAndDrawn() {
    CircuitWindow w(code("iec60364"));
    auto* methods = w.findChild<QComboBox*>(QStringLiteral("method"));
    QVERIFY(methods != nullptr);
    QCOMPARE(methods->count(), static_cast<int>(ferrovolt::iec60364::kMethods.size()));
    QSet<QByteArray> drawings;
    for (int i = 0; i < methods->count(); ++i) {
        const auto& method = ferrovolt::iec60364::kMethods[static_cast<std::size_t>(i)];
        QCOMPARE(methods->itemText(i), ferrovolt::qt(method.shown));
        QCOMPARE(methods->itemData(i).toString(), ferrovolt::qt(method.key));
        const QIcon icon = methods->itemIcon(i);
        QVERIFY2(!icon.isNull(), method.key.data());
        const QImage drawn = icon.pixmap(methods->iconSize()).toImage();
        drawings << QByteArray(reinterpret_cast<const char*>(drawn.constBits()),
                               drawn.sizeInBytes());
    }
    QCOMPARE(drawings.size(), methods->count());  // no two drawn alike

    // Drawn in ink that reads on the list's background, on a dark palette chosen while the
    // window is open too.
    const QPalette light = QApplication::palette();
    for (const QPalette& palette : {light, ferrovolt::test::darkPalette()}) {
        QApplication::setPalette(palette);
        const QColor base = methods->palette().color(QPalette::Base);
        for (int i = 0; i < methods->count(); ++i) {
            const QImage drawn = methods->itemIcon(i).pixmap(methods->iconSize()).toImage();
            double strongest = 1;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    if (drawn.pixelColor(x, y).alpha() == 255)
                        strongest = std::max(
                            strongest, ferrovolt::contrastRatio(drawn.pixelColor(x, y), base));
            QVERIFY2(strongest >= ferrovolt::kTextContrast, qPrintable(methods->itemText(i)));
        }
    }
    QApplication::setPalette(light);
}

// The Electrical Installation Guide's circuit C7 (150 kW, 255 A at 400 V, method F, 20 m):
// 95 mm², I_z 264 A; the protective conductor by Table 54.2 is half of it, 50 mm². The rows
// are IEC 60364's own, the sheet is laid out from them, and the conduit fill, which is NEC's,
// is not offered.
void TestCircuitCodes::answersWithTheCodesRows() {
    CircuitWindow w(code("iec60364"));
    w.show();
    const std::pair<const char*, const char*> inputs[] = {
        {"current", "255"}, {"length", "20"}, {"volts", "400"}, {"pf", "0.85"}};
    for (const auto& [key, text] : inputs)
        w.findChild<QLineEdit*>(QString::fromLatin1(key))->setText(QString::fromLatin1(text));
    for (const auto& [key, choice] :
         {std::pair{"phase", "three"}, std::pair{"method", "F"}, std::pair{"device", "none"}}) {
        auto* list = w.findChild<QComboBox*>(QString::fromLatin1(key));
        list->setCurrentIndex(list->findData(QString::fromLatin1(choice)));
    }
    const auto value = [&w](const char* row) {
        return w.findChild<ferrovolt::ResultValue*>(QString::fromLatin1(row));
    };
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblSize"))->text(), QStringLiteral("95 mm²"));
    const std::pair<const char*, const char*> rows[] = {{"by_ampacity", "95 mm²"},
                                                        {"iz", "264 A"},
                                                        {"cpc", "50 mm²"},
                                                        {"code", "IEC 60364-5-52:2009"}};
    for (const auto& [row, text] : rows) {
        QCOMPARE(value(row)->text(), QString::fromUtf8(text));
        QVERIFY(!value(row)->isHidden());
    }
    QVERIFY(value("by_ampacity")->governs());
    QVERIFY(value("zs")->isHidden());  // no earthing system: no loop to check
    QVERIFY(value("egc") == nullptr);  // NEC's grounding conductor is not a row of this code
    const auto* fill = w.findChild<QWidget*>(QStringLiteral("cmdConduitFill"));
    QVERIFY(!fill->isEnabled());
    const QString why = QStringLiteral(
        "Conduit fill is sized by NEC 2023 Chapter 9; this circuit is checked under "
        "IEC 60364-5-52:2009");
    QCOMPARE(fill->toolTip(), why);
    QCOMPARE(fill->accessibleDescription(), why);
    QVERIFY(ferrovolt::circuitReportHtml(*w.answer(), w.givenInputs())
                .contains(QStringLiteral("<td>Current-carrying capacity I_z</td><td>264 A</td>")));

    // The trail as soon as it is shown; after a change, the answer at once, its trail once
    // the change is over.
    auto* trail = w.findChild<QTextBrowser*>(QStringLiteral("trail"));
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdShowTrail")), Qt::LeftButton);
    QVERIFY(trail->toPlainText().contains(QStringLiteral("Answer: 95 mm², governed by ampacity")));
    w.findChild<QLineEdit*>(QStringLiteral("current"))->setText(QStringLiteral("300"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblSize"))->text(), QStringLiteral("120 mm²"));
    QTRY_VERIFY(trail->toPlainText().contains(QStringLiteral("Answer: 120 mm²")));

    // A limit typed in the window is the limit: use and supply are left unsaid until chosen.
    w.findChild<QLineEdit*>(QStringLiteral("max_drop"))->setText(QStringLiteral("0.4"));
    QCOMPARE(value("max_drop")->text(), QStringLiteral("0.4 %"));
    QVERIFY(value("by_voltage_drop")->governs());

    // A row that holds an input's key reads in that input's words, on the sheet too.
    auto* device = w.findChild<QComboBox*>(QStringLiteral("device"));
    device->setCurrentIndex(device->findData(QStringLiteral("gg")));
    QCOMPARE(value("device")->text(), QStringLiteral("Fuse gG, IEC 60269"));
    QVERIFY(!ferrovolt::circuitReportHtml(*w.answer(), w.givenInputs())
                 .contains(QStringLiteral("<td>gg</td>")));
}

// A motor's inputs and rows show while the load is a motor, in place of the design current;
// the 30 kW motor of the check's tests: I_B = 30 000 / (√3 × 400 × 0.92 × 0.86) = 54.729 A.
void TestCircuitCodes::motorFieldsFollowTheLoad() {
    CircuitWindow w(code("iec60364"));
    activate(w);
    const QWidget* panel = w.findChild<QScrollArea*>()->widget();
    const auto shown = [panel](const char* key) {
        return panel->findChild<QWidget*>(QString::fromLatin1(key))->isVisibleTo(panel);
    };
    const char* motorKeys[] = {"kw",  "efficiency",     "motor_pf", "fla",
                               "lra", "start_multiple", "start_pf", "dip_limit_motor"};
    for (const char* key : motorKeys) QVERIFY2(!shown(key), key);
    QVERIFY(shown("current"));
    auto* load = w.findChild<QComboBox*>(QStringLiteral("load"));
    load->setCurrentIndex(load->findData(QStringLiteral("motor")));
    for (const char* key : motorKeys) QVERIFY2(shown(key), key);
    QVERIFY(!shown("current"));

    const std::pair<const char*, const char*> inputs[] = {{"kw", "30"},
                                                          {"efficiency", "0.92"},
                                                          {"motor_pf", "0.86"},
                                                          {"length", "50"},
                                                          {"volts", "400"}};
    auto* phase = w.findChild<QComboBox*>(QStringLiteral("phase"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("three")));
    for (const auto& [key, text] : inputs)
        w.findChild<QLineEdit*>(QString::fromLatin1(key))->setText(QString::fromLatin1(text));
    const auto value = [&w](const char* row) {
        return w.findChild<ferrovolt::ResultValue*>(QString::fromLatin1(row));
    };
    QCOMPARE(value("design_current")->text(), QStringLiteral("54.729 A"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblSize"))->text(), QStringLiteral("16 mm²"));
    // Back to a general load, the motor's rows are gone with its inputs.
    load->setCurrentIndex(load->findData(QStringLiteral("general")));
    QVERIFY(!value("design_current")->isVisibleTo(&w));
}

void TestCircuitCodes::fitsSmallScreens_data() {
    QTest::addColumn<QSize>("screen");  // in pixels
    QTest::addColumn<double>("scale");
    QTest::newRow("1280 x 720 at 100 %") << QSize(1280, 720) << 1.0;
    QTest::newRow("1920 x 1080 at 200 %") << QSize(1920, 1080) << 2.0;
}

// IEC 60364's longer panel and rows still fit the screens NEC's do, less a panel and a frame:
// the panel scrolls, and its lists of long entries stay as narrow as the other controls.
void TestCircuitCodes::fitsSmallScreens() {
    QFETCH(QSize, screen);
    QFETCH(double, scale);
    constexpr int kPanel = 48, kTitleBar = 32, kBorder = 4;  // at 100 %
    const QSize room(static_cast<int>(screen.width() / scale) - 2 * kBorder,
                     static_cast<int>(screen.height() / scale) - kPanel - kTitleBar - kBorder);
    CircuitWindow w(code("iec60364"));
    w.show();
    const QSize least = w.minimumSizeHint().expandedTo(w.minimumSize());
    QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
             qPrintable(QStringLiteral("needs %1 x %2").arg(least.width()).arg(least.height())));
}

// IEC 60364 opens at its usual voltage, 230 V single phase and 400 V three phase (not at the
// NEC's 240 V it was switched from), until the user types one, which then stays.
void TestCircuitCodes::usualVoltageUntilTyped() {
    CircuitWindow w(code("nec2023"));
    activate(w);
    chooseCode(w, code("iec60364"));
    auto* volts = w.findChild<QLineEdit*>(QStringLiteral("volts"));
    auto* phase = w.findChild<QComboBox*>(QStringLiteral("phase"));
    QCOMPARE(volts->text(), QStringLiteral("230"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("three")));
    QCOMPARE(volts->text(), QStringLiteral("400"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("single")));
    QCOMPARE(volts->text(), QStringLiteral("230"));
    volts->selectAll();
    QTest::keyClicks(volts, QStringLiteral("240"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("three")));
    QCOMPARE(volts->text(), QStringLiteral("240"));
    chooseCode(w, code("nec2023"));
    chooseCode(w, code("iec60364"));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("volts"))->text(), QStringLiteral("240"));
}

void TestCircuitCodes::inputsTheMethodReads_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("enabled");  // of layout, soil resistivity, spacing, ducts
    QTest::newRow("C") << "C" << QStringList{};
    QTest::newRow("D1") << "D1" << QStringList{"soil_resistivity", "spacing", "ducts"};
    QTest::newRow("D2") << "D2" << QStringList{"soil_resistivity", "spacing"};
    QTest::newRow("F") << "F" << QStringList{"layout"};
    QTest::newRow("G") << "G" << QStringList{"layout"};
}

// Under IEC 60364, the inputs a reference method does not read are disabled and say why;
// the answer does not read them either.
void TestCircuitCodes::inputsTheMethodReads() {
    QFETCH(QString, method);
    QFETCH(QStringList, enabled);
    CircuitWindow w(code("iec60364"));
    auto* phase = w.findChild<QComboBox*>(QStringLiteral("phase"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("three")));  // as G is tabulated
    auto* methods = w.findChild<QComboBox*>(QStringLiteral("method"));
    methods->setCurrentIndex(methods->findData(method));
    for (const char* key : {"layout", "soil_resistivity", "spacing", "ducts"}) {
        const auto* input = w.findChild<QWidget*>(QString::fromLatin1(key));
        const bool reads = enabled.contains(QString::fromLatin1(key));
        QCOMPARE(input->isEnabled(), reads);
        QCOMPARE(input->accessibleDescription().startsWith(QStringLiteral("Read for method")),
                 !reads);
    }
    QVERIFY(w.answer() != nullptr);
}

void TestCircuitCodes::listsAndRefusalsAreSaid_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("NEC 2023") << QByteArray("nec2023");
    QTest::newRow("IEC 60364") << QByteArray("iec60364");
}

// Every list says its whole entry, after a change too, as its value and as its description
// (before its unit), named by its label; a refusal is announced as the status line is.
void TestCircuitCodes::listsAndRefusalsAreSaid() {
    QFETCH(QByteArray, key);
    CircuitWindow w(code(key.constData()));
    activate(w);
    const QList<QComboBox*> lists = w.findChildren<QComboBox*>();
    QVERIFY(lists.size() >= 6);
    for (QComboBox* list : lists) {
        list->setCurrentIndex(list->count() - 1);
        QAccessibleInterface* said = QAccessible::queryAccessibleInterface(list);
        const QString entry = list->itemText(list->count() - 1);
        QCOMPARE(said->text(QAccessible::Name), list->accessibleName());
        QCOMPARE(said->text(QAccessible::Value), entry);
        const QString unit = list->accessibleDescription();
        QCOMPARE(said->text(QAccessible::Description),
                 unit.isEmpty() ? entry : entry + QStringLiteral(", ") + unit);
    }

    // A refusal is a notification a screen reader announces, named by its reason; the design
    // current is a general load's.
    if (auto* load = w.findChild<QComboBox*>(QStringLiteral("load")))
        load->setCurrentIndex(load->findData(QStringLiteral("general")));
    w.findChild<QLineEdit*>(QStringLiteral("current"))->setText(QString());
    QAccessibleInterface* refusal =
        QAccessible::queryAccessibleInterface(w.findChild<QLabel*>(QStringLiteral("lblVerdict")));
    QCOMPARE(refusal->role(), QAccessible::Notification);
    QCOMPARE(refusal->text(QAccessible::Name), QStringLiteral("Design current: enter a number"));
}

void TestCircuitCodes::accessLettersOnce_data() {
    QTest::addColumn<QByteArray>("key");
    // Letter and control, by letter, under a general load; then the controls of each other
    // load that hold a letter of their own (a motor's and an air conditioner's inputs are
    // never shown together, so they may share one).
    QTest::addColumn<QString>("bindings");
    QTest::addColumn<QString>("otherLoads");
    QTest::newRow("NEC 2023")
        << QByteArray("nec2023")
        << QStringLiteral(
               "a ambient; b device_rating; c current; d max_drop; e code; f pf; "
               "g terminals; h cmdShowTrail; i insulation; k k; "
               "l length; m material; n conductors; o continuous; p phase; "
               "q fault_divided; r ambient_method; s cmdSaveReport; "
               "t load; u fault_current; v volts; w raceway; "
               "x conservative_125; y cmdCopy; z size")
        << QStringLiteral("motor: c fla; hvac: c mca");
    // More inputs than letters: those whose every letter is taken (Supply, Layout, the
    // device, the fault current, the soil's resistivity, ...) have none.
    QTest::newRow("IEC 60364") << QByteArray("iec60364")
                               << QStringLiteral(
                                      "a ambient; b ducts; c current; d max_drop; e code; f pf; "
                                      "g grouping; h cmdShowTrail; i insulation; k k; l length; "
                                      "m material; n loaded; o load; p phase; "
                                      "r spacing; s cmdSaveReport; t method; u use; v volts; "
                                      "w cpc_protected; x ze; y cmdCopy; z size")
                               << QStringLiteral("motor: c efficiency");
}

// Every Alt+letter of the window reaches one control: the window's commands keep theirs
// under every code (Code E, Show the calculation H, Copy Y, Save S), the inputs share none.
void TestCircuitCodes::accessLettersOnce() {
    QFETCH(QByteArray, key);
    QFETCH(QString, bindings);
    QFETCH(QString, otherLoads);
    CircuitWindow w(code(key.constData()));
    activate(w);
    // Each letter and the controls shown that it reaches.
    const auto letters = [&w] {
        QMap<QChar, QStringList> reached;
        const auto bind = [&](const QString& text, const QWidget* control) {
            const QChar letter = ferrovolt::accessLetter(text);
            if (!letter.isNull() && control->isVisibleTo(&w))
                reached[letter] << control->objectName();
        };
        for (const QLabel* caption : w.findChildren<QLabel*>())
            if (caption->buddy() != nullptr) bind(caption->text(), caption->buddy());
        for (const QAbstractButton* button : w.findChildren<QAbstractButton*>())
            bind(button->text(), button);
        return reached;
    };
    auto* load = w.findChild<QComboBox*>(QStringLiteral("load"));
    QVERIFY(load != nullptr);
    const QMap<QChar, QStringList> general = letters();
    QStringList found;
    for (auto it = general.cbegin(); it != general.cend(); ++it)
        found << QString(it.key()) + QLatin1Char(' ') + it.value().join(QLatin1Char(','));
    QCOMPARE(found.join(QStringLiteral("; ")), bindings);
    QStringList others;
    for (int i = 0; i < load->count(); ++i) {
        load->setCurrentIndex(i);
        if (load->currentData().toString() == QStringLiteral("general")) continue;
        QStringList own;
        const QMap<QChar, QStringList> reached = letters();
        for (auto it = reached.cbegin(); it != reached.cend(); ++it) {
            QCOMPARE(it.value().size(), 1);  // every Alt+letter reaches one control
            if (general.value(it.key()) != it.value())
                own << QString(it.key()) + QLatin1Char(' ') + it.value().constFirst();
        }
        others << load->currentData().toString() + QStringLiteral(": ") +
                      own.join(QStringLiteral(", "));
    }
    QCOMPARE(others.join(QStringLiteral("; ")), otherLoads);
    load->setCurrentIndex(load->findData(QStringLiteral("general")));

    // Alt+H shows the calculation, whichever input once had H.
    QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdShowTrail"))->isChecked());
}

void TestCircuitCodes::fitsTheScreen_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("NEC 2023") << QByteArray("nec2023");
    QTest::newRow("IEC 60364") << QByteArray("iec60364");
}

// On the screen it opens on (the test's screen: 1366 x 768 or 1920 x 1080, at 100 % or 200 %)
// the window lies wholly in the work area, as tall as its content asks or the screen allows,
// with the answer, its rows and the sheet's buttons in view and unclipped; only the inputs
// and the calculation scroll.
void TestCircuitCodes::fitsTheScreen() {
    QFETCH(QByteArray, key);
    CircuitWindow w(code(key.constData()));
    ferrovolt::placeWindow(w, nullptr);
    w.show();
    const QString size = ferrovolt::test::sizeOnScreen(w);
    QVERIFY2(ferrovolt::test::usesItsScreen(w), qPrintable(size));
    for (const char* name : {"lblSize", "lblVerdict", "rowPanel", "cmdShowTrail", "cmdCopy",
                             "cmdSaveReport", "cmdConduitFill"}) {
        const auto* part = w.findChild<QWidget*>(QString::fromLatin1(name));
        const QRect at(part->mapTo(&w, QPoint()), part->size());
        QVERIFY2(part->isVisible() && w.rect().contains(at), name);
        QVERIFY2(part->width() >= part->minimumSizeHint().width(), name);
    }
    for (const char* name : {"cmdShowTrail", "cmdCopy", "cmdSaveReport", "cmdConduitFill"}) {
        const auto* button = w.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(button->size().expandedTo(button->sizeHint()) == button->size(), name);
    }
    // The rows show at least three of themselves: the panel scrolls through the others.
    QVERIFY2(
        w.findChild<QWidget*>(QStringLiteral("rowPanel"))->height() >= 3 * w.fontMetrics().height(),
        qPrintable(size));
    // The calculation shown takes room from the rows, not from the screen.
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdShowTrail")), Qt::LeftButton);
    QVERIFY2(w.minimumSizeHint().height() <= w.height(), qPrintable(size));
}

void TestCircuitCodes::motorInputsShowUnderAMotor_data() {
    QTest::addColumn<int>("load");       // the load list's entry
    QTest::addColumn<QString>("shown");  // the inputs of the load shown
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("size");
    // W1: 7½ hp at 230 V three phase, 27.5 A: 10 AWG at 60 °C on a 60 A breaker; the same
    // circuit as a 20 A general load, 12 AWG; an air conditioner of 26 A MCA, 10 AWG.
    QTest::newRow("general") << 0 << "current"
                             << "hp,mca"
                             << "12 AWG";
    QTest::newRow("motor") << 1 << "hp,fla,device_type"
                           << "current,mca"
                           << "10 AWG";
    QTest::newRow("air conditioner") << 2 << "mca,mop"
                                     << "current,hp"
                                     << "10 AWG";
}

// The load's list shows the inputs of the load chosen and hides the others, with their
// captions, out of the keyboard's way; the answer is sized from the load chosen.
void TestCircuitCodes::motorInputsShowUnderAMotor() {
    QFETCH(int, load);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    QFETCH(QString, size);
    CircuitWindow w(code("nec2023"));
    activate(w);
    auto* phase = w.findChild<QComboBox*>(QStringLiteral("phase"));
    phase->setCurrentIndex(phase->findData(QStringLiteral("three")));
    w.findChild<QLineEdit*>(QStringLiteral("volts"))->setText(QStringLiteral("230"));
    w.findChild<QLineEdit*>(QStringLiteral("length"))->setText(QStringLiteral("10"));
    w.findChild<QLineEdit*>(QStringLiteral("current"))->setText(QStringLiteral("20"));
    w.findChild<QLineEdit*>(QStringLiteral("hp"))->setText(QStringLiteral("7.5"));
    w.findChild<QLineEdit*>(QStringLiteral("mca"))->setText(QStringLiteral("26"));
    w.findChild<QComboBox*>(QStringLiteral("load"))->setCurrentIndex(load);
    for (const QString& key : shown.split(QLatin1Char(',')))
        QVERIFY2(w.findChild<QWidget*>(key)->isVisible(), qPrintable(key));
    for (const QString& key : hidden.split(QLatin1Char(','))) {
        QWidget* control = w.findChild<QWidget*>(key);
        QVERIFY2(!control->isVisible(), qPrintable(key));
        QVERIFY(QAccessible::queryAccessibleInterface(control)->state().invisible);
    }
    QVERIFY(w.answer() != nullptr);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblSize"))->text(), size);
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The remembered code goes to a folder of the test's own, never to the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    TestCircuitCodes test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_circuit_codes.moc"
