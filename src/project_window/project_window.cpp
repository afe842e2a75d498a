// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/project_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "circuit_window/circuit_window.h"
#include "circuit_window/circuit_window_host.h"
#include "cli/project_command.h"
#include "cli/project_import.h"
#include "codes/code_registry.h"
#include "numtext/date_text.h"
#include "numtext/number_text.h"
#include "pictures.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project_report/project_report.h"
#include "project_window/circuit_grid.h"
#include "project_window/node_check_pane.h"
#include "project_window/recent_projects.h"
#include "services/system_services.h"
#include "window_kit/kit_accessibility.h"
#include "window_kit/sheet_pages.h"
#include "window_kit/status_line.h"
#include "window_kit/text_tone.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

constexpr int kIdRole = Qt::UserRole + 1;

constexpr char kFileFilter[] = "Ferrovolt projects (*.fvproj)";
constexpr char kScheduleFilter[] = "CSV schedules (*.csv)";
constexpr int kAutosaveMs = 30'000;

// The grid's editor hands its text over on Enter and Tab itself, so that a text the field
// does not take keeps the editor open, with the focus, until it is put right or Escape drops
// it. Enter moves down a row, as in a spreadsheet.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(QTableView* view) : QStyledItemDelegate(view), m_view(view) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (editor == nullptr || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (!enter && key != Qt::Key_Tab && key != Qt::Key_Backtab)
            return QStyledItemDelegate::eventFilter(object, event);
        const QModelIndex at = m_view->currentIndex();
        const int row = at.row(), column = at.column();
        if (!m_view->model()->setData(at, editor->text(), Qt::EditRole)) return true;
        // A renamed circuit makes the grid anew, which has let the editor go already.
        const bool kept = editor->isVisible();
        if (!kept) {
            m_view->setFocus(Qt::OtherFocusReason);
            m_view->setCurrentIndex(m_view->model()->index(row, column));
        }
        if (!enter) {
            if (!kept) {
                const int next = column + (key == Qt::Key_Tab ? 1 : -1);
                if (next >= 0 && next < m_view->model()->columnCount())
                    m_view->setCurrentIndex(m_view->model()->index(row, next));
                return true;
            }
            emit closeEditor(editor, key == Qt::Key_Tab ? EditNextItem : EditPreviousItem);
            return true;
        }
        if (kept) emit closeEditor(editor, NoHint);
        const int below = std::min(row + 1, m_view->model()->rowCount() - 1);
        if (below >= 0) m_view->setCurrentIndex(m_view->model()->index(below, column));
        return true;
    }

private:
    QTableView* m_view;
};

// When a recovery file was written, as the sheets write a date, with the time of day.
QString savedText(const QDateTime& saved) {
    const QDate day = saved.date();
    const QTime time = saved.time();
    std::string text = isoDateText(day.year(), day.month(), day.day());
    for (const int part : {time.hour(), time.minute(), time.second()}) {
        text += text.size() == 10 ? ' ' : ':';
        if (part < 10) text += '0';
        text += std::to_string(part);
    }
    return QString::fromStdString(text);
}

constexpr char kNodeMime[] = "application/x-ferrovolt-node";

QStandardItem* nodeItem(const QString& text, const QString& id, bool board) {
    auto* item = new QStandardItem(text);
    item->setData(id, kIdRole);
    item->setEditable(false);
    // A board or a circuit is dragged onto a board (or a board onto the supply).
    item->setDragEnabled(id != QStringLiteral("supply"));
    item->setDropEnabled(board);
    return item;
}

// The tree's model: a node dragged carries its id, and a drop hands the move to the window
// once the view is done with the event, so that the tree is made anew outside it. The model
// itself never moves an item: the tree follows the project.
class NodeTreeModel : public QStandardItemModel {
public:
    NodeTreeModel(QObject* parent, std::function<void(const QString&, const QString&)> drop)
        : QStandardItemModel(parent), m_drop(std::move(drop)) {}

    QStringList mimeTypes() const override { return {QString::fromLatin1(kNodeMime)}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override {
        if (indexes.isEmpty()) return nullptr;
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kNodeMime),
                      indexes.front().data(kIdRole).toString().toUtf8());
        return data;
    }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool dropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                      const QModelIndex& parent) override {
        if (data == nullptr || !data->hasFormat(QString::fromLatin1(kNodeMime)) ||
            !parent.isValid())
            return false;
        const QString id = QString::fromUtf8(data->data(QString::fromLatin1(kNodeMime)));
        const QString onto = parent.data(kIdRole).toString();
        QTimer::singleShot(0, this, [this, id, onto] { m_drop(id, onto); });
        return false;  // nothing for the view to remove
    }

private:
    std::function<void(const QString&, const QString&)> m_drop;
};

}  // namespace

