// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/html_report.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace ferrovolt {

namespace {

constexpr double kMarginMm = 15;
constexpr double kLargestPoint = 9.5;
constexpr double kSmallestPoint = 6;

}  // namespace

std::optional<QString> writeHtmlReport(const QString& html, const QString& title,
                                       const QString& path, const QMap<QString, QImage>& images) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Ferrovolt"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    for (auto image = images.begin(); image != images.end(); ++image)
        document.addResource(QTextDocument::ImageResource, QUrl(image.key()), image.value());
    document.setHtml(html);
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    document.setPageSize(page.size());
    // One page: the type is made smaller until the sheet fits.
    for (double point = kLargestPoint; point >= kSmallestPoint; point -= 0.5) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(point);
        document.setDefaultFont(font);
        if (document.pageCount() <= 1) break;
    }
    QPainter painter;
    if (!painter.begin(&writer)) return QStringLiteral("%1 cannot be written").arg(path);
    document.drawContents(&painter, QRectF(QPointF(0, 0), QSizeF(page.size())));
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    return std::nullopt;
}

}  // namespace ferrovolt
