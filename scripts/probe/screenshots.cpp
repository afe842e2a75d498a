// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenshots.h"

#include "circuit_window/circuit_window.h"
#include "fill_window/fill_window.h"
#include "project_window/project_window.h"
#include "services/qt_system_services.h"
#include "splash/frm_splash.h"
#include "splash/wait_seconds.h"
#include "window/frm_options.h"
#include "window/ss_tab.h"
#include "window_kit/placement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <iostream>

namespace ferrovolt::probe {

namespace {

// "Area / Weight" becomes "area-weight".
QString slug(const QString& caption) {
    QString name = caption.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return name.remove(QRegularExpression(QStringLiteral("^-|-$")));
}

bool save(QWidget& widget, const QString& path) {
    if (!widget.grab().save(path)) {
        std::cerr << "ferrovolt-probe: cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

QPushButton* calculateButton(QWidget& page) {
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->objectName().startsWith(QStringLiteral("cmdCalc")) && button->isVisible()) {
            return button;
        }
    }
    return nullptr;
}

// The Conductor Sizing tab warning of a conductor too small for its current, and the Circuit
// Check window it opens, with the calculation shown.
bool takeCircuitScreenshots(QWidget& window, SystemServices& services, const QString& folder) {
    const auto field = [&window](const char* name) {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    auto* material = window.findChild<QComboBox*>(QStringLiteral("cmbMaterial(2)"));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("cmdCalc4(2)"));
    auto* open = window.findChild<QPushButton*>(QStringLiteral("cmdCircuitCheck(2)"));
    if (field("txtAmps(2)") == nullptr || material == nullptr || calculate == nullptr ||
        open == nullptr) {
        std::cerr << "ferrovolt-probe: the Conductor Sizing tab lacks its circuit controls\n";
        return false;
    }
    field("txtAmps(2)")->setText(QStringLiteral("100"));
    field("txtCCTlngth(2)")->setText(QStringLiteral("1"));
    material->setEditText(QStringLiteral("Copper (Annealed)"));
    calculate->click();
    WaitSeconds(services, 0.2F);
    bool ok = save(window, QDir(folder).filePath(QStringLiteral("7-conductor-sizing-warning.png")));

    open->click();
    auto* circuit = qobject_cast<CircuitWindow*>(QApplication::activeWindow());
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<CircuitWindow*>(top)) circuit = found;
    if (circuit == nullptr) {
        std::cerr << "ferrovolt-probe: no Circuit Check window opened\n";
        return false;
    }
    circuit->findChild<QComboBox*>(QStringLiteral("terminals"))->setCurrentIndex(2);
    circuit->findChild<QPushButton*>(QStringLiteral("cmdShowTrail"))->setChecked(true);
    circuit->resize(circuit->sizeHint().expandedTo(QSize(900, 720)));
    WaitSeconds(services, 0.3F);
    ok = save(*circuit, QDir(folder).filePath(QStringLiteral("8-circuit-check.png"))) && ok;

    // On a dark palette, with the note of a material the code's tables do not cover.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    CircuitPrefill gold;
    gold.current = "100";
    gold.length = "1";
    gold.material = "Gold";
    gold.volts = 240;
    circuit->prefill(gold);
    circuit->findChild<QPushButton*>(QStringLiteral("cmdShowTrail"))->setChecked(false);
    WaitSeconds(services, 0.3F);
    ok = save(*circuit, QDir(folder).filePath(QStringLiteral("9-circuit-check-dark.png"))) && ok;
    QApplication::setPalette(light);

    // Under IEC 60364, as a 415 V supply opens it: a long final circuit on a B32 whose
    // earth-fault loop, not its current, sets the size.
    CircuitPrefill metric;
    metric.current = "32";
    metric.length = "60";
    metric.material = "Copper";
    metric.volts = 415;
    metric.threePhase = true;
    circuit->prefill(metric);
    const auto choose = [circuit](const char* key, const char* value) {
        auto* list = circuit->findChild<QComboBox*>(QString::fromUtf8(key));
        if (list != nullptr) list->setCurrentIndex(list->findData(QString::fromUtf8(value)));
    };
    choose("phase", "single");
    choose("earthing", "TN-S");
    choose("curve", "B");
    if (auto* volts = circuit->findChild<QLineEdit*>(QStringLiteral("volts")))
        volts->setText(QStringLiteral("230"));
    if (auto* drop = circuit->findChild<QLineEdit*>(QStringLiteral("max_drop")))
        drop->setText(QStringLiteral("10"));
    if (auto* ze = circuit->findChild<QLineEdit*>(QStringLiteral("ze")))
        ze->setText(QStringLiteral("0.8"));
    WaitSeconds(services, 0.3F);
    ok = save(*circuit, QDir(folder).filePath(QStringLiteral("12-circuit-check-iec.png"))) && ok;
    circuit->close();
    return ok;
}

// The Conduit Fill window opened from the Conduit Capacity tab, with a mixed fill: three sizes
// and types, a bare grounding conductor and a cable.
bool takeFillScreenshot(QWidget& window, SSTab& tabs, const QString& folder) {
    tabs.tabButton(1)->click();
    auto* open = window.findChild<QPushButton*>(QStringLiteral("cmdConduitFill"));
    if (open == nullptr) {
        std::cerr << "ferrovolt-probe: the Conduit Capacity tab lacks its Conduit fill button\n";
        return false;
    }
    open->click();
    FillWindow* fill = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<FillWindow*>(top)) fill = found;
    if (fill == nullptr) {
        std::cerr << "ferrovolt-probe: no Conduit Fill window opened\n";
        return false;
    }
    FillInputs in;
    in.raceway = fillRacewayOf("emt").value_or(0);
    for (const char* wire : {"3x12:THHN", "3x10:THWN-2", "3x6:XHHW", "1x8:bare"})
        in.rows.push_back(std::get<FillRow>(fillWireText(wire)));
    in.rows.push_back(std::get<FillRow>(fillCableText("1x0.45", false)));
    fill->prefill(in, {});
    fill->resize(QSize(980, 640));
    QApplication::processEvents();
    const bool ok = save(*fill, QDir(folder).filePath(QStringLiteral("11-conduit-fill.png")));
    fill->close();
    return ok;
}

}  // namespace

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    const QColor text(Qt::white);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, text);
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    dark.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return dark;
}