ProjectWindow::ProjectWindow(SystemServices* services, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_document(new ProjectDocument(this)),
      m_tree(new QTreeView(this)),
      m_treeModel(new NodeTreeModel(
          this, [this](const QString& id, const QString& onto) { moveNode(id, onto); })),
      m_grid(new QTableView(this)),
      m_gridModel(new CircuitGrid(*m_document, this)),
      m_pane(new NodeCheckPane(*m_document, this)),
      m_status(new StatusLine(this)),
      m_failures(new StatusLine(this)),
      m_autosave(new QTimer(this)),
      m_circuits(new CircuitWindowHost(this)) {
    installKitAccessibility();
    setObjectName(QStringLiteral("ProjectWindow"));
    setWindowIcon(programIcon());

    m_tree->setObjectName(QStringLiteral("treeInstallation"));
    m_tree->setAccessibleName(QStringLiteral("Installation"));
    m_tree->setModel(m_treeModel);
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setDragDropMode(QAbstractItemView::DragDrop);
    m_tree->setDefaultDropAction(Qt::MoveAction);
    m_tree->setDropIndicatorShown(true);

    m_grid->setObjectName(QStringLiteral("gridCircuits"));
    m_grid->setAccessibleName(QStringLiteral("Circuits of the board"));
    m_grid->setModel(m_gridModel);
    m_grid->setItemDelegate(new CellDelegate(m_grid));
    // Rows are chosen together to be copied; an edit acts on the current cell alone.
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setTabKeyNavigation(true);
    // Columns fit their texts when a board is shown, not at each edit: a width that followed
    // every answer would make the grid jump, and cost each edit a pass over the rows.
    connect(m_gridModel, &QAbstractItemModel::modelReset, m_grid,
            &QTableView::resizeColumnsToContents);
    followPalette(m_grid, [this] {
        const QColor base = m_grid->palette().color(QPalette::Base);
        m_failColour = toneColour(TextTone::Error, base);
        m_gridModel->setColours(
            m_failColour, readableColour(m_grid->palette().color(QPalette::PlaceholderText), base));
    });

    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_failures->setObjectName(QStringLiteral("lblFailures"));

    auto* right = new QSplitter(Qt::Vertical, this);
    right->setObjectName(QStringLiteral("splitRight"));
    right->addWidget(m_grid);
    right->addWidget(m_pane);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->setObjectName(QStringLiteral("splitPanes"));
    panes->addWidget(m_tree);
    panes->addWidget(right);
    panes->setStretchFactor(0, 1);
    panes->setStretchFactor(1, 4);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(panes, 1);
    layout->addWidget(m_failures);
    layout->addWidget(m_status);
    setCentralWidget(central);
    setTabOrder(m_tree, m_grid);
    setTabOrder(m_grid, m_pane->findChild<QWidget*>(QStringLiteral("txtNodeCheck")));
    m_pane->setTabAfter(m_grid);

    buildMenus();
    connect(m_gridModel, &CircuitGrid::refused, this, &ProjectWindow::refuse);
    connect(m_pane, &NodeCheckPane::refused, this, &ProjectWindow::refuse);
    connect(m_pane, &NodeCheckPane::renamed, this, &ProjectWindow::selectNode);
    connect(m_document, &ProjectDocument::changed, this, &ProjectWindow::followChange);
    connect(m_document, &ProjectDocument::fileChanged, this, &ProjectWindow::updateTitle);
    connect(&m_document->undoStack(), &QUndoStack::cleanChanged, this, &ProjectWindow::updateTitle);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(kAutosaveMs);
    connect(m_autosave, &QTimer::timeout, this, &ProjectWindow::autosave);
    // After each step (made, undone or redone): the unsaved work to the recovery file, at once
    // when a node came or went.
    connect(&m_document->undoStack(), &QUndoStack::indexChanged, this, [this] {
        const bool structure = std::exchange(m_structureChanged, false);
        if (!m_document->modified()) return;
        if (structure)
            autosave();
        else if (!m_autosave->isActive())
            m_autosave->start();
    });
    // Saved, or undone back to the saved state: there is nothing to recover.
    connect(&m_document->undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!clean) return;
        m_autosave->stop();
        m_recovery.remove();
    });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                m_selected = current.data(kIdRole).toString();
                showSelection();
            });
    // A node chosen by assistive technology (its row selected through the table interface)
    // is selected without being made current: it is shown as a click would show it.
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (selected.indexes().isEmpty()) return;
                const QModelIndex chosen = selected.indexes().front();
                if (chosen != m_tree->currentIndex())
                    m_tree->selectionModel()->setCurrentIndex(chosen,
                                                              QItemSelectionModel::NoUpdate);
            });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;
                m_pane->showNode(m_document->tree().circuit(m_gridModel->circuitAt(current.row())));
            });
    // A Circuit Check opened from here adds its circuit here.
    connect(m_circuits, &CircuitWindowHost::created, this, [this](CircuitWindow* window) {
        connect(window, &CircuitWindow::addToProjectRequested, this,
                [this, window] { addCircuitFromCheck(*window); });
    });
    followChange(true);
    updateTitle();
    panes->setSizes({220, 980});
    right->setSizes({420, 280});
}

QSize ProjectWindow::sizeHint() const {
    // Room for a board's circuits with their inputs and answers; placeWindow keeps it within
    // the screen's work area.
    return QSize(1200, 700);
}

ProjectWindow::~ProjectWindow() {
    // The document goes with the window's children, after its members: its undo stack, as it
    // clears, must not call back into them. A window that goes without being closed keeps its
    // recovery file (the program ended with its work unsaved).
    m_document->undoStack().disconnect(this);
}

