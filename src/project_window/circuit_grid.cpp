// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/circuit_grid.h"

#include <algorithm>

#include "check/common_fields.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"
#include "project/project_file.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

// The inputs a designer changes most, before the code's installation columns.
constexpr std::string_view kFirstInputs[] = {keys::kCurrent, keys::kLength, keys::kFeet,
                                             keys::kPhase,   "pf",          keys::kSize};

// The failures the tree adds beside the code's criteria, each shown in its own column.
constexpr std::string_view kCumulativeDrop = "cumulative_voltage_drop";
constexpr std::string_view kBreakingCapacity = "breaking_capacity";

QString headerOf(const CheckField& field) {
    // Beside the answer's Size, the input's caption ("Check a given size") says too much.
    if (field.key == keys::kSize) return QStringLiteral("Given size");
    QString caption = qt(field.caption).remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    if (!field.unit.empty()) caption += QStringLiteral(" (") + qt(field.unit) + u')';
    return caption;
}

bool valued(const project::NodeAnswer& node) {
    return node.reached && !node.refusal && node.checked != nullptr;
}

}  // namespace

CircuitGrid::CircuitGrid(ProjectDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {
    makeColumns();
    connect(&document, &ProjectDocument::changed, this, &CircuitGrid::follow);
}

void CircuitGrid::makeColumns() {
    const CircuitCode& code = m_document.tree().code();
    m_codeKey = std::string(code.key());
    m_columns = {{Kind::Id, {}, QStringLiteral("Id")}};
    for (std::string_view key : kFirstInputs)
        if (const CheckField* field = code.field(key))
            m_columns.push_back({Kind::Input, key, headerOf(*field)});
    // The answers before the installation's columns, which are many and change least: the
    // consequence of an edit stays in view beside it.
    m_columns.push_back({Kind::Size, {}, QStringLiteral("Size")});
    m_columns.push_back({Kind::GovernedBy, {}, QStringLiteral("Governed by")});
    m_columns.push_back({Kind::Drop, {}, QStringLiteral("Drop from origin (%)")});
    m_columns.push_back({Kind::IscMax, {}, QStringLiteral("Max fault (A)")});
    m_columns.push_back({Kind::IscMin, {}, QStringLiteral("Min fault (A)")});
    if (m_codeKey == "iec60364") m_columns.push_back({Kind::Zs, {}, QStringLiteral("Zs (Ω)")});
    m_columns.push_back({Kind::Verdict, {}, QStringLiteral("Verdict")});
    for (const CheckField& field : code.fields())
        if (field.group == fields::kInstallationGroup &&
            std::find(std::begin(kFirstInputs), std::end(kFirstInputs), field.key) ==
                std::end(kFirstInputs))
            m_columns.push_back({Kind::Input, field.key, headerOf(field)});
}

void CircuitGrid::showBoard(const std::string& board) {
    beginResetModel();
    if (m_codeKey != m_document.tree().code().key()) makeColumns();
    m_board = board;
    m_circuits.clear();
    const auto& circuits = m_document.tree().project().circuits;
    for (std::size_t i = 0; i < circuits.size(); ++i)
        if (circuits[i].board == board) m_circuits.push_back(i);
    endResetModel();
}

void CircuitGrid::follow(bool structure) {
    if (structure) {
        // The board may be gone with another project; an empty grid then.
        const auto& boards = m_document.tree().project().boards;
        const bool kept = std::any_of(boards.begin(), boards.end(),
                                      [this](const project::Board& b) { return b.id == m_board; });
        showBoard(kept ? m_board : std::string());
        return;
    }
    // A change rechecks the board's feeder and so, often, every circuit on it: the rows' answers
    // are read again as they are painted.
    if (!m_circuits.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CircuitGrid::rowOf(std::string_view id) const {
    const auto& circuits = m_document.tree().project().circuits;
    for (std::size_t row = 0; row < m_circuits.size(); ++row)
        if (circuits[m_circuits[row]].id == id) return static_cast<int>(row);
    return -1;
}

const std::string& CircuitGrid::circuitAt(int row) const {
    return m_document.tree().project().circuits[m_circuits[static_cast<std::size_t>(row)]].id;
}

int CircuitGrid::columnOf(Kind kind, std::string_view key) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].kind == kind && m_columns[i].key == key) return static_cast<int>(i);
    return -1;
}

void CircuitGrid::setColours(const QColor& fail, const QColor& byDefault) {
    if (fail == m_failColour && byDefault == m_defaultColour) return;
    m_failColour = fail;
    m_defaultColour = byDefault;
    if (!m_circuits.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole});
}

int CircuitGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_circuits.size());
}

int CircuitGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString CircuitGrid::failureOf(const project::NodeAnswer& node, const Column& column) const {
    if (node.refusal) {
        const bool here = column.kind == Kind::Verdict ||
                          (column.kind == Kind::Input && column.key == node.refusal->field);
        return here ? qt(node.refusal->field) + QStringLiteral(" ") +
                          QString::fromStdString(node.refusal->reason)
                    : QString();
    }
    QStringList named;
    for (const project::NodeFail& fail : node.fails) {
        const bool cumulative = fail.key == kCumulativeDrop;
        const bool shown =
            column.kind == Kind::Verdict || (column.kind == Kind::Drop && cumulative) ||
            (column.kind == Kind::Size && !cumulative && fail.key != kBreakingCapacity);
        if (shown) named << QString::fromStdString(fail.name);
    }
    return named.join(QStringLiteral("; "));
}

