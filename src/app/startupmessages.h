// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// The toolkit's messages while it opens a display. Without a display there is nothing to show:
// one line that says which display could not be opened, and a failure status, instead of the
// toolkit's abort.
namespace app::startupmessages {

// Before the application object is made.
void watch();
// Once it is made, so a display opened: the toolkit speaks for itself again.
void stopWatching();

} // namespace app::startupmessages
