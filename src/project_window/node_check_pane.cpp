// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/node_check_pane.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "check/common_fields.h"
#include "check/origin.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project_window/project_document.h"
#include "window_kit/access_letters.h"
#include "window_kit/field_panel.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

// The text an input shows for the project as it is: Escape puts it back.
constexpr char kShown[] = "shownText";

struct Entry {
    const char* key;  // as the file writes it; "" for none given
    const char* words;
};
constexpr Entry kPhases[] = {
    {"", "not given"}, {"single", "single-phase"}, {"three", "three-phase"}};
constexpr Entry kEarthing[] = {
    {"", "not given"}, {"TN-S", "TN-S"}, {"TN-C-S", "TN-C-S"}, {"TT", "TT"}};
constexpr Entry kVoltageFactor[] = {{"", "not given"}, {"6", "6 %"}, {"10", "10 %"}};

enum class Under { Both, Nec, Iec };

// The supply's own fields as the file holds them (project-format.md), with the words shown.
struct SupplyField {
    std::string_view path;
    const char* caption;
    Under under;
    std::span<const Entry> entries;  // none: a text
};
const SupplyField kSupplyFields[] = {
    {"available_fault_current", "Available fault current (A):", Under::Nec, {}},
    {"volts", "Voltage (V):", Under::Both, {}},
    {"phase", "Phase:", Under::Both, kPhases},
    {"x_r", "X/R at the supply:", Under::Both, {}},
    {"transformer/kva", "Transformer rating (kVA):", Under::Both, {}},
    {"transformer/percent_z", "Transformer impedance (%Z):", Under::Both, {}},
    {"transformer/x_r", "Transformer X/R:", Under::Both, {}},
    {"transformer/percent_r", "Transformer resistance (%R):", Under::Both, {}},
    {"transformer/primary_kv", "Primary voltage (kV):", Under::Both, {}},
    {"transformer/secondary_volts", "Secondary voltage (V):", Under::Both, {}},
    {"transformer/phase", "Transformer phase:", Under::Both, kPhases},
    {"transformer/tolerance", "Tolerance on %Z:", Under::Nec, {}},
    {"source/mva_max", "Network fault level, maximum (MVA):", Under::Both, {}},
    {"source/mva_min", "Network fault level, minimum (MVA):", Under::Both, {}},
    {"source/r_x", "Network R/X:", Under::Both, {}},
    {"source/kv", "Network voltage (kV):", Under::Both, {}},
    {"voltage_factor_class", "Voltage tolerance:", Under::Iec, kVoltageFactor},
    {"earthing", "Earthing system:", Under::Iec, kEarthing},
    {"ze", "Ze at the origin (Ω):", Under::Iec, {}},
    {"ipf", "Prospective fault current (A):", Under::Iec, {}},
};

// A board's own fields; its feeder's inputs are the cable panel's.
const std::pair<std::string_view, const char*> kBoardFields[] = {
    {"id", "Id:"},
    {"fed_from", "Fed from:"},
    {"demand_factor", "Demand factor:"},
    {"breaking_capacity_ka", "Breaking capacity (kA):"},
    {"motor_load/fla", "Motors' full-load current (A):"},
    {"motor_load/percent", "Motors' share of the load (%):"},
};

QString objectNameOf(const char* prefix, std::string_view path) {
    return QString::fromLatin1(prefix) + qt(path).replace(u'/', u'_');
}

}  // namespace

QList<QChar> NodeCheckPane::menuLetters() const {
    // The access letters of the window's menus stay theirs.
    QList<QChar> taken;
    if (const auto* bar = window()->findChild<QMenuBar*>())
        for (const QAction* menu : bar->actions())
            if (const QChar letter = accessLetter(menu->text()); !letter.isNull()) taken << letter;
    return taken;
}

std::vector<std::pair<std::string, QString>> originTexts(const project::NodeAnswer& board) {
    const bool valued = board.reached && !board.refusal;
    std::vector<std::pair<std::string, QString>> texts;
    for (const std::string_view key : kOriginKeys) {
        QString text;
        if (valued)
            text = QString::fromStdString(
                key == "ze"
                    ? roundedNumberText(board.at.loopMin.magnitude(), 4)
                    : roundedNumberText(std::max(maximumWithMotors(board.at), board.at.ik1Max), 0));
        texts.emplace_back(std::string(key), text);
    }
    return texts;
}

