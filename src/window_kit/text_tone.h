// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Coloured texts that stay readable on any palette: each tone starts from its usual colour
// and, where that colour is too faint against the background it sits on, is made lighter or
// darker, keeping its hue, until it reaches the contrast of readable text (WCAG 2 level AA).

#include <QColor>
#include <functional>
#include <optional>

class QWidget;

namespace ferrovolt {

enum class TextTone {
    Warning,  // a result that needs the user's attention
    Error,    // an input refused
    Note,     // something the window did on the user's behalf
};

// The least contrast of normal-sized text against its background.
inline constexpr double kTextContrast = 4.5;

// The property holding a widget's tone, for whoever checks every coloured text of a window.
inline constexpr char kTextToneProperty[] = "ferrovoltTextTone";

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// `wanted` when it reaches `minimum` against `background`; else the same hue made lighter
// (on a dark background) or darker (on a light one) until it does.
QColor readableColour(const QColor& wanted, const QColor& background,
                      double minimum = kTextContrast);

// The tone's colour on `background`.
QColor toneColour(TextTone tone, const QColor& background);

// The colour drawn behind `widget`: that of the nearest widget that fills its background,
// else its window's.
QColor backgroundBehind(const QWidget& widget);

// Calls `apply` now and whenever the palette `widget` inherits changes (a dark theme chosen
// while the window is open); `apply` may set the widget's palette.
void followPalette(QWidget* widget, std::function<void()> apply);

// Draws the widget's text (label, button or field text) in the tone, on every palette; with
// no tone, in the palette's own text colour again.
void setTextTone(QWidget* widget, std::optional<TextTone> tone);

}  // namespace ferrovolt