void ProjectWindow::buildMenus() {
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [this](QMenu* menu, const char* name, const QString& text,
                            const QList<QKeySequence>& keys, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, "actNew", QStringLiteral("&New"), {QKeySequence::New}, [this] {
        if (keepOrSave()) newProject(m_document->tree().code().key());
    });
    // A new project under another code than the one open.
    for (const CircuitCode* code : circuitCodes()) {
        const std::string_view key = code->key();
        QAction* action = file->addAction(QStringLiteral("New under %1").arg(qt(code->name())));
        action->setObjectName(QStringLiteral("actNew_") + qt(key));
        connect(action, &QAction::triggered, this, [this, key] {
            if (keepOrSave()) newProject(key);
        });
    }
    add(file, "actOpen", QStringLiteral("&Open…"), {QKeySequence::Open}, [this] {
        if (keepOrSave()) openChosen();
    });
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecent(recent); });
    fillRecent(recent);
    add(file, "actSave", QStringLiteral("&Save"), {QKeySequence::Save}, [this] { save(); });
    add(file, "actSaveAs", QStringLiteral("Save &As…"), {QKeySequence::SaveAs},
        [this] { saveAs(); });
    file->addSeparator();
    add(file, "actExportReport", QStringLiteral("&Export report…"), {},
        [this] { exportReportChosen(); });
    add(file, "actImportSchedule", QStringLiteral("&Import schedule…"), {},
        [this] { importChosen(); });
    add(file, "actExportSchedule", QStringLiteral("E&xport schedule…"), {},
        [this] { exportScheduleChosen(); });
    file->addSeparator();
    add(file, "actClose", QStringLiteral("&Close"), {QKeySequence::Close}, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* undo = m_document->undoStack().createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_document->undoStack().createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    // Insert and Delete act on the grid alone: in the tree or an editor they keep their own
    // meaning.
    QAction* insert = add(edit, "actInsertRow", QStringLiteral("&Insert circuit"),
                          {QKeySequence(Qt::Key_Insert)}, [this] { insertRow(); });
    QAction* remove = add(edit, "actDeleteRow", QStringLiteral("&Delete circuit"),
                          {QKeySequence(Qt::Key_Delete)}, [this] { deleteRow(); });
    QAction* copy = add(edit, "actCopyRows", QStringLiteral("&Copy circuits"), {QKeySequence::Copy},
                        [this] { copySelectedRows(); });
    QAction* paste = add(edit, "actPasteRows", QStringLiteral("&Paste circuits"),
                         {QKeySequence::Paste}, [this] { pasteClipboardRows(); });
    for (QAction* action : {insert, remove, copy, paste}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        m_grid->addAction(action);
    }
    edit->addSeparator();
    // The tree's own edits: a node added under the one chosen, deleted, moved.
    add(edit, "actAddBoard", QStringLiteral("&Add board"), {QKeySequence(Qt::CTRL | Qt::Key_B)},
        [this] { addBoard(); });
    add(edit, "actAddCircuit", QStringLiteral("Add circui&t"), {QKeySequence(Qt::CTRL | Qt::Key_I)},
        [this] { addCircuit(); });
    QAction* deleteNode = add(edit, "actDeleteNode", QStringLiteral("Delete &node"),
                              {QKeySequence(Qt::Key_Delete)}, [this] { this->deleteNode(); });
    deleteNode->setShortcutContext(Qt::WidgetShortcut);
    m_tree->addAction(deleteNode);
    add(edit, "actMoveNode", QStringLiteral("&Move to board…"),
        {QKeySequence(Qt::CTRL | Qt::Key_M)}, [this] { moveChosen(); });
    edit->addSeparator();
    add(edit, "actCopyDiagram", QStringLiteral("Copy dia&gram"), {}, [this] { copyDiagram(); });
    edit->addSeparator();
    QAction* send = add(edit, "actSendToCircuitCheck", QStringLiteral("Send to Circuit C&heck"), {},
                        [this] { sendToCircuitCheck(); });
    m_grid->addAction(send);
    // The grid's own actions are its context menu.
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ProjectWindow::rebuildTree() {
    const project::Project& p = m_document->tree().project();
    m_treeModel->clear();
    std::map<std::string, std::vector<const project::Board*>> boards;
    std::map<std::string, std::vector<const project::Circuit*>> circuits;
    for (const project::Board& b : p.boards) boards[b.fedFrom].push_back(&b);
    for (const project::Circuit& c : p.circuits) circuits[c.board].push_back(&c);
    QStandardItem* supply = nodeItem(QStringLiteral("Supply"), QStringLiteral("supply"), true);
    m_treeModel->appendRow(supply);
    // Depth first, as the tree is walked: each board's circuits, then the boards it feeds.
    std::vector<std::pair<QStandardItem*, std::string>> walk{{supply, "supply"}};
    while (!walk.empty()) {
        auto [item, id] = walk.back();
        walk.pop_back();
        for (const project::Circuit* c : circuits[id]) {
            const QString circuitId = QString::fromStdString(c->id);
            item->appendRow(nodeItem(circuitId, circuitId, false));
        }
        const auto& fed = boards[id];
        for (auto it = fed.rbegin(); it != fed.rend(); ++it) {
            const QString boardId = QString::fromStdString((*it)->id);
            QStandardItem* child = nodeItem(QStringLiteral("Board ") + boardId, boardId, true);
            item->insertRow(static_cast<int>(circuits[id].size()), child);
            walk.emplace_back(child, (*it)->id);
        }
    }
    m_items.clear();
    const std::function<void(QStandardItem*)> index = [this, &index](QStandardItem* item) {
        m_items[item->data(kIdRole).toString().toStdString()] = item;
        markItem(item);
        for (int row = 0; row < item->rowCount(); ++row) index(item->child(row));
    };
    index(supply);
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
}

void ProjectWindow::markItem(QStandardItem* item) {
    const std::string id = item->data(kIdRole).toString().toStdString();
    const project::InstallationTree& tree = m_document->tree();
    const project::NodeAnswer* node = tree.circuit(id);
    const bool circuit = node != nullptr;
    if (node == nullptr) node = tree.board(id);
    if (node == nullptr) return;
    const QString label = QString::fromStdString(id);
    const QString shown = circuit ? label : QStringLiteral("Board ") + label;
    QStringList failures;
    if (node->refusal)
        failures << QStringLiteral("refused: ") + qt(node->refusal->field) + u' ' +
                        QString::fromStdString(node->refusal->reason);
    for (const project::NodeFail& fail : node->fails) failures << QString::fromStdString(fail.name);
    // Marked as the grid marks a failing cell: colour, symbol and tip. An item is set only
    // where it changes: a change rechecks a thousand nodes whose marks mostly stay.
    const QString text =
        failures.isEmpty() ? shown : QString(QChar(CircuitGrid::kFailSymbol)) + u' ' + shown;
    const QString tip = failures.isEmpty()
                            ? QString()
                            : QStringLiteral("Fails: ") + failures.join(QStringLiteral("; "));
    if (item->text() == text && item->toolTip() == tip) return;
    item->setText(text);
    item->setToolTip(tip);
    if (failures.isEmpty())
        item->setData(QVariant(), Qt::ForegroundRole);
    else
        item->setForeground(m_failColour);
}

void ProjectWindow::followChange(bool structure) {
    m_structureChanged = m_structureChanged || structure;
    if (!structure)
        for (const std::string& id : m_document->tree().rechecked())
            if (const auto found = m_items.find(id); found != m_items.end())
                markItem(found->second);
    if (structure) {
        const QModelIndex cell = m_grid->currentIndex();
        // The node chosen stays chosen; a deleted one gives way to its board, then the supply.
        // (Taken before the tree is made anew, which chooses nothing for a moment.)
        const QString selected = m_selected;
        const QString board = QString::fromStdString(m_gridModel->board());
        rebuildTree();
        for (const QString& id : {selected, board, QStringLiteral("supply")})
            if (!id.isEmpty() && m_treeModel
                                         ->match(m_treeModel->index(0, 0), kIdRole, id, 1,
                                                 Qt::MatchExactly | Qt::MatchRecursive)
                                         .size() == 1) {
                selectNode(id);
                break;
            }
        if (cell.isValid() && m_gridModel->rowCount() > 0)
            m_grid->setCurrentIndex(m_gridModel->index(
                std::min(cell.row(), m_gridModel->rowCount() - 1), cell.column()));
    }
    showPane();
    showSummary();
}

void ProjectWindow::selectNode(const QString& id) {
    const QModelIndexList found = m_treeModel->match(m_treeModel->index(0, 0), kIdRole, id, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) return;
    m_tree->setCurrentIndex(found.first());
    m_tree->scrollTo(found.first());
}

void ProjectWindow::showSelection() {
    const project::InstallationTree& tree = m_document->tree();
    std::string board;
    const std::string id = m_selected.toStdString();
    const project::NodeAnswer* circuit = tree.circuit(id);
    if (circuit != nullptr)
        board = circuit->fedFrom;
    else if (tree.board(id) != nullptr)
        board = id;
    if (board != m_gridModel->board() || m_gridModel->rowCount() == 0)
        m_gridModel->showBoard(board);
    if (circuit != nullptr) {
        const int row = m_gridModel->rowOf(id);
        const int column = std::max(m_grid->currentIndex().column(), 0);
        if (row >= 0) m_grid->setCurrentIndex(m_gridModel->index(row, column));
    } else {
        // The board or the supply chosen is the node whose check the pane shows.
        m_grid->selectionModel()->clearCurrentIndex();
    }
    showPane();
}

void ProjectWindow::showPane() {
    const project::InstallationTree& tree = m_document->tree();
    const QModelIndex cell = m_grid->currentIndex();
    const project::NodeAnswer* node = nullptr;
    if (cell.isValid() && cell.row() < m_gridModel->rowCount())
        node = tree.circuit(m_gridModel->circuitAt(cell.row()));
    else if (m_selected == QStringLiteral("supply"))
        node = &tree.supply();
    else if (!m_selected.isEmpty())
        node = tree.board(m_selected.toStdString());
    m_pane->showNode(node);
}

void ProjectWindow::showSummary() {
    std::size_t failing = 0, nodes = 0;
    std::map<std::string, std::pair<std::size_t, std::string>> byCriterion;
    for (const project::NodeAnswer* node : m_document->tree().nodes()) {
        ++nodes;
        if (node->refusal) {
            ++failing;
            auto& [count, name] = byCriterion["refused"];
            ++count;
            name = "refused";
        } else if (!node->fails.empty()) {
            ++failing;
            for (const project::NodeFail& fail : node->fails) {
                auto& [count, name] = byCriterion[fail.key];
                ++count;
                name = fail.name;
            }
        }
    }
    if (failing == 0) {
        showFailures(QStringLiteral("Every node meets every criterion."));
        setTextTone(m_failures, std::nullopt);
        return;
    }
    const auto most = std::max_element(
        byCriterion.begin(), byCriterion.end(),
        [](const auto& a, const auto& b) { return a.second.first < b.second.first; });
    const auto count = [](std::size_t n) {
        return QString::fromStdString(formatDouble(static_cast<double>(n)));
    };
    showFailures(QStringLiteral("%1 of %2 nodes fail; most often (%3): %4")
                     .arg(count(failing), count(nodes), count(most->second.first),
                          QString::fromStdString(most->second.second)));
    setTextTone(m_failures, TextTone::Warning);
}

void ProjectWindow::showFailures(const QString& text) {
    // Said to a screen reader when it changes, not at every edit that leaves it as it was.
    if (m_failures->text() != text) m_failures->announce(text);
}

void ProjectWindow::updateTitle() {
    const QString path = m_document->path();
    const QString name = path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
    setWindowTitle(name + (m_document->modified() ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" — Project"));
}

QString ProjectWindow::statusText() const {
    return m_status->text();
}

void ProjectWindow::refuse(const QString& reason) {
    if (m_services != nullptr)
        m_services->beep();
    else
        QApplication::beep();
    m_status->announce(reason);
}

std::optional<QString> ProjectWindow::openFile(const QString& path) {
    if (auto refusal = m_document->open(path)) {
        const QString message = QStringLiteral("Could not open %1: %2").arg(path, *refusal);
        m_status->announce(message);
        return message;
    }
    recent_projects::add(path);
    m_status->announce(QStringLiteral("Opened %1.").arg(path));
    return std::nullopt;
}

std::optional<QString> ProjectWindow::saveFile(const QString& path) {
    if (auto refusal = m_document->saveAs(path)) {
        const QString message = QStringLiteral("Could not save %1: %2").arg(path, *refusal);
        m_status->announce(message);
        return message;
    }
    recent_projects::add(path);
    m_status->announce(QStringLiteral("Saved %1.").arg(path));
    return std::nullopt;
}

void ProjectWindow::newProject(std::string_view codeKey) {
    m_selected.clear();
    m_document->reset(codeKey);
    // Its main board, ready for the first circuit (Insert).
    selectNode(QString::fromStdString(m_document->tree().project().boards.front().id));
    m_status->announce(QStringLiteral("A new project."));
}

void ProjectWindow::fillRecent(QMenu* menu) {
    menu->clear();
    const QStringList paths = recent_projects::list();
    for (int i = 0; i < paths.size(); ++i) {
        // Numbered as the keys that choose them: &1 to &8.
        QAction* action = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
        action->setObjectName(QStringLiteral("actRecent%1").arg(i + 1));
        action->setToolTip(paths[i]);
        action->setStatusTip(paths[i]);
        connect(action, &QAction::triggered, this, [this, path = paths[i]] {
            if (auto refusal = openRecent(path))
                QMessageBox::warning(this, QStringLiteral("Open a recent project"), *refusal);
        });
    }
    menu->setEnabled(!paths.isEmpty());
}

std::optional<QString> ProjectWindow::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_projects::remove(path);
        const QString message =
            QStringLiteral("%1 is no longer there: taken off the recent projects.").arg(path);
        refuse(message);
        return message;
    }
    if (!keepOrSave()) return std::nullopt;
    return openFile(path);
}