const project::NodeAnswer& originOf(const project::InstallationTree& tree,
                                    const project::NodeAnswer& circuit) {
    const project::NodeAnswer* board = tree.board(circuit.fedFrom);
    return board != nullptr ? *board : tree.supply();
}

NodeCheckPane::NodeCheckPane(ProjectDocument& document, QWidget* parent)
    : QGroupBox(QStringLiteral("Check of the selected node"), parent),
      m_document(document),
      m_scroll(new QScrollArea(this)),
      m_inputs(nullptr),
      m_text(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("grpNodeCheck"));
    m_text->setObjectName(QStringLiteral("txtNodeCheck"));
    m_text->setAccessibleName(QStringLiteral("Check of the selected node"));
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    m_scroll->setObjectName(QStringLiteral("scrollNodeInputs"));
    m_scroll->setWidgetResizable(true);
    auto* inputs = new QWidget(m_scroll);
    inputs->setObjectName(QStringLiteral("pnlNodeInputs"));
    m_inputs = new QVBoxLayout(inputs);
    m_inputs->addStretch(1);
    m_scroll->setWidget(inputs);
    m_scroll->hide();
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("splitNodeCheck"));
    split->addWidget(m_scroll);
    split->addWidget(m_text);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
}

QString NodeCheckPane::text() const {
    return m_text->toPlainText();
}

void NodeCheckPane::buildFields() {
    buildOwn();
    const CircuitCode& code = m_document.tree().code();
    if (m_fields != nullptr && m_codeKey == code.key()) return;
    m_codeKey = std::string(code.key());
    if (m_fields != nullptr) {
        // Its boxes go, and the new code's come, with the next build.
        m_fields->build(code, m_inputs, 2, menuLetters());
        chainInputs();
        return;
    }
    m_fields = new FieldPanel(m_scroll->widget());
    // An input is an edit of the project once a person leaves it (a text) or chooses (a list,
    // a box), not at each letter typed: each is one undo step.
    m_fields->setMade([this](const CheckField& field, QWidget* control) {
        const std::string_view key = field.key;
        const auto leave = [this, key, control] {
            if (!m_filling) commit(key, control);
        };
        if (auto* text = qobject_cast<QLineEdit*>(control)) {
            connect(text, &QLineEdit::editingFinished, this, leave);
            text->installEventFilter(this);
        } else if (auto* spin = qobject_cast<QSpinBox*>(control))
            connect(spin, &QSpinBox::editingFinished, this, leave);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            connect(list, &QComboBox::activated, this, leave);
        else if (auto* box = qobject_cast<QCheckBox*>(control))
            connect(box, &QCheckBox::clicked, this, leave);
    });
    m_fields->build(code, m_inputs, 2, menuLetters());
    chainInputs();
}

void NodeCheckPane::addOwn(QGroupBox* box, QGridLayout* grid, std::string_view path,
                           const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, box);
    label->setBuddy(control);
    QString plain = caption;
    if (plain.endsWith(u':')) plain.chop(1);
    control->setAccessibleName(plain);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
    m_own.push_back({std::string(path), plain, control, label, box == m_boardBox});
    const std::string at(path);
    if (auto* text = qobject_cast<QLineEdit*>(control)) {
        connect(text, &QLineEdit::editingFinished, this, [this, at, text] {
            if (!m_filling) commitOwn(at, text);
        });
        text->installEventFilter(this);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        connect(list, &QComboBox::activated, this, [this, at, list] {
            if (!m_filling) commitOwn(at, list);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::clicked, this, [this, at, check] {
            if (!m_filling) commitOwn(at, check);
        });
    }
}

