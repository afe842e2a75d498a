// SPDX-License-Identifier: GPL-3.0-or-later
// A check's inputs on the window kit's panel, from its fields alone: a control per field named
// by its key in the order laid out, access letters clear of the window's own, a refused text
// heard and its input in focus, and an input the installation tree gives shown as given.

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <array>

#include "check/field_reading.h"
#include "check/origin.h"
#include "window_kit/field_panel.h"

namespace ferrovolt {
namespace {

// A shelf of a span, its kind and, from the supply above, a fault current: two groups, a
// list, a check box, and one input an origin gives.
constexpr std::array<CheckField, 4> kShelfFields = {{
    {.key = "span",
     .option = "--span",
     .kind = InputKind::Number,
     .help = "Span in metres",
     .required = true,
     .group = "Shelf",
     .caption = "&Span:",
     .unit = "m",
     .initial = "1.2"},
    {.key = "mode",
     .option = "--mode",
     .kind = InputKind::Choice,
     .choices = "light|heavy",
     .defaultText = "light",
     .help = "Kind of load",
     .group = "Shelf",
     .caption = "&Mode:"},
    {.key = "strict",
     .option = "--strict",
     .kind = InputKind::Flag,
     .help = "Half the allowance",
     .group = "Shelf",
     .caption = "S&trict",
     .placement = FieldPlacement::Check},
    {.key = "fault_current",
     .option = "--fault-current",
     .kind = InputKind::Number,
     .help = "Fault current in kA",
     .group = "Supply",
     .caption = "&Fault current:",
     .unit = "kA"},
}};

class ShelfCase final : public CheckCase {
public:
    explicit ShelfCase(const Check& check) : m_check(check) {}
    const Check& of() const override { return m_check; }
    void reset() override { m_faultKa = 0; }
    std::optional<std::string> set(std::size_t field, std::string_view text) override {
        if (field == 1 || field == 2) return std::nullopt;
        const std::optional<double> value = fields::number(text);
        if (!value || *value <= 0) return fields::quoted(text) + " is not a positive number";
        if (field == 3) m_faultKa = *value;
        return std::nullopt;
    }
    std::optional<CheckRefusal> check() override { return std::nullopt; }
    CheckValue value(std::size_t) const override { return m_faultKa; }
    void writeTrail(const TrailStepWriter&) const override {}
    std::string sheet() const override { return {}; }

private:
    const Check& m_check;
    double m_faultKa = 0;
};

class ShelfCheck final : public Check {
public:
    std::string_view key() const override { return "shelf"; }
    std::string_view name() const override { return "Shelf"; }
    std::string_view help() const override { return "A shelf."; }
    std::span<const CheckField> fields() const override { return kShelfFields; }
    std::span<const CheckRow> rows() const override { return {}; }
    std::unique_ptr<CheckCase> newCheckCase() const override {
        return std::make_unique<ShelfCase>(*this);
    }
};

// A hoist: its current for a general load; for a motor, its horsepower in a group of its own.
constexpr std::array<CheckField, 3> kHoistFields = {{
    {.key = "load",
     .kind = InputKind::Choice,
     .choices = "general|motor",
     .defaultText = "general",
     .group = "Hoist",
     .caption = "L&oad:"},
    {.key = "current",
     .kind = InputKind::Number,
     .required = true,
     .group = "Hoist",
     .caption = "&Current:",
     .unit = "A",
     .initial = "20",
     .when = "load=general"},
    {.key = "hp",
     .kind = InputKind::Number,
     .group = "Motor",
     .caption = "&Horsepower:",
     .unit = "hp",
     .when = "load=motor"},
}};

// Which inputs it was handed, in order.
class HoistCase final : public CheckCase {
public:
    explicit HoistCase(const Check& check) : m_check(check) {}
    const Check& of() const override { return m_check; }
    void reset() override { handed.clear(); }
    std::optional<std::string> set(std::size_t field, std::string_view) override {
        handed << QString::fromUtf8(kHoistFields[field].key.data(),
                                    static_cast<qsizetype>(kHoistFields[field].key.size()));
        return std::nullopt;
    }
    std::optional<CheckRefusal> check() override { return std::nullopt; }
    CheckValue value(std::size_t) const override { return {}; }
    void writeTrail(const TrailStepWriter&) const override {}
    std::string sheet() const override { return {}; }

    QStringList handed;

private:
    const Check& m_check;
};

class HoistCheck final : public Check {
public:
    std::string_view key() const override { return "hoist"; }
    std::string_view name() const override { return "Hoist"; }
    std::string_view help() const override { return {}; }
    std::span<const CheckField> fields() const override { return kHoistFields; }
    std::span<const CheckRow> rows() const override { return {}; }
    std::unique_ptr<CheckCase> newCheckCase() const override {
        return std::make_unique<HoistCase>(*this);
    }
};

// The inputs Tab reaches from the first, by their names, as a person pressing it goes.
QStringList tabbed(QWidget* first) {
    first->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 8 && (i == 0 || QApplication::focusWidget() != first); ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

}  // namespace

class TestFieldPanel : public QObject {
    Q_OBJECT
private slots:
    // The motor's input shows only under a motor, and the general load's current only under
    // a general load: hidden with its caption and group, out of the tab order, invisible to
    // assistive tools and not handed to the case.
    void inputsShowWhileTheyApply_data() {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QStringList>("tabbed");
        QTest::addColumn<QStringList>("handed");
        QTest::addColumn<bool>("motorGroup");
        QTest::newRow("general load") << "general" << QStringList({"load", "current"})
                                      << QStringList({"load", "current"}) << false;
        QTest::newRow("motor") << "motor" << QStringList({"load", "hp"})
                               << QStringList({"load", "hp"}) << true;
    }

