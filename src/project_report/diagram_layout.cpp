// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/diagram_layout.h"

#include <algorithm>
#include <cstddef>

namespace ferrovolt::package {

namespace {

// The nodes in the order the diagram reads them, each followed by everything below it: a
// tree given breadth-first (every board before the circuits) reads depth-first all the same.
std::vector<int> depthFirst(std::span<const DiagramNode> nodes) {
    std::vector<std::vector<int>> children(nodes.size());
    std::vector<int> roots;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const int parent = nodes[i].parent;
        if (parent >= 0 && static_cast<std::size_t>(parent) < i)
            children[static_cast<std::size_t>(parent)].push_back(static_cast<int>(i));
        else
            roots.push_back(static_cast<int>(i));
    }
    std::vector<int> order;
    order.reserve(nodes.size());
    std::vector<int> stack(roots.rbegin(), roots.rend());
    while (!stack.empty()) {
        const int node = stack.back();
        stack.pop_back();
        order.push_back(node);
        const std::vector<int>& below = children[static_cast<std::size_t>(node)];
        stack.insert(stack.end(), below.rbegin(), below.rend());
    }
    return order;
}

}  // namespace

DiagramLayout layDiagram(std::span<const DiagramNode> nodes, const DiagramMetrics& m) {
    DiagramLayout layout;
    layout.boxes.resize(nodes.size());
    if (nodes.empty()) return layout;
    std::vector<int> depth(nodes.size(), 0);
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].parent >= 0 && static_cast<std::size_t>(nodes[i].parent) < i)
            depth[i] = depth[static_cast<std::size_t>(nodes[i].parent)] + 1;

    // Where each parent's wire last left off: its page and the foot of its box or of the
    // wire's last run down to a child.
    struct WireEnd {
        int page = 0;
        double y = 0;
    };
    std::vector<WireEnd> wireEnd(nodes.size());
    int page = 0;
    double y = 0;
    for (const int index : depthFirst(nodes)) {
        const auto i = static_cast<std::size_t>(index);
        const DiagramNode& node = nodes[i];
        double text = 0;
        for (std::size_t line = 0; line < node.lines.size(); ++line)
            text = std::max(text, m.textWidth(node.lines[line], line == 0));
        const double x = std::min(depth[i] * m.indent, std::max(0.0, m.pageWidth - m.indent));
        const double width =
            std::min(text + 2 * m.padding + (node.fails ? m.mark : 0), m.pageWidth - x);
        const double height =
            static_cast<double>(std::max<std::size_t>(1, node.lines.size())) * m.lineHeight +
            2 * m.padding;
        if (m.pageHeight > 0 && y > 0 && y + height > m.pageHeight) {
            ++page;
            y = 0;
        }
        layout.boxes[i] = {index, page, x, y, width, height};

        if (node.parent >= 0 && static_cast<std::size_t>(node.parent) < i) {
            const auto parent = static_cast<std::size_t>(node.parent);
            // The parent's wire runs down half a step in from the parent's left edge, over
            // every page between, and turns right into this box at its middle.
            const double wireX = layout.boxes[parent].x + m.indent / 2;
            WireEnd& from = wireEnd[parent];
            for (; from.page < page; ++from.page, from.y = 0)
                layout.wires.push_back({from.page, wireX, from.y, wireX, m.pageHeight});
            const double middle = y + height / 2;
            layout.wires.push_back({page, wireX, from.y, wireX, middle});
            layout.wires.push_back({page, wireX, middle, x, middle});
            from.y = middle;
        }
        wireEnd[i] = {page, y + height};
        y += height + m.gap;
    }
    layout.pages = page + 1;
    layout.height = y - m.gap;
    return layout;
}

}  // namespace ferrovolt::package
