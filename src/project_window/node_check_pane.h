// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole check of the node chosen in the tree or the grid: its answer rows and its
// calculation, read-only. It stands where the Circuit Check window's own inputs panel will
// go once that panel is shared (the same code-driven panel, not a copy); until then the node
// is edited in the grid.

#include <QGroupBox>

#include "project/project_engine.h"

class QTextBrowser;

namespace ferrovolt {

class NodeCheckPane : public QGroupBox {
    Q_OBJECT
public:
    explicit NodeCheckPane(QWidget* parent);

    // The node's rows and trail; with no node, what to choose.
    void showNode(const project::NodeAnswer* node, const CircuitCode& code);
    QString text() const;

private:
    QTextBrowser* m_text;
};

}  // namespace ferrovolt
