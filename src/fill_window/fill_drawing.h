// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The raceway's cross-section with its conductors and cables laid in it, to scale, for the
// window and for the report.

#include <QImage>
#include <QPalette>
#include <QWidget>
#include <optional>

#include "fill/fill_check.h"
#include "fill/fill_packing.h"

namespace ferrovolt {

// The most circles drawn; a larger fill is drawn in part and says how many are left out.
inline constexpr std::size_t kMostDrawn = 150;

// Draws the packing into `area`, with a caption line below the circle and, with `legend`, a
// line for each row: its colour, count, size and type.
void paintFill(QPainter& painter, const QRectF& area, const FillAnswer& answer,
               const FillPacking& packing, const QPalette& palette, bool legend);

// The legend's lines: one a row.
int fillLegendLines(const FillAnswer& answer);

// The drawing as a picture of the given side, for the report.
QImage fillPicture(const FillAnswer& answer, int side);

class FillDrawing : public QWidget {
    Q_OBJECT
public:
    explicit FillDrawing(QWidget* parent = nullptr);

    // The answer to draw; nothing for a refused fill.
    void setAnswer(const FillAnswer* answer);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int legendHeight() const;

    std::optional<FillAnswer> m_answer;
    std::optional<FillPacking> m_packing;  // laid when first painted after a change
};

}  // namespace ferrovolt
