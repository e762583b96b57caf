// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/splashscreen.h"

#include "app/version.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace app {
namespace {

using namespace ui;

// clang-format off
const WindowDef kWindow{.width = 7380, .height = 4245, .border = Border::FixedDialog, .taskbarButton = false, .placement = Placement::CentreScreen};

const ControlDef kControls[] = {
        {.name = "Frame1", .kind = Kind::Frame, .left = 120, .top = 120, .width = 7185, .height = 4035, .tabIndex = 0},
        // "revison" as it always read: what users see.
        {.name = "Label1", .kind = Kind::Label, .left = 5040, .top = 1200, .width = 1935, .height = 255, .caption = "minor release 1 revison 0", .tabIndex = 2, .container = "Frame1"},
        {.name = "Label2", .kind = Kind::Label, .left = 2160, .top = 1200, .width = 2295, .height = 495, .caption = "by the Ohmara developers, for everyone at the bench", .tabIndex = 3, .container = "Frame1"},
        {.name = "Label3", .kind = Kind::Label, .left = 240, .top = 2400, .width = 5895, .height = 495, .caption = "have fun with resistors :-)", .tabIndex = 4, .container = "Frame1"},
        {.name = "Label4", .kind = Kind::Label, .left = 2520, .top = 1800, .width = 3855, .height = 615, .caption = "Now with 5 band resistor support", .tabIndex = 5, .container = "Frame1", .role = Role::News},
        {.name = "imgLogo", .kind = Kind::Image, .left = 0, .top = 120, .width = 1935, .height = 2025, .caption = ":/art/splash-logo.bmp", .flags = Flag::Stretch, .container = "Frame1", .accessibleName = "Ohmara " OHMARA_VERSION " logo: the version number over a small resistor"},
        {.name = "Image1", .kind = Kind::Image, .left = 480, .top = 2640, .width = 5565, .height = 1230, .caption = ":/art/splash-resistor.bmp", .container = "Frame1", .accessibleName = "photograph of a beige resistor with brown, black, red and gold bands"},
};
// clang-format on

} // namespace

SplashScreen::SplashScreen()
    : Screen(kWindow, kControls)
{
    // Anything clicked leaves the splash, but "Now with 5 band resistor support".
    connect(this, &Screen::bareWindowClicked, this, &Screen::leaveRequested);
    connect(this, &Screen::characterTyped, this, &Screen::leaveRequested);
    connect(findChild<Frame *>(), &Frame::clicked, this, &Screen::leaveRequested);
    for (auto *image : findChildren<Image *>())
        connect(image, &Image::clicked, this, &Screen::leaveRequested);
    for (auto *label : findChildren<Label *>()) {
        if (label != bound<Label>(Role::News))
            connect(label, &Label::clicked, this, &Screen::leaveRequested);
    }
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    // Without a title bar the desktop draws no frame: the dialog border is ours to draw.
    QPainter p(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = 2;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
}

} // namespace app
