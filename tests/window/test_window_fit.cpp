// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the window fits its box in the font the window really uses: captions, headings,
// option and button captions, every list entry, every default text, and the results the
// calculators write for every entry of their lists.

#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <functional>

#include "window/click_label.h"
#include "window/controls.h"
#include "window_harness.h"

using ferrovolt::testing::WindowHarness;

namespace {

int advance(const QWidget* widget, const QString& text) {
    return static_cast<int>(std::ceil(QFontMetricsF(widget->font()).horizontalAdvance(text)));
}

// The room a combo box leaves for its edit text: the edit field less the line edit's own
// side margins.
int editWidth(QComboBox* combo) {
    return combo->lineEdit()->width() - 4;
}

// The room an option button leaves for its caption beside the circle.
int textRoom(QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
}

class WindowFit : public QObject {
    Q_OBJECT

    WindowHarness m_harness;
    QStringList m_misfits;
    QStringList m_readWhole;  // entries cut in their box and read whole in a tool tip

    void check(bool fits, const QWidget* widget, const QString& text) {
        if (!fits) m_misfits << QStringLiteral("%1: \"%2\"").arg(widget->objectName(), text);
    }

    void checkLabel(QLabel* label) {
        if (label->text().isEmpty()) return;
        const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
        check(advance(label, label->text()) <= room.width(), label, label->text());
    }

    // Every label, option, button, list entry and field text of the page.
    void checkPage(QWidget* page) {
        for (QLabel* label : page->findChildren<QLabel*>()) checkLabel(label);
        for (QRadioButton* option : page->findChildren<QRadioButton*>())
            check(advance(option, option->text()) <= textRoom(option), option, option->text());
        for (QPushButton* button : page->findChildren<QPushButton*>())
            check(advance(button, button->text()) + 8 <= button->width(), button, button->text());
        for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(field->parentWidget())) continue;
            check(advance(field, field->text()) + 4 <= field->width(), field, field->text());
        }
        for (QComboBox* combo : page->findChildren<QComboBox*>()) {
            check(advance(combo, combo->currentText()) <= editWidth(combo), combo,
                  combo->currentText());
            // An entry is read in the open list, which may be wider than the box.
            const int listRoom = std::max(combo->width(), combo->view()->minimumWidth()) - 8;
            for (int i = 0; i < combo->count(); ++i)
                check(advance(combo, combo->itemText(i)) <= listRoom, combo, combo->itemText(i));
        }
    }

    void checkResults(QWidget* page) {
        for (QLabel* label : page->findChildren<QLabel*>()) checkLabel(label);
    }

    // Calculates for every entry of `combo` (and the other settings `also` makes) and checks
    // the results each time.
    void everyEntry(QComboBox* combo, QPushButton* calculate, QWidget* page,
                    const std::function<void()>& also = {}) {
        const QStringList entries = [combo] {
            QStringList all;
            for (int i = 0; i < combo->count(); ++i) all << combo->itemText(i);
            return all;
        }();
        for (const QString& entry : entries) {
            ferrovolt::showEditText(combo, entry);
            // Chosen, an entry shows in the box itself; one that does not fit whole there is
            // read whole in its tool tip and by assistive technology.
            if (advance(combo, entry) > editWidth(combo)) {
                const bool readable = combo->toolTip() == entry &&
                                      combo->lineEdit()->accessibleDescription() == entry;
                check(readable, combo, entry);
                if (readable) m_readWhole << entry;
            } else {
                // An entry that fits leaves the list its own tip (the diameter list's).
                const QString own = combo->objectName() == QStringLiteral("cmbDia")
                                        ? QStringLiteral("Select the Conduit Diameter")
                                        : QString();
                check(combo->toolTip() == own, combo, QStringLiteral("tool tip ") + entry);
            }
            if (also) also();
            m_harness.click(calculate);
            checkResults(page);
        }
    }