void ProjectWindow::openChosen() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open a project"), {},
                                                      QString::fromLatin1(kFileFilter));
    if (path.isEmpty()) return;
    if (auto refusal = openFile(path))
        QMessageBox::warning(this, QStringLiteral("Open a project"), *refusal);
}

bool ProjectWindow::save() {
    if (m_document->path().isEmpty()) return saveAs();
    if (auto refusal = saveFile(m_document->path())) {
        QMessageBox::warning(this, QStringLiteral("Save the project"), *refusal);
        return false;
    }
    return true;
}

bool ProjectWindow::saveAs() {
    QString path = askSavePath();
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".fvproj"))) path += QStringLiteral(".fvproj");
    if (auto refusal = saveFile(path)) {
        QMessageBox::warning(this, QStringLiteral("Save the project"), *refusal);
        return false;
    }
    return true;
}

QString ProjectWindow::askSavePath() {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save the project as"),
                                        m_document->path(), QString::fromLatin1(kFileFilter));
}

void ProjectWindow::exportReportChosen() {
    const QString name = m_document->path().isEmpty()
                             ? QStringLiteral("project report")
                             : QFileInfo(m_document->path()).completeBaseName();
    // The paper is the file type chosen, as every window's PDF save asks it.
    const QString path = askSheetPath(this, name);
    if (path.isEmpty()) return;
    if (exportReport(path, rememberedPaper()) == package::ReportEnd::Failed)
        QMessageBox::warning(this, QStringLiteral("Export the report"), statusText());
}

