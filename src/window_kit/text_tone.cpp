// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/text_tone.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace ferrovolt {

namespace {

// The colours the tones have on the light palette they were chosen on.
QColor usualColour(TextTone tone) {
    switch (tone) {
        case TextTone::Warning:
            return {0xc0, 0x00, 0x00};
        case TextTone::Error:
            return {0xb0, 0x00, 0x00};
        case TextTone::Note:
            return {0x7a, 0x4f, 0x00};
    }
    return {};
}

// WCAG 2 relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

constexpr double kLightnessStep = 0.01;

// Calls its function on every palette change of the widget it watches, but not on the
// change that function makes itself.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget* widget, std::function<void()> apply)
        : QObject(widget), m_apply(std::move(apply)) {
        widget->installEventFilter(this);
    }

    void apply() {
        if (m_applying) return;
        m_applying = true;
        m_apply();
        m_applying = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) apply();
        return false;
    }

private:
    std::function<void()> m_apply;
    bool m_applying = false;
};

constexpr char kToneFollowedProperty[] = "ferrovoltToneFollowed";

// Sets the text colours of the widget's tone, or gives the palette's own back.
void applyTone(QWidget* widget) {
    const QVariant tone = widget->property(kTextToneProperty);
    if (!tone.isValid()) {
        if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    const QColor colour =
        toneColour(static_cast<TextTone>(tone.toInt()), backgroundBehind(*widget));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QColor& wanted, const QColor& background, double minimum) {
    if (contrastRatio(wanted, background) >= minimum) return wanted;
    const bool lighter =
        contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background);
    const QColor hsl = wanted.toHsl();
    for (double l = hsl.lightnessF(); l >= 0.0 && l <= 1.0;
         l += lighter ? kLightnessStep : -kLightnessStep) {
        const QColor candidate = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), l).toRgb();
        if (contrastRatio(candidate, background) >= minimum) return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor toneColour(TextTone tone, const QColor& background) {
    return readableColour(usualColour(tone), background);
}

QColor backgroundBehind(const QWidget& widget) {
    for (const QWidget* w = &widget; w != nullptr; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return widget.palette().color(QPalette::Window);
}

void followPalette(QWidget* widget, std::function<void()> apply) {
    (new PaletteFollower(widget, std::move(apply)))->apply();
}

void setTextTone(QWidget* widget, std::optional<TextTone> tone) {
    widget->setProperty(kTextToneProperty, tone ? QVariant(static_cast<int>(*tone)) : QVariant());
    if (widget->property(kToneFollowedProperty).toBool()) {
        applyTone(widget);
        return;
    }
    widget->setProperty(kToneFollowedProperty, true);
    followPalette(widget, [widget] { applyTone(widget); });
}

}  // namespace ferrovolt