private slots:
    void initTestCase() { m_harness.start(); }

    // The diameter list shows a cut entry whole in its tip, and its own tip once the entry
    // fits again.
    void diameterListKeepsItsTip() {
        QComboBox* diameters = m_harness.combo(QStringLiteral("cmbDia"));
        const QString cut = QStringLiteral("1234567890.1234567890123");
        ferrovolt::showEditText(diameters, cut);
        QVERIFY(advance(diameters, cut) > editWidth(diameters));
        QCOMPARE(diameters->toolTip(), cut);
        ferrovolt::showEditText(diameters, QStringLiteral("100"));
        QCOMPARE(diameters->toolTip(), QStringLiteral("Select the Conduit Diameter"));
    }

    void usesTheBuiltInFont() {
        QCOMPARE(QFontInfo(m_harness.window->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(m_harness.label(QStringLiteral("Dia_mm"))->font()).family(),
                 QStringLiteral("Liberation Sans"));
    }

    void tabCaptionsFit() {
        for (int tab = 0; tab < ferrovolt::SSTab::kTabCount; ++tab) {
            QToolButton* button = m_harness.tabs()->tabButton(tab);
            QFont bold = button->font();
            bold.setBold(true);
            check(
                static_cast<int>(std::ceil(QFontMetricsF(bold).horizontalAdvance(button->text()))) +
                        6 <=
                    button->width(),
                button, button->text());
        }
        QVERIFY2(m_misfits.isEmpty(), qPrintable(m_misfits.join(QStringLiteral("; "))));
    }

    void textsFit_data() {
        QTest::addColumn<int>("tab");
        const char* names[] = {"Area / Weight",  "Conduit Capacity", "Resistivity",
                               "Compare Gauges", "Voltage Drop",     "Conductor Sizing"};
        for (int tab = 0; tab < ferrovolt::SSTab::kTabCount; ++tab)
            QTest::newRow(names[tab]) << tab;
    }

    void textsFit() {
        QFETCH(int, tab);
        m_misfits.clear();
        m_harness.showTab(tab);
        QWidget* page = m_harness.tabs()->page(tab);
        checkPage(page);

        const auto button = [this](const char* name, int index) {
            return m_harness.button(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
        };
        switch (tab) {
            case 0:
                for (int s = 0; s < m_harness.combo(QStringLiteral("cmbStandards"))->count(); ++s) {
                    QComboBox* standards = m_harness.combo(QStringLiteral("cmbStandards"));
                    const QString standard = standards->itemText(s);
                    everyEntry(
                        m_harness.combo(QStringLiteral("cmbAWG(0)")), button("cmdCalc", 0), page,
                        [standards, standard] { ferrovolt::showEditText(standards, standard); });
                }
                break;
            case 1:
                for (const char* measure : {"optMeasure(1)", "optMeasure(0)"}) {
                    m_harness.click(m_harness.option(QLatin1String(measure)));
                    everyEntry(m_harness.combo(QStringLiteral("cmbDia")),
                               m_harness.button(QStringLiteral("cmdCalc2")), page);
                }
                break;
            case 2:
                everyEntry(m_harness.combo(QStringLiteral("cmbAWG(2)")), button("cmdCalc", 2),
                           page);
                everyEntry(m_harness.combo(QStringLiteral("cmbMaterial(0)")), button("cmdCalc", 2),
                           page);
                break;
            case 3: {
                auto* scroll = m_harness.get<QScrollBar>(QStringLiteral("VScroll1"));
                for (int unit = 0; unit < 3; ++unit) {
                    m_harness.click(m_harness.option(QStringLiteral("optGauge(%1)").arg(unit)));
                    for (int position = scroll->minimum(); position <= scroll->maximum();
                         ++position) {
                        scroll->setValue(position);
                        checkResults(page);
                    }
                }
                break;
            }
            case 4:
                everyEntry(m_harness.combo(QStringLiteral("cmbGauge")), button("cmdCalc4", 1),
                           page);
                everyEntry(m_harness.combo(QStringLiteral("cmbVoltsPhase")), button("cmdCalc4", 1),
                           page);
                break;
            case 5:
                for (int volts = 0; volts < 6; ++volts) {
                    m_harness.click(m_harness.option(QStringLiteral("optVolts(%1)").arg(volts)));
                    everyEntry(m_harness.combo(QStringLiteral("cmbMaterial(2)")),
                               button("cmdCalc4", 2), page);
                }
                break;
        }
        m_misfits.removeDuplicates();
        QVERIFY2(m_misfits.isEmpty(), qPrintable(m_misfits.join(QStringLiteral("; "))));
    }

    // The one entry cut in its box today; a new one shows here, to be looked at.
    void onlyTheKnownEntryIsReadInATip() {
        m_readWhole.removeDuplicates();
        QCOMPARE(m_readWhole, QStringList{QStringLiteral("Copper (Hard Drawn)")});
    }
};

}  // namespace

QTEST_MAIN(WindowFit)
#include "test_window_fit.moc"
