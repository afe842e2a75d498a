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
                 QString::fromStdString(fillNumber(2 * packing.radius, 3)));
    if (packing.notLaid > 0) text += QStringLiteral("; %1 not drawn").arg(packing.notLaid);
    return text;
}

}  // namespace

void paintFill(QPainter& painter, const QRectF& area, const FillAnswer& answer,
               const FillPacking& packing, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = painter.fontMetrics().height() * 1.5;
    const double side = std::min(area.width(), area.height() - line);
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
        QColor colour =
            QColor::fromRgb(kRowColours[static_cast<std::size_t>(circle.row) % kRowColours.size()]);
        const FillRow& row = answer.inputs.rows[static_cast<std::size_t>(circle.row)];
        const chapter9::WireFamily* family =
            chapter9::kConductorTypes[static_cast<std::size_t>(row.type)].family;
        const bool bare = row.kind == FillItemKind::Wire && (family == &chapter9::kFamilyBare ||
                                                             family == &chapter9::kFamilyBareSolid);
        if (bare) colour = QColor(0xb87333);  // copper
        colour.setAlphaF(0.75F);
        painter.setBrush(colour);
        painter.setPen(QPen(palette.color(QPalette::Text), 1));
        const QPointF at(centre.x() + circle.x * scale, centre.y() - circle.y * scale);
        painter.drawEllipse(at, circle.r * scale, circle.r * scale);
    }
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(QRectF(area.left(), area.top() + side, area.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, caption(answer, packing));
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
              palette);
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
    return {260, 280};
}

QSize FillDrawing::minimumSizeHint() const {
    return {160, 180};
}

void FillDrawing::paintEvent(QPaintEvent*) {
    if (!m_answer) return;
    // Laid out when painted, not at each edit, so typing stays quick.
    if (!m_packing) m_packing = packFill(*m_answer, kMostDrawn);
    QPainter painter(this);
    paintFill(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *m_answer, *m_packing, palette());
}

}  // namespace ferrovolt
