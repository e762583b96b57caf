// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace ui::desktop {

// What the X11 desktop is told and asked beyond what the toolkit offers. Elsewhere (offscreen,
// native Wayland) the window is shown as the toolkit shows it and nothing more is asked.

// Asks the window manager to leave the window off its taskbar and pager. Call before each show.
void skipTaskbarAndPager(QWidget *window);

// Brings back a window the user minimised (the toolkit does not know the desktop did it).
void restoreIfMinimised(QWidget *window);

// Shows the window for the first time with the frame the window manager puts around it centred
// where the window itself was centred: inside the frame the window manager announces, or, where
// it announces none, by asking it to centre its frame (ICCCM's centre gravity). Either way the
// window does not move once shown.
void showFrameCentred(QWidget *window);

} // namespace ui::desktop
