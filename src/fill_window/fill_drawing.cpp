// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill_window/fill_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "fill/chapter9_tables.h"

namespace ferrovolt {

namespace {

// Insulation colours by row, drawn translucent over the raceway's background.
constexpr std::array<QRgb, 6> kRowColours = {0x1f77b4, 0xd62728, 0x2ca02c,
                                             0xff7f0e, 0x9467bd, 0x8c564b};

QString caption(const FillAnswer& answer, const FillPacking& packing) {
    const auto& trade = chapter9::kTradeSizes[static_cast<std::size_t>(answer.tradeSize)];
    QString text =
        QStringLiteral("%1 %2: %3 in inside, to scale")
            .arg(QString::fromUtf8(fillRacewayName(answer.raceway).data()),
                 QString::fromUtf8(trade.trade.data(), static_cast<qsizetype>(trade.trade.size())),
                 QString::fromStdString(roundedNumberText(2 * packing.radius, 3)));
    if (packing.notLaid > 0) text += QStringLiteral("; %1 not drawn").arg(packing.notLaid);
    return text;
}

QColor rowColour(const FillAnswer& answer, std::size_t index) {
    const FillRow& row = answer.inputs.rows[index];
    const chapter9::WireFamily* family =
        chapter9::kConductorTypes[static_cast<std::size_t>(row.type)].family;
    const bool bare = row.kind == FillItemKind::Wire &&
                      (family == &chapter9::kFamilyBare || family == &chapter9::kFamilyBareSolid);
    QColor colour = bare ? QColor(0xb87333)  // copper
                         : QColor::fromRgb(kRowColours[index % kRowColours.size()]);
    colour.setAlphaF(0.75F);
    return colour;
}

// A row as the legend says it: "3 × 12 AWG THHN", "1 × cable 0.5 in".
QString rowText(const FillRow& row) {
    if (row.kind == FillItemKind::Cable)
        return QStringLiteral("%1 × cable %2 in")
            .arg(row.count)
            .arg(QString::fromStdString(roundedNumberText(row.diameter, 4)));
    const std::string_view size = chapter9::kSizes[static_cast<std::size_t>(row.size)].label;
    const std::string_view type =
        chapter9::kConductorTypes[static_cast<std::size_t>(row.type)].text;
    return QStringLiteral("%1 × %2 %3")
        .arg(row.count)
        .arg(QString::fromUtf8(size.data(), static_cast<qsizetype>(size.size())),
             QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size())));
}

}  // namespace

int fillLegendLines(const FillAnswer& answer) {
    return static_cast<int>(answer.inputs.rows.size());
}

void paintFill(QPainter& painter, const QRectF& area, const FillAnswer& answer,
               const FillPacking& packing, const QPalette& palette, bool legend) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = painter.fontMetrics().height() * 1.5;
    const double legendHeight =
        legend ? painter.fontMetrics().height() * fillLegendLines(answer) : 0;
    const double side = std::min(area.width(), area.height() - line - legendHeight);
    if (side <= 0 || packing.radius <= 0) {
        painter.restore();
        return;
    }
    const double scale = side / (2 * packing.radius);
    const QPointF centre(area.center().x(), area.top() + side / 2);
    painter.setPen(QPen(palette.color(QPalette::Text), std::max(1.0, side / 200)));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawEllipse(centre, side / 2, side / 2);
    for (const PackedCircle& circle : packing.circles) {
        painter.setBrush(rowColour(answer, static_cast<std::size_t>(circle.row)));
        painter.setPen(QPen(palette.color(QPalette::Text), 1));
        const QPointF at(centre.x() + circle.x * scale, centre.y() - circle.y * scale);
        painter.drawEllipse(at, circle.r * scale, circle.r * scale);
    }
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(QRectF(area.left(), area.top() + side, area.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, caption(answer, packing));
    if (legend) {
        // Each row's colour and what it is, under the caption.
        const double height = painter.fontMetrics().height();
        const double swatch = height * 0.7;
        double width = 0;
        for (const FillRow& row : answer.inputs.rows)
            width = std::max(width, painter.fontMetrics().horizontalAdvance(rowText(row)) + 0.0);
        const double left = area.center().x() - (swatch + height / 2 + width) / 2;
        double top = area.top() + side + line;
        for (std::size_t i = 0; i < answer.inputs.rows.size(); ++i, top += height) {
            painter.setBrush(rowColour(answer, i));
            painter.setPen(QPen(palette.color(QPalette::Text), 1));
            painter.drawEllipse(QRectF(left, top + (height - swatch) / 2, swatch, swatch));
            painter.setPen(palette.color(QPalette::WindowText));
            painter.drawText(QRectF(left + swatch + height / 2, top, width + 1, height),
                             Qt::AlignLeft | Qt::AlignVCenter, rowText(answer.inputs.rows[i]));
        }
    }
    painter.restore();
}

QImage fillPicture(const FillAnswer& answer, int side) {
    QImage image(side, side + side / 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPalette palette;  // the light default, on paper
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(side / 28);
    painter.setFont(font);
    paintFill(painter, QRectF(0, 0, side, image.height()), answer, packFill(answer, kMostDrawn),
              palette, false);
    return image;
}

FillDrawing::FillDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("drawing"));
    setAccessibleName(QStringLiteral("Cross-section"));
}

void FillDrawing::setAnswer(const FillAnswer* answer) {
    m_packing.reset();
    if (answer == nullptr) {
        m_answer.reset();
        setAccessibleDescription({});
    } else {
        m_answer = *answer;
        updateGeometry();  // the legend has a line a row
        // An overfull raceway, or more than are drawn, is laid out now to say how many it
        // shows; another is laid out when first painted, so that typing stays quick.
        if (!answer->fits || static_cast<std::size_t>(answer->count) > kMostDrawn)
            m_packing = packFill(*answer, kMostDrawn);
        const int drawn = answer->count - (m_packing ? m_packing->notLaid : 0);
        const QString raceway = QString::fromUtf8(fillRacewayName(answer->raceway).data()) +
                                QLatin1Char(' ') +
                                QString::fromStdString(fillTradeText(answer->tradeSize));
        setAccessibleDescription(
            drawn == answer->count
                ? QStringLiteral("%1 conductors and cables drawn in %2, to scale")
                      .arg(answer->count)
                      .arg(raceway)
                : QStringLiteral("%1 of the %2 conductors and cables drawn in %3, to scale")
                      .arg(drawn)
                      .arg(answer->count)
                      .arg(raceway));
    }
    update();
}

QSize FillDrawing::sizeHint() const {
    return {260, 280 + legendHeight()};
}

QSize FillDrawing::minimumSizeHint() const {
    return {160, 180 + legendHeight()};
}

int FillDrawing::legendHeight() const {
    return m_answer ? fontMetrics().height() * fillLegendLines(*m_answer) : 0;
}

void FillDrawing::paintEvent(QPaintEvent*) {
    if (!m_answer) return;
    // Laid out when painted, not at each edit, so typing stays quick.
    if (!m_packing) m_packing = packFill(*m_answer, kMostDrawn);
    QPainter painter(this);
    paintFill(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *m_answer, *m_packing, palette(),
              true);
}

}  // namespace ferrovolt