    void inputsShowWhileTheyApply() {
        QFETCH(QString, load);
        QFETCH(QStringList, tabbed);
        QFETCH(QStringList, handed);
        QFETCH(bool, motorGroup);
        const HoistCheck hoist;
        HoistCase checked(hoist);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        FieldPanel panel(&window);
        panel.build(hoist, layout, 0, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(FieldPanel::setText(panel.control("load"), load));
        qobject_cast<QLineEdit*>(panel.control("hp"))->setText(QStringLiteral("10"));
        QCOMPARE(ferrovolt::tabbed(panel.control("load")), tabbed);
        QVERIFY(!panel.setCase(checked));
        QCOMPARE(checked.handed, handed);
        QCOMPARE(panel.groups()[1]->isVisible(), motorGroup);
        QCOMPARE(panel.applies("hp"), motorGroup);
        for (const char* key : {"current", "hp"}) {
            QWidget* control = panel.control(key);
            const bool shown = handed.contains(QLatin1String(key));
            QCOMPARE(control->isVisible(), shown);
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->state().invisible, !shown);
            const auto labels = window.findChildren<QLabel*>();
            const auto caption = std::find_if(labels.begin(), labels.end(),
                                              [&](QLabel* l) { return l->buddy() == control; });
            QVERIFY(caption != labels.end());
            QCOMPARE((*caption)->isVisible(), shown);
        }
    }

    void aPanelFromTheFields_data() {
        QTest::addColumn<QString>("key");    // the input set
        QTest::addColumn<QString>("text");   // what it is set to
        QTest::addColumn<QString>("focus");  // the input in focus as it is set
        QTest::addColumn<QString>("given");  // the note of an input the tree gives; "" none
        QTest::addColumn<QString>("shown");  // the refusal the window shows; "" none
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("focused");  // the input in focus after
        QTest::addColumn<double>("faultKa");   // the fault current the case was given
        QTest::newRow("a span typed is taken") << "span"
                                               << "2.4"
                                               << "span"
                                               << ""
                                               << "" << 0 << "span" << 0.0;
        QTest::newRow("a refused span beeps and keeps the focus")
            << "span"
            << "-1"
            << "span"
            << ""
            << "Span: \"-1\" is not a positive number" << 1 << "span" << 0.0;
        QTest::newRow("a refusal takes the focus to its input")
            << "fault_current"
            << "0"
            << "span"
            << ""
            << "Fault current: \"0\" is not a positive number" << 1 << "fault_current" << 0.0;
        QTest::newRow("a required input left empty is refused")
            << "span"
            << ""
            << "mode"
            << ""
            << "Span: enter a number" << 1 << "span" << 0.0;
        QTest::newRow("the tree's fault current is given, not typed") << "fault_current"
                                                                      << "12"
                                                                      << "span"
                                                                      << "From the board above"
                                                                      << "" << 0 << "span" << 12.0;
    }

    void aPanelFromTheFields() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, given);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        QFETCH(QString, focused);
        QFETCH(double, faultKa);
        const ShelfCheck shelf;
        const std::unique_ptr<CheckCase> checked = shelf.newCheckCase();
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        FieldPanel panel(&window);
        int heard = 0;
        panel.setBeep([&heard] { ++heard; });
        // The window's own "&Save" holds s: the span takes the next letter of its caption.
        panel.build(shelf, layout, 0, {QLatin1Char('s')});
        QString refused;
        QObject::connect(&panel, &FieldPanel::changed, &window, [&] {
            checked->reset();
            std::optional<CheckRefusal> refusal = panel.setCase(*checked);
            if (!refusal) refusal = checked->check();
            refused = refusal ? panel.refusalText(*refusal) : QString();
            if (refusal) panel.refuse(*refusal);
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QStringList names;
        for (const FieldPanel::Input& input : panel.inputs()) names << input.control->objectName();
        QCOMPARE(names, QStringList({"span", "mode", "strict", "fault_current"}));
        QCOMPARE(panel.groups().size(), std::size_t{2});
        QStringList captions;
        for (const QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy() != nullptr) captions << label->text();
        QCOMPARE(captions, QStringList({"S&pan:", "&Mode:", "&Fault current:"}));
        QCOMPARE(panel.originKeys(), std::vector<std::string_view>{"fault_current"});

        panel.control(focus.toStdString())->setFocus();
        auto* edit = qobject_cast<QLineEdit*>(panel.control(key.toStdString()));
        if (given.isEmpty())
            edit->setText(text);
        else
            panel.setGiven(key.toStdString(), text, given);
        QCOMPARE(refused, shown);
        QCOMPARE(heard, beeps);
        QCOMPARE(QApplication::focusWidget(), panel.control(focused.toStdString()));
        QCOMPARE(std::get<double>(checked->value(0)), faultKa);
        QCOMPARE(edit->isReadOnly(), !given.isEmpty());
        QCOMPARE(panel.isGiven(key.toStdString()), !given.isEmpty());
        const auto* note = window.findChild<QLabel*>(key + QStringLiteral("Given"));
        QCOMPARE(note != nullptr ? note->text() : QString(), given);
        // Typed again once the tree no longer gives it.
        panel.setGiven(key.toStdString(), text, {});
        QVERIFY(!edit->isReadOnly());
    }
};

}  // namespace ferrovolt

QTEST_MAIN(ferrovolt::TestFieldPanel)
#include "test_field_panel.moc"
