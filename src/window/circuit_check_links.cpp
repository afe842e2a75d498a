// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/circuit_check_links.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "circuit_window/circuit_prefill.h"
#include "circuit_window/circuit_window_host.h"
#include "describe/calculators.h"
#include "numtext/number_text.h"
#include "window/controls.h"
#include "window/qt_text.h"
#include "window/result_lines.h"
#include "window/tab_sizing.h"
#include "window/tab_voltage_drop.h"
#include "window_kit/text_tone.h"

namespace ferrovolt {

namespace {

// Under the current field of each tab, where neither tab has a control.
constexpr TwipsRect kCircuitCheckPlace{3240, 2370, 1335, 300};
// Right of the voltages and under the phases, above the results.
constexpr TwipsRect kWarningPlace{1560, 2715, 3540, 405};
constexpr char kCircuitCheckCaption[] = "Circ&uit check…";

}  // namespace

CircuitCheckLinks::CircuitCheckLinks(QWidget* mainWindow, const Tables& tables,
                                     const VoltageDropTab& drop, const SizingTab& sizing)
    : QObject(mainWindow),
      m_tables(tables),
      m_drop(drop),
      m_sizing(sizing),
      m_host(new CircuitWindowHost(mainWindow)) {
    QWidget* dropPage = drop.calculate->parentWidget();
    QWidget* sizingPage = sizing.calculate->parentWidget();
    QPushButton* fromDrop = addButton(dropPage, arrayName("cmdCircuitCheck", 1),
                                      kCircuitCheckCaption, kCircuitCheckPlace);
    QPushButton* fromSizing = addButton(sizingPage, arrayName("cmdCircuitCheck", 2),
                                        kCircuitCheckCaption, kCircuitCheckPlace);
    for (QPushButton* button : {fromDrop, fromSizing}) {
        button->setToolTip(QStringLiteral("Checks this circuit by every criterion of the code"));
        button->setAccessibleName(QStringLiteral("Circuit check"));
    }

    // A flat button holding a wrapped red line: reached by Tab, pressed by Enter, Space or a
    // click, and read by a screen reader as the button it is.
    m_warning = addButton(sizingPage, QStringLiteral("cmdCircuitWarning"), {}, kWarningPlace);
    m_warning->setAutoDefault(true);  // Enter presses it too
    m_warning->setCursor(Qt::PointingHandCursor);
    followPalette(m_warning, [this] {
        const QString sheet =
            QStringLiteral(
                "QPushButton { border: 1px solid transparent; background: transparent; }"
                "QPushButton:focus { border: 1px dotted %1; }")
                .arg(toneColour(TextTone::Warning, backgroundBehind(*m_warning)).name());
        if (m_warning->styleSheet() != sheet) m_warning->setStyleSheet(sheet);
    });
    m_warning->setAccessibleDescription(QStringLiteral("Opens the Circuit Check window"));
    m_warningText = new QLabel(m_warning);
    m_warningText->setWordWrap(true);
    m_warningText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextTone(m_warningText, TextTone::Warning);
    m_warningText->setFont(sizingPage->font());  // the button's style sheet stops the page's font
    m_warningText->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* inside = new QVBoxLayout(m_warning);
    inside->setContentsMargins(1, 1, 1, 1);
    inside->addWidget(m_warningText);
    m_warning->hide();

    // In the Tab order each follows the field it stands under, the current: the original
    // controls keep their order, and the results come after.
    const std::pair<QWidget*, QWidget*> tabOrder[] = {
        {drop.txtAmps1, fromDrop}, {sizing.txtAmps2, fromSizing}, {fromSizing, m_warning}};
    for (const auto& [field, follower] : tabOrder) QWidget::setTabOrder(field, follower);

    connect(fromDrop, &QPushButton::clicked, this, [this] {
        const CircuitPrefill prefill = fromDropTab();
        m_host->open(&prefill);
    });
    const auto openFromSizing = [this] {
        const CircuitPrefill prefill = fromSizingTab();
        m_host->open(&prefill);
    };
    connect(fromSizing, &QPushButton::clicked, this, openFromSizing);
    connect(m_warning, &QPushButton::clicked, this, openFromSizing);
    // Connected after the main window's own handler, so it runs once the labels are written.
    connect(sizing.calculate, &QPushButton::clicked, this, [this] { updateWarning(); });
}

CircuitCheckLinks::~CircuitCheckLinks() = default;

CircuitPrefill CircuitCheckLinks::fromDropTab() const {
    CircuitPrefill tab;
    tab.length = fromQt(m_drop.txtCCTlngth1->text());
    tab.feet = m_drop.optstd3->isChecked();
    tab.current = fromQt(m_drop.txtAmps1->text());
    tab.material = fromQt(m_drop.cmbMaterial1->currentText());
    if (const SupplyCircuit* supply = supplyCircuit(fromQt(m_drop.cmbVoltsPhase->currentText()))) {
        tab.volts = supply->volts;
        tab.threePhase = supply->threePhase;
    }
    return tab;
}

CircuitPrefill CircuitCheckLinks::fromSizingTab() const {
    CircuitPrefill tab;
    tab.length = fromQt(m_sizing.txtCCTlngth2->text());
    tab.feet = m_sizing.lengthUnit[1]->isChecked();
    tab.current = fromQt(m_sizing.txtAmps2->text());
    tab.material = fromQt(m_sizing.cmbMaterial2->currentText());
    tab.threePhase = m_sizing.optPhase[1]->isChecked();
    for (const QRadioButton* option : m_sizing.optVolts)
        if (option->isChecked())
            tab.volts = readDouble(fromQt(option->property(kTagProperty).toString()));
    return tab;
}

void CircuitCheckLinks::updateWarning() {
    const std::optional<std::string> warning = sizingWarning(
        m_tables, fromSizingTab(),
        fromQt(resultLabel(m_sizing.results, kConductorSize, "min_size_awg")->text()));
    if (!warning) {
        m_warning->hide();
        m_warningText->clear();
        return;
    }
    const QString text = toQt(*warning) + QStringLiteral(" — Circuit check…");
    m_warningText->setText(text);
    m_warning->setAccessibleName(text);
    m_warning->show();
}

}  // namespace ferrovolt
