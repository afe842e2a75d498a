// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/node_check_pane.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "check/origin.h"
#include "numtext/rounded_number.h"
#include "project/project_file.h"
#include "project_window/project_document.h"
#include "window_kit/access_letters.h"
#include "window_kit/field_panel.h"

namespace ferrovolt {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    const CircuitCode& code = m_document.tree().code();
    if (m_fields != nullptr && m_codeKey == code.key()) return;
    m_codeKey = std::string(code.key());
    if (m_fields != nullptr) {
        // Its boxes go, and the new code's come, with the next build.
        m_fields->build(code, m_inputs, 0, menuLetters());
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
    m_fields->build(code, m_inputs, 0, menuLetters());
    chainInputs();
}

void NodeCheckPane::chainInputs() {
    // Tab goes from what comes before the pane through the inputs, as laid out, to the check.
    QWidget* previous = m_before;
    for (const FieldPanel::Input& input : m_fields->inputs()) {
        if (input.control == nullptr) continue;
        if (previous != nullptr) setTabOrder(previous, input.control);
        previous = input.control;
    }
    if (previous != nullptr) setTabOrder(previous, m_text);
}

void NodeCheckPane::showInputs(const project::NodeAnswer& node) {
    const project::InstallationTree& tree = m_document.tree();
    const auto at = circuitIndex(tree.project(), node.id);
    if (!at) return m_scroll->hide();
    buildFields();
    m_circuit = node.id;
    m_shown.clear();
    const project::Circuit& circuit = tree.project().circuits[*at];
    m_filling = true;
    for (const FieldPanel::Input& input : m_fields->inputs()) {
        if (input.control == nullptr) continue;
        const std::string_view key = input.shown->key;
        std::string text(input.shown->defaultText);
        for (const auto& [name, value] : circuit.cable)
            if (name == key) text = project::cableFieldText(value);
        if (!m_fields->isGiven(key)) FieldPanel::setText(input.control, qtText(text));
        m_shown.insert_or_assign(std::string(key), FieldPanel::textOf(input.control));
    }
    const project::NodeAnswer& board = originOf(tree, node);
    const QString note = QStringLiteral("given by the tree at %1")
                             .arg(&board == &tree.supply() ? QStringLiteral("the supply")
                                                           : QString::fromStdString(board.id));
    for (const auto& [key, text] : originTexts(board))
        if (m_fields->control(key) != nullptr) m_fields->setGiven(key, text, note);
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
    if (auto refusal = m_document.setCircuitField(m_circuit, key, QString::fromStdString(text))) {
        // The text stays for the person to put right, where they typed it.
        control->setFocus(Qt::OtherFocusReason);
        emit refused(*refusal);
    }
}

void NodeCheckPane::showNode(const project::NodeAnswer* node) {
    if (node == nullptr) {
        m_scroll->hide();
        m_text->setPlainText(QStringLiteral("Choose a board or a circuit."));
        return;
    }
    if (node->kind == project::NodeKind::Circuit)
        showInputs(*node);
    else
        m_scroll->hide();
    const CircuitCode& code = m_document.tree().code();
    QString out =
        qtText(project::nodeKindKey(node->kind)) + u' ' + QString::fromStdString(node->id);
    if (!node->fedFrom.empty())
        out += QStringLiteral(", fed from ") + QString::fromStdString(node->fedFrom);
    out += u'\n';
    if (node->refusal) {
        out += QStringLiteral("Refused: ") + qtText(node->refusal->field) + u' ' +
               QString::fromStdString(node->refusal->reason) + u'\n';
    } else if (!node->reached) {
        out += QStringLiteral("Not reached: a node above it is refused.\n");
    } else if (node->checked == nullptr) {
        out += QStringLiteral("No cable: at the terminals of what feeds it.\n");
    }
    for (const project::NodeFail& fail : node->fails)
        out += QStringLiteral("Fails: ") + QString::fromStdString(fail.name) + u'\n';
    if (node->checked != nullptr && node->reached && !node->refusal) {
        const auto rows = code.rows();
        out += u'\n';
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].shape != RowShape::One) continue;
            const std::string value = node->checked->rowText(i);
            if (value.empty()) continue;
            out += qtText(rows[i].caption) + QStringLiteral(": ") + QString::fromStdString(value) +
                   u'\n';
        }
        out += QStringLiteral("\nCalculation\n");
        node->checked->writeTrail(
            [&out](std::string_view step, std::string_view value, std::string_view source) {
                out += qtText(step) + QStringLiteral(": ") + qtText(value);
                if (!source.empty()) out += QStringLiteral(" (") + qtText(source) + u')';
                out += u'\n';
            });
    }
    m_text->setPlainText(out);
}

}  // namespace ferrovolt
