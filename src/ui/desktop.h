#pragma once

#include <QMargins>

class QWidget;

namespace ui::desktop {

// What the X11 desktop is told and asked beyond what the toolkit offers. Elsewhere (offscreen,
// Wayland) these do nothing.

// Asks the window manager to leave the window off its taskbar and pager. Call before each show.
void skipTaskbarAndPager(QWidget *window);

// Brings back a window the user minimised (the toolkit does not know the desktop did it).
void restoreIfMinimised(QWidget *window);

// The frame the window manager will put around the window, asked before it is first shown;
// none when no window manager answers.
QMargins frameExtents(QWidget *window);

} // namespace ui::desktop
