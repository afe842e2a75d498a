// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole check of the node chosen in the tree or the grid. A cable shows its inputs in the
// same code-driven panel as the Circuit Check window, its origin's inputs as given by the
// tree, and beside them its answer rows and its calculation. The supply shows its own fields;
// a board its own and, when a cable feeds it, that feeder's inputs in the same panel as a
// circuit's. An input changed here is an edit of the project like a grid cell's: one undo
// step, refused with the reason when the field does not take it.

#include <QGroupBox>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "project/project_engine.h"
#include "project/project_tree.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QScrollArea;
class QTextBrowser;
class QVBoxLayout;

namespace ferrovolt {

class FieldPanel;
class ProjectDocument;

// What the tree gives a cable of `board` (the node it leaves) in place of the inputs a person
// types (check/origin.h), by key: the larger maximum fault current there (three-phase with
// the motors' part, or line to earth), and the loop impedance above it as Ze. Empty texts
// where the board has no values. The check takes them only where the cable asks for them: the
// fault current with a clearing time, Ze with an earthing system.
std::vector<std::pair<std::string, QString>> originTexts(const project::NodeAnswer& board);
// The node a circuit's cable leaves: its board, or the supply.
const project::NodeAnswer& originOf(const project::InstallationTree& tree,
                                    const project::NodeAnswer& circuit);

class NodeCheckPane : public QGroupBox {
    Q_OBJECT
public:
    NodeCheckPane(ProjectDocument& document, QWidget* parent);

    // The node's inputs (a cable's), rows and trail; with no node, what to choose.
    void showNode(const project::NodeAnswer* node);
    QString text() const;
    // The panel of a cable's inputs; null before the first cable is shown.
    const FieldPanel* fields() const { return m_fields; }
    // The widget Tab leaves for the pane's first input.
    void setTabAfter(QWidget* before) { m_before = before; }

signals:
    // An input's text the field does not take, with the reason; nothing changed.
    void refused(const QString& reason);
    // The board shown was renamed: it stays the node chosen under its new id.
    void renamed(const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    // The supply's and a board's own fields, made once.
    void buildOwn();
    void addOwn(QGroupBox* box, QGridLayout* grid, std::string_view path, const QString& caption,
                QWidget* control);
    void showOwn(const project::NodeAnswer& node);
    // The text of an own field, as a person left it, made an edit of the project.
    void commitOwn(const std::string& path, QWidget* control);
    void refuseAt(QWidget* control, const QString& reason);
    QList<QChar> menuLetters() const;
    void chainInputs();
    void showInputs(const project::NodeAnswer& node);
    // The text of the input of `key`, as a person left it, made an edit of the project.
    void commit(std::string_view key, QWidget* control);

    ProjectDocument& m_document;
    QScrollArea* m_scroll;
    QVBoxLayout* m_inputs;
    QTextBrowser* m_text;
    FieldPanel* m_fields = nullptr;
    QWidget* m_before = nullptr;
    std::string m_codeKey;  // the code the panel was built for
    std::string m_node;     // whose inputs are shown
    project::NodeKind m_kind = project::NodeKind::Circuit;
    QGroupBox* m_supplyBox = nullptr;
    QGroupBox* m_boardBox = nullptr;
    struct Own {
        std::string path;  // "volts", "transformer/kva"; "id", "demand_factor" of a board
        QString caption;
        QWidget* control;
        QLabel* label;
        bool board;
    };
    std::vector<Own> m_own;
    QComboBox* m_source = nullptr;  // the supply's fault current: a transformer's or known
    QCheckBox* m_feeder = nullptr;  // a board fed by a cable
    std::map<std::string, std::string, std::less<>> m_shown;  // its texts, by key
    bool m_filling = false;
};

}  // namespace ferrovolt
