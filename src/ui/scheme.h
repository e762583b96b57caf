// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// The design's colours against the desktop's colour scheme. A design colour is fixed, names a
// colour of the scheme, or is the standard one; text in a scheme colour on a fixed colour stays
// readable under any scheme.

#include "ui/design.h"

#include <QColor>
#include <QPalette>

namespace ui {

// The colour a design value means under the palette; the standard colour is standardRole's.
QColor colourOf(Colour value, const QPalette &palette, QPalette::ColorRole standardRole);

// The colour of text drawn in the design colour foreground on the opaque design colour
// background: as the scheme has it, unless a scheme's text would not read on a fixed
// background (at least 4.5:1, as WCAG 2 asks); then black or white, whichever reads better.
QColor readableText(Colour foreground, Colour background, const QPalette &palette);

} // namespace ui
