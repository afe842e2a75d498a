// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/conduit_fill_link.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "fill/fill_sheet.h"
#include "tables/tables.h"

#include "circuit_window/circuit_window_host.h"
#include "fill_window/fill_window_host.h"
#include "window/controls.h"
#include "window/tab_conduit.h"

namespace ferrovolt {

namespace {

// Under the conduit diameter list, above the fill options, where the tab has no control.
constexpr TwipsRect kConduitFillPlace{400, 1860, 1335, 300};
constexpr char kConduitFillCaption[] = "Conduit &fill…";

}  // namespace

ConduitTabFill conduitTabFill(const ConduitTab& conduit, const Tables& tables) {
    ConduitTabFill fill;
    fill.inputs.raceway = 0;  // EMT, the first of Table 4
    const bool metric = conduit.optMeasure[0]->isChecked();
    const QString shown = conduit.cmbDia->currentText().trimmed();
    QStringList said;
    for (const auto& size : tables.ConduitSizeTable) {
        if (QString::fromStdString(size[metric ? 0 : 1]) != shown) continue;
        // The tab's inch sizes are the trade sizes, written with a space: "1 1/4".
        const std::string trade = QString::fromStdString(size[1])
                                      .replace(QLatin1Char(' '), QLatin1Char('-'))
                                      .toStdString();
        if (const std::optional<int> tradeSize = fillTradeSizeIn(fill.inputs.raceway, trade)) {
            fill.inputs.tradeSize = tradeSize;
            said << QStringLiteral("the conduit as EMT %1")
                        .arg(QString::fromStdString(fillTradeText(*tradeSize)));
        }
    }
    const std::string cable = conduit.txtCable->text().trimmed().toStdString();
    const std::variant<FillRow, FillRefusal> read = fillCableOf("1", cable, metric);
    if (const auto* row = std::get_if<FillRow>(&read)) {
        fill.inputs.rows.push_back(*row);
        said << QStringLiteral("one cable of %1 %2")
                    .arg(QString::fromStdString(cable),
                         metric ? QStringLiteral("mm") : QStringLiteral("in"));
    }
    fill.inputs.nipple = conduit.optCapacity[1]->isChecked();
    if (fill.inputs.nipple) said << QStringLiteral("its 60 % fill as a nipple");
    if (!said.isEmpty())
        fill.note = QStringLiteral(
                        "From the Conduit Capacity tab: %1. Choose your raceway "
                        "type and add the other conductors.")
                        .arg(said.join(QStringLiteral(", ")));
    return fill;
}

ConduitFillLink::ConduitFillLink(QWidget* mainWindow, SystemServices& services,
                                 const ConduitTab& conduit, const Tables& tables)
    : QObject(mainWindow), m_host(new FillWindowHost(mainWindow, &services)) {
    QWidget* page = conduit.calculate->parentWidget();
    QPushButton* open =
        addButton(page, QStringLiteral("cmdConduitFill"), kConduitFillCaption, kConduitFillPlace);
    open->setToolTip(
        QStringLiteral("Sizes a raceway for mixed conductors and cables by NEC Chapter 9"));
    open->setAccessibleName(QStringLiteral("Conduit fill"));
    connect(open, &QPushButton::clicked, this, [this, &conduit, &tables] {
        const ConduitTabFill fill = conduitTabFill(conduit, tables);
        m_host->open(&fill.inputs, fill.note);
    });

    // The Circuit Check window's "Conduit fill…" opens the same window, filled with the
    // circuit's conductors.
    if (auto* circuits = mainWindow->findChild<CircuitWindowHost*>())
        connect(circuits, &CircuitWindowHost::created, this, [this](CircuitWindow* window) {
            connect(window, &CircuitWindow::conduitFillRequested, this,
                    [this](const FillInputs& inputs, const QString& note) {
                        m_host->open(&inputs, note);
                    });
        });
}

ConduitFillLink::~ConduitFillLink() = default;

}  // namespace ferrovolt