package::ReportEnd ProjectWindow::exportReport(const QString& path, Paper paper) {
    QProgressDialog progress(QStringLiteral("Writing the report…"), QStringLiteral("Cancel"), 0, 0,
                             this);
    progress.setObjectName(QStringLiteral("dlgReportProgress"));
    progress.setWindowTitle(QStringLiteral("Export the report"));
    // Modal to the window, so that the project stays as it is while its pages are drawn.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QApplication::processEvents();
    const project::Project& project = m_document->tree().project();
    const project::ProjectAnswer answer = project::checkProject(project);
    package::ReportSettings settings;
    settings.paper = paper;
    settings.date = QDate::currentDate();
    // Each page drawn hands the event loop its turn: the window repaints and Cancel is heard.
    const package::ReportOutcome outcome = package::writeProjectReport(
        project, answer, settings, path, [&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.reset();
    switch (outcome.end) {
        case package::ReportEnd::Written:
            m_status->announce(QStringLiteral("Wrote the report to %1 (%2 pages).")
                                   .arg(path, QString::fromStdString(formatDouble(
                                                  static_cast<double>(outcome.pages)))));
            break;
        case package::ReportEnd::Cancelled:
            m_status->announce(QStringLiteral("The report was cancelled; no file was written."));
            break;
        case package::ReportEnd::Failed:
            m_status->announce(QStringLiteral("Could not write %1: %2").arg(path, outcome.reason));
            break;
    }
    return outcome.end;
}

QMessageBox::StandardButton ProjectWindow::askToSave() {
    return QMessageBox::question(
        this, QStringLiteral("Unsaved changes"),
        QStringLiteral("Save the changes to %1?")
            .arg(m_document->path().isEmpty() ? QStringLiteral("the new project")
                                              : QFileInfo(m_document->path()).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

bool ProjectWindow::keepOrSave() {
    if (!m_document->modified()) return true;
    switch (askToSave()) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void ProjectWindow::closeEvent(QCloseEvent* event) {
    if (!keepOrSave()) return event->ignore();
    // Saved or let go: nothing to recover.
    m_autosave->stop();
    m_recovery.remove();
    event->accept();
}

void ProjectWindow::setAutosaveInterval(int milliseconds) {
    m_autosave->setInterval(milliseconds);
}

void ProjectWindow::autosave() {
    m_autosave->stop();
    if (!m_document->modified()) return;
    if (auto refusal = m_recovery.write(m_document->tree().project(), m_document->path()))
        m_status->announce(QStringLiteral("Could not write the recovery file %1: %2")
                               .arg(m_recovery.path(), *refusal));
}

QMessageBox::StandardButton ProjectWindow::askToRecover(const RecoveryFile::Found& found) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Recover unsaved work"),
        QStringLiteral("A project was left with unsaved changes (%1), kept at %2. "
                       "Recover it?")
            .arg(found.origin.isEmpty() ? QStringLiteral("a new project") : found.origin,
                 savedText(found.saved)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Recover"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Discard"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Later"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool ProjectWindow::offerRecovery() {
    for (const RecoveryFile::Found& found : RecoveryFile::leftBehind()) {
        const QMessageBox::StandardButton answer = askToRecover(found);
        if (answer == QMessageBox::No) {
            RecoveryFile::discard(found);
            continue;
        }
        if (answer != QMessageBox::Yes) continue;  // kept for the next start
        if (!keepOrSave()) return false;
        if (auto refusal = m_document->recover(found.path, found.origin)) {
            m_status->announce(
                QStringLiteral("Could not recover %1: %2").arg(found.path, *refusal));
            continue;
        }
        // The work is this window's now: its own recovery file holds it before the old goes.
        autosave();
        RecoveryFile::discard(found);
        m_status->announce(
            QStringLiteral("Recovered the work kept at %1.").arg(savedText(found.saved)));
        return true;
    }
    return false;
}

void ProjectWindow::copySelectedRows() {
    std::set<int> rows;
    for (const QModelIndex& cell : m_grid->selectionModel()->selectedIndexes())
        rows.insert(cell.row());
    if (rows.empty() && m_grid->currentIndex().isValid()) rows.insert(m_grid->currentIndex().row());
    if (rows.empty()) return refuse(QStringLiteral("Choose the circuits to copy."));
    std::vector<std::string> ids;
    for (const int row : rows) ids.push_back(m_gridModel->circuitAt(row));
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_document->circuitsCsv(ids)));
    m_status->announce(
        ids.size() == 1
            ? QStringLiteral("Copied circuit %1.").arg(QString::fromStdString(ids.front()))
            : QStringLiteral("Copied %1 circuits.").arg(ids.size()));
}

void ProjectWindow::pasteClipboardRows() {
    const std::string board = selectedBoard();
    if (board.empty()) return refuse(QStringLiteral("Choose a board to paste circuits on."));
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const ProjectDocument::Pasted pasted =
        m_document->pasteCircuits(board, std::string_view(text.constData(), text.size()));
    if (!pasted.refusal.isEmpty()) return refuse(pasted.refusal);
    QString message =
        QStringLiteral("Pasted %1 of %2 rows.")
            .arg(pasted.inserted.size())
            .arg(pasted.inserted.size() + static_cast<std::size_t>(pasted.refused.size()));
    if (!pasted.refused.isEmpty())
        message += QStringLiteral(" Refused: ") + pasted.refused.join(QStringLiteral("; ")) + u'.';
    if (pasted.inserted.empty()) return refuse(message);
    const int row = m_gridModel->rowOf(pasted.inserted.front());
    if (row >= 0) m_grid->setCurrentIndex(m_gridModel->index(row, 0));
    m_grid->setFocus(Qt::OtherFocusReason);
    m_status->announce(message);
}

std::variant<QStringList, QString> ProjectWindow::importScheduleFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    if (!in) {
        const QString message = QStringLiteral("Could not import %1: cannot be read").arg(path);
        m_status->announce(message);
        return message;
    }
    // The rows go under the supply and code open; the boards and circuits are the schedule's.
    project::Project base = m_document->tree().project();
    base.boards.clear();
    base.circuits.clear();
    project::ImportedSchedule imported = project::importSchedule(in, std::move(base));
    if (!imported.project) {
        const QString message = QStringLiteral("Could not import %1: %2")
                                    .arg(path, QString::fromStdString(imported.refusal));
        m_status->announce(message);
        return message;
    }
    QStringList refused;
    for (const std::string& row : imported.refusedRows) refused << QString::fromStdString(row);
    m_document->replaceProject(std::move(*imported.project),
                               QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
    m_status->announce(QStringLiteral("Imported %1 of %2 rows from %3.")
                           .arg(imported.rows - imported.refusedRows.size())
                           .arg(imported.rows)
                           .arg(path));
    return refused;
}

std::optional<QString> ProjectWindow::exportScheduleFile(const QString& path) {
    std::string text;
    writeSchedule(text, project::checkProject(m_document->tree().project()));
    // Written beside the file and renamed over it: a failed write leaves the old one whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        const QString message =
            QStringLiteral("Could not export %1: %2").arg(path, file.errorString());
        m_status->announce(message);
        return message;
    }
    m_status->announce(QStringLiteral("Exported the schedule to %1.").arg(path));
    return std::nullopt;
}

void ProjectWindow::importChosen() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import a schedule"), {},
                                                      QString::fromLatin1(kScheduleFilter));
    if (path.isEmpty()) return;
    const auto imported = importScheduleFile(path);
    if (const auto* refusal = std::get_if<QString>(&imported))
        return void(QMessageBox::warning(this, QStringLiteral("Import a schedule"), *refusal));
    const QStringList& refused = std::get<QStringList>(imported);
    if (refused.isEmpty()) return;
    // Every refused row, none left unsaid, in a list the user can read through and copy.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Import a schedule"),
                    QStringLiteral("%1 rows of %2 were refused; the others were imported.")
                        .arg(refused.size())
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::Ok, this);
    box.setDetailedText(refused.join(u'\n'));
    box.exec();
}