int takeScaledScreenshot(const QString& folder) {
    if (!QDir().mkpath(folder)) return 1;
    QtSystemServices services;
    CircuitWindow circuit;
    circuit.findChild<QLineEdit*>(QStringLiteral("current"))->setText(QStringLiteral("100"));
    circuit.findChild<QLineEdit*>(QStringLiteral("length"))->setText(QStringLiteral("1"));
    placeWindow(circuit, nullptr);
    circuit.show();
    WaitSeconds(services, 0.3F);
    // A 1920 x 1080 screen at 200 % less a 48-pixel panel and a window frame.
    circuit.resize(QSize(952, 456).expandedTo(circuit.minimumSizeHint()));
    circuit.findChild<QLineEdit*>(QStringLiteral("current"))->setFocus();
    WaitSeconds(services, 0.3F);
    return save(circuit, QDir(folder).filePath(QStringLiteral("10-circuit-check-200.png"))) ? 0 : 1;
}

int takeScreenshots(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        std::cerr << "ferrovolt-probe: cannot make " << folder.toStdString() << '\n';
        return 1;
    }
    QtSystemServices services;
    bool ok = true;

    // The splash window is photographed a second into its wait, from inside the wait's loop.
    bool splashTaken = false;
    QTimer splashCamera;
    QObject::connect(&splashCamera, &QTimer::timeout, qApp, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* splash = qobject_cast<frmSplash*>(window);
            if (!splashTaken && splash != nullptr && splash->isVisible()) {
                splashTaken = true;
                ok = save(*splash, QDir(folder).filePath(QStringLiteral("splash.png"))) && ok;
            }
        }
    });
    splashCamera.start(1000);

    frmOptions window(services);
    window.Form_Load();
    splashCamera.stop();
    window.show();
    WaitSeconds(services, 0.5F);

    auto* tabs = window.findChild<SSTab*>(QStringLiteral("SSTab"));
    if (tabs == nullptr) {
        std::cerr << "ferrovolt-probe: the window has no SSTab\n";
        return 1;
    }
    for (int tab = 0; tab < SSTab::kTabCount; ++tab) {
        tabs->tabButton(tab)->click();  // as the user does, so the tab's lists are filled
        WaitSeconds(services, 0.2F);
        if (QPushButton* calculate = calculateButton(*tabs->page(tab))) {
            calculate->click();
            WaitSeconds(services, 0.2F);
        } else if (auto* bar =
                       tabs->page(tab)->findChild<QScrollBar*>(QStringLiteral("VScroll1"))) {
            // Compare Gauges has no button: one step down and back shows gauge 18's areas.
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            WaitSeconds(services, 0.2F);
        }
        const QString name =
            QStringLiteral("%1-%2.png").arg(tab + 1).arg(slug(tabs->tabButton(tab)->text()));
        ok = save(window, QDir(folder).filePath(name)) && ok;
    }
    ok = takeCircuitScreenshots(window, services, folder) && ok;
    ok = takeFillScreenshot(window, *tabs, folder) && ok;
    return ok ? 0 : 1;
}

int takeProjectScreenshots(const QString& folder, const QString& examples) {
    bool ok = QDir().mkpath(folder);
    int number = 15;
    for (const char* code : {"nec2023-plant", "iec60364-office"}) {
        QtSystemServices services;
        ProjectWindow window(&services);
        const QString file = QDir(examples).filePath(QString::fromLatin1(code) + ".fvproj");
        if (const auto refusal = window.openFile(file)) {
            std::cerr << "ferrovolt-probe: " << refusal->toStdString() << '\n';
            return EXIT_FAILURE;
        }
        placeWindow(window, nullptr);
        window.show();
        const auto& p = window.document().tree().project();
        if (!p.circuits.empty()) window.selectNode(QString::fromStdString(p.circuits.front().id));
        QApplication::processEvents();
        const QString name =
            QStringLiteral("%1-project-%2.png").arg(number++).arg(QLatin1String(code));
        ok = save(window, QDir(folder).filePath(name)) && ok;
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace ferrovolt::probe
