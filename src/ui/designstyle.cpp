// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/designstyle.h"

#include <QImageReader>

namespace ui {

QRect rectOf(const ControlDef &def)
{
    return QRect(pixels(def.left), pixels(def.top), pixels(def.width), pixels(def.height));
}

QPixmap artwork(const QString &file)
{
    // Each in the format its name says: no image plugin is asked to guess, which would load them
    // all, and the libraries they need, before the first window shows.
    QImageReader reader(file, file.section(u'.', -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QFont fontOf(Font font)
{
    // MS Sans Serif does not exist here; Liberation Sans is close and sized in pixels at
    // 96 dpi, so the layout is the same whatever the desktop's font settings. Narrowed to 95 %
    // it keeps MS Sans Serif's widths: the blank-aligned column heads line up with their lists
    // and the longest captions fit on their line.
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setStretch(95);
    switch (font) {
    case Font::Standard:
        f.setPixelSize(11);
        break;
    case Font::Medium:
        f.setPixelSize(13);
        break;
    case Font::Large:
        f.setPixelSize(32);
        break;
    case Font::Bold:
        f.setPixelSize(11);
        f.setWeight(QFont::Bold);
        break;
    }
    return f;
}

void nameForScreenReaders(QWidget *control, const ControlDef &def)
{
    if (def.accessibleName)
        control->setAccessibleName(QLatin1String(def.accessibleName));
}

} // namespace ui