void NodeCheckPane::buildOwn() {
    if (m_supplyBox != nullptr) return;
    QWidget* inputs = m_scroll->widget();
    m_supplyBox = new QGroupBox(QStringLiteral("Supply"), inputs);
    m_supplyBox->setObjectName(QStringLiteral("grpSupply"));
    auto* supply = new QGridLayout(m_supplyBox);
    m_source = new QComboBox(m_supplyBox);
    m_source->setObjectName(QStringLiteral("cmbSupplySource"));
    m_source->addItem(QStringLiteral("a transformer"), QStringLiteral("transformer"));
    m_source->addItem(QString(), QStringLiteral("known"));
    addOwn(m_supplyBox, supply, "fault_current_from", QStringLiteral("Fault current from:"),
           m_source);
    for (const SupplyField& field : kSupplyFields) {
        QWidget* control = nullptr;
        if (field.entries.empty()) {
            control = new QLineEdit(m_supplyBox);
            control->setObjectName(objectNameOf("txtSupply_", field.path));
        } else {
            auto* list = new QComboBox(m_supplyBox);
            for (const Entry& entry : field.entries)
                list->addItem(QString::fromUtf8(entry.words), QString::fromLatin1(entry.key));
            list->setObjectName(objectNameOf("cmbSupply_", field.path));
            control = list;
        }
        addOwn(m_supplyBox, supply, field.path, QString::fromUtf8(field.caption), control);
    }
    auto* bus = new QCheckBox(QStringLiteral("Infinite bus on the primary"), m_supplyBox);
    bus->setObjectName(QStringLiteral("chkSupply_infinite_bus"));
    bus->setAccessibleName(bus->text());
    supply->addWidget(bus, supply->rowCount(), 1);
    m_own.push_back({"infinite_bus", bus->text(), bus, nullptr, false});
    connect(bus, &QCheckBox::clicked, this, [this, bus] {
        if (!m_filling) commitOwn("infinite_bus", bus);
    });
    supply->setColumnStretch(1, 1);

    m_boardBox = new QGroupBox(QStringLiteral("Board"), inputs);
    m_boardBox->setObjectName(QStringLiteral("grpBoard"));
    auto* board = new QGridLayout(m_boardBox);
    for (const auto& [path, caption] : kBoardFields) {
        auto* text = new QLineEdit(m_boardBox);
        text->setObjectName(objectNameOf("txtBoard_", path));
        // A move is its own edit (Edit ▸ Move to board…, or a drop in the tree).
        if (path == "fed_from") text->setReadOnly(true);
        addOwn(m_boardBox, board, path, QString::fromUtf8(caption), text);
    }
    m_feeder = new QCheckBox(QStringLiteral("Fed by a cable"), m_boardBox);
    m_feeder->setObjectName(QStringLiteral("chkBoardFeeder"));
    m_feeder->setAccessibleName(m_feeder->text());
    board->addWidget(m_feeder, board->rowCount(), 1);
    connect(m_feeder, &QCheckBox::clicked, this, [this](bool cable) {
        if (m_filling) return;
        if (auto refusal = m_document.setBoardFeeder(m_node, cable)) refuseAt(m_feeder, *refusal);
    });
    board->setColumnStretch(1, 1);
    m_inputs->insertWidget(0, m_supplyBox);
    m_inputs->insertWidget(1, m_boardBox);
}

void NodeCheckPane::showOwn(const project::NodeAnswer& node) {
    const project::Project& p = m_document.tree().project();
    const bool nec = p.code == "nec2023";
    const bool isSupply = node.kind == project::NodeKind::Supply;
    m_supplyBox->setVisible(isSupply);
    m_boardBox->setVisible(node.kind == project::NodeKind::Board);
    const auto put = [](QWidget* control, const QString& text) {
        FieldPanel::setText(control, text);
        control->setProperty(kShown, FieldPanel::textOf(control).c_str());
    };
    if (isSupply) {
        const project::Json supply = project::supplyJson(p.supply);
        const bool transformer = p.supply.transformer.has_value();
        m_source->setItemText(1, nec ? QStringLiteral("the available fault current")
                                     : QStringLiteral("Ze and the prospective fault current"));
        m_source->setCurrentIndex(transformer ? 0 : 1);
        for (const Own& own : m_own) {
            if (own.board || own.control == m_source) continue;
            const std::string_view path = own.path;
            bool shown = true;
            for (const SupplyField& field : kSupplyFields)
                if (field.path == path)
                    shown = field.under == Under::Both || (field.under == Under::Nec) == nec;
            if (path.starts_with("transformer/") || path == "infinite_bus")
                shown = shown && transformer;
            if (path.starts_with("source/")) shown = shown && p.supply.source.has_value();
            if (path == "available_fault_current") shown = shown && !transformer;
            // Ze and Ipf go together, and with a transformer only where the file gives them.
            if (path == "ze" || path == "ipf")
                shown = shown && (!transformer || p.supply.ze.has_value());
            own.control->setVisible(shown);
            if (own.label != nullptr) own.label->setVisible(shown);
            const std::size_t slash = path.find('/');
            const project::Json* value = nullptr;
            if (slash == std::string_view::npos) {
                const auto found = supply.find(std::string(path));
                if (found != supply.end()) value = &*found;
            } else if (const auto outer = supply.find(std::string(path.substr(0, slash)));
                       outer != supply.end()) {
                const auto found = outer->find(std::string(path.substr(slash + 1)));
                if (found != outer->end()) value = &*found;
            }
            put(own.control, value != nullptr
                                 ? QString::fromStdString(project::cableFieldText(*value))
                                 : QString());
        }
        return;
    }
    if (node.kind != project::NodeKind::Board) return;
    const auto at = boardIndex(p, node.id);
    if (!at) return;
    const project::Board& board = p.boards[*at];
    const auto number = [](const std::optional<double>& value) {
        return value ? QString::fromStdString(formatDouble(*value)) : QString();
    };
    const project::MotorLoad motors = board.motorLoad.value_or(project::MotorLoad{});
    for (const Own& own : m_own) {
        if (!own.board) continue;
        QString text;
        if (own.path == "id") text = QString::fromStdString(board.id);
        if (own.path == "fed_from") text = QString::fromStdString(board.fedFrom);
        if (own.path == "demand_factor") text = number(board.demandFactor);
        if (own.path == "breaking_capacity_ka") text = number(board.breakingCapacityKa);
        if (own.path == "motor_load/fla") text = number(motors.fla);
        if (own.path == "motor_load/percent") text = number(motors.percent);
        put(own.control, text);
    }
    m_feeder->setChecked(board.cable.has_value());
}

