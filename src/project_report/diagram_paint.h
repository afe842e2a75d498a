// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single-line diagram drawn as vectors, its labels as text: one page of it in the
// report's PDF, or the whole of it as an SVG picture. A failing node's box is drawn
// with a heavier line and a warning sign, so that it reads without colour.

#include <QByteArray>
#include <QPointF>
#include <functional>
#include <string>
#include <vector>

#include "project_report/diagram_layout.h"

namespace ferrovolt::package {

class PdfDocument;

// Draws a line of a label with its top left corner at the point, in bold or not.
using DiagramText = std::function<void(QPointF, const std::string&, bool bold)>;

// Draws page `page` of the laid out diagram with its top left corner at `origin`.
void paintDiagramPage(PdfDocument& pdf, const DiagramLayout& layout,
                      const std::vector<DiagramNode>& nodes, int page,
                      const DiagramMetrics& metrics, QPointF origin, const DiagramText& text);

// The whole diagram as one SVG picture in points, set in the bundled face.
QByteArray diagramSvg(const std::vector<DiagramNode>& nodes);

}  // namespace ferrovolt::package
