// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project_tree.h"

#include <algorithm>

#include "codes/code_registry.h"
#include "project/node_check.h"
#include "project/project_file.h"

namespace ferrovolt::project {

namespace {

enum Mark : unsigned char {
    kRecheck = 1,    // check the node again
    kNewInputs = 2,  // its inputs changed: its case is read afresh
    kForced = 4,     // everything below it too (it moved: the depths change)
    kOnPath = 8,     // a board above a node to check
};

bool same(const faults::Impedance& a, const faults::Impedance& b) {
    return a.r == b.r && a.x == b.x;
}

// Exact equality: a busbar that reads the same to the last bit gives the same answers below.
bool same(const Origin& a, const Origin& b) {
    return a.volts == b.volts && a.phases == b.phases && a.u0 == b.u0 &&
           a.dropPercent == b.dropPercent && a.iscMax == b.iscMax && a.xOverR == b.xOverR &&
           a.ik1Max == b.ik1Max && a.iscMin == b.iscMin && same(a.loopMax, b.loopMax) &&
           same(a.loopMin, b.loopMin) && a.cMax == b.cMax && a.cMin == b.cMin &&
           a.method == b.method && a.motorCurrent == b.motorCurrent;
}

void dropIndex(std::vector<std::size_t>& indices, std::size_t removed) {
    indices.erase(std::remove(indices.begin(), indices.end(), removed), indices.end());
    for (std::size_t& i : indices)
        if (i > removed) --i;
}

void insertSorted(std::vector<std::size_t>& indices, std::size_t index) {
    indices.insert(std::lower_bound(indices.begin(), indices.end(), index), index);
}

}  // namespace

InstallationTree::InstallationTree(Project project) : m_project(std::move(project)) {
    m_code = circuitCode(m_project.code);
    m_supply = supplyAnswer(supplyOrigin(m_project, m_defaults));
    const std::size_t boards = m_project.boards.size(), circuits = m_project.circuits.size();
    m_boards.resize(boards);
    m_circuits.resize(circuits);
    m_children.resize(boards);
    m_load.assign(boards, BoardLoad{});
    m_carried.assign(boards, 0);
    m_boardMarks.assign(boards, kRecheck | kNewInputs | kForced);
    m_circuitMarks.assign(circuits, kRecheck | kNewInputs);
    for (std::size_t i = 0; i < boards; ++i) m_boardIndex.emplace(m_project.boards[i].id, i);
    for (std::size_t i = 0; i < circuits; ++i) m_circuitIndex.emplace(m_project.circuits[i].id, i);
    for (std::size_t i = 0; i < boards; ++i)
        childrenOf(parentOf(m_project.boards[i].fedFrom)).boards.push_back(i);
    for (std::size_t i = 0; i < circuits; ++i) {
        m_children[m_boardIndex.at(m_project.circuits[i].board)].circuits.push_back(i);
        m_va.push_back(circuitLoad(m_project.circuits[i].cable, *m_code));
    }
    // Each board's load once its boards' are known: deepest first.
    std::vector<std::size_t> order;
    for (std::size_t b : m_top.boards) order.push_back(b);
    for (std::size_t k = 0; k < order.size(); ++k)
        for (std::size_t child : m_children[order[k]].boards) order.push_back(child);
    for (auto it = order.rbegin(); it != order.rend(); ++it) m_load[*it] = loadOf(*it);
    recheck();
}

const NodeAnswer* InstallationTree::board(std::string_view id) const {
    const auto it = m_boardIndex.find(std::string(id));
    return it == m_boardIndex.end() ? nullptr : &m_boards[it->second];
}

const NodeAnswer* InstallationTree::circuit(std::string_view id) const {
    const auto it = m_circuitIndex.find(std::string(id));
    return it == m_circuitIndex.end() ? nullptr : &m_circuits[it->second];
}

std::vector<const NodeAnswer*> InstallationTree::nodes() const {
    std::vector<const NodeAnswer*> nodes{&m_supply};
    const auto walk = [&](const auto& self, std::size_t b) -> void {
        nodes.push_back(&m_boards[b]);
        for (std::size_t c : m_children[b].circuits) nodes.push_back(&m_circuits[c]);
        for (std::size_t child : m_children[b].boards) self(self, child);
    };
    for (std::size_t b : m_top.boards) walk(walk, b);
    return nodes;
}

std::vector<std::string> InstallationTree::rechecked() const {
    std::vector<std::string> ids;
    for (const Ref& r : m_rechecked)
        ids.push_back(r.board ? m_project.boards[r.index].id : m_project.circuits[r.index].id);
    return ids;
}

std::size_t InstallationTree::parentOf(const std::string& fedFrom) const {
    return fedFrom == "supply" ? kSupply : m_boardIndex.at(fedFrom);
}

std::optional<std::string> InstallationTree::cableRefusal(const std::optional<Cable>& cable) const {
    if (!cable) return std::nullopt;
    const auto scratch = m_code->newCase();
    for (const auto& [key, value] : *cable) {
        const std::optional<std::size_t> index = m_code->fieldIndex(key);
        if (!index) return key + " is not a field of " + std::string(m_code->name());
        if (std::optional<std::string> reason = scratch->set(*index, cableFieldText(value)))
            return key + " " + *reason;
    }
    return std::nullopt;
}

BoardLoad InstallationTree::loadOf(std::size_t board) const {
    std::vector<BoardLoad> below;
    for (std::size_t c : m_children[board].circuits) below.push_back(m_va[c]);
    for (std::size_t child : m_children[board].boards) below.push_back(m_load[child]);
    return boardLoad(m_project.boards[board], below);
}

void InstallationTree::reload(std::size_t board) {
    for (std::size_t b = board; b != kSupply; b = parentOf(m_project.boards[b].fedFrom)) {
        const BoardLoad load = loadOf(b);
        // The same sum to the last bit: nothing above reads differently.
        if (load == m_load[b]) return;
        m_load[b] = load;
        m_boardMarks[b] |= kRecheck;
    }
}

void InstallationTree::markPath(std::size_t board) {
    for (std::size_t b = board; b != kSupply; b = parentOf(m_project.boards[b].fedFrom))
        m_boardMarks[b] |= kOnPath;
}

void InstallationTree::recheck() {
    m_rechecked.clear();
    for (std::size_t b : m_top.boards) visitBoard(b, m_supply.at, 1, true, false);
    std::fill(m_boardMarks.begin(), m_boardMarks.end(), 0);
    std::fill(m_circuitMarks.begin(), m_circuitMarks.end(), 0);
}

void InstallationTree::visitBoard(std::size_t index, const Origin& origin, int depth,
                                  bool reachable, bool parentChanged) {
    const unsigned char marks = m_boardMarks[index];
    if (!parentChanged && (marks & (kRecheck | kOnPath)) == 0) return;
    bool changed = false;
    if (parentChanged || (marks & kRecheck) != 0) {
        NodeAnswer& old = m_boards[index];
        NodeAnswer fresh;
        const bool carried = checkBoard(
            fresh, *m_code, m_project.boards[index], origin, depth, reachable,
            [&] { return m_load[index]; },
            (marks & kNewInputs) != 0 ? nullptr : std::move(old.checked));
        changed = parentChanged || (marks & kForced) != 0 || carried != (m_carried[index] != 0) ||
                  !same(old.at, fresh.at);
        m_carried[index] = carried;
        old = std::move(fresh);
        m_rechecked.push_back({true, index});
    }
    const Origin& here = m_boards[index].at;
    const bool carried = m_carried[index] != 0;
    std::vector<CircuitOfBoard> circuits;
    for (std::size_t c : m_children[index].circuits) {
        if (changed || (m_circuitMarks[c] & kRecheck) != 0)
            recheckCircuit(c, here, depth + 1, carried);
        circuits.push_back({&m_project.circuits[c].cable, &m_circuits[c]});
    }
    motorFeeder(m_boards[index], *m_code, circuits);
    for (std::size_t child : m_children[index].boards)
        visitBoard(child, here, depth + 1, carried, changed);
}

void InstallationTree::recheckCircuit(std::size_t index, const Origin& origin, int depth,
                                      bool reachable) {
    NodeAnswer& old = m_circuits[index];
    NodeAnswer fresh;
    checkCircuit(fresh, *m_code, m_project.circuits[index], origin, depth, reachable,
                 (m_circuitMarks[index] & kNewInputs) != 0 ? nullptr : std::move(old.checked));
    old = std::move(fresh);
    m_rechecked.push_back({false, index});
}

std::optional<std::string> InstallationTree::setBoard(const Board& board) {
    const auto it = m_boardIndex.find(board.id);
    if (it == m_boardIndex.end()) return "no board " + board.id;
    const std::size_t i = it->second;
    if (board.fedFrom != m_project.boards[i].fedFrom)
        return "board " + board.id + " is fed from " + m_project.boards[i].fedFrom +
               ": a move is its own change";
    if (std::optional<std::string> refusal = cableRefusal(board.cable)) return refusal;
    m_project.boards[i] = board;
    m_boardMarks[i] |= kRecheck | kNewInputs;
    reload(i);
    markPath(i);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::setCircuit(const Circuit& circuit) {
    const auto it = m_circuitIndex.find(circuit.id);
    if (it == m_circuitIndex.end()) return "no circuit " + circuit.id;
    const std::size_t i = it->second;
    if (circuit.board != m_project.circuits[i].board)
        return "circuit " + circuit.id + " is on " + m_project.circuits[i].board +
               ": a move is its own change";
    if (std::optional<std::string> refusal = cableRefusal(circuit.cable)) return refusal;
    m_project.circuits[i] = circuit;
    m_va[i] = circuitLoad(circuit.cable, *m_code);
    m_circuitMarks[i] |= kRecheck | kNewInputs;
    const std::size_t parent = parentOf(circuit.board);
    reload(parent);
    markPath(parent);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::moveBoard(std::string_view id,
                                                       std::string_view fedFrom) {
    const auto it = m_boardIndex.find(std::string(id));
    if (it == m_boardIndex.end()) return "no board " + std::string(id);
    const std::size_t i = it->second;
    if (fedFrom != "supply" && m_boardIndex.count(std::string(fedFrom)) == 0)
        return "no board " + std::string(fedFrom);
    const std::string to(fedFrom);
    for (std::size_t b = parentOf(to); b != kSupply; b = parentOf(m_project.boards[b].fedFrom))
        if (b == i) return "board " + to + " is fed from " + std::string(id) + ": a cycle";
    const std::size_t from = parentOf(m_project.boards[i].fedFrom);
    const std::size_t into = parentOf(to);
    auto& old = childrenOf(from).boards;
    old.erase(std::find(old.begin(), old.end(), i));
    insertSorted(childrenOf(into).boards, i);
    m_project.boards[i].fedFrom = to;
    m_boardMarks[i] |= kRecheck | kForced;
    reload(from);
    reload(into);
    markPath(from);
    markPath(i);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::moveCircuit(std::string_view id,
                                                         std::string_view board) {
    const auto it = m_circuitIndex.find(std::string(id));
    if (it == m_circuitIndex.end()) return "no circuit " + std::string(id);
    const auto to = m_boardIndex.find(std::string(board));
    if (to == m_boardIndex.end()) return "no board " + std::string(board);
    const std::size_t i = it->second;
    const std::size_t from = parentOf(m_project.circuits[i].board);
    auto& old = m_children[from].circuits;
    old.erase(std::find(old.begin(), old.end(), i));
    insertSorted(m_children[to->second].circuits, i);
    m_project.circuits[i].board = std::string(board);
    m_circuitMarks[i] |= kRecheck;
    reload(from);
    reload(to->second);
    markPath(from);
    markPath(to->second);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::insertBoard(const Board& board) {
    if (board.id == "supply" || m_boardIndex.count(board.id) != 0 ||
        m_circuitIndex.count(board.id) != 0)
        return "the id " + board.id + " is taken";
    if (board.fedFrom != "supply" && m_boardIndex.count(board.fedFrom) == 0)
        return "no board " + board.fedFrom;
    if (std::optional<std::string> refusal = cableRefusal(board.cable)) return refusal;
    const std::size_t i = m_project.boards.size();
    m_project.boards.push_back(board);
    m_boards.emplace_back();
    m_children.emplace_back();
    m_load.emplace_back();  // it feeds nothing yet
    m_carried.push_back(0);
    m_boardMarks.push_back(kRecheck | kNewInputs | kForced);
    m_boardIndex.emplace(board.id, i);
    const std::size_t parent = parentOf(board.fedFrom);
    childrenOf(parent).boards.push_back(i);
    markPath(i);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::insertCircuit(const Circuit& circuit) {
    if (circuit.id == "supply" || m_boardIndex.count(circuit.id) != 0 ||
        m_circuitIndex.count(circuit.id) != 0)
        return "the id " + circuit.id + " is taken";
    const auto board = m_boardIndex.find(circuit.board);
    if (board == m_boardIndex.end()) return "no board " + circuit.board;
    if (std::optional<std::string> refusal = cableRefusal(circuit.cable)) return refusal;
    const std::size_t i = m_project.circuits.size();
    m_project.circuits.push_back(circuit);
    m_circuits.emplace_back();
    m_va.push_back(circuitLoad(circuit.cable, *m_code));
    m_circuitMarks.push_back(kRecheck | kNewInputs);
    m_circuitIndex.emplace(circuit.id, i);
    m_children[board->second].circuits.push_back(i);
    reload(board->second);
    markPath(board->second);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::removeBoard(std::string_view id) {
    const auto it = m_boardIndex.find(std::string(id));
    if (it == m_boardIndex.end()) return "no board " + std::string(id);
    const std::size_t i = it->second;
    const Children& below = m_children[i];
    if (!below.boards.empty() || !below.circuits.empty())
        return "board " + std::string(id) + " still feeds " +
               std::to_string(below.boards.size() + below.circuits.size()) + " nodes";
    const std::string fedFrom = m_project.boards[i].fedFrom;
    forget({true, i});
    const std::size_t parent = parentOf(fedFrom);
    reload(parent);
    markPath(parent);
    recheck();
    return std::nullopt;
}

std::optional<std::string> InstallationTree::removeCircuit(std::string_view id) {
    const auto it = m_circuitIndex.find(std::string(id));
    if (it == m_circuitIndex.end()) return "no circuit " + std::string(id);
    const std::size_t parent = parentOf(m_project.circuits[it->second].board);
    forget({false, it->second});
    reload(parent);
    markPath(parent);
    recheck();
    return std::nullopt;
}

// Removes a node that feeds nothing; the nodes after it move up one index.
void InstallationTree::forget(Ref removed) {
    const std::size_t i = removed.index;
    auto& index = removed.board ? m_boardIndex : m_circuitIndex;
    index.erase(removed.board ? m_project.boards[i].id : m_project.circuits[i].id);
    for (auto& [key, at] : index)
        if (at > i) --at;
    const auto shift = [&](Children& c) { dropIndex(removed.board ? c.boards : c.circuits, i); };
    shift(m_top);
    for (Children& c : m_children) shift(c);
    if (removed.board) {
        const auto at = static_cast<std::ptrdiff_t>(i);
        m_project.boards.erase(m_project.boards.begin() + at);
        m_boards.erase(m_boards.begin() + at);
        m_children.erase(m_children.begin() + at);
        m_load.erase(m_load.begin() + at);
        m_carried.erase(m_carried.begin() + at);
        m_boardMarks.erase(m_boardMarks.begin() + at);
    } else {
        const auto at = static_cast<std::ptrdiff_t>(i);
        m_project.circuits.erase(m_project.circuits.begin() + at);
        m_circuits.erase(m_circuits.begin() + at);
        m_va.erase(m_va.begin() + at);
        m_circuitMarks.erase(m_circuitMarks.begin() + at);
    }
}

}  // namespace ferrovolt::project
