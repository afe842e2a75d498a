// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/node_check_pane.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace ferrovolt {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

NodeCheckPane::NodeCheckPane(QWidget* parent)
    : QGroupBox(QStringLiteral("Check of the selected node"), parent),
      m_text(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("grpNodeCheck"));
    m_text->setObjectName(QStringLiteral("txtNodeCheck"));
    m_text->setAccessibleName(QStringLiteral("Check of the selected node"));
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
}

QString NodeCheckPane::text() const {
    return m_text->toPlainText();
}

void NodeCheckPane::showNode(const project::NodeAnswer* node, const CircuitCode& code) {
    if (node == nullptr) {
        m_text->setPlainText(QStringLiteral("Choose a board or a circuit."));
        return;
    }
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