void NodeCheckPane::refuseAt(QWidget* control, const QString& reason) {
    // The text stays for the person to put right, where they typed it.
    control->setFocus(Qt::OtherFocusReason);
    emit refused(reason);
}

void NodeCheckPane::commitOwn(const std::string& path, QWidget* control) {
    const std::string text = FieldPanel::textOf(control);
    if (control->property(kShown).toString().toStdString() == text) return;
    const auto own = std::find_if(m_own.begin(), m_own.end(),
                                  [control](const Own& o) { return o.control == control; });
    const QString caption = own != m_own.end() ? own->caption : QString();
    const QString given = QString::fromStdString(text);
    std::optional<QString> refusal;
    if (control == m_source)
        refusal = m_document.setSupplySource(text == "transformer");
    else if (own != m_own.end() && !own->board)
        refusal = m_document.setSupplyField(path, given, caption);
    else if (path == "id") {
        refusal = m_document.renameBoard(m_node, given);
        if (!refusal) emit renamed(given.trimmed());
    } else
        refusal = m_document.setBoardField(m_node, path, given, caption);
    if (refusal) refuseAt(control, *refusal);
}

void NodeCheckPane::chainInputs() {
    // Tab goes from what comes before the pane through the inputs, as laid out, to the check.
    // Hidden inputs (the other node kinds') are passed over.
    QWidget* previous = m_before;
    for (const Own& own : m_own) {
        if (previous != nullptr) setTabOrder(previous, own.control);
        previous = own.control;
        if (own.path == "motor_load/percent") {
            setTabOrder(previous, m_feeder);
            previous = m_feeder;
        }
    }
    for (const FieldPanel::Input& input : m_fields->inputs()) {
        if (input.control == nullptr) continue;
        if (previous != nullptr) setTabOrder(previous, input.control);
        previous = input.control;
    }
    if (previous != nullptr) setTabOrder(previous, m_text);
}

void NodeCheckPane::showInputs(const project::NodeAnswer& node) {
    const project::InstallationTree& tree = m_document.tree();
    const project::Project& p = tree.project();
    const project::Cable* cable = nullptr;
    if (node.kind == project::NodeKind::Circuit) {
        const auto at = circuitIndex(p, node.id);
        if (!at) return m_scroll->hide();
        cable = &p.circuits[*at].cable;
    } else if (node.kind == project::NodeKind::Board) {
        const auto at = boardIndex(p, node.id);
        if (!at) return m_scroll->hide();
        if (p.boards[*at].cable) cable = &*p.boards[*at].cable;
    }
    buildFields();
    m_node = node.id;
    m_kind = node.kind;
    m_shown.clear();
    m_filling = true;
    showOwn(node);
    for (QGroupBox* group : m_fields->groups()) group->setVisible(cable != nullptr);
    if (cable != nullptr) {
        for (const FieldPanel::Input& input : m_fields->inputs()) {
            if (input.control == nullptr) continue;
            const std::string_view key = input.shown->key;
            std::string text(input.shown->defaultText);
            // A feeder's current left out is the loads' below it: shown empty.
            if (node.kind == project::NodeKind::Board && key == keys::kCurrent) text.clear();
            for (const auto& [name, value] : *cable)
                if (name == key) text = project::cableFieldText(value);
            if (!m_fields->isGiven(key)) FieldPanel::setText(input.control, qt(text));
            m_shown.insert_or_assign(std::string(key), FieldPanel::textOf(input.control));
        }
        const project::NodeAnswer& from = originOf(tree, node);
        const QString note = QStringLiteral("given by the tree at %1")
                                 .arg(&from == &tree.supply() ? QStringLiteral("the supply")
                                                              : QString::fromStdString(from.id));
        for (const auto& [key, text] : originTexts(from))
            if (m_fields->control(key) != nullptr) m_fields->setGiven(key, text, note);
    }
    m_filling = false;
    m_scroll->show();
}