void ProjectWindow::exportScheduleChosen() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the schedule"), {},
                                                QString::fromLatin1(kScheduleFilter));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".csv"))) path += QStringLiteral(".csv");
    if (auto refusal = exportScheduleFile(path))
        QMessageBox::warning(this, QStringLiteral("Export the schedule"), *refusal);
}

std::string ProjectWindow::selectedBoard() const {
    return m_gridModel->board();
}

void ProjectWindow::insertRow() {
    const std::string board = selectedBoard();
    if (board.empty()) return refuse(QStringLiteral("Choose a board to add a circuit to."));
    const QModelIndex cell = m_grid->currentIndex();
    const std::string like = cell.isValid() ? m_gridModel->circuitAt(cell.row()) : std::string();
    const auto inserted = m_document->insertCircuit(board, like);
    if (const auto* refusal = std::get_if<QString>(&inserted)) return refuse(*refusal);
    const QString id = QString::fromStdString(std::get<std::string>(inserted));
    const int row = m_gridModel->rowOf(id.toStdString());
    m_grid->setCurrentIndex(m_gridModel->index(row, 0));
    m_grid->setFocus(Qt::OtherFocusReason);
    m_status->announce(QStringLiteral("Added circuit %1.").arg(id));
}

bool ProjectWindow::copyDiagram() {
    // The report's own drawing of the diagram, as vectors with its text as text, so that a
    // drawing or office program takes it in at any size.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diagram.svg"));
    const project::Project& project = m_document->tree().project();
    const package::ReportOutcome outcome =
        package::writeDiagramSvg(project, project::checkProject(project), path);
    QFile svg(path);
    if (outcome.end != package::ReportEnd::Written || !svg.open(QIODevice::ReadOnly)) {
        refuse(QStringLiteral("Could not copy the diagram: %1").arg(outcome.reason));
        return false;
    }
    auto* picture = new QMimeData;
    picture->setData(QStringLiteral("image/svg+xml"), svg.readAll());
    QGuiApplication::clipboard()->setMimeData(picture);
    m_status->announce(QStringLiteral("Copied the single-line diagram as a picture (SVG)."));
    return true;
}

