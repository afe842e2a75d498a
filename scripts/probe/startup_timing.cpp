// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_timing.h"

#include "circuit_window/circuit_window.h"
#include "codes/code_registry.h"
#include "services/qt_system_services.h"
#include "splash/frm_splash.h"
#include "splash/wait_seconds.h"
#include "window/frm_options.h"
#include "window/ss_tab.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace ferrovolt::probe {

namespace {

std::int64_t wallClockNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double msBetween(std::int64_t fromNs, std::int64_t toNs) {
    return double(toNs - fromNs) / 1e6;
}

// Notes when the splash window and the main window have first been painted, and when the
// splash window went away. A paint event arrives before the painting; a zero timer set
// then fires once the whole window has been painted and flushed.
class PaintWatch : public QObject {
public:
    std::optional<std::int64_t> splashPainted;
    std::optional<std::int64_t> splashGone;
    std::optional<std::int64_t> mainPainted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        if (auto* splash = qobject_cast<frmSplash*>(watched); splash != nullptr && !m_splashSeen) {
            m_splashSeen = true;
            QTimer::singleShot(0, this, [this] { splashPainted = wallClockNs(); });
            connect(splash, &QObject::destroyed, this, [this] { splashGone = wallClockNs(); });
        } else if (qobject_cast<frmOptions*>(watched) != nullptr && splashGone && !m_mainSeen) {
            m_mainSeen = true;
            QTimer::singleShot(0, this, [this] { mainPainted = wallClockNs(); });
        }
        return false;
    }

private:
    bool m_splashSeen = false;
    bool m_mainSeen = false;
};

// The labels a press of the button writes: emptied one at a time, those it fills again.
std::vector<QLabel*> resultLabels(QWidget& page, QPushButton& button) {
    std::vector<QLabel*> written;
    for (QLabel* label : page.findChildren<QLabel*>()) {
        const QString text = label->text();
        label->clear();
        button.click();
        if (label->text().isEmpty()) {
            label->setText(text);
        } else {
            written.push_back(label);
        }
    }
    return written;
}

// Median time of a "Calculate" button from press to labels written; the handler runs
// synchronously within click(). The result labels are emptied before each press, as a label
// given its own text again skips the work.
double medianPressMs(QPushButton& button, const std::vector<QLabel*>& results, int presses) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(presses));
    for (int i = 0; i < presses; ++i) {
        for (QLabel* label : results) {
            label->clear();
        }
        const auto start = std::chrono::steady_clock::now();
        button.click();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + presses / 2, times.end());
    return times[static_cast<std::size_t>(presses / 2)];
}

}  // namespace

int measureStartup(std::int64_t startedAtNs) {
    QtSystemServices services;
    PaintWatch watch;
    qApp->installEventFilter(&watch);

    frmOptions window(services);
    window.Form_Load();
    window.show();
    for (int i = 0; i < 100 && !watch.mainPainted; ++i) {
        WaitSeconds(services, 0.02F);
    }
    qApp->removeEventFilter(&watch);
    if (!watch.splashPainted || !watch.splashGone || !watch.mainPainted) {
        std::fprintf(stderr, "ferrovolt-probe: the splash or the main window was never painted\n");
        return 1;
    }

    std::printf("process start -> splash window painted:       %8.1f ms  (goal: under 300 ms)\n",
                msBetween(startedAtNs, *watch.splashPainted));
    std::printf("splash window shown for:                      %8.1f ms  (6 s wait)\n",
                msBetween(*watch.splashPainted, *watch.splashGone));
    std::printf("splash window gone -> main window painted:    %8.1f ms  (goal: under 100 ms)\n",
                msBetween(*watch.splashGone, *watch.mainPainted));

    constexpr int kPresses = 200;
    std::printf(
        "recalculation, button press -> labels written, median of %d presses (goal: under 1 ms):\n",
        kPresses);
    auto* tabs = window.findChild<SSTab*>(QStringLiteral("SSTab"));
    for (int tab = 0; tabs != nullptr && tab < SSTab::kTabCount; ++tab) {
        tabs->tabButton(tab)->click();
        QCoreApplication::processEvents();
        for (QPushButton* button : tabs->page(tab)->findChildren<QPushButton*>()) {
            if (!button->objectName().startsWith(QStringLiteral("cmdCalc")) ||
                !button->isVisible()) {
                continue;
            }
            const std::vector<QLabel*> results = resultLabels(*tabs->page(tab), *button);
            if (results.empty()) {
                std::printf("  %-12s %-18s wrote no label: refused?\n",
                            qPrintable(button->objectName()),
                            qPrintable(tabs->tabButton(tab)->text()));
                continue;
            }
            std::printf("  %-12s %-18s %8.4f ms  (%zu labels)\n", qPrintable(button->objectName()),
                        qPrintable(tabs->tabButton(tab)->text()),
                        medianPressMs(*button, results, kPresses), results.size());
        }
    }

    // The Circuit Check window answers a change within the change's own event, under each
    // code.
    for (const CircuitCode* code : circuitCodes()) {
        CircuitWindow circuit(*code);
        circuit.show();
        QCoreApplication::processEvents();
        auto* current = circuit.findChild<QLineEdit*>(QStringLiteral("current"));
        std::vector<double> times;
        for (int i = 0; current != nullptr && i < kPresses; ++i) {
            const auto start = std::chrono::steady_clock::now();
            current->setText(i % 2 == 0 ? QStringLiteral("100") : QStringLiteral("101"));
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
        if (times.empty()) continue;
        std::nth_element(times.begin(), times.begin() + kPresses / 2, times.end());
        std::printf(
            "Circuit Check window (%.*s), current changed -> answer shown, median of %d:  "
            "%8.4f ms  (goal: under 1 ms)\n",
            static_cast<int>(code->key().size()), code->key().data(), kPresses,
            times[static_cast<std::size_t>(kPresses / 2)]);
    }
    return 0;
}

}  // namespace ferrovolt::probe