bool NodeCheckPane::eventFilter(QObject* watched, QEvent* event) {
    // Escape puts back the text the project holds, as it drops a grid cell's editor: the way
    // out of a refused text.
    auto* text = qobject_cast<QLineEdit*>(watched);
    if (text == nullptr || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return QGroupBox::eventFilter(watched, event);
    if (const QVariant own = text->property(kShown); own.isValid()) {
        if (text->text() == own.toString()) return QGroupBox::eventFilter(watched, event);
        text->setText(own.toString());
        return true;
    }
    const auto shown = m_shown.find(text->objectName().toStdString());
    if (shown == m_shown.end() || text->isReadOnly() ||
        text->text() == QString::fromStdString(shown->second))
        return QGroupBox::eventFilter(watched, event);
    text->setText(QString::fromStdString(shown->second));
    return true;
}

void NodeCheckPane::commit(std::string_view key, QWidget* control) {
    if (m_fields == nullptr || m_fields->isGiven(key)) return;
    const std::string text = FieldPanel::textOf(control);
    const auto shown = m_shown.find(key);
    if (shown != m_shown.end() && shown->second == text) return;
    const QString given = QString::fromStdString(text);
    const auto refusal = m_kind == project::NodeKind::Board
                             ? m_document.setBoardField(m_node, "cable/" + std::string(key), given,
                                                        m_fields->captionOf(key))
                             : m_document.setCircuitField(m_node, key, given);
    if (refusal) refuseAt(control, *refusal);
}

void NodeCheckPane::showNode(const project::NodeAnswer* node) {
    if (node == nullptr) {
        m_scroll->hide();
        m_text->setPlainText(QStringLiteral("Choose a board or a circuit."));
        return;
    }
    showInputs(*node);
    const CircuitCode& code = m_document.tree().code();
    QString out = qt(project::nodeKindKey(node->kind)) + u' ' + QString::fromStdString(node->id);
    if (!node->fedFrom.empty())
        out += QStringLiteral(", fed from ") + QString::fromStdString(node->fedFrom);
    out += u'\n';
    if (node->refusal) {
        out += QStringLiteral("Refused: ") + qt(node->refusal->field) + u' ' +
               QString::fromStdString(node->refusal->reason) + u'\n';
    } else if (!node->reached) {
        out += QStringLiteral("Not reached: a node above it is refused.\n");
    } else if (node->checked == nullptr) {
        out += QStringLiteral("No cable: at the terminals of what feeds it.\n");
    }
    for (const project::NodeFail& fail : node->fails)
        out += QStringLiteral("Fails: ") + QString::fromStdString(fail.name) + u'\n';
    if (const std::string motors = project::motorFeederText(*node); !motors.empty())
        out += u'M' + QString::fromStdString(motors).mid(1) + u'\n';
    if (node->checked != nullptr && node->reached && !node->refusal) {
        const auto rows = code.rows();
        out += u'\n';
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].shape != RowShape::One) continue;
            const std::string value = node->checked->rowText(i);
            if (value.empty()) continue;
            out +=
                qt(rows[i].caption) + QStringLiteral(": ") + QString::fromStdString(value) + u'\n';
        }
        out += QStringLiteral("\nCalculation\n");
        node->checked->writeTrail(
            [&out](std::string_view step, std::string_view value, std::string_view source) {
                out += qt(step) + QStringLiteral(": ") + qt(value);
                if (!source.empty()) out += QStringLiteral(" (") + qt(source) + u')';
                out += u'\n';
            });
    }
    m_text->setPlainText(out);
}

}  // namespace ferrovolt