CircuitWindow* ProjectWindow::sendToCircuitCheck() {
    const QModelIndex cell = m_grid->currentIndex();
    const project::InstallationTree& tree = m_document->tree();
    const project::NodeAnswer* node =
        cell.isValid() ? tree.circuit(m_gridModel->circuitAt(cell.row())) : nullptr;
    const auto at = node != nullptr ? circuitIndex(tree.project(), node->id) : std::nullopt;
    if (!at) {
        refuse(QStringLiteral("Choose a circuit to send to the Circuit Check."));
        return nullptr;
    }
    std::vector<std::pair<std::string, QString>> texts;
    const project::Cable& cable = tree.project().circuits[*at].cable;
    const auto has = [&cable](std::string_view key) {
        return std::any_of(cable.begin(), cable.end(),
                           [key](const auto& field) { return field.first == key; });
    };
    for (const auto& [key, value] : cable)
        texts.emplace_back(key, QString::fromStdString(project::cableFieldText(value)));
    // The window has no tree above the cable: what the tree gives is typed in, where the
    // tree's own check takes it.
    for (auto& given : originTexts(originOf(tree, *node)))
        if (!given.second.isEmpty() && has(given.first == "ze" ? "earthing" : "clearing_time"))
            texts.push_back(std::move(given));
    CircuitWindow* window = m_circuits->open();
    window->setCircuit(tree.code(), texts);
    m_status->announce(QStringLiteral("Sent circuit %1 to the Circuit Check.")
                           .arg(QString::fromStdString(node->id)));
    return window;
}

std::string ProjectWindow::chosenFeed() const {
    const std::string id = m_selected.toStdString();
    const project::InstallationTree& tree = m_document->tree();
    if (const project::NodeAnswer* circuit = tree.circuit(id)) return circuit->fedFrom;
    if (tree.board(id) != nullptr) return id;
    return "supply";
}

std::optional<std::string> ProjectWindow::addBoard() {
    const auto added = m_document->insertBoard(chosenFeed());
    if (const auto* refusal = std::get_if<QString>(&added)) {
        refuse(*refusal);
        return std::nullopt;
    }
    const std::string id = std::get<std::string>(added);
    selectNode(QString::fromStdString(id));
    m_tree->setFocus(Qt::OtherFocusReason);
    m_status->announce(QStringLiteral("Added board %1.").arg(QString::fromStdString(id)));
    return id;
}

