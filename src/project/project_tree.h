// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The installation tree kept checked between changes, for a front end that edits one node at
// a time. A change rechecks the boards on the node's path to the origin whose load changed
// (a feeder's current is the sum below it), the node itself, and everything below a board
// whose busbar then reads differently; every other node keeps its answer. The answers are
// always those checkProject() gives for project().

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "project/project_engine.h"

namespace ferrovolt::project {

class InstallationTree {
public:
    // A project as readProject() gives it (every feed names a board of it), checked whole.
    explicit InstallationTree(Project project);

    const Project& project() const { return m_project; }
    const CircuitCode& code() const { return *m_code; }
    const std::vector<std::string>& defaults() const { return m_defaults; }
    const NodeAnswer& supply() const { return m_supply; }
    const NodeAnswer* board(std::string_view id) const;
    const NodeAnswer* circuit(std::string_view id) const;
    // Every node in checkProject()'s order: the supply, then each board followed by its
    // circuits and the boards it feeds.
    std::vector<const NodeAnswer*> nodes() const;

    // The changes. Each refuses, with the reason and nothing changed, what would not make a
    // valid tree: an unknown or taken id, a feed from a missing board or from the board's own
    // subtree, a cable field the code does not have or will not take, a board that still
    // feeds something deleted.
    std::optional<std::string> setBoard(const Board& board);  // the inputs of board.id
    std::optional<std::string> setCircuit(const Circuit& circuit);
    std::optional<std::string> moveBoard(std::string_view id, std::string_view fedFrom);
    std::optional<std::string> moveCircuit(std::string_view id, std::string_view board);
    std::optional<std::string> insertBoard(const Board& board);
    std::optional<std::string> insertCircuit(const Circuit& circuit);
    std::optional<std::string> removeBoard(std::string_view id);
    std::optional<std::string> removeCircuit(std::string_view id);

    // The ids of the nodes the last change checked again, in the order it checked them.
    std::vector<std::string> rechecked() const;
    std::size_t recheckedCount() const { return m_rechecked.size(); }

private:
    static constexpr std::size_t kSupply = static_cast<std::size_t>(-1);
    struct Ref {
        bool board;
        std::size_t index;
    };
    struct Children {
        std::vector<std::size_t> boards, circuits;  // indices in the project's order
    };

    std::size_t parentOf(const std::string& fedFrom) const;
    Children& childrenOf(std::size_t board) { return board == kSupply ? m_top : m_children[board]; }
    std::optional<std::string> cableRefusal(const std::optional<Cable>& cable) const;
    BoardLoad loadOf(std::size_t board) const;  // from what it feeds
    void reload(std::size_t board);             // the loads from `board` up to the origin
    void markPath(std::size_t board);
    void recheck();
    void visitBoard(std::size_t index, const Origin& origin, int depth, bool reachable,
                    bool parentChanged);
    void recheckCircuit(std::size_t index, const Origin& origin, int depth, bool reachable);
    void forget(Ref removed);

    Project m_project;
    const CircuitCode* m_code = nullptr;
    std::vector<std::string> m_defaults;
    NodeAnswer m_supply;
    std::vector<NodeAnswer> m_boards, m_circuits;  // parallel to the project's
    std::vector<Children> m_children;              // of each board
    Children m_top;                                // what the supply feeds
    std::vector<BoardLoad> m_load;                 // of each board
    std::vector<BoardLoad> m_va;                   // of each circuit
    std::vector<char> m_carried;                   // each board hands its busbar on
    std::unordered_map<std::string, std::size_t> m_boardIndex, m_circuitIndex;
    // What the next recheck must visit (the marks below, by node).
    std::vector<unsigned char> m_boardMarks, m_circuitMarks;
    std::vector<Ref> m_rechecked;
};

}  // namespace ferrovolt::project
