// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/paper.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "ferrovolt_version.h"
#include "fonts.h"
#include "numtext/date_text.h"

namespace ferrovolt {

namespace {

constexpr double kMarginMm = 15;
constexpr double kBandGapMm = 3;  // between the header or footer and the body

double dotsOfMm(const QPaintDevice* device, double mm) {
    return mm / 25.4 * device->logicalDpiY();
}

}  // namespace

Paper paperOf(QLocale::Territory territory) {
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? Paper::Letter
                                                                              : Paper::A4;
}

QPageLayout pageLayoutOf(Paper paper, double bindingMarginMm) {
    return QPageLayout(
        QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(std::max(kMarginMm, bindingMarginMm), kMarginMm, kMarginMm, kMarginMm),
        QPageLayout::Millimeter);
}

QFont paperFont(double point, bool bold) {
    QFont font(interfaceFamily());
    font.setPointSizeF(point);
    font.setBold(bold);
    return font;
}

QRectF bodyBetweenBands(const QRectF& page, const QPaintDevice* device) {
    const double gap = dotsOfMm(device, kBandGapMm);
    const double above = QFontMetricsF(paperFont(kBandTitlePoint, true), device).height() + gap;
    const double below = QFontMetricsF(paperFont(kBandPoint), device).height() + gap;
    return page.adjusted(0, above, 0, -below);
}

BandRects bandRects(const QRectF& page, const QPaintDevice* device) {
    const double rule = std::max(1.0, dotsOfMm(device, 0.2));
    const double title = QFontMetricsF(paperFont(kBandTitlePoint, true), device).height();
    const double band = QFontMetricsF(paperFont(kBandPoint), device).height();
    BandRects r;
    r.head = QRectF(page.left(), page.top(), page.width(), title);
    r.headRule = QRectF(page.left(), r.head.bottom() + rule, page.width(), rule);
    r.foot = QRectF(page.left(), page.bottom() - band, page.width(), band);
    r.footRule = QRectF(page.left(), r.foot.top() - 2 * rule, page.width(), rule);
    return r;
}

PageBands pageBands(const QString& title, const QString& reference, const QString& code,
                    QDate date) {
    const QString day = QString::fromStdString(isoDateText(date.year(), date.month(), date.day()));
    return {
        title, reference,
        QStringLiteral("%1 · %2 · Ferrovolt %3").arg(day, code, QString::fromLatin1(kVersionText))};
}

QString pageNumberText(int index, int count) {
    return QStringLiteral("Page %1 of %2").arg(index + 1).arg(count);
}

std::array<BandText, 4> bandTexts(const QRectF& page, const QPaintDevice* device,
                                  const PageBands& bands, int index, int count) {
    const BandRects r = bandRects(page, device);
    return {{{r.head, bands.title, true, false},
             {r.head, bands.reference, false, true},
             {r.foot, bands.footer, false, false},
             {r.foot, pageNumberText(index, count), false, true}}};
}

void paintBands(QPainter& painter, const QRectF& page, const PageBands& bands, int index,
                int count) {
    painter.save();
    painter.setPen(Qt::black);
    const BandRects r = bandRects(page, painter.device());
    painter.fillRect(r.headRule, Qt::black);
    painter.fillRect(r.footRule, Qt::black);
    for (const BandText& text : bandTexts(page, painter.device(), bands, index, count)) {
        painter.setFont(text.title ? paperFont(kBandTitlePoint, true) : paperFont(kBandPoint));
        painter.drawText(
            text.rect, (text.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text.text);
    }
    painter.restore();
}

}  // namespace ferrovolt