std::optional<std::string> ProjectWindow::addCircuit() {
    const std::string board = chosenFeed();
    if (board == "supply") {
        refuse(QStringLiteral("Choose a board to add a circuit to."));
        return std::nullopt;
    }
    const auto inserted = m_document->insertCircuit(board, {});
    if (const auto* refusal = std::get_if<QString>(&inserted)) {
        refuse(*refusal);
        return std::nullopt;
    }
    const std::string id = std::get<std::string>(inserted);
    selectNode(QString::fromStdString(id));
    // Its row ready to be typed into, as Insert leaves it.
    m_grid->setCurrentIndex(m_gridModel->index(m_gridModel->rowOf(id), 0));
    m_grid->setFocus(Qt::OtherFocusReason);
    m_status->announce(QStringLiteral("Added circuit %1.").arg(QString::fromStdString(id)));
    return id;
}

bool ProjectWindow::deleteNode() {
    const std::string id = m_selected.toStdString();
    const project::Project& p = m_document->tree().project();
    if (boardIndex(p, id)) {
        int nodes = 0;
        for (const project::Board& b : p.boards) nodes += b.id != id && feeds(p, id, b.id) ? 1 : 0;
        for (const project::Circuit& c : p.circuits) nodes += feeds(p, id, c.board) ? 1 : 0;
        if (nodes > 0 && askToDeleteBoard(m_selected, nodes) != QMessageBox::Yes) return false;
    }
    if (auto refusal = m_document->removeNode(id)) {
        refuse(*refusal);
        return false;
    }
    m_tree->setFocus(Qt::OtherFocusReason);
    m_status->announce(QStringLiteral("Deleted %1.").arg(QString::fromStdString(id)));
    return true;
}

QMessageBox::StandardButton ProjectWindow::askToDeleteBoard(const QString& id, int nodes) {
    return QMessageBox::question(
        this, QStringLiteral("Delete a board"),
        QStringLiteral("Board %1 feeds %2 boards and circuits. Delete it with all of them?")
            .arg(id)
            .arg(nodes),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

bool ProjectWindow::moveNode(const QString& id, const QString& onto) {
    const int steps = m_document->undoStack().index();
    if (auto refusal = m_document->moveNode(id.toStdString(), onto.toStdString())) {
        refuse(*refusal);
        return false;
    }
    if (m_document->undoStack().index() == steps) {
        m_status->announce(QStringLiteral("%1 is on %2 already.").arg(id, onto));
        return false;
    }
    selectNode(id);
    m_status->announce(QStringLiteral("Moved %1 to %2.").arg(id, onto));
    return true;
}

QString ProjectWindow::askForBoard(const QString& title, const QStringList& boards) {
    bool chosen = false;
    const QString board =
        QInputDialog::getItem(this, title, QStringLiteral("&Board:"), boards, 0, false, &chosen);
    return chosen ? board : QString();
}

bool ProjectWindow::moveChosen() {
    const std::string id = m_selected.toStdString();
    const project::Project& p = m_document->tree().project();
    const bool board = boardIndex(p, id).has_value();
    if (!board && !circuitIndex(p, id)) {
        refuse(QStringLiteral("Choose a board or a circuit to move."));
        return false;
    }
    // The boards it may go onto: a board never onto one it feeds.
    QStringList boards;
    if (board) boards << QStringLiteral("supply");
    for (const project::Board& b : p.boards)
        if (!board || !feeds(p, id, b.id)) boards << QString::fromStdString(b.id);
    const QString onto = askForBoard(QStringLiteral("Move %1 to a board").arg(m_selected), boards);
    return !onto.isEmpty() && moveNode(m_selected, onto);
}

std::optional<std::string> ProjectWindow::addCircuitFrom(
    const CircuitCode& code, const std::vector<std::pair<std::string, QString>>& texts) {
    const project::InstallationTree& tree = m_document->tree();
    if (code.key() != tree.code().key()) {
        refuse(QStringLiteral("The project is checked under %1, the circuit under %2: open a "
                              "project of %2, or check the circuit under %1.")
                   .arg(qt(tree.code().name()), qt(code.name())));
        return std::nullopt;
    }
    QStringList boards;
    for (const project::Board& b : tree.project().boards) boards << QString::fromStdString(b.id);
    if (boards.isEmpty()) {
        refuse(QStringLiteral("The project has no board to add the circuit to."));
        return std::nullopt;
    }
    const QString board = askForBoard(QStringLiteral("Add the circuit to a board"), boards);
    if (board.isEmpty()) return std::nullopt;
    const auto added = m_document->addCircuit(board.toStdString(), texts);
    if (const auto* refusal = std::get_if<QString>(&added)) {
        refuse(QStringLiteral("The project does not take the circuit: ") + *refusal);
        return std::nullopt;
    }
    const std::string id = std::get<std::string>(added);
    selectNode(QString::fromStdString(id));
    m_status->announce(
        QStringLiteral("Added circuit %1 to %2.").arg(QString::fromStdString(id), board));
    return id;
}

std::optional<std::string> ProjectWindow::addCircuitFromCheck(const CircuitWindow& check) {
    show();
    raise();
    activateWindow();
    return addCircuitFrom(check.code(), check.cableTexts());
}

void ProjectWindow::deleteRow() {
    const QModelIndex cell = m_grid->currentIndex();
    if (!cell.isValid()) return refuse(QStringLiteral("Choose a circuit to delete."));
    const std::string id = m_gridModel->circuitAt(cell.row());
    if (auto refusal = m_document->removeCircuit(id)) return refuse(*refusal);
    m_grid->setFocus(Qt::OtherFocusReason);
    m_status->announce(QStringLiteral("Deleted circuit %1.").arg(QString::fromStdString(id)));
}

}  // namespace ferrovolt