QString CircuitGrid::textOf(int row, const Column& column) const {
    const project::InstallationTree& tree = m_document.tree();
    const project::Circuit& circuit =
        tree.project().circuits[m_circuits[static_cast<std::size_t>(row)]];
    if (column.kind == Kind::Id) return QString::fromStdString(circuit.id);
    if (column.kind == Kind::Input) {
        for (const auto& [key, value] : circuit.cable)
            if (key == column.key) return inputText(column, project::cableFieldText(value));
        return {};
    }
    const project::NodeAnswer* node = tree.circuit(circuit.id);
    if (node == nullptr) return {};
    if (column.kind == Kind::Verdict) {
        if (node->refusal) return QStringLiteral("refused");
        if (!node->reached) return QStringLiteral("not reached: a node above it is refused");
        return node->fails.empty() ? QStringLiteral("meets all") : QStringLiteral("fails");
    }
    if (!valued(*node)) return {};
    const CircuitCase& checked = *node->checked;
    switch (column.kind) {
        case Kind::Size:
            return qt(checked.sizeLabel());
        case Kind::GovernedBy: {
            const std::optional<std::size_t> governed = tree.code().rowIndex(keys::kGovernedBy);
            // The criterion's key in words: "voltage_drop" as "voltage drop".
            return governed
                       ? QString::fromStdString(checked.rowWords(*governed)).replace(u'_', u' ')
                       : QString();
        }
        case Kind::Drop:
            return QString::fromStdString(roundedNumberText(node->at.dropPercent, 2));
        case Kind::IscMax:
            return QString::fromStdString(roundedNumberText(node->at.iscMax, 0));
        case Kind::IscMin:
            return QString::fromStdString(roundedNumberText(node->at.iscMin, 0));
        case Kind::Zs:
            return QString::fromStdString(roundedNumberText(node->at.loopMin.magnitude(), 4));
        default:
            return {};
    }
}

QString CircuitGrid::inputText(const Column& column, const std::string& text) const {
    // A flag reads as the words the window shows for it ("ft", not "true").
    const CheckField* field = m_document.tree().code().field(column.key);
    if (field != nullptr && field->kind == InputKind::Flag)
        if (const std::optional<std::string_view> words = choiceWords(*field, text))
            return qt(*words);
    return QString::fromStdString(text);
}

QString CircuitGrid::defaultOf(const Column& column) const {
    const CheckField* field = m_document.tree().code().field(column.key);
    if (field == nullptr || field->defaultText.empty()) return {};
    return inputText(column, std::string(field->defaultText));
}

QVariant CircuitGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Column& column = m_columns[static_cast<std::size_t>(index.column())];
    if (role == Qt::EditRole) return textOf(index.row(), column);
    if (role != Qt::DisplayRole && role != Qt::ForegroundRole && role != Qt::ToolTipRole &&
        role != Qt::AccessibleDescriptionRole)
        return {};
    QString failure;
    if (column.kind != Kind::Id) {
        const project::NodeAnswer* node = m_document.tree().circuit(circuitAt(index.row()));
        if (node != nullptr) failure = failureOf(*node, column);
    }
    const QString text = textOf(index.row(), column);
    // An input left out shows the code's default, in the colour of a placeholder.
    const bool byDefault = text.isEmpty() && column.kind == Kind::Input && failure.isEmpty();
    switch (role) {
        case Qt::DisplayRole:
            if (byDefault) return defaultOf(column);
            return failure.isEmpty() ? text : QString(QChar(kFailSymbol)) + u' ' + text;
        case Qt::ForegroundRole:
            if (byDefault && !defaultOf(column).isEmpty()) return QVariant(m_defaultColour);
            return failure.isEmpty() ? QVariant() : QVariant(m_failColour);
        case Qt::ToolTipRole:
            if (byDefault && !defaultOf(column).isEmpty())
                return QStringLiteral("The code's default: ") + defaultOf(column);
            return failure.isEmpty() ? QVariant() : QVariant(QStringLiteral("Fails: ") + failure);
        default:  // the tool tip, and what a screen reader says of the cell
            return failure.isEmpty() ? QVariant() : QVariant(QStringLiteral("Fails: ") + failure);
    }
}

QVariant CircuitGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)  // as the project writes numbers, not by the locale
        return QString::fromStdString(formatDouble(section + 1));
    if (section < 0 || section >= columnCount()) return {};
    return m_columns[static_cast<std::size_t>(section)].header;
}

Qt::ItemFlags CircuitGrid::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Kind kind = m_columns[static_cast<std::size_t>(index.column())].kind;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return kind == Kind::Id || kind == Kind::Input ? flags | Qt::ItemIsEditable : flags;
}

bool CircuitGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const Column& column = m_columns[static_cast<std::size_t>(index.column())];
    if (column.kind != Kind::Id && column.kind != Kind::Input) return false;
    const std::string id = circuitAt(index.row());
    QString text = value.toString();
    std::optional<QString> refusal;
    if (column.kind == Kind::Id) {
        refusal = m_document.renameCircuit(id, text);
    } else {
        // A choice may be typed as the words the window shows for it ("ft" for feet).
        if (const CheckField* field = m_document.tree().code().field(column.key))
            for (const ChoiceText& entry : field->shown)
                if (text.trimmed().compare(qt(entry.shown), Qt::CaseInsensitive) == 0)
                    text = qt(entry.key);
        refusal = m_document.setCircuitField(id, column.key, text);
    }
    if (refusal) {
        emit refused(*refusal);
        return false;
    }
    return true;
}

}  // namespace ferrovolt
