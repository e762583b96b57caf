// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/scheme.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

bool isFixed(Colour colour)
{
    return colour.kind() == Colour::Kind::Fixed;
}

// As WCAG 2 defines it: 1 for the same colour, 21 for black on white.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto linear = [](float v) {
            return v <= 0.04045f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The light scheme the design's fixed colours were chosen for: black text, white highlights.
const QPalette &designScheme()
{
    static const QPalette scheme = [] {
        QPalette p;
        p.setColor(QPalette::ButtonText, QColor(0, 0, 0));
        p.setColor(QPalette::WindowText, QColor(0, 0, 0));
        p.setColor(QPalette::Light, QColor(255, 255, 255));
        return p;
    }();
    return scheme;
}

} // namespace

QColor colourOf(Colour value, const QPalette &palette, QPalette::ColorRole standardRole)
{
    switch (value.kind()) {
    case Colour::Kind::Fixed:
        return QColor(value.red(), value.green(), value.blue());
    case Colour::Kind::Scheme:
        if (value == kSchemeWindowText)
            return palette.color(QPalette::WindowText);
        if (value == kScheme3DHighlight)
            return palette.color(QPalette::Light);
        break;
    case Colour::Kind::Standard:
        break;
    }
    return palette.color(standardRole);
}

QColor readableText(Colour foreground, Colour background, const QPalette &palette)
{
    const QColor text = colourOf(foreground, palette, QPalette::ButtonText);
    if (!isFixed(background) || isFixed(foreground))
        return text;
    // Where the scheme's text is the colour the design was drawn with, it stays as drawn.
    const QColor back = colourOf(background, palette, QPalette::Button);
    if (text == colourOf(foreground, designScheme(), QPalette::ButtonText)
        || contrast(text, back) >= 4.5)
        return text;
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrast(black, back) >= contrast(white, back) ? black : white;
}

} // namespace ui
