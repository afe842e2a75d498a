// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Project window: a whole installation edited in one place. The supply, boards and
// circuits as a tree on the left; on the right the chosen board's circuits as a grid typed
// into like a spreadsheet, each edit rechecking only what it changes, and below it the check
// of the chosen node. Files are opened and saved whole (saves atomic), every change can be
// undone, and a window with unsaved changes asks before it lets them go.

#include <QColor>
#include <QMainWindow>
#include <QMessageBox>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include "paper/paper.h"
#include "project_report/project_report.h"
#include "project_window/project_document.h"
#include "project_window/recovery_file.h"

class QLabel;
class QMenu;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTimer;
class QTreeView;

namespace ferrovolt {

class CircuitGrid;
class CircuitWindow;
class CircuitWindowHost;
class NodeCheckPane;
class StatusLine;
class SystemServices;

class ProjectWindow : public QMainWindow {
    Q_OBJECT
public:
    // Beeps through `services` when given, else through the application. Opens with a new
    // project.
    explicit ProjectWindow(SystemServices* services = nullptr, QWidget* parent = nullptr);
    ~ProjectWindow() override;

    ProjectDocument& document() { return *m_document; }
    // Opens the file in place of the project open; a refused file is reported with its path
    // and reason (the reason returned), and the window stays as it was. Does not ask to save.
    std::optional<QString> openFile(const QString& path);
    // Opens a project of File ▸ Open Recent, after asking to save; one no longer there is
    // taken off the list, and the reason returned.
    std::optional<QString> openRecent(const QString& path);
    // Saves to `path` from now on; the reason when it could not.
    std::optional<QString> saveFile(const QString& path);
    // Shows the node of `id` ("supply", a board's or a circuit's) in the tree and the grid.
    void selectNode(const QString& id);
    QString statusText() const;
    // Writes the project's report to `path` on `paper`, a progress dialog showing how far it
    // has got and able to cancel it. A cancelled or failed report leaves no file (and an older
    // one as it was); the status line says which, and why it failed.
    package::ReportEnd exportReport(const QString& path, Paper paper);
    // Opens the Circuit Check window with the chosen cable's inputs, under the project's code,
    // and what the tree gives it typed in; null (refused, with the reason) when no cable is
    // chosen.
    CircuitWindow* sendToCircuitCheck();
    // The single-line diagram on the clipboard as an SVG picture; false (refused, with the
    // reason) when it could not be drawn.
    bool copyDiagram();
    // The grid's chosen rows as CSV text on the clipboard; the rows of the clipboard's CSV
    // text inserted on the board shown, each refused row named in the status line.
    void copySelectedRows();
    void pasteClipboardRows();
    // The project from a CSV schedule of boards and circuits by `project import`'s rules,
    // under the supply and code open, as one undo step; the reason when the schedule is
    // refused, else each refused row's text with its line (none when every row went in).
    std::variant<QStringList, QString> importScheduleFile(const QString& path);
    // Every cable with its answers as `project schedule` writes them, saved atomically; the
    // reason when it could not be written.
    std::optional<QString> exportScheduleFile(const QString& path);
    // A board fed from the chosen board (or the supply, or the chosen circuit's board), with
    // a feeder of the code's first inputs; a circuit on the chosen board; the chosen node
    // deleted, a board with what it feeds once the user agrees. Each one undo step; the id
    // made, or nothing (refused, with the reason).
    std::optional<std::string> addBoard();
    std::optional<std::string> addCircuit();
    bool deleteNode();
    // The node of `id` onto the board `onto` ("supply" for a board), as a drop in the tree
    // makes it; a move that would make a board feed itself is refused with a beep.
    bool moveNode(const QString& id, const QString& onto);
    // Edit ▸ Move to board…: the chosen node onto a board the user picks.
    bool moveChosen();
    // The inputs of a Circuit Check as a circuit on a board the user picks, one undo step;
    // its id, or nothing (refused, with the reason, or cancelled).
    std::optional<std::string> addCircuitFrom(
        const CircuitCode& code, const std::vector<std::pair<std::string, QString>>& texts);
    // The same from a Circuit Check window, this window brought forward to ask.
    std::optional<std::string> addCircuitFromCheck(const CircuitWindow& check);
    // Whether the window may go: true when nothing is unsaved, or the user saves or lets
    // it go; false (Cancel, or a failed save) keeps it.
    bool mayClose() { return keepOrSave(); }
    // Offers back, one at a time, the unsaved work a crashed or killed window left behind;
    // true when one was recovered.
    bool offerRecovery();
    // While there are unsaved changes, they are written to the recovery file this long after
    // the first of them, and at once after a change of the tree's structure.
    void setAutosaveInterval(int milliseconds);
    const RecoveryFile& recoveryFile() const { return m_recovery; }
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Whether to save the unsaved changes before they go: Save, Discard or Cancel.
    virtual QMessageBox::StandardButton askToSave();
    // The file to save to; empty when the user cancels.
    virtual QString askSavePath();
    // Whether to delete board `id` with the `nodes` it feeds: Yes or No.
    virtual QMessageBox::StandardButton askToDeleteBoard(const QString& id, int nodes);
    // One of `boards` (ids, "supply" among them where it may be chosen), asked under `title`;
    // empty when the user cancels.
    virtual QString askForBoard(const QString& title, const QStringList& boards);
    // Whether to recover the work left in `found`: Yes, No (discard it) or Cancel (keep it
    // for the next start).
    virtual QMessageBox::StandardButton askToRecover(const RecoveryFile::Found& found);

private:
    void buildMenus();
    void rebuildTree();
    // The node's label in the tree, marked when it fails.
    void markItem(QStandardItem* item);
    void followChange(bool structure);
    void updateTitle();
    void showSummary();
    void showFailures(const QString& text);
    void showSelection();
    void showPane();
    // Asks whether to save, and saves; false when the user cancels or the save fails.
    bool keepOrSave();
    void newProject(std::string_view codeKey);
    void openChosen();
    bool save();
    bool saveAs();
    void exportReportChosen();
    void insertRow();
    void deleteRow();
    void copyRows();
    void pasteRows();
    void refuse(const QString& reason);
    void importChosen();
    void fillRecent(QMenu* menu);
    void exportScheduleChosen();
    void autosave();
    std::string selectedBoard() const;
    // The board the tree's choice is on: a board itself, a circuit's board, or "supply".
    std::string chosenFeed() const;

    SystemServices* m_services;
    ProjectDocument* m_document;
    QTreeView* m_tree;
    QStandardItemModel* m_treeModel;
    QTableView* m_grid;
    CircuitGrid* m_gridModel;
    NodeCheckPane* m_pane;
    StatusLine* m_status;
    StatusLine* m_failures;  // how many nodes fail, and by what most
    QString m_selected;      // the id chosen in the tree
    std::unordered_map<std::string, QStandardItem*> m_items;  // the tree's, by node id
    QColor m_failColour;
    RecoveryFile m_recovery;
    bool m_structureChanged = false;  // by the step under way
    QTimer* m_autosave;
    CircuitWindowHost* m_circuits;
};

}  // namespace ferrovolt
