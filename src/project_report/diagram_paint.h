// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single-line diagram drawn as vectors, its labels as text: one page of it on a painter
// (the report's PDF), or the whole of it as an SVG picture. A failing node's box is drawn
// with a heavier line and a warning sign, so that it reads without colour.

#include <QByteArray>
#include <QFont>
#include <vector>

#include "project_report/diagram_layout.h"

class QPainter;

namespace ferrovolt::package {

void paintDiagramPage(QPainter& painter, const DiagramLayout& layout,
                      const std::vector<DiagramNode>& nodes, int page, const QFont& regular,
                      const QFont& bold, const DiagramMetrics& metrics);

// The whole diagram as one SVG picture in points, set in the bundled face.
QByteArray diagramSvg(const std::vector<DiagramNode>& nodes);

}  // namespace ferrovolt::package
