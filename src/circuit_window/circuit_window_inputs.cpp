// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window's inputs: one labelled control per field of the circuit check,
// with its unit and default, and the inputs a tab hands over.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "circuit/circuit_fields.h"
#include "circuit_window/circuit_window.h"
#include "circuit_window/window_text.h"

namespace ferrovolt {

namespace {

constexpr int kMaxConductors = 999;
constexpr int kMaxSets = 20;

}  // namespace

QLineEdit* CircuitWindow::numberField(const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    field->setMaxLength(32);
    connect(field, &QLineEdit::textChanged, this, [this] { recalculate(); });
    return field;
}

QComboBox* CircuitWindow::choiceList(
    const QString& name, std::initializer_list<std::pair<const char*, const char*>> items) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    for (const auto& [shown, choice] : items)
        list->addItem(QString::fromUtf8(shown), QString::fromUtf8(choice));
    connect(list, &QComboBox::currentIndexChanged, this, [this] { recalculate(); });
    return list;
}

QWidget* CircuitWindow::addInput(QGridLayout* grid, std::string_view key, const QString& label,
                                 QWidget* control, const QString& unit) {
    const int row = grid->rowCount();
    auto* caption = new QLabel(label, this);
    caption->setBuddy(control);
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1);
    control->setAccessibleName(plain(label));
    if (!unit.isEmpty()) {
        auto* unitLabel = new QLabel(unit, this);
        grid->addWidget(unitLabel, row, 2);
        control->setAccessibleDescription(unit);
    }
    m_inputs.push_back({key, control, plain(label)});
    return control;
}

QGridLayout* CircuitWindow::inputGroup(QLayout* into, const QString& title) {
    auto* box = new QGroupBox(title, this);
    into->addWidget(box);
    m_inputGrids.push_back(new QGridLayout(box));
    return m_inputGrids.back();
}

QCheckBox* CircuitWindow::addCheck(QGridLayout* grid, std::string_view key, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(qt(key));
    box->setAccessibleName(plain(text));
    connect(box, &QCheckBox::toggled, this, [this] { recalculate(); });
    grid->addWidget(box, grid->rowCount(), 1, 1, 2);
    m_inputs.push_back({key, box, plain(text)});
    return box;
}

