// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single-line diagram laid out from the installation tree, with no toolkit: the supply at
// the top, each board below what feeds it and each circuit below its board, one box a node,
// a child one step to the right of its parent and below the one before it, so that nothing
// crosses and a box never shares a row with another. A wire runs down the left of each
// parent's children. The rows are cut into pages between boxes, never through one; a wire
// that goes on past the foot of a page starts again at the head of the next.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt::package {

struct DiagramNode {
    int parent = -1;  // an index into the nodes, always before this one; -1 for the root
    std::vector<std::string> lines;  // its label, the first line bold
    bool fails = false;              // marked by a sign beside the label
};

// The sizes the diagram is laid out at, in one unit of length (the painter's).
struct DiagramMetrics {
    std::function<double(std::string_view, bool bold)> textWidth;
    double lineHeight = 10;
    double indent = 24;  // a child's step to the right
    double padding = 3;  // inside a box, around its text
    double gap = 4;      // between a box and the next one down
    double mark = 10;    // the width the failure sign takes beside the label
    double pageWidth = 500;
    double pageHeight = 700;  // 0: one page as tall as the diagram
};

struct DiagramBox {
    int node = 0;
    int page = 0;
    double x = 0, y = 0, width = 0, height = 0;  // on its page, from its top left
};

struct DiagramWire {
    int page = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct DiagramLayout {
    std::vector<DiagramBox> boxes;  // in the nodes' order, one each
    std::vector<DiagramWire> wires;
    int pages = 0;
    double height = 0;  // of the last page's content; the whole diagram's with pageHeight 0
};

// The nodes as a tree in the order given: every node's parent comes before it. A node that
// does not fit the page's width is drawn to its edge, its lines shortened by the painter.
DiagramLayout layDiagram(std::span<const DiagramNode> nodes, const DiagramMetrics& metrics);

}  // namespace ferrovolt::package
