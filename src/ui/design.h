// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/colour.h"
#include "core/listitem.h"
#include "ui/role.h"

#include <span>

namespace ui {

// Design values of a screen: positions in twips (15 to a pixel at 96 dpi), colours fixed, of the
// desktop's scheme or standard.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

using core::Colour;
// The scheme's colours the design names, by their index in its list.
inline constexpr Colour kSchemeWindowText = Colour::scheme(0x08);
inline constexpr Colour kScheme3DHighlight = Colour::scheme(0x14);
// What a control has where the design gives it no colour: the standard one of its kind.
inline constexpr Colour kStandardColour = Colour();

enum class Kind { Label, CommandButton, DropDownList, TextBox, Image, PictureBox, Line, Frame };

enum class Font {
    Standard, // MS Sans Serif 8.25 pt
    Medium, // MS Sans Serif 9.75 pt
    Large, // MS Sans Serif 24 pt
    Bold, // MS Sans Serif 8.25 pt, weight 700
};

namespace Flag {
enum : unsigned {
    None = 0,
    Hidden = 1,
    Transparent = 2,
    Border = 4,
    Stretch = 8,
    // One line, drawn narrower where the caption would not fit: a number is never cut.
    FitCaption = 16,
};
}

struct ControlDef
{
    const char *name;
    Kind kind;
    int left = 0; // for a line: X1, Y1, X2, Y2
    int top = 0;
    int width = 0;
    int height = 0;
    const char *caption = ""; // caption, text box text, or an image's resource path
    Colour backColour = kStandardColour;
    Colour foreColour = kStandardColour;
    Font font = Font::Standard;
    unsigned flags = Flag::None;
    int tabIndex = -1;
    core::ListItems items = {};
    const char *container = nullptr; // the frame that holds the control
    // For screen readers: what a picture shows, or what a list chooses, as the heading over it
    // says; a label names the control it is the heading of.
    const char *accessibleName = nullptr;
    const char *labelFor = nullptr;
    Role role = Role::None; // what the control is to its screen, which binds it by that once
};

enum class Border { None, FixedSingle, FixedDialog, Sizable };
enum class Placement { CentreScreen, WindowsDefault };

struct WindowDef
{
    const char *caption = nullptr; // none: no title bar
    int width = 0; // client area, twips
    int height = 0;
    Border border = Border::FixedSingle;
    bool taskbarButton = true;
    Placement placement = Placement::CentreScreen;
    const char *icon = nullptr;
};

} // namespace ui
