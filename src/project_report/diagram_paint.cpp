// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/diagram_paint.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <string>

#include "numtext/rounded_number.h"
#include "paper/paper.h"
#include "project_report/pdf_document.h"

namespace ferrovolt::package {

namespace {

constexpr double kDiagramPoint = 7.5;

std::string number(double value) {
    return roundedNumberText(value, 2);
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

}  // namespace

void paintDiagramPage(PdfDocument& pdf, const DiagramLayout& layout,
                      const std::vector<DiagramNode>& nodes, int page, const DiagramMetrics& m,
                      QPointF origin, const DiagramText& text) {
    const double line = m.lineHeight / 12;
    for (const DiagramWire& wire : layout.wires)
        if (wire.page == page)
            pdf.line(origin + QPointF(wire.x1, wire.y1), origin + QPointF(wire.x2, wire.y2), line);
    for (const DiagramBox& box : layout.boxes) {
        if (box.page != page) continue;
        const DiagramNode& node = nodes[static_cast<std::size_t>(box.node)];
        const QPointF at = origin + QPointF(box.x, box.y);
        pdf.rectangle(QRectF(at, QSizeF(box.width, box.height)), node.fails ? 3 * line : line);
        for (std::size_t i = 0; i < node.lines.size(); ++i)
            text(at + QPointF(m.padding, m.padding + static_cast<double>(i) * m.lineHeight),
                 node.lines[i], i == 0);
        if (!node.fails) continue;
        // The warning sign: a black triangle with a white exclamation mark.
        const double side = std::min(m.mark - m.padding, m.lineHeight);
        const QPointF sign = at + QPointF(box.width - m.padding - side, m.padding);
        pdf.fillTriangle(sign + QPointF(side / 2, 0), sign + QPointF(side, side),
                         sign + QPointF(0, side));
        pdf.fill(QRectF(sign + QPointF(side * 0.44, side * 0.3), QSizeF(side * 0.12, side * 0.38)),
                 true);
        pdf.fill(QRectF(sign + QPointF(side * 0.44, side * 0.76), QSizeF(side * 0.12, side * 0.12)),
                 true);
    }
}

QByteArray diagramSvg(const std::vector<DiagramNode>& nodes) {
    // Measured in points: an image of 72 dots to the inch.
    QImage measure(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(72 / 0.0254);
    measure.setDotsPerMeterX(dotsPerMetre);
    measure.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF regular(paperFont(kDiagramPoint), &measure);
    const QFontMetricsF bold(paperFont(kDiagramPoint, true), &measure);
    DiagramMetrics m;
    m.textWidth = [&](std::string_view text, bool isBold) {
        return (isBold ? bold : regular)
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    m.lineHeight = std::max(regular.lineSpacing(), bold.lineSpacing());
    m.indent = 22;
    m.padding = 3;
    m.gap = 3.5;
    m.mark = 14;
    m.pageWidth = 2000;
    m.pageHeight = 0;
    const DiagramLayout layout = layDiagram(nodes, m);
    constexpr double kMargin = 10;
    double width = 0;
    for (const DiagramBox& box : layout.boxes) width = std::max(width, box.x + box.width);
    width += 2 * kMargin;
    const double height = std::max(0.0, layout.height) + 2 * kMargin;

    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        number(width) + "pt\" height=\"" + number(height) + "pt\" viewBox=\"0 0 " + number(width) +
        " " + number(height) +
        "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" "
        "font-size=\"" +
        number(kDiagramPoint) + "\">\n<title>Single-line diagram</title>\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += "<g transform=\"translate(" + number(kMargin) + " " + number(kMargin) + ")\">\n";
    svg += "<g stroke=\"black\" stroke-width=\"0.6\" fill=\"none\">\n";
    for (const DiagramWire& w : layout.wires)
        svg += "<line x1=\"" + number(w.x1) + "\" y1=\"" + number(w.y1) + "\" x2=\"" +
               number(w.x2) + "\" y2=\"" + number(w.y2) + "\"/>\n";
    svg += "</g>\n";
    for (const DiagramBox& box : layout.boxes) {
        const DiagramNode& node = nodes[static_cast<std::size_t>(box.node)];
        svg += "<g>\n<rect x=\"" + number(box.x) + "\" y=\"" + number(box.y) + "\" width=\"" +
               number(box.width) + "\" height=\"" + number(box.height) +
               "\" fill=\"white\" stroke=\"black\" stroke-width=\"" + (node.fails ? "1.8" : "0.6") +
               "\"/>\n";
        double baseline = box.y + m.padding;
        for (std::size_t i = 0; i < node.lines.size(); ++i) {
            const double ascent = (i == 0 ? bold : regular).ascent();
            svg += "<text x=\"" + number(box.x + m.padding) + "\" y=\"" +
                   number(baseline + ascent) + "\"" + (i == 0 ? " font-weight=\"bold\"" : "") +
                   ">" + escaped(node.lines[i]) + "</text>\n";
            baseline += m.lineHeight;
        }
        if (node.fails) {
            const double side = std::min(m.mark - m.padding, m.lineHeight);
            const double x = box.x + box.width - m.padding - side;
            const double y = box.y + m.padding;
            svg += "<path d=\"M" + number(x + side / 2) + " " + number(y) + " L" +
                   number(x + side) + " " + number(y + side) + " L" + number(x) + " " +
                   number(y + side) + " Z\" fill=\"black\"><title>fails</title></path>\n";
            svg += "<rect x=\"" + number(x + side * 0.44) + "\" y=\"" + number(y + side * 0.3) +
                   "\" width=\"" + number(side * 0.12) + "\" height=\"" + number(side * 0.38) +
                   "\" fill=\"white\"/>\n<rect x=\"" + number(x + side * 0.44) + "\" y=\"" +
                   number(y + side * 0.76) + "\" width=\"" + number(side * 0.12) + "\" height=\"" +
                   number(side * 0.12) + "\" fill=\"white\"/>\n";
        }
        svg += "</g>\n";
    }
    svg += "</g>\n</svg>\n";
    return QByteArray::fromStdString(svg);
}

}  // namespace ferrovolt::package
