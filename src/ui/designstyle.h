// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// The design's positions, fonts and names in the toolkit's terms, shared by every control kind.

#include "ui/design.h"

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace ui {

QRect rectOf(const ControlDef &def);
QFont fontOf(Font font);
// One of the program's own images.
QPixmap artwork(const QString &file);
// Names the control as its design row says, for a screen reader.
void nameForScreenReaders(QWidget *control, const ControlDef &def);

} // namespace ui
