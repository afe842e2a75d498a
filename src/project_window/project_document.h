// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A project open in the window: the installation tree kept checked, the file it came from,
// and every change as a step that can be undone. A change goes through the tree's own
// changes, so that only the changed node's path and what lies below it is checked again; a
// change the tree or the file's rules would refuse is refused here with the reason, and
// nothing changes.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "project/project_tree.h"

namespace ferrovolt {

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    explicit ProjectDocument(QObject* parent = nullptr);
    ~ProjectDocument() override;

    const project::InstallationTree& tree() const { return *m_tree; }
    QUndoStack& undoStack() { return m_undo; }
    // The file it was read from or saved to; empty for a new project.
    const QString& path() const { return m_path; }
    bool modified() const { return !m_undo.isClean(); }

    // A new project under `codeKey`: its supply as the code's defaults give it, one main
    // board at its terminals, no circuits.
    void reset(std::string_view codeKey);
    // Reads the file whole; the reason ("line 12: /circuits/3/cable/length: must be more
    // than 0") when it is refused, and then the project open stays as it was.
    std::optional<QString> open(const QString& path);
    // Reads a recovery file as the unsaved state of `origin` ("" for a new project): the
    // project is `origin`'s, with changes to save.
    std::optional<QString> recover(const QString& recoveryPath, const QString& origin);
    // Saves atomically; the reason when it could not be saved.
    std::optional<QString> saveAs(const QString& path);

    // The changes, each one undo step named by `text`.
    // A cable field of a circuit set from its text ("" back to the code's default).
    std::optional<QString> setCircuitField(const std::string& id, std::string_view key,
                                           const QString& text);
    std::optional<QString> renameCircuit(const std::string& id, const QString& newId);
    // A circuit on `board` with a copy of `like`'s cable (or the code's first inputs), under
    // the first free id; its id.
    std::variant<std::string, QString> insertCircuit(const std::string& board,
                                                     const std::string& like);
    std::optional<QString> removeCircuit(const std::string& id);
    // A circuit on `board` of the inputs `texts` (a field's key, its text as the check reads
    // it), under the first free id; its id, or the reason the code does not take them.
    std::variant<std::string, QString> addCircuit(
        const std::string& board, const std::vector<std::pair<std::string, QString>>& texts);

    // The supply's field at `path` ("volts", "transformer/kva") set from its text ("" leaves
    // it out), read by the file's rules: a refusal names the field by `caption`.
    std::optional<QString> setSupplyField(std::string_view path, const QString& text,
                                          const QString& caption);
    // The supply's fault current from a transformer (`transformer`), or as known at the origin
    // (NEC 2023: the available fault current; IEC 60364: Ze and the prospective fault
    // current), at the values the origin has now, so that the answers below stay as they are.
    std::optional<QString> setSupplySource(bool transformer);
    // A board's field at `path` ("demand_factor", "motor_load/fla", "cable/length") set from
    // its text, as the supply's are; its feeder's current left out is the loads' below it.
    std::optional<QString> setBoardField(const std::string& id, std::string_view path,
                                         const QString& text, const QString& caption);
    // A feeder cable for the board (the code's first inputs, the current the loads'), or
    // none: the board at the terminals of what feeds it.
    std::optional<QString> setBoardFeeder(const std::string& id, bool cable);
    // The board's id, and every feed and circuit that names it.
    std::optional<QString> renameBoard(const std::string& id, const QString& newId);
    // A board fed from `fedFrom` (a board's id or "supply") by a feeder of the code's first
    // inputs, under the first free id; its id.
    std::variant<std::string, QString> insertBoard(const std::string& fedFrom);
    // A board with everything it feeds, or a circuit.
    std::optional<QString> removeNode(const std::string& id);
    // A board or a circuit onto `board` (a board's id, or "supply" for a board); refused
    // where a board would feed itself.
    std::optional<QString> moveNode(const std::string& id, const std::string& board);

    // The circuits `ids` as CSV text, one row a circuit under a header of the schedule's
    // columns: id, board and each input of the code by its key, so that a spreadsheet or
    // `schedule` reads them back.
    std::string circuitsCsv(const std::vector<std::string>& ids) const;
    struct Pasted {
        std::vector<std::string> inserted;  // the ids, in the text's order
        // One text per refused row, in line order: "line 3: L2: Length: must be more than 0".
        QStringList refused;
        QString refusal;  // why the text as a whole is refused (its header); nothing then
    };
    // The rows of a CSV text whose header names the schedule's columns, as circuits on
    // `board`, all of them one undo step. A row keeps its id where it is free, else takes the
    // first free one; a row the code does not take is refused with its line, and the others
    // go in.
    Pasted pasteCircuits(const std::string& board, std::string_view csv);
    // The project in place of the one open as one undo step named `text`, its file kept.
    void replaceProject(project::Project project, const QString& text);

signals:
    // After any change: `structure` when a node came or went (ids, order), else the answers.
    void changed(bool structure);
    // Another project was opened, made new or saved under another name.
    void fileChanged();

private:
    // What the undo steps do: a change made without a new step.
    void applyCircuit(const project::Circuit& circuit);
    void applyRemoval(const std::string& id);
    void applyInsertion(const project::Circuit& circuit);
    // The circuit back at `index` among the project's circuits, the tree checked whole again
    // (the tree's own insertion adds at the end, and the file keeps the order).
    void restoreAt(const project::Circuit& circuit, std::size_t index);
    void replaceTree(project::Project project);
    // The project of `after` in place of the one open, one step named `text`.
    void pushProject(project::Project after, const QString& text);
    void applyBoard(const project::Board& board);
    project::Cable defaultCable(bool feeder) const;
    std::string freeId(const project::Project& p, std::string id,
                       std::string_view prefix = "C") const;

    std::unique_ptr<project::InstallationTree> m_tree;
    QUndoStack m_undo;
    QString m_path;
};

// The index of a circuit among the project's circuits; nothing when there is no such id.
std::optional<std::size_t> circuitIndex(const project::Project& p, std::string_view id);
std::optional<std::size_t> boardIndex(const project::Project& p, std::string_view id);
// Whether `board` is `below` or feeds it, directly or through other boards.
bool feeds(const project::Project& p, std::string_view board, std::string_view below);

}  // namespace ferrovolt
