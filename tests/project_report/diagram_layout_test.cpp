// SPDX-License-Identifier: GPL-3.0-or-later
// The single-line diagram's layout on its geometry: every node placed once, on a page, its
// label inside its box, no two boxes overlapping, a child to the right of its parent, and a
// box cut to the next page only when it does not fit what is left of this one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project_report/diagram_layout.h"

namespace ferrovolt::package {
namespace {

DiagramMetrics metrics(double pageHeight) {
    DiagramMetrics m;
    // 5 units a character, 6 in bold.
    m.textWidth = [](std::string_view text, bool bold) {
        return static_cast<double>(text.size()) * (bold ? 6 : 5);
    };
    m.lineHeight = 10;
    m.indent = 20;
    m.padding = 2;
    m.gap = 4;
    m.mark = 8;
    m.pageWidth = 400;
    m.pageHeight = pageHeight;
    return m;
}

// A supply, a main board, two boards on it and one under the first, each with circuits; the
// circuits given after every board, as the engine gives them; every fifth one failing.
std::vector<DiagramNode> installation() {
    std::vector<DiagramNode> nodes{{-1, {"Supply", "Transformer 500 kVA, Z 5.75 %"}, false},
                                   {0, {"Board MDP", "At the terminals", "Isc max 10 kA"}, false},
                                   {1, {"Board P1", "Feeder 4/0 AWG"}, true},
                                   {1, {"Board P2", "Feeder 2 AWG"}, false},
                                   {2, {"Board P3", "Feeder 6 AWG"}, false}};
    for (int c = 0; c < 60; ++c)
        nodes.push_back(
            {2 + c % 3, {"C" + std::to_string(c) + " 12 AWG 50 ft meets all"}, c % 5 == 0});
    return nodes;
}

TEST(DiagramLayout, PlacesEveryNodeWithoutOverlap) {
    const std::vector<DiagramNode> nodes = installation();
    const DiagramMetrics m = metrics(200);
    const DiagramLayout layout = layDiagram(nodes, m);
    ASSERT_EQ(layout.boxes.size(), nodes.size());
    // 65 boxes of at least 14 + 4 units each do not fit on one page of 200.
    EXPECT_GT(layout.pages, 1);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const DiagramBox& box = layout.boxes[i];
        SCOPED_TRACE(nodes[i].lines[0]);
        EXPECT_EQ(box.node, static_cast<int>(i));
        EXPECT_GE(box.page, 0);
        EXPECT_LT(box.page, layout.pages);
        EXPECT_GE(box.y, 0);
        EXPECT_LE(box.y + box.height, m.pageHeight);
        EXPECT_LE(box.x + box.width, m.pageWidth);
        // Its label inside it: the widest line, the padding each side, and the sign's room.
        double text = 0;
        for (std::size_t l = 0; l < nodes[i].lines.size(); ++l)
            text = std::max(text, m.textWidth(nodes[i].lines[l], l == 0));
        EXPECT_GE(box.width, text + 2 * m.padding + (nodes[i].fails ? m.mark : 0));
        EXPECT_DOUBLE_EQ(box.height, static_cast<double>(nodes[i].lines.size()) * 10 + 4);
        if (nodes[i].parent >= 0) {
            const DiagramBox& parent = layout.boxes[static_cast<std::size_t>(nodes[i].parent)];
            EXPECT_DOUBLE_EQ(box.x, parent.x + m.indent);
            EXPECT_TRUE(box.page > parent.page || (box.page == parent.page && box.y > parent.y));
        }
        for (std::size_t j = 0; j < i; ++j) {
            const DiagramBox& other = layout.boxes[j];
            if (other.page != box.page) continue;
            const bool apart = box.y >= other.y + other.height || other.y >= box.y + box.height ||
                               box.x >= other.x + other.width || other.x >= box.x + box.width;
            EXPECT_TRUE(apart) << "overlaps " << nodes[j].lines[0];
        }
    }
    for (const DiagramWire& wire : layout.wires) {
        EXPECT_LT(wire.page, layout.pages);
        EXPECT_GE(std::min(wire.y1, wire.y2), 0);
        EXPECT_LE(std::max(wire.y1, wire.y2), m.pageHeight);
    }
}

// Read depth-first: a board's circuits follow it before the next board.
TEST(DiagramLayout, ReadsEachBoardWithWhatItFeeds) {
    const std::vector<DiagramNode> nodes = installation();
    const DiagramLayout layout = layDiagram(nodes, metrics(0));
    EXPECT_EQ(layout.pages, 1);
    const auto below = [&](std::size_t a, std::size_t b) {
        return layout.boxes[a].y < layout.boxes[b].y;
    };
    // Nodes 2 to 4 are P1, P2 and P3 (under P1); circuit c is node 5 + c, on node 2 + c % 3.
    EXPECT_TRUE(below(2, 4));   // P1, then P3 under it
    EXPECT_TRUE(below(7, 5));   // P3's circuit C2 before C0 on P1: P3 is given first
    EXPECT_TRUE(below(5, 3));   // C0 on P1 before board P2
    EXPECT_TRUE(below(64, 3));  // and C59, on P3 under P1, before P2 too
    EXPECT_TRUE(below(3, 6));   // P2, then its C1
}

struct Cut {
    std::string name;
    double pageHeight;
    int page;  // of the second box
};

class DiagramCut : public testing::TestWithParam<Cut> {};

// Two boxes of one line (14 tall) with a gap of 4: the second needs 14 + 4 + 14 = 32.
TEST_P(DiagramCut, KeepsABoxWholeOnOnePage) {
    const std::vector<DiagramNode> nodes{{-1, {"Supply"}, false}, {0, {"C1"}, false}};
    const DiagramLayout layout = layDiagram(nodes, metrics(GetParam().pageHeight));
    EXPECT_EQ(layout.boxes[1].page, GetParam().page);
    EXPECT_EQ(layout.pages, GetParam().page + 1);
    EXPECT_DOUBLE_EQ(layout.boxes[1].y, GetParam().page == 0 ? 18 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiagramCut,
                         testing::Values(Cut{"FitsExactly", 32, 0}, Cut{"OneUnitShort", 31, 1}),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace ferrovolt::package