void CircuitWindow::buildInputs(QLayout* into) {
    QGridLayout* grid = inputGroup(into, QStringLiteral("Circuit"));
    m_current = numberField(QStringLiteral("current"), QStringLiteral("20"));
    addInput(grid, "current", QStringLiteral("Design &current:"), m_current, QStringLiteral("A"));
    m_continuous = new QCheckBox(QStringLiteral("C&ontinuous load (3 hours or more)"), this);
    m_continuous->setObjectName(QStringLiteral("continuous"));
    m_continuous->setAccessibleName(plain(m_continuous->text()));
    connect(m_continuous, &QCheckBox::toggled, this, [this] { recalculate(); });
    grid->addWidget(m_continuous, grid->rowCount(), 1, 1, 2);
    m_inputs.push_back({"continuous", m_continuous, plain(m_continuous->text())});

    m_length = numberField(QStringLiteral("length"), QStringLiteral("30"));
    addInput(grid, "length", QStringLiteral("One-way &length:"), m_length);
    m_lengthUnit = choiceList(QStringLiteral("feet"), {{"m", "false"}, {"ft", "true"}});
    m_lengthUnit->setAccessibleName(QStringLiteral("Length unit"));
    grid->addWidget(m_lengthUnit, grid->rowCount() - 1, 2);
    m_inputs.push_back({"feet", m_lengthUnit, QStringLiteral("Length unit")});

    m_material =
        choiceList(QStringLiteral("material"), {{"Copper", "copper"}, {"Aluminium", "aluminium"}});
    addInput(grid, "material", QStringLiteral("&Material:"), m_material);
    m_phase =
        choiceList(QStringLiteral("phase"), {{"Single phase", "single"}, {"Three phase", "three"}});
    addInput(grid, "phase", QStringLiteral("&Phase:"), m_phase);
    m_volts = numberField(QStringLiteral("volts"), QStringLiteral("240"));
    addInput(grid, "volts", QStringLiteral("Nominal &voltage:"), m_volts, QStringLiteral("V"));
    addInput(grid, "max_drop", QStringLiteral("Maximum &drop:"),
             numberField(QStringLiteral("max_drop"), QStringLiteral("3")), QStringLiteral("%"));

    grid = inputGroup(into, QStringLiteral("Installation"));
    QComboBox* insulation = choiceList(QStringLiteral("insulation"),
                                       {{"60 °C", "60"}, {"75 °C", "75"}, {"90 °C", "90"}});
    insulation->setCurrentIndex(1);
    addInput(grid, "insulation", QStringLiteral("&Insulation rating:"), insulation);
    // The family sets the short-circuit limit, so it sits beside the rating.
    QComboBox* family = choiceList(
        QStringLiteral("insulation_family"),
        {{"Thermoplastic, 150 °C", "thermoplastic"}, {"Thermoset, 250 °C", "thermoset"}});
    // Short entries keep the unit column narrow; the tip names the insulations of each.
    family->setItemData(0, QStringLiteral("TW, THW, THHN, THWN-2: 150 °C after a short circuit"),
                        Qt::ToolTipRole);
    family->setItemData(1, QStringLiteral("XHHW-2, RHW-2, USE-2: 250 °C after a short circuit"),
                        Qt::ToolTipRole);
    family->setAccessibleName(QStringLiteral("Insulation family"));
    grid->addWidget(family, grid->rowCount() - 1, 2);
    m_inputs.push_back({"insulation_family", family, QStringLiteral("Insulation family")});
    m_terminals = choiceList(QStringLiteral("terminals"),
                             {{"Auto, by 110.14(C)(1)", "auto"}, {"60 °C", "60"}, {"75 °C", "75"}});
    addInput(grid, "terminals", QStringLiteral("&Terminal rating:"), m_terminals);
    addInput(grid, "ambient", QStringLiteral("&Ambient temperature:"),
             numberField(QStringLiteral("ambient"), QStringLiteral("30")), QStringLiteral("°C"));
    addInput(grid, "ambient_method", QStringLiteral("Ambient co&rrection:"),
             choiceList(QStringLiteral("ambient_method"), {{"Table 310.15(B)(1)(1)", "table"},
                                                           {"Equation of 310.15(B)", "equation"}}));
    auto* conductors = new QSpinBox(this);
    conductors->setObjectName(QStringLiteral("conductors"));
    conductors->setRange(1, kMaxConductors);
    conductors->setValue(3);
    connect(conductors, &QSpinBox::valueChanged, this, [this] { recalculate(); });
    addInput(grid, "conductors", QStringLiteral("Current-carrying co&nductors:"), conductors);
    addInput(grid, "raceway", QStringLiteral("Race&way:"),
             choiceList(QStringLiteral("raceway"),
                        {{"PVC", "pvc"}, {"Aluminium", "aluminium"}, {"Steel", "steel"}}));
    addInput(grid, "pf", QStringLiteral("Power &factor:"),
             numberField(QStringLiteral("pf"), QStringLiteral("0.85")));
    auto* sets = new QSpinBox(this);
    sets->setObjectName(QStringLiteral("sets"));
    sets->setRange(1, kMaxSets);
    connect(sets, &QSpinBox::valueChanged, this, [this] { recalculate(); });
    addInput(grid, "sets", QStringLiteral("Parallel s&ets:"), sets);
    QLineEdit* device = numberField(QStringLiteral("device"), {});
    device->setPlaceholderText(QStringLiteral("next standard rating"));
    addInput(grid, "device", QStringLiteral("&Breaker or fuse rating:"), device,
             QStringLiteral("A"));
    addCheck(grid, "conservative_125",
             QStringLiteral("E&xtra: 125 % after factors too (stricter than the code)"));

    grid = inputGroup(into, QStringLiteral("Short circuit and a given size (optional)"));
    m_faultCurrent = numberField(QStringLiteral("fault_current"), {});
    addInput(grid, "fault_current", QStringLiteral("Fa&ult current:"), m_faultCurrent,
             QStringLiteral("A"));
    m_clearingTime = numberField(QStringLiteral("clearing_time"), {});
    addInput(grid, "clearing_time", QStringLiteral("Clearin&g time:"), m_clearingTime,
             QStringLiteral("s"));
    QLineEdit* k = numberField(QStringLiteral("k"), {});
    k->setPlaceholderText(QStringLiteral("from the insulation"));
    addInput(grid, "k", QStringLiteral("Adiabatic &k:"), k);
    addCheck(grid, "fault_divided",
             QStringLiteral("Sets share the fault e&qually (load end, cable limiters)"));
    QComboBox* size = choiceList(QStringLiteral("size"), {{"None: choose the size", ""}});
    for (int s = 0; s < circuitSizeCount(); ++s)
        size->addItem(qt(circuitSizeLabel(s)), qt(circuitSizeLabel(s)));
    addInput(grid, "size", QStringLiteral("Check a given si&ze:"), size);
}

void CircuitWindow::prefill(const CircuitPrefill& tab) {
    const QSignalBlocker blockers[] = {QSignalBlocker(m_current),    QSignalBlocker(m_length),
                                       QSignalBlocker(m_lengthUnit), QSignalBlocker(m_material),
                                       QSignalBlocker(m_phase),      QSignalBlocker(m_volts)};
    m_current->setText(QString::fromStdString(tab.current));
    m_length->setText(QString::fromStdString(tab.length));
    m_lengthUnit->setCurrentIndex(tab.feet ? 1 : 0);
    const std::optional<Material> material = codeMaterial(tab.material);
    m_material->setCurrentIndex(material == Material::Aluminium ? 1 : 0);
    QString note;
    if (!material)
        note = QStringLiteral(
                   "%1 is not in the code's tables, which cover copper and aluminium: "
                   "the check uses copper.")
                   .arg(QString::fromStdString(tab.material));
    if (tab.volts) {
        m_volts->setText(qt(circuitNumberText(*tab.volts, 3)));
        m_phase->setCurrentIndex(tab.threePhase ? 1 : 0);
    } else {
        note += QStringLiteral(
            " The supply is not one of the list: voltage and phase are left "
            "as they were.");
    }
    m_note->setText(note.trimmed());
    recalculate();
}

}  // namespace ferrovolt
